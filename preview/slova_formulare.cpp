#include "preview/slova_formulare.h"

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
            if (v.pole == ::Pole::NastaveniNazev)
                m_nazvyNastaveni.try_emplace(v.vstup, draw[r].substr(v.zacatek, v.delka));
}

std::string SlovaFormulare::jmeno(const Vlozeni& v, const std::string& text) const {
    const std::string polozka = "Položka " + cislo(v.vstup + 1) + ": ";
    std::string nastaveni = "Položka č. " + cislo(v.vstup + 1);
    if (const auto nazev = m_nazvyNastaveni.find(v.vstup); nazev != m_nazvyNastaveni.end())
        nastaveni += " „" + nazev->second + "“";
    nastaveni += ": ";
    switch (v.pole) {
    case ::Pole::MenuPocet:
        return "Počet položek";
    case ::Pole::MenuText:
        return polozka + "Text položky";
    case ::Pole::MenuX:
        return polozka + "Pozice x";
    case ::Pole::MenuY:
        return polozka + "Pozice y";
    case ::Pole::MenuAkce:
        return polozka + "Akce";
    case ::Pole::NastaveniNazev:
        return nastaveni + "Název Položky";
    case ::Pole::NastaveniX:
        return nastaveni + "Pozice x";
    case ::Pole::NastaveniY:
        return nastaveni + "Pozice y";
    case ::Pole::NastaveniHodnota:
        return nastaveni + "Hodnota č. " + cislo(v.kus + 1);
    case ::Pole::NastaveniAkce:
        return nastaveni + "Akce č. " + cislo(v.kus + 1);
    case ::Pole::HighskoreNick:
        return polozka + "Nick";
    case ::Pole::HighskoreSkore:
        return polozka + "Skóre";
    case ::Pole::TitulkyText:
        return "Text uzlu „" + text + "“";
    case ::Pole::TitulkySmer:
        return "Směr posouvání";
    case ::Pole::TitulkyBarvaPozice:
        return "Barva pozice";
    case ::Pole::TitulkyBarvaOsob:
        return "Barva osob";
    case ::Pole::TitulkyPismo:
        return pismo(v.vstup);
    case ::Pole::TitulkyNazevPisma:
        return pismo(v.vstup) + ": název písma";
    case ::Pole::TitulkyVelikostPisma:
        return pismo(v.vstup) + ": velikost";
    case ::Pole::TitulkyTucne:
        return pismo(v.vstup) + ": tučně";
    case ::Pole::TitulkyKurziva:
        break;
    }
    return pismo(v.vstup) + ": kurzíva";
}

std::string SlovaFormulare::jePrazdne(const Vlozeni& v, const std::string& text) const {
    switch (v.pole) {
    case ::Pole::MenuPocet:
    case ::Pole::MenuText:
    case ::Pole::NastaveniNazev:
    case ::Pole::HighskoreNick:
    case ::Pole::TitulkyText:
    case ::Pole::TitulkyNazevPisma:
        return jmeno(v, text) + " je prázdný";
    case ::Pole::HighskoreSkore:
        return jmeno(v, text) + " je prázdné";
    default:
        return jmeno(v, text) + " je prázdná";
    }
}

} // namespace nahled
