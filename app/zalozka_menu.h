#pragma once

// The "Menu" tab: the item count box, five item rows and the generate button, feeding
// GenerujMenu and showing its Create, Step and Draw lines. The preview places an item's text by
// writing its row's x and y.

#include "app/posledni_kresby.h"
#include "preview/umisteni.h"

#include <QWidget>

#include <array>

class BlokPanelu;
class KontrolaStranky;
class HlidacZmen;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

class ZalozkaMenu : public QWidget, public Umisteni {
    Q_OBJECT
public:
    // The status panel is the main window's; only this tab writes to it.
    explicit ZalozkaMenu(QLabel* stavovyPanel, QWidget* rodic = nullptr);

    BlokPanelu* panely() const { return m_panely; }
    void UmistiTlacitko(int levo);

    std::vector<std::optional<Puvod>> PuvodRadku(const std::string& draw) const override;
    std::optional<nahled::TextyPozice> Pozice(std::size_t radek) const override;
    std::optional<nahled::TextyPozice> PoziceVKodu(std::size_t radek) const override;
    void Umisti(std::size_t radek, const nahled::TextyPozice& texty) override;
    KontrolaStranky* kontrola() const { return m_kontrola; }
    std::uint64_t Zmeny() const override;

public Q_SLOTS:
    void sButton1Click();
    void sComboBox1Change();

private:
    struct Radek {
        QLabel* popisek;
        std::array<QLineEdit*, 4> pole; // text, x, y, action
    };

    QLabel* m_stav;
    QComboBox* m_pocet;
    std::array<Radek, 5> m_radky{};
    void ukazPole(const Vlozeni& pole);

    QPushButton* m_tlacitko;
    BlokPanelu* m_panely;
    KontrolaStranky* m_kontrola;
    PosledniKresby m_kresby;
    HlidacZmen* m_zmeny;
};
