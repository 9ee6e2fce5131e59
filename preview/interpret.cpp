#include "preview/interpret.h"

#include "preview/vestavene.h"

#include <cmath>

namespace nahled {

namespace {

// The engine's limit for one array; larger indices would only eat memory.
constexpr double nejvetsiIndex = 32000;
// A text doubled by itself every line would otherwise fill the memory within a few steps.
constexpr std::size_t nejdelsiText = 1'000'000;

[[noreturn]] void chyba(int radek, std::string zprava) {
    throw ChybaBehu{{radek, std::move(zprava)}};
}

// Splits "a[3]" into "a" and 3; a plain name has no index.
std::pair<std::string, std::optional<std::size_t>> rozdelJmeno(const std::string& jmeno) {
    const auto zavorka = jmeno.find('[');
    if (zavorka == std::string::npos || jmeno.back() != ']')
        return {jmeno, std::nullopt};
    const std::string cislo = jmeno.substr(zavorka + 1, jmeno.size() - zavorka - 2);
    if (cislo.empty() || cislo.size() > 5 ||
        cislo.find_first_not_of("0123456789") != std::string::npos ||
        std::stoul(cislo) >= nejvetsiIndex)
        return {jmeno, std::nullopt};
    return {jmeno.substr(0, zavorka), std::stoul(cislo)};
}

void zapisDo(Stav& stav, const std::string& nazev, std::optional<std::size_t> index,
             Hodnota hodnota) {
    Promenna& p = stav.promenne[nazev];
    if (!index) {
        p = std::move(hodnota);
        return;
    }
    if (!std::holds_alternative<Pole>(p))
        p = Pole{};
    Pole& pole = std::get<Pole>(p);
    if (*index >= pole.size())
        pole.resize(*index + 1);
    pole[*index] = std::move(hodnota);
}

const char* druhHodnoty(const Hodnota& h) {
    return JeText(h) ? "text" : "číslo";
}

class Interpret {
public:
    explicit Interpret(Stav& stav) : m_s(stav) {}

    void prikaz(const Prikaz& p) {
        switch (p.druh) {
        case Prikaz::Druh::Blok:
            for (const auto& vnitrni : p.deti)
                prikaz(*vnitrni);
            break;
        case Prikaz::Druh::Kdyz:
            if (JePravda(cislo(*p.vyraz, "podmínka")))
                prikaz(*p.deti[0]);
            else if (p.deti.size() > 1)
                prikaz(*p.deti[1]);
            break;
        case Prikaz::Druh::Volani:
            vyraz(*p.vyraz);
            break;
        case Prikaz::Druh::Prirazeni:
            prirad(p);
            break;
        }
    }

private:
    Hodnota vyraz(const Vyraz& v) {
        switch (v.druh) {
        case Vyraz::Druh::Cislo:
            return v.cislo;
        case Vyraz::Druh::Text:
            return v.text;
        case Vyraz::Druh::Promenna:
            return promenna(v.text, v.radek);
        case Vyraz::Druh::Prvek:
            return prvek(v.text, index(*v.deti[0]), v.radek);
        case Vyraz::Druh::Volani:
            return volej(v);
        case Vyraz::Druh::Unarni: {
            const double c = cislo(*v.deti[0], ("operand '" + v.text + "'").c_str());
            return v.text == "-" ? -c : v.text == "!" ? (JePravda(c) ? 0.0 : 1.0) : c;
        }
        case Vyraz::Druh::Binarni:
            return binarni(v);
        }
        return 0.0;
    }

    double cislo(const Vyraz& v, const char* co) {
        const Hodnota h = vyraz(v);
        if (JeText(h))
            chyba(v.radek, std::string(co) + " má být číslo, je to text");
        return std::get<double>(h);
    }

    Hodnota binarni(const Vyraz& v) {
        const std::string& op = v.text;
        if (op == "&&" || op == "||") {
            const bool levy = JePravda(cislo(*v.deti[0], "operand logické spojky"));
            if (levy == (op == "||"))
                return levy ? 1.0 : 0.0;
            return JePravda(cislo(*v.deti[1], "operand logické spojky")) ? 1.0 : 0.0;
        }
        return spocti(op, vyraz(*v.deti[0]), vyraz(*v.deti[1]), v.radek);
    }

    Hodnota spocti(const std::string& op, const Hodnota& a, const Hodnota& b, int radek) {
        if (JeText(a) != JeText(b))
            chyba(radek, std::string("'") + op + "' nelze použít na " + druhHodnoty(a) + " a " +
                             druhHodnoty(b));
        const auto pravda = [](bool b) { return Hodnota{b ? 1.0 : 0.0}; };
        if (op == "==")
            return pravda(a == b);
        if (op == "!=")
            return pravda(a != b);
        if (op == "<")
            return pravda(a < b);
        if (op == ">")
            return pravda(a > b);
        if (op == "<=")
            return pravda(a <= b);
        if (op == ">=")
            return pravda(a >= b);
        if (JeText(a)) {
            if (op != "+")
                chyba(radek, "'" + op + "' nelze použít na text");
            const std::string &levy = std::get<std::string>(a), &pravy = std::get<std::string>(b);
            if (levy.size() + pravy.size() > nejdelsiText)
                chyba(radek, "text by byl delší než milion znaků");
            return levy + pravy;
        }
        const double x = std::get<double>(a), y = std::get<double>(b);
        if (op == "+")
            return x + y;
        if (op == "-")
            return x - y;
        if (op == "*")
            return x * y;
        if (y == 0)
            chyba(radek, "dělení nulou");
        return x / y;
    }

    std::size_t index(const Vyraz& v) {
        const double i = std::floor(cislo(v, "index pole"));
        if (i < 0 || i >= nejvetsiIndex)
            chyba(v.radek, "index pole " + NaText(i) + " je mimo rozsah 0 až 31999");
        return static_cast<std::size_t>(i);
    }

    Hodnota nenastavena(const std::string& jmeno, int radek) {
        if (m_s.nahlasene.insert(jmeno).second) {
            m_s.nenastavene.push_back(jmeno);
            m_s.zpravy.push_back({Zprava::Druh::Nenastavena,
                                  m_s.udalost + ", řádek " + std::to_string(radek) + ": proměnná " +
                                      jmeno + " není nastavená, čtu ji jako 0"});
        }
        return 0.0;
    }

    Hodnota promenna(const std::string& jmeno, int radek) {
        if (const auto konstanta = HodnotaKonstanty(jmeno))
            return *konstanta;
        const auto it = m_s.promenne.find(jmeno);
        if (it == m_s.promenne.end())
            return nenastavena(jmeno, radek);
        if (!std::holds_alternative<Hodnota>(it->second))
            chyba(radek, jmeno + " je pole: čtěte jeho prvky, např. " + jmeno + "[0]");
        return std::get<Hodnota>(it->second);
    }

    Hodnota prvek(const std::string& jmeno, std::size_t i, int radek) {
        const auto it = m_s.promenne.find(jmeno);
        if (it != m_s.promenne.end() && std::holds_alternative<Hodnota>(it->second))
            chyba(radek, jmeno + " není pole");
        const std::string cele = jmeno + "[" + std::to_string(i) + "]";
        if (it == m_s.promenne.end())
            return nenastavena(cele, radek);
        const Pole& pole = std::get<Pole>(it->second);
        if (i >= pole.size() || !pole[i])
            return nenastavena(cele, radek);
        return *pole[i];
    }

    void zapis(const Vyraz& cil, Hodnota h, std::optional<std::size_t> i) {
        if (HodnotaKonstanty(cil.text))
            chyba(cil.radek, cil.text + " je konstanta, nelze do ní zapsat");
        zapisDo(m_s, cil.text, i, std::move(h));
    }

    void prirad(const Prikaz& p) {
        const Vyraz& cil = *p.cil;
        std::optional<std::size_t> i;
        if (cil.druh == Vyraz::Druh::Prvek)
            i = index(*cil.deti[0]);
        Hodnota h = vyraz(*p.vyraz);
        if (p.op != "=") {
            const Hodnota puvodni =
                i ? prvek(cil.text, *i, cil.radek) : promenna(cil.text, cil.radek);
            h = spocti(p.op.substr(0, 1), puvodni, h, p.radek);
        }
        zapis(cil, std::move(h), i);
    }

    Hodnota volej(const Vyraz& v) {
        const Vestavena* f = NajdiVestavenou(v.text);
        if (!f) {
            m_s.zpravy.push_back({Zprava::Druh::Akce, "akce: " + v.zdroj});
            return 0.0;
        }
        if (v.deti.size() != f->pocetArgumentu)
            chyba(v.radek, v.text + ": čekám " + std::to_string(f->pocetArgumentu) +
                               " argumentů, je jich " + std::to_string(v.deti.size()));
        std::vector<Hodnota> argumenty;
        for (const auto& a : v.deti)
            argumenty.push_back(vyraz(*a));
        return f->funkce(argumenty, m_s, v.radek);
    }

    Stav& m_s;
};

} // namespace

std::optional<ChybaSkriptu> Spust(const Program& program, Stav& stav) {
    Interpret interpret(stav);
    try {
        for (const auto& p : program)
            interpret.prikaz(*p);
    } catch (const ChybaBehu& c) {
        return c.chyba;
    }
    return std::nullopt;
}

void Nastav(Stav& stav, const std::string& jmeno, const Hodnota& hodnota) {
    const auto [nazev, index] = rozdelJmeno(jmeno);
    zapisDo(stav, nazev, index, hodnota);
}

std::optional<Hodnota> Precti(const Stav& stav, const std::string& jmeno) {
    const auto [nazev, index] = rozdelJmeno(jmeno);
    const auto it = stav.promenne.find(nazev);
    if (it == stav.promenne.end())
        return std::nullopt;
    if (!index) {
        if (const Hodnota* h = std::get_if<Hodnota>(&it->second))
            return *h;
        return std::nullopt;
    }
    const Pole* pole = std::get_if<Pole>(&it->second);
    if (!pole || *index >= pole->size())
        return std::nullopt;
    return (*pole)[*index];
}

} // namespace nahled
