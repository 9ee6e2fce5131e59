#include "dialogs/dialog_highskore.h"

#include "ui/pevny_dialog.h"
#include "ui/vzhled.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using generatory::PolozkaHighskore;

THighskore::THighskore(const std::optional<PolozkaHighskore>& upravovana, int pocetRadku,
                       QWidget* rodic)
    : PevnyDialog(QSize(321, 171), PismoPixelu(11), rodic) {
    setObjectName(QStringLiteral("Highskore"));
    setWindowTitle(QStringLiteral("Kodovar - Přidat do Highskóre"));

    QLabel* popisekNicku =
        Popisek(this, "sLabel1", QStringLiteral("Nick:"), {50, 32}, PismoPixelu(13));
    QLabel* popisekSkore =
        Popisek(this, "sLabel2", QStringLiteral("Skóre:"), {40, 73}, PismoPixelu(13));
    m_nick = novePole("sEdit1", QString(), {104, 31, 169, 21});
    m_skore = novePole("sEdit2", QString(), {104, 72, 169, 21});
    popisekNicku->setBuddy(m_nick);
    popisekSkore->setBuddy(m_skore);
    m_pridat = noveTlacitko("sButton1", QStringLiteral("&Přidat"), {72, 128, 75, 25});
    m_zrusit = noveTlacitko("sButton2", QStringLiteral("&Zrušit"), {168, 128, 75, 25});

    setTabOrder(m_pridat, m_zrusit);
    setTabOrder(m_zrusit, m_nick);
    setTabOrder(m_nick, m_skore);
    m_pridat->setFocus();

    connect(m_pridat, &QPushButton::clicked, this, &THighskore::sButton1Click);
    connect(m_zrusit, &QPushButton::clicked, this, &THighskore::sButton2Click);

    FormCreate(upravovana, pocetRadku);
}

void THighskore::FormCreate(const std::optional<PolozkaHighskore>& upravovana, int pocetRadku) {
    const QString n = QString::number(pocetRadku);
    m_nick->setText(QStringLiteral("global.nick") + n);
    m_skore->setText(QStringLiteral("global.skore") + n);
    if (upravovana) {
        m_nick->setText(QString::fromStdString(upravovana->nick));
        m_skore->setText(QString::fromStdString(upravovana->skore));
    }
}

PolozkaHighskore THighskore::polozka() const {
    return {{}, m_nick->text().toStdString(), m_skore->text().toStdString()};
}

void THighskore::sButton1Click() {
    accept();
}

void THighskore::sButton2Click() {
    reject();
}
