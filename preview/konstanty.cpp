#include "preview/konstanty.h"

#include <cmath>
#include <cstdint>

namespace nahled {

namespace {

constexpr double barva(int r, int g, int b) {
    return r + g * 256.0 + b * 65536.0;
}

} // namespace

const std::vector<Konstanta>& Konstanty() {
    static const std::vector<Konstanta> konstanty = [] {
        std::vector<Konstanta> k;
        for (const generatory::Barva& b : generatory::Barvy())
            k.push_back({b.jmeno, barva(b.r, b.g, b.b)});
        for (const generatory::KonstantaKlavesy& klavesa : generatory::KonstantyKlaves())
            k.push_back({klavesa.jmeno, static_cast<double>(klavesa.klavesa)});
        return k;
    }();
    return konstanty;
}

std::optional<double> HodnotaKonstanty(std::string_view jmeno) {
    for (const Konstanta& k : Konstanty())
        if (k.jmeno == jmeno)
            return k.hodnota;
    return std::nullopt;
}

Rgb BarvaZHodnoty(double hodnota) {
    const auto cislo = static_cast<std::uint32_t>(std::fmod(std::fabs(hodnota), 16777216.0));
    return {static_cast<int>(cislo & 0xFF), static_cast<int>((cislo >> 8) & 0xFF),
            static_cast<int>((cislo >> 16) & 0xFF)};
}

Rgb BarvaKonstanty(std::string_view jmeno) {
    return BarvaZHodnoty(HodnotaKonstanty(jmeno).value_or(0));
}

} // namespace nahled
