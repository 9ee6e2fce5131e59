#pragma once

#include <string>

namespace generatory {

// An error that stopped a generator; the window shows its message in the error box.
struct Chyba {
    std::string zprava;
    bool operator==(const Chyba&) const = default;
};

} // namespace generatory
