#include "preview/strom.h"

namespace nahled {

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
