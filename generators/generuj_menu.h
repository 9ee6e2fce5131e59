#pragma once

// Main-menu generator: the item count and five item rows in, the Create, Step and Draw lines
// of a keyboard-driven menu out. The count text gates which lines appear (after conversion)
// and is also written into the script unconverted.

#include "generators/skript.h"

#include <array>
#include <string>
#include <vector>

struct RadekMenu {
    std::string text, x, y, akce;
    bool operator==(const RadekMenu&) const = default;
};

struct VstupMenu {
    std::string pocet;
    std::array<RadekMenu, 5> radky;
    bool operator==(const VstupMenu&) const = default;
};

// A count that is no whole number stops it with an error; create then holds only its first line.
Skript GenerujMenu(const VstupMenu& vstup);
