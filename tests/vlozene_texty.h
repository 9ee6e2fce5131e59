#pragma once

// A generated script as an author pastes it back: one text per event, which a test may edit
// before the reader sees it, and the comparison the reader forgives by. No Qt, so the fuzz
// targets use it too.

#include "generators/cteni_skriptu.h"
#include "generators/skript.h"
#include "generators/spoj_radky.h"

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

struct VlozenySkript {
    std::string create, step, draw, alarm0;

    static VlozenySkript z(const generatory::Skript& s) {
        using generatory::SpojRadky;
        return {SpojRadky(s.create), SpojRadky(s.step), SpojRadky(s.draw), SpojRadky(s.alarm0)};
    }
    generatory::VlozenyKod kod() const { return {create, step, draw, alarm0}; }
    std::string& text(generatory::Udalost udalost) { return this->*pole(udalost); }
    const std::string& text(generatory::Udalost udalost) const { return this->*pole(udalost); }

    static std::string VlozenySkript::*pole(generatory::Udalost udalost) {
        switch (udalost) {
        case generatory::Udalost::Create:
            return &VlozenySkript::create;
        case generatory::Udalost::Step:
            return &VlozenySkript::step;
        case generatory::Udalost::Draw:
            return &VlozenySkript::draw;
        case generatory::Udalost::Alarm0:
            break;
        }
        return &VlozenySkript::alarm0;
    }
};

// The pasted text as the reader compares it: line breaks as LF, no blanks at line starts and ends,
// no empty lines at the end.
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
    for (std::string& r : radky) {
        while (!r.empty() && (r.back() == ' ' || r.back() == '\t'))
            r.pop_back();
        r.erase(0, r.find_first_not_of(" \t"));
    }
    while (!radky.empty() && radky.back().empty())
        radky.pop_back();
    return generatory::SpojRadky(radky);
}

inline std::vector<std::string> radkyTextu(std::string_view text) {
    std::vector<std::string> radky(1);
    for (char c : text) {
        if (c == '\n')
            radky.emplace_back();
        else
            radky.back() += c;
    }
    return radky;
}

// Line k (from 1) of a text replaced by the given lines: none removes it.
inline void nahradRadek(std::string& text, std::size_t k, const std::vector<std::string>& nove) {
    std::vector<std::string> radky = radkyTextu(text);
    radky.erase(radky.begin() + static_cast<std::ptrdiff_t>(k - 1));
    radky.insert(radky.begin() + static_cast<std::ptrdiff_t>(k - 1), nove.begin(), nove.end());
    text = generatory::SpojRadky(radky);
}

// The number (from 1) of the n-th line that equals the given one, 0 when there is none.
inline std::size_t cisloRadku(std::string_view text, std::string_view radek, int kolikaty = 1) {
    const std::vector<std::string> radky = radkyTextu(text);
    for (std::size_t i = 0; i < radky.size(); ++i)
        if (radky[i] == radek && --kolikaty == 0)
            return i + 1;
    return 0;
}

// Every occurrence replaced.
inline std::string nahradVse(std::string text, std::string_view co, std::string_view cim) {
    for (std::size_t i = text.find(co); i != std::string::npos; i = text.find(co, i + cim.size()))
        text.replace(i, co.size(), cim);
    return text;
}

// Every line indented anew as an editor may do it: a tab put before it and its own leading
// blanks doubled.
inline VlozenySkript preodsazeny(VlozenySkript v) {
    using generatory::Udalost;
    for (Udalost u : {Udalost::Create, Udalost::Step, Udalost::Draw, Udalost::Alarm0}) {
        std::vector<std::string> radky = radkyTextu(v.text(u));
        for (std::string& r : radky)
            r.insert(0, "\t" + std::string(std::min(r.find_first_not_of(' '), r.size()), ' '));
        v.text(u) = generatory::SpojRadky(radky);
    }
    return v;
}
