#include "dialog_titulku.h"

#include "dlouhy_text.h"
#include "pevny_dialog.h"
#include "vzhled.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

QPushButton* tlacitko(const QString& text, const QString& jmeno, int x, QWidget* rodic) {
    auto* t = new QPushButton(text, rodic);
    t->setObjectName(jmeno);
    t->setAutoDefault(false);
    t->setDefault(false);
    t->setGeometry(x, 80, 75, 25);
    return t;
}

} // namespace

DialogTitulku::DialogTitulku(const QString& titulek, QSize plocha, const QString& popisek,
                             const QString& text, QWidget* rodic)
    : QDialog(rodic, ZnakyPevnehoDialogu) {
    setWindowTitle(titulek);
    setFont(PismoBodu(8));
    setFixedSize(plocha);

    auto* napis = new QLabel(popisek, this);
    napis->setObjectName(QStringLiteral("sLabel1"));
    napis->setFont(PismoPixelu(13));
    NastavBarvuPopisku(napis);
    napis->setGeometry(88, 8, 125, 16);

    m_pole = new QLineEdit(text, this);
    m_pole->setObjectName(QStringLiteral("sEdit1"));
    PovolDlouhyText(m_pole);
    m_pole->setGeometry(32, 40, 249, 21);

    m_pridat = tlacitko(QStringLiteral("Přidat"), QStringLiteral("sButton1"), 66, this);
    QPushButton* zrusit = tlacitko(QStringLiteral("Zrušit"), QStringLiteral("sButton2"), 162, this);
    connect(zrusit, &QPushButton::clicked, this, &DialogTitulku::sButton2Click);

    VystredNaObrazovce(this);
}

void DialogTitulku::sButton2Click() {
    reject();
}

void DialogTitulku::keyPressEvent(QKeyEvent* udalost) {
    switch (udalost->key()) {
    case Qt::Key_Enter:
    case Qt::Key_Return:
    case Qt::Key_Escape:
        udalost->accept();
        return;
    default:
        QDialog::keyPressEvent(udalost);
    }
}
