#pragma once

// The previewed room: one object whose Create, Step, Draw and Alarm[0] scripts run as the
// engine runs them, step by step. Of a script, what could be read runs, and every line that
// could not is reported; a script that stops with an error (a runaway loop included) is left
// out from then on, and the others keep running.

#include "generators/udalost.h"
#include "jazyk/interpret.h"

#include <map>
#include <set>
#include <utility>

namespace nahled {

using generatory::Udalost;

// The pane's caption, used in messages.
std::string NazevUdalosti(Udalost udalost);

using Skripty = std::map<Udalost, std::string>;
using ZadaneHodnoty = std::vector<std::pair<std::string, Hodnota>>;
// What the reader made of each event's text, kept so that a restart reads each event once.
using Prectene = std::map<Udalost, Rozbor>;

class Mistnost {
public:
    static constexpr int Sirka = 640;
    static constexpr int Vyska = 480;
    static constexpr int KrokuZaSekundu = 30;

    // Reads the scripts, sets the values the author gave, and runs Create. An event whose very
    // text `prectene` holds read already runs from there.
    explicit Mistnost(const Skripty& skripty, const ZadaneHodnoty& zadane = {},
                      Prectene prectene = {});

    // One step: Step with these keys pressed, the alarm countdown, then Draw.
    void krok(const std::set<int>& stisknute = {});

    const std::vector<Kresba>& kresby() const { return m_stav.kresby; }
    // The messages since the last call: errors, actions not run, unset variables.
    std::vector<Zprava> vezmiZpravy();
    // Every variable read before anything set it, in the order first read.
    const std::vector<std::string>& nenastavene() const { return m_stav.nenastavene; }
    std::optional<Hodnota> hodnota(const std::string& jmeno) const;
    // The most any one script run so far counted against its budget.
    const Pocitadla& pocitadla() const { return m_pocitadla; }

private:
    void spust(Udalost udalost);
    void odpocitejAlarm();

    std::map<Udalost, Program> m_programy;
    Stav m_stav;
    Pocitadla m_pocitadla;
};

} // namespace nahled
