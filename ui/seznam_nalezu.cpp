#include "ui/seznam_nalezu.h"

#include "preview/mistnost.h"

namespace {

// A tree of thousands of broken names gives as many messages; the first ones say what to fix.
constexpr std::size_t nejviceZprav = 500;

} // namespace

SeznamNalezu::SeznamNalezu(QWidget* rodic) : QListWidget(rodic) {
    setObjectName(QStringLiteral("Nalezy"));
    setAccessibleName(QStringLiteral("Chyby ve vygenerovaném kódu"));
    setAccessibleDescription(QStringLiteral(
        "Řádky, které náhled nepřečte. Enter nebo klik ukáže pole, které je napsalo."));
    setWordWrap(true);
    setTextElideMode(Qt::ElideNone);
    setResizeMode(QListView::Adjust);
    hide();
    connect(this, &QListWidget::itemClicked, this, &SeznamNalezu::vyber);
    connect(this, &QListWidget::itemActivated, this, &SeznamNalezu::vyber);
}

void SeznamNalezu::nastav(std::vector<nahled::Nalez> nalezy) {
    clear();
    m_nalezy = std::move(nalezy);
    const std::size_t pocet = std::min(m_nalezy.size(), nejviceZprav);
    for (std::size_t i = 0; i < pocet; ++i) {
        const nahled::Nalez& n = m_nalezy[i];
        auto* polozka = new QListWidgetItem(QString::fromStdString(n.zprava), this);
        polozka->setForeground(Qt::darkRed);
        polozka->setToolTip(QStringLiteral("%1, řádek %2")
                                .arg(QString::fromStdString(nahled::NazevUdalosti(n.udalost)))
                                .arg(n.radek));
        polozka->setData(Qt::UserRole, static_cast<qulonglong>(i));
    }
    if (m_nalezy.size() > pocet)
        addItem(QStringLiteral("… a dalších %1 míst").arg(m_nalezy.size() - pocet));
    setVisible(!m_nalezy.empty());
    if (count() > 0)
        setCurrentRow(0);
}

void SeznamNalezu::vyber(QListWidgetItem* polozka) {
    const QVariant index = polozka ? polozka->data(Qt::UserRole) : QVariant();
    if (index.isValid())
        Q_EMIT vybrano(m_nalezy[index.toULongLong()]);
}
