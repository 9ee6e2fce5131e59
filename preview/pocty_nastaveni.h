#pragma once

// The settings entries whose numbers of values and actions differ. Action j belongs to value j,
// so a value past the last action has none, which leaves the right-key chain ending in an
// "else" with nothing after it; and an action past the last value belongs to none, as when a
// ";" inside an action cut it in two.

#include "generators/skript.h"
#include "preview/kontrola.h"
#include "preview/slova_formulare.h"

#include <vector>

namespace nahled {

// One finding per such entry, naming its first value without an action or its first action
// without a value.
std::vector<Nalez> ZkontrolujPocty(const generatory::Skript& skript, const SlovaFormulare& slova);

} // namespace nahled
