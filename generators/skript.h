#pragma once

// What every generator returns: the lines of each event it writes, with the form fields whose
// texts stand in each line; or a refusal, when nothing may be written; or the lines written
// before an error stopped it.

#include "generators/chyba.h"
#include "generators/puvod_radku.h"
#include "generators/udalost.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
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
    // The fields of each event's lines, indexed by Udalost.
    std::array<PuvodRadku, 4> vlozeni;
    // Nothing was written: the panes keep what they hold.
    std::optional<std::string> odmitnuti;
    // The lines written before it stay and are shown.
    std::optional<Chyba> chyba;

    const std::vector<std::string>& radky(Udalost udalost) const;
    const PuvodRadku& puvodRadku(Udalost udalost) const {
        return vlozeni[static_cast<std::size_t>(udalost)];
    }
    // Room for so many more lines of the event, holding so many fields in all.
    void rezervuj(Udalost udalost, std::size_t radku, std::size_t poli);
};

// Builds one line piece by piece, noting where each field's text goes, and appends it with its
// origin to an event of the script.
class Radek {
public:
    Radek& text(std::string_view pevny) {
        m_text += pevny;
        return *this;
    }
    Radek& pole(Pole pole, std::size_t vstup, std::string_view text, std::size_t kus = 0) {
        const auto n = [](std::size_t cislo) { return static_cast<std::uint32_t>(cislo); };
        m_puvod.push_back({pole, n(vstup), n(kus), n(m_text.size()), n(text.size())});
        m_text += text;
        return *this;
    }
    void pridej(Skript& skript, Udalost udalost);

private:
    // Kept from line to line, so that building a line allocates nothing once they have grown.
    std::string m_text;
    std::vector<Vlozeni> m_puvod;
};

// A line of fixed text, or one whose numbers the generator worked out itself.
void PridejRadek(Skript& skript, Udalost udalost, std::string radek);

} // namespace generatory
