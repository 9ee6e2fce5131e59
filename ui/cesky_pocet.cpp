#include "ui/cesky_pocet.h"

QString CeskyPocet(qsizetype pocet, const char* jeden, const char* dva, const char* pet) {
    const char* tvar = pocet == 1 ? jeden : pocet >= 2 && pocet <= 4 ? dva : pet;
    return QStringLiteral("%1 %2").arg(pocet).arg(QString::fromUtf8(tvar));
}
