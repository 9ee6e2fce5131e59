#include "app/strom_titulku.h"

#include "ui/dlouhy_text.h"
#include "ui/odznaceni_ctrl_klikem.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTreeWidgetItemIterator>

#include <algorithm>

namespace {

QTreeWidgetItem* novyUzel(const QString& text) {
    auto* uzel = new QTreeWidgetItem(QStringList{text});
    uzel->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable);
    return uzel;
}

void pridejVPoradi(const QTreeWidgetItem* uzel, std::vector<const QTreeWidgetItem*>& uzly) {
    uzly.push_back(uzel);
    for (int i = 0; i < uzel->childCount(); ++i)
        pridejVPoradi(uzel->child(i), uzly);
}

// Every node in depth-first pre-order.
std::vector<const QTreeWidgetItem*> uzlyVPoradi(const QTreeWidget& strom) {
    std::vector<const QTreeWidgetItem*> uzly;
    for (int i = 0; i < strom.topLevelItemCount(); ++i)
        pridejVPoradi(strom.topLevelItem(i), uzly);
    return uzly;
}

} // namespace

StromTitulku::StromTitulku(QWidget* rodic) : QTreeWidget(rodic) {
    setObjectName(QStringLiteral("TreeView1"));
    setHeaderHidden(true);
    setColumnCount(1);
    setIndentation(19);
    setRootIsDecorated(true);
    setItemsExpandable(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    // A double click opens or closes a position; a click on the selected node or F2 renames.
    setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    setFixedWidth(169);
    PovolDlouhyText(this);
    OdznacujCtrlKlikem(this);
    connect(this, &QTreeWidget::itemCollapsed, this, &StromTitulku::poSbaleni);
}

// A hidden node stays selected nowhere: the selection moves up to the node that hid it.
void StromTitulku::poSbaleni(QTreeWidgetItem* uzel) {
    for (const QTreeWidgetItem* predek = vybrany(); predek; predek = predek->parent())
        if (predek->parent() == uzel) {
            setCurrentItem(uzel);
            return;
        }
}

bool StromTitulku::JePozice(const QTreeWidgetItem* uzel) const {
    return uzel && uzel->treeWidget() == this && !uzel->parent();
}

bool StromTitulku::obsahujeText(const QString& text) const {
    const auto uzly = uzlyVPoradi(*this);
    return std::any_of(uzly.begin(), uzly.end(),
                       [&text](const QTreeWidgetItem* uzel) { return uzel->text(0) == text; });
}

void StromTitulku::pridejPozici(const QString& text) {
    addTopLevelItem(novyUzel(text));
}

void StromTitulku::pridejOsobu(QTreeWidgetItem* pozice, const QString& text) {
    pozice->addChild(novyUzel(text));
    expandRecursively(indexFromItem(pozice));
}

void StromTitulku::nastavPolozky(const std::vector<PolozkaTitulku>& polozky) {
    clear();
    QList<QTreeWidgetItem*> pozice;
    for (const PolozkaTitulku& p : polozky) {
        const QString text = QString::fromStdString(p.text);
        if (p.pozice)
            pozice.append(novyUzel(text));
        else if (!pozice.isEmpty())
            pozice.back()->addChild(novyUzel(text));
    }
    addTopLevelItems(pozice);
    expandAll();
}

QTreeWidgetItem* StromTitulku::vybrany() const {
    const QList<QTreeWidgetItem*> vybrane = selectedItems();
    return vybrane.isEmpty() ? nullptr : vybrane.first();
}

std::vector<PolozkaTitulku> StromTitulku::polozky() const {
    std::vector<PolozkaTitulku> vysledek;
    for (const QTreeWidgetItem* uzel : uzlyVPoradi(*this))
        vysledek.push_back({uzel->text(0).toStdString(), JePozice(uzel)});
    return vysledek;
}

QTreeWidgetItem* StromTitulku::uzel(std::size_t poradi) {
    QTreeWidgetItemIterator it(this);
    for (std::size_t i = 0; *it && i < poradi; ++i)
        ++it;
    return *it;
}

// The look draws only the expand arrows, so the connecting lines are drawn here.
void StromTitulku::drawBranches(QPainter* malir, const QRect& oblast,
                                const QModelIndex& index) const {
    malir->save();
    malir->setPen(QPen(palette().color(QPalette::Mid), 0, Qt::DotLine));
    const int krok = indentation();
    const int stred = oblast.center().y();
    int x = oblast.right() + 1 - krok + krok / 2;
    const bool prvni = !index.parent().isValid() && index.row() == 0;
    const bool posledni = !index.siblingAtRow(index.row() + 1).isValid();
    malir->drawLine(x, prvni ? stred : oblast.top(), x, posledni ? stred : oblast.bottom());
    malir->drawLine(x, stred, oblast.right(), stred);
    for (QModelIndex predek = index.parent(); predek.isValid(); predek = predek.parent()) {
        x -= krok;
        if (predek.siblingAtRow(predek.row() + 1).isValid())
            malir->drawLine(x, oblast.top(), x, oblast.bottom());
    }
    malir->restore();
    QTreeWidget::drawBranches(malir, oblast, index);
}

// Item views select on a right press; here the right button only opens the context menu.
// A press below the nodes keeps the selection, as native trees do.
void StromTitulku::mousePressEvent(QMouseEvent* udalost) {
    if (udalost->button() == Qt::RightButton)
        return udalost->accept();
    if (udalost->button() == Qt::LeftButton) {
        m_stiskPodUzly = !indexAt(udalost->position().toPoint()).isValid();
        if (m_stiskPodUzly)
            return udalost->accept();
    }
    QTreeWidget::mousePressEvent(udalost);
}

void StromTitulku::mouseReleaseEvent(QMouseEvent* udalost) {
    if (udalost->button() == Qt::RightButton)
        return udalost->accept();
    if (udalost->button() == Qt::LeftButton && m_stiskPodUzly) {
        m_stiskPodUzly = false;
        return udalost->accept();
    }
    QTreeWidget::mouseReleaseEvent(udalost);
}

void StromTitulku::mouseDoubleClickEvent(QMouseEvent* udalost) {
    if (udalost->button() == Qt::RightButton)
        return udalost->accept();
    QTreeWidget::mouseDoubleClickEvent(udalost);
}

void StromTitulku::mouseMoveEvent(QMouseEvent* udalost) {
    // A drag from below the nodes would select what it passes over.
    if (udalost->buttons() == Qt::RightButton || m_stiskPodUzly)
        return udalost->accept();
    QTreeWidget::mouseMoveEvent(udalost);
}
