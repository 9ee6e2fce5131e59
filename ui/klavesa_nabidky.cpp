#include "ui/klavesa_nabidky.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QWidget>

bool KlavesaNabidky::eventFilter(QObject* objekt, QEvent* udalost) {
    if (udalost->type() != QEvent::KeyPress)
        return QObject::eventFilter(objekt, udalost);
    const auto* klavesa = static_cast<QKeyEvent*>(udalost);
    auto* cil = qobject_cast<QWidget*>(objekt);
    // The press reaches the filter once for the focused control and again for each parent it
    // travels up to; only the first counts.
    if (klavesa->key() != Qt::Key_F10 || klavesa->modifiers() != Qt::ShiftModifier || !cil ||
        cil != QApplication::focusWidget())
        return QObject::eventFilter(objekt, udalost);

    const QPoint bod = cil->inputMethodQuery(Qt::ImCursorRectangle).toRect().center();
    QContextMenuEvent nabidka(QContextMenuEvent::Keyboard, bod, cil->mapToGlobal(bod));
    QApplication::sendEvent(cil, &nabidka);
    return true;
}
