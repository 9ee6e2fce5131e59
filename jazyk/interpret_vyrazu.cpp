#include "jazyk/interpret_stroj.h"
#include "jazyk/uklid.h"
#include "jazyk/vypocet.h"

#include <cmath>
#include <span>

namespace nahled {

namespace {

// The call as messages show it: its name, and "(…)" for its arguments.
std::string kratce(std::string_view t, const Vyraz& volani) {
    std::string jmeno(t.substr(0, t.find('(')));
    while (!jmeno.empty() && (jmeno.back() == ' ' || jmeno.back() == '\t'))
        jmeno.pop_back();
    return jmeno + (volani.deti.empty() ? "()" : "(…)");
}

// A long call as written is cut, on a character boundary.
std::string zkrat(std::string_view t) {
    if (t.size() <= NejdelsiCitace)
        return std::string(t);
    std::size_t konec = NejdelsiCitace;
    while (konec > 0 && (static_cast<unsigned char>(t[konec]) & 0xC0) == 0x80)
        --konec;
    return std::string(t.substr(0, konec)) + "…";
}

} // namespace

Hodnota Interpret::vyraz(const Vyraz& v, bool hodnotaPouzita) {
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
    case Vyraz::Druh::Cizi:
        if (m_s.nahlasenaVolani.insert(&v).second)
            m_s.pridejZpravu(Zprava::Druh::Nenastavena, MistoVUdalosti(m_s.udalost, v.radek) +
                                                            "hodnota " + zkrat(m_p.usek(v.text)) +
                                                            " v náhledu není, počítám s 0");
        return 0.0;
    case Vyraz::Druh::Volani:
        return volej(v, hodnotaPouzita);
    case Vyraz::Druh::Unarni:
        return Unarne(
            v.op, cislo(v.deti[0], (std::string("operand '") + ZnakOperatoru(v.op) + "'").c_str()),
            v.radek);
    case Vyraz::Druh::Retez:
        return retez(v);
    }
    return 0.0;
}

double Interpret::cislo(const Vyraz& v, const char* co) {
    const Hodnota h = vyraz(v);
    if (JeText(h))
        chybaBehu(v.radek, std::string(co) + " má být číslo, je to text");
    return std::get<double>(h);
}

// A chain of one precedence, left to right; && and || stop at the first operand that
// decides them.
Hodnota Interpret::retez(const Vyraz& v) {
    Hodnota h = vyraz(v.deti[0]);
    for (std::size_t i = 1; i < v.deti.size(); ++i) {
        const Vyraz& d = v.deti[i];
        if (d.spojka == Op::A || d.spojka == Op::Nebo) {
            if (JeText(h))
                chybaBehu(d.radek, "operand logické spojky má být číslo, je to text");
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

Misto Interpret::misto(const Vyraz& v) {
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

std::size_t Interpret::index(const Vyraz& v) {
    const double i = std::floor(cislo(v, "index pole"));
    if (!std::isfinite(i))
        chybaBehu(v.radek, "index pole není konečné číslo");
    if (i < 0 || i >= NejvetsiIndex)
        chybaBehu(v.radek,
                  "index pole " + NaText(i) + " je mimo rozsah 0 až " + NaText(NejvetsiIndex - 1));
    return static_cast<std::size_t>(i);
}

Hodnota Interpret::precti(const Misto& m, int radek) {
    if (const Hodnota* h = Najdi(m_s, m, radek)) {
        if (const std::string* t = std::get_if<std::string>(h))
            pracuj(radek, t->size() / 64);
        return *h;
    }
    const std::string jmeno = Popis(m);
    if (m_s.nahlasene.insert(jmeno).second) {
        m_s.nenastavene.push_back(jmeno);
        m_s.pridejZpravu(Zprava::Druh::Nenastavena, MistoVUdalosti(m_s.udalost, radek) +
                                                        "proměnná " + jmeno +
                                                        " není nastavená, čtu ji jako 0");
    }
    return 0.0;
}

void Interpret::zapis(const Vyraz& cil, const Misto& m, Hodnota h) {
    if (!cil.znacka && HodnotaKonstanty(m_p.usek(cil.text)))
        chybaBehu(cil.radek, m.jmeno + " je konstanta, nelze do ní zapsat");
    Zapis(m_s, m, std::move(h), cil.radek);
}

void Interpret::prirad(const Prikaz& p) {
    const Vyraz& cil = p.vyrazy[0];
    if (cil.druh == Vyraz::Druh::Cizi) {
        vyraz(p.vyrazy[1]);
        m_s.pridejZpravu(Zprava::Druh::Akce, "akce: " + zkrat(m_p.usek(cil.text)));
        return;
    }
    const Misto m = misto(cil);
    Hodnota h = vyraz(p.vyrazy[1]);
    if (p.op != Op::Zadny) {
        Hodnota puvodni = precti(m, cil.radek);
        Spocti(p.op, puvodni, h, p.radek);
        h = std::move(puvodni);
    }
    zapis(cil, m, std::move(h));
}

Hodnota Interpret::volej(const Vyraz& v, bool hodnotaPouzita) {
    if (!v.znacka) {
        const std::string_view zdroj = m_p.usek(v.text);
        m_s.pridejZpravu(Zprava::Druh::Akce, "akce: " + zkrat(zdroj));
        if (hodnotaPouzita && m_s.nahlasenaVolani.insert(&v).second)
            m_s.pridejZpravu(Zprava::Druh::Nenastavena, MistoVUdalosti(m_s.udalost, v.radek) +
                                                            "hodnota volání " + kratce(zdroj, v) +
                                                            " v náhledu není, počítám s 0");
        return 0.0;
    }
    const Vestavena& f = Vestavenou(v.znacka);
    const std::size_t n = v.deti.size();
    if (n < f.nejmene || (f.nejvice != Libovolne && n > f.nejvice)) {
        const std::string kolik = f.nejmene == f.nejvice   ? std::to_string(f.nejmene)
                                  : f.nejvice == Libovolne ? "aspoň " + std::to_string(f.nejmene)
                                                           : std::to_string(f.nejmene) + " až " +
                                                                 std::to_string(f.nejvice);
        chybaBehu(v.radek, std::string(f.jmeno) + ": čekám " + kolik + " argumentů, je jich " +
                               std::to_string(n));
    }
    const Uklid<Hodnota> uklid{m_argumenty, m_argumenty.size()};
    std::size_t textu = 0;
    for (const Vyraz& a : v.deti) {
        Hodnota h = vyraz(a);
        if (const std::string* t = std::get_if<std::string>(&h))
            textu += t->size();
        if (textu > NejvicPameti)
            chybaBehu(v.radek, std::string(f.jmeno) + ": argumenty by zabraly " + VicNezPamet());
        m_argumenty.push_back(std::move(h));
    }
    return f.funkce(
        {std::span<const Hodnota>(m_argumenty).subspan(uklid.od), m_s, v.radek, f.jmeno});
}

} // namespace nahled
