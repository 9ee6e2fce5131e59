#include "jazyk/vestavene.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace nahled {

namespace {

constexpr double stupen = std::numbers::pi / 180;

template <double (*F)(double)> Hodnota jedna(const Argumenty& a) {
    return F(a.cislo(0));
}

double absolutni(double x) {
    return std::fabs(x);
}
double dolu(double x) {
    return std::floor(x);
}
double nahoru(double x) {
    return std::ceil(x);
}
double exponent(double x) {
    return std::exp(x);
}
double sinus(double x) {
    return std::sin(x);
}
double kosinus(double x) {
    return std::cos(x);
}
double tangens(double x) {
    return std::tan(x);
}
double arkusTangens(double x) {
    return std::atan(x);
}
double znamenko(double x) {
    return x > 0 ? 1 : x < 0 ? -1 : 0;
}
double zlomek(double x) {
    return x - std::trunc(x);
}
double ctverec(double x) {
    return x * x;
}
double naRadiany(double x) {
    return x * stupen;
}
double naStupne(double x) {
    return x / stupen;
}
// The engine rounds halves to even.
double zaokrouhli(double x) {
    return std::nearbyint(x);
}

// Those defined only on part of the line say so, as the engine does.
Hodnota odmocnina(const Argumenty& a) {
    const double x = a.cislo(0);
    if (x < 0)
        a.chyba("odmocnina ze záporného čísla");
    return std::sqrt(x);
}

Hodnota logaritmus(const Argumenty& a) {
    const double x = a.cislo(0);
    if (x <= 0)
        a.chyba("logaritmus je jen z kladného čísla");
    if (a.funkce == "ln")
        return std::log(x);
    return a.funkce == "log2" ? std::log2(x) : std::log10(x);
}

Hodnota logaritmusZaklad(const Argumenty& a) {
    const double z = a.cislo(0), x = a.cislo(1);
    if (x <= 0 || z <= 0 || z == 1)
        a.chyba("logaritmus je jen z kladného čísla o kladném základu různém od 1");
    return std::log(x) / std::log(z);
}

Hodnota arkus(const Argumenty& a) {
    const double x = a.cislo(0);
    if (x < -1 || x > 1)
        a.chyba("argument musí být mezi -1 a 1");
    return a.funkce == "arcsin" ? std::asin(x) : std::acos(x);
}

Hodnota mocnina(const Argumenty& a) {
    return std::pow(a.cislo(0), a.cislo(1));
}

Hodnota arkusTangens2(const Argumenty& a) {
    return std::atan2(a.cislo(0), a.cislo(1));
}

std::vector<double> cisla(const Argumenty& a) {
    std::vector<double> c;
    for (std::size_t i = 0; i < a.size(); ++i)
        c.push_back(a.cislo(i));
    return c;
}

Hodnota nejmensi(const Argumenty& a) {
    const std::vector<double> c = cisla(a);
    return *std::ranges::min_element(c);
}

Hodnota nejvetsi(const Argumenty& a) {
    const std::vector<double> c = cisla(a);
    return *std::ranges::max_element(c);
}

Hodnota prumer(const Argumenty& a) {
    double soucet = 0;
    for (double c : cisla(a))
        soucet += c;
    return soucet / static_cast<double>(a.size());
}

// The middle one; of an even count, the smaller of the two middle ones.
Hodnota median(const Argumenty& a) {
    std::vector<double> c = cisla(a);
    const auto stred = c.begin() + static_cast<std::ptrdiff_t>((c.size() - 1) / 2);
    std::nth_element(c.begin(), stred, c.end());
    return *stred;
}

Hodnota vzdalenost(const Argumenty& a) {
    return std::hypot(a.cislo(2) - a.cislo(0), a.cislo(3) - a.cislo(1));
}

// Degrees counter-clockwise, with y growing downwards as in the room.
Hodnota smer(const Argumenty& a) {
    const double uhel = std::atan2(a.cislo(1) - a.cislo(3), a.cislo(2) - a.cislo(0)) / stupen;
    return uhel < 0 ? uhel + 360 : uhel;
}

Hodnota delkaX(const Argumenty& a) {
    return a.cislo(0) * std::cos(a.cislo(1) * stupen);
}

Hodnota delkaY(const Argumenty& a) {
    return -a.cislo(0) * std::sin(a.cislo(1) * stupen);
}

Hodnota jeCislo(const Argumenty& a) {
    return JeText(a.a[0]) ? 0.0 : 1.0;
}

Hodnota jeText(const Argumenty& a) {
    return JeText(a.a[0]) ? 1.0 : 0.0;
}

constexpr Vestavena matematika[]{
    {"abs", 1, 1, jedna<absolutni>},
    {"sign", 1, 1, jedna<znamenko>},
    {"round", 1, 1, jedna<zaokrouhli>},
    {"floor", 1, 1, jedna<dolu>},
    {"ceil", 1, 1, jedna<nahoru>},
    {"frac", 1, 1, jedna<zlomek>},
    {"sqrt", 1, 1, odmocnina},
    {"sqr", 1, 1, jedna<ctverec>},
    {"power", 2, 2, mocnina},
    {"exp", 1, 1, jedna<exponent>},
    {"ln", 1, 1, logaritmus},
    {"log2", 1, 1, logaritmus},
    {"log10", 1, 1, logaritmus},
    {"logn", 2, 2, logaritmusZaklad},
    {"sin", 1, 1, jedna<sinus>},
    {"cos", 1, 1, jedna<kosinus>},
    {"tan", 1, 1, jedna<tangens>},
    {"arcsin", 1, 1, arkus},
    {"arccos", 1, 1, arkus},
    {"arctan", 1, 1, jedna<arkusTangens>},
    {"arctan2", 2, 2, arkusTangens2},
    {"degtorad", 1, 1, jedna<naRadiany>},
    {"radtodeg", 1, 1, jedna<naStupne>},
    {"min", 1, Libovolne, nejmensi},
    {"max", 1, Libovolne, nejvetsi},
    {"mean", 1, Libovolne, prumer},
    {"median", 1, Libovolne, median},
    {"point_distance", 4, 4, vzdalenost},
    {"point_direction", 4, 4, smer},
    {"lengthdir_x", 2, 2, delkaX},
    {"lengthdir_y", 2, 2, delkaY},
    {"is_real", 1, 1, jeCislo},
    {"is_string", 1, 1, jeText},
};

} // namespace

std::span<const Vestavena> VestaveneMatematiky() {
    return matematika;
}

} // namespace nahled
