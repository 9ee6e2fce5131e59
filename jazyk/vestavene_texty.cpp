#include "jazyk/vestavene.h"

#include <algorithm>
#include <vector>

namespace nahled {

namespace {

// Where each character of a UTF-8 text starts, and its end: positions count characters.
std::vector<std::size_t> znaky(const std::string& s) {
    std::vector<std::size_t> z;
    for (std::size_t i = 0; i < s.size(); ++i)
        if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80)
            z.push_back(i);
    z.push_back(s.size());
    return z;
}

// The character position a 1-based index stands for, kept within the text.
std::size_t misto(const Argumenty& a, std::size_t i, std::size_t pocet) {
    return static_cast<std::size_t>(
        std::clamp<long long>(a.cele(i), 1, static_cast<long long>(pocet) + 1) - 1);
}

std::string ohlidej(const Argumenty& a, std::string s) {
    if (s.size() > NejdelsiText)
        a.chyba(PrilisDlouhyText());
    return s;
}

Hodnota naText(const Argumenty& a) {
    return NaText(a.a[0]);
}

Hodnota naCislo(const Argumenty& a) {
    if (!JeText(a.a[0]))
        return a.a[0];
    std::size_t precteno = 0;
    return CisloZTextu(a.text(0), precteno);
}

Hodnota delka(const Argumenty& a) {
    return static_cast<double>(znaky(a.text(0)).size() - 1);
}

Hodnota velka(const Argumenty& a) {
    std::string s = a.text(0);
    for (char& c : s)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return s;
}

Hodnota mala(const Argumenty& a) {
    std::string s = a.text(0);
    for (char& c : s)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return s;
}

Hodnota kopie(const Argumenty& a) {
    const std::string& s = a.text(0);
    const auto z = znaky(s);
    const std::size_t od = misto(a, 1, z.size() - 1);
    const auto pocet = static_cast<std::size_t>(std::max(0LL, a.cele(2)));
    const std::size_t po = std::min(z.size() - 1, od + std::min(pocet, z.size()));
    return s.substr(z[od], z[po] - z[od]);
}

Hodnota znakNa(const Argumenty& a) {
    const std::string& s = a.text(0);
    const auto z = znaky(s);
    const long long i = a.cele(1);
    if (i < 1 || i > static_cast<long long>(z.size() - 1))
        return std::string();
    const auto j = static_cast<std::size_t>(i - 1);
    return s.substr(z[j], z[j + 1] - z[j]);
}

Hodnota pozice(const Argumenty& a) {
    const std::string& s = a.text(1);
    const std::size_t p = s.find(a.text(0));
    if (p == std::string::npos)
        return 0.0;
    const auto z = znaky(s);
    return static_cast<double>(std::lower_bound(z.begin(), z.end(), p) - z.begin() + 1);
}

Hodnota smaz(const Argumenty& a) {
    std::string s = a.text(0);
    const auto z = znaky(s);
    const std::size_t od = misto(a, 1, z.size() - 1);
    const auto pocet = static_cast<std::size_t>(std::max(0LL, a.cele(2)));
    const std::size_t po = std::min(z.size() - 1, od + std::min(pocet, z.size()));
    return s.erase(z[od], z[po] - z[od]);
}

Hodnota vloz(const Argumenty& a) {
    std::string s = a.text(1);
    const auto z = znaky(s);
    s.insert(z[misto(a, 2, z.size() - 1)], a.text(0));
    return ohlidej(a, std::move(s));
}

std::string nahrad(const Argumenty& a, bool vse) {
    const std::string &s = a.text(0), &co = a.text(1), &cim = a.text(2);
    if (co.empty())
        return s;
    std::string vysledek;
    std::size_t od = 0;
    for (std::size_t p; (p = s.find(co, od)) != std::string::npos;) {
        vysledek.append(s, od, p - od).append(cim);
        od = p + co.size();
        if (vysledek.size() > NejdelsiText)
            a.chyba(PrilisDlouhyText());
        if (!vse)
            break;
    }
    return ohlidej(a, vysledek.append(s, od));
}

Hodnota nahradJednou(const Argumenty& a) {
    return nahrad(a, false);
}

Hodnota nahradVse(const Argumenty& a) {
    return nahrad(a, true);
}

Hodnota pocet(const Argumenty& a) {
    const std::string &co = a.text(0), &s = a.text(1);
    if (co.empty())
        return 0.0;
    double n = 0;
    for (std::size_t p = s.find(co); p != std::string::npos; p = s.find(co, p + co.size()))
        ++n;
    return n;
}

Hodnota opakuj(const Argumenty& a) {
    const std::string& s = a.text(0);
    const long long n = std::max(0LL, a.cele(1));
    if (!s.empty() && static_cast<double>(n) * static_cast<double>(s.size()) > NejdelsiText)
        a.chyba(PrilisDlouhyText());
    std::string vysledek;
    for (long long i = 0; i < n && !s.empty(); ++i)
        vysledek += s;
    return vysledek;
}

template <bool Pismena, bool Cislice> Hodnota jen(const Argumenty& a) {
    std::string vysledek;
    for (char c : a.text(0)) {
        const bool pismeno = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        if ((Pismena && pismeno) || (Cislice && c >= '0' && c <= '9'))
            vysledek += c;
    }
    return vysledek;
}

Hodnota znak(const Argumenty& a) {
    const long long k = a.cele(0);
    if (k <= 0 || k > 0x10FFFF)
        return std::string();
    const auto c = static_cast<unsigned>(k);
    std::string s;
    if (c < 0x80) {
        s += static_cast<char>(c);
    } else if (c < 0x800) {
        s += static_cast<char>(0xC0 | (c >> 6));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        s += static_cast<char>(0xE0 | (c >> 12));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        s += static_cast<char>(0xF0 | (c >> 18));
        s += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    }
    return s;
}

Hodnota kod(const Argumenty& a) {
    const std::string& s = a.text(0);
    if (s.empty())
        return 0.0;
    const auto prvni = static_cast<unsigned char>(s[0]);
    const std::size_t delka = prvni < 0x80 ? 1 : prvni >= 0xF0 ? 4 : prvni >= 0xE0 ? 3 : 2;
    unsigned c = delka == 1 ? prvni : prvni & (0xFF >> (delka + 1));
    for (std::size_t i = 1; i < delka && i < s.size(); ++i)
        c = (c << 6) | (static_cast<unsigned char>(s[i]) & 0x3F);
    return static_cast<double>(c);
}

// A number in a field of the given width, with the given count of decimals.
Hodnota format(const Argumenty& a) {
    const double x = a.cislo(0);
    const int sirka = static_cast<int>(std::clamp(a.cele(1), 0LL, 1000LL));
    const int desetin = static_cast<int>(std::clamp(a.cele(2), 0LL, 100LL));
    std::string cislo = PevneCislo(x, desetin);
    if (cislo.size() < static_cast<std::size_t>(sirka))
        cislo.insert(0, static_cast<std::size_t>(sirka) - cislo.size(), ' ');
    return cislo;
}

constexpr Vestavena texty[]{
    {"string", 1, 1, naText},
    {"real", 1, 1, naCislo},
    {"string_length", 1, 1, delka},
    {"string_upper", 1, 1, velka},
    {"string_lower", 1, 1, mala},
    {"string_copy", 3, 3, kopie},
    {"string_char_at", 2, 2, znakNa},
    {"string_pos", 2, 2, pozice},
    {"string_delete", 3, 3, smaz},
    {"string_insert", 3, 3, vloz},
    {"string_replace", 3, 3, nahradJednou},
    {"string_replace_all", 3, 3, nahradVse},
    {"string_count", 2, 2, pocet},
    {"string_repeat", 2, 2, opakuj},
    {"string_letters", 1, 1, jen<true, false>},
    {"string_digits", 1, 1, jen<false, true>},
    {"string_lettersdigits", 1, 1, jen<true, true>},
    {"chr", 1, 1, znak},
    {"ord", 1, 1, kod},
    {"string_format", 3, 3, format},
};

} // namespace

std::span<const Vestavena> VestaveneTextu() {
    return texty;
}

} // namespace nahled
