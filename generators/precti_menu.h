#pragma once

// Reads a main-menu script back: the item count as written, and the text, x, y and action of
// every item the script holds. The rows past the count keep a new window's values.

#include "generators/cteni_skriptu.h"
#include "generators/generuj_menu.h"

Precteno<VstupMenu> PrectiMenu(const VlozenyKod& kod);
