#include "preview/mistnost.h"

#include <algorithm>

namespace nahled {

std::string NazevUdalosti(Udalost udalost) {
    return std::string(generatory::TitulekUdalosti(udalost));
}

Mistnost::Mistnost(const Skripty& skripty, const ZadaneHodnoty& zadane, Prectene prectene) {
    for (const auto& [udalost, text] : skripty) {
        const auto hotovy = prectene.find(udalost);
        Rozbor r = hotovy != prectene.end() && hotovy->second.program.text == text
                       ? std::move(hotovy->second)
                       : Rozeber(text);
        for (const ChybaSkriptu& c : r.chyby)
            m_stav.pridejZpravu(Zprava::Druh::Chyba,
                                MistoVUdalosti(NazevUdalosti(udalost), c.radek) +
                                    "nelze přečíst: " + c.zprava,
                                MistoChyby{udalost, c, true});
        m_programy.emplace(udalost, std::move(r.program));
    }
    for (const auto& [jmeno, h] : zadane)
        Nastav(m_stav, jmeno, h);
    spust(Udalost::Create);
}

void Mistnost::krok(const std::set<int>& stisknute) {
    m_stav.stisknute = stisknute;
    spust(Udalost::Step);
    odpocitejAlarm();
    m_stav.kresby.clear();
    m_stav.pametKreseb = 0;
    spust(Udalost::Draw);
    m_stav.stisknute.clear();
}

void Mistnost::odpocitejAlarm() {
    const std::optional<Hodnota> alarm = Precti(m_stav, "alarm[0]");
    const double* zbyva = alarm ? std::get_if<double>(&*alarm) : nullptr;
    if (!zbyva || *zbyva <= 0)
        return;
    const double dal = *zbyva - 1;
    Nastav(m_stav, "alarm[0]", dal <= 0 ? -1.0 : dal);
    if (dal <= 0)
        spust(Udalost::Alarm0);
}

void Mistnost::spust(Udalost udalost) {
    const auto it = m_programy.find(udalost);
    if (it == m_programy.end())
        return;
    m_stav.udalost = NazevUdalosti(udalost);
    Pocitadla p;
    const auto c = Spust(it->second, m_stav, &p);
    m_pocitadla.kroky = std::max(m_pocitadla.kroky, p.kroky);
    m_pocitadla.operace = std::max(m_pocitadla.operace, p.operace);
    if (c) {
        const std::string& zprava = c->chyba.zprava;
        m_stav.pridejZpravu(Zprava::Druh::Chyba,
                            c->smycka ? m_stav.udalost + ": " + zprava
                                      : MistoVUdalosti(m_stav.udalost, c->chyba.radek) +
                                            "běh zastaven: " + zprava,
                            MistoChyby{udalost, c->chyba, false});
        m_programy.erase(it);
    }
}

std::vector<Zprava> Mistnost::vezmiZpravy() {
    return std::exchange(m_stav.zpravy, {});
}

std::optional<Hodnota> Mistnost::hodnota(const std::string& jmeno) const {
    return Precti(m_stav, jmeno);
}

} // namespace nahled
