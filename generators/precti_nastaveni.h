#pragma once

// Reads a settings-menu script back: every entry with its name, x, y, values and actions.

#include "generators/cteni_skriptu.h"
#include "generators/polozka_nastaveni.h"

#include <vector>

Precteno<std::vector<PolozkaNastaveni>> PrectiNastaveni(const VlozenyKod& kod);
