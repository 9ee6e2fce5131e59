// Feeds GenerujNastaveni random entries and checks its line counts against the entries'
// numbers of values and actions, which Draw lines its entries place, that two runs agree, and
// that the script reads back into entries that write it again.

#include "generators/cele_cislo.h"
#include "generators/explode.h"
#include "generators/generuj_nastaveni.h"
#include "generators/precti_nastaveni.h"
#include "zpet.h"

#include "puvod_radku.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdlib>

namespace {

std::string text(FuzzedDataProvider& vstupy) {
    // Numbers often enough that whole scripts come out, not only errors.
    if (vstupy.ConsumeBool())
        return std::to_string(vstupy.ConsumeIntegral<std::int32_t>());
    return vstupy.ConsumeRandomLengthString(24);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider vstupy(data, size);
    std::vector<PolozkaNastaveni> polozky(vstupy.ConsumeIntegralInRange<std::size_t>(0, 5));
    for (PolozkaNastaveni& p : polozky)
        p = {vstupy.ConsumeRandomLengthString(12), text(vstupy), text(vstupy),
             vstupy.ConsumeRandomLengthString(40), vstupy.ConsumeRandomLengthString(40)};

    const Skript s = GenerujNastaveni(polozky);
    const Skript znovu = GenerujNastaveni(polozky);
    if (s.create != znovu.create || s.step != znovu.step || s.draw != znovu.draw ||
        s.puvod != znovu.puvod || s.odmitnuti != znovu.odmitnuti || s.chyba != znovu.chyba)
        std::abort();
    if (s.puvod.size() != s.draw.size())
        std::abort();

    const std::size_t n = polozky.size();
    bool bezAkci = false;
    std::size_t step = n == 0 ? 0 : 26 + 8 * (n - 1), hodnot = 0;
    for (const PolozkaNastaveni& p : polozky) {
        const std::size_t v = Explode(";", p.Hodnoty).size();
        const std::size_t a = Explode(";", p.Akce).size();
        bezAkci = bezAkci || a == 0;
        const std::size_t l = v == 0 ? 0 : (v == 1 ? a : std::min(a, v - 1));
        step += 16 + a + l;
        hodnot += v;
    }

    if (n == 0 || bezAkci) {
        if (!s.odmitnuti || !s.create.empty() || !s.step.empty() || !s.draw.empty())
            std::abort();
        return 0;
    }
    if (s.odmitnuti || s.create.size() != 2 * n + 4 || s.step.size() != step)
        std::abort();
    const bool xCisla = std::all_of(polozky.begin(), polozky.end(), [](const PolozkaNastaveni& p) {
        return Explode(";", p.Hodnoty).empty() ||
               std::holds_alternative<std::int32_t>(PrevedNaCislo(p.PoziceX));
    });
    if (xCisla != !s.chyba)
        std::abort();
    if (!s.chyba && s.draw.size() != n + 3 + 3 * hodnot)
        std::abort();
    // Every name and every value text is placed by its entry, and no other line is.
    const auto umistenych =
        std::count_if(s.puvod.begin(), s.puvod.end(),
                      [](const std::optional<Puvod>& p) { return p.has_value(); });
    if (!s.chyba && static_cast<std::size_t>(umistenych) != n + hodnot)
        std::abort();

    bool zlom = false;
    for (const PolozkaNastaveni& p : polozky)
        zlom = zlom || maZlom(p.Nazev) || maZlom(p.PoziceX) || maZlom(p.PoziceY) ||
               maZlom(p.Hodnoty) || maZlom(p.Akce);
    overZpet<std::vector<PolozkaNastaveni>>(Generator::Nastaveni, s, zlom, GenerujNastaveni,
                                            PrectiNastaveni);
    OverPuvodRadku(s);
    return 0;
}
