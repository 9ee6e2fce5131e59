#include "preview/platno_nahledu.h"

#include "preview/mistnost.h"

#include <QKeyEvent>
#include <QPainter>

#include <algorithm>

namespace {

QFont pismo(const std::optional<nahled::Pismo>& p) {
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(16);
    if (!p)
        return f;
    f.setFamily(QString::fromStdString(p->nazev));
    // A size the script got wrong must not make a text fill or freeze the screen.
    const int velikost = p->velikost > 0 ? static_cast<int>(p->velikost) : 12;
    f.setPointSize(std::clamp(velikost, 4, 120));
    f.setBold(p->tucne);
    f.setItalic(p->kurziva);
    return f;
}

} // namespace

PlatnoNahledu::PlatnoNahledu(QWidget* rodic) : QWidget(rodic) {
    setObjectName(QStringLiteral("Platno"));
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(nahled::Mistnost::Sirka / 2, nahled::Mistnost::Vyska / 2);
}

void PlatnoNahledu::NastavKresby(std::vector<nahled::Kresba> kresby) {
    m_kresby = std::move(kresby);
    update();
}

void PlatnoNahledu::paintEvent(QPaintEvent*) {
    using nahled::Mistnost;
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    const double meritko =
        std::min(width() / double(Mistnost::Sirka), height() / double(Mistnost::Vyska));
    p.translate((width() - Mistnost::Sirka * meritko) / 2,
                (height() - Mistnost::Vyska * meritko) / 2);
    p.scale(meritko, meritko);
    const QRectF mistnost(0, 0, Mistnost::Sirka, Mistnost::Vyska);
    p.fillRect(mistnost, Qt::black);
    p.setClipRect(mistnost);
    for (const nahled::Kresba& k : m_kresby) {
        p.setFont(pismo(k.pismo));
        p.setPen(QColor(k.barva.r, k.barva.g, k.barva.b));
        p.drawText(QRectF(k.x, k.y, Mistnost::Sirka * 4, Mistnost::Vyska * 4),
                   Qt::AlignLeft | Qt::AlignTop, QString::fromStdString(k.text));
    }
}

void PlatnoNahledu::keyPressEvent(QKeyEvent* udalost) {
    switch (udalost->key()) {
    case Qt::Key_Up:
        Q_EMIT stisknuto(nahled::Nahoru);
        break;
    case Qt::Key_Down:
        Q_EMIT stisknuto(nahled::Dolu);
        break;
    case Qt::Key_Left:
        Q_EMIT stisknuto(nahled::Vlevo);
        break;
    case Qt::Key_Right:
        Q_EMIT stisknuto(nahled::Vpravo);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Q_EMIT stisknuto(nahled::Enter);
        break;
    default:
        QWidget::keyPressEvent(udalost);
    }
}
