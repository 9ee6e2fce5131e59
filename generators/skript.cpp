#include "generators/skript.h"

#include <utility>

namespace {

template <typename S> auto& radkyUdalosti(S& skript, Udalost udalost) {
    switch (udalost) {
    case Udalost::Create:
        return skript.create;
    case Udalost::Step:
        return skript.step;
    case Udalost::Draw:
        return skript.draw;
    case Udalost::Alarm0:
        break;
    }
    return skript.alarm0;
}

} // namespace

const std::vector<std::string>& Skript::radky(Udalost udalost) const {
    return radkyUdalosti(*this, udalost);
}

void Radek::pridej(Skript& skript, Udalost udalost) {
    radkyUdalosti(skript, udalost).push_back(std::move(m_text));
    skript.vlozeni[static_cast<std::size_t>(udalost)].push_back(std::move(m_puvod));
    m_text.clear();
    m_puvod.clear();
}

void PridejRadek(Skript& skript, Udalost udalost, std::string radek) {
    radkyUdalosti(skript, udalost).push_back(std::move(radek));
    skript.vlozeni[static_cast<std::size_t>(udalost)].emplace_back();
}
