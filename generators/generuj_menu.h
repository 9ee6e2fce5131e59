#pragma once

// Main-menu generator: the item count and five item rows in, the Create, Step and Draw lines
// of a keyboard-driven menu out. The count text gates which lines appear (after conversion)
// and is also written into the script unconverted.

#include "chyba.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

struct RadekMenu {
    std::string text, x, y, akce;
};

struct VstupMenu {
    std::string pocet;
    std::array<RadekMenu, 5> radky;
};

struct MenuSkript {
    std::vector<std::string> create, step, draw;
    // Set when the count is no whole number; create then holds only its first line.
    std::optional<Chyba> chyba;
};

MenuSkript GenerujMenu(const VstupMenu& vstup);
