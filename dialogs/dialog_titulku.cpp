#include "dialogs/dialog_titulku.h"

#include "ui/vzhled.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

DialogTitulku::DialogTitulku(const QString& titulek, QSize plocha, const QString& popisek,
                             const QString& text, QWidget* rodic)
    : PevnyDialog(plocha, PismoBodu(8), rodic) {
    setWindowTitle(titulek);

    auto* napis = new QLabel(popisek, this);
    napis->setObjectName(QStringLiteral("sLabel1"));
    napis->setFont(PismoPixelu(13));
    NastavBarvuPopisku(napis);
    napis->setGeometry(88, 8, 125, 16);

    m_pole = novePole("sEdit1", text, {32, 40, 249, 21});
    napis->setBuddy(m_pole);
    QPushButton* pridat = noveTlacitko("sButton1", QStringLiteral("&Přidat"), {66, 80, 75, 25});
    QPushButton* zrusit = noveTlacitko("sButton2", QStringLiteral("&Zrušit"), {162, 80, 75, 25});
    connect(pridat, &QPushButton::clicked, this, &DialogTitulku::sButton1Click);
    connect(zrusit, &QPushButton::clicked, this, &DialogTitulku::sButton2Click);
}

QString DialogTitulku::text() const {
    return m_pole->text();
}

void DialogTitulku::sButton1Click() {
    accept();
}

void DialogTitulku::sButton2Click() {
    reject();
}
