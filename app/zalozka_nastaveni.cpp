#include "app/zalozka_nastaveni.h"

#include "app/kontrola_stranky.h"
#include "app/model_nastaveni.h"
#include "app/ukaz_skript.h"
#include "dialogs/dialog_nastaveni.h"
#include "generators/generuj_nastaveni.h"
#include "ui/blok_panelu.h"
#include "ui/dlouhy_text.h"
#include "ui/hlaseni.h"
#include "ui/hlidac_zmen.h"
#include "ui/kontextova_nabidka.h"
#include "ui/ovladace.h"
#include "ui/seznam_radku.h"

#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

ZalozkaNastaveni::ZalozkaNastaveni(QWidget* rodic) : QWidget(rodic) {
    vytvorSeznam();

    m_tlacitko = Tlacitko(this, "sButton2", QStringLiteral("Vygenerovat kód"));
    m_tlacitko->setFixedHeight(32);

    m_panely =
        new BlokPanelu(195,
                       {{Udalost::Create, QStringLiteral("Create"), QStringLiteral("RichEdit4")},
                        {Udalost::Step, QStringLiteral("Step"), QStringLiteral("RichEdit5")},
                        {Udalost::Draw, QStringLiteral("Draw"), QStringLiteral("RichEdit6")}},
                       Udalost::Draw, this);
    m_kontrola = new KontrolaStranky(
        m_panely, [this](const Vlozeni& pole) { ukazPole(pole); }, this);

    auto* rozlozeni = new QVBoxLayout(this);
    rozlozeni->setContentsMargins(0, 0, 0, 0);
    rozlozeni->setSpacing(0);
    rozlozeni->addWidget(m_seznam, 1);
    rozlozeni->addWidget(m_tlacitko);
    rozlozeni->addWidget(m_kontrola->radek());

    connect(m_tlacitko, &QPushButton::clicked, this, &ZalozkaNastaveni::sButton2Click);
    m_zmeny = new HlidacZmen(this);
}

void ZalozkaNastaveni::vytvorSeznam() {
    m_model = new ModelNastaveni(this);
    m_seznam = VytvorSeznamRadku(this, "ValueListEditor1", m_model);
    m_seznam->setAccessibleName(QStringLiteral("Položky nastavení"));
    PovolDlouhyText(m_seznam);
    m_seznam->setEditTriggers(QAbstractItemView::SelectedClicked |
                              QAbstractItemView::EditKeyPressed);

    QHeaderView* zahlavi = m_seznam->header();
    const int sirky[] = {85, 60, 60};
    for (int sloupec = 0; sloupec < 3; ++sloupec) {
        zahlavi->setSectionResizeMode(sloupec, QHeaderView::Fixed);
        zahlavi->resizeSection(sloupec, sirky[sloupec]);
    }
    zahlavi->setSectionResizeMode(3, QHeaderView::Stretch);
    zahlavi->setSectionResizeMode(4, QHeaderView::Stretch);

    m_popup = VytvorNabidku(
        this, "PopupMenu1",
        {{"Pidatpoloku1", QStringLiteral("Přidat položku"), [this] { Pidatpoloku1Click(); }},
         {nullptr, {}, {}},
         {"Upravitpoloku1", QStringLiteral("Upravit položku"), [this] { Upravitpoloku1Click(); }},
         {nullptr, {}, {}},
         {"Smazatpoloky1", QStringLiteral("Smazat položky"), [this] { Smazatpoloky1Click(); }}});

    PripojNabidku(m_seznam, m_popup);
}

void ZalozkaNastaveni::otevriDialog() {
    std::optional<PolozkaNastaveni> upravovana;
    if (m_ktereUpravit >= 0 && m_ktereUpravit < m_model->rowCount())
        upravovana = m_model->polozky()[static_cast<std::size_t>(m_ktereUpravit)];
    TNastaveni dialog(upravovana, m_model->rowCount(), this);
    if (dialog.exec() == QDialog::Accepted) {
        if (upravovana)
            m_model->uprav(m_ktereUpravit, dialog.polozka());
        else
            m_model->pridej(dialog.polozka());
    }
    NastavKtere(-1);
}

void ZalozkaNastaveni::Pidatpoloku1Click() {
    otevriDialog();
}

void ZalozkaNastaveni::Upravitpoloku1Click() {
    const QModelIndexList vybrane = m_seznam->selectionModel()->selectedRows();
    if (vybrane.isEmpty())
        return;
    m_ktereUpravit = vybrane.front().row();
    otevriDialog();
}

void ZalozkaNastaveni::Smazatpoloky1Click() {
    m_model->smazVse();
}

void ZalozkaNastaveni::sButton2Click() {
    Skript skript = GenerujNastaveni(m_model->polozky());
    if (UkazSkript(skript, m_panely, this))
        m_kontrola->zkontroluj(skript);
    std::vector<nahled::TextyPozice> pozice;
    for (const PolozkaNastaveni& p : m_model->polozky())
        pozice.push_back({p.PoziceX, p.PoziceY});
    m_kresby.Zapamatuj(std::move(skript), std::move(pozice));
}

std::vector<std::optional<Puvod>> ZalozkaNastaveni::PuvodRadku(const std::string& draw) const {
    return m_kresby.PuvodRadku(draw);
}

std::optional<nahled::TextyPozice> ZalozkaNastaveni::Pozice(std::size_t polozka) const {
    if (polozka >= m_model->polozky().size())
        return std::nullopt;
    const PolozkaNastaveni& p = m_model->polozky()[polozka];
    return nahled::TextyPozice{p.PoziceX, p.PoziceY};
}

std::optional<nahled::TextyPozice> ZalozkaNastaveni::PoziceVKodu(std::size_t polozka) const {
    return m_kresby.Pozice(polozka);
}

std::uint64_t ZalozkaNastaveni::Zmeny() const {
    return m_zmeny->pocet();
}

void ZalozkaNastaveni::Umisti(std::size_t polozka, const nahled::TextyPozice& texty) {
    if (polozka >= m_model->polozky().size())
        return;
    const HlidacZmen::Ticho ticho(*m_zmeny);
    PolozkaNastaveni p = m_model->polozky()[polozka];
    p.PoziceX = texty.x;
    p.PoziceY = texty.y;
    m_model->uprav(static_cast<int>(polozka), p);
    sButton2Click();
}

// The entry's row, at the column of the field.
void ZalozkaNastaveni::ukazPole(const Vlozeni& pole) {
    const int sloupec = pole.pole == Pole::NastaveniX         ? 1
                        : pole.pole == Pole::NastaveniY       ? 2
                        : pole.pole == Pole::NastaveniHodnota ? 3
                        : pole.pole == Pole::NastaveniAkce    ? 4
                                                              : 0;
    const QModelIndex index = m_model->index(static_cast<int>(pole.vstup), sloupec);
    if (!index.isValid())
        return;
    m_seznam->setCurrentIndex(index);
    m_seznam->scrollTo(index);
    m_seznam->setFocus(Qt::OtherFocusReason);
}
