#include "jazyk/vestavene.h"

#include "jazyk/tabulka_jmen.h"

#include <cmath>
#include <vector>

namespace nahled {

namespace {

Hodnota klavesa(const Argumenty& a) {
    const double kod = a.cislo(0);
    const bool stisknuta =
        std::isfinite(kod) && std::fabs(kod) < 1e9 && a.stav.stisknute.count(static_cast<int>(kod));
    return stisknuta ? 1.0 : 0.0;
}

void nakresli(const Argumenty& a, std::string text, double barva) {
    Kresba k;
    k.x = a.cislo(0);
    k.y = a.cislo(1);
    if (!std::isfinite(k.x) || !std::isfinite(k.y))
        a.chyba("souřadnice musí být konečná čísla");
    k.barva = BarvaZHodnoty(barva);
    Stav& s = a.stav;
    s.pametKreseb += sizeof(Kresba) + text.size();
    if (s.pametKreseb > NejvicPameti)
        a.chyba("kresby jednoho kroku by zabraly " + VicNezPamet());
    k.text = std::move(text);
    if (s.pismo >= 0)
        k.pismo = s.pisma[static_cast<std::size_t>(s.pismo)];
    k.radek = a.radek;
    s.kresby.push_back(std::move(k));
}

Hodnota textBarevne(const Argumenty& a) {
    nakresli(a, NaText(a.a[2]), a.cislo(3));
    return 0.0;
}

Hodnota text(const Argumenty& a) {
    nakresli(a, NaText(a.a[2]), a.stav.barvaKresby);
    return 0.0;
}

Hodnota nastavBarvu(const Argumenty& a) {
    a.stav.barvaKresby = a.cislo(0);
    return 0.0;
}

Hodnota nastavPismo(const Argumenty& a) {
    const double id = a.cislo(0);
    const bool zname = id >= 0 && id < static_cast<double>(a.stav.pisma.size());
    a.stav.pismo = zname ? static_cast<int>(id) : -1;
    return 0.0;
}

Hodnota pridejPismo(const Argumenty& a) {
    if (a.stav.pisma.size() >= NejvicPisem)
        a.chyba("písem je víc než " + VTisicich(NejvicPisem));
    a.stav.pisma.push_back({a.text(0), a.cislo(1), a.cislo(2) != 0, a.cislo(3) != 0});
    return static_cast<double>(a.stav.pisma.size() - 1);
}

constexpr Vestavena kresleni[]{
    {"keyboard_check_pressed", 1, 1, klavesa},
    {"draw_text_color", 8, 8, textBarevne},
    {"draw_text", 3, 3, text},
    {"draw_set_color", 1, 1, nastavBarvu},
    {"draw_set_font", 1, 1, nastavPismo},
    {"font_add", 6, 6, pridejPismo},
};

const std::vector<const Vestavena*>& tabulka() {
    static const std::vector<const Vestavena*> t = [] {
        std::vector<const Vestavena*> v;
        for (auto skupina : {VestaveneKresleni(), VestaveneMatematiky(), VestaveneTextu(),
                             VestaveneNahodyABarev()})
            for (const Vestavena& f : skupina)
                v.push_back(&f);
        return v;
    }();
    return t;
}

} // namespace

std::span<const Vestavena> VestaveneKresleni() {
    return kresleni;
}

double Argumenty::cislo(std::size_t i) const {
    if (const double* c = std::get_if<double>(&a[i]))
        return *c;
    chyba("argument " + std::to_string(i + 1) + " má být číslo, je to text");
}

const std::string& Argumenty::text(std::size_t i) const {
    if (const std::string* t = std::get_if<std::string>(&a[i]))
        return *t;
    chyba("argument " + std::to_string(i + 1) + " má být text, je to číslo");
}

long long Argumenty::cele(std::size_t i) const {
    const double c = std::round(cislo(i));
    if (!(std::fabs(c) < 1e15))
        chyba("argument " + std::to_string(i + 1) + " je mimo rozsah");
    return static_cast<long long>(c);
}

void Argumenty::chyba(std::string zprava) const {
    throw ChybaBehu{{radek, std::string(funkce) + ": " + std::move(zprava)}};
}

std::size_t IndexVestavene(std::string_view jmeno) {
    static const TabulkaJmen<std::size_t> indexy = [] {
        std::vector<std::pair<std::string_view, std::size_t>> m;
        for (std::size_t i = 0; i < tabulka().size(); ++i)
            m.emplace_back(tabulka()[i]->jmeno, i + 1);
        return TabulkaJmen<std::size_t>(m);
    }();
    const std::size_t* index = indexy.najdi(jmeno);
    return index ? *index : 0;
}

const Vestavena& Vestavenou(std::size_t znacka) {
    return *tabulka()[znacka - 1];
}

} // namespace nahled
