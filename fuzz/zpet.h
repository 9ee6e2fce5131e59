#pragma once

// Reading a script back: a reader either refuses, or gives an input whose script is the pasted
// one, forgiving only line endings, blanks at line starts and ends and empty lines at a box's end.
// For what a generator wrote from texts without line breaks it must not refuse, and the script it
// gives back is byte for byte the same.

#include "../tests/vlozene_texty.h"
#include "generators/cteni_skriptu.h"
#include "generators/skript.h"
#include "generators/spoj_radky.h"

#include <cstdlib>
#include <string_view>
#include <variant>

inline bool maZlom(std::string_view text) {
    return text.find_first_of("\r\n") != std::string_view::npos;
}

// A read either refused, or gave an input whose script is what was pasted.
template <class Vstup, class Generuj>
void overCteni(generatory::Generator generator, const generatory::VlozenyKod& kod,
               const generatory::Precteno<Vstup>& precteno, Generuj generuj) {
    const auto* vstup = std::get_if<Vstup>(&precteno);
    if (!vstup)
        return;
    const generatory::Skript znovu = generuj(*vstup);
    if (znovu.odmitnuti || znovu.chyba)
        std::abort();
    for (generatory::Udalost udalost : generatory::UdalostiGeneratoru(generator))
        if (normalizuj(generatory::SpojRadky(znovu.radky(udalost))) !=
            normalizuj(kod.text(udalost)))
            std::abort();
}

// The round trip of what a generator wrote.
template <class Vstup, class Generuj, class Precti>
void overZpet(generatory::Generator generator, const generatory::Skript& skript, bool textySeZlomem,
              Generuj generuj, Precti precti) {
    if (skript.odmitnuti)
        return;
    const VlozenySkript v = VlozenySkript::z(skript);
    const generatory::Precteno<Vstup> precteno = precti(v.kod());
    if (skript.chyba) {
        if (!std::holds_alternative<generatory::OdmitnutiCteni>(precteno))
            std::abort();
        return;
    }
    if (textySeZlomem) {
        overCteni<Vstup>(generator, v.kod(), precteno, generuj);
        return;
    }
    const auto* vstup = std::get_if<Vstup>(&precteno);
    if (!vstup)
        std::abort();
    const generatory::Skript znovu = generuj(*vstup);
    for (generatory::Udalost udalost : generatory::UdalostiGeneratoru(generator))
        if (znovu.radky(udalost) != skript.radky(udalost))
            std::abort();
}
