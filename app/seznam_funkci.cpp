#include "app/seznam_funkci.h"

#include "generators/nazvy_funkci.h"
#include "ui/vzhled.h"

#include <QCollator>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QStyledItemDelegate>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

class VyskaRadku : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& volby, const QModelIndex& index) const override {
        return {QStyledItemDelegate::sizeHint(volby, index).width(), 13};
    }
};

RychleHledani::Hodiny SkutecneHodiny() {
    QElapsedTimer mereni;
    mereni.start();
    return [mereni] { return mereni.elapsed(); };
}

} // namespace

QStringList VestaveneNazvy() {
    QStringList nazvy;
    nazvy.reserve(static_cast<qsizetype>(NazvyFunkci.size()));
    for (std::string_view nazev : NazvyFunkci)
        nazvy << QString::fromLatin1(nazev.data(), static_cast<qsizetype>(nazev.size()));
    return nazvy;
}

// One sort key per name, so the collation data is consulted once per name rather than twice
// per comparison. Keys are taken of the case-folded name because the plain "C" locale's keys
// ignore the collator's case setting.
void SeradNazvy(QStringList& nazvy, const QLocale& jazyk) {
    QCollator razeni(jazyk);
    razeni.setCaseSensitivity(Qt::CaseInsensitive);
    std::vector<std::pair<QCollatorSortKey, QString>> klice;
    klice.reserve(static_cast<std::size_t>(nazvy.size()));
    for (QString& nazev : nazvy)
        klice.emplace_back(razeni.sortKey(nazev.toCaseFolded()), std::move(nazev));
    std::stable_sort(klice.begin(), klice.end(),
                     [](const auto& a, const auto& b) { return a.first.compare(b.first) < 0; });
    for (qsizetype i = 0; i < nazvy.size(); ++i)
        nazvy[i] = std::move(klice[static_cast<std::size_t>(i)].second);
}

SeznamFunkci::SeznamFunkci(QWidget* rodic)
    : QListWidget(rodic), m_nazvy(VestaveneNazvy()), m_psani(SkutecneHodiny()) {
    setObjectName(QStringLiteral("sListBox1"));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    setItemDelegate(new VyskaRadku(this));

    setFont(PismoPixelu(11));
    QPalette paleta = palette();
    paleta.setColor(QPalette::Base, Qt::white);
    paleta.setColor(QPalette::Text, Qt::black);
    setPalette(paleta);

    SeradNazvy(m_nazvy, QLocale());
    addItems(m_nazvy);
}

void SeznamFunkci::vyber(std::optional<int> radek) {
    if (!radek) {
        setCurrentRow(-1);
        clearSelection();
        return;
    }
    setCurrentRow(*radek, QItemSelectionModel::ClearAndSelect);
    scrollToItem(item(*radek));
}

void SeznamFunkci::keyPressEvent(QKeyEvent* udalost) {
    const bool prikaz = udalost->modifiers() & (Qt::ControlModifier | Qt::AltModifier);
    if (udalost->key() == Qt::Key_Backspace && !prikaz) {
        if (const std::optional<int> radek = m_psani.backspace(m_nazvy))
            vyber(radek);
        return;
    }
    const QString text = udalost->text();
    if (!prikaz && !text.isEmpty() && text.front().isPrint()) {
        if (const std::optional<int> radek = m_psani.znak(text, m_nazvy))
            vyber(radek);
        return;
    }
    QListWidget::keyPressEvent(udalost);
}
