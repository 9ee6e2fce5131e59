#include "preview/vestavene.h"

#include <cmath>
#include <map>
#include <string>

namespace nahled {

namespace {

double cislo(const std::vector<Hodnota>& a, std::size_t i, int radek, const char* funkce) {
    if (const double* c = std::get_if<double>(&a[i]))
        return *c;
    throw ChybaBehu{{radek, std::string(funkce) + ": argument " + std::to_string(i + 1) +
                                " má být číslo, je to text"}};
}

Hodnota klavesa(const std::vector<Hodnota>& a, Stav& s, int radek) {
    const double kod = cislo(a, 0, radek, "keyboard_check_pressed");
    return s.stisknute.count(static_cast<int>(kod)) ? 1.0 : 0.0;
}

Hodnota textBarevne(const std::vector<Hodnota>& a, Stav& s, int radek) {
    const char* jmeno = "draw_text_color";
    Kresba k;
    k.x = cislo(a, 0, radek, jmeno);
    k.y = cislo(a, 1, radek, jmeno);
    k.text = NaText(a[2]);
    k.barva = BarvaZHodnoty(cislo(a, 3, radek, jmeno));
    if (s.pismo >= 0)
        k.pismo = s.pisma[static_cast<std::size_t>(s.pismo)];
    k.radek = radek;
    s.kresby.push_back(std::move(k));
    return 0.0;
}

Hodnota nastavPismo(const std::vector<Hodnota>& a, Stav& s, int radek) {
    const double id = cislo(a, 0, radek, "draw_set_font");
    const bool zname = id >= 0 && id < static_cast<double>(s.pisma.size());
    s.pismo = zname ? static_cast<int>(id) : -1;
    return 0.0;
}

Hodnota pridejPismo(const std::vector<Hodnota>& a, Stav& s, int radek) {
    const char* jmeno = "font_add";
    if (!JeText(a[0]))
        throw ChybaBehu{{radek, "font_add: argument 1 má být text, je to číslo"}};
    Pismo p{std::get<std::string>(a[0]), cislo(a, 1, radek, jmeno), cislo(a, 2, radek, jmeno) != 0,
            cislo(a, 3, radek, jmeno) != 0};
    s.pisma.push_back(std::move(p));
    return static_cast<double>(s.pisma.size() - 1);
}

Hodnota naText(const std::vector<Hodnota>& a, Stav&, int) {
    return NaText(a[0]);
}

} // namespace

const Vestavena* NajdiVestavenou(std::string_view jmeno) {
    static const std::map<std::string_view, Vestavena> vestavene{
        {"keyboard_check_pressed", {1, klavesa}},
        {"draw_text_color", {8, textBarevne}},
        {"draw_set_font", {1, nastavPismo}},
        {"font_add", {6, pridejPismo}},
        {"string", {1, naText}},
    };
    const auto it = vestavene.find(jmeno);
    return it == vestavene.end() ? nullptr : &it->second;
}

} // namespace nahled
