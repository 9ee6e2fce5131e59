#pragma once

// Everything the scripts of one previewed object read and write: its variables, the keys
// pressed for this step, its fonts, what Draw drew, and the messages for the author.

#include "generators/udalost.h"
#include "jazyk/hodnota.h"
#include "jazyk/konstanty.h"
#include "jazyk/meze.h"
#include "jazyk/tokeny.h"

#include <cstdint>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <variant>
#include <vector>

namespace nahled {

struct Pismo {
    std::string nazev;
    double velikost = 0;
    bool tucne = false, kurziva = false;
    bool operator==(const Pismo&) const = default;
};

// One text drawn by the Draw event, in its first colour.
struct Kresba {
    double x = 0, y = 0;
    std::string text;
    Rgb barva;
    std::optional<Pismo> pismo;
    // The line of the script that drew it, from 1: what ties the text to the input behind it.
    int radek = 0;
    bool operator==(const Kresba&) const = default;
};

// Where an error stands, so that the form can name the field that wrote its line.
struct MistoChyby {
    generatory::Udalost udalost;
    ChybaSkriptu chyba;
    bool cteni; // the line could not be read, rather than stopped the run
    bool operator==(const MistoChyby&) const = default;
};

struct Zprava {
    enum class Druh { Chyba, Akce, Nenastavena };
    Druh druh;
    std::string text;
    std::optional<MistoChyby> misto = std::nullopt;
    bool operator==(const Zprava&) const = default;
};

// Rows of cells: a[i] is a[0, i], as in the engine.
using Pole = std::vector<std::vector<std::optional<Hodnota>>>;
using Promenna = std::variant<Hodnota, Pole>;

struct Stav {
    Stav();

    // Adds a message unless NejvicZprav are waiting already.
    void pridejZpravu(Zprava::Druh druh, std::string text,
                      std::optional<MistoChyby> misto = std::nullopt);

    // Looked up on every read and write of a variable, so hashed rather than ordered.
    std::unordered_map<std::string, Promenna> promenne;
    std::set<int> stisknute;
    std::vector<Pismo> pisma;
    int pismo = -1;
    std::vector<Kresba> kresby;
    std::vector<Zprava> zpravy;
    std::unordered_set<std::string> nahlasene;
    // Calls and other objects' variables whose value the preview does not have and already said
    // so.
    std::unordered_set<const void*> nahlasenaVolani;
    // Names "globalvar" declared: they stand for "global.<name>".
    std::unordered_set<std::string> globalni;
    // Bytes the variables and the current drawing hold.
    std::size_t pametPromennych = 0, pametKreseb = 0;
    // The colour draw_text draws in, set by draw_set_color.
    double barvaKresby = 0;
    // The same seed every run, so that a room repeats what it drew.
    std::mt19937_64 nahoda{20260101};
    std::vector<std::string> nenastavene;
    // The pane whose script runs now, for the messages.
    std::string udalost;
};

} // namespace nahled
