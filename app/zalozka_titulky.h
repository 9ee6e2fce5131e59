#pragma once

// The "Titulky" tab: the credits tree with its context menu and dialogs, the direction, colour
// and font options, and the generate button above the Create, Alarm[0] and Draw panes.

#include <QWidget>

#include <array>
#include <memory>

class BlokPanelu;
class KontrolaStranky;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QMenu;
class QPushButton;
class QTreeWidgetItem;
class StromTitulku;
class VolbaBarvy;
struct PismoTitulku;
struct Vlozeni;

class ZalozkaTitulky : public QWidget {
    Q_OBJECT
public:
    explicit ZalozkaTitulky(QWidget* rodic = nullptr);
    ~ZalozkaTitulky() override;

    BlokPanelu* panely() const { return m_panely; }
    KontrolaStranky* kontrola() const { return m_kontrola; }
    bool JePozice(const QTreeWidgetItem* uzel) const;
    // The remembered colour names at start, with their swatches painted.
    void NastavBarvy(const QString& pozice, const QString& osoby);
    void UmistiVzorky();

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
        PismoTitulku cti() const;
    };

    void vytvorMenu();
    void ukazPole(const Vlozeni& pole);
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
    QPushButton* m_tlacitko;
    BlokPanelu* m_panely;
    KontrolaStranky* m_kontrola;
};
