#pragma once

// The interpreter's inner workings, shared by its statement and expression halves.

#include "jazyk/interpret.h"
#include "jazyk/promenne.h"

#include <string>
#include <string_view>
#include <vector>

namespace nahled {

// How a statement ends: on to the next, or out of a loop, to its next round, or out of the
// script.
enum class Konec { Dal, Prerus, Pokracuj, Skript };

class Interpret {
public:
    Interpret(const Program& program, Stav& stav) : m_p(program), m_s(stav) {}

    // Statements (interpret.cpp).
    Konec prikaz(const Prikaz* p);

    Pocitadla pocitadla() const { return {m_kroky, m_operace}; }

private:
    void pocitej() {
        if (m_smycky.empty())
            return;
        if (m_kroky == NejvicKroku)
            throw ChybaBehu{{m_smycky.back(), "smyčka na řádku " + std::to_string(m_smycky.back()) +
                                                  " zastavena po " + VTisicich(NejvicKroku) +
                                                  " krocích"},
                            true};
        ++m_kroky;
    }

    void pracuj(int radek, std::size_t kolik = 1) {
        if (m_operace + kolik > NejvicOperaci)
            chybaBehu(radek, "výpočet zastaven po " + VTisicich(NejvicOperaci) + " operacích");
        m_operace += kolik;
    }

    struct VeSmycce {
        VeSmycce(Interpret& i, int radek) : m_i(i) { m_i.m_smycky.push_back(radek); }
        ~VeSmycce() { m_i.m_smycky.pop_back(); }
        Interpret& m_i;
    };

    Konec smycka(const Prikaz& p);
    // Runs from the first case equal to the value, or from default, on through the cases
    // below it until a break.
    Konec prepni(const Prikaz& p);

    // Expressions, and the places they read and write (interpret_vyrazu.cpp).
    Hodnota vyraz(const Vyraz& v, bool hodnotaPouzita = true);
    double cislo(const Vyraz& v, const char* co);
    bool pravda(const Vyraz& v, const char* co) { return JePravda(cislo(v, co)); }
    // A chain of one precedence, left to right; && and || stop at the first operand that
    // decides them.
    Hodnota retez(const Vyraz& v);
    Misto misto(const Vyraz& v);
    std::size_t index(const Vyraz& v);
    Hodnota precti(const Misto& m, int radek);
    void zapis(const Vyraz& cil, const Misto& m, Hodnota h);
    void prirad(const Prikaz& p);
    Hodnota volej(const Vyraz& v, bool hodnotaPouzita);

    const Program& m_p;
    Stav& m_s;
    std::vector<int> m_smycky; // the lines of the loops running now, innermost last
    // The arguments of the calls being evaluated, innermost last: one list for all of them, so
    // that a call allocates nothing once the list has grown.
    std::vector<Hodnota> m_argumenty;
    std::uint64_t m_kroky = 0, m_operace = 0;
};

} // namespace nahled
