// Feeds the four readers random text and generated scripts mutated the way a hand or a paste
// may change them: each read either refuses or gives an input whose script is the pasted one.

#include "generators/generuj_highskore.h"
#include "generators/generuj_menu.h"
#include "generators/generuj_nastaveni.h"
#include "generators/generuj_titulky.h"
#include "generators/precti_highskore.h"
#include "generators/precti_menu.h"
#include "generators/precti_nastaveni.h"
#include "generators/precti_titulky.h"
#include "zpet.h"

#include <fuzzer/FuzzedDataProvider.h>

using generatory::Generator;
using generatory::PolozkaHighskore;
using generatory::PolozkaNastaveni;

namespace {

// Short texts, often numbers or the generators' own separators, so that whole scripts come out.
std::string text(FuzzedDataProvider& vstupy) {
    switch (vstupy.ConsumeIntegralInRange(0, 3)) {
    case 0:
        return std::to_string(vstupy.ConsumeIntegralInRange(-5, 300));
    case 1:
        return vstupy.PickValueInArray({",\"", ";", "\",", "} else", " = 640", ")", ""});
    default:
        return vstupy.ConsumeRandomLengthString(12);
    }
}

generatory::Skript nahodnySkript(Generator generator, FuzzedDataProvider& vstupy) {
    switch (generator) {
    case Generator::Menu: {
        generatory::VstupMenu v{text(vstupy), {}};
        for (generatory::RadekMenu& r : v.radky)
            r = {text(vstupy), text(vstupy), text(vstupy), text(vstupy)};
        return generatory::GenerujMenu(v);
    }
    case Generator::Nastaveni: {
        std::vector<PolozkaNastaveni> polozky(vstupy.ConsumeIntegralInRange<std::size_t>(1, 4));
        for (PolozkaNastaveni& p : polozky)
            p = {text(vstupy), text(vstupy), text(vstupy), text(vstupy) + ";" + text(vstupy),
                 text(vstupy) + ";" + text(vstupy)};
        return generatory::GenerujNastaveni(polozky);
    }
    case Generator::Highskore: {
        std::vector<PolozkaHighskore> radky(vstupy.ConsumeIntegralInRange<std::size_t>(1, 8));
        for (PolozkaHighskore& r : radky)
            r = {"", text(vstupy), text(vstupy)};
        return generatory::GenerujHighskore(radky);
    }
    case Generator::Titulky:
        break;
    }
    generatory::VstupTitulku v;
    v.smer = vstupy.ConsumeBool() ? "nahoru" : text(vstupy);
    v.barvaPozice = text(vstupy);
    v.barvaOsob = text(vstupy);
    v.pismoPozice = {vstupy.ConsumeBool(), text(vstupy), text(vstupy), vstupy.ConsumeBool(),
                     vstupy.ConsumeBool()};
    v.pismoOsob = {vstupy.ConsumeBool(), text(vstupy), text(vstupy), vstupy.ConsumeBool(),
                   vstupy.ConsumeBool()};
    v.polozky.resize(vstupy.ConsumeIntegralInRange<std::size_t>(1, 8));
    for (generatory::PolozkaTitulku& p : v.polozky)
        p = {text(vstupy), vstupy.ConsumeBool()};
    return generatory::GenerujTitulky(v);
}

// One change as a hand or a paste makes it: a text inserted, a piece cut out, a line doubled,
// line ends turned into CRLF, or two boxes swapped.
void zmen(VlozenySkript& v, FuzzedDataProvider& vstupy) {
    std::string* boxy[] = {&v.create, &v.step, &v.draw, &v.alarm0};
    std::string& box = *boxy[vstupy.ConsumeIntegralInRange(0, 3)];
    const std::size_t kde = vstupy.ConsumeIntegralInRange<std::size_t>(0, box.size());
    switch (vstupy.ConsumeIntegralInRange(0, 4)) {
    case 0:
        box.insert(kde, text(vstupy));
        break;
    case 1:
        box.erase(kde, vstupy.ConsumeIntegralInRange<std::size_t>(0, 40));
        break;
    case 2: {
        const std::size_t zacatek = box.rfind('\n', kde == 0 ? 0 : kde - 1);
        const std::size_t od = zacatek == std::string::npos ? 0 : zacatek + 1;
        const std::size_t konec = box.find('\n', kde);
        box.insert(od, box.substr(od, konec == std::string::npos ? konec : konec - od) + "\n");
        break;
    }
    case 3:
        for (std::size_t i = box.find('\n'); i != std::string::npos; i = box.find('\n', i + 2))
            box.replace(i, 1, "\r\n");
        break;
    default:
        std::swap(box, *boxy[vstupy.ConsumeIntegralInRange(0, 3)]);
    }
}

void precti(Generator generator, const generatory::VlozenyKod& kod) {
    switch (generator) {
    case Generator::Menu:
        overCteni<generatory::VstupMenu>(generator, kod, generatory::PrectiMenu(kod),
                                         generatory::GenerujMenu);
        return;
    case Generator::Nastaveni:
        overCteni<std::vector<PolozkaNastaveni>>(generator, kod, generatory::PrectiNastaveni(kod),
                                                 generatory::GenerujNastaveni);
        return;
    case Generator::Highskore:
        overCteni<std::vector<PolozkaHighskore>>(generator, kod, generatory::PrectiHighskore(kod),
                                                 generatory::GenerujHighskore);
        return;
    case Generator::Titulky:
        overCteni<generatory::VstupTitulku>(generator, kod, generatory::PrectiTitulky(kod),
                                            generatory::GenerujTitulky);
        return;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider vstupy(data, size);
    const auto generator = static_cast<Generator>(vstupy.ConsumeIntegralInRange(0, 3));
    VlozenySkript v;
    if (vstupy.ConsumeBool()) {
        v = {vstupy.ConsumeRandomLengthString(), vstupy.ConsumeRandomLengthString(),
             vstupy.ConsumeRandomLengthString(), vstupy.ConsumeRandomLengthString()};
    } else {
        // A script of another generator is a mutation too.
        const Generator zdroj = vstupy.ConsumeBool()
                                    ? generator
                                    : static_cast<Generator>(vstupy.ConsumeIntegralInRange(0, 3));
        v = VlozenySkript::z(nahodnySkript(zdroj, vstupy));
        for (int i = vstupy.ConsumeIntegralInRange(0, 3); i > 0; --i)
            zmen(v, vstupy);
    }
    precti(generator, v.kod());
    return 0;
}
