#pragma once

// Credits generator: the credits tree in tree order and the direction, colour and font options
// in, the Create, Alarm[0] and Draw lines of an object that scrolls the credits out. Every
// text goes into the script exactly as typed.

#include "generators/skript.h"

#include <string>
#include <vector>

struct PolozkaTitulku {
    std::string text;
    bool pozice = false; // a top-level node; a person otherwise
    bool operator==(const PolozkaTitulku&) const = default;
};

struct PismoTitulku {
    bool zapnuto = false;
    std::string nazevPisma;
    std::string velikost; // copied as typed, never converted
    bool tucne = false;
    bool kurziva = false;
    bool operator==(const PismoTitulku&) const = default;
};

struct VstupTitulku {
    std::vector<PolozkaTitulku> polozky;
    std::string smer;
    std::string barvaPozice;
    std::string barvaOsob;
    PismoTitulku pismoPozice;
    PismoTitulku pismoOsob;
    bool operator==(const VstupTitulku&) const = default;
};

// Refuses an empty tree.
Skript GenerujTitulky(const VstupTitulku& vstup);
