#include "highskore.h"

#include "model_highskore.h"
#include "pevny_dialog.h"
#include "vzhled.h"

#include <QLineEdit>
#include <QPushButton>

THighskore::THighskore(ModelHighskore& model, int ktere, QWidget* rodic)
    : PevnyDialog(QSize(321, 171), PismoPixelu(11), rodic), m_model(model), m_ktere(ktere) {
    setObjectName(QStringLiteral("Highskore"));
    setWindowTitle(QStringLiteral("Kodovar - Přidat do Highskóre"));

    Popisek(this, "sLabel1", QStringLiteral("Nick:"), {50, 32}, PismoPixelu(13));
    Popisek(this, "sLabel2", QStringLiteral("Skóre:"), {40, 73}, PismoPixelu(13));
    m_nick = novePole("sEdit1", QString(), {104, 31, 169, 21});
    m_skore = novePole("sEdit2", QString(), {104, 72, 169, 21});
    m_pridat = noveTlacitko("sButton1", QStringLiteral("Přidat"), {72, 128, 75, 25});
    m_zrusit = noveTlacitko("sButton2", QStringLiteral("Zrušit"), {168, 128, 75, 25});

    setTabOrder(m_pridat, m_zrusit);
    setTabOrder(m_zrusit, m_nick);
    setTabOrder(m_nick, m_skore);
    m_pridat->setFocus();

    connect(m_pridat, &QPushButton::clicked, this, &THighskore::sButton1Click);
    connect(m_zrusit, &QPushButton::clicked, this, &THighskore::sButton2Click);

    FormCreate();
}

void THighskore::FormCreate() {
    const QString n = QString::number(m_model.pocet());
    m_nick->setText(QStringLiteral("global.nick") + n);
    m_skore->setText(QStringLiteral("global.skore") + n);
    if (m_ktere != -1) {
        const PolozkaHighskore& p = m_model.polozky()[static_cast<std::size_t>(m_ktere)];
        m_nick->setText(QString::fromStdString(p.nick));
        m_skore->setText(QString::fromStdString(p.skore));
    }
}

void THighskore::sButton1Click() {
    if (m_ktere == -1)
        m_model.Pridej(m_nick->text(), m_skore->text());
    else
        m_model.Uprav(m_ktere, m_nick->text(), m_skore->text());
    accept();
}

void THighskore::sButton2Click() {
    reject();
}
