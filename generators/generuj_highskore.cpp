#include "generators/generuj_highskore.h"

#include <cstdint>

namespace generatory {

Skript GenerujHighskore(const std::vector<PolozkaHighskore>& polozky) {
    Skript skript;
    if (polozky.empty()) {
        skript.odmitnuti = "Nejsou vytvořené žádné položky!";
        return skript;
    }
    constexpr const char* konec = ",c_white,c_white,c_white,c_white,true)";
    skript.rezervuj(Udalost::Draw, 2 * polozky.size(), 2 * polozky.size());
    Radek radek;
    for (std::size_t i = 0; i < polozky.size(); ++i) {
        // 64 bits keep the position exact however long the list grows.
        const std::string y =
            std::to_string(std::int64_t{50} + std::int64_t{30} * static_cast<std::int64_t>(i));
        radek.text("draw_text_color(190,").text(y).text(",");
        radek.pole(Pole::HighskoreNick, i, polozky[i].nick)
            .text(konec)
            .pridej(skript, Udalost::Draw);
        radek.text("draw_text_color(380,").text(y).text(",string(");
        radek.pole(Pole::HighskoreSkore, i, polozky[i].skore).text(")").text(konec);
        radek.pridej(skript, Udalost::Draw);
    }
    return skript;
}

} // namespace generatory
