#include "generators/nove_vstupy.h"

VstupMenu NoveMenu() {
    return {"5",
            {{{"Nova hra", "250", "150", "room_goto(novahra)"},
              {"", "250", "180", ""},
              {"", "250", "210", ""},
              {"", "250", "240", ""},
              {"", "250", "270", ""}}}};
}

VstupTitulku NoveTitulky() {
    return {{}, "nahoru", "c_red", "c_aqua", {}, {}};
}
