#pragma once

// Checks shared by the generators' fuzz targets: every line of every event has its entry of
// origin, each field's place lies inside its line, and the check after generation reads the
// script and names only places that exist.

#include "generators/skript.h"
#include "preview/kontrola.h"

#include <cstdlib>

inline void OverPuvodRadku(const Skript& s) {
    for (Udalost u : {Udalost::Create, Udalost::Step, Udalost::Draw, Udalost::Alarm0}) {
        if (s.puvodRadku(u).size() != s.radky(u).size())
            std::abort();
        for (std::size_t r = 0; r < s.radky(u).size(); ++r)
            for (const Vlozeni& v : s.puvodRadku(u)[r])
                if (v.zacatek + v.delka > s.radky(u)[r].size())
                    std::abort();
    }
    for (const nahled::Nalez& n : nahled::Zkontroluj(s))
        if (n.radek < 1 || static_cast<std::size_t>(n.radek) > s.radky(n.udalost).size() ||
            n.zprava.empty())
            std::abort();
}
