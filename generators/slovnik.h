#pragma once

// The target engine's words that several parts of the program know: the colour constants with
// the colours they stand for, the key constants a menu script tests, and the language's
// keywords. The function names live beside them in nazvy_funkci.h.

#include <array>
#include <string_view>

namespace generatory {

struct Barva {
    std::string_view jmeno;
    int r, g, b;
};

// In the order the colour boxes list them. The grey names share their synonyms' colours:
// dark grey is grey, light grey is silver.
const std::array<Barva, 18>& Barvy();
// nullptr for a name that is no colour constant.
const Barva* NajdiBarvu(std::string_view jmeno);

// The engine's codes for the keys a menu script tests.
enum class Klavesa : int { Enter = 13, Vlevo = 37, Nahoru = 38, Vpravo = 39, Dolu = 40 };

struct KonstantaKlavesy {
    std::string_view jmeno;
    Klavesa klavesa;
};

const std::array<KonstantaKlavesy, 5>& KonstantyKlaves();

const std::array<std::string_view, 32>& KlicovaSlova();

} // namespace generatory
