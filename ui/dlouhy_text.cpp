#include "ui/dlouhy_text.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QStyledItemDelegate>

#include <limits>

namespace {

class DelegatDlouhehoTextu : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* rodic, const QStyleOptionViewItem& volby,
                          const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(rodic, volby, index);
        if (auto* pole = qobject_cast<QLineEdit*>(editor))
            PovolDlouhyText(pole);
        return editor;
    }
};

} // namespace

void PovolDlouhyText(QLineEdit* pole) {
    pole->setMaxLength(std::numeric_limits<int>::max());
}

void PovolDlouhyText(QAbstractItemView* pohled) {
    pohled->setItemDelegate(new DelegatDlouhehoTextu(pohled));
}
