#include "generators/rozdil_mezer.h"

namespace generatory {

namespace {

// Enough of the line before the difference to find it by in the author's text.
constexpr std::size_t predRozdilem = 30;
// More bytes than a message shows characters, so a pasted line of megabytes is not copied whole.
constexpr std::size_t nejvicBajtu = 4 * 101;

std::string viditelne(std::string_view text) {
    std::string vysledek;
    vysledek.reserve(text.size());
    for (char znak : text)
        vysledek += znak == ' ' ? "·" : znak == '\t' ? "→" : std::string_view(&znak, 1);
    return vysledek;
}

bool pokracovaciBajt(char znak) {
    return (static_cast<unsigned char>(znak) & 0xC0) == 0x80;
}

// Where a text without blanks ends in the line, when the line starts with it give or take
// blanks; from the end when `odKonce`.
std::optional<std::size_t> konecBezMezer(std::string_view radek, std::string_view vzor,
                                         bool odKonce) {
    const auto znak = [odKonce](std::string_view s, std::size_t i) {
        return odKonce ? s[s.size() - 1 - i] : s[i];
    };
    std::size_t i = 0;
    for (std::size_t j = 0; j < vzor.size(); ++j) {
        if (JeMezera(znak(vzor, j)))
            continue;
        while (i < radek.size() && JeMezera(znak(radek, i)))
            ++i;
        if (i == radek.size() || znak(radek, i) != znak(vzor, j))
            return std::nullopt;
        ++i;
    }
    return i;
}

} // namespace

bool JeMezera(char znak) {
    return znak == ' ' || znak == '\t';
}

std::string_view BezMezerNaZacatku(std::string_view radek) {
    std::size_t od = 0;
    while (od < radek.size() && JeMezera(radek[od]))
        ++od;
    return radek.substr(od);
}

std::optional<RozdilMezer> JenMezery(std::string_view nalezeny, std::string_view ocekavany) {
    std::size_t i = 0, j = 0;
    while (true) {
        while (i < nalezeny.size() && JeMezera(nalezeny[i]))
            ++i;
        while (j < ocekavany.size() && JeMezera(ocekavany[j]))
            ++j;
        if (i == nalezeny.size() || j == ocekavany.size())
            break;
        if (nalezeny[i++] != ocekavany[j++])
            return std::nullopt;
    }
    if (i != nalezeny.size() || j != ocekavany.size() || nalezeny == ocekavany)
        return std::nullopt;
    std::size_t rozdil = 0;
    while (rozdil < nalezeny.size() && rozdil < ocekavany.size() &&
           nalezeny[rozdil] == ocekavany[rozdil])
        ++rozdil;
    // The lines agree up to the difference, so one start cuts both on a character's boundary.
    std::size_t od = rozdil > predRozdilem ? rozdil - predRozdilem : 0;
    while (od > 0 && pokracovaciBajt(nalezeny[od]))
        --od;
    const std::string zacatek = od > 0 ? "…" : "";
    return RozdilMezer{zacatek + viditelne(nalezeny.substr(od, nejvicBajtu)),
                       zacatek + viditelne(ocekavany.substr(od, nejvicBajtu))};
}

std::optional<std::string> SMezeramiFormulare(std::string_view radek, std::string_view zacatek,
                                              std::string_view konec) {
    const auto zaZacatkem = konecBezMezer(radek, zacatek, false);
    const auto predKoncem = konecBezMezer(radek, konec, true);
    if (!zaZacatkem || !predKoncem || *zaZacatkem + *predKoncem > radek.size())
        return std::nullopt;
    const std::string_view stred =
        radek.substr(*zaZacatkem, radek.size() - *zaZacatkem - *predKoncem);
    return std::string(zacatek) + std::string(stred) + std::string(konec);
}

} // namespace generatory
