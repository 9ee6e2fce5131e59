// Feeds GenerujMenu random records and checks its line counts against the count text's
// value, the count text copied unconverted, each Draw line's row, that two runs agree, and that
// the script reads back into a record that writes it again.

#include "generators/cele_cislo.h"
#include "generators/generuj_menu.h"
#include "generators/precti_menu.h"
#include "zpet.h"

#include "puvod_radku.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider vstupy(data, size);
    VstupMenu vstup;
    vstup.pocet = vstupy.ConsumeRandomLengthString(16);
    for (RadekMenu& r : vstup.radky)
        r = {vstupy.ConsumeRandomLengthString(), vstupy.ConsumeRandomLengthString(),
             vstupy.ConsumeRandomLengthString(), vstupy.ConsumeRandomLengthString()};

    const Skript s = GenerujMenu(vstup);
    const Skript znovu = GenerujMenu(vstup);
    if (s.create != znovu.create || s.step != znovu.step || s.draw != znovu.draw ||
        s.puvod != znovu.puvod)
        std::abort();
    // Row k's Draw line is placed by row k.
    if (s.puvod.size() != s.draw.size())
        std::abort();
    for (std::size_t k = 0; k < s.puvod.size(); ++k)
        if (s.puvod[k] != Puvod{k, Puvod::Cast::Nazev})
            std::abort();

    const VysledekPrevodu n = PrevedNaCislo(vstup.pocet);
    if (const auto* hodnota = std::get_if<std::int32_t>(&n)) {
        const std::size_t k = static_cast<std::size_t>(std::clamp(*hodnota, 0, 5));
        const std::size_t step = k == 0 ? 12 : 13 + 9 * (k - 1);
        if (s.chyba || s.create.size() != 1 + k || s.draw.size() != k || s.step.size() != step)
            std::abort();
        if (s.step[1] != " if(global.m_vybrany < " + vstup.pocet + "){")
            std::abort();
    } else if (!s.chyba || s.create.size() != 1 || !s.step.empty() || !s.draw.empty()) {
        std::abort();
    }

    bool zlom = maZlom(vstup.pocet);
    for (const RadekMenu& r : vstup.radky)
        zlom = zlom || maZlom(r.text) || maZlom(r.x) || maZlom(r.y) || maZlom(r.akce);
    overZpet<VstupMenu>(Generator::Menu, s, zlom, GenerujMenu, PrectiMenu);
    OverPuvodRadku(s);
    return 0;
}
