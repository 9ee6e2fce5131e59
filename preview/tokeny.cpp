#include "preview/tokeny.h"

#include <array>
#include <cstdlib>

namespace nahled {

namespace {

bool jePismeno(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}
bool jeCislice(char c) {
    return c >= '0' && c <= '9';
}
bool jeHex(char c) {
    return jeCislice(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

constexpr std::array<std::string_view, 20> dvojznaky{"==", "!=", "<=", ">=", "&&", "||", "^^",
                                                     "+=", "-=", "*=", "/=", "|=", "&=", "^=",
                                                     "<>", ":=", "++", "--", "<<", ">>"};
constexpr std::string_view jednoznaky = "+-*/%<>=!~&|^(){}[],;.:";

constexpr std::array<bool, 256> jeZnakSymbolu = [] {
    std::array<bool, 256> z{};
    for (char c : jednoznaky)
        z[static_cast<unsigned char>(c)] = true;
    return z;
}();

bool jeSymbol(char c) {
    return jeZnakSymbolu[static_cast<unsigned char>(c)];
}

struct Binarni {
    std::string_view slovo;
    std::uint8_t uroven;
    Op op;
};

// The binary operators by precedence, loosest first: the parser reads each level as one flat
// chain. Words among them are operators only where an operator may stand.
constexpr Binarni binarni[]{
    {"||", 0, Op::Nebo},       {"or", 0, Op::Nebo},       {"^^", 1, Op::Xor},
    {"xor", 1, Op::Xor},       {"&&", 2, Op::A},          {"and", 2, Op::A},
    {"==", 3, Op::Rovno},      {"=", 3, Op::Rovno},       {"!=", 3, Op::Nerovno},
    {"<>", 3, Op::Nerovno},    {"<", 4, Op::Mensi},       {">", 4, Op::Vetsi},
    {"<=", 4, Op::MensiRovno}, {">=", 4, Op::VetsiRovno}, {"|", 5, Op::BitNebo},
    {"^", 6, Op::BitXor},      {"&", 7, Op::BitA},        {"<<", 8, Op::Vlevo},
    {">>", 8, Op::Vpravo},     {"+", 9, Op::Plus},        {"-", 9, Op::Minus},
    {"*", 10, Op::Krat},       {"/", 10, Op::Deleno},     {"div", 10, Op::Div},
    {"mod", 10, Op::Mod},      {"%", 10, Op::Mod},
};

// Symbols and these words are at most three characters long; comparing them by hand spares a
// library call per token.
bool stejne(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i])
            return false;
    return true;
}

void zarad(Token& t) {
    const char c = t.text[0];
    const bool muze = t.druh == Token::Druh::Symbol
                          ? c != '(' && c != ')' && c != ';' && c != ','
                          : c == 'o' || c == 'x' || c == 'a' || c == 'd' || c == 'm';
    if (!muze)
        return;
    for (const Binarni& b : binarni)
        if (b.slovo[0] == c && stejne(b.slovo, t.text)) {
            t.uroven = b.uroven;
            t.op = b.op;
            return;
        }
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
    t.uroven = Token::Zadne;
    t.op = Op::Zadny;
}

// Fills in the token where the parser keeps it: building it aside and copying it costs more
// than reading it.
void Lexer::dalsi(Token& t) {
    const std::string_view text = m_text;
    const std::size_t n = text.size();
    std::size_t& i = m_i;
    for (;;) {
        if (i >= n) {
            t.druh = Token::Druh::Konec;
            t.radek = m_radek;
            t.zacatek = t.konec = static_cast<std::uint32_t>(n);
            t.text = {};
            t.uroven = Token::Zadne;
            return;
        }
        const char c = text[i];
        const std::size_t od = i;
        const auto token = [&](Token::Druh druh, std::string_view obsah, double cislo = 0) {
            t.druh = druh;
            t.radek = m_radek;
            t.zacatek = static_cast<std::uint32_t>(od);
            t.konec = static_cast<std::uint32_t>(i);
            t.cislo = cislo;
            t.text = obsah;
            t.uroven = Token::Zadne;
            t.op = Op::Zadny;
        };
        if (c == '\n') {
            ++m_radek;
            ++i;
        } else if (c == ' ' || c == '\t' || c == '\r') {
            ++i;
        } else if (c == '/' && i + 1 < n && text[i + 1] == '/') {
            while (i < n && text[i] != '\n')
                ++i;
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
                return;
            }
            bool tecka = false;
            double cele = 0;
            for (; i < n && (jeCislice(text[i]) || (text[i] == '.' && !tecka)); ++i) {
                tecka = tecka || text[i] == '.';
                cele = cele * 10 + (text[i] - '0');
            }
            // Whole numbers of up to 15 digits are exact as read; the rest take the library's
            // rounding.
            if (!tecka && i - od <= 15) {
                token(Token::Druh::Cislo, text.substr(od, i - od), cele);
                return;
            }
            const std::string cislo(text.substr(od, i - od));
            token(Token::Druh::Cislo, text.substr(od, i - od), std::strtod(cislo.c_str(), nullptr));
            return;
        } else if (c == '$' && i + 1 < n && jeHex(text[i + 1])) {
            for (++i; i < n && jeHex(text[i]);)
                ++i;
            token(Token::Druh::Cislo, text.substr(od, i - od),
                  hex(text.substr(od + 1, i - od - 1)));
            return;
        } else if (jePismeno(c)) {
            while (i < n && (jePismeno(text[i]) || jeCislice(text[i])))
                ++i;
            token(Token::Druh::Jmeno, text.substr(od, i - od));
            if (i - od <= 3)
                zarad(t);
            return;
        } else {
            std::string_view symbol;
            if (i + 1 < n && jeSymbol(text[i + 1]))
                for (std::string_view d : dvojznaky)
                    if (d[0] == c && d[1] == text[i + 1])
                        symbol = d;
            if (symbol.empty() && jeSymbol(c))
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
