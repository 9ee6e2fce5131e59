// Runs random scripts in the preview's room for a few steps with random keys: whatever the
// text, the room reports problems as messages and never fails itself, every script run ends
// within its budget, and two rooms given the same scripts and keys draw and say the same.

#include "preview/mistnost.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>

using namespace nahled;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider vstupy(data, size);
    Skripty skripty;
    for (const generatory::PopisUdalosti& popis : generatory::udalosti)
        skripty[popis.udalost] = vstupy.ConsumeRandomLengthString(400);
    std::vector<std::set<int>> klavesy(vstupy.ConsumeIntegralInRange<std::size_t>(0, 8));
    for (std::set<int>& k : klavesy)
        if (vstupy.ConsumeBool())
            k.insert(vstupy.PickValueInArray({Nahoru, Dolu, Vlevo, Vpravo, Enter}));

    Mistnost a(skripty);
    Mistnost b(skripty);
    for (const std::set<int>& k : klavesy) {
        a.krok(k);
        b.krok(k);
        if (a.kresby() != b.kresby())
            std::abort();
        if (a.pocitadla().kroky > NejvicKroku || a.pocitadla().operace > NejvicOperaci)
            std::abort();
    }
    if (a.vezmiZpravy() != b.vezmiZpravy())
        std::abort();
    return 0;
}
