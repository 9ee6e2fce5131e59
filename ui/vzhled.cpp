#include "ui/vzhled.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QFontDatabase>
#include <QLabel>
#include <QPainter>
#include <QPalette>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>

namespace {

// Fusion marks the focus of a field or a box with its frame in the highlight colour, but that of
// a code pane or a list only by the current item, which an empty one lacks: their frames get
// the same mark as a field's.
class Vzhled : public QProxyStyle {
public:
    Vzhled() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

    void drawPrimitive(PrimitiveElement prvek, const QStyleOption* volba, QPainter* malir,
                       const QWidget* widget) const override {
        QProxyStyle::drawPrimitive(prvek, volba, malir, widget);
        if (prvek != PE_Frame || !(volba->state & State_HasFocus) ||
            !qobject_cast<const QAbstractScrollArea*>(widget))
            return;
        malir->save();
        malir->setPen(volba->palette.color(QPalette::Highlight));
        malir->setBrush(Qt::NoBrush);
        malir->drawRect(volba->rect.adjusted(0, 0, -1, -1));
        malir->restore();
    }
};

} // namespace

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
    aplikace.setStyle(new Vzhled);

    QPalette paleta = aplikace.style()->standardPalette();
    paleta.setColor(QPalette::WindowText, QColor(43, 53, 77));
    paleta.setColor(QPalette::Base, Qt::white);
    paleta.setColor(QPalette::Text, Qt::black);
    aplikace.setPalette(paleta);

    aplikace.setFont(PismoBodu(8));
}
