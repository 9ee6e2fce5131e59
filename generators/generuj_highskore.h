#pragma once

// Highscore generator: the rows' nick and score expressions in, the Draw lines of a
// two-column table out, one row every 30 pixels.

#include <string>
#include <vector>

struct PolozkaHighskore {
    std::string id, nick, skore;
    bool operator==(const PolozkaHighskore&) const = default;
};

// Two lines per row, nick before score; the ID is never read. No rows give no lines.
std::vector<std::string> GenerujHighskore(const std::vector<PolozkaHighskore>& polozky);
