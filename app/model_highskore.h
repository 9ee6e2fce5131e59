#pragma once

// The highscore rows in the order added, shown as the columns ID, Nick and Skóre.

#include "generators/generuj_highskore.h"

#include <QAbstractTableModel>

#include <vector>

class ModelHighskore : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& rodic = {}) const override;
    int columnCount(const QModelIndex& rodic = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int sekce, Qt::Orientation orientace,
                        int role = Qt::DisplayRole) const override;

    const std::vector<PolozkaHighskore>& polozky() const { return m_polozky; }
    int pocet() const { return static_cast<int>(m_polozky.size()); }

    // The new row's ID is the row count including it; IDs are never renumbered, so it may
    // repeat one that a remaining row still shows.
    void pridej(const QString& nick, const QString& skore);
    // Replaces the texts of the row at `radek`; its ID stays.
    void uprav(int radek, const QString& nick, const QString& skore);
    void smaz(int radek);

private:
    std::vector<PolozkaHighskore> m_polozky;
};
