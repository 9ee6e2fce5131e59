#include "app/zalozka_highskore.h"

#include "app/kontrola_stranky.h"
#include "app/model_highskore.h"
#include "app/ukaz_skript.h"
#include "dialogs/dialog_highskore.h"
#include "generators/generuj_highskore.h"
#include "ui/blok_panelu.h"
#include "ui/hlaseni.h"
#include "ui/kontextova_nabidka.h"
#include "ui/ovladace.h"
#include "ui/seznam_radku.h"

#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

ZalozkaHighskore::ZalozkaHighskore(QWidget* rodic) : QWidget(rodic) {
    m_model = new ModelHighskore(this);
    m_seznam = VytvorSeznamRadku(this, "ListView1", m_model);
    m_seznam->setAccessibleName(QStringLiteral("Tabulka skóre"));
    m_seznam->setEditTriggers(QAbstractItemView::NoEditTriggers);
    QHeaderView* hlavicka = m_seznam->header();
    hlavicka->setSectionResizeMode(0, QHeaderView::Fixed);
    hlavicka->resizeSection(0, 35);
    hlavicka->setSectionResizeMode(1, QHeaderView::Stretch);
    hlavicka->setSectionResizeMode(2, QHeaderView::Stretch);

    m_popup = VytvorNabidku(
        this, "PopupMenu5",
        {{"Pidatpoloku2", QStringLiteral("Přidat položku"), [this] { Pidatpoloku2Click(); }},
         {nullptr, {}, {}},
         {"Upravitpoloku2", QStringLiteral("Upravit položku"), [this] { Upravitpoloku2Click(); }},
         {nullptr, {}, {}},
         {"Smazapoloku1", QStringLiteral("Smazat položku"), [this] { Smazapoloku1Click(); }}});
    PripojNabidku(m_seznam, m_popup);

    m_tlacitko = Tlacitko(this, "sButton3", QStringLiteral("Vygenerovat kód"));
    m_tlacitko->setFixedHeight(32);
    connect(m_tlacitko, &QPushButton::clicked, this, &ZalozkaHighskore::sButton3Click);

    m_panely =
        new BlokPanelu(187, {{Udalost::Draw, QStringLiteral("Draw"), QStringLiteral("RichEdit9")}},
                       Udalost::Draw, this);
    m_panely->setObjectName(QStringLiteral("PageControl4"));
    m_kontrola = new KontrolaStranky(
        m_panely, [this](const Vlozeni& pole) { ukazPole(pole); }, this);

    auto* rozlozeni = new QVBoxLayout(this);
    rozlozeni->setContentsMargins(0, 0, 0, 0);
    rozlozeni->setSpacing(0);
    rozlozeni->addWidget(m_seznam, 1);
    rozlozeni->addWidget(m_tlacitko);
    rozlozeni->addWidget(m_kontrola->radek());
}

int ZalozkaHighskore::vybranyRadek() const {
    const QModelIndexList vybrane = m_seznam->selectionModel()->selectedRows();
    return vybrane.isEmpty() ? -1 : vybrane.first().row();
}

void ZalozkaHighskore::otevriDialog() {
    std::optional<PolozkaHighskore> upravovana;
    if (m_ktere2Upravit >= 0 && m_ktere2Upravit < m_model->pocet())
        upravovana = m_model->polozky()[static_cast<std::size_t>(m_ktere2Upravit)];
    THighskore dialog(upravovana, m_model->pocet(), this);
    if (dialog.exec() == QDialog::Accepted) {
        const PolozkaHighskore p = dialog.polozka();
        const QString nick = QString::fromStdString(p.nick);
        const QString skore = QString::fromStdString(p.skore);
        if (upravovana)
            m_model->uprav(m_ktere2Upravit, nick, skore);
        else
            m_model->pridej(nick, skore);
    }
    NastavKtere2(-1);
}

void ZalozkaHighskore::Pidatpoloku2Click() {
    otevriDialog();
}

void ZalozkaHighskore::Upravitpoloku2Click() {
    const int radek = vybranyRadek();
    if (radek < 0)
        return;
    NastavKtere2(radek);
    otevriDialog();
}

void ZalozkaHighskore::Smazapoloku1Click() {
    const int radek = vybranyRadek();
    if (radek < 0) {
        Hlaseni::UkazOdmitnuti(this, QStringLiteral("Není vybraná žádná položka!"));
        return;
    }
    m_model->smaz(radek);
    // The view hands the selection on to a neighbour; the user has chosen none of them.
    m_seznam->selectionModel()->clearSelection();
}

void ZalozkaHighskore::sButton3Click() {
    Skript skript = GenerujHighskore(m_model->polozky());
    if (UkazSkript(skript, m_panely, this))
        m_kontrola->zkontroluj(std::move(skript));
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
