#include "app/zalozka_titulky.h"

#include "app/strom_titulku.h"
#include "app/volba_barvy.h"
#include "dialogs/dialog_osoby.h"
#include "dialogs/dialog_pozice.h"
#include "ui/cesky_pocet.h"
#include "ui/hlaseni.h"
#include "ui/kontextova_nabidka.h"
#include "ui/ovladace.h"
#include "ui/vyber_ze_seznamu.h"
#include "ui/vzhled.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <algorithm>

using generatory::Pole;
using generatory::Udalost;
using generatory::Vlozeni;

namespace {

QLineEdit* pole(QWidget* rodic, const char* text, const char* jmeno, QRect misto) {
    QLineEdit* p = Pole(rodic, jmeno, QString::fromUtf8(text), misto);
    p->setFont(PismoPixelu(11));
    return p;
}

QCheckBox* zaskrtavatko(QWidget* rodic, const char* text, const char* jmeno, QRect misto) {
    auto* z = new QCheckBox(QString::fromUtf8(text), rodic);
    z->setObjectName(QString::fromLatin1(jmeno));
    z->setGeometry(misto);
    return z;
}

} // namespace

ZalozkaTitulky::ZalozkaTitulky(QWidget* rodic) : ZalozkaSVstupem(QStringLiteral("Titulky"), rodic) {
    auto* plocha = new QWidget(this);
    m_strom = new StromTitulku(plocha);
    m_strom->setAccessibleName(QStringLiteral("Strom titulků"));
    auto* rozlozeniPlochy = new QHBoxLayout(plocha);
    rozlozeniPlochy->setContentsMargins(0, 0, 0, 0);
    rozlozeniPlochy->addWidget(m_strom);
    rozlozeniPlochy->addStretch(1);

    QLabel* popisekSmeru =
        Popisek(plocha, "sLabel11", QStringLiteral("Směr posouvání:"), {192, 16}, PismoPixelu(13));
    m_smer =
        UpravitelnyBox(plocha, "sComboBox2", {QStringLiteral("nahoru"), QStringLiteral("dolů")},
                       QStringLiteral("nahoru"), {304, 15, 121, 21});
    popisekSmeru->setBuddy(m_smer);

    QLabel* popisekPozice =
        Popisek(plocha, "sLabel12", QStringLiteral("Barva pozice:"), {212, 48}, PismoPixelu(13));
    m_barvaPozice =
        std::make_unique<VolbaBarvy>(plocha, QStringLiteral("sComboBox3"), QStringLiteral("Image1"),
                                     QStringLiteral("c_red"), QPoint(328, 47), 47);
    popisekPozice->setBuddy(m_barvaPozice->box());
    QLabel* popisekOsob =
        Popisek(plocha, "sLabel13", QStringLiteral("Barva osob:"), {221, 80}, PismoPixelu(13));
    m_barvaOsob =
        std::make_unique<VolbaBarvy>(plocha, QStringLiteral("sComboBox4"), QStringLiteral("Image2"),
                                     QStringLiteral("c_aqua"), QPoint(328, 79), 80);
    popisekOsob->setBuddy(m_barvaOsob->box());
    for (QComboBox* box : {m_smer, m_barvaPozice->box(), m_barvaOsob->box()})
        box->setFont(PismoPixelu(11));

    m_pismoPozice =
        vytvorRadekPisma(plocha, 120, 119, 78, "Pozice font",
                         {"sCheckBox1", "sEdit21", "sCheckBox3", "sCheckBox5", "sEdit23"});
    m_pismoOsob =
        vytvorRadekPisma(plocha, 145, 146, 79, "Osoby font",
                         {"sCheckBox2", "sEdit22", "sCheckBox4", "sCheckBox6", "sEdit24"});

    poskladej(plocha, "sButton4", 195,
              {{Udalost::Create, QStringLiteral("RichEdit16")},
               {Udalost::Alarm0, QStringLiteral("RichEdit22")},
               {Udalost::Draw, QStringLiteral("RichEdit18")}},
              Udalost::Create);

    vytvorMenu();
    connect(m_pismoPozice.spinac, &QCheckBox::toggled, this, &ZalozkaTitulky::sCheckBox1Click);
    connect(m_pismoOsob.spinac, &QCheckBox::toggled, this, &ZalozkaTitulky::sCheckBox2Click);
    connect(m_smer->lineEdit(), &QLineEdit::textEdited, this, &ZalozkaTitulky::sComboBox2Change);
    connect(new VyberZeSeznamu(m_smer), &VyberZeSeznamu::vybrano, this,
            &ZalozkaTitulky::sComboBox2Change);
    connect(m_barvaPozice->box()->lineEdit(), &QLineEdit::textEdited, this,
            &ZalozkaTitulky::sComboBox3Change);
    connect(new VyberZeSeznamu(m_barvaPozice->box()), &VyberZeSeznamu::vybrano, this,
            &ZalozkaTitulky::sComboBox3Select);
    connect(m_barvaOsob->box()->lineEdit(), &QLineEdit::textEdited, this,
            &ZalozkaTitulky::sComboBox4Change);
    connect(new VyberZeSeznamu(m_barvaOsob->box()), &VyberZeSeznamu::vybrano, this,
            &ZalozkaTitulky::sComboBox4Select);
}

ZalozkaTitulky::~ZalozkaTitulky() = default;

ZalozkaTitulky::RadekPisma
ZalozkaTitulky::vytvorRadekPisma(QWidget* plocha, int vrch, int vrchEditu, int sirkaSpinace,
                                 const char* popis, const std::array<const char*, 5>& jmena) {
    RadekPisma radek;
    radek.spinac = zaskrtavatko(plocha, popis, jmena[0], QRect(192, vrch, sirkaSpinace, 17));
    radek.velikost = pole(plocha, "velikost", jmena[1], QRect(288, vrchEditu, 57, 21));
    radek.tucne = zaskrtavatko(plocha, "tučně", jmena[2], QRect(355, vrch, 52, 17));
    radek.kurziva = zaskrtavatko(plocha, "kurzíva", jmena[3], QRect(413, vrch, 59, 17));
    radek.nazev = pole(plocha, "Arial", jmena[4], QRect(478, vrchEditu, 74, 21));
    // Both rows have the same captions; the name says which row a control belongs to.
    const QString radekPisma = QString::fromUtf8(popis);
    radek.velikost->setAccessibleName(radekPisma + QStringLiteral(": velikost"));
    radek.tucne->setAccessibleName(radekPisma + QStringLiteral(": tučně"));
    radek.kurziva->setAccessibleName(radekPisma + QStringLiteral(": kurzíva"));
    radek.nazev->setAccessibleName(radekPisma + QStringLiteral(": název písma"));
    radek.ukaz();
    return radek;
}

void ZalozkaTitulky::RadekPisma::ukaz() const {
    const bool zapnuto = spinac->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{velikost, tucne, kurziva, nazev})
        w->setVisible(zapnuto);
}

generatory::PismoTitulku ZalozkaTitulky::RadekPisma::cti() const {
    if (!spinac->isChecked())
        return {};
    return {true, nazev->text().toStdString(), velikost->text().toStdString(), tucne->isChecked(),
            kurziva->isChecked()};
}

void ZalozkaTitulky::RadekPisma::nastav(const generatory::PismoTitulku& pismo) const {
    spinac->setChecked(pismo.zapnuto);
    if (!pismo.zapnuto)
        return;
    const auto prepis = [](QLineEdit* pole, const std::string& text) {
        const QString novy = QString::fromStdString(text);
        if (pole->text() != novy)
            pole->setText(novy);
    };
    prepis(velikost, pismo.velikost);
    prepis(nazev, pismo.nazevPisma);
    tucne->setChecked(pismo.tucne);
    kurziva->setChecked(pismo.kurziva);
}

void ZalozkaTitulky::vytvorMenu() {
    // "Upravit" and "Smazat" are there for the menu's shape; they carry no action.
    m_popup = VytvorNabidku(
        this, "PopupMenu6",
        {{"Pidatpozici1", QStringLiteral("Přidat &pozici"), [this] { Pidatpozici1Click(); }},
         {"Pidatosobu1", QStringLiteral("Přidat &osobu"), [this] { Pidatosobu1Click(); }},
         {"N7", {}, {}},
         {"Upravit1", QStringLiteral("&Upravit"), {}},
         {"N8", {}, {}},
         {"Smazat1", QStringLiteral("&Smazat"), {}}});
    PripojNabidku(m_strom, m_popup);
}

bool ZalozkaTitulky::JePozice(const QTreeWidgetItem* uzel) const {
    return m_strom->JePozice(uzel);
}

void ZalozkaTitulky::nastavBarvy(const QString& pozice, const QString& osoby) {
    m_barvaPozice->nastavJmeno(pozice);
    m_barvaOsob->nastavJmeno(osoby);
}

void ZalozkaTitulky::umistiVzorky() {
    m_barvaPozice->umistiVzorek();
    m_barvaOsob->umistiVzorek();
}

void ZalozkaTitulky::Pidatpozici1Click() {
    TPozice dialog([this](const QString& text) { return m_strom->obsahujeText(text); }, this);
    if (dialog.exec() == QDialog::Accepted)
        m_strom->pridejPozici(dialog.text());
}

void ZalozkaTitulky::Pidatosobu1Click() {
    if (m_strom->topLevelItemCount() == 0) {
        Hlaseni::UkazOdmitnuti(this, QStringLiteral("Není vytvořená žádná pozice!"));
        return;
    }
    QTreeWidgetItem* vybrany = m_strom->vybrany();
    if (!vybrany) {
        Hlaseni::UkazOdmitnuti(this, QStringLiteral("Není vybraná žádná pozice!"));
        return;
    }
    if (!JePozice(vybrany)) {
        Hlaseni::UkazOdmitnuti(this, QStringLiteral("Musíte vybrat pozici!"));
        return;
    }
    TPridatOS dialog(this);
    if (dialog.exec() == QDialog::Accepted)
        m_strom->pridejOsobu(vybrany, dialog.text());
}

void ZalozkaTitulky::sButton4Click() {
    generuj();
}

QString ZalozkaTitulky::obsah() const {
    const std::vector<generatory::PolozkaTitulku> polozky = m_strom->polozky();
    const auto pozic = std::count_if(polozky.begin(), polozky.end(),
                                     [](const generatory::PolozkaTitulku& p) { return p.pozice; });
    const auto osob = static_cast<qsizetype>(polozky.size()) - pozic;
    return CeskyPocet(pozic, "pozice", "pozice", "pozic") + QStringLiteral(", ") +
           CeskyPocet(osob, "osoba", "osoby", "osob");
}

generatory::VstupTitulku ZalozkaTitulky::vstup() const {
    return {m_strom->polozky(),
            m_smer->currentText().toStdString(),
            m_barvaPozice->text().toStdString(),
            m_barvaOsob->text().toStdString(),
            m_pismoPozice.cti(),
            m_pismoOsob.cti()};
}

void ZalozkaTitulky::nastavVstup(const generatory::VstupTitulku& vstup) {
    m_strom->nastavPolozky(vstup.polozky);
    m_smer->setEditText(QString::fromStdString(vstup.smer));
    sComboBox2Change();
    m_barvaPozice->zadej(QString::fromStdString(vstup.barvaPozice));
    m_barvaOsob->zadej(QString::fromStdString(vstup.barvaOsob));
    m_pismoPozice.nastav(vstup.pismoPozice);
    m_pismoOsob.nastav(vstup.pismoOsob);
}

void ZalozkaTitulky::sCheckBox1Click() {
    m_pismoPozice.ukaz();
}
void ZalozkaTitulky::sCheckBox2Click() {
    m_pismoOsob.ukaz();
}

void ZalozkaTitulky::sComboBox2Change() {
    const QString text = m_smer->currentText();
    if (text != QStringLiteral("nahoru") && text != QStringLiteral("dolů"))
        m_smer->setEditText(QStringLiteral("nahoru"));
}

void ZalozkaTitulky::sComboBox3Change() {
    m_barvaPozice->hlidej();
}
void ZalozkaTitulky::sComboBox3Select() {
    m_barvaPozice->vyber();
}
void ZalozkaTitulky::sComboBox4Change() {
    m_barvaOsob->hlidej();
}
void ZalozkaTitulky::sComboBox4Select() {
    m_barvaOsob->vyber();
}

void ZalozkaTitulky::ukazPole(const Vlozeni& pole) {
    const RadekPisma& pismo = pole.vstup == 0 ? m_pismoPozice : m_pismoOsob;
    QWidget* cil = nullptr;
    switch (pole.pole) {
    case Pole::TitulkyText:
        if (QTreeWidgetItem* uzel = m_strom->uzel(pole.vstup)) {
            m_strom->setCurrentItem(uzel);
            m_strom->scrollToItem(uzel);
        }
        cil = m_strom;
        break;
    case Pole::TitulkyBarvaPozice:
        cil = m_barvaPozice->box();
        break;
    case Pole::TitulkyBarvaOsob:
        cil = m_barvaOsob->box();
        break;
    case Pole::TitulkyPismo:
        cil = pismo.spinac;
        break;
    case Pole::TitulkyNazevPisma:
        cil = pismo.nazev;
        break;
    case Pole::TitulkyVelikostPisma:
        cil = pismo.velikost;
        break;
    case Pole::TitulkyTucne:
        cil = pismo.tucne;
        break;
    case Pole::TitulkyKurziva:
        cil = pismo.kurziva;
        break;
    default:
        cil = m_smer;
    }
    cil->setFocus(Qt::OtherFocusReason);
}
