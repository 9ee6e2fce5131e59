#pragma once

// The "Titulky" tab: the credits tree with its context menu and dialogs, the direction, colour
// and font options, and the generate button above the Create, Alarm[0] and Draw panes.

#include "app/zalozka_generatoru.h"
#include "generators/generuj_titulky.h"
#include "generators/nove_vstupy.h"
#include "generators/precti_titulky.h"

#include <array>
#include <memory>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QMenu;
class QTreeWidgetItem;
class StromTitulku;
class VolbaBarvy;

class ZalozkaTitulky : public ZalozkaSVstupem<generatory::VstupTitulku, generatory::GenerujTitulky,
                                              generatory::PrectiTitulky> {
    Q_OBJECT
public:
    explicit ZalozkaTitulky(QWidget* rodic = nullptr);
    ~ZalozkaTitulky() override;

    // A font row that is off reads as no font; setting one off leaves its hidden fields alone.
    generatory::VstupTitulku vstup() const override;
    void nastavVstup(const generatory::VstupTitulku& vstup) override;
    generatory::VstupTitulku novyVstup() const override { return generatory::NoveTitulky(); }
    QString obsah() const override;

    bool JePozice(const QTreeWidgetItem* uzel) const;
    // The remembered colour names at start, with their swatches painted.
    void nastavBarvy(const QString& pozice, const QString& osoby);
    void umistiVzorky();

public Q_SLOTS:
    void Pidatpozici1Click();
    void Pidatosobu1Click();
    void sButton4Click();
    void sCheckBox1Click();
    void sCheckBox2Click();
    void sComboBox2Change();
    void sComboBox3Change();
    void sComboBox3Select();
    void sComboBox4Change();
    void sComboBox4Select();

private:
    struct RadekPisma {
        QCheckBox* spinac;
        QLineEdit* velikost;
        QCheckBox* tucne;
        QCheckBox* kurziva;
        QLineEdit* nazev;
        void ukaz() const;
        generatory::PismoTitulku cti() const;
        void nastav(const generatory::PismoTitulku& pismo) const;
    };

    void ukazPole(const generatory::Vlozeni& pole) override;
    void vytvorMenu();
    // Names in order: switch, size, bold, italic, font name.
    static RadekPisma vytvorRadekPisma(QWidget* plocha, int vrch, int vrchEditu, int sirkaSpinace,
                                       const char* popis, const std::array<const char*, 5>& jmena);

    StromTitulku* m_strom;
    QMenu* m_popup;
    QComboBox* m_smer;
    std::unique_ptr<VolbaBarvy> m_barvaPozice;
    std::unique_ptr<VolbaBarvy> m_barvaOsob;
    RadekPisma m_pismoPozice{};
    RadekPisma m_pismoOsob{};
};
