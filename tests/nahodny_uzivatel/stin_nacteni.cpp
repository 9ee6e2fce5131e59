// What reading a tab's script back must give, restated from the generators' lines: the form
// the script was generated from, but for what no line of the script holds.

#include "stin.h"

#include "generators/cele_cislo.h"
#include "generators/explode.h"

#include <algorithm>
#include <utility>
#include <variant>

namespace {

bool maZlom(const QString& text) {
    return text.contains(u'\n') || text.contains(u'\r') || text.contains(QChar::ParagraphSeparator);
}

// The values or actions text as its pieces give it again.
std::string znovuSpojene(const std::string& text) {
    const std::vector<std::string> kusy = Explode(";", text);
    std::string spojene;
    for (std::size_t i = 0; i < kusy.size(); ++i)
        spojene += (i ? ";" : "") + kusy[i];
    if (!kusy.empty() && kusy.back().empty())
        spojene += ";";
    return spojene;
}

int pocetPolozek(const QString& pocet) {
    const auto n = PrevedNaCislo(pocet.toStdString());
    return std::holds_alternative<std::int32_t>(n) ? std::clamp(std::get<std::int32_t>(n), 0, 5)
                                                   : 0;
}

} // namespace

bool Stin::citelne(int zalozka) const {
    const auto q = [](const std::string& text) { return QString::fromStdString(text); };
    switch (zalozka) {
    case 0:
        for (int r = 0; r < pocetPolozek(pocet); ++r) {
            for (int p = 0; p < 4; ++p)
                if (maZlom(menuPole[static_cast<std::size_t>(r * 4 + p)]))
                    return false;
            // Where x, y and the text meet, the reader cuts at the first separator.
            if (menuPole[static_cast<std::size_t>(r * 4 + 1)].contains(u',') ||
                menuPole[static_cast<std::size_t>(r * 4 + 2)].contains(QStringLiteral(",\"")))
                return false;
        }
        return !maZlom(pocet);
    case 1:
        return std::all_of(nastaveni.begin(), nastaveni.end(), [&](const PolozkaNastaveni& p) {
            const bool hodnoty = !Explode(";", p.Hodnoty).empty();
            return !maZlom(q(p.Nazev)) && !maZlom(q(p.PoziceX)) && !maZlom(q(p.PoziceY)) &&
                   !maZlom(q(p.Hodnoty)) && !maZlom(q(p.Akce)) &&
                   (hodnoty || !q(p.PoziceX).contains(u',')) &&
                   !q(p.PoziceY).contains(QStringLiteral(",\""));
        });
    case 2:
        return std::none_of(highskore.begin(), highskore.end(), [&](const PolozkaHighskore& p) {
            return maZlom(q(p.nick)) || maZlom(q(p.skore));
        });
    default:
        break;
    }
    for (const StinPozice& p : titulky) {
        if (maZlom(p.text) || std::any_of(p.osoby.begin(), p.osoby.end(), maZlom))
            return false;
    }
    for (const StinPisma* p : {&pismoPozice, &pismoOsob})
        if (p->zapnuto &&
            (maZlom(p->nazev) || maZlom(p->velikost) || p->nazev.contains(QStringLiteral("\","))))
            return false;
    return true;
}

bool Stin::jakoNova(int zalozka) const {
    const Stin nova;
    switch (zalozka) {
    case 0:
        return pocet == nova.pocet && menuPole == nova.menuPole;
    case 1:
        return nastaveni.empty();
    case 2:
        return highskore.empty();
    default:
        break;
    }
    // A font row switched off counts as empty, whatever its hidden fields hold.
    return titulky.empty() && smer == nova.smer && barvaPozice.text == nova.barvaPozice.text &&
           barvaOsob.text == nova.barvaOsob.text && !pismoPozice.zapnuto && !pismoOsob.zapnuto;
}

void Stin::nactiZpet(int zalozka, const Stin& puvodni) {
    const Stin nova;
    switch (zalozka) {
    case 0: {
        pocet = puvodni.pocet;
        const int polozek = pocetPolozek(pocet);
        for (std::size_t i = 0; i < menuPole.size(); ++i)
            menuPole[i] =
                static_cast<int>(i / 4) < polozek ? puvodni.menuPole[i] : nova.menuPole[i];
        zmenaPoctu();
        generujMenu();
        return;
    }
    case 1:
        nastaveni = puvodni.nastaveni;
        for (PolozkaNastaveni& p : nastaveni) {
            p.Hodnoty = znovuSpojene(p.Hodnoty);
            p.Akce = znovuSpojene(p.Akce);
        }
        generujNastaveni();
        return;
    case 2:
        highskore = puvodni.highskore;
        for (std::size_t i = 0; i < highskore.size(); ++i)
            highskore[i].id = std::to_string(i + 1);
        generujHighskore();
        return;
    default:
        break;
    }
    titulky = puvodni.titulky;
    // The tree is built anew, every position open.
    for (StinPozice& p : titulky)
        p.rozbalena = true;
    vybrany = {};
    smer = puvodni.smer;
    const bool pozice = !titulky.empty();
    const bool osoby = std::any_of(titulky.begin(), titulky.end(),
                                   [](const StinPozice& p) { return !p.osoby.empty(); });
    const QString barvaPozic = pozice ? puvodni.barvaPozice.text : nova.barvaPozice.text;
    const QString barvaOsobNova = osoby ? puvodni.barvaOsob.text : nova.barvaOsob.text;
    barvaPozice = {barvaPozic, barvaPozic};
    barvaOsob = {barvaOsobNova, barvaOsobNova};
    // A row switched off in the script is switched off here; its hidden fields keep their texts.
    for (auto [pismo, nacteno] :
         {std::pair{&pismoPozice, &puvodni.pismoPozice}, {&pismoOsob, &puvodni.pismoOsob}}) {
        if (nacteno->zapnuto)
            *pismo = *nacteno;
        else
            pismo->zapnuto = false;
    }
    generujTitulky();
}
