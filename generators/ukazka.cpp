#include "generators/ukazka.h"

#include <cstddef>

namespace {

constexpr std::size_t nejvicZnaku = 100;
constexpr std::string_view nahradni = "\xEF\xBF\xBD";

// The length of the well-formed UTF-8 sequence at the start of the text, or 0.
std::size_t delkaZnaku(std::string_view text) {
    const auto b = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char prvni = b(0);
    if (prvni < 0x80)
        return 1;
    std::size_t delka = 0;
    unsigned char od = 0x80, po = 0xBF; // the range of the second byte
    if (prvni >= 0xC2 && prvni <= 0xDF) {
        delka = 2;
    } else if (prvni >= 0xE0 && prvni <= 0xEF) {
        delka = 3;
        od = prvni == 0xE0 ? 0xA0 : 0x80;
        po = prvni == 0xED ? 0x9F : 0xBF;
    } else if (prvni >= 0xF0 && prvni <= 0xF4) {
        delka = 4;
        od = prvni == 0xF0 ? 0x90 : 0x80;
        po = prvni == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (text.size() < delka || b(1) < od || b(1) > po)
        return 0;
    for (std::size_t i = 2; i < delka; ++i)
        if (b(i) < 0x80 || b(i) > 0xBF)
            return 0;
    return delka;
}

} // namespace

std::string Ukazka(std::string_view text) {
    std::string vysledek;
    std::size_t znaku = 0;
    while (!text.empty() && znaku < nejvicZnaku) {
        const std::size_t delka = delkaZnaku(text);
        const auto c = static_cast<unsigned char>(text[0]);
        if (delka == 0 || (delka == 1 && ((c < 0x20 && c != '\t') || c == 0x7F)))
            vysledek += nahradni;
        else
            vysledek += text.substr(0, delka);
        text.remove_prefix(delka == 0 ? 1 : delka);
        ++znaku;
    }
    if (!text.empty())
        vysledek += "…";
    return vysledek;
}

bool JeBinarni(std::string_view text) {
    while (!text.empty()) {
        const std::size_t delka = delkaZnaku(text);
        if (delka == 0 || text[0] == '\0')
            return true;
        text.remove_prefix(delka);
    }
    return false;
}
