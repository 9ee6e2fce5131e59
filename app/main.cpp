#include "app/hlavni.h"
#include "app/verze.h"
#include "ui/preklad_qt.h"
#include "ui/vzhled.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[]) {
    QApplication aplikace(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kodovar"));
    QApplication::setApplicationVersion(QStringLiteral(KODOVAR_VERZE));
    NastavVzhled(aplikace);
    NactiPrekladQt(aplikace);

    QIcon ikona;
    for (int velikost : {16, 32, 48, 64, 128, 256})
        ikona.addFile(QStringLiteral(":/ikona/kodovar-%1.png").arg(velikost));
    QApplication::setWindowIcon(ikona);

    THlavni hlavni;
    hlavni.showMaximized();
    return QApplication::exec();
}
