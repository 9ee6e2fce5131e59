#pragma once

// The tabs' fields named as their forms show them, for messages about the text a field wrote
// into the script: "Položka 2: Akce", "Položka č. 1 „Zvuk“: Akce č. 2", "Text uzlu „Jan“".

#include "generators/skript.h"

#include <map>
#include <string>

namespace nahled {

class SlovaFormulare {
public:
    // The settings entries are named by the name lines of this script's Draw event.
    explicit SlovaFormulare(const Skript& skript);

    // The field, and for a credits node its text, as the form shows it.
    std::string jmeno(const Vlozeni& pole, const std::string& text) const;
    // "Položka 2: Akce je prázdná": the ending agrees with the field's caption.
    std::string jePrazdne(const Vlozeni& pole, const std::string& text) const;

private:
    std::map<std::size_t, std::string> m_nazvyNastaveni;
};

} // namespace nahled
