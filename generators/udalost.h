#pragma once

// The events of the target engine's object that the generators write and the preview runs, with
// the captions their panes and messages carry. Every loop over events walks this one list.

#include <array>
#include <cstddef>
#include <string_view>

enum class Udalost { Create, Step, Draw, Alarm0 };

struct PopisUdalosti {
    Udalost udalost;
    std::string_view titulek;
};

inline constexpr std::array<PopisUdalosti, 4> udalosti{{
    {Udalost::Create, "Create"},
    {Udalost::Step, "Step"},
    {Udalost::Draw, "Draw"},
    {Udalost::Alarm0, "Alarm[0]"},
}};

// The list runs in the enumeration's order, so an event's number is its place in the list.
static_assert([] {
    for (std::size_t i = 0; i < udalosti.size(); ++i)
        if (udalosti[i].udalost != static_cast<Udalost>(i))
            return false;
    return true;
}());

constexpr std::string_view TitulekUdalosti(Udalost udalost) {
    for (const PopisUdalosti& popis : udalosti)
        if (popis.udalost == udalost)
            return popis.titulek;
    return {};
}
