#include "stin.h"

#include "../pomocnici.h"
#include "generators/cele_cislo.h"
#include "generators/generuj_menu.h"
#include "generators/generuj_nastaveni.h"
#include "generators/generuj_titulky.h"

#include <QRegularExpression>

#include <algorithm>
#include <variant>

namespace {

std::string u8(const QString& text) {
    return text.toStdString();
}

PismoTitulku pismo(const StinPisma& p) {
    if (!p.zapnuto)
        return {};
    return {true, u8(p.nazev), u8(p.velikost), p.tucne, p.kurziva};
}

// The grey names show their synonyms' colours: dark grey as grey, light grey as silver.
const std::map<QString, QRgb>& barvy() {
    static const std::map<QString, QRgb> tabulka{
        {"c_aqua", qRgb(0, 255, 255)},     {"c_black", qRgb(0, 0, 0)},
        {"c_blue", qRgb(0, 0, 255)},       {"c_dkgray", qRgb(128, 128, 128)},
        {"c_fuchsia", qRgb(255, 0, 255)},  {"c_gray", qRgb(128, 128, 128)},
        {"c_green", qRgb(0, 128, 0)},      {"c_lime", qRgb(0, 255, 0)},
        {"c_ltgray", qRgb(192, 192, 192)}, {"c_maroon", qRgb(128, 0, 0)},
        {"c_navy", qRgb(0, 0, 128)},       {"c_olive", qRgb(128, 128, 0)},
        {"c_purple", qRgb(128, 0, 128)},   {"c_red", qRgb(255, 0, 0)},
        {"c_silver", qRgb(192, 192, 192)}, {"c_teal", qRgb(0, 128, 128)},
        {"c_white", qRgb(255, 255, 255)},  {"c_yellow", qRgb(255, 255, 0)}};
    return tabulka;
}

} // namespace

Stin::Stin() {
    const std::array<const char*, 20> vychozi{"Nova hra", "250", "150", "room_goto(novahra)",
                                              "",         "250", "180", "",
                                              "",         "250", "210", "",
                                              "",         "250", "240", "",
                                              "",         "250", "270", ""};
    for (std::size_t i = 0; i < vychozi.size(); ++i)
        menuPole[i] = QString::fromUtf8(vychozi[i]);
    for (const char* panel : {"RichEdit1", "RichEdit2", "RichEdit3", "RichEdit4", "RichEdit5",
                              "RichEdit6", "RichEdit9", "RichEdit16", "RichEdit22", "RichEdit18"})
        panely[QString::fromLatin1(panel)] = QString();
}

void Stin::zmenaPoctu() {
    if (pocet == QStringLiteral("0"))
        pocet = QStringLiteral("1");
    const auto prevod = PrevedNaCislo(u8(pocet));
    if (const auto* chyba = std::get_if<Chyba>(&prevod)) {
        hlaseni.emplace_back(Hlaseni::Druh::Chyba,
                             Hlaseni::TextChyby(QString::fromStdString(chyba->zprava)));
        return;
    }
    const std::int32_t n = std::get<std::int32_t>(prevod);
    if (n >= 1 && n <= 5)
        viditelnychRadku = n;
}

void Stin::zmenaSmeru() {
    if (smer != QStringLiteral("nahoru") && smer != QStringLiteral("dolů"))
        smer = QStringLiteral("nahoru");
}

void Stin::zmenaBarvy(StinBarvy& barva) {
    if (!barvy().contains(barva.text))
        barva.text = barva.jmeno;
}

QRgb Stin::barvaVzorku(const QString& jmeno) {
    return barvy().at(jmeno);
}

void Stin::sbal(int pozice) {
    titulky[static_cast<std::size_t>(pozice)].rozbalena = false;
    if (vybrany.pozice == pozice)
        vybrany.osoba = -1;
}

void Stin::generujMenu() {
    VstupMenu vstup;
    vstup.pocet = u8(pocet);
    for (std::size_t r = 0; r < 5; ++r)
        vstup.radky[r] = {u8(menuPole[r * 4]), u8(menuPole[r * 4 + 1]), u8(menuPole[r * 4 + 2]),
                          u8(menuPole[r * 4 + 3])};
    const Skript skript = GenerujMenu(vstup);
    panely[QStringLiteral("RichEdit1")] = textRadku(skript.create);
    panely[QStringLiteral("RichEdit2")] = textRadku(skript.step);
    panely[QStringLiteral("RichEdit3")] = textRadku(skript.draw);
    std::vector<std::array<QString, 2>> pozice;
    for (std::size_t r = 0; r < 5; ++r)
        pozice.push_back({menuPole[r * 4 + 1], menuPole[r * 4 + 2]});
    puvodDraw[QStringLiteral("RichEdit3")] = {skript.draw, skript.puvod, pozice};
    if (skript.chyba)
        hlaseni.emplace_back(Hlaseni::Druh::Chyba,
                             Hlaseni::TextChyby(QString::fromStdString(skript.chyba->zprava)));
}

void Stin::generujNastaveni() {
    const Skript skript = GenerujNastaveni(nastaveni);
    if (skript.odmitnuti) {
        hlaseni.emplace_back(Hlaseni::Druh::Odmitnuti, QString::fromStdString(*skript.odmitnuti));
        return;
    }
    panely[QStringLiteral("RichEdit4")] = textRadku(skript.create);
    panely[QStringLiteral("RichEdit5")] = textRadku(skript.step);
    panely[QStringLiteral("RichEdit6")] = textRadku(skript.draw);
    std::vector<std::array<QString, 2>> pozice;
    for (const PolozkaNastaveni& p : nastaveni)
        pozice.push_back({QString::fromStdString(p.PoziceX), QString::fromStdString(p.PoziceY)});
    puvodDraw[QStringLiteral("RichEdit6")] = {skript.draw, skript.puvod, pozice};
    if (skript.chyba)
        hlaseni.emplace_back(Hlaseni::Druh::Chyba,
                             Hlaseni::TextChyby(QString::fromStdString(skript.chyba->zprava)));
}

void Stin::generujHighskore() {
    if (highskore.empty()) {
        hlaseni.emplace_back(Hlaseni::Druh::Odmitnuti,
                             QStringLiteral("Nejsou vytvořené žádné položky!"));
        return;
    }
    panely[QStringLiteral("RichEdit9")] = textRadku(GenerujHighskore(highskore).draw);
}

void Stin::generujTitulky() {
    VstupTitulku vstup{{},
                       u8(smer),
                       u8(barvaPozice.text),
                       u8(barvaOsob.text),
                       pismo(pismoPozice),
                       pismo(pismoOsob)};
    for (const StinPozice& p : titulky) {
        vstup.polozky.push_back({u8(p.text), true});
        for (const QString& osoba : p.osoby)
            vstup.polozky.push_back({u8(osoba), false});
    }
    const Skript skript = GenerujTitulky(vstup);
    if (skript.odmitnuti) {
        hlaseni.emplace_back(Hlaseni::Druh::Odmitnuti, QString::fromStdString(*skript.odmitnuti));
        return;
    }
    panely[QStringLiteral("RichEdit16")] = textRadku(skript.create);
    panely[QStringLiteral("RichEdit22")] = textRadku(skript.alarm0);
    panely[QStringLiteral("RichEdit18")] = textRadku(skript.draw);
}

// The preview counts the pane's lines, so a line holding line breaks takes more than one of
// them; its drawing carries the number of the first.
std::optional<Puvod> Stin::puvod(const QString& panel, int radek) const {
    const auto it = puvodDraw.find(panel);
    if (it == puvodDraw.end() || textRadku(it->second.radky) != panely.at(panel))
        return std::nullopt;
    const PosledniDraw& draw = it->second;
    int zacatek = 1;
    for (std::size_t r = 0; r < draw.radky.size() && zacatek <= radek; ++r) {
        if (zacatek == radek)
            return r < draw.puvod.size() ? draw.puvod[r] : std::nullopt;
        zacatek +=
            1 + static_cast<int>(std::count(draw.radky[r].begin(), draw.radky[r].end(), '\n'));
    }
    return std::nullopt;
}

std::optional<std::array<QString, 2>> Stin::pozice(int zalozka, std::size_t vstup) const {
    if (zalozka == 0 && vstup < 5)
        return std::array{menuPole[vstup * 4 + 1], menuPole[vstup * 4 + 2]};
    if (zalozka == 1 && vstup < nastaveni.size())
        return std::array{QString::fromStdString(nastaveni[vstup].PoziceX),
                          QString::fromStdString(nastaveni[vstup].PoziceY)};
    return std::nullopt;
}

std::optional<std::array<QString, 2>> Stin::poziceVKodu(int zalozka, std::size_t vstup) const {
    const auto it = puvodDraw.find(QString::fromLatin1(zalozka == 0 ? "RichEdit3" : "RichEdit6"));
    if (it == puvodDraw.end() || vstup >= it->second.pozice.size())
        return std::nullopt;
    return it->second.pozice[vstup];
}

void Stin::umisti(int zalozka, std::size_t vstup, const std::array<QString, 2>& texty) {
    if (zalozka == 0) {
        menuPole[vstup * 4 + 1] = texty[0];
        menuPole[vstup * 4 + 2] = texty[1];
        generujMenu();
    } else {
        nastaveni[vstup].PoziceX = u8(texty[0]);
        nastaveni[vstup].PoziceY = u8(texty[1]);
        generujNastaveni();
    }
}

bool Stin::lzePosunout(const std::array<QString, 2>& texty) {
    static const QRegularExpression cislo(QStringLiteral("^-?[0-9]+$"));
    for (const QString& text : texty) {
        bool vejdeSe = false;
        const qlonglong hodnota = text.toLongLong(&vejdeSe);
        if (!cislo.match(text).hasMatch() || !vejdeSe || hodnota < INT32_MIN || hodnota > INT32_MAX)
            return false;
    }
    return true;
}

void Stin::smazPanel(int zalozka, const QString& udalost) {
    static const std::array<std::map<QString, const char*>, 4> panelyZalozek{{
        {{"Create", "RichEdit1"}, {"Step", "RichEdit2"}, {"Draw", "RichEdit3"}},
        {{"Create", "RichEdit4"}, {"Step", "RichEdit5"}, {"Draw", "RichEdit6"}},
        {{"Draw", "RichEdit9"}},
        {{"Create", "RichEdit16"}, {"Draw", "RichEdit18"}},
    }};
    const auto& zalozky = panelyZalozek[static_cast<std::size_t>(zalozka)];
    if (const auto it = zalozky.find(udalost); it != zalozky.end())
        panely[QString::fromLatin1(it->second)].clear();
}

bool Stin::obsahujeUzel(const QString& text) const {
    for (const StinPozice& p : titulky) {
        if (p.text == text)
            return true;
        for (const QString& osoba : p.osoby)
            if (osoba == text)
                return true;
    }
    return false;
}
