#include "jazyk/hodnota.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace nahled {

std::string NaText(const Hodnota& h) {
    if (const auto* text = std::get_if<std::string>(&h))
        return *text;
    const double cislo = std::get<double>(h);
    const bool cele = std::nearbyint(cislo) == cislo && std::fabs(cislo) < 1e15;
    return PevneCislo(cislo, cele ? 0 : 2);
}

std::string PevneCislo(double cislo, int desetin) {
    // The longest: a sign, 309 digits, the point and 100 decimals.
    char buffer[416];
    const auto [konec, chyba] =
        std::to_chars(buffer, buffer + sizeof buffer, cislo, std::chars_format::fixed, desetin);
    return chyba == std::errc{} ? std::string(buffer, konec) : std::string();
}

double CisloZTextu(std::string_view text, std::size_t& precteno) {
    precteno = 0;
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r')))
        ++i;
    if (i + 1 < text.size() && text[i] == '+' && text[i + 1] != '-')
        ++i;
    double cislo = 0;
    const char* zacatek = text.data() + i;
    const auto [konec, chyba] = std::from_chars(zacatek, text.data() + text.size(), cislo);
    if (chyba == std::errc::invalid_argument)
        return 0;
    precteno = static_cast<std::size_t>(konec - text.data());
    if (chyba == std::errc::result_out_of_range) {
        // Too small is 0; too large is infinite, with its sign.
        const std::string_view cislice(zacatek, static_cast<std::size_t>(konec - zacatek));
        const std::size_t e = cislice.find_first_of("eE");
        const bool maly =
            e != std::string_view::npos && e + 1 < cislice.size() && cislice[e + 1] == '-';
        const double velke = cislice.starts_with('-') ? -HUGE_VAL : HUGE_VAL;
        return maly ? 0.0 : velke;
    }
    return cislo;
}

Hodnota HodnotaZTextu(const std::string& text) {
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
        return text.substr(1, text.size() - 2);
    std::size_t precteno = 0;
    const double cislo = CisloZTextu(text, precteno);
    const bool cele = !text.empty() && precteno == text.size() && std::isfinite(cislo) &&
                      text.find_first_not_of("0123456789.-+eE") == std::string::npos;
    if (cele)
        return cislo;
    return text;
}

} // namespace nahled
