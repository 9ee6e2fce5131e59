#pragma once

// Reads a generated script as the preview does and tells, in the words of the form, what it
// cannot read: the field whose text broke a line, or, where no field is to blame, the runtime's
// own message with its pane and line.

#include "generators/skript.h"
#include "jazyk/tokeny.h"
#include "preview/mistnost.h"

#include <optional>
#include <string>
#include <vector>

namespace nahled {

struct Nalez {
    generatory::Udalost udalost;
    int radek; // from 1
    std::string zprava;
    // The field that wrote the line, for the form to show; none for fixed text.
    std::optional<generatory::Vlozeni> pole;
    bool operator==(const Nalez&) const = default;
};

// Every line of the script that cannot be read, or that a field broke, in the order of the form:
// the fields above its rows, the rows from the first, the options below them; what no field
// wrote comes last, in the order of the events and their lines. Into `prectene`, if given, what
// the reader made of each event, for the room to run.
std::vector<Nalez> Zkontroluj(const generatory::Skript& skript, Prectene* prectene = nullptr);

// An error the running script met at a line of an event.
Nalez PopisChyby(const generatory::Skript& skript, generatory::Udalost udalost,
                 const ChybaSkriptu& chyba);

} // namespace nahled
