#pragma once

#include <string>

namespace generatory {

// One entry of the settings menu, its five texts exactly as typed.
struct PolozkaNastaveni {
    std::string Nazev, PoziceX, PoziceY, Hodnoty, Akce;
    bool operator==(const PolozkaNastaveni&) const = default;
};

} // namespace generatory
