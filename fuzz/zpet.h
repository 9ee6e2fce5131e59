#pragma once

// Reading a script back: a reader either refuses, or gives an input whose script is the pasted
// one, forgiving only line endings, blanks at line ends and empty lines at a box's end. For what
// a generator wrote from texts without line breaks it must not refuse, and the script it gives
// back is byte for byte the same.

#include "generators/cteni_skriptu.h"
#include "generators/skript.h"

#include <cstdlib>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

inline std::string spojRadky(const std::vector<std::string>& radky) {
    std::string text;
    for (std::size_t i = 0; i < radky.size(); ++i)
        text += (i ? "\n" : "") + radky[i];
    return text;
}

inline std::string normalizuj(std::string_view text) {
    std::vector<std::string> radky(1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            radky.emplace_back();
        } else {
            radky.back() += text[i];
        }
    }
    for (std::string& r : radky)
        while (!r.empty() && (r.back() == ' ' || r.back() == '\t'))
            r.pop_back();
    while (!radky.empty() && radky.back().empty())
        radky.pop_back();
    return spojRadky(radky);
}

inline bool maZlom(std::string_view text) {
    return text.find_first_of("\r\n") != std::string_view::npos;
}

struct Vlozeni {
    std::string create, step, draw, alarm0;
    VlozenyKod kod() const { return {create, step, draw, alarm0}; }
};

inline Vlozeni vlozeni(const Skript& s) {
    return {spojRadky(s.create), spojRadky(s.step), spojRadky(s.draw), spojRadky(s.alarm0)};
}

// A read either refused, or gave an input whose script is what was pasted.
template <class Vstup, class Generuj>
void overCteni(Generator generator, const VlozenyKod& kod, const Precteno<Vstup>& precteno,
               Generuj generuj) {
    const auto* vstup = std::get_if<Vstup>(&precteno);
    if (!vstup)
        return;
    const Skript znovu = generuj(*vstup);
    if (znovu.odmitnuti || znovu.chyba)
        std::abort();
    for (Udalost udalost : UdalostiGeneratoru(generator))
        if (normalizuj(spojRadky(znovu.radky(udalost))) != normalizuj(kod.text(udalost)))
            std::abort();
}

// The round trip of what a generator wrote.
template <class Vstup, class Generuj, class Precti>
void overZpet(Generator generator, const Skript& skript, bool textySeZlomem, Generuj generuj,
              Precti precti) {
    if (skript.odmitnuti)
        return;
    const Vlozeni v = vlozeni(skript);
    const Precteno<Vstup> precteno = precti(v.kod());
    if (skript.chyba) {
        if (!std::holds_alternative<OdmitnutiCteni>(precteno))
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
    const Skript znovu = generuj(*vstup);
    for (Udalost udalost : UdalostiGeneratoru(generator))
        if (znovu.radky(udalost) != skript.radky(udalost))
            std::abort();
}
