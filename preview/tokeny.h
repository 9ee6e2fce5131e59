#pragma once

// The lexer: script text in, tokens out, each with its line and its place in the text.

#include <cstddef>
#include <string>
#include <variant>
#include <vector>

namespace nahled {

struct Token {
    enum class Druh { Cislo, Text, Jmeno, Symbol, Konec };
    Druh druh;
    std::string text; // the symbol, the name, or the contents of a string literal
    double cislo = 0;
    int radek = 1;
    std::size_t zacatek = 0, konec = 0; // byte range in the script text
};

struct ChybaSkriptu {
    int radek;
    std::string zprava;
    bool operator==(const ChybaSkriptu&) const = default;
};

std::variant<std::vector<Token>, ChybaSkriptu> Tokenizuj(const std::string& text);

} // namespace nahled
