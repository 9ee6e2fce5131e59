#pragma once

// What a character of a script is to the lexer, and which pairs of them make one symbol.

#include <array>
#include <cstdint>
#include <string_view>

namespace nahled::znaky {

// What each byte can start or continue, looked up once per character: the lexer's hot loops
// test nothing else.
enum Trida : std::uint8_t { Pismeno = 1, Cislice = 2, Hex = 4, Symbol = 8 };

inline constexpr std::string_view jednoznaky = "+-*/%<>=!~&|^(){}[],;.:?";

inline constexpr std::array<std::uint8_t, 256> tridy = [] {
    std::array<std::uint8_t, 256> t{};
    for (int c = 'a'; c <= 'z'; ++c)
        t[c] |= Pismeno;
    for (int c = 'A'; c <= 'Z'; ++c)
        t[c] |= Pismeno;
    t['_'] |= Pismeno;
    for (int c = '0'; c <= '9'; ++c)
        t[c] |= Cislice | Hex;
    for (int c = 'a'; c <= 'f'; ++c)
        t[c] |= Hex;
    for (int c = 'A'; c <= 'F'; ++c)
        t[c] |= Hex;
    for (char c : jednoznaky)
        t[static_cast<unsigned char>(c)] |= Symbol;
    return t;
}();

constexpr bool je(char c, std::uint8_t trida) {
    return (tridy[static_cast<unsigned char>(c)] & trida) != 0;
}
constexpr bool jePismeno(char c) {
    return je(c, Pismeno);
}
constexpr bool jeCislice(char c) {
    return je(c, Cislice);
}
constexpr bool jeHex(char c) {
    return je(c, Hex);
}
constexpr bool jeSymbol(char c) {
    return je(c, Symbol);
}

// Whether a and b make one of the two-character symbols: == != <= >= && || ^^ += -= *= /= |=
// &= ^= <> := ++ -- << >>.
constexpr bool jeDvojznak(char a, char b) {
    switch (b) {
    case '=':
        return a == '=' || a == '!' || a == '<' || a == '>' || a == '+' || a == '-' || a == '*' ||
               a == '/' || a == '|' || a == '&' || a == '^' || a == ':';
    case '>':
        return a == '<' || a == '>';
    case '<':
    case '&':
    case '|':
    case '^':
    case '+':
    case '-':
        return a == b;
    default:
        return false;
    }
}

} // namespace nahled::znaky
