#include "app/zalozka_nastaveni.h"

#include "ui/cesky_pocet.h"
#include "ui/dlouhy_text.h"
#include "ui/hlidac_zmen.h"
#include "ui/seznam_radku.h"

#include <QHeaderView>
#include <QTreeView>

using generatory::Pole;
using generatory::PolozkaNastaveni;
using generatory::Udalost;
using generatory::Vlozeni;

ZalozkaNastaveni::ZalozkaNastaveni(QWidget* rodic)
    : ZalozkaSVstupem(QStringLiteral("Nastavení"), rodic), m_model(new ModelNastaveni(this)),
      m_seznam(VytvorSeznamRadku(this, "ValueListEditor1", m_model)), m_upravy(m_model, m_seznam) {
    vytvorSeznam();
    poskladej(m_seznam, "sButton2", 195,
              {{Udalost::Create, QStringLiteral("RichEdit4")},
               {Udalost::Step, QStringLiteral("RichEdit5")},
               {Udalost::Draw, QStringLiteral("RichEdit6")}},
              Udalost::Draw);
    m_zmeny = new HlidacZmen(this);
}

void ZalozkaNastaveni::vytvorSeznam() {
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

    m_upravy.pripojNabidku(
        {"PopupMenu1", "Pidatpoloku1", "Upravitpoloku1", "Smazatpoloky1",
         QStringLiteral("&Smazat položky")},
        [this] { Pidatpoloku1Click(); }, [this] { Upravitpoloku1Click(); },
        [this] { Smazatpoloky1Click(); });
}

void ZalozkaNastaveni::Pidatpoloku1Click() {
    m_upravy.pridej();
}

void ZalozkaNastaveni::Upravitpoloku1Click() {
    m_upravy.upravVybrany();
}

void ZalozkaNastaveni::Smazatpoloky1Click() {
    m_model->smazVse();
}

void ZalozkaNastaveni::sButton2Click() {
    generuj();
}

void ZalozkaNastaveni::generuj() {
    std::vector<nahled::TextyPozice> pozice;
    for (const PolozkaNastaveni& p : m_model->polozky())
        pozice.push_back({p.PoziceX, p.PoziceY});
    ukaz(generatory::GenerujNastaveni(m_model->polozky()), std::move(pozice));
}

QString ZalozkaNastaveni::obsah() const {
    return CeskyPocet(static_cast<qsizetype>(m_model->polozky().size()), "položka", "položky",
                      "položek");
}

std::vector<PolozkaNastaveni> ZalozkaNastaveni::vstup() const {
    return m_model->polozky();
}

void ZalozkaNastaveni::nastavVstup(const std::vector<PolozkaNastaveni>& polozky) {
    m_model->nastav(polozky);
}

std::vector<std::optional<generatory::Puvod>>
ZalozkaNastaveni::puvodRadku(const std::string& draw) const {
    return kresby().puvodRadku(draw);
}

std::optional<nahled::TextyPozice> ZalozkaNastaveni::pozice(std::size_t polozka) const {
    if (polozka >= m_model->polozky().size())
        return std::nullopt;
    const PolozkaNastaveni& p = m_model->polozky()[polozka];
    return nahled::TextyPozice{p.PoziceX, p.PoziceY};
}

std::optional<nahled::TextyPozice> ZalozkaNastaveni::poziceVKodu(std::size_t polozka) const {
    return kresby().pozice(polozka);
}

std::uint64_t ZalozkaNastaveni::zmeny() const {
    return m_zmeny->pocet();
}

void ZalozkaNastaveni::umisti(std::size_t polozka, const nahled::TextyPozice& texty) {
    std::vector<PolozkaNastaveni> polozky = vstup();
    if (polozka >= polozky.size())
        return;
    polozky[polozka].PoziceX = texty.x;
    polozky[polozka].PoziceY = texty.y;
    const HlidacZmen::Ticho ticho(*m_zmeny);
    nastavVstup(polozky);
    generuj();
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
