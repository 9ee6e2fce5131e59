#pragma once

// The built-in functions the preview runs itself. Each group keeps its own table in its own file
// (keys and drawing, math, texts, random numbers and colours); only names the engine has.

#include "jazyk/chyby.h"
#include "jazyk/meze.h"
#include "jazyk/stav.h"
#include "jazyk/tokeny.h"

#include <cstdint>
#include <span>
#include <string_view>

namespace nahled {

// One call's arguments, already evaluated, with what a function needs to read them.
struct Argumenty {
    std::span<const Hodnota> a;
    Stav& stav;
    int radek;
    std::string_view funkce;

    std::size_t size() const { return a.size(); }
    double cislo(std::size_t i) const;
    const std::string& text(std::size_t i) const;
    // A number as a whole number in a range the function can use; a text or NaN is an error.
    long long cele(std::size_t i) const;
    [[noreturn]] void chyba(std::string zprava) const;
};

struct Vestavena {
    std::string_view jmeno;
    std::uint8_t nejmene, nejvice; // how many arguments; nejvice 255 for any number
    Hodnota (*funkce)(const Argumenty&);
};

inline constexpr std::uint8_t Libovolne = 255;

std::span<const Vestavena> VestaveneKresleni();
std::span<const Vestavena> VestaveneMatematiky();
std::span<const Vestavena> VestaveneTextu();
std::span<const Vestavena> VestaveneNahodyABarev();

// The function's place in the table plus one, or 0 for one the preview does not run.
std::size_t IndexVestavene(std::string_view jmeno);
const Vestavena& Vestavenou(std::size_t znacka);

} // namespace nahled
