#include "ui/preklad_qt.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

bool NactiPrekladQt(QCoreApplication& aplikace) {
    auto* preklad = new QTranslator(&aplikace);
    for (const QString& slozka :
         {QCoreApplication::applicationDirPath() + QStringLiteral("/translations"),
          QLibraryInfo::path(QLibraryInfo::TranslationsPath)}) {
        if (preklad->load(QStringLiteral("qtbase_cs"), slozka))
            return QCoreApplication::installTranslator(preklad);
    }
    delete preklad;
    return false;
}
