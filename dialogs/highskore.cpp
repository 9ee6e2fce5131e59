#include "highskore.h"

#include "dlouhy_text.h"
#include "model_highskore.h"
#include "pevny_dialog.h"
#include "vzhled.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

QLineEdit* pole(QWidget* rodic, const char* jmeno, int x, int y) {
    auto* e = new QLineEdit(rodic);
    e->setObjectName(QString::fromLatin1(jmeno));
    PovolDlouhyText(e);
    QPalette paleta = e->palette();
    paleta.setColor(QPalette::Base, Qt::white);
    paleta.setColor(QPalette::Text, Qt::black);
    e->setPalette(paleta);
    e->setGeometry(x, y, 169, 21);
    return e;
}

QPushButton* tlacitko(QWidget* rodic, const char* jmeno, const QString& text, int x) {
    auto* b = new QPushButton(text, rodic);
    b->setObjectName(QString::fromLatin1(jmeno));
    b->setAutoDefault(false);
    b->setGeometry(x, 128, 75, 25);
    return b;
}

} // namespace

THighskore::THighskore(ModelHighskore& model, int ktere, QWidget* rodic)
    : QDialog(rodic, ZnakyPevnehoDialogu), m_model(model), m_ktere(ktere) {
    setObjectName(QStringLiteral("Highskore"));
    setWindowTitle(QStringLiteral("Kodovar - Přidat do Highskóre"));
    setFont(PismoPixelu(11));
    setFixedSize(321, 171);

    Popisek(this, "sLabel1", QStringLiteral("Nick:"), {50, 32}, PismoPixelu(13));
    Popisek(this, "sLabel2", QStringLiteral("Skóre:"), {40, 73}, PismoPixelu(13));
    m_nick = pole(this, "sEdit1", 104, 31);
    m_skore = pole(this, "sEdit2", 104, 72);
    m_pridat = tlacitko(this, "sButton1", QStringLiteral("Přidat"), 72);
    m_zrusit = tlacitko(this, "sButton2", QStringLiteral("Zrušit"), 168);

    setTabOrder(m_pridat, m_zrusit);
    setTabOrder(m_zrusit, m_nick);
    setTabOrder(m_nick, m_skore);
    m_pridat->setFocus();

    VystredNaObrazovce(this);

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
