#include "preview/posun.h"

#include "generators/cele_cislo.h"

#include <cstdint>
#include <utility>

using generatory::ProsteCislo;

namespace nahled {

std::optional<std::string> ProcNelzePosunout(const TextyPozice& texty) {
    for (const auto& [osa, text] : {std::pair{"x", &texty.x}, std::pair{"y", &texty.y}})
        if (!ProsteCislo(*text))
            return std::string("Tento text nelze přetáhnout: pozice ") + osa + " „" + *text +
                   "“ není prosté celé číslo. Upravte ji ve formuláři.";
    return std::nullopt;
}

std::optional<TextyPozice> Posun(const TextyPozice& texty, int dx, int dy) {
    const std::optional<std::int32_t> x = ProsteCislo(texty.x);
    const std::optional<std::int32_t> y = ProsteCislo(texty.y);
    if (!x || !y)
        return std::nullopt;
    return TextyPozice{std::to_string(std::int64_t{*x} + dx),
                       std::to_string(std::int64_t{*y} + dy)};
}

} // namespace nahled
