#pragma once

// The Draw lines a tab's generator last wrote, which input placed each of them and the position
// texts each input had then, so that the preview moves a text only while the Draw pane still
// holds exactly those lines, and from where they draw it.

#include "generators/skript.h"
#include "preview/posun.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

// Whether a pane's text is exactly these lines, as the pane shows them.
bool DrziRadky(const std::string& text, const std::vector<std::string>& radky);

class PosledniKresby {
public:
    // After the generator's lines went into the panes; a refusal wrote none and changes nothing.
    void zapamatuj(std::shared_ptr<const generatory::Skript> skript,
                   std::vector<nahled::TextyPozice> pozice);
    // For each line of this Draw script, the input that placed it, if the script is those lines.
    std::vector<std::optional<generatory::Puvod>> puvodRadku(const std::string& draw) const;
    // The input's position texts when the lines were generated.
    std::optional<nahled::TextyPozice> pozice(std::size_t vstup) const;

private:
    std::shared_ptr<const generatory::Skript> m_skript;
    std::vector<std::optional<generatory::Puvod>> m_puvod;
    std::vector<nahled::TextyPozice> m_pozice;
};
