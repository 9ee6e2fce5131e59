#include "preview/slova_formulare.h"

using generatory::Skript;
using generatory::Udalost;
using generatory::Vlozeni;

namespace nahled {

namespace {

std::string cislo(std::size_t n) {
    return std::to_string(n);
}

std::string pismo(std::size_t vstup) {
    return vstup == 0 ? "Pozice font" : "Osoby font";
}

} // namespace

SlovaFormulare::SlovaFormulare(const Skript& skript) {
    const auto& draw = skript.radky(Udalost::Draw);
    const auto& puvod = skript.puvodRadku(Udalost::Draw);
    for (std::size_t r = 0; r < puvod.size(); ++r)
        for (const Vlozeni& v : puvod[r])
            if (v.pole == generatory::Pole::NastaveniNazev)
                m_nazvyNastaveni.try_emplace(v.vstup, draw[r].substr(v.zacatek, v.delka));
}

std::string SlovaFormulare::jmeno(const Vlozeni& v, const std::string& text) const {
    const std::string polozka = "Položka " + cislo(v.vstup + 1) + ": ";
    std::string nastaveni = "Položka č. " + cislo(v.vstup + 1);
    if (const auto nazev = m_nazvyNastaveni.find(v.vstup); nazev != m_nazvyNastaveni.end())
        nastaveni += " „" + nazev->second + "“";
    nastaveni += ": ";
    switch (v.pole) {
    case generatory::Pole::MenuPocet:
        return "Počet položek";
    case generatory::Pole::MenuText:
        return polozka + "Text položky";
    case generatory::Pole::MenuX:
        return polozka + "Pozice x";
    case generatory::Pole::MenuY:
        return polozka + "Pozice y";
    case generatory::Pole::MenuAkce:
        return polozka + "Akce";
    case generatory::Pole::NastaveniNazev:
        return nastaveni + "Název Položky";
    case generatory::Pole::NastaveniX:
        return nastaveni + "Pozice x";
    case generatory::Pole::NastaveniY:
        return nastaveni + "Pozice y";
    case generatory::Pole::NastaveniHodnota:
        return nastaveni + "Hodnota č. " + cislo(v.kus + 1);
    case generatory::Pole::NastaveniAkce:
        return nastaveni + "Akce č. " + cislo(v.kus + 1);
    case generatory::Pole::HighskoreNick:
        return polozka + "Nick";
    case generatory::Pole::HighskoreSkore:
        return polozka + "Skóre";
    case generatory::Pole::TitulkyText:
        return "Text uzlu „" + text + "“";
    case generatory::Pole::TitulkySmer:
        return "Směr posouvání";
    case generatory::Pole::TitulkyBarvaPozice:
        return "Barva pozice";
    case generatory::Pole::TitulkyBarvaOsob:
        return "Barva osob";
    case generatory::Pole::TitulkyPismo:
        return pismo(v.vstup);
    case generatory::Pole::TitulkyNazevPisma:
        return pismo(v.vstup) + ": název písma";
    case generatory::Pole::TitulkyVelikostPisma:
        return pismo(v.vstup) + ": velikost";
    case generatory::Pole::TitulkyTucne:
        return pismo(v.vstup) + ": tučně";
    case generatory::Pole::TitulkyKurziva:
        break;
    }
    return pismo(v.vstup) + ": kurzíva";
}

std::string SlovaFormulare::jePrazdne(const Vlozeni& v, const std::string& text) const {
    switch (v.pole) {
    case generatory::Pole::MenuPocet:
    case generatory::Pole::MenuText:
    case generatory::Pole::NastaveniNazev:
    case generatory::Pole::HighskoreNick:
    case generatory::Pole::TitulkyText:
    case generatory::Pole::TitulkyNazevPisma:
        return jmeno(v, text) + " je prázdný";
    case generatory::Pole::HighskoreSkore:
        return jmeno(v, text) + " je prázdné";
    default:
        return jmeno(v, text) + " je prázdná";
    }
}

} // namespace nahled
