#include "jazyk/strom.h"

#include <algorithm>
#include <memory>
#include <new>
#include <type_traits>

namespace nahled {

static_assert(std::is_trivially_copyable_v<Vyraz> && std::is_trivially_destructible_v<Vyraz>);

void Sklad::Uvolni::operator()(Vyraz* blok) const {
    ::operator delete(blok);
}

// A list longer than a block gets one of its own, and the block being filled stays in use.
Vyrazy Sklad::uloz(const Vyraz* prvni, std::size_t pocet) {
    if (pocet == 0)
        return {};
    const auto novy = [this](std::size_t velikost) {
        m_bloky.emplace_back();
        m_bloky.back().reset(static_cast<Vyraz*>(::operator new(velikost * sizeof(Vyraz))));
        return m_bloky.back().get();
    };
    Vyraz* cil = nullptr;
    if (pocet > VelikostBloku) {
        cil = novy(pocet);
    } else {
        if (pocet > m_zbyva) {
            m_volno = novy(VelikostBloku);
            m_zbyva = VelikostBloku;
        }
        cil = m_volno;
        m_volno += pocet;
        m_zbyva -= pocet;
    }
    std::uninitialized_copy_n(prvni, pocet, cil);
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
