#pragma once

// The random user: plays one seeded action at a time on a real main window, keeps the shadow
// of what it did, and checks the window against it after every action.

#include "stin.h"

#include <QModelIndex>
#include <QPoint>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <optional>
#include <random>
#include <vector>

class QComboBox;
class QLineEdit;
class QTreeView;
class QTreeWidget;
class QTreeWidgetItem;
class THlavni;

class Hrac {
public:
    Hrac(THlavni& okno, std::uint64_t seminko);

    // Plays one action and checks the window; returns what broke, if anything.
    std::optional<QString> krok();
    const QStringList& zaznam() const { return m_zaznam; }

    // One action kind: its name in the log, its weight among the others, its player.
    // One change an edit reports: the piece entered and whether it replaced the whole text.
    using Zmena = std::function<void(const QString& kus, bool nahradit)>;

    struct Akce {
        const char* nazev;
        int vaha;
        void (Hrac::*hraj)();
    };

    void prepniZalozku();
    void pisDoMenu();
    void pisPocet();
    void vyberPocet();
    void potvrdBox();
    void krokujBox();
    void generuj();
    void smazVse();
    void pridejNastaveni();
    void upravNastaveni();
    void prejmenujNastaveni();
    void smazNastaveni();
    void vyberNastaveni();
    void pridejHighskore();
    void upravHighskore();
    void smazHighskore();
    void vyberHighskore();
    void pridejPozici();
    void pridejOsobu();
    void vyberUzel();
    void ctrlKlikNaUzel();
    void ctrlKlikNaRadek();
    void klikPodUzly();
    void dvojklikNaPozici();
    void sbalNeboRozbal();
    void prejmenujUzel();
    void pisSmer();
    void vyberSmer();
    void pisBarvu();
    void vyberBarvu();
    void prepniPismo();
    void pisDoPisma();
    void skryjFunkce();
    void hledej();
    void oProgramu();
    void tahniVNahledu();
    void nactiZeSkriptu();

private:
    void naZalozku(int index);
    // Selects a random row of the list, or none.
    void vyberRadek(QTreeView* pohled, std::size_t radku);
    void dialogNastaveni(int radek);
    void dialogHighskore(int radek);
    void dialogTitulku(int pozice);
    // Plays an entry dialog: rounds of typing into its fields and of keys that may move only
    // the focus, each round ending with Přidat, until Přidat stores or the dialog is cancelled.
    // `pridat` runs just before Přidat is pressed: it records the outcome in the shadow and says
    // whether the entry is stored and the dialog closes.
    void hrajDialog(QWidget* dialog, const std::vector<QLineEdit*>& pole,
                    const std::function<bool()>& pridat);
    // One key or click that must leave the dialog open and its texts as they were.
    bool klavesaVDialogu(QWidget* dialog, const std::vector<QLineEdit*>& pole);
    // Presses the button with the mouse, or tabs to it and presses Space or Enter.
    bool stiskni(QWidget* dialog, const std::vector<QLineEdit*>& pole, const char* tlacitko);
    // Closes the About dialog with Escape or its close box.
    void zavri(QWidget* dialog);
    // Keys and the focus reach a window only while it is active.
    bool aktivuj(QWidget* okno);

    // The credits tree's nodes a person can see: every position, and the persons of open ones.
    std::vector<StinUzel> viditelneUzly() const;
    // On the credits tab, a node the user can see, chosen at random and logged; nothing when
    // none is shown.
    std::optional<StinUzel> nahodnyUzel();
    // Where a click on the node's text lands in the tree's viewport, scrolled into view.
    std::optional<QPoint> bodUzlu(QTreeWidget* strom, QTreeWidgetItem* uzel);
    // A click on the selected node renames it once the double-click interval has passed; waiting
    // it out lets a rename that must not start show before the check.
    void pockejNaPrejmenovani();

    int cislo(int od, int doVcetne);
    bool nahoda(int zJakych);
    QString nahodnyText();
    // Types or pastes `text` (a fresh random one if left out) over the edit's whole text and
    // returns it; `zmena` runs after each change the edit reports (every typed character, or the
    // one paste).
    QString zadej(QLineEdit* pole, const Zmena& zmena = {});
    QString zadej(QLineEdit* pole, const QString& text, const Zmena& zmena);
    void zadejDoBoxu(QComboBox* box, const QString& text, QString& stin,
                     const std::function<void()>& handler);
    // Picks an item from the box's drop-down list with the mouse or the keyboard.
    void vyberZBoxu(QComboBox* box, QString& stin, const std::function<void()>& handler);
    void prejmenuj(QTreeView* pohled, const QModelIndex& index,
                   const std::function<void(const QString&)>& ulozeno);
    void zapis(const QString& radek);
    void chyba(const QString& popis);

    std::optional<QString> zkontroluj() const;

    THlavni& m_okno;
    std::mt19937_64 m_nahoda;
    Stin m_stin;
    QStringList m_zaznam;
    int m_akci = 0;
    QString m_chyba;
};

// A text short enough for the log.
QString Zkrat(const QString& text);
