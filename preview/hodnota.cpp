#include "hodnota.h"

#include <cmath>
#include <cstdio>

namespace nahled {

std::string NaText(const Hodnota& h) {
    if (const auto* text = std::get_if<std::string>(&h))
        return *text;
    const double cislo = std::get<double>(h);
    char buffer[64];
    if (std::nearbyint(cislo) == cislo && std::fabs(cislo) < 1e15)
        std::snprintf(buffer, sizeof buffer, "%.0f", cislo);
    else
        std::snprintf(buffer, sizeof buffer, "%.2f", cislo);
    return buffer;
}

} // namespace nahled
