#pragma once

// Tells by its first lines which generator's event a pasted text looks like, so a reader can say
// that a paste belongs in another box or on another tab.

#include "generators/cteni_skriptu.h"
#include "generators/udalost.h"

#include <string_view>

// Whatever that generator writes into that event passes; the test looks at two lines at most.
bool VypadaJako(Generator generator, Udalost udalost, std::string_view text);
