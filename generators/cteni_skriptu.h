#pragma once

// Reading generated script back into the input that wrote it. A reader takes the texts an
// author pasted, one per event, and gives the generator's input; or a refusal that names the
// event, the line and what the form would write there. It never drops a line it cannot account
// for: whatever it returns regenerates the pasted script.

#include "generators/skript.h"
#include "generators/udalost.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace generatory {

// The pasted texts, one per event; a reader ignores the events its generator does not write.
struct VlozenyKod {
    std::string_view create, step, draw, alarm0;
    std::string_view text(Udalost udalost) const;
    std::string_view& text(Udalost udalost);
};

struct OdmitnutiCteni {
    std::string zprava;
    std::optional<Udalost> udalost; // none when no one event is at fault
    std::size_t radek = 0;          // from 1; 0 when no line is named
};

template <class Vstup> using Precteno = std::variant<Vstup, OdmitnutiCteni>;

// Which generator wrote a script, that is which tab it belongs to.
enum class Generator { Menu, Nastaveni, Highskore, Titulky };

std::string_view NazevZalozky(Generator generator);
// The events a generator writes, in the order of its tab's panes.
std::span<const Udalost> UdalostiGeneratoru(Generator generator);

// Refuses a paste whose every box is empty, or a box that holds another event's code.
std::optional<OdmitnutiCteni> ZkontrolujVlozeni(Generator generator, const VlozenyKod& kod);

// The reader's own check: what the found input writes is what was pasted, event by event and
// line by line, forgiving only line endings, blanks at line starts and ends and empty lines at a
// box's end.
std::optional<OdmitnutiCteni> Porovnej(Generator generator, const Skript& znovu,
                                       const VlozenyKod& kod);

} // namespace generatory
