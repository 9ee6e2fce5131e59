#include "preview/mistnost.h"

namespace nahled {

std::string NazevUdalosti(Udalost udalost) {
    switch (udalost) {
    case Udalost::Create:
        return "Create";
    case Udalost::Step:
        return "Step";
    case Udalost::Draw:
        return "Draw";
    case Udalost::Alarm0:
        break;
    }
    return "Alarm[0]";
}

Mistnost::Mistnost(const Skripty& skripty, const ZadaneHodnoty& zadane) {
    for (const auto& [udalost, text] : skripty) {
        auto vysledek = Rozeber(text);
        if (auto* program = std::get_if<Program>(&vysledek)) {
            m_programy.emplace(udalost, std::move(*program));
            continue;
        }
        const ChybaSkriptu& c = std::get<ChybaSkriptu>(vysledek);
        m_stav.zpravy.push_back({Zprava::Druh::Chyba,
                                 NazevUdalosti(udalost) + ", řádek " + std::to_string(c.radek) +
                                     ": nelze přečíst: " + c.zprava,
                                 MistoChyby{udalost, c, true}});
    }
    for (const auto& [jmeno, h] : zadane)
        Nastav(m_stav, jmeno, h);
    spust(Udalost::Create);
}

void Mistnost::Krok(const std::set<int>& stisknute) {
    m_stav.stisknute = stisknute;
    spust(Udalost::Step);
    odpocitejAlarm();
    m_stav.kresby.clear();
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
    if (const auto c = Spust(it->second, m_stav)) {
        m_stav.zpravy.push_back({Zprava::Druh::Chyba,
                                 m_stav.udalost + ", řádek " + std::to_string(c->radek) +
                                     ": běh zastaven: " + c->zprava,
                                 MistoChyby{udalost, *c, false}});
        m_programy.erase(it);
    }
}

std::vector<Zprava> Mistnost::VezmiZpravy() {
    return std::exchange(m_stav.zpravy, {});
}

std::optional<Hodnota> Mistnost::hodnota(const std::string& jmeno) const {
    return Precti(m_stav, jmeno);
}

} // namespace nahled
