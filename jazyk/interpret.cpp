#include "jazyk/interpret_stroj.h"

#include <cmath>
#include <new>
#include <stdexcept>

namespace nahled {

Konec Interpret::prikaz(const Prikaz* p) {
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

Konec Interpret::smycka(const Prikaz& p) {
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
Konec Interpret::prepni(const Prikaz& p) {
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
