#include "generators/precti_highskore.h"

#include "generators/ctene_pole.h"

#include <cstdint>

namespace {

constexpr std::string_view konec = ",c_white,c_white,c_white,c_white,true)";

} // namespace

Precteno<std::vector<PolozkaHighskore>> PrectiHighskore(const VlozenyKod& kod) {
    if (auto odmitnuti = ZkontrolujVlozeni(Generator::Highskore, kod))
        return *odmitnuti;
    std::optional<OdmitnutiCteni> odmitnuti;
    CtenePole draw(Udalost::Draw, kod.draw, odmitnuti);
    std::vector<PolozkaHighskore> polozky;
    do {
        const CisloText y(std::int64_t{50} +
                          std::int64_t{30} * static_cast<std::int64_t>(polozky.size()));
        const auto nick = draw.mezi({"draw_text_color(190,", y, ","}, {konec},
                                    {"draw_text_color(190,", y, ",‹nick›", konec});
        const auto skore = draw.mezi({"draw_text_color(380,", y, ",string("}, {")", konec},
                                     {"draw_text_color(380,", y, ",string(‹skóre›)", konec});
        if (!nick || !skore)
            return *odmitnuti;
        polozky.push_back(
            {std::to_string(polozky.size() + 1), std::string(*nick), std::string(*skore)});
    } while (!draw.naKonci());

    if (auto chyba = Porovnej(Generator::Highskore, GenerujHighskore(polozky), kod))
        return *chyba;
    return polozky;
}
