#pragma once

// Reads a credits script back: the tree of positions and persons, the direction, both colours
// and both font rows. A colour whose kind has no node keeps a new window's value; a font row
// that is switched off has nothing in it.

#include "generators/cteni_skriptu.h"
#include "generators/generuj_titulky.h"

Precteno<VstupTitulku> PrectiTitulky(const VlozenyKod& kod);
