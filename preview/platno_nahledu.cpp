#include "preview/platno_nahledu.h"

#include "preview/mistnost.h"

#include <QKeyEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <iterator>

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

const QRectF mistnost(0, 0, nahled::Mistnost::Sirka, nahled::Mistnost::Vyska);

// Whether any of the text can fall inside the room, without laying it out: a text grows right
// and down from its point, and no line or letter of the largest font is this many pixels.
bool muzeBytVidet(const nahled::Kresba& k) {
    constexpr double nejvetsiZnak = 200;
    if (k.x >= mistnost.right() || k.y >= mistnost.bottom())
        return false;
    const auto radku = std::count(k.text.begin(), k.text.end(), '\n') + 1;
    return k.y + nejvetsiZnak * static_cast<double>(radku) > 0 &&
           k.x + nejvetsiZnak * static_cast<double>(k.text.size()) > 0;
}

} // namespace

PlatnoNahledu::PlatnoNahledu(QWidget* rodic) : QWidget(rodic) {
    setObjectName(QStringLiteral("Mistnost"));
    setAccessibleName(QStringLiteral("Místnost náhledu"));
    setAccessibleDescription(
        QStringLiteral("Texty umístěné poli formuláře lze myší přetáhnout na nové místo."));
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setMinimumSize(nahled::Mistnost::Sirka / 2, nahled::Mistnost::Vyska / 2);
}

// Only what the room may show is kept, so a table of thousands of rows is laid out and painted
// no more than the few the room holds.
void PlatnoNahledu::nastavKresby(const std::vector<nahled::Kresba>& kresby) {
    m_kresby.clear();
    std::copy_if(kresby.begin(), kresby.end(), std::back_inserter(m_kresby), muzeBytVidet);
    ukazKurzor();
    update();
}

void PlatnoNahledu::nastavPosouzeni(Posouzeni posouzeni) {
    m_posouzeni = std::move(posouzeni);
    ukazKurzor();
}

QTransform PlatnoNahledu::zobrazeni() const {
    using nahled::Mistnost;
    const double s =
        std::min(width() / double(Mistnost::Sirka), height() / double(Mistnost::Vyska));
    return QTransform::fromTranslate((width() - Mistnost::Sirka * s) / 2,
                                     (height() - Mistnost::Vyska * s) / 2)
        .scale(s, s);
}

// Where the text stands in the room, drawn as paintEvent draws it.
QRectF PlatnoNahledu::obrys(const nahled::Kresba& k, QPointF posun) const {
    const QFontMetricsF metriky(pismo(k.pismo), this);
    return metriky.boundingRect(QRectF(QPointF(k.x, k.y) + posun, mistnost.size() * 4),
                                Qt::AlignLeft | Qt::AlignTop, QString::fromStdString(k.text));
}

// The topmost text under a point of this widget, which only the room shows.
std::optional<std::size_t> PlatnoNahledu::kresbaNa(QPointF bod) const {
    const QPointF vMistnosti = zobrazeni().inverted().map(bod);
    if (!mistnost.contains(vMistnosti))
        return std::nullopt;
    for (std::size_t i = m_kresby.size(); i-- > 0;) {
        const nahled::Kresba& k = m_kresby[i];
        // A text grows right and down from its point; most are passed without measuring them.
        if (k.x <= vMistnosti.x() && k.y <= vMistnosti.y() && obrys(k).contains(vMistnosti))
            return i;
    }
    return std::nullopt;
}

PlatnoNahledu::Uchop PlatnoNahledu::posud(std::size_t kresba) const {
    return m_posouzeni(m_kresby[kresba].radek);
}

void PlatnoNahledu::ukazKurzor() {
    if (m_tah)
        setCursor(Qt::ClosedHandCursor);
    else if (const auto k = m_mys && m_posouzeni ? kresbaNa(*m_mys) : std::nullopt;
             k && posud(*k) == Uchop::Tahni)
        setCursor(Qt::OpenHandCursor);
    else
        unsetCursor();
}

void PlatnoNahledu::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    p.setTransform(zobrazeni());
    p.fillRect(mistnost, Qt::black);
    p.setClipRect(mistnost);
    for (std::size_t i = 0; i < m_kresby.size(); ++i) {
        const nahled::Kresba& k = m_kresby[i];
        const QPointF posun = m_tah && m_tah->kresba == i ? m_tah->posun : QPointF();
        p.setFont(pismo(k.pismo));
        p.setPen(QColor(k.barva.r, k.barva.g, k.barva.b));
        p.drawText(QRectF(QPointF(k.x, k.y) + posun, mistnost.size() * 4),
                   Qt::AlignLeft | Qt::AlignTop, QString::fromStdString(k.text));
    }
    if (m_tah)
        kresliSouradnice(p, *m_tah);
    // The arrow keys and Enter go to the script only while this frame shows.
    if (hasFocus()) {
        p.resetTransform();
        p.setClipping(false);
        p.setPen(QPen(palette().highlight(), 2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
}

void PlatnoNahledu::focusInEvent(QFocusEvent* udalost) {
    update();
    QWidget::focusInEvent(udalost);
}

void PlatnoNahledu::focusOutEvent(QFocusEvent* udalost) {
    update();
    QWidget::focusOutEvent(udalost);
}

// The room coordinates the dragged text would take, beside it.
void PlatnoNahledu::kresliSouradnice(QPainter& p, const Tah& tah) const {
    const nahled::Kresba& k = m_kresby[tah.kresba];
    const QRectF naObrazovce = zobrazeni().mapRect(obrys(k, tah.posun));
    p.resetTransform();
    p.setClipping(false);
    p.setFont(font());
    p.setPen(QColor(0, 220, 255));
    p.drawText(naObrazovce.topRight() + QPointF(8, p.fontMetrics().ascent()),
               QStringLiteral("%1, %2")
                   .arg(std::lround(k.x + tah.posun.x()))
                   .arg(std::lround(k.y + tah.posun.y())));
}

void PlatnoNahledu::mousePressEvent(QMouseEvent* udalost) {
    const auto k = udalost->button() == Qt::LeftButton && m_posouzeni
                       ? kresbaNa(udalost->position())
                       : std::nullopt;
    if (!k)
        return QWidget::mousePressEvent(udalost);
    switch (posud(*k)) {
    case Uchop::Nic:
        return QWidget::mousePressEvent(udalost);
    case Uchop::Vysvetli:
        Q_EMIT odmitnuto(m_kresby[*k].radek);
        break;
    case Uchop::Tahni:
        m_tah = Tah{*k, zobrazeni().inverted().map(udalost->position()), {}};
        ukazKurzor();
        Q_EMIT uchopeno();
        update();
        break;
    }
    udalost->accept();
}

void PlatnoNahledu::mouseMoveEvent(QMouseEvent* udalost) {
    m_mys = udalost->position();
    if (!m_tah)
        return ukazKurzor();
    m_tah->posun = zobrazeni().inverted().map(udalost->position()) - m_tah->zacatek;
    update();
}

void PlatnoNahledu::mouseReleaseEvent(QMouseEvent* udalost) {
    if (!m_tah || udalost->button() != Qt::LeftButton)
        return QWidget::mouseReleaseEvent(udalost);
    m_tah->posun = zobrazeni().inverted().map(udalost->position()) - m_tah->zacatek;
    const Tah tah = *std::exchange(m_tah, std::nullopt);
    m_mys = udalost->position();
    ukazKurzor();
    update();
    Q_EMIT pusteno(m_kresby[tah.kresba].radek,
                   QPoint(static_cast<int>(std::lround(tah.posun.x())),
                          static_cast<int>(std::lround(tah.posun.y()))));
}

void PlatnoNahledu::leaveEvent(QEvent* udalost) {
    m_mys.reset();
    ukazKurzor();
    QWidget::leaveEvent(udalost);
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
