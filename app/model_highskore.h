#pragma once

// The highscore rows in the order added, shown as the columns ID, Nick and Skóre.

#include "app/model_zaznamu.h"
#include "generators/generuj_highskore.h"

// A new row's ID is the row count including it; IDs are never renumbered, so it may repeat one
// that a remaining row still shows. An edit keeps the row's ID.
class ModelHighskore : public ModelZaznamu<PolozkaHighskore> {
    Q_OBJECT
public:
    using ModelZaznamu::ModelZaznamu;

    int columnCount(const QModelIndex& rodic = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int sekce, Qt::Orientation orientace,
                        int role = Qt::DisplayRole) const override;

protected:
    void doplnNovou(PolozkaHighskore& polozka, int radek) const override;
    void doplnUpravenou(const PolozkaHighskore& puvodni, PolozkaHighskore& nova) const override;
};
