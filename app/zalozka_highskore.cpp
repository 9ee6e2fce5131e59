#include "zalozka_highskore.h"

#include "blok_panelu.h"

#include <QPushButton>
#include <QVBoxLayout>

ZalozkaHighskore::ZalozkaHighskore(QWidget* rodic) : QWidget(rodic) {
    m_tlacitko = new QPushButton(QStringLiteral("Vygenerovat kód"), this);
    m_tlacitko->setObjectName(QStringLiteral("sButton3"));
    m_tlacitko->setFixedHeight(32);

    m_panely = new BlokPanelu(187, {{Udalost::Draw, QStringLiteral("Draw"), QStringLiteral("RichEdit9")}},
                              Udalost::Draw, this);
    m_panely->setObjectName(QStringLiteral("PageControl4"));

    auto* rozlozeni = new QVBoxLayout(this);
    rozlozeni->setContentsMargins(0, 0, 0, 0);
    rozlozeni->setSpacing(0);
    rozlozeni->addStretch(1);
    rozlozeni->addWidget(m_tlacitko);
    rozlozeni->addWidget(m_panely);
}
