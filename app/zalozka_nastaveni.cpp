#include "zalozka_nastaveni.h"

#include "blok_panelu.h"

#include <QPushButton>
#include <QVBoxLayout>

ZalozkaNastaveni::ZalozkaNastaveni(QWidget* rodic) : QWidget(rodic) {
    m_tlacitko = new QPushButton(QStringLiteral("Vygenerovat kód"), this);
    m_tlacitko->setObjectName(QStringLiteral("sButton2"));
    m_tlacitko->setFixedHeight(32);

    m_panely = new BlokPanelu(195,
                              {{Udalost::Create, QStringLiteral("Create"), QStringLiteral("RichEdit4")},
                               {Udalost::Step, QStringLiteral("Step"), QStringLiteral("RichEdit5")},
                               {Udalost::Draw, QStringLiteral("Draw"), QStringLiteral("RichEdit6")}},
                              Udalost::Draw, this);

    auto* rozlozeni = new QVBoxLayout(this);
    rozlozeni->setContentsMargins(0, 0, 0, 0);
    rozlozeni->setSpacing(0);
    rozlozeni->addStretch(1);
    rozlozeni->addWidget(m_tlacitko);
    rozlozeni->addWidget(m_panely);
}
