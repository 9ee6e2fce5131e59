#pragma once

// The Draw lines a tab's generator last wrote and which input placed each of them, so that the
// preview moves a text only while the Draw pane still holds exactly those lines.

#include "generators/skript.h"

#include <optional>
#include <string>
#include <vector>

// Whether a pane's text is exactly these lines, as the pane shows them.
bool DrziRadky(const std::string& text, const std::vector<std::string>& radky);

class PosledniKresby {
public:
    // After the generator's lines went into the panes; a refusal wrote none and changes nothing.
    void Zapamatuj(Skript&& skript);
    // For each line of this Draw script, the input that placed it, if the script is those lines.
    std::vector<std::optional<Puvod>> PuvodRadku(const std::string& draw) const;

private:
    std::vector<std::string> m_radky;
    std::vector<std::optional<Puvod>> m_puvod;
};
