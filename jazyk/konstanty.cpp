#include "jazyk/konstanty.h"

#include "jazyk/tabulka_jmen.h"

#include <cmath>
#include <cstdint>
#include <numbers>

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
        // The colour boxes do not offer it, but scripts use it.
        k.push_back({"c_orange", barva(255, 160, 64)});
        for (const generatory::KonstantaKlavesy& klavesa : generatory::KonstantyKlaves())
            k.push_back({klavesa.jmeno, static_cast<double>(klavesa.klavesa)});
        k.push_back({"room_width", 640});
        k.push_back({"room_height", 480});
        k.push_back({"pi", std::numbers::pi});
        return k;
    }();
    return konstanty;
}

std::optional<double> HodnotaKonstanty(std::string_view jmeno) {
    if (jmeno.size() < 2 ||
        (jmeno[0] != 'c' && jmeno[0] != 'v' && jmeno[0] != 'r' && jmeno[0] != 'p'))
        return std::nullopt;
    static const TabulkaJmen<double> hodnoty = [] {
        std::vector<std::pair<std::string_view, double>> h;
        for (const Konstanta& k : Konstanty())
            h.emplace_back(k.jmeno, k.hodnota);
        return TabulkaJmen<double>(h);
    }();
    const double* hodnota = hodnoty.najdi(jmeno);
    if (!hodnota)
        return std::nullopt;
    return *hodnota;
}

Rgb BarvaZHodnoty(double hodnota) {
    if (!std::isfinite(hodnota))
        return {};
    const auto cislo = static_cast<std::uint32_t>(std::fmod(std::fabs(hodnota), 16777216.0));
    return {static_cast<int>(cislo & 0xFF), static_cast<int>((cislo >> 8) & 0xFF),
            static_cast<int>((cislo >> 16) & 0xFF)};
}

Rgb BarvaKonstanty(std::string_view jmeno) {
    return BarvaZHodnoty(HodnotaKonstanty(jmeno).value_or(0));
}

} // namespace nahled
