#pragma once

// Where the script's variables and array cells live, and what they cost: every write is
// counted against NejvicPameti.

#include "jazyk/stav.h"

#include <optional>

namespace nahled {

// A variable, or a cell of an array: a[j] is row 0, a[i, j] row i.
struct Misto {
    std::string jmeno;
    bool prvek = false;
    std::size_t i = 0, j = 0;
};

// "a[3]" or "a" as the author names a variable in the preview window; nullopt for a name that
// is neither.
Misto MistoZeJmena(const std::string& jmeno);

// The value there; nullptr when nothing set it. Throws ChybaBehu when reading an array as a
// value or a value as an array.
const Hodnota* Najdi(const Stav& stav, const Misto& m, int radek);

// Throws ChybaBehu when the variables would outgrow NejvicPameti.
void Zapis(Stav& stav, const Misto& m, Hodnota h, int radek);

// How the unset variable or cell is named in messages.
std::string Popis(const Misto& m);

} // namespace nahled
