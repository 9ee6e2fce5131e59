#include "preview/hodnota.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace nahled {

std::string NaText(const Hodnota& h) {
    if (const auto* text = std::get_if<std::string>(&h))
        return *text;
    const double cislo = std::get<double>(h);
    char buffer[64];
    const bool cele = std::nearbyint(cislo) == cislo && std::fabs(cislo) < 1e15;
    // Whole numbers are the commonest texts drawn; -0 keeps its sign, as "%.0f" writes it.
    if (cele && !(cislo == 0 && std::signbit(cislo)))
        return std::to_string(static_cast<long long>(cislo));
    if (cele)
        std::snprintf(buffer, sizeof buffer, "%.0f", cislo);
    else
        std::snprintf(buffer, sizeof buffer, "%.2f", cislo);
    return buffer;
}

Hodnota HodnotaZTextu(const std::string& text) {
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
        return text.substr(1, text.size() - 2);
    const char* zacatek = text.c_str();
    char* konec = nullptr;
    const double cislo = std::strtod(zacatek, &konec);
    const bool cele = !text.empty() && konec == zacatek + text.size() && std::isfinite(cislo) &&
                      text.find_first_not_of("0123456789.-+eE") == std::string::npos;
    if (cele)
        return cislo;
    return text;
}

} // namespace nahled
