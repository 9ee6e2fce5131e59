#include "dialogs/dialog_nacteni.h"

#include "ui/misto_na_obrazovce.h"
#include "ui/ovladace.h"
#include "ui/pevny_dialog.h"
#include "ui/pole_kodu.h"
#include "ui/vzhled.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTextBlock>
#include <QTextDocument>
#include <QVBoxLayout>

#include <string>

TNacteniSkriptu::TNacteniSkriptu(const QString& zalozka,
                                 const std::vector<generatory::Udalost>& udalosti, Nacti nacti,
                                 QWidget* rodic)
    : QDialog(rodic), m_nacti(std::move(nacti)) {
    setWindowTitle(QStringLiteral("Kodovar - Načíst ze skriptu: ") + zalozka);
    setObjectName(QStringLiteral("TNacteniSkriptu"));
    auto* rozvrzeni = new QVBoxLayout(this);
    auto* pokyn = new QLabel(
        QStringLiteral("Vložte do každého pole kód jeho události tak, jak je ve hře."), this);
    rozvrzeni->addWidget(pokyn);

    auto* sloupce = new QHBoxLayout;
    for (generatory::Udalost udalost : udalosti) {
        const QString nazev = QString::fromUtf8(generatory::TitulekUdalosti(udalost));
        auto* sloupec = new QVBoxLayout;
        auto* popisek = new QLabel(nazev, this);
        auto* box = new PoleKodu(this);
        box->omezVlozeni(NejvetsiVlozeniKodu);
        connect(box, &PoleKodu::vlozeniOdmitnuto, this, &TNacteniSkriptu::ukazDlouheVlozeni);
        box->setObjectName(QStringLiteral("Vlozeni") + nazev);
        box->setAccessibleName(nazev);
        popisek->setBuddy(box);
        box->setLineWrapMode(QPlainTextEdit::NoWrap);
        box->setTabChangesFocus(true);
        box->setFont(PismoBodu(8));
        sloupec->addWidget(popisek);
        sloupec->addWidget(box);
        sloupce->addLayout(sloupec);
        m_boxy.emplace_back(udalost, box);
    }
    rozvrzeni->addLayout(sloupce, 1);

    m_zprava = new QLabel(this);
    m_zprava->setObjectName(QStringLiteral("Zprava"));
    m_zprava->setAccessibleName(QStringLiteral("Zpráva"));
    m_zprava->setWordWrap(true);
    m_zprava->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_zprava->setStyleSheet(QStringLiteral("color: rgb(160, 0, 0)"));
    m_zprava->hide();
    rozvrzeni->addWidget(m_zprava);

    auto* tlacitka = new QHBoxLayout;
    tlacitka->addStretch();
    QPushButton* nacist = Tlacitko(this, "Nacist", QStringLiteral("&Načíst"));
    QPushButton* zrusit = Tlacitko(this, "Zrusit", QStringLiteral("&Zrušit"));
    for (QPushButton* t : {nacist, zrusit}) {
        t->setAutoDefault(false);
        tlacitka->addWidget(t);
    }
    rozvrzeni->addLayout(tlacitka);
    connect(nacist, &QPushButton::clicked, this, &TNacteniSkriptu::NacistClick);
    connect(zrusit, &QPushButton::clicked, this, &QDialog::reject);

    resize(960, 540);
    VystredNaObrazovce(this);
}

void TNacteniSkriptu::NacistClick() {
    std::vector<std::string> texty;
    texty.reserve(m_boxy.size());
    generatory::VlozenyKod kod;
    for (const auto& [udalost, box] : m_boxy) {
        texty.push_back(box->celyText().toStdString());
        kod.text(udalost) = texty.back();
    }
    const Vysledek vysledek = m_nacti(kod);
    if (std::holds_alternative<Nacteno>(vysledek))
        accept();
    else if (const auto* odmitnuti = std::get_if<generatory::OdmitnutiCteni>(&vysledek))
        ukazOdmitnuti(*odmitnuti);
}

void TNacteniSkriptu::ukazDlouheVlozeni(qsizetype delka, qsizetype nejvic) {
    const QLocale cesky(QLocale::Czech);
    m_zprava->setText(QStringLiteral("Vložený text je pro toto pole příliš dlouhý (%1 znaků). "
                                     "Pole přijme najednou nejvýše %2 znaků; "
                                     "nic z vloženého textu nebylo vloženo.")
                          .arg(cesky.toString(delka), cesky.toString(nejvic)));
    m_zprava->show();
}

void TNacteniSkriptu::ukazOdmitnuti(const generatory::OdmitnutiCteni& odmitnuti) {
    m_zprava->setText(QString::fromStdString(odmitnuti.zprava));
    m_zprava->show();
    for (const auto& [udalost, box] : m_boxy) {
        if (!odmitnuti.udalost || udalost != *odmitnuti.udalost)
            continue;
        // The cursor goes to the line the message names, without changing the text.
        const QTextBlock radek =
            box->document()->findBlockByNumber(static_cast<int>(odmitnuti.radek) - 1);
        if (radek.isValid()) {
            QTextCursor kurzor = box->textCursor();
            kurzor.setPosition(radek.position());
            box->setTextCursor(kurzor);
            box->centerCursor();
        }
        box->setFocus();
    }
}

// Enter in a box makes a new line there, as the box takes it first; Enter on a button presses
// it. Escape leaves as "Zrušit" does: the pasted texts are copies of the game's script.
void TNacteniSkriptu::keyPressEvent(QKeyEvent* udalost) {
    if (udalost->key() == Qt::Key_Escape && udalost->modifiers() == Qt::NoModifier)
        reject();
    else if (!ZachytKlavesuDialogu(this, udalost))
        QDialog::keyPressEvent(udalost);
}
