#include "generators/skript.h"

#include <array>
#include <utility>

namespace generatory {

namespace {

constexpr std::array<std::vector<std::string> Skript::*, udalosti.size()> radkyUdalosti{
    &Skript::create, &Skript::step, &Skript::draw, &Skript::alarm0};

} // namespace

const std::vector<std::string>& Skript::radky(Udalost udalost) const {
    return this->*radkyUdalosti[static_cast<std::size_t>(udalost)];
}

void Skript::rezervuj(Udalost udalost, std::size_t radku, std::size_t poli) {
    const auto u = static_cast<std::size_t>(udalost);
    auto& r = this->*radkyUdalosti[u];
    r.reserve(r.size() + radku);
    vlozeni[u].rezervuj(radku, poli);
}

void Radek::pridej(Skript& skript, Udalost udalost) {
    const auto u = static_cast<std::size_t>(udalost);
    // A copy takes exactly the line's length and leaves the grown buffer for the next line.
    (skript.*radkyUdalosti[u]).emplace_back(m_text);
    skript.vlozeni[u].pridej(m_puvod);
    m_text.clear();
    m_puvod.clear();
}

void PridejRadek(Skript& skript, Udalost udalost, std::string radek) {
    const auto u = static_cast<std::size_t>(udalost);
    (skript.*radkyUdalosti[u]).push_back(std::move(radek));
    skript.vlozeni[u].pridej({});
}

} // namespace generatory
