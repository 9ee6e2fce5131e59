#pragma once

// One generator tab: its form above, the generate button, and the block of code panes docked
// along the bottom with the list of what the preview's reader cannot read beside it. The main
// window keeps its pages in one list and knows them only as this. ZalozkaSVstupem adds the form as
// a value: the generator's input out, and in as if typed.

#include "app/posledni_kresby.h"
#include "dialogs/dialog_nacteni.h"
#include "generators/cteni_skriptu.h"
#include "generators/skript.h"
#include "ui/blok_panelu.h"

#include <QWidget>

#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <variant>
#include <vector>

class KontrolaStranky;
class QPushButton;
class Umisteni;

class ZalozkaGeneratoru : public QWidget {
    Q_OBJECT
public:
    // The caption of the page's tab.
    const QString& titulek() const { return m_titulek; }
    BlokPanelu* panely() const { return m_panely; }

    // Runs the generator on the form and shows what it returns, as the button does.
    virtual void generuj() = 0;
    // Where the preview may place the page's texts; nullptr when formulas place them.
    virtual Umisteni* umisteni() { return nullptr; }
    // The script last generated, with the fields behind its lines, while the panes hold it.
    std::shared_ptr<const generatory::Skript> skriptPanelu() const;
    // The events of the page's panes, in their order.
    const std::vector<generatory::Udalost>& udalostiPanelu() const { return m_udalosti; }
    // Reads pasted events back into the form as if typed, then generates, as the author would
    // by hand; over a form that is not a new window's only when `smiNahradit` allows it. A script
    // the reader refuses, or one holding a value the form's fields cannot (a colour off the
    // list, say), changes nothing.
    virtual TNacteniSkriptu::Vysledek nactiSkript(const generatory::VlozenyKod& kod,
                                                  const std::function<bool()>& smiNahradit) = 0;
    // What the form holds, counted in its own words ("3 položky").
    virtual QString obsah() const = 0;

Q_SIGNALS:
    // A text for the main window's status panel.
    void stav(const QString& text);
    // The generator ran, whatever it returned.
    void generovano();

protected:
    explicit ZalozkaGeneratoru(const QString& titulek, QWidget* rodic = nullptr);

    // Once the form is built, so that Tab walks the form, the button, then the panes. The form
    // fills the page, and scrolls where the page is smaller than its controls' places; the
    // button spans its width above the panes, or stands inside the form at the given place.
    void poskladej(QWidget* formular, const char* jmenoTlacitka, int vyskaBloku,
                   std::initializer_list<PopisPanelu> panely, generatory::Udalost aktivni,
                   std::optional<QRect> tlacitkoVeFormulari = std::nullopt);
    QPushButton* tlacitko() const { return m_tlacitko; }
    // Shows what the generator returned and remembers its Draw lines; false when it refused.
    // `pozice` are the inputs' position texts the lines were generated from.
    bool ukaz(generatory::Skript&& skript, std::vector<nahled::TextyPozice> pozice = {});
    const PosledniKresby& kresby() const { return m_kresby; }
    // Puts the focus in the form's field, picked from the list of what cannot be read.
    virtual void ukazPole(const generatory::Vlozeni& pole) = 0;

private:
    QString m_titulek;
    QPushButton* m_tlacitko = nullptr;
    BlokPanelu* m_panely = nullptr;
    KontrolaStranky* m_kontrola = nullptr;
    std::vector<generatory::Udalost> m_udalosti;
    PosledniKresby m_kresby;
};

// A page whose form is the input value of the generator it runs, and of the reader that takes
// the generator's script back.
template <typename V, generatory::Skript (*Generator)(const V&),
          generatory::Precteno<V> (*Ctenar)(const generatory::VlozenyKod&)>
class ZalozkaSVstupem : public ZalozkaGeneratoru {
public:
    using Vstup = V;
    using ZalozkaGeneratoru::ZalozkaGeneratoru;

    // The form as the generator reads it.
    virtual Vstup vstup() const = 0;
    // Sets the whole form as if the value were typed into it; the boxes' guards apply, their
    // error boxes do not (generating reports the same error). Edit indices stay as they are.
    virtual void nastavVstup(const Vstup& vstup) = 0;
    // The form of a new window.
    virtual Vstup novyVstup() const { return {}; }

    void generuj() override { ukaz(Generator(vstup())); }

    TNacteniSkriptu::Vysledek nactiSkript(const generatory::VlozenyKod& kod,
                                          const std::function<bool()>& smiNahradit) override {
        const generatory::Precteno<V> precteno = Ctenar(kod);
        if (const auto* odmitnuti = std::get_if<generatory::OdmitnutiCteni>(&precteno))
            return *odmitnuti;
        const V& novy = std::get<V>(precteno);
        const V stary = vstup();
        if (!(stary == novyVstup()) && !smiNahradit())
            return TNacteniSkriptu::Ponechano{};
        nastavVstup(novy);
        if (!(vstup() == novy)) {
            nastavVstup(stary);
            return generatory::OdmitnutiCteni{
                "Záložka " + titulek().toStdString() +
                    " tento skript nepřevezme: některou jeho hodnotu (třeba "
                    "barvu, která není v seznamu) její pole neudrží, a kód by "
                    "pak byl jiný. Nic se nezměnilo.",
                std::nullopt, 0};
        }
        generuj();
        return TNacteniSkriptu::Nacteno{};
    }
};
