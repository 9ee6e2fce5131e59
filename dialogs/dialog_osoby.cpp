#include "dialogs/dialog_osoby.h"

TPridatOS::TPridatOS(QWidget* rodic)
    : DialogTitulku(QStringLiteral("Přidat osobu"), QSize(322, 125),
                    QStringLiteral("Zadejte jméno osoby:"), QString(), rodic) {
    setObjectName(QStringLiteral("PridatOS"));
}
