#pragma once

// Whole-number conversion of texts the author typed: optional leading blanks, an optional
// sign, then decimal digits or hexadecimal digits after "$", "x", "X", "0x" or "0X", nothing
// after them, and a value that fits a signed 32-bit integer.

#include "generators/chyba.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <variant>

namespace generatory {

using VysledekPrevodu = std::variant<std::int32_t, Chyba>;

VysledekPrevodu PrevedNaCislo(std::string_view text);

// The message of a failed conversion: the text stands unchanged between doubled apostrophes.
Chyba ChybaPrevodu(std::string_view text);

// A text that is nothing but a whole number in plain decimal: an optional minus and digits, in
// the signed 32-bit range. Texts the conversion also reads, such as hex or " 5", are not plain.
std::optional<std::int32_t> ProsteCislo(std::string_view text);

} // namespace generatory
