#pragma once

// What every generator returns: the lines of each event it writes; or a refusal, when nothing
// may be written; or the lines written before an error stopped it.

#include "generators/chyba.h"
#include "generators/udalost.h"

#include <optional>
#include <string>
#include <vector>

struct Skript {
    std::vector<std::string> create, step, draw, alarm0;
    // Nothing was written: the panes keep what they hold.
    std::optional<std::string> odmitnuti;
    // The lines written before it stay and are shown.
    std::optional<Chyba> chyba;

    const std::vector<std::string>& radky(Udalost udalost) const;
};
