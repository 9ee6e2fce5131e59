#include "ui/hlidac_zmen.h"

#include "ui/seznam_nalezu.h"

#include <QAbstractItemModel>
#include <QAbstractItemView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

HlidacZmen::HlidacZmen(QWidget* formular) : QObject(formular) {
    for (QLineEdit* pole : formular->findChildren<QLineEdit*>())
        connect(pole, &QLineEdit::textChanged, this, &HlidacZmen::zmena);
    for (QPlainTextEdit* panel : formular->findChildren<QPlainTextEdit*>())
        connect(panel, &QPlainTextEdit::textChanged, this, &HlidacZmen::zmena);
    for (QPushButton* tlacitko : formular->findChildren<QPushButton*>())
        connect(tlacitko, &QPushButton::clicked, this, &HlidacZmen::zmena);
    for (QAbstractItemView* pohled : formular->findChildren<QAbstractItemView*>()) {
        // The check list is what the program says of the script just written: it fills when the
        // reading beside the window ends, long after the author's last change.
        const QAbstractItemModel* model = pohled->model();
        if (!model || qobject_cast<SeznamNalezu*>(pohled))
            continue;
        connect(model, &QAbstractItemModel::dataChanged, this, &HlidacZmen::zmena);
        connect(model, &QAbstractItemModel::rowsInserted, this, &HlidacZmen::zmena);
        connect(model, &QAbstractItemModel::rowsRemoved, this, &HlidacZmen::zmena);
        connect(model, &QAbstractItemModel::rowsMoved, this, &HlidacZmen::zmena);
        connect(model, &QAbstractItemModel::modelReset, this, &HlidacZmen::zmena);
        connect(model, &QAbstractItemModel::layoutChanged, this, &HlidacZmen::zmena);
    }
}

void HlidacZmen::zmena() {
    if (m_ticho == 0)
        ++m_pocet;
}
