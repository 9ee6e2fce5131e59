#pragma once

// Helpers for tests of the preview window: where a room point shows in the room widget, and
// what the message list says.

#include "preview/okno_nahledu.h"

#include <QListWidget>
#include <QPoint>
#include <QStringList>
#include <QTest>
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

// Drags from one room point to another as a hand does and returns the distance in whole room
// pixels that the widget points stand for.
inline QPoint tahni(QWidget* mistnost, QPointF odkud, QPointF kam) {
    const QPoint a = naWidget(mistnost, odkud);
    const QPoint b = naWidget(mistnost, kam);
    QTest::mousePress(mistnost, Qt::LeftButton, {}, a);
    for (int i = 1; i <= 4; ++i)
        QTest::mouseMove(mistnost, a + (b - a) * i / 4);
    QTest::mouseRelease(mistnost, Qt::LeftButton, {}, b);
    const double s = meritko(mistnost);
    return QPoint(qRound((b.x() - a.x()) / s), qRound((b.y() - a.y()) / s));
}

inline const nahled::Kresba* najdiKresbu(const OknoNahledu* nahled, const std::string& text) {
    for (const nahled::Kresba& k : nahled->mistnost()->kresby())
        if (k.text == text)
            return &k;
    return nullptr;
}

// A point well inside a drawn text.
inline QPointF naTextu(const nahled::Kresba& k) {
    return {k.x + 4, k.y + 6};
}
