#include "app/zalozka_highskore.h"

#include "ui/hlaseni.h"
#include "ui/seznam_radku.h"

#include <QHeaderView>
#include <QTreeView>

using generatory::Pole;
using generatory::Vlozeni;

ZalozkaHighskore::ZalozkaHighskore(QWidget* rodic)
    : ZalozkaSVstupem(QStringLiteral("HighSkóre"), rodic), m_model(new ModelHighskore(this)),
      m_seznam(VytvorSeznamRadku(this, "ListView1", m_model)), m_upravy(m_model, m_seznam) {
    setObjectName(QStringLiteral("TabSheet5"));
    m_seznam->setAccessibleName(QStringLiteral("Tabulka skóre"));
    m_seznam->setEditTriggers(QAbstractItemView::NoEditTriggers);
    QHeaderView* hlavicka = m_seznam->header();
    hlavicka->setSectionResizeMode(0, QHeaderView::Fixed);
    hlavicka->resizeSection(0, 35);
    hlavicka->setSectionResizeMode(1, QHeaderView::Stretch);
    hlavicka->setSectionResizeMode(2, QHeaderView::Stretch);

    m_upravy.pripojNabidku(
        {"PopupMenu5", "Pidatpoloku2", "Upravitpoloku2", "Smazapoloku1",
         QStringLiteral("&Smazat položku")},
        [this] { Pidatpoloku2Click(); }, [this] { Upravitpoloku2Click(); },
        [this] { Smazapoloku1Click(); });

    poskladej(m_seznam, "sButton3", 187, {{generatory::Udalost::Draw, QStringLiteral("RichEdit9")}},
              generatory::Udalost::Draw);
    panely()->setObjectName(QStringLiteral("PageControl4"));
}

void ZalozkaHighskore::Pidatpoloku2Click() {
    m_upravy.pridej();
}

void ZalozkaHighskore::Upravitpoloku2Click() {
    m_upravy.upravVybrany();
}

void ZalozkaHighskore::Smazapoloku1Click() {
    const int radek = m_upravy.vybranyRadek();
    if (radek < 0) {
        Hlaseni::UkazOdmitnuti(this, QStringLiteral("Není vybraná žádná položka!"));
        return;
    }
    m_model->smaz(radek);
    // The view hands the selection on to a neighbour; the user has chosen none of them.
    m_seznam->selectionModel()->clearSelection();
}

void ZalozkaHighskore::sButton3Click() {
    generuj();
}

QString ZalozkaHighskore::obsah() const {
    return PocetRadku(static_cast<qsizetype>(m_model->polozky().size()));
}

std::vector<generatory::PolozkaHighskore> ZalozkaHighskore::vstup() const {
    return m_model->polozky();
}

void ZalozkaHighskore::nastavVstup(const std::vector<generatory::PolozkaHighskore>& polozky) {
    m_model->nastav(polozky);
}

void ZalozkaHighskore::ukazPole(const Vlozeni& pole) {
    const QModelIndex index =
        m_model->index(static_cast<int>(pole.vstup), pole.pole == Pole::HighskoreNick ? 1 : 2);
    if (!index.isValid())
        return;
    m_seznam->setCurrentIndex(index);
    m_seznam->scrollTo(index);
    m_seznam->setFocus(Qt::OtherFocusReason);
}
