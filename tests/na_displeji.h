#pragma once

// For the tests that run on a real X server with a window manager: a window made active, the
// control with the focus, and Tab pressed until a named control has it.

#include <QApplication>
#include <QTest>
#include <QWidget>

// Test events carry no X timestamps, so the window manager's focus-stealing guard would keep a
// new window in the background; a person's real key press would not meet it.
inline void aktivuj(QWidget* okno) {
    okno->show();
    okno->activateWindow();
    QTRY_VERIFY(okno->isActiveWindow());
}

inline QWidget* fokus() {
    return QApplication::focusWidget();
}

inline void tabulatoremNa(const QString& jmeno) {
    for (int i = 0; i < 12 && fokus()->objectName() != jmeno; ++i)
        QTest::keyClick(fokus(), Qt::Key_Tab);
    QCOMPARE(fokus()->objectName(), jmeno);
}
