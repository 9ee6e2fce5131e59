#pragma once

// The interpreter: runs a parsed script against an object's state. Calls of functions it does
// not know are not run but listed as actions; a runtime error stops the script.

#include "preview/rozbor.h"
#include "preview/stav.h"

#include <optional>

namespace nahled {

std::optional<ChybaSkriptu> Spust(const Program& program, Stav& stav);

// Sets a variable or, for a name such as "a[3]", an array element, as the author gave it.
void Nastav(Stav& stav, const std::string& jmeno, const Hodnota& hodnota);

// The value of a variable or element, if anything set it.
std::optional<Hodnota> Precti(const Stav& stav, const std::string& jmeno);

} // namespace nahled
