#include "jazyk/tokeny.h"

#include "jazyk/hodnota.h"
#include "jazyk/operatory.h"
#include "jazyk/znaky.h"

#include <algorithm>
#include <array>

namespace nahled {

namespace {

using namespace znaky;

// Which symbols and short words are binary operators, taken from the operators' table at
// compile time: a symbol of one character by itself, one of two by a slot that no two of them
// share, a word by a scan of the few words.
constexpr std::size_t slot(char a, char b) {
    return (static_cast<unsigned char>(a) * 2u + static_cast<unsigned char>(b)) & 127u;
}

constexpr bool jeSymbolovy(const Operator& o) {
    return o.druh == Operator::Druh::Binarni && !jePismeno(o.text[0]);
}

constexpr auto dvojznakove = [] {
    std::array<std::uint8_t, 128> a{};
    for (std::size_t i = 0; i < std::size(Operatory); ++i)
        if (jeSymbolovy(Operatory[i]) && Operatory[i].text.size() == 2)
            a[slot(Operatory[i].text[0], Operatory[i].text[1])] = static_cast<std::uint8_t>(i + 1);
    return a;
}();

static_assert(
    [] {
        for (std::size_t i = 0; i < std::size(Operatory); ++i)
            if (jeSymbolovy(Operatory[i]) && Operatory[i].text.size() == 2 &&
                dvojznakove[slot(Operatory[i].text[0], Operatory[i].text[1])] != i + 1)
                return false;
        return true;
    }(),
    "two operators of two characters share a slot: change slot()");

// The letters the words start with, so that most short names are no word at a glance.
constexpr auto zacatkySlov = [] {
    std::array<bool, 256> a{};
    for (const Operator& o : Operatory)
        if (o.druh == Operator::Druh::Binarni && jePismeno(o.text[0]))
            a[static_cast<unsigned char>(o.text[0])] = true;
    return a;
}();

constexpr auto slova = [] {
    std::array<std::uint8_t, std::size(Operatory) + 1> a{};
    std::size_t n = 0;
    for (std::size_t i = 0; i < std::size(Operatory); ++i)
        if (Operatory[i].druh == Operator::Druh::Binarni && jePismeno(Operatory[i].text[0]))
            a[n++] = static_cast<std::uint8_t>(i + 1);
    return a;
}();

// Marks a binary operator; the parser takes its precedence from the table. Words are
// operators only where an operator may stand.
void zarad(Token& t) {
    const std::string_view s = t.text;
    std::uint8_t radek = 0;
    if (s.size() == 1) {
        radek = JednoznakoveOperatory<Operator::Druh::Binarni>[static_cast<unsigned char>(s[0])];
    } else if (s.size() == 2 && !jePismeno(s[0])) {
        radek = dvojznakove[slot(s[0], s[1])];
        if (radek &&
            (OperatorTokenu(radek).text[0] != s[0] || OperatorTokenu(radek).text[1] != s[1]))
            radek = 0;
    } else if (zacatkySlov[static_cast<unsigned char>(s[0])]) {
        for (std::size_t i = 0; slova[i] && !radek; ++i) {
            const std::string_view slovo = OperatorTokenu(slova[i]).text;
            // Two or three letters: the first, the second and the last are all of them.
            if (slovo.size() == s.size() && slovo[0] == s[0] && slovo[1] == s[1] &&
                slovo.back() == s.back())
                radek = slova[i];
        }
    }
    t.operace = radek;
    if (radek)
        t.odmitnuty = OperatorTokenu(radek).odmitnuty;
}

// The whole character at i, so that a letter with a diacritic shows as itself.
std::string popisZnaku(std::string_view text, std::size_t i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c < 0x20)
        return "znak s kódem " + std::to_string(c);
    const std::size_t delka = c < 0x80 ? 1 : c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : 2;
    return "znak '" + std::string(text.substr(i, delka)) + "'";
}

double hex(std::string_view cislice) {
    double h = 0;
    for (char c : cislice)
        h = h * 16 + (jeCislice(c) ? c - '0' : (c | 0x20) - 'a' + 10);
    return h;
}

} // namespace

void Lexer::chyba(Token& t, std::size_t od, int radek, std::string zprava) {
    m_zprava = std::move(zprava);
    t.druh = Token::Druh::Chyba;
    t.radek = radek;
    t.zacatek = static_cast<std::uint32_t>(od);
    t.konec = static_cast<std::uint32_t>(m_i);
    t.cislo = 0;
    t.text = m_zprava;
    t.operace = 0;
    t.odmitnuty = Odmitnuty::Zadny;
}

// Fills in the token where the parser keeps it: building it aside and copying it costs more
// than reading it.
void Lexer::dalsi(Token& t) {
    const std::string_view text = m_text;
    const char* const p = text.data();
    const std::size_t n = text.size();
    std::size_t& i = m_i;
    for (;;) {
        const std::size_t od = i;
        const auto token = [&](Token::Druh druh, std::string_view obsah, double cislo = 0) {
            t.druh = druh;
            t.radek = m_radek;
            t.zacatek = static_cast<std::uint32_t>(od);
            t.konec = static_cast<std::uint32_t>(i);
            t.cislo = cislo;
            t.text = obsah;
            t.operace = 0;
            t.odmitnuty = Odmitnuty::Zadny;
        };
        // Names and blanks, the commonest by far, first.
        if (jePismeno(p[i])) {
            while (je(p[++i], Pismeno | Cislice)) {
            }
            token(Token::Druh::Jmeno, text.substr(od, i - od));
            if (i - od <= 3)
                zarad(t);
            // The words are the braces, so that every rule about a block holds for both.
            if (i - od == 5 && t.text == "begin")
                t = {Token::Druh::Symbol, t.radek, t.zacatek, t.konec, 0, "{"};
            else if (i - od == 3 && t.text == "end")
                t = {Token::Druh::Symbol, t.radek, t.zacatek, t.konec, 0, "}"};
            return;
        }
        if (p[i] == ' ') {
            ++i;
            continue;
        }
        if (i >= n) {
            t.druh = Token::Druh::Konec;
            t.radek = m_radek;
            t.zacatek = t.konec = static_cast<std::uint32_t>(n);
            t.text = {};
            t.operace = 0;
            t.odmitnuty = Odmitnuty::Zadny;
            return;
        }
        const char c = p[i];
        if (c == '\n') {
            ++m_radek;
            ++i;
        } else if (c == ' ' || c == '\t' || c == '\r') {
            ++i;
        } else if (c == '/' && i + 1 < n && text[i + 1] == '/') {
            i = std::min(text.find('\n', i), n);
        } else if (c == '/' && i + 1 < n && text[i + 1] == '*') {
            const int zacatek = m_radek;
            const std::size_t konec = text.find("*/", i + 2);
            if (konec == std::string_view::npos) {
                i = n;
                return chyba(t, od, zacatek, "neukončený komentář /*");
            }
            for (; i < konec + 2; ++i)
                m_radek += text[i] == '\n';
        } else if (c == '"' || c == '\'') {
            const int zacatek = m_radek;
            const std::size_t konec = text.find(c, i + 1);
            if (konec == std::string_view::npos) {
                i = n;
                return chyba(t, od, zacatek,
                             c == '"' ? "neukončený text: chybí uvozovky na konci"
                                      : "neukončený text: chybí apostrof na konci");
            }
            for (std::size_t j = od; j < konec; ++j)
                m_radek += text[j] == '\n';
            i = konec + 1;
            token(Token::Druh::Text, text.substr(od + 1, konec - od - 1));
            t.radek = zacatek;
            return;
        } else if (jeCislice(c) || (c == '.' && i + 1 < n && jeCislice(text[i + 1]))) {
            if (c == '0' && i + 2 < n && (text[i + 1] == 'x' || text[i + 1] == 'X') &&
                jeHex(text[i + 2])) {
                for (i += 2; i < n && jeHex(text[i]);)
                    ++i;
                token(Token::Druh::Cislo, text.substr(od, i - od),
                      hex(text.substr(od + 2, i - od - 2)));
                t.odmitnuty = Odmitnuty::Hex0x;
                return;
            }
            bool tecka = false;
            double cele = 0;
            for (; jeCislice(p[i]) || (p[i] == '.' && !tecka); ++i) {
                tecka = tecka || text[i] == '.';
                cele = cele * 10 + (text[i] - '0');
            }
            if ((p[i] | 0x20) == 'e' &&
                (jeCislice(p[i + 1]) ||
                 ((p[i + 1] == '+' || p[i + 1] == '-') && jeCislice(p[i + 2])))) {
                for (i += 2; jeCislice(p[i]);)
                    ++i;
                token(Token::Druh::Cislo, text.substr(od, i - od));
                t.odmitnuty = Odmitnuty::Exponent;
                return;
            }
            // Whole numbers of up to 15 digits are exact as read; the rest take the library's
            // rounding.
            if (!tecka && i - od <= 15) {
                token(Token::Druh::Cislo, text.substr(od, i - od), cele);
                return;
            }
            std::size_t precteno = 0;
            const double cislo = CisloZTextu(text.substr(od, i - od), precteno);
            token(Token::Druh::Cislo, text.substr(od, i - od), cislo);
            return;
        } else if (c == '$' && i + 1 < n && jeHex(text[i + 1])) {
            for (++i; i < n && jeHex(text[i]);)
                ++i;
            token(Token::Druh::Cislo, text.substr(od, i - od),
                  hex(text.substr(od + 1, i - od - 1)));
            return;
        } else if (c == '#' && jeHex(p[i + 1])) {
            for (++i; jeHex(p[i]);)
                ++i;
            token(Token::Druh::Cislo, text.substr(od, i - od));
            t.odmitnuty = Odmitnuty::Mrizka;
            return;
        } else {
            std::string_view symbol;
            if (i + 1 < n && jeDvojznak(c, text[i + 1]))
                symbol = text.substr(i, 2);
            else if (jeSymbol(c))
                symbol = text.substr(i, 1);
            if (symbol.empty()) {
                const auto znak = static_cast<unsigned char>(c);
                i += znak < 0x80 ? 1 : znak >= 0xF0 ? 4 : znak >= 0xE0 ? 3 : 2;
                i = std::min(i, n);
                return chyba(t, od, m_radek, "nečekaný " + popisZnaku(text, od));
            }
            i += symbol.size();
            token(Token::Druh::Symbol, symbol);
            zarad(t);
            return;
        }
    }
}

} // namespace nahled
