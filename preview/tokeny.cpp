#include "preview/tokeny.h"

#include <array>
#include <cstdlib>
#include <string_view>

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

constexpr std::array<std::string_view, 10> dvojznaky{"==", "!=", "<=", ">=", "&&",
                                                     "||", "+=", "-=", "*=", "/="};
constexpr std::string_view jednoznaky = "+-*/<>=!(){}[],;.";

// The whole character at i, so that a letter with a diacritic shows as itself.
std::string popisZnaku(const std::string& text, std::size_t i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c < 0x20)
        return "znak s kódem " + std::to_string(c);
    const std::size_t delka = c < 0x80 ? 1 : c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : 2;
    return "znak '" + text.substr(i, delka) + "'";
}

} // namespace

std::variant<std::vector<Token>, ChybaSkriptu> Tokenizuj(const std::string& text) {
    std::vector<Token> tokeny;
    int radek = 1;
    std::size_t i = 0;
    const std::size_t n = text.size();
    auto pridej = [&](Token::Druh druh, std::string obsah, std::size_t od, double cislo = 0) {
        tokeny.push_back({druh, std::move(obsah), cislo, radek, od, i});
    };
    while (i < n) {
        const char c = text[i];
        const std::size_t od = i;
        if (c == '\n') {
            ++radek;
            ++i;
        } else if (c == ' ' || c == '\t' || c == '\r') {
            ++i;
        } else if (text.compare(i, 2, "//") == 0) {
            while (i < n && text[i] != '\n')
                ++i;
        } else if (text.compare(i, 2, "/*") == 0) {
            const int zacatekKomentare = radek;
            const std::size_t konec = text.find("*/", i + 2);
            if (konec == std::string::npos)
                return ChybaSkriptu{zacatekKomentare, "neukončený komentář /*"};
            for (; i < konec + 2; ++i)
                radek += text[i] == '\n';
        } else if (c == '"') {
            const int zacatekTextu = radek;
            const std::size_t konec = text.find('"', i + 1);
            if (konec == std::string::npos)
                return ChybaSkriptu{zacatekTextu, "neukončený text: chybí uvozovky na konci"};
            i = konec + 1;
            tokeny.push_back(
                {Token::Druh::Text, text.substr(od + 1, konec - od - 1), 0, zacatekTextu, od, i});
            for (std::size_t j = od; j < konec; ++j)
                radek += text[j] == '\n';
        } else if (jeCislice(c) || (c == '.' && i + 1 < n && jeCislice(text[i + 1]))) {
            if (c == '0' && i + 2 < n && (text[i + 1] == 'x' || text[i + 1] == 'X') &&
                jeHex(text[i + 2])) {
                for (i += 2; i < n && jeHex(text[i]);)
                    ++i;
                pridej(Token::Druh::Cislo, text.substr(od, i - od), od,
                       static_cast<double>(std::strtoll(text.c_str() + od + 2, nullptr, 16)));
            } else {
                bool tecka = false;
                for (; i < n && (jeCislice(text[i]) || (text[i] == '.' && !tecka)); ++i)
                    tecka = tecka || text[i] == '.';
                pridej(Token::Druh::Cislo, text.substr(od, i - od), od,
                       std::strtod(text.substr(od, i - od).c_str(), nullptr));
            }
        } else if (c == '$' && i + 1 < n && jeHex(text[i + 1])) {
            for (++i; i < n && jeHex(text[i]);)
                ++i;
            pridej(Token::Druh::Cislo, text.substr(od, i - od), od,
                   static_cast<double>(std::strtoll(text.c_str() + od + 1, nullptr, 16)));
        } else if (jePismeno(c)) {
            while (i < n && (jePismeno(text[i]) || jeCislice(text[i])))
                ++i;
            pridej(Token::Druh::Jmeno, text.substr(od, i - od), od);
        } else {
            std::string_view symbol;
            for (std::string_view d : dvojznaky)
                if (text.compare(i, 2, d) == 0)
                    symbol = d;
            if (symbol.empty() && jednoznaky.find(c) != std::string_view::npos)
                symbol = std::string_view(&text[i], 1);
            if (symbol.empty())
                return ChybaSkriptu{radek, "nečekaný " + popisZnaku(text, i)};
            i += symbol.size();
            pridej(Token::Druh::Symbol, std::string(symbol), od);
        }
    }
    pridej(Token::Druh::Konec, "", n);
    return tokeny;
}

} // namespace nahled
