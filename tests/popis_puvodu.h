#pragma once

#include "generators/skript.h"

#include <QStringList>

// Which input placed each Draw line, in words a table row can hold: "" for none, "2 název" for
// the text of input 2, "0 hodnota" for a value text of input 0.
inline QStringList PopisPuvodu(const generatory::Skript& skript) {
    QStringList popis;
    for (const std::optional<generatory::Puvod>& puvod : skript.puvod)
        popis << (!puvod ? QString()
                         : QStringLiteral("%1 %2")
                               .arg(puvod->vstup)
                               .arg(puvod->cast == generatory::Puvod::Cast::Nazev
                                        ? QStringLiteral("název")
                                        : QStringLiteral("hodnota")));
    return popis;
}
