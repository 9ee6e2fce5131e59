#include "app/zalozka_menu.h"

#include "app/kontrola_stranky.h"
#include "app/ukaz_skript.h"
#include "generators/cele_cislo.h"
#include "generators/generuj_menu.h"
#include "ui/blok_panelu.h"
#include "ui/hlaseni.h"
#include "ui/hlidac_zmen.h"
#include "ui/ovladace.h"
#include "ui/vzhled.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

struct NavrhRadku {
    int vrch;
    const char* popisek;
    const char* jmenoPopisku;
    std::array<const char*, 4> jmena;
    std::array<const char*, 4> texty;
};

constexpr std::array<NavrhRadku, 5> navrhRadku{{
    {79,
     "Položka 1:",
     "sLabel2",
     {"sEdit1", "sEdit6", "sEdit7", "sEdit8"},
     {"Nova hra", "250", "150", "room_goto(novahra)"}},
    {121,
     "Položka 2:",
     "sLabel3",
     {"sEdit2", "sEdit9", "sEdit13", "sEdit17"},
     {"", "250", "180", ""}},
    {167,
     "Položka 3:",
     "sLabel4",
     {"sEdit3", "sEdit10", "sEdit14", "sEdit18"},
     {"", "250", "210", ""}},
    {209,
     "Položka 4:",
     "sLabel5",
     {"sEdit4", "sEdit11", "sEdit15", "sEdit19"},
     {"", "250", "240", ""}},
    {249,
     "Položka 5:",
     "sLabel6",
     {"sEdit5", "sEdit12", "sEdit16", "sEdit20"},
     {"", "250", "270", ""}},
}};

constexpr std::array<int, 4> levaPole{192, 328, 407, 501};
constexpr std::array<int, 4> sirkaPole{113, 65, 66, 92};
constexpr std::array<const char*, 4> nadpisy{"Text položky", "Pozice x", "Pozice y", "Akce"};
constexpr std::array<int, 4> levaNadpisu{208, 336, 424, 528};

} // namespace

ZalozkaMenu::ZalozkaMenu(QLabel* stavovyPanel, QWidget* rodic)
    : QWidget(rodic), m_stav(stavovyPanel) {
    auto* plocha = new QWidget(this);

    QLabel* popisekPoctu =
        Popisek(plocha, nullptr, QStringLiteral("Počet položek:"), {24, 24}, PismoBodu(10));
    m_pocet = UpravitelnyBox(plocha, "sComboBox1", {"1", "2", "3", "4", "5"}, QStringLiteral("5"),
                             {128, 23, 65, 21});
    popisekPoctu->setBuddy(m_pocet);

    const QFont pismoNadpisu = PismoBodu(8, true);
    for (std::size_t p = 0; p < nadpisy.size(); ++p)
        Popisek(plocha, nullptr, QString::fromUtf8(nadpisy[p]), {levaNadpisu[p], 48}, pismoNadpisu);

    for (std::size_t r = 0; r < navrhRadku.size(); ++r) {
        const NavrhRadku& navrh = navrhRadku[r];
        m_radky[r].popisek = Popisek(plocha, navrh.jmenoPopisku, QString::fromUtf8(navrh.popisek),
                                     {104, navrh.vrch + 1}, PismoBodu(10));
        for (std::size_t p = 0; p < 4; ++p) {
            m_radky[r].pole[p] = Pole(plocha, navrh.jmena[p], QString::fromUtf8(navrh.texty[p]),
                                      {levaPole[p], navrh.vrch, sirkaPole[p], 21});
            // A field stands under its column's heading and beside its row's label.
            m_radky[r].pole[p]->setAccessibleName(QStringLiteral("%1 %2").arg(
                QString::fromUtf8(navrh.popisek), QString::fromUtf8(nadpisy[p])));
        }
    }

    m_tlacitko = Tlacitko(plocha, "sButton1", QStringLiteral("Vygenerovat kód"));
    m_tlacitko->setGeometry(0, 290, 105, 25);

    m_panely =
        new BlokPanelu(179,
                       {{Udalost::Create, QStringLiteral("Create"), QStringLiteral("RichEdit1")},
                        {Udalost::Step, QStringLiteral("Step"), QStringLiteral("RichEdit2")},
                        {Udalost::Draw, QStringLiteral("Draw"), QStringLiteral("RichEdit3")}},
                       Udalost::Draw, this);
    m_kontrola = new KontrolaStranky(
        m_panely, [this](const Vlozeni& pole) { ukazPole(pole); }, this);

    auto* rozlozeni = new QVBoxLayout(this);
    rozlozeni->setContentsMargins(0, 0, 0, 0);
    rozlozeni->setSpacing(0);
    rozlozeni->addWidget(plocha, 1);
    rozlozeni->addWidget(m_kontrola->radek());

    connect(m_tlacitko, &QPushButton::clicked, this, &ZalozkaMenu::sButton1Click);
    // Typed, picked from the list, stepped by the arrow keys or the wheel: every new text counts.
    connect(m_pocet, &QComboBox::editTextChanged, this, &ZalozkaMenu::sComboBox1Change);
    m_zmeny = new HlidacZmen(this);
}

void ZalozkaMenu::UmistiTlacitko(int levo) {
    m_tlacitko->move(levo, 290);
}

void ZalozkaMenu::sButton1Click() {
    VstupMenu vstup;
    vstup.pocet = m_pocet->currentText().toStdString();
    for (std::size_t r = 0; r < m_radky.size(); ++r) {
        const auto& pole = m_radky[r].pole;
        vstup.radky[r] = {pole[0]->text().toStdString(), pole[1]->text().toStdString(),
                          pole[2]->text().toStdString(), pole[3]->text().toStdString()};
    }

    m_stav->setText(QStringLiteral("0%"));
    Skript skript = GenerujMenu(vstup);
    if (UkazSkript(skript, m_panely, this))
        m_kontrola->zkontroluj(skript);
    const bool chyba = skript.chyba.has_value();
    std::vector<nahled::TextyPozice> pozice;
    for (const auto& radek : vstup.radky)
        pozice.push_back({radek.x, radek.y});
    m_kresby.Zapamatuj(std::move(skript), std::move(pozice));
    if (chyba)
        return;
    // The generation is one synchronous step, so the progress texts pass without a repaint;
    // they are kept so the panel ends the way it always has.
    for (const char* stav : {"22%", "50%", "75%", "100%", ""})
        m_stav->setText(QString::fromLatin1(stav));
}

void ZalozkaMenu::sComboBox1Change() {
    // The new text comes back here before this call goes on.
    if (m_pocet->currentText() == QStringLiteral("0"))
        return m_pocet->setEditText(QStringLiteral("1"));

    const auto prevod = PrevedNaCislo(m_pocet->currentText().toStdString());
    if (const auto* chyba = std::get_if<Chyba>(&prevod)) {
        Hlaseni::UkazChybu(this, QString::fromStdString(chyba->zprava));
        return;
    }
    const std::int32_t n = std::get<std::int32_t>(prevod);
    if (n < 1 || n > 5)
        return;
    for (std::size_t r = 0; r < m_radky.size(); ++r) {
        const bool viditelny = static_cast<std::int32_t>(r) < n;
        m_radky[r].popisek->setVisible(viditelny);
        for (QLineEdit* pole : m_radky[r].pole)
            pole->setVisible(viditelny);
    }
}

std::vector<std::optional<Puvod>> ZalozkaMenu::PuvodRadku(const std::string& draw) const {
    return m_kresby.PuvodRadku(draw);
}

std::optional<nahled::TextyPozice> ZalozkaMenu::Pozice(std::size_t radek) const {
    if (radek >= m_radky.size())
        return std::nullopt;
    const auto& pole = m_radky[radek].pole;
    return nahled::TextyPozice{pole[1]->text().toStdString(), pole[2]->text().toStdString()};
}

std::optional<nahled::TextyPozice> ZalozkaMenu::PoziceVKodu(std::size_t radek) const {
    return m_kresby.Pozice(radek);
}

std::uint64_t ZalozkaMenu::Zmeny() const {
    return m_zmeny->pocet();
}

void ZalozkaMenu::Umisti(std::size_t radek, const nahled::TextyPozice& texty) {
    if (radek >= m_radky.size())
        return;
    const HlidacZmen::Ticho ticho(*m_zmeny);
    m_radky[radek].pole[1]->setText(QString::fromStdString(texty.x));
    m_radky[radek].pole[2]->setText(QString::fromStdString(texty.y));
    sButton1Click();
}

void ZalozkaMenu::ukazPole(const Vlozeni& pole) {
    QWidget* cil = m_pocet;
    if (pole.pole != Pole::MenuPocet && pole.vstup < m_radky.size()) {
        const auto& radek = m_radky[pole.vstup].pole;
        cil = pole.pole == Pole::MenuText ? radek[0]
              : pole.pole == Pole::MenuX  ? radek[1]
              : pole.pole == Pole::MenuY  ? radek[2]
                                          : radek[3];
    }
    cil->setFocus(Qt::OtherFocusReason);
}
