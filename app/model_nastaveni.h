#pragma once

// The settings entries in menu order, as the rows of a five-column list. Only the name can be
// edited in place; the rest changes through the entry dialog.

#include "app/model_zaznamu.h"
#include "generators/polozka_nastaveni.h"

class ModelNastaveni : public ModelZaznamu<PolozkaNastaveni> {
    Q_OBJECT
public:
    using ModelZaznamu::ModelZaznamu;

    int columnCount(const QModelIndex& rodic = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int sekce, Qt::Orientation smer, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& hodnota, int role) override;
};
