#include "ui/kontextova_nabidka.h"

#include <QAbstractScrollArea>
#include <QContextMenuEvent>
#include <QMenu>

namespace {

// A right click arrives at the viewport, a key at the control itself; either event knows
// its own place on the screen.
class OtviracNabidky : public QObject {
public:
    OtviracNabidky(QAbstractScrollArea* oblast, QMenu* nabidka)
        : QObject(oblast), m_nabidka(nabidka) {}

protected:
    bool eventFilter(QObject* objekt, QEvent* udalost) override {
        if (udalost->type() != QEvent::ContextMenu)
            return QObject::eventFilter(objekt, udalost);
        m_nabidka->popup(static_cast<QContextMenuEvent*>(udalost)->globalPos());
        return true;
    }

private:
    QMenu* m_nabidka;
};

} // namespace

void PripojNabidku(QAbstractScrollArea* oblast, QMenu* nabidka) {
    oblast->setContextMenuPolicy(Qt::CustomContextMenu);
    auto* otvirac = new OtviracNabidky(oblast, nabidka);
    oblast->installEventFilter(otvirac);
    oblast->viewport()->installEventFilter(otvirac);
}
