#include "preview/interpret.h"

#include "preview/promenne.h"
#include "preview/vypocet.h"

#include <cmath>
#include <new>
#include <stdexcept>

namespace nahled {

namespace {

[[noreturn]] void chyba(int radek, std::string zprava) {
    throw ChybaBehu{{radek, std::move(zprava)}};
}

// How a statement ends: on to the next, or out of a loop, to its next round, or out of the
// script.
enum class Konec { Dal, Prerus, Pokracuj, Skript };

// The call as messages show it: its name, and "(…)" for its arguments.
std::string kratce(std::string_view t, const Vyraz& volani) {
    std::string jmeno(t.substr(0, t.find('(')));
    while (!jmeno.empty() && (jmeno.back() == ' ' || jmeno.back() == '\t'))
        jmeno.pop_back();
    return jmeno + (volani.deti.empty() ? "()" : "(…)");
}

// A long call as written is cut, on a character boundary.
std::string zkrat(std::string_view t) {
    constexpr std::size_t nejvic = 200;
    if (t.size() <= nejvic)
        return std::string(t);
    std::size_t konec = nejvic;
    while (konec > 0 && (static_cast<unsigned char>(t[konec]) & 0xC0) == 0x80)
        --konec;
    return std::string(t.substr(0, konec)) + "…";
}

class Interpret {
public:
    Interpret(const Program& program, Stav& stav) : m_p(program), m_s(stav) {}

    Konec prikaz(const Prikaz* p) {
        for (;;) {
            pocitej();
            switch (p->druh) {
            case Prikaz::Druh::Kdyz:
                // The branch taken runs in this same loop, so an else-if chain adds no depth.
                if (pravda(p->vyrazy[0], "podmínka"))
                    p = &p->deti[0];
                else if (p->deti.size() > 1)
                    p = &p->deti[1];
                else
                    return Konec::Dal;
                continue;
            case Prikaz::Druh::Blok:
            case Prikaz::Druh::Globalni:
                if (p->druh == Prikaz::Druh::Globalni)
                    for (const Vyraz& jmeno : p->vyrazy)
                        m_s.globalni.insert(m_p.jmeno(jmeno));
                for (const Prikaz& d : p->deti)
                    if (const Konec k = prikaz(&d); k != Konec::Dal)
                        return k;
                return Konec::Dal;
            case Prikaz::Druh::Dokud:
            case Prikaz::Druh::DelejAz:
            case Prikaz::Druh::Opakuj:
            case Prikaz::Druh::Pro:
                return smycka(*p);
            case Prikaz::Druh::Prepni:
                return prepni(*p);
            case Prikaz::Druh::S:
                return prikaz(&p->deti[0]) == Konec::Skript ? Konec::Skript : Konec::Dal;
            case Prikaz::Druh::Pripad:
            case Prikaz::Druh::Vychozi:
                return Konec::Dal;
            case Prikaz::Druh::Prerus:
                return Konec::Prerus;
            case Prikaz::Druh::Pokracuj:
                return Konec::Pokracuj;
            case Prikaz::Druh::Konec:
                if (!p->vyrazy.empty())
                    vyraz(p->vyrazy[0]);
                return Konec::Skript;
            case Prikaz::Druh::Vyraz:
                vyraz(p->vyrazy[0], false);
                return Konec::Dal;
            case Prikaz::Druh::Prirazeni:
                prirad(*p);
                return Konec::Dal;
            }
            return Konec::Dal;
        }
    }

    Pocitadla pocitadla() const { return {m_kroky, m_operace}; }

private:
    void pocitej() {
        if (m_smycky.empty())
            return;
        if (m_kroky == NejvicKroku)
            throw ChybaBehu{{m_smycky.back(), "smyčka na řádku " + std::to_string(m_smycky.back()) +
                                                  " zastavena po 1 000 000 krocích"},
                            true};
        ++m_kroky;
    }

    void pracuj(int radek, std::size_t kolik = 1) {
        if (m_operace + kolik > NejvicOperaci)
            chyba(radek, "výpočet zastaven po 50 000 000 operacích");
        m_operace += kolik;
    }

    struct VeSmycce {
        VeSmycce(Interpret& i, int radek) : m_i(i) { m_i.m_smycky.push_back(radek); }
        ~VeSmycce() { m_i.m_smycky.pop_back(); }
        Interpret& m_i;
    };

    Konec smycka(const Prikaz& p) {
        VeSmycce v(*this, p.radek);
        const Prikaz* telo = &p.deti.back();
        double zbyva = 0;
        if (p.druh == Prikaz::Druh::Opakuj)
            zbyva = std::floor(cislo(p.vyrazy[0], "počet opakování"));
        if (p.druh == Prikaz::Druh::Pro && prikaz(&p.deti[0]) == Konec::Skript)
            return Konec::Skript;
        for (;;) {
            const bool dal = p.druh == Prikaz::Druh::Opakuj    ? zbyva-- > 0
                             : p.druh == Prikaz::Druh::DelejAz ? true
                                                               : pravda(p.vyrazy[0], "podmínka");
            if (!dal)
                return Konec::Dal;
            const Konec k = prikaz(telo);
            if (k == Konec::Prerus)
                return Konec::Dal;
            if (k == Konec::Skript)
                return k;
            if (p.druh == Prikaz::Druh::DelejAz && pravda(p.vyrazy[0], "podmínka"))
                return Konec::Dal;
            if (p.druh == Prikaz::Druh::Pro && prikaz(&p.deti[1]) == Konec::Skript)
                return Konec::Skript;
            pocitej();
        }
    }

    // Runs from the first case equal to the value, or from default, on through the cases
    // below it until a break.
    Konec prepni(const Prikaz& p) {
        const Hodnota h = vyraz(p.vyrazy[0]);
        const std::size_t nikde = p.deti.size();
        std::size_t od = nikde, vychozi = nikde;
        for (std::size_t i = 0; i < p.deti.size() && od == nikde; ++i) {
            const Prikaz& d = p.deti[i];
            if (d.druh == Prikaz::Druh::Vychozi && vychozi == nikde)
                vychozi = i;
            if (d.druh == Prikaz::Druh::Pripad && vyraz(d.vyrazy[0]) == h)
                od = i;
        }
        for (std::size_t i = od == nikde ? vychozi : od; i < p.deti.size(); ++i) {
            const Konec k = prikaz(&p.deti[i]);
            if (k == Konec::Prerus)
                return Konec::Dal;
            if (k != Konec::Dal)
                return k;
        }
        return Konec::Dal;
    }

    Hodnota vyraz(const Vyraz& v, bool hodnotaPouzita = true) {
        pracuj(v.radek);
        switch (v.druh) {
        case Vyraz::Druh::Cislo:
            return v.cislo;
        case Vyraz::Druh::Text:
            pracuj(v.radek, v.text.delka / 64);
            return std::string(m_p.usek(v.text));
        case Vyraz::Druh::Promenna:
        case Vyraz::Druh::Prvek:
            return precti(misto(v), v.radek);
        case Vyraz::Druh::Volani:
            return volej(v, hodnotaPouzita);
        case Vyraz::Druh::Unarni:
            return Unarne(
                v.op,
                cislo(v.deti[0], (std::string("operand '") + ZnakOperatoru(v.op) + "'").c_str()),
                v.radek);
        case Vyraz::Druh::Retez:
            return retez(v);
        case Vyraz::Druh::Krok:
            return krok(v);
        }
        return 0.0;
    }

    double cislo(const Vyraz& v, const char* co) {
        const Hodnota h = vyraz(v);
        if (JeText(h))
            chyba(v.radek, std::string(co) + " má být číslo, je to text");
        return std::get<double>(h);
    }

    bool pravda(const Vyraz& v, const char* co) { return JePravda(cislo(v, co)); }

    // A chain of one precedence, left to right; && and || stop at the first operand that
    // decides them.
    Hodnota retez(const Vyraz& v) {
        Hodnota h = vyraz(v.deti[0]);
        for (std::size_t i = 1; i < v.deti.size(); ++i) {
            const Vyraz& d = v.deti[i];
            if (d.spojka == Op::A || d.spojka == Op::Nebo) {
                if (JeText(h))
                    chyba(d.radek, "operand logické spojky má být číslo, je to text");
                const bool levy = JePravda(std::get<double>(h));
                if (levy == (d.spojka == Op::Nebo))
                    return levy ? 1.0 : 0.0;
                h = pravda(d, "operand logické spojky") ? 1.0 : 0.0;
                continue;
            }
            const Hodnota pravy = vyraz(d);
            if (JeText(pravy))
                pracuj(d.radek, std::get<std::string>(pravy).size() / 64);
            Spocti(d.spojka, h, pravy, d.radek);
        }
        return h;
    }

    Misto misto(const Vyraz& v) {
        Misto m{m_p.jmeno(v)};
        if (!v.znacka && !m_s.globalni.empty() && m_s.globalni.count(m.jmeno))
            m.jmeno = "global." + m.jmeno;
        if (v.druh == Vyraz::Druh::Prvek) {
            m.prvek = true;
            m.j = index(v.deti.back());
            if (v.deti.size() > 1)
                m.i = index(v.deti[0]);
        }
        return m;
    }

    std::size_t index(const Vyraz& v) {
        const double i = std::floor(cislo(v, "index pole"));
        if (!std::isfinite(i))
            chyba(v.radek, "index pole není konečné číslo");
        if (i < 0 || i >= NejvetsiIndex)
            chyba(v.radek, "index pole " + NaText(i) + " je mimo rozsah 0 až 31999");
        return static_cast<std::size_t>(i);
    }

    Hodnota precti(const Misto& m, int radek) {
        if (const Hodnota* h = Najdi(m_s, m, radek)) {
            if (const std::string* t = std::get_if<std::string>(h))
                pracuj(radek, t->size() / 64);
            return *h;
        }
        const std::string jmeno = Popis(m);
        if (m_s.nahlasene.insert(jmeno).second) {
            m_s.nenastavene.push_back(jmeno);
            m_s.pridejZpravu(Zprava::Druh::Nenastavena,
                             m_s.udalost + ", řádek " + std::to_string(radek) + ": proměnná " +
                                 jmeno + " není nastavená, čtu ji jako 0");
        }
        return 0.0;
    }

    void zapis(const Vyraz& cil, const Misto& m, Hodnota h) {
        if (!cil.znacka && HodnotaKonstanty(m_p.usek(cil.text)))
            chyba(cil.radek, m.jmeno + " je konstanta, nelze do ní zapsat");
        Zapis(m_s, m, std::move(h), cil.radek);
    }

    void prirad(const Prikaz& p) {
        const Vyraz& cil = p.vyrazy[0];
        const Misto m = misto(cil);
        Hodnota h = vyraz(p.vyrazy[1]);
        if (p.op != Op::Zadny) {
            Hodnota puvodni = precti(m, cil.radek);
            Spocti(p.op, puvodni, h, p.radek);
            h = std::move(puvodni);
        }
        zapis(cil, m, std::move(h));
    }

    Hodnota krok(const Vyraz& v) {
        const Vyraz& cil = v.deti[0];
        const Misto m = misto(cil);
        const Hodnota puvodni = precti(m, v.radek);
        if (JeText(puvodni))
            chyba(v.radek,
                  std::string("'") + (v.op == Op::Plus ? "++" : "--") + "' nelze použít na text");
        const double nova = std::get<double>(puvodni) + (v.op == Op::Plus ? 1 : -1);
        zapis(cil, m, nova);
        return v.znacka ? Hodnota{nova} : puvodni;
    }

    Hodnota volej(const Vyraz& v, bool hodnotaPouzita) {
        if (!v.znacka) {
            const std::string_view zdroj = m_p.usek(v.text);
            m_s.pridejZpravu(Zprava::Druh::Akce, "akce: " + zkrat(zdroj));
            if (hodnotaPouzita && m_s.nahlasenaVolani.insert(&v).second)
                m_s.pridejZpravu(Zprava::Druh::Nenastavena,
                                 m_s.udalost + ", řádek " + std::to_string(v.radek) +
                                     ": hodnota volání " + kratce(zdroj, v) +
                                     " v náhledu není, počítám s 0");
            return 0.0;
        }
        const Vestavena& f = Vestavenou(v.znacka);
        const std::size_t n = v.deti.size();
        if (n < f.nejmene || (f.nejvice != Libovolne && n > f.nejvice)) {
            const std::string kolik =
                f.nejmene == f.nejvice ? std::to_string(f.nejmene)
                : f.nejvice == Libovolne
                    ? "aspoň " + std::to_string(f.nejmene)
                    : std::to_string(f.nejmene) + " až " + std::to_string(f.nejvice);
            chyba(v.radek, std::string(f.jmeno) + ": čekám " + kolik + " argumentů, je jich " +
                               std::to_string(n));
        }
        std::vector<Hodnota> argumenty;
        argumenty.reserve(n);
        std::size_t textu = 0;
        for (const Vyraz& a : v.deti) {
            argumenty.push_back(vyraz(a));
            if (const std::string* t = std::get_if<std::string>(&argumenty.back()))
                textu += t->size();
            if (textu > NejvicPameti)
                chyba(v.radek,
                      std::string(f.jmeno) + ": argumenty by zabraly víc než 64 MB paměti");
        }
        return f.funkce({argumenty, m_s, v.radek, f.jmeno});
    }

    const Program& m_p;
    Stav& m_s;
    std::vector<int> m_smycky; // the lines of the loops running now, innermost last
    std::uint64_t m_kroky = 0, m_operace = 0;
};

} // namespace

std::optional<ChybaBehu> Spust(const Program& program, Stav& stav, Pocitadla* pocitadla) {
    Interpret interpret(program, stav);
    std::optional<ChybaBehu> vysledek;
    try {
        for (const Prikaz& p : program.prikazy)
            if (interpret.prikaz(&p) == Konec::Skript)
                break;
    } catch (const ChybaBehu& c) {
        vysledek = c;
    } catch (const std::bad_alloc&) {
        vysledek = ChybaBehu{{0, "náhledu došla paměť"}};
    } catch (const std::exception&) {
        vysledek = ChybaBehu{{0, "náhled tento skript nezvládl"}};
    }
    if (pocitadla)
        *pocitadla = interpret.pocitadla();
    return vysledek;
}

void Nastav(Stav& stav, const std::string& jmeno, const Hodnota& hodnota) {
    try {
        Zapis(stav, MistoZeJmena(jmeno), hodnota, 0);
    } catch (const ChybaBehu&) {
        // A value too large to hold is left unset; reading it says so.
    }
}

std::optional<Hodnota> Precti(const Stav& stav, const std::string& jmeno) {
    try {
        if (const Hodnota* h = Najdi(stav, MistoZeJmena(jmeno), 0))
            return *h;
    } catch (const ChybaBehu&) {
    }
    return std::nullopt;
}

} // namespace nahled
