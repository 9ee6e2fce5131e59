#pragma once

// Helpers for tests of the preview window: where a room point shows in the room widget, and
// what the message list says.

#include "preview/okno_nahledu.h"

#include <QListWidget>
#include <QPoint>
#include <QStringList>
#include <QWidget>

#include <algorithm>

// The room is scaled uniformly to fit and centred.
inline double meritko(const QWidget* mistnost) {
    return std::min(mistnost->width() / 640.0, mistnost->height() / 480.0);
}

inline QPoint naWidget(const QWidget* mistnost, QPointF bod) {
    const double s = meritko(mistnost);
    return QPoint(qRound((mistnost->width() - 640 * s) / 2 + bod.x() * s),
                  qRound((mistnost->height() - 480 * s) / 2 + bod.y() * s));
}

inline QStringList zpravy(OknoNahledu* nahled) {
    QStringList vysledek;
    auto* seznam = nahled->findChild<QListWidget*>(QStringLiteral("Zpravy"));
    for (int i = 0; seznam && i < seznam->count(); ++i)
        vysledek << seznam->item(i)->text();
    return vysledek;
}
