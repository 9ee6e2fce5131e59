#pragma once

// The built-in functions the preview runs itself: key tests, drawing text, fonts, string().

#include "preview/stav.h"
#include "preview/tokeny.h"

#include <string_view>
#include <vector>

namespace nahled {

// Thrown inside the interpreter only; Spust turns it into a returned error.
struct ChybaBehu {
    ChybaSkriptu chyba;
};

struct Vestavena {
    std::size_t pocetArgumentu;
    Hodnota (*funkce)(const std::vector<Hodnota>& argumenty, Stav& stav, int radek);
};

// nullptr for a function the preview does not run.
const Vestavena* NajdiVestavenou(std::string_view jmeno);

} // namespace nahled
