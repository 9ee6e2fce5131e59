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
    static const std::vector<Konstanta> konstanty{
        {"c_aqua", barva(0, 255, 255)},
        {"c_black", barva(0, 0, 0)},
        {"c_blue", barva(0, 0, 255)},
        {"c_dkgray", barva(128, 128, 128)},
        {"c_fuchsia", barva(255, 0, 255)},
        {"c_gray", barva(128, 128, 128)},
        {"c_green", barva(0, 128, 0)},
        {"c_lime", barva(0, 255, 0)},
        {"c_ltgray", barva(192, 192, 192)},
        {"c_maroon", barva(128, 0, 0)},
        {"c_navy", barva(0, 0, 128)},
        {"c_olive", barva(128, 128, 0)},
        {"c_purple", barva(128, 0, 128)},
        {"c_red", barva(255, 0, 0)},
        {"c_silver", barva(192, 192, 192)},
        {"c_teal", barva(0, 128, 128)},
        {"c_white", barva(255, 255, 255)},
        {"c_yellow", barva(255, 255, 0)},
        {"vk_enter", Enter},
        {"vk_left", Vlevo},
        {"vk_up", Nahoru},
        {"vk_right", Vpravo},
        {"vk_down", Dolu},
    };
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

const std::vector<std::string_view>& KlicovaSlova() {
    static const std::vector<std::string_view> slova{
        "if",      "else",  "true",     "false",  "global", "and",  "or",        "not",
        "while",   "for",   "do",       "until",  "repeat", "with", "switch",    "case",
        "default", "break", "continue", "return", "exit",   "var",  "globalvar", "mod",
        "div",     "self",  "other",    "all",    "noone"};
    return slova;
}

} // namespace nahled
