#pragma once

// The "Nastavení" tab: the settings entries with their context menu and entry dialog, and the
// generate button above the Create, Step and Draw panes. The tab owns the entries and the
// settings edit index. The preview places an entry's texts by writing its PoziceX and PoziceY.

#include "app/posledni_kresby.h"
#include "preview/umisteni.h"

#include <QWidget>

class BlokPanelu;
class KontrolaStranky;
class HlidacZmen;
class ModelNastaveni;
class QMenu;
class QPushButton;
class QTreeView;

class ZalozkaNastaveni : public QWidget, public Umisteni {
    Q_OBJECT
public:
    explicit ZalozkaNastaveni(QWidget* rodic = nullptr);

    BlokPanelu* panely() const { return m_panely; }
    KontrolaStranky* kontrola() const { return m_kontrola; }
    int KtereUpravit() const { return m_ktereUpravit; }
    void NastavKtere(int index) { m_ktereUpravit = index; }

    std::vector<std::optional<Puvod>> PuvodRadku(const std::string& draw) const override;
    std::optional<nahled::TextyPozice> Pozice(std::size_t polozka) const override;
    std::optional<nahled::TextyPozice> PoziceVKodu(std::size_t polozka) const override;
    void Umisti(std::size_t polozka, const nahled::TextyPozice& texty) override;
    std::uint64_t Zmeny() const override;

public Q_SLOTS:
    void Pidatpoloku1Click();
    void Upravitpoloku1Click();
    void Smazatpoloky1Click();
    void sButton2Click();

private:
    void vytvorSeznam();
    void ukazPole(const Vlozeni& pole);
    void otevriDialog();

    ModelNastaveni* m_model;
    QTreeView* m_seznam;
    QMenu* m_popup;
    QPushButton* m_tlacitko;
    BlokPanelu* m_panely;
    KontrolaStranky* m_kontrola;
    int m_ktereUpravit = -1;
    PosledniKresby m_kresby;
    HlidacZmen* m_zmeny;
};
