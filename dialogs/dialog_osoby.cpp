#include "dialog_osoby.h"

#include "strom_titulku.h"

#include <QLineEdit>
#include <QPushButton>

TPridatOS::TPridatOS(StromTitulku* strom, QTreeWidgetItem* pozice, QWidget* rodic)
    : DialogTitulku(QStringLiteral("Přidat osobu"), QSize(322, 125),
                    QStringLiteral("Zadejte jméno osoby:"), QString(), rodic),
      m_strom(strom), m_pozice(pozice) {
    setObjectName(QStringLiteral("PridatOS"));
    connect(tlacitkoPridat(), &QPushButton::clicked, this, &TPridatOS::sButton1Click);
}

void TPridatOS::sButton1Click() {
    m_strom->pridejOsobu(m_pozice, pole()->text());
    accept();
}
