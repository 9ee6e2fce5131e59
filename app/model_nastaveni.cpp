#include "app/model_nastaveni.h"

#include <array>

namespace {

struct Sloupec {
    const char* titulek;
    std::string PolozkaNastaveni::*pole;
    Qt::Alignment zarovnani;
};

const std::array<Sloupec, 5> sloupce{{
    {"Název Položky", &PolozkaNastaveni::Nazev, Qt::AlignLeft},
    {"Pozice x", &PolozkaNastaveni::PoziceX, Qt::AlignHCenter},
    {"Pozice y", &PolozkaNastaveni::PoziceY, Qt::AlignLeft},
    {"Hodnoty", &PolozkaNastaveni::Hodnoty, Qt::AlignHCenter},
    {"Akce", &PolozkaNastaveni::Akce, Qt::AlignHCenter},
}};

} // namespace

int ModelNastaveni::columnCount(const QModelIndex& rodic) const {
    return rodic.isValid() ? 0 : static_cast<int>(sloupce.size());
}

QVariant ModelNastaveni::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const Sloupec& sloupec = sloupce[static_cast<std::size_t>(index.column())];
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return QString::fromStdString(m_polozky[static_cast<std::size_t>(index.row())].*
                                      sloupec.pole);
    if (role == Qt::TextAlignmentRole)
        return static_cast<int>(sloupec.zarovnani | Qt::AlignVCenter);
    return {};
}

QVariant ModelNastaveni::headerData(int sekce, Qt::Orientation smer, int role) const {
    if (smer != Qt::Horizontal || sekce < 0 || sekce >= columnCount())
        return {};
    const Sloupec& sloupec = sloupce[static_cast<std::size_t>(sekce)];
    if (role == Qt::DisplayRole)
        return QString::fromUtf8(sloupec.titulek);
    if (role == Qt::TextAlignmentRole)
        return static_cast<int>(sloupec.zarovnani | Qt::AlignVCenter);
    return {};
}

Qt::ItemFlags ModelNastaveni::flags(const QModelIndex& index) const {
    Qt::ItemFlags priznaky = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() == 0)
        priznaky |= Qt::ItemIsEditable;
    return priznaky;
}

bool ModelNastaveni::setData(const QModelIndex& index, const QVariant& hodnota, int role) {
    if (role != Qt::EditRole || index.column() != 0 ||
        !checkIndex(index, CheckIndexOption::IndexIsValid))
        return false;
    m_polozky[static_cast<std::size_t>(index.row())].Nazev = hodnota.toString().toStdString();
    Q_EMIT dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return true;
}
