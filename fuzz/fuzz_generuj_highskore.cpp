// Feeds GenerujHighskore random rows: two lines per row, in order, two runs agree, and the
// script reads back into rows that write it again.

#include "generators/generuj_highskore.h"
#include "generators/precti_highskore.h"
#include "zpet.h"

#include "puvod_radku.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider vstupy(data, size);
    std::vector<PolozkaHighskore> radky(vstupy.ConsumeIntegralInRange<std::size_t>(0, 64));
    for (PolozkaHighskore& r : radky)
        r = {vstupy.ConsumeRandomLengthString(8), vstupy.ConsumeRandomLengthString(24),
             vstupy.ConsumeRandomLengthString(24)};

    const Skript s = GenerujHighskore(radky);
    const std::vector<std::string>& draw = s.draw;
    if (draw != GenerujHighskore(radky).draw || draw.size() != 2 * radky.size() ||
        s.odmitnuti.has_value() != radky.empty())
        std::abort();
    for (std::size_t i = 0; i < radky.size(); ++i) {
        const std::string y = std::to_string(50 + 30 * i);
        if (draw[2 * i].rfind("draw_text_color(190," + y + "," + radky[i].nick + ",", 0) != 0 ||
            draw[2 * i + 1].rfind("draw_text_color(380," + y + ",string(" + radky[i].skore + "),",
                                  0) != 0)
            std::abort();
    }

    bool zlom = false;
    for (const PolozkaHighskore& r : radky)
        zlom = zlom || maZlom(r.nick) || maZlom(r.skore);
    overZpet<std::vector<PolozkaHighskore>>(Generator::Highskore, s, zlom, GenerujHighskore,
                                            PrectiHighskore);
    OverPuvodRadku(s);
    return 0;
}
