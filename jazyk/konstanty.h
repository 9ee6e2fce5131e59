#pragma once

// The named constants the preview knows, the engine's colours and keys, as values of the
// script. Colour values use the engine's encoding (red in the low byte).

#include "generators/slovnik.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace nahled {

struct Rgb {
    int r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

using generatory::Klavesa;
// The script compares keys as numbers.
inline constexpr int Enter = static_cast<int>(Klavesa::Enter);
inline constexpr int Vlevo = static_cast<int>(Klavesa::Vlevo);
inline constexpr int Nahoru = static_cast<int>(Klavesa::Nahoru);
inline constexpr int Vpravo = static_cast<int>(Klavesa::Vpravo);
inline constexpr int Dolu = static_cast<int>(Klavesa::Dolu);
using generatory::KlicovaSlova;

struct Konstanta {
    std::string_view jmeno;
    double hodnota;
};

// Colour constants first, then key constants, then the room's size and pi.
const std::vector<Konstanta>& Konstanty();

std::optional<double> HodnotaKonstanty(std::string_view jmeno);

// A colour value of the script turned into red, green and blue.
Rgb BarvaZHodnoty(double hodnota);

// The colour a named constant stands for; black for a name that is none.
Rgb BarvaKonstanty(std::string_view jmeno);

} // namespace nahled
