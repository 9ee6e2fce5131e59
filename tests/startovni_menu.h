#pragma once

#include "generators/generuj_menu.h"

// The Menu tab's inputs as the program starts.
inline generatory::VstupMenu StartovniMenu() {
    generatory::VstupMenu vstup;
    vstup.pocet = "5";
    vstup.radky = {{{"Nova hra", "250", "150", "room_goto(novahra)"},
                    {"", "250", "180", ""},
                    {"", "250", "210", ""},
                    {"", "250", "240", ""},
                    {"", "250", "270", ""}}};
    return vstup;
}
