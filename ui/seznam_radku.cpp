#include "ui/seznam_radku.h"

#include "ui/odznaceni_ctrl_klikem.h"

#include <QHeaderView>
#include <QTreeView>

QTreeView* VytvorSeznamRadku(QWidget* rodic, const char* jmeno, QAbstractItemModel* model) {
    auto* seznam = new QTreeView(rodic);
    seznam->setObjectName(QString::fromLatin1(jmeno));
    seznam->setModel(model);
    seznam->setRootIsDecorated(false);
    seznam->setItemsExpandable(false);
    seznam->setUniformRowHeights(true);
    seznam->setSelectionBehavior(QAbstractItemView::SelectRows);
    seznam->setSelectionMode(QAbstractItemView::SingleSelection);
    OdznacujCtrlKlikem(seznam);
    seznam->header()->setStretchLastSection(false);
    seznam->header()->setSectionsMovable(false);
    return seznam;
}
