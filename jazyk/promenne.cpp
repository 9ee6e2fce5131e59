#include "jazyk/promenne.h"

#include "jazyk/vestavene.h"

#include <algorithm>

namespace nahled {

namespace {

using Bunka = std::optional<Hodnota>;
using Radek = std::vector<Bunka>;

std::size_t velikost(const Hodnota& h) {
    const std::string* t = std::get_if<std::string>(&h);
    return t ? t->size() : 0;
}

std::size_t velikost(const Promenna& p) {
    if (const Hodnota* h = std::get_if<Hodnota>(&p))
        return velikost(*h);
    std::size_t v = 0;
    for (const Radek& r : std::get<Pole>(p)) {
        v += sizeof(Radek) + r.size() * sizeof(Bunka);
        for (const Bunka& b : r)
            v += b ? velikost(*b) : 0;
    }
    return v;
}

void pridej(Stav& s, std::size_t kolik, int radek) {
    if (kolik > NejvicPameti || s.pametPromennych + kolik > NejvicPameti)
        chybaBehu(radek, "proměnné skriptu by zabraly " + VicNezPamet());
    s.pametPromennych += kolik;
}

void zmen(Stav& s, std::size_t stara, std::size_t nova, int radek) {
    if (nova > stara)
        pridej(s, nova - stara, radek);
    else
        s.pametPromennych -= std::min(s.pametPromennych, stara - nova);
}

} // namespace

Misto MistoZeJmena(const std::string& jmeno) {
    const auto zavorka = jmeno.find('[');
    if (zavorka == std::string::npos || jmeno.back() != ']')
        return {jmeno};
    const std::string cislo = jmeno.substr(zavorka + 1, jmeno.size() - zavorka - 2);
    if (cislo.empty() || cislo.size() > 5 ||
        cislo.find_first_not_of("0123456789") != std::string::npos ||
        std::stoul(cislo) >= NejvetsiIndex)
        return {jmeno};
    return {jmeno.substr(0, zavorka), true, 0, std::stoul(cislo)};
}

const Hodnota* Najdi(const Stav& stav, const Misto& m, int radek) {
    const auto it = stav.promenne.find(m.jmeno);
    if (it == stav.promenne.end())
        return nullptr;
    const Pole* pole = std::get_if<Pole>(&it->second);
    if (!m.prvek) {
        if (pole)
            throw ChybaBehu{
                {radek, m.jmeno + " je pole: čtěte jeho prvky, např. " + m.jmeno + "[0]"}};
        return &std::get<Hodnota>(it->second);
    }
    if (!pole)
        throw ChybaBehu{{radek, m.jmeno + " není pole"}};
    if (m.i >= pole->size() || m.j >= (*pole)[m.i].size() || !(*pole)[m.i][m.j])
        return nullptr;
    return &*(*pole)[m.i][m.j];
}

// The whole cost is checked before anything is written, so that a refused value leaves the
// variable as it was, unset included.
void Zapis(Stav& stav, const Misto& m, Hodnota h, int radek) {
    const auto it = stav.promenne.find(m.jmeno);
    Promenna* p = it == stav.promenne.end() ? nullptr : &it->second;
    if (!m.prvek) {
        zmen(stav, p ? velikost(*p) : 0, velikost(h), radek);
        if (p)
            *p = std::move(h);
        else
            stav.promenne.emplace(m.jmeno, std::move(h));
        return;
    }
    Pole* pole = p ? std::get_if<Pole>(p) : nullptr;
    const std::size_t radku = pole ? pole->size() : 0;
    const std::size_t bunek = m.i < radku ? (*pole)[m.i].size() : 0;
    const Bunka* stara = m.j < bunek ? &(*pole)[m.i][m.j] : nullptr;
    const std::size_t uvolneno =
        (p && !pole ? velikost(*p) : 0) + (stara && *stara ? velikost(**stara) : 0);
    const std::size_t pribude = (m.i >= radku ? (m.i + 1 - radku) * sizeof(Radek) : 0) +
                                (m.j >= bunek ? (m.j + 1 - bunek) * sizeof(Bunka) : 0) +
                                velikost(h);
    zmen(stav, uvolneno, pribude, radek);
    if (!pole)
        pole = &std::get<Pole>(p ? (*p = Pole{})
                                 : stav.promenne.emplace(m.jmeno, Pole{}).first->second);
    if (m.i >= pole->size())
        pole->resize(m.i + 1);
    Radek& r = (*pole)[m.i];
    if (m.j >= r.size())
        r.resize(m.j + 1);
    r[m.j] = std::move(h);
}

std::string Popis(const Misto& m) {
    if (!m.prvek)
        return m.jmeno;
    if (m.i == 0)
        return m.jmeno + "[" + std::to_string(m.j) + "]";
    return m.jmeno + "[" + std::to_string(m.i) + ", " + std::to_string(m.j) + "]";
}

} // namespace nahled
