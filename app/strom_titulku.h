#pragma once

// The credits tree: positions at the top level, their persons below, in insertion order.
// The program never moves the selection itself, so a right click leaves it where it was.

#include "generators/generuj_titulky.h"

#include <QTreeWidget>

#include <vector>

class StromTitulku : public QTreeWidget {
    Q_OBJECT
public:
    explicit StromTitulku(QWidget* rodic = nullptr);

    bool JePozice(const QTreeWidgetItem* uzel) const;
    // Whether any node, position or person, carries exactly this text.
    bool obsahujeText(const QString& text) const;
    void pridejPozici(const QString& text);
    // Appends the person and expands the position with everything below it.
    void pridejOsobu(QTreeWidgetItem* pozice, const QString& text);
    QTreeWidgetItem* vybrany() const;
    // Every node in depth-first pre-order.
    std::vector<PolozkaTitulku> polozky() const;
    // The node at this place in that order, or nullptr.
    QTreeWidgetItem* uzel(std::size_t poradi);
    // Replaces every node by these, in pre-order, with each position that has persons open;
    // persons before the first position have no place and are left out.
    void nastavPolozky(const std::vector<PolozkaTitulku>& polozky);

private:
    void poSbaleni(QTreeWidgetItem* uzel);

    // The left press fell below the nodes, so its drag and release are not the view's.
    bool m_stiskPodUzly = false;

protected:
    void drawBranches(QPainter* malir, const QRect& oblast,
                      const QModelIndex& index) const override;
    void mousePressEvent(QMouseEvent* udalost) override;
    void mouseReleaseEvent(QMouseEvent* udalost) override;
    void mouseDoubleClickEvent(QMouseEvent* udalost) override;
    void mouseMoveEvent(QMouseEvent* udalost) override;
};
