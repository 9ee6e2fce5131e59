#pragma once

// What every generator returns: the lines of each event it writes; or a refusal, when nothing
// may be written; or the lines written before an error stopped it.

#include "generators/chyba.h"
#include "generators/udalost.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace generatory {

// The input whose position fields place one Draw line: a menu row or a settings entry, counted
// from 0, and which of its texts the line draws.
struct Puvod {
    enum class Cast { Nazev, Hodnota };
    std::size_t vstup;
    Cast cast;
    bool operator==(const Puvod&) const = default;
};

struct Skript {
    std::vector<std::string> create, step, draw, alarm0;
    // One entry per Draw line from the generators whose texts stand where fields put them; empty
    // from those that place their texts by formulas.
    std::vector<std::optional<Puvod>> puvod;
    // Nothing was written: the panes keep what they hold.
    std::optional<std::string> odmitnuti;
    // The lines written before it stay and are shown.
    std::optional<Chyba> chyba;

    const std::vector<std::string>& radky(Udalost udalost) const;
};

} // namespace generatory
