#include "dialogs/dialog_nastaveni.h"

#include "ui/hlaseni.h"
#include "ui/pevny_dialog.h"
#include "ui/vzhled.h"

#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolTip>

using generatory::PolozkaNastaveni;

namespace {

const char* const napovedaPozice = "Jednotlivé možnosti, oddělujte středníkem";
const char* const textBubliny = "Jednotlivé hodnoty oddělujte středníkem.";

} // namespace

TNastaveni::TNastaveni(const std::optional<PolozkaNastaveni>& upravovana, int pocetPolozek,
                       QWidget* rodic)
    : PevnyDialog(QSize(338, 230), PismoBodu(8), rodic), m_pridava(!upravovana) {
    setObjectName(QStringLiteral("Nastaveni"));
    setWindowTitle(QStringLiteral("Kodovar - Přidat položku"));

    QLabel* popisekNazvu =
        Popisek(this, "sLabel1", QStringLiteral("Název položky:"), {24, 24}, PismoPixelu(13));
    QLabel* popisekHodnot =
        Popisek(this, "sLabel2", QStringLiteral("Nastavení:"), {49, 56}, PismoPixelu(13));
    QLabel* popisekAkci =
        Popisek(this, "sLabel5", QStringLiteral("Akce:"), {77, 86}, PismoPixelu(13));
    QLabel* popisekX =
        Popisek(this, "sLabel3", QStringLiteral("Pozice x:"), {58, 120}, PismoPixelu(13));
    QLabel* popisekY =
        Popisek(this, "sLabel4", QStringLiteral("Pozice y:"), {58, 152}, PismoPixelu(13));
    m_nazev = novePole("sEdit1", QStringLiteral("Zvuk"), {130, 23, 167, 21});
    m_hodnoty = novePole("sEdit2", QStringLiteral("ano;ne"), {130, 53, 167, 21});
    m_akce =
        novePole("sEdit5", QStringLiteral("global.zvuk = 1;global.zvuk = 0"), {130, 85, 167, 21});
    m_x = novePole("sEdit3", QStringLiteral("200"), {130, 119, 79, 21});
    m_y = novePole("sEdit4", QStringLiteral("150"), {130, 150, 79, 21});
    m_x->setToolTip(QString::fromUtf8(napovedaPozice));
    m_y->setToolTip(QString::fromUtf8(napovedaPozice));
    popisekNazvu->setBuddy(m_nazev);
    popisekHodnot->setBuddy(m_hodnoty);
    popisekAkci->setBuddy(m_akce);
    popisekX->setBuddy(m_x);
    popisekY->setBuddy(m_y);
    // The balloon appears only on a click, so a screen reader gets its words with the field.
    m_hodnoty->setAccessibleDescription(QString::fromUtf8(textBubliny));
    m_akce->setAccessibleDescription(QString::fromUtf8(textBubliny));
    m_pridat = noveTlacitko("sButton1", QStringLiteral("&Přidat"), {80, 195, 75, 25});
    m_zrusit = noveTlacitko("sButton2", QStringLiteral("&Zrušit"), {176, 197, 75, 25});

    setTabOrder(m_pridat, m_zrusit);
    setTabOrder(m_zrusit, m_nazev);
    setTabOrder(m_nazev, m_hodnoty);
    setTabOrder(m_hodnoty, m_x);
    setTabOrder(m_x, m_y);
    setTabOrder(m_y, m_akce);
    m_pridat->setFocus();

    m_hodnoty->installEventFilter(this);
    m_akce->installEventFilter(this);
    connect(m_pridat, &QPushButton::clicked, this, &TNastaveni::sButton1Click);
    connect(m_zrusit, &QPushButton::clicked, this, &TNastaveni::sButton2Click);

    FormCreate(upravovana, pocetPolozek);
}

void TNastaveni::FormCreate(const std::optional<PolozkaNastaveni>& upravovana, int pocetPolozek) {
    if (!upravovana) {
        m_y->setText(QString::number(pocetPolozek * 30 + 150));
        return;
    }
    const PolozkaNastaveni& p = *upravovana;
    m_nazev->setText(QString::fromStdString(p.Nazev));
    m_hodnoty->setText(QString::fromStdString(p.Hodnoty));
    m_akce->setText(QString::fromStdString(p.Akce));
    m_x->setText(QString::fromStdString(p.PoziceX));
    m_y->setText(QString::fromStdString(p.PoziceY));
}

PolozkaNastaveni TNastaveni::polozka() const {
    return {m_nazev->text().toStdString(), m_x->text().toStdString(), m_y->text().toStdString(),
            m_hodnoty->text().toStdString(), m_akce->text().toStdString()};
}

void TNastaveni::accept() {
    if (m_pridava && m_akce->text().isEmpty()) {
        Hlaseni::UkazOdmitnuti(this, QStringLiteral("Musíte vyplnit položku akce!"));
        return;
    }
    if (m_pridava && m_hodnoty->text().isEmpty()) {
        Hlaseni::UkazOdmitnuti(this, QStringLiteral("Musíte vyplnit nastavení!"));
        return;
    }
    PevnyDialog::accept();
}

void TNastaveni::sButton1Click() {
    accept();
}

void TNastaveni::sButton2Click() {
    reject();
}

void TNastaveni::sEdit2Click() {
    ukazBublinu(m_hodnoty, QStringLiteral("Nastavení"));
}

void TNastaveni::sEdit5Click() {
    ukazBublinu(m_akce, QStringLiteral("Akce"));
}

void TNastaveni::ukazBublinu(QLineEdit* pole, const QString& titulek) {
    const QString text =
        QStringLiteral("<b>%1</b><br>%2").arg(titulek, QString::fromUtf8(textBubliny));
    QToolTip::showText(pole->mapToGlobal(QPoint(0, pole->height())), text, pole, {}, 1000);
}

bool TNastaveni::eventFilter(QObject* objekt, QEvent* udalost) {
    if (udalost->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(udalost)->button() == Qt::LeftButton) {
        if (objekt == m_hodnoty)
            sEdit2Click();
        else if (objekt == m_akce)
            sEdit5Click();
    }
    return QDialog::eventFilter(objekt, udalost);
}
