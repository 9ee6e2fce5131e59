#pragma once

// The lexer: reads the script text one token at a time, so that no list of tokens is ever held.
// A token's text points into the script; a character it cannot read becomes a Chyba token with
// its message, and reading goes on after it.

#include "jazyk/chyby.h"
#include "jazyk/odmitnute.h"
#include "jazyk/strom.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace nahled {

struct Token {
    enum class Druh : std::uint8_t { Cislo, Text, Jmeno, Symbol, Chyba, Konec };
    Druh druh = Druh::Konec;
    int radek = 1;
    std::uint32_t zacatek = 0, konec = 0; // byte range in the script text
    double cislo = 0;
    // The symbol, the name, the inside of a string literal, or for Chyba the message.
    std::string_view text;
    // A binary operator's row in Operatory plus one; 0 for any other token.
    std::uint8_t operace = 0;
    // A form the engine refuses: the token reads, and the parser refuses its statement.
    Odmitnuty odmitnuty = Odmitnuty::Zadny;
};

class Lexer {
public:
    // The string's terminating NUL ends every scan, so the hot loops test no bound.
    explicit Lexer(const std::string& text) : m_text(text) {}
    void dalsi(Token& t);

private:
    void chyba(Token& t, std::size_t od, int radek, std::string zprava);

    std::string_view m_text;
    std::size_t m_i = 0;
    int m_radek = 1;
    std::string m_zprava; // the text of the last Chyba token
};

} // namespace nahled
