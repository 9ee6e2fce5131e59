#include "app/zalozka_menu.h"

#include "generators/cele_cislo.h"
#include "ui/cesky_pocet.h"
#include "ui/hlaseni.h"
#include "ui/hlidac_zmen.h"
#include "ui/ovladace.h"
#include "ui/vzhled.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

using generatory::Chyba;
using generatory::Pole;
using generatory::Udalost;
using generatory::Vlozeni;
using generatory::VstupMenu;

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

ZalozkaMenu::ZalozkaMenu(QWidget* rodic) : ZalozkaSVstupem(QStringLiteral("Menu"), rodic) {
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

    poskladej(plocha, "sButton1", 179,
              {{Udalost::Create, QStringLiteral("RichEdit1")},
               {Udalost::Step, QStringLiteral("RichEdit2")},
               {Udalost::Draw, QStringLiteral("RichEdit3")}},
              Udalost::Draw, QRect(0, 290, 105, 25));

    // Typed, picked from the list, stepped by the arrow keys or the wheel: every new text counts.
    connect(m_pocet, &QComboBox::editTextChanged, this, &ZalozkaMenu::sComboBox1Change);
    m_zmeny = new HlidacZmen(this);
}

void ZalozkaMenu::umistiTlacitko(int levo) {
    tlacitko()->move(levo, 290);
}

VstupMenu ZalozkaMenu::vstup() const {
    VstupMenu vstup;
    vstup.pocet = m_pocet->currentText().toStdString();
    for (std::size_t r = 0; r < m_radky.size(); ++r) {
        const auto& pole = m_radky[r].pole;
        vstup.radky[r] = {pole[0]->text().toStdString(), pole[1]->text().toStdString(),
                          pole[2]->text().toStdString(), pole[3]->text().toStdString()};
    }
    return vstup;
}

void ZalozkaMenu::nastavVstup(const VstupMenu& vstup) {
    // A field keeps its undo history unless its text changes.
    const auto nastav = [](QLineEdit* pole, const std::string& text) {
        const QString novy = QString::fromStdString(text);
        if (pole->text() != novy)
            pole->setText(novy);
    };
    for (std::size_t r = 0; r < m_radky.size(); ++r) {
        const generatory::RadekMenu& radek = vstup.radky[r];
        const auto& pole = m_radky[r].pole;
        nastav(pole[0], radek.text);
        nastav(pole[1], radek.x);
        nastav(pole[2], radek.y);
        nastav(pole[3], radek.akce);
    }
    const QString pocet = QString::fromStdString(vstup.pocet);
    if (m_pocet->currentText() != pocet) {
        // The box's own signal would show the conversion error box.
        const QSignalBlocker tichy(m_pocet);
        m_pocet->setEditText(pocet);
        ukazRadky();
    }
}

void ZalozkaMenu::generuj() {
    Q_EMIT stav(QStringLiteral("0%"));
    generatory::Skript skript = generatory::GenerujMenu(vstup());
    const bool chyba = skript.chyba.has_value();
    std::vector<nahled::TextyPozice> pozice;
    for (const generatory::RadekMenu& radek : vstup().radky)
        pozice.push_back({radek.x, radek.y});
    ukaz(std::move(skript), std::move(pozice));
    // The run is one synchronous step, so no progress text between these would ever be seen.
    if (!chyba)
        Q_EMIT stav(QString());
}

QString ZalozkaMenu::obsah() const {
    const auto prevod = generatory::PrevedNaCislo(m_pocet->currentText().toStdString());
    const auto* pocet = std::get_if<std::int32_t>(&prevod);
    return pocet ? CeskyPocet(*pocet, "položka", "položky", "položek") : QString();
}

void ZalozkaMenu::sButton1Click() {
    generuj();
}

void ZalozkaMenu::sComboBox1Change() {
    if (const std::optional<Chyba> chyba = ukazRadky())
        Hlaseni::UkazChybu(this, QString::fromStdString(chyba->zprava));
}

std::optional<Chyba> ZalozkaMenu::ukazRadky() {
    // Typed, the new text also comes back through the box's signal; both reach the same rows.
    if (m_pocet->currentText() == QStringLiteral("0"))
        m_pocet->setEditText(QStringLiteral("1"));

    const auto prevod = generatory::PrevedNaCislo(m_pocet->currentText().toStdString());
    if (const auto* chyba = std::get_if<Chyba>(&prevod))
        return *chyba;
    const std::int32_t n = std::get<std::int32_t>(prevod);
    if (n < 1 || n > 5)
        return std::nullopt;
    for (std::size_t r = 0; r < m_radky.size(); ++r) {
        const bool viditelny = static_cast<std::int32_t>(r) < n;
        m_radky[r].popisek->setVisible(viditelny);
        for (QLineEdit* pole : m_radky[r].pole)
            pole->setVisible(viditelny);
    }
    return std::nullopt;
}

std::vector<std::optional<generatory::Puvod>>
ZalozkaMenu::puvodRadku(const std::string& draw) const {
    return kresby().puvodRadku(draw);
}

std::optional<nahled::TextyPozice> ZalozkaMenu::pozice(std::size_t radek) const {
    if (radek >= m_radky.size())
        return std::nullopt;
    const auto& pole = m_radky[radek].pole;
    return nahled::TextyPozice{pole[1]->text().toStdString(), pole[2]->text().toStdString()};
}

void ZalozkaMenu::umisti(std::size_t radek, const nahled::TextyPozice& texty) {
    VstupMenu v = vstup();
    if (radek >= v.radky.size())
        return;
    v.radky[radek].x = texty.x;
    v.radky[radek].y = texty.y;
    const HlidacZmen::Ticho ticho(*m_zmeny);
    nastavVstup(v);
    generuj();
}

std::optional<nahled::TextyPozice> ZalozkaMenu::poziceVKodu(std::size_t radek) const {
    return kresby().pozice(radek);
}

std::uint64_t ZalozkaMenu::zmeny() const {
    return m_zmeny->pocet();
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
