#pragma once

// Settings-menu generator: the ordered entries in, the Create, Step and Draw lines of a menu
// whose entries each cycle through their own values with the arrow keys out. Values and
// actions are the ";"-separated pieces of each entry, matched by their numbers.

#include "chyba.h"
#include "polozka_nastaveni.h"

#include <optional>
#include <string>
#include <vector>

struct NastaveniSkript {
    std::vector<std::string> create, step, draw;
    // Set when nothing may be written: the panes keep what they hold.
    std::optional<std::string> odmitnuti;
    // Set when an entry's x is no whole number; draw then ends with that entry's first test.
    std::optional<Chyba> chyba;
};

NastaveniSkript GenerujNastaveni(const std::vector<PolozkaNastaveni>& polozky);
