#pragma once

// The main window composes: menus, status bar, the splitter between the tab area and the
// function panel, and one page class per generator tab. Each page owns its controls, data
// and handlers; the window keeps only what spans the tabs (the clear-all menus and the
// placement of the Menu tab's button).

#include <QMainWindow>
#include <QPointer>

#include <vector>

class BlokPanelu;
class FunkcniPanel;
class OknoNahledu;
class QAction;
class QLabel;
class QMenu;
class QSplitter;
class QTabWidget;
class QTreeWidgetItem;
class ZalozkaHighskore;
class ZalozkaMenu;
class ZalozkaNastaveni;
class ZalozkaGeneratoru;
class ZalozkaTitulky;
namespace generatory {
enum class Udalost;
}

class THlavni : public QMainWindow {
    Q_OBJECT
public:
    explicit THlavni(QWidget* rodic = nullptr);

    // Left edge of the Menu tab's generate button for the window's outer width and the
    // function list's width.
    static int levyOkrajTlacitka(int vnejsiSirka, int sirkaSeznamu);

    // The edit indices live with their tabs.
    int KtereUpravit() const;
    void NastavKtere(int index);
    int Ktere2Upravit() const;
    void NastavKtere2(int index);
    // True exactly for a top-level node of the credits tree.
    bool JePozice(const QTreeWidgetItem* uzel) const;

public Q_SLOTS:
    void NacistZeSkriptu1Click();
    void Konec1Click();
    void Funkce1Click();
    void OProgramu1Click();
    void Nahled1Click();
    void Smazatve1Click();
    void Smazatve2Click();
    void Smazatve3Click();

protected:
    void resizeEvent(QResizeEvent* udalost) override;

private:
    void vytvorMenu();
    // Adds the page as the next tab; the window knows it from then on only through the list.
    template <typename Stranka> Stranka* pridejStranku(Stranka* stranka);
    ZalozkaGeneratoru* aktivniStranka() const;
    void pripojKlavesyZalozek();
    void pripojMazaciMenu(BlokPanelu* blok);
    void smazPanel(generatory::Udalost udalost);
    void kopirujPanel(generatory::Udalost udalost);
    // A short note in the status bar on what the author just did.
    void oznam(const QString& text);
    void FormCreate();
    void FormResize();

    QLabel* m_stav;
    QTabWidget* m_zalozky;
    std::vector<ZalozkaGeneratoru*> m_stranky;
    // The pages that the window's own named operations (KtereUpravit, NastavKtere …) reach.
    ZalozkaMenu* m_menu;
    ZalozkaNastaveni* m_nastaveni;
    ZalozkaHighskore* m_highskore;
    ZalozkaTitulky* m_titulky;
    FunkcniPanel* m_funkce;
    QSplitter* m_delic;
    QAction* m_funkce1;
    QPointer<OknoNahledu> m_nahled;
    QMenu* m_popupCreate;
    QMenu* m_popupStep;
    QMenu* m_popupDraw;
    // The credits' Alarm[0] pane changes only by generating: its menu copies and never clears.
    QMenu* m_popupAlarm;
};
