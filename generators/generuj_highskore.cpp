#include "generators/generuj_highskore.h"

#include "generators/spoj.h"

#include <cstdint>

namespace generatory {

Skript GenerujHighskore(const std::vector<PolozkaHighskore>& polozky) {
    Skript skript;
    if (polozky.empty()) {
        skript.odmitnuti = "Nejsou vytvořené žádné položky!";
        return skript;
    }
    constexpr const char* konec = ",c_white,c_white,c_white,c_white,true)";
    std::vector<std::string>& draw = skript.draw;
    draw.reserve(2 * polozky.size());
    for (std::size_t i = 0; i < polozky.size(); ++i) {
        // 64 bits keep the position exact however long the list grows.
        const std::string y =
            std::to_string(std::int64_t{50} + std::int64_t{30} * static_cast<std::int64_t>(i));
        draw.push_back(Spoj({"draw_text_color(190,", y, ",", polozky[i].nick, konec}));
        draw.push_back(Spoj({"draw_text_color(380,", y, ",string(", polozky[i].skore, ")", konec}));
    }
    return skript;
}

} // namespace generatory
