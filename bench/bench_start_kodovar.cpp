// Kodovar's start-up as the program does it, ending as soon as its event loop is idle.

#include "app/hlavni.h"
#include "ui/vzhled.h"

#include <QApplication>
#include <QTimer>

#include <cstdlib>

int main(int argc, char* argv[]) {
    QApplication aplikace(argc, argv);
    NastavVzhled(aplikace);
    THlavni okno;
    okno.showMaximized();
    // The figure ends when the event loop is first idle; tearing the window down afterwards
    // is no part of it, so neither program spends time on that.
    QTimer::singleShot(0, &aplikace, [] { std::_Exit(0); });
    return QApplication::exec();
}
