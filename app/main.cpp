#include "hlavni.h"
#include "vzhled.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication aplikace(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kodovar"));
    QApplication::setApplicationDisplayName(QStringLiteral("Kodovar"));
    QApplication::setApplicationVersion(QStringLiteral(KODOVAR_VERZE));
    NastavVzhled(aplikace);

    THlavni hlavni;
    hlavni.showMaximized();
    return QApplication::exec();
}
