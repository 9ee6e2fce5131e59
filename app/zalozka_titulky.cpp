#include "zalozka_titulky.h"

#include "blok_panelu.h"

#include <QPushButton>
#include <QVBoxLayout>

ZalozkaTitulky::ZalozkaTitulky(QWidget* rodic) : QWidget(rodic) {
    m_tlacitko = new QPushButton(QStringLiteral("Vygenerovat kód"), this);
    m_tlacitko->setObjectName(QStringLiteral("sButton4"));
    m_tlacitko->setFixedHeight(32);

    m_panely =
        new BlokPanelu(195,
                       {{Udalost::Create, QStringLiteral("Create"), QStringLiteral("RichEdit16")},
                        {Udalost::Alarm0, QStringLiteral("Alarm[0]"), QStringLiteral("RichEdit22")},
                        {Udalost::Draw, QStringLiteral("Draw"), QStringLiteral("RichEdit18")}},
                       Udalost::Create, this);

    auto* rozlozeni = new QVBoxLayout(this);
    rozlozeni->setContentsMargins(0, 0, 0, 0);
    rozlozeni->setSpacing(0);
    rozlozeni->addStretch(1);
    rozlozeni->addWidget(m_tlacitko);
    rozlozeni->addWidget(m_panely);
}
