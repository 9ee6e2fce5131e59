#include "dialog_titulku.h"

#include "vzhled.h"

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
    m_pridat = noveTlacitko("sButton1", QStringLiteral("Přidat"), {66, 80, 75, 25});
    QPushButton* zrusit = noveTlacitko("sButton2", QStringLiteral("Zrušit"), {162, 80, 75, 25});
    connect(zrusit, &QPushButton::clicked, this, &DialogTitulku::sButton2Click);
}

void DialogTitulku::sButton2Click() {
    reject();
}
