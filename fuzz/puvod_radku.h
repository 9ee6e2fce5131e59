#pragma once

// Checks shared by the generators' fuzz targets: every line of every event has its entry of
// origin, each field's place lies inside its line, and the check after generation reads the
// script and names only places that exist.

#include "generators/skript.h"
#include "preview/kontrola.h"

#include <algorithm>
#include <cstdlib>

inline void OverPuvodRadku(const generatory::Skript& s) {
    using generatory::Udalost;
    for (Udalost u : {Udalost::Create, Udalost::Step, Udalost::Draw, Udalost::Alarm0}) {
        if (s.puvodRadku(u).size() != s.radky(u).size())
            std::abort();
        for (std::size_t r = 0; r < s.radky(u).size(); ++r)
            for (const generatory::Vlozeni& v : s.puvodRadku(u)[r])
                if (v.zacatek + v.delka > s.radky(u)[r].size())
                    std::abort();
    }
    // A text holding a line break spans several of the pane's lines, and the check counts those.
    const auto radkuPanelu = [&s](Udalost u) {
        std::size_t pocet = 0;
        for (const std::string& radek : s.radky(u))
            pocet +=
                1 + static_cast<std::size_t>(std::count_if(
                        radek.begin(), radek.end(), [](char c) { return c == '\n' || c == '\r'; }));
        return pocet;
    };
    for (const nahled::Nalez& n : nahled::Zkontroluj(s))
        if (n.radek < 1 || static_cast<std::size_t>(n.radek) > radkuPanelu(n.udalost) ||
            n.zprava.empty())
            std::abort();
}
