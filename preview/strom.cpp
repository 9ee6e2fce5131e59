#include "preview/strom.h"

#include <algorithm>

namespace nahled {

// A list longer than a block gets one of its own, and the block being filled stays in use.
Vyrazy Sklad::uloz(const Vyraz* prvni, std::size_t pocet) {
    if (pocet == 0)
        return {};
    Vyraz* cil = nullptr;
    if (pocet > VelikostBloku) {
        m_bloky.push_back(std::make_unique<Vyraz[]>(pocet));
        cil = m_bloky.back().get();
    } else {
        if (pocet > m_zbyva) {
            m_bloky.push_back(std::make_unique<Vyraz[]>(VelikostBloku));
            m_volno = m_bloky.back().get();
            m_zbyva = VelikostBloku;
        }
        cil = m_volno;
        m_volno += pocet;
        m_zbyva -= pocet;
    }
    std::copy_n(prvni, pocet, cil);
    return {cil, pocet};
}

// Shallow trees, nearly all of them, are freed the usual way; deeper levels are collected on a
// list and freed from it.
Prikaz::~Prikaz() {
    if (deti.empty())
        return;
    static thread_local int hloubka = 0;
    if (hloubka < 64) {
        ++hloubka;
        deti.clear();
        --hloubka;
        return;
    }
    std::vector<Prikaz> zbyva = std::move(deti);
    while (!zbyva.empty()) {
        Prikaz p = std::move(zbyva.back());
        zbyva.pop_back();
        for (Prikaz& d : p.deti)
            zbyva.push_back(std::move(d));
        p.deti.clear();
    }
}

} // namespace nahled
