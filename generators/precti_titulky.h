#pragma once

// Reads a credits script back: the tree of positions and persons, the direction, both colours
// and both font rows. A colour whose kind has no node, and a font row that is switched off,
// keep a new window's values.

#include "generators/cteni_skriptu.h"
#include "generators/generuj_titulky.h"

Precteno<VstupTitulku> PrectiTitulky(const VlozenyKod& kod);
