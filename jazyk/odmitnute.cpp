#include "jazyk/odmitnute.h"

#include <array>
#include <charconv>

namespace nahled {

namespace {

std::string barva(std::string_view zapsano) {
    const std::string_view rrggbb = zapsano.substr(1);
    if (rrggbb.size() != 6)
        return "barva se píše $BBGGRR nebo make_color_rgb(r, g, b)";
    const auto slozka = [&](std::size_t i) {
        int hodnota = 0;
        std::from_chars(rrggbb.data() + i, rrggbb.data() + i + 2, hodnota, 16);
        return std::to_string(hodnota);
    };
    const std::string bbggrr{rrggbb.substr(4, 2)};
    return "pište $" + bbggrr + std::string(rrggbb.substr(2, 2)) +
           std::string(rrggbb.substr(0, 2)) + " nebo make_color_rgb(" + slozka(0) + ", " +
           slozka(2) + ", " + slozka(4) + ")";
}

std::string bezExponentu(std::string_view zapsano) {
    double cislo = 0;
    std::from_chars(zapsano.data(), zapsano.data() + zapsano.size(), cislo);
    std::array<char, 48> znaky{};
    const auto [konec, chyba] =
        std::to_chars(znaky.data(), znaky.data() + znaky.size(), cislo, std::chars_format::fixed);
    if (chyba != std::errc{})
        return "pište číslo bez exponentu";
    return "pište " + std::string(znaky.data(), konec);
}

struct Radek {
    Odmitnuty druh;
    std::string (*zprava)(std::string_view zapsano);
};

constexpr Radek tabulka[]{
    {Odmitnuty::Zbytek,
     [](std::string_view) -> std::string {
         return "jazyk hry nezná '%': zbytek po dělení se píše mod";
     }},
    {Odmitnuty::Pricteni,
     [](std::string_view) -> std::string { return "jazyk hry nezná '++': pište += 1"; }},
    {Odmitnuty::Odecteni,
     [](std::string_view) -> std::string { return "jazyk hry nezná '--': pište -= 1"; }},
    {Odmitnuty::Hex0x,
     [](std::string_view z) {
         return "jazyk hry nezná " + std::string(z) + ": šestnáctkové číslo se píše $" +
                std::string(z.substr(2));
     }},
    {Odmitnuty::Mrizka,
     [](std::string_view z) {
         return "jazyk hry nezná barvu " + std::string(z) + ": " + barva(z);
     }},
    {Odmitnuty::Podminka,
     [](std::string_view) -> std::string {
         return "jazyk hry nezná podmínku 'a ? b : c': pište if … else";
     }},
    {Odmitnuty::Exponent,
     [](std::string_view z) {
         return "jazyk hry nezná exponent " + std::string(z) + ": " + bezExponentu(z);
     }},
};

} // namespace

std::string ZpravaOdmitnuteho(Odmitnuty druh, std::string_view zapsano) {
    for (const Radek& r : tabulka)
        if (r.druh == druh)
            return r.zprava(zapsano);
    return {};
}

} // namespace nahled
