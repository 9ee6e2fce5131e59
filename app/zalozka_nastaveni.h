#pragma once

// The "Nastavení" tab: the settings entries with their context menu and entry dialog, and the
// generate button above the Create, Step and Draw panes. The tab owns the entries and the
// settings edit index. The preview places an entry's texts by writing its PoziceX and PoziceY.

#include "app/model_nastaveni.h"
#include "app/upravy_seznamu.h"
#include "app/zalozka_generatoru.h"
#include "dialogs/dialog_nastaveni.h"
#include "generators/generuj_nastaveni.h"
#include "generators/precti_nastaveni.h"
#include "preview/umisteni.h"

#include <vector>

class HlidacZmen;
class QTreeView;

class ZalozkaNastaveni
    : public ZalozkaSVstupem<std::vector<generatory::PolozkaNastaveni>,
                             generatory::GenerujNastaveni, generatory::PrectiNastaveni>,
      public Umisteni {
    Q_OBJECT
public:
    explicit ZalozkaNastaveni(QWidget* rodic = nullptr);

    int KtereUpravit() const { return m_upravy.ktere(); }
    void NastavKtere(int index) { m_upravy.nastavKtere(index); }

    std::vector<generatory::PolozkaNastaveni> vstup() const override;
    void nastavVstup(const std::vector<generatory::PolozkaNastaveni>& polozky) override;
    void generuj() override;
    QString obsah() const override;
    Umisteni* umisteni() override { return this; }

    std::vector<std::optional<generatory::Puvod>>
    puvodRadku(const std::string& draw) const override;
    std::optional<nahled::TextyPozice> pozice(std::size_t polozka) const override;
    std::optional<nahled::TextyPozice> poziceVKodu(std::size_t polozka) const override;
    void umisti(std::size_t polozka, const nahled::TextyPozice& texty) override;
    std::uint64_t zmeny() const override;

public Q_SLOTS:
    void Pidatpoloku1Click();
    void Upravitpoloku1Click();
    void Smazatpoloky1Click();
    void sButton2Click();

private:
    void ukazPole(const generatory::Vlozeni& pole) override;
    void vytvorSeznam();

    ModelNastaveni* m_model;
    QTreeView* m_seznam;
    UpravySeznamu<ModelNastaveni, TNastaveni> m_upravy;
    HlidacZmen* m_zmeny;
};
