#include "vzhled.h"

#include <QApplication>
#include <QFontDatabase>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>

QString RodinaPisma() {
    static const QString rodina =
        QFontDatabase::hasFamily(QStringLiteral("Tahoma"))
            ? QStringLiteral("Tahoma")
            : QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    return rodina;
}

void NastavVzhled(QApplication& aplikace) {
    aplikace.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    QPalette paleta = aplikace.style()->standardPalette();
    const QColor popisky(BarvaPopisku[0], BarvaPopisku[1], BarvaPopisku[2]);
    paleta.setColor(QPalette::WindowText, popisky);
    paleta.setColor(QPalette::Base, Qt::white);
    paleta.setColor(QPalette::Text, Qt::black);
    aplikace.setPalette(paleta);

    QFont pismo(RodinaPisma());
    pismo.setPointSize(8);
    aplikace.setFont(pismo);
}
