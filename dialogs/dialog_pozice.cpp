#include "dialog_pozice.h"

#include "hlaseni.h"
#include "strom_titulku.h"

#include <QLineEdit>
#include <QPushButton>

TPozice::TPozice(StromTitulku* strom, QWidget* rodic)
    : DialogTitulku(QStringLiteral("Přidat pozici"), QSize(308, 113),
                    QStringLiteral("Zadejte název pozice:"), QStringLiteral("Programovani"), rodic),
      m_strom(strom) {
    setObjectName(QStringLiteral("Pozice"));
    connect(tlacitkoPridat(), &QPushButton::clicked, this, &TPozice::sButton1Click);
}

void TPozice::sButton1Click() {
    const QString text = pole()->text();
    if (m_strom->obsahujeText(text)) {
        Hlaseni::UkazOdmitnuti(this, QStringLiteral("Tato pozice už existuje!"));
        return;
    }
    m_strom->pridejPozici(text);
    accept();
}
