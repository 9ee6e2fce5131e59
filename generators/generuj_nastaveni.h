#pragma once

// Settings-menu generator: the ordered entries in, the Create, Step and Draw lines of a menu
// whose entries each cycle through their own values with the arrow keys out. Values and
// actions are the ";"-separated pieces of each entry, matched by their numbers.

#include "generators/polozka_nastaveni.h"
#include "generators/skript.h"

#include <string>
#include <vector>

namespace generatory {

// Refuses an empty list and an entry without actions. An entry's x that is no whole number
// stops it with an error; draw then ends with that entry's first test.
Skript GenerujNastaveni(const std::vector<PolozkaNastaveni>& polozky);

} // namespace generatory
