#include "pevny_dialog.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

void VystredNaObrazovce(QWidget* okno) {
    if (const QScreen* obrazovka = QGuiApplication::primaryScreen())
        okno->move(obrazovka->availableGeometry().center() - okno->rect().center());
}
