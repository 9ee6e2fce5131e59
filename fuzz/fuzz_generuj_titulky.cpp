// Feeds GenerujTitulky random trees and options: the line counts follow the number of
// nodes and the fonts switched on, two runs agree, and the script reads back into a tree and
// options that write it again.

#include "generators/generuj_titulky.h"
#include "generators/precti_titulky.h"
#include "zpet.h"

#include "puvod_radku.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>

namespace {

PismoTitulku pismo(FuzzedDataProvider& vstupy) {
    return {vstupy.ConsumeBool(), vstupy.ConsumeRandomLengthString(12),
            vstupy.ConsumeRandomLengthString(6), vstupy.ConsumeBool(), vstupy.ConsumeBool()};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider vstupy(data, size);
    VstupTitulku vstup;
    vstup.smer = vstupy.ConsumeBool() ? "nahoru" : vstupy.ConsumeRandomLengthString(8);
    vstup.barvaPozice = vstupy.ConsumeRandomLengthString(10);
    vstup.barvaOsob = vstupy.ConsumeRandomLengthString(10);
    vstup.pismoPozice = pismo(vstupy);
    vstup.pismoOsob = pismo(vstupy);
    vstup.polozky.resize(vstupy.ConsumeIntegralInRange<std::size_t>(0, 64));
    std::size_t sPismem = 0;
    for (PolozkaTitulku& p : vstup.polozky) {
        p = {vstupy.ConsumeRandomLengthString(16), vstupy.ConsumeBool()};
        sPismem += (p.pozice ? vstup.pismoPozice : vstup.pismoOsob).zapnuto;
    }

    const Skript s = GenerujTitulky(vstup);
    const Skript znovu = GenerujTitulky(vstup);
    if (s.create != znovu.create || s.alarm0 != znovu.alarm0 || s.draw != znovu.draw)
        std::abort();

    const std::size_t m = vstup.polozky.size();
    if (m == 0) {
        if (!s.odmitnuti || !s.create.empty() || !s.alarm0.empty() || !s.draw.empty())
            std::abort();
        return 0;
    }
    const std::size_t pisma = vstup.pismoPozice.zapnuto + vstup.pismoOsob.zapnuto;
    if (s.odmitnuti || s.chyba || s.create.size() != 1 + pisma + m || s.alarm0.size() != 1 + m ||
        s.draw.size() != m + sPismem)
        std::abort();

    bool zlom = maZlom(vstup.barvaPozice) || maZlom(vstup.barvaOsob);
    for (const PismoTitulku& p : {vstup.pismoPozice, vstup.pismoOsob})
        zlom = zlom || (p.zapnuto && (maZlom(p.nazevPisma) || maZlom(p.velikost)));
    for (const PolozkaTitulku& p : vstup.polozky)
        zlom = zlom || maZlom(p.text);
    overZpet<VstupTitulku>(Generator::Titulky, s, zlom, GenerujTitulky, PrectiTitulky);
    OverPuvodRadku(s);
    return 0;
}
