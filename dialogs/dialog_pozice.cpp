#include "dialogs/dialog_pozice.h"

#include "ui/hlaseni.h"

TPozice::TPozice(std::function<bool(const QString&)> obsazeny, QWidget* rodic)
    : DialogTitulku(QStringLiteral("Přidat pozici"), QSize(308, 113),
                    QStringLiteral("Zadejte název pozice:"), QStringLiteral("Programovani"), rodic),
      m_obsazeny(std::move(obsazeny)) {
    setObjectName(QStringLiteral("Pozice"));
}

void TPozice::accept() {
    if (m_obsazeny(text())) {
        Hlaseni::UkazOdmitnuti(this, QStringLiteral("Tato pozice už existuje!"));
        return;
    }
    DialogTitulku::accept();
}
