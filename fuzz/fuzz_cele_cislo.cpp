// Checks the whole-number conversion against a plain reference reading of the rules, and
// round-trips int32 values through their decimal and hexadecimal forms.

#include "generators/cele_cislo.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

namespace {

std::optional<std::int32_t> reference(const std::string& text) {
    std::size_t i = text.find_first_not_of(' ');
    if (i == std::string::npos)
        return std::nullopt;
    std::string zbytek = text.substr(i);
    bool zaporne = false;
    if (zbytek[0] == '+' || zbytek[0] == '-') {
        zaporne = zbytek[0] == '-';
        zbytek.erase(0, 1);
    }
    int zaklad = 10;
    for (const char* predpona : {"0x", "0X", "$", "x", "X"}) {
        if (zbytek.rfind(predpona, 0) == 0) {
            zaklad = 16;
            zbytek.erase(0, std::strlen(predpona));
            break;
        }
    }
    if (zbytek.empty())
        return std::nullopt;
    const char* povolene = zaklad == 16 ? "0123456789abcdefABCDEF" : "0123456789";
    if (zbytek.find_first_not_of(povolene) != std::string::npos)
        return std::nullopt;
    const std::size_t nenula = zbytek.find_first_not_of('0');
    const std::string cislice = nenula == std::string::npos ? "0" : zbytek.substr(nenula);
    if (cislice.size() > 12)
        return std::nullopt;
    long long hodnota = std::strtoll(cislice.c_str(), nullptr, zaklad);
    if (zaporne)
        hodnota = -hodnota;
    if (hodnota < INT32_MIN || hodnota > INT32_MAX)
        return std::nullopt;
    return static_cast<std::int32_t>(hodnota);
}

std::string hex(std::int64_t v) {
    static const char cislice[] = "0123456789ABCDEF";
    std::string text;
    do {
        text.insert(text.begin(), cislice[v % 16]);
        v /= 16;
    } while (v != 0);
    return text;
}

void over(const std::string& text, std::optional<std::int32_t> ocekavane) {
    const generatory::VysledekPrevodu vysledek = generatory::PrevedNaCislo(text);
    if (ocekavane) {
        if (!std::holds_alternative<std::int32_t>(vysledek) ||
            std::get<std::int32_t>(vysledek) != *ocekavane)
            std::abort();
    } else {
        const auto* chyba = std::get_if<generatory::Chyba>(&vysledek);
        if (!chyba || chyba->zprava != "''" + text + "'' is not a valid integer value")
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    over(text, reference(text));

    if (size >= 4) {
        std::int32_t v;
        std::memcpy(&v, data, sizeof v);
        over(std::to_string(v), v);
        const std::int64_t velikost = v < 0 ? -std::int64_t{v} : v;
        const std::string znamenko = v < 0 ? "-" : (size % 2 ? "+" : "");
        for (const char* predpona : {"$", "x", "X", "0x", "0X"})
            over("  " + znamenko + predpona + hex(velikost), v);
    }
    return 0;
}
