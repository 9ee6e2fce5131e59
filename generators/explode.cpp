#include "generators/explode.h"

namespace generatory {

std::vector<std::string> Explode(std::string_view oddelovac, std::string_view text) {
    std::vector<std::string> kusy;
    while (!text.empty()) {
        const std::size_t pozice =
            oddelovac.empty() ? std::string_view::npos : text.find(oddelovac);
        if (pozice == std::string_view::npos) {
            kusy.emplace_back(text);
            break;
        }
        kusy.emplace_back(text.substr(0, pozice));
        text.remove_prefix(pozice + oddelovac.size());
    }
    return kusy;
}

} // namespace generatory
