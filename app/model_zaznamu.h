#pragma once

// The rows of an entry list, in order, each one record: a record goes in and comes out whole.
// A row number that names no row changes nothing and is answered with false, in every list.

#include <QAbstractTableModel>

#include <utility>
#include <vector>

template <typename Zaznam> class ModelZaznamu : public QAbstractTableModel {
public:
    using Polozka = Zaznam;
    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& rodic = {}) const override {
        return rodic.isValid() ? 0 : pocet();
    }
    int pocet() const { return static_cast<int>(m_polozky.size()); }
    const std::vector<Zaznam>& polozky() const { return m_polozky; }

    void pridej(Zaznam polozka) {
        const int radek = pocet();
        doplnNovou(polozka, radek);
        beginInsertRows({}, radek, radek);
        m_polozky.push_back(std::move(polozka));
        endInsertRows();
    }

    bool uprav(int radek, Zaznam polozka) {
        if (!jeRadek(radek))
            return false;
        Zaznam& puvodni = m_polozky[static_cast<std::size_t>(radek)];
        doplnUpravenou(puvodni, polozka);
        puvodni = std::move(polozka);
        Q_EMIT dataChanged(index(radek, 0), index(radek, columnCount() - 1));
        return true;
    }

    bool smaz(int radek) {
        if (!jeRadek(radek))
            return false;
        beginRemoveRows({}, radek, radek);
        m_polozky.erase(m_polozky.begin() + radek);
        endRemoveRows();
        return true;
    }

    void smazVse() {
        beginResetModel();
        m_polozky.clear();
        endResetModel();
    }

    // Every row exactly as given. A row that keeps its place and its record stays untouched,
    // so the view keeps its selection and editor there.
    void nastav(std::vector<Zaznam> polozky) {
        const int novych = static_cast<int>(polozky.size());
        if (novych < pocet()) {
            beginRemoveRows({}, novych, pocet() - 1);
            m_polozky.resize(polozky.size());
            endRemoveRows();
        }
        for (int radek = 0; radek < pocet(); ++radek) {
            Zaznam& puvodni = m_polozky[static_cast<std::size_t>(radek)];
            if (puvodni == polozky[static_cast<std::size_t>(radek)])
                continue;
            puvodni = std::move(polozky[static_cast<std::size_t>(radek)]);
            Q_EMIT dataChanged(index(radek, 0), index(radek, columnCount() - 1));
        }
        if (novych > pocet()) {
            beginInsertRows({}, pocet(), novych - 1);
            m_polozky.insert(m_polozky.end(), std::make_move_iterator(polozky.begin() + pocet()),
                             std::make_move_iterator(polozky.end()));
            endInsertRows();
        }
    }

protected:
    // What the list itself gives a record it takes in: a new one at `radek`, or an edit of one.
    virtual void doplnNovou(Zaznam& /*polozka*/, int /*radek*/) const {}
    virtual void doplnUpravenou(const Zaznam& /*puvodni*/, Zaznam& /*nova*/) const {}

    bool jeRadek(int radek) const { return radek >= 0 && radek < pocet(); }

    std::vector<Zaznam> m_polozky;
};
