#pragma once

// The settings entries in menu order, as the rows of a five-column list. Only the name can be
// edited in place; the rest changes through the entry dialog.

#include "generators/polozka_nastaveni.h"

#include <QAbstractTableModel>

#include <vector>

class ModelNastaveni : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& rodic = {}) const override;
    int columnCount(const QModelIndex& rodic = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int sekce, Qt::Orientation smer, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& hodnota, int role) override;

    const std::vector<PolozkaNastaveni>& polozky() const { return m_polozky; }
    void pridej(const PolozkaNastaveni& polozka);
    void uprav(int radek, const PolozkaNastaveni& polozka);
    void smazVse();

private:
    std::vector<PolozkaNastaveni> m_polozky;
};
