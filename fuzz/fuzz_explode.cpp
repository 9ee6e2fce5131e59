// Explode's pieces hold no separator and, joined again, give back the text less one
// trailing separator.

#include "generators/explode.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider vstupy(data, size);
    const std::string oddelovac = vstupy.ConsumeBool() ? ";" : vstupy.ConsumeRandomLengthString(3);
    const std::string text = vstupy.ConsumeRemainingBytesAsString();
    const std::vector<std::string> kusy = generatory::Explode(oddelovac, text);

    if (oddelovac.empty()) {
        if (!(kusy.empty() ? text.empty() : kusy.size() == 1 && kusy[0] == text))
            std::abort();
        return 0;
    }
    std::string spojeno;
    for (std::size_t i = 0; i < kusy.size(); ++i) {
        if (kusy[i].find(oddelovac) != std::string::npos)
            std::abort();
        spojeno += (i ? oddelovac : "") + kusy[i];
    }
    // Only a separator that was matched at the very end is dropped; with a self-overlapping
    // separator ("aa" in "aaa") the text's last characters may belong to an earlier match.
    const bool koncilOddelovacem = spojeno + oddelovac == text;
    if (spojeno != text && !koncilOddelovacem)
        std::abort();
    if (oddelovac.size() == 1 && !text.empty() && text.back() == oddelovac[0] && !koncilOddelovacem)
        std::abort();
    return 0;
}
