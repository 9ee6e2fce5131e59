#include "ui/vzhled.h"

#include <QApplication>
#include <QFontDatabase>
#include <QLabel>
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

QFont PismoPixelu(int pixelu) {
    QFont pismo(RodinaPisma());
    pismo.setPixelSize(pixelu);
    return pismo;
}

QFont PismoBodu(int bodu, bool tucne) {
    QFont pismo(RodinaPisma(), bodu);
    pismo.setBold(tucne);
    return pismo;
}

void NastavBarvuPopisku(QWidget* prvek) {
    QPalette paleta = prvek->palette();
    paleta.setColor(QPalette::WindowText, QColor(43, 53, 77));
    prvek->setPalette(paleta);
}

QLabel* Popisek(QWidget* rodic, const char* jmeno, const QString& text, QPoint kde,
                const QFont& pismo) {
    auto* popisek = new QLabel(text, rodic);
    if (jmeno)
        popisek->setObjectName(QString::fromLatin1(jmeno));
    popisek->setFont(pismo);
    NastavBarvuPopisku(popisek);
    popisek->adjustSize();
    popisek->move(kde);
    return popisek;
}

void NastavVzhled(QApplication& aplikace) {
    aplikace.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    QPalette paleta = aplikace.style()->standardPalette();
    paleta.setColor(QPalette::WindowText, QColor(43, 53, 77));
    paleta.setColor(QPalette::Base, Qt::white);
    paleta.setColor(QPalette::Text, Qt::black);
    aplikace.setPalette(paleta);

    aplikace.setFont(PismoBodu(8));
}
