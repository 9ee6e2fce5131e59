#pragma once

// The "Menu" tab: the item count box, five item rows and the generate button, feeding
// GenerujMenu and showing its Create, Step and Draw lines. The preview places an item's text by
// writing its row's x and y.

#include "app/zalozka_generatoru.h"
#include "generators/generuj_menu.h"
#include "generators/nove_vstupy.h"
#include "generators/precti_menu.h"
#include "preview/umisteni.h"

#include <array>

class HlidacZmen;
class QComboBox;
class QLabel;
class QLineEdit;

class ZalozkaMenu : public ZalozkaSVstupem<generatory::VstupMenu, generatory::GenerujMenu,
                                           generatory::PrectiMenu>,
                    public Umisteni {
    Q_OBJECT
public:
    explicit ZalozkaMenu(QWidget* rodic = nullptr);

    void umistiTlacitko(int levo);

    generatory::VstupMenu vstup() const override;
    void nastavVstup(const generatory::VstupMenu& vstup) override;
    generatory::VstupMenu novyVstup() const override { return generatory::NoveMenu(); }
    // The status panel reads "0%" while it runs and keeps it when the count stops it.
    void generuj() override;
    QString obsah() const override;
    Umisteni* umisteni() override { return this; }

    std::vector<std::optional<generatory::Puvod>>
    puvodRadku(const std::string& draw) const override;
    std::optional<nahled::TextyPozice> pozice(std::size_t radek) const override;
    std::optional<nahled::TextyPozice> poziceVKodu(std::size_t radek) const override;
    void umisti(std::size_t radek, const nahled::TextyPozice& texty) override;
    std::uint64_t zmeny() const override;

public Q_SLOTS:
    void sButton1Click();
    void sComboBox1Change();

private:
    struct Radek {
        QLabel* popisek;
        std::array<QLineEdit*, 4> pole; // text, x, y, action
    };

    void ukazPole(const generatory::Vlozeni& pole) override;
    // The count box's guard, then the rows the count shows; the conversion error, if any.
    std::optional<generatory::Chyba> ukazRadky();

    QComboBox* m_pocet;
    std::array<Radek, 5> m_radky{};
    HlidacZmen* m_zmeny;
};
