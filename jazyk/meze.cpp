#include "jazyk/meze.h"

namespace nahled {

std::string VTisicich(std::uint64_t cislo) {
    std::string text = std::to_string(cislo);
    for (std::size_t i = text.size(); i > 3; i -= 3)
        text.insert(i - 3, 1, ' ');
    return text;
}

std::string VicNezPamet() {
    return "víc než " + std::to_string(NejvicPameti >> 20) + " MB paměti";
}

std::string PrilisDlouhyText() {
    return "text by byl delší než " + VTisicich(NejdelsiText) + " znaků";
}

} // namespace nahled
