// Kodovar's start-up as the program does it, ending as soon as its event loop is idle.

#include "hlavni.h"
#include "vzhled.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char* argv[]) {
    QApplication aplikace(argc, argv);
    NastavVzhled(aplikace);
    THlavni okno;
    okno.showMaximized();
    QTimer::singleShot(0, &aplikace, &QCoreApplication::quit);
    return QApplication::exec();
}
