#pragma once

// Forms that other dialects of the language take and the target engine refuses to compile. The
// lexer marks the token that shows one; the parser refuses the statement that holds it, in the
// words of this one table, and the check names the field in the same words.

#include <cstdint>
#include <string>
#include <string_view>

namespace nahled {

enum class Odmitnuty : std::uint8_t {
    Zadny,
    Zbytek,   // 7 % 2
    Pricteni, // a++, ++a
    Odecteni, // a--, --a
    Hex0x,    // 0x1F
    Mrizka,   // #FF8000
    Podminka, // a ? b : c
    Exponent, // 1e3
};

// What the engine takes instead, for the token as it was written.
std::string ZpravaOdmitnuteho(Odmitnuty druh, std::string_view zapsano);

} // namespace nahled
