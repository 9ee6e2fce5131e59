#pragma once

// What a tab whose texts stand where its fields put them lets the preview do: tell which input
// placed each line of the Draw script, read that input's position fields, and write them as the
// author would. The tab implements it; the preview knows nothing else of the form.

#include "generators/skript.h"
#include "preview/posun.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class Umisteni {
public:
    virtual ~Umisteni() = default;

    // For each line of this Draw script, the input that placed it; empty unless the script is
    // exactly what the tab's generator last wrote.
    virtual std::vector<std::optional<Puvod>> puvodRadku(const std::string& draw) const = 0;
    // The texts of the input's x and y fields; nothing once the input is gone.
    virtual std::optional<nahled::TextyPozice> pozice(std::size_t vstup) const = 0;
    // The texts those fields held when the tab's generator last wrote its lines: where the room
    // draws the input's texts, whatever the fields hold since.
    virtual std::optional<nahled::TextyPozice> poziceVKodu(std::size_t vstup) const = 0;
    // Writes the texts into the input's fields and generates the tab's panes as its button does.
    virtual void umisti(std::size_t vstup, const nahled::TextyPozice& texty) = 0;
    // Grows with every change of the form that Umisti did not make.
    virtual std::uint64_t zmeny() const = 0;
};
