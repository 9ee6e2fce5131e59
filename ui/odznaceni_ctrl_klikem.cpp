#include "ui/odznaceni_ctrl_klikem.h"

#include <QAbstractItemView>
#include <QItemSelectionModel>
#include <QMouseEvent>

#include <utility>

namespace {

class OdznaceniCtrlKlikem : public QObject {
public:
    explicit OdznaceniCtrlKlikem(QAbstractItemView* pohled) : QObject(pohled), m_pohled(pohled) {}

    bool eventFilter(QObject* objekt, QEvent* udalost) override {
        switch (udalost->type()) {
        case QEvent::MouseButtonPress:
            m_stisk = odznac(static_cast<QMouseEvent*>(udalost));
            return m_stisk;
        // The view would select what the drag passes over, and rename on the release.
        case QEvent::MouseMove:
            return m_stisk;
        case QEvent::MouseButtonRelease:
            return static_cast<QMouseEvent*>(udalost)->button() == Qt::LeftButton &&
                   std::exchange(m_stisk, false);
        default:
            return QObject::eventFilter(objekt, udalost);
        }
    }

private:
    bool odznac(const QMouseEvent* udalost) {
        if (udalost->button() != Qt::LeftButton || !(udalost->modifiers() & Qt::ControlModifier))
            return false;
        const QModelIndex index = m_pohled->indexAt(udalost->position().toPoint());
        QItemSelectionModel* vyber = m_pohled->selectionModel();
        if (!index.isValid() || !vyber->isSelected(index))
            return false;
        const QItemSelectionModel::SelectionFlags radky =
            m_pohled->selectionBehavior() == QAbstractItemView::SelectRows
                ? QItemSelectionModel::Rows
                : QItemSelectionModel::NoUpdate;
        vyber->select(index, QItemSelectionModel::Deselect | radky);
        return true;
    }

    QAbstractItemView* m_pohled;
    bool m_stisk = false;
};

} // namespace

void OdznacujCtrlKlikem(QAbstractItemView* pohled) {
    pohled->viewport()->installEventFilter(new OdznaceniCtrlKlikem(pohled));
}
