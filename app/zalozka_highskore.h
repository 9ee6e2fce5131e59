#pragma once

// The "HighSkóre" tab: the highscore rows with their context menu and entry dialog, and the
// generate button above the Draw pane.

#include "app/model_highskore.h"
#include "app/upravy_seznamu.h"
#include "app/zalozka_generatoru.h"
#include "dialogs/dialog_highskore.h"
#include "generators/generuj_highskore.h"
#include "generators/precti_highskore.h"

#include <vector>

class QTreeView;

class ZalozkaHighskore
    : public ZalozkaSVstupem<std::vector<generatory::PolozkaHighskore>,
                             generatory::GenerujHighskore, generatory::PrectiHighskore> {
    Q_OBJECT
public:
    explicit ZalozkaHighskore(QWidget* rodic = nullptr);

    int Ktere2Upravit() const { return m_upravy.ktere(); }
    void NastavKtere2(int index) { m_upravy.nastavKtere(index); }

    // The rows with their IDs, which the list never renumbers.
    std::vector<generatory::PolozkaHighskore> vstup() const override;
    void nastavVstup(const std::vector<generatory::PolozkaHighskore>& polozky) override;
    QString obsah() const override;

public Q_SLOTS:
    void Pidatpoloku2Click();
    void Upravitpoloku2Click();
    void Smazapoloku1Click();
    void sButton3Click();

private:
    void ukazPole(const generatory::Vlozeni& pole) override;

    ModelHighskore* m_model;
    QTreeView* m_seznam;
    UpravySeznamu<ModelHighskore, THighskore> m_upravy;
};
