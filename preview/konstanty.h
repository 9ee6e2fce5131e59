#pragma once

// The named constants the preview knows: the 18 colours of the credits tab's colour table and
// the keys a menu script tests. Colour values use the engine's encoding (red in the low byte).

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace nahled {

struct Rgb {
    int r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

enum Klavesa : int { Enter = 13, Vlevo = 37, Nahoru = 38, Vpravo = 39, Dolu = 40 };

struct Konstanta {
    std::string_view jmeno;
    double hodnota;
};

// Colour constants first, then key constants.
const std::vector<Konstanta>& Konstanty();

std::optional<double> HodnotaKonstanty(std::string_view jmeno);

// A colour value of the script turned into red, green and blue.
Rgb BarvaZHodnoty(double hodnota);

// The colour a named constant stands for; black for a name that is none.
Rgb BarvaKonstanty(std::string_view jmeno);

// Words of the language, for highlighting and for refusing statements the preview cannot run.
const std::vector<std::string_view>& KlicovaSlova();

} // namespace nahled
