#include "jazyk/vestavene.h"

#include <algorithm>
#include <cmath>

namespace nahled {

namespace {

// A number from [0, 1) out of the room's own generator, the same on every machine.
double nahodne(Stav& s) {
    return static_cast<double>(s.nahoda() >> 11) * 0x1.0p-53;
}

Hodnota nahoda(const Argumenty& a) {
    return nahodne(a.stav) * a.cislo(0);
}

Hodnota nahodaMezi(const Argumenty& a) {
    const double od = a.cislo(0);
    return od + nahodne(a.stav) * (a.cislo(1) - od);
}

double celaMezi(const Argumenty& a, long long od, long long po) {
    if (po < od)
        std::swap(od, po);
    return static_cast<double>(od) + std::floor(nahodne(a.stav) * static_cast<double>(po - od + 1));
}

Hodnota celaNahoda(const Argumenty& a) {
    return celaMezi(a, 0, a.cele(0));
}

Hodnota celaNahodaMezi(const Argumenty& a) {
    return celaMezi(a, a.cele(0), a.cele(1));
}

Hodnota vyber(const Argumenty& a) {
    const auto i = static_cast<std::size_t>(nahodne(a.stav) * static_cast<double>(a.size()));
    return a.a[std::min(i, a.size() - 1)];
}

Hodnota nic(const Argumenty&) {
    return 0.0;
}

Hodnota nastavSemeno(const Argumenty& a) {
    a.stav.nahoda.seed(static_cast<std::uint64_t>(a.cele(0)));
    return 0.0;
}

int slozka(const Argumenty& a, std::size_t i) {
    return static_cast<int>(std::clamp(a.cele(i), 0LL, 255LL));
}

double barva(double r, double g, double b) {
    return std::round(r) + std::round(g) * 256 + std::round(b) * 65536;
}

Hodnota barvaRgb(const Argumenty& a) {
    return barva(slozka(a, 0), slozka(a, 1), slozka(a, 2));
}

Hodnota cervena(const Argumenty& a) {
    return static_cast<double>(BarvaZHodnoty(a.cislo(0)).r);
}

Hodnota zelena(const Argumenty& a) {
    return static_cast<double>(BarvaZHodnoty(a.cislo(0)).g);
}

Hodnota modra(const Argumenty& a) {
    return static_cast<double>(BarvaZHodnoty(a.cislo(0)).b);
}

Hodnota smichej(const Argumenty& a) {
    const Rgb x = BarvaZHodnoty(a.cislo(0)), y = BarvaZHodnoty(a.cislo(1));
    const double t = std::clamp(a.cislo(2), 0.0, 1.0);
    const auto mezi = [t](int p, int q) { return p + (q - p) * t; };
    return barva(mezi(x.r, y.r), mezi(x.g, y.g), mezi(x.b, y.b));
}

// Hue, saturation and value each from 0 to 255.
Hodnota barvaHsv(const Argumenty& a) {
    const double h = slozka(a, 0) / 255.0 * 6, s = slozka(a, 1) / 255.0, v = slozka(a, 2);
    const double c = v * s, x = c * (1 - std::fabs(std::fmod(h, 2) - 1)), m = v - c;
    const int sestina = std::min(5, static_cast<int>(h));
    const double r[6] = {c, x, 0, 0, x, c}, g[6] = {x, c, c, x, 0, 0}, b[6] = {0, 0, x, c, c, x};
    return barva(r[sestina] + m, g[sestina] + m, b[sestina] + m);
}

constexpr Vestavena nahodaABarvy[]{
    {"random", 1, 1, nahoda},
    {"random_range", 2, 2, nahodaMezi},
    {"irandom", 1, 1, celaNahoda},
    {"irandom_range", 2, 2, celaNahodaMezi},
    {"choose", 1, Libovolne, vyber},
    {"randomize", 0, 0, nic},
    {"random_set_seed", 1, 1, nastavSemeno},
    {"make_color_rgb", 3, 3, barvaRgb},
    {"make_color_hsv", 3, 3, barvaHsv},
    {"color_get_red", 1, 1, cervena},
    {"color_get_green", 1, 1, zelena},
    {"color_get_blue", 1, 1, modra},
    {"merge_color", 3, 3, smichej},
};

} // namespace

std::span<const Vestavena> VestaveneNahodyABarev() {
    return nahodaABarvy;
}

} // namespace nahled
