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

QMenu* VytvorNabidku(QWidget* rodic, const char* jmeno,
                     std::initializer_list<PolozkaNabidky> polozky) {
    auto* nabidka = new QMenu(rodic);
    nabidka->setObjectName(QString::fromLatin1(jmeno));
    for (const PolozkaNabidky& p : polozky) {
        QAction* akce = p.text.isEmpty() ? nabidka->addSeparator() : nabidka->addAction(p.text);
        if (p.jmeno)
            akce->setObjectName(QString::fromLatin1(p.jmeno));
        if (p.obsluha)
            QObject::connect(akce, &QAction::triggered, nabidka, p.obsluha);
    }
    return nabidka;
}

void PripojNabidku(QAbstractScrollArea* oblast, QMenu* nabidka) {
    oblast->setContextMenuPolicy(Qt::CustomContextMenu);
    auto* otvirac = new OtviracNabidky(oblast, nabidka);
    oblast->installEventFilter(otvirac);
    oblast->viewport()->installEventFilter(otvirac);
}
