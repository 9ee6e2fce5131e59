#include "generators/cele_cislo.h"

#include <cstdint>
#include <optional>

namespace generatory {

namespace {

std::optional<int> hodnotaCislice(char c, int zaklad) {
    int hodnota = -1;
    if (c >= '0' && c <= '9')
        hodnota = c - '0';
    else if (c >= 'a' && c <= 'f')
        hodnota = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        hodnota = c - 'A' + 10;
    if (hodnota < 0 || hodnota >= zaklad)
        return std::nullopt;
    return hodnota;
}

} // namespace

Chyba ChybaPrevodu(std::string_view text) {
    return Chyba{"''" + std::string(text) + "'' is not a valid integer value"};
}

VysledekPrevodu PrevedNaCislo(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;

    bool zaporne = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        zaporne = text[i] == '-';
        ++i;
    }

    int zaklad = 10;
    if (i < text.size() && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) {
        zaklad = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0' &&
               (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        zaklad = 16;
        i += 2;
    }

    if (i == text.size())
        return ChybaPrevodu(text);

    // Accumulate the magnitude in 64 bits and stop as soon as it leaves the int32 range,
    // so arbitrarily long digit runs cannot overflow.
    const std::int64_t mez = zaporne ? std::int64_t{INT32_MAX} + 1 : INT32_MAX;
    std::int64_t velikost = 0;
    for (; i < text.size(); ++i) {
        const auto cislice = hodnotaCislice(text[i], zaklad);
        if (!cislice)
            return ChybaPrevodu(text);
        velikost = velikost * zaklad + *cislice;
        if (velikost > mez)
            return ChybaPrevodu(text);
    }
    return static_cast<std::int32_t>(zaporne ? -velikost : velikost);
}

std::optional<std::int32_t> ProsteCislo(std::string_view text) {
    const std::string_view cislice = text.substr(text.starts_with('-') ? 1 : 0);
    if (cislice.empty() || cislice.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    const auto prevod = PrevedNaCislo(text);
    if (const auto* cislo = std::get_if<std::int32_t>(&prevod))
        return *cislo;
    return std::nullopt;
}

} // namespace generatory
