#pragma once

// Highscore generator: the rows' nick and score expressions in, the Draw lines of a
// two-column table out, one row every 30 pixels.

#include "generators/skript.h"

#include <string>
#include <vector>

namespace generatory {

struct PolozkaHighskore {
    std::string id, nick, skore;
    bool operator==(const PolozkaHighskore&) const = default;
};

// Two Draw lines per row, nick before score; the ID is never read. Refuses an empty list.
Skript GenerujHighskore(const std::vector<PolozkaHighskore>& polozky);

} // namespace generatory
