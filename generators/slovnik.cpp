#include "generators/slovnik.h"

namespace generatory {

const std::array<Barva, 18>& Barvy() {
    static constexpr std::array<Barva, 18> barvy{{
        {"c_aqua", 0, 255, 255},
        {"c_black", 0, 0, 0},
        {"c_blue", 0, 0, 255},
        {"c_dkgray", 128, 128, 128},
        {"c_fuchsia", 255, 0, 255},
        {"c_gray", 128, 128, 128},
        {"c_green", 0, 128, 0},
        {"c_lime", 0, 255, 0},
        {"c_ltgray", 192, 192, 192},
        {"c_maroon", 128, 0, 0},
        {"c_navy", 0, 0, 128},
        {"c_olive", 128, 128, 0},
        {"c_purple", 128, 0, 128},
        {"c_red", 255, 0, 0},
        {"c_silver", 192, 192, 192},
        {"c_teal", 0, 128, 128},
        {"c_white", 255, 255, 255},
        {"c_yellow", 255, 255, 0},
    }};
    return barvy;
}

const Barva* NajdiBarvu(std::string_view jmeno) {
    for (const Barva& b : Barvy())
        if (b.jmeno == jmeno)
            return &b;
    return nullptr;
}

const std::array<KonstantaKlavesy, 5>& KonstantyKlaves() {
    static constexpr std::array<KonstantaKlavesy, 5> klavesy{{
        {"vk_enter", Klavesa::Enter},
        {"vk_left", Klavesa::Vlevo},
        {"vk_up", Klavesa::Nahoru},
        {"vk_right", Klavesa::Vpravo},
        {"vk_down", Klavesa::Dolu},
    }};
    return klavesy;
}

const std::array<std::string_view, 32>& KlicovaSlova() {
    static constexpr std::array<std::string_view, 32> slova{
        "if",      "else",  "true",     "false",  "global", "and",   "or",        "not",
        "while",   "for",   "do",       "until",  "repeat", "with",  "switch",    "case",
        "default", "break", "continue", "return", "exit",   "var",   "globalvar", "mod",
        "div",     "self",  "other",    "all",    "noone",  "begin", "end",       "then"};
    return slova;
}

} // namespace generatory
