#pragma once

// The interpreter: runs a parsed script against an object's state. Calls of functions it does
// not know are not run but listed as actions; a runtime error stops the script. Whatever the
// script, a run ends: a loop stops after NejvicKroku statements, any script after
// NejvicOperaci operations, and no exception leaves Spust.

#include "jazyk/rozbor.h"
#include "jazyk/stav.h"
#include "jazyk/vestavene.h"

#include <optional>

namespace nahled {

// The statements run inside loops by the last Spust, for tests that every run keeps its budget.
struct Pocitadla {
    std::uint64_t kroky = 0, operace = 0;
};

std::optional<ChybaBehu> Spust(const Program& program, Stav& stav, Pocitadla* pocitadla = nullptr);

// Sets a variable or, for a name such as "a[3]", an array element, as the author gave it.
void Nastav(Stav& stav, const std::string& jmeno, const Hodnota& hodnota);

// The value of a variable or element, if anything set it.
std::optional<Hodnota> Precti(const Stav& stav, const std::string& jmeno);

} // namespace nahled
