#include "generators/skript.h"

#include <array>

const std::vector<std::string>& Skript::radky(Udalost udalost) const {
    static constexpr std::array<std::vector<std::string> Skript::*, udalosti.size()> radkyUdalosti{
        &Skript::create, &Skript::step, &Skript::draw, &Skript::alarm0};
    return this->*radkyUdalosti[static_cast<std::size_t>(udalost)];
}
