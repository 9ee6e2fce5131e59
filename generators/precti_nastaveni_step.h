#pragma once

// The settings reader's Step event: the number of values and the actions of every entry.

#include "generators/ctene_pole.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// One entry as the reader finds it, before its Draw lines are split into texts.
struct CtenaPolozka {
    std::size_t hodnot = 0;
    std::vector<std::string> akce;
    struct Radek {
        std::string_view text, stred; // the line, and what stands between its fixed ends
        std::size_t cislo = 0;
    };
    Radek nazev;
    std::vector<Radek> hodnoty;
};

// Reads Step for as many entries as the vector holds, up to the end of the last right-key block:
// the left-key blocks hold nothing new, and the reader's own check compares them.
void PrectiStep(CtenePole& step, std::vector<CtenaPolozka>& polozky);
