#include "jazyk/vypocet.h"

#include "jazyk/vestavene.h"

#include <cmath>
#include <cstdint>

namespace nahled {

namespace {

[[noreturn]] void chyba(int radek, std::string zprava) {
    chybaBehu(radek, std::move(zprava));
}

const char* druh(const Hodnota& h) {
    return JeText(h) ? "text" : "číslo";
}

// The engine's bitwise operators work on whole numbers.
std::int64_t cele(double x, Op op, int radek) {
    const double r = std::round(x);
    if (!(std::fabs(r) < 9.2e18))
        chyba(radek, std::string("'") + ZnakOperatoru(op) + "' potřebuje celé číslo, " + NaText(x) +
                         " jím není");
    return static_cast<std::int64_t>(r);
}

double posun(std::int64_t x, std::int64_t o, bool vlevo) {
    if (o < 0 || o > 63)
        return 0;
    const auto u = static_cast<std::uint64_t>(x);
    return static_cast<double>(static_cast<std::int64_t>(vlevo ? u << o : u >> o));
}

} // namespace

void Spocti(Op op, Hodnota& a, const Hodnota& b, int radek) {
    if (JeText(a) != JeText(b))
        chyba(radek, std::string("'") + ZnakOperatoru(op) + "' nelze použít na " + druh(a) + " a " +
                         druh(b));
    const auto pravda = [&](bool p) { a = p ? 1.0 : 0.0; };
    switch (op) {
    case Op::Rovno:
        return pravda(a == b);
    case Op::Nerovno:
        return pravda(a != b);
    case Op::Mensi:
        return pravda(a < b);
    case Op::Vetsi:
        return pravda(a > b);
    case Op::MensiRovno:
        return pravda(a <= b);
    case Op::VetsiRovno:
        return pravda(a >= b);
    default:
        break;
    }
    if (std::string* levy = std::get_if<std::string>(&a)) {
        if (op != Op::Plus)
            chyba(radek, std::string("'") + ZnakOperatoru(op) + "' nelze použít na text");
        const std::string& pravy = std::get<std::string>(b);
        if (levy->size() + pravy.size() > NejdelsiText)
            chyba(radek, PrilisDlouhyText());
        *levy += pravy;
        return;
    }
    const double x = std::get<double>(a), y = std::get<double>(b);
    double& v = std::get<double>(a);
    switch (op) {
    case Op::Plus:
        v = x + y;
        return;
    case Op::Minus:
        v = x - y;
        return;
    case Op::Krat:
        v = x * y;
        return;
    case Op::Xor:
        v = JePravda(x) != JePravda(y) ? 1 : 0;
        return;
    case Op::A:
        v = JePravda(x) && JePravda(y) ? 1 : 0;
        return;
    case Op::Nebo:
        v = JePravda(x) || JePravda(y) ? 1 : 0;
        return;
    case Op::BitA:
        v = static_cast<double>(cele(x, op, radek) & cele(y, op, radek));
        return;
    case Op::BitNebo:
        v = static_cast<double>(cele(x, op, radek) | cele(y, op, radek));
        return;
    case Op::BitXor:
        v = static_cast<double>(cele(x, op, radek) ^ cele(y, op, radek));
        return;
    case Op::Vlevo:
        v = posun(cele(x, op, radek), cele(y, op, radek), true);
        return;
    case Op::Vpravo:
        v = posun(cele(x, op, radek), cele(y, op, radek), false);
        return;
    default:
        break;
    }
    if (y == 0)
        chyba(radek, op == Op::Mod ? "zbytek po dělení nulou" : "dělení nulou");
    if (op == Op::Div)
        v = std::trunc(x / y);
    else if (op == Op::Mod)
        v = std::fmod(x, y);
    else
        v = x / y;
}

double Unarne(Op op, double x, int radek) {
    switch (op) {
    case Op::Minus:
        return -x;
    case Op::Ne:
        return JePravda(x) ? 0 : 1;
    case Op::BitNe:
        return static_cast<double>(~cele(x, op, radek));
    default:
        return x;
    }
}

} // namespace nahled
