#pragma once

// Reads a highscore script back: every row's nick and score expression, with IDs 1 to n.

#include "generators/cteni_skriptu.h"
#include "generators/generuj_highskore.h"

#include <vector>

Precteno<std::vector<PolozkaHighskore>> PrectiHighskore(const VlozenyKod& kod);
