#pragma once

// What the Menu and Titulky tabs hold in a new window: a reader gives these to whatever a script
// does not hold, such as menu rows past the item count or a colour of a kind without nodes. A
// font row switched off is read as off, with nothing in it.

#include "generators/generuj_menu.h"
#include "generators/generuj_titulky.h"

VstupMenu NoveMenu();
// The options of a new window, with an empty tree.
VstupTitulku NoveTitulky();
