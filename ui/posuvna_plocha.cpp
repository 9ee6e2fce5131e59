#include "ui/posuvna_plocha.h"

#include <QApplication>

namespace {

// Room beside the farthest control, so that scrolled to the end it does not touch the edge.
constexpr int okraj = 8;

} // namespace

PosuvnaPlocha::PosuvnaPlocha(QWidget* formular, QWidget* rodic) : QScrollArea(rodic) {
    setFrameShape(QFrame::NoFrame);
    // The form's controls are Tab's stops; the area around them is none.
    setFocusPolicy(Qt::NoFocus);
    QRect rozsah;
    for (const QWidget* prvek : formular->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        rozsah |= prvek->geometry();
    formular->setMinimumSize(rozsah.right() + 1 + okraj, rozsah.bottom() + 1 + okraj);
    setWidgetResizable(true);
    setWidget(formular);
    // The page looks as it did without the area: neither the form nor the view paints a
    // background of its own over the tab's.
    formular->setAutoFillBackground(false);
    viewport()->setAutoFillBackground(false);
    m_fokus = connect(qApp, &QApplication::focusChanged, this, &PosuvnaPlocha::ukaz);
}

// The form's fields give up the focus while the base classes destroy them, when this part of
// the area is gone already.
PosuvnaPlocha::~PosuvnaPlocha() {
    disconnect(m_fokus);
}

// The whole control, not only a field's text cursor; one larger than the view from its top left
// corner on.
void PosuvnaPlocha::ukaz(QWidget*, QWidget* prvek) {
    if (!prvek || !widget()->isAncestorOf(prvek))
        return;
    const QRect misto(prvek->mapTo(widget(), QPoint()), prvek->size());
    ensureVisible(misto.right(), misto.bottom(), okraj, okraj);
    ensureVisible(misto.left(), misto.top(), okraj, okraj);
}

// Tab's way through the form shows its control as any other way there does.
bool PosuvnaPlocha::focusNextPrevChild(bool dalsi) {
    return QWidget::focusNextPrevChild(dalsi);
}
