#pragma once

// What every generator returns: the lines of each event it writes, with the form fields whose
// texts stand in each line; or a refusal, when nothing may be written; or the lines written
// before an error stopped it.

#include "generators/chyba.h"
#include "generators/udalost.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The input whose position fields place one Draw line: a menu row or a settings entry, counted
// from 0, and which of its texts the line draws.
struct Puvod {
    enum class Cast { Nazev, Hodnota };
    std::size_t vstup;
    Cast cast;
    bool operator==(const Puvod&) const = default;
};

// A field of a tab's form, named by its tab.
enum class Pole {
    MenuPocet,
    MenuText,
    MenuX,
    MenuY,
    MenuAkce,
    NastaveniNazev,
    NastaveniX,
    NastaveniY,
    NastaveniHodnota,
    NastaveniAkce,
    HighskoreNick,
    HighskoreSkore,
    TitulkyText,
    TitulkySmer,
    TitulkyBarvaPozice,
    TitulkyBarvaOsob,
    TitulkyPismo, // the font switch, which adds a line per node of its kind
    TitulkyNazevPisma,
    TitulkyVelikostPisma,
    TitulkyTucne,
    TitulkyKurziva,
};

// Where a field's text, or what the generator made of it, stands in one line.
struct Vlozeni {
    Pole pole;
    // The menu row, settings entry, highscore row or credits node, from 0; for a font field 0
    // is the positions' font and 1 the persons'; 0 for the tab's other single fields.
    std::size_t vstup = 0;
    // Which of a settings entry's ";"-separated values or actions, from 0.
    std::size_t kus = 0;
    std::size_t zacatek = 0, delka = 0; // bytes in the line
    bool operator==(const Vlozeni&) const = default;
};

// Every field that wrote into one line; none for fixed text.
using PuvodRadku = std::vector<Vlozeni>;

struct Skript {
    std::vector<std::string> create, step, draw, alarm0;
    // One entry per Draw line from the generators whose texts stand where fields put them; empty
    // from those that place their texts by formulas.
    std::vector<std::optional<Puvod>> puvod;
    // One entry per line of each event, indexed by Udalost.
    std::array<std::vector<PuvodRadku>, 4> vlozeni;
    // Nothing was written: the panes keep what they hold.
    std::optional<std::string> odmitnuti;
    // The lines written before it stay and are shown.
    std::optional<Chyba> chyba;

    const std::vector<std::string>& radky(Udalost udalost) const;
    const std::vector<PuvodRadku>& puvodRadku(Udalost udalost) const {
        return vlozeni[static_cast<std::size_t>(udalost)];
    }
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
        m_puvod.push_back({pole, vstup, kus, m_text.size(), text.size()});
        m_text += text;
        return *this;
    }
    void pridej(Skript& skript, Udalost udalost);

private:
    std::string m_text;
    PuvodRadku m_puvod;
};

// A line of fixed text, or one whose numbers the generator worked out itself.
void PridejRadek(Skript& skript, Udalost udalost, std::string radek);
