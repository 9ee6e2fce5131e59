#include "generators/skript.h"

#include <array>
#include <utility>

namespace {

constexpr std::array<std::vector<std::string> Skript::*, udalosti.size()> radkyUdalosti{
    &Skript::create, &Skript::step, &Skript::draw, &Skript::alarm0};

} // namespace

const std::vector<std::string>& Skript::radky(Udalost udalost) const {
    return this->*radkyUdalosti[static_cast<std::size_t>(udalost)];
}

void Radek::pridej(Skript& skript, Udalost udalost) {
    (skript.*radkyUdalosti[static_cast<std::size_t>(udalost)]).push_back(std::move(m_text));
    skript.vlozeni[static_cast<std::size_t>(udalost)].push_back(std::move(m_puvod));
    m_text.clear();
    m_puvod.clear();
}

void PridejRadek(Skript& skript, Udalost udalost, std::string radek) {
    (skript.*radkyUdalosti[static_cast<std::size_t>(udalost)]).push_back(std::move(radek));
    skript.vlozeni[static_cast<std::size_t>(udalost)].emplace_back();
}
