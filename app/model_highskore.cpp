#include "app/model_highskore.h"

#include <array>

namespace {

enum Sloupec { Id, Nick, Skore, PocetSloupcu };

} // namespace

int ModelHighskore::columnCount(const QModelIndex& rodic) const {
    return rodic.isValid() ? 0 : PocetSloupcu;
}

QVariant ModelHighskore::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    if (role == Qt::TextAlignmentRole && index.column() == Nick)
        return int(Qt::AlignCenter);
    if (role != Qt::DisplayRole)
        return {};
    const PolozkaHighskore& p = m_polozky[static_cast<std::size_t>(index.row())];
    const std::array<const std::string*, PocetSloupcu> texty{&p.id, &p.nick, &p.skore};
    return QString::fromStdString(*texty[static_cast<std::size_t>(index.column())]);
}

QVariant ModelHighskore::headerData(int sekce, Qt::Orientation orientace, int role) const {
    if (orientace != Qt::Horizontal || sekce < 0 || sekce >= PocetSloupcu)
        return {};
    if (role == Qt::TextAlignmentRole && sekce == Nick)
        return int(Qt::AlignCenter);
    if (role != Qt::DisplayRole)
        return {};
    static const std::array<QString, PocetSloupcu> nazvy{
        QStringLiteral("ID"), QStringLiteral("Nick"), QStringLiteral("Skóre")};
    return nazvy[static_cast<std::size_t>(sekce)];
}

void ModelHighskore::doplnNovou(PolozkaHighskore& polozka, int radek) const {
    polozka.id = std::to_string(radek + 1);
}

void ModelHighskore::doplnUpravenou(const PolozkaHighskore& puvodni, PolozkaHighskore& nova) const {
    nova.id = puvodni.id;
}
