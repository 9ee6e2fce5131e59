#pragma once

// What the window must show, kept by the random user from what it did: every text it typed,
// every entry it added, the script each pane must hold and the messages each step must show.
// The handlers' rules are restated here only where the window changes what was typed.

#include "generators/generuj_highskore.h"
#include "generators/polozka_nastaveni.h"
#include "generators/skript.h"
#include "ui/hlaseni.h"

#include <QRgb>
#include <QString>

#include <array>
#include <map>
#include <utility>
#include <vector>

struct StinPozice {
    QString text;
    std::vector<QString> osoby;
    bool rozbalena = false; // counts only while it has persons
};

// A node of the credits tree: a position, or with `osoba` ≥ 0 a person under it; no node when
// `pozice` is −1.
struct StinUzel {
    int pozice = -1;
    int osoba = -1;
    bool operator==(const StinUzel&) const = default;
};

struct StinPisma {
    bool zapnuto = false;
    QString velikost = QStringLiteral("velikost");
    QString nazev = QStringLiteral("Arial");
    bool tucne = false;
    bool kurziva = false;
};

struct StinBarvy {
    QString text;
    QString jmeno; // the name last picked, which typing falls back to
};

class Stin {
public:
    Stin();

    // Menu tab: the count box and the 5 × 4 item edits, row by row.
    QString pocet = QStringLiteral("5");
    int viditelnychRadku = 5;
    std::array<QString, 20> menuPole;

    std::vector<PolozkaNastaveni> nastaveni;
    std::vector<PolozkaHighskore> highskore;

    std::vector<StinPozice> titulky;
    StinUzel vybrany;
    QString smer = QStringLiteral("nahoru");
    StinBarvy barvaPozice{QStringLiteral("c_red"), QStringLiteral("c_red")};
    StinBarvy barvaOsob{QStringLiteral("c_aqua"), QStringLiteral("c_aqua")};
    StinPisma pismoPozice, pismoOsob;

    bool seznamFunkci = true;
    QString hledani;
    bool hledano = false; // the search has changed at least once

    // Pane object name → its whole text.
    std::map<QString, QString> panely;
    // What a generator last wrote into a Draw pane: the lines, some holding line breaks, the
    // input behind each, and each input's x and y texts then, where the room draws its texts.
    struct PosledniDraw {
        std::vector<std::string> radky;
        std::vector<std::optional<Puvod>> puvod;
        std::vector<std::array<QString, 2>> pozice;
    };
    // Draw pane object name → what its generator last wrote there.
    std::map<QString, PosledniDraw> puvodDraw;

    // The messages the current step must show, in order.
    std::vector<std::pair<Hlaseni::Druh, QString>> hlaseni;

    // The handlers that run on every change of a box's text.
    void zmenaPoctu();
    void zmenaSmeru();
    static void zmenaBarvy(StinBarvy& barva);
    // The colour a swatch shows for a listed colour name.
    static QRgb barvaVzorku(const QString& jmeno);

    // Closes a position; a selected person under it hands the selection to the position.
    void sbal(int pozice);

    void generujMenu();
    void generujNastaveni();
    void generujHighskore();
    void generujTitulky();
    // The input behind line `radek` (from 1) of the Draw pane, while it holds what was generated.
    std::optional<Puvod> puvod(const QString& panel, int radek) const;
    // The x and y texts of a menu row (tab 0) or a settings entry (tab 1), if it exists.
    std::optional<std::array<QString, 2>> pozice(int zalozka, std::size_t vstup) const;
    // The texts they held when the tab's Draw pane was last generated.
    std::optional<std::array<QString, 2>> poziceVKodu(int zalozka, std::size_t vstup) const;
    // A drop in the preview: the texts go into the fields and the tab generates again.
    void umisti(int zalozka, std::size_t vstup, const std::array<QString, 2>& texty);
    // A text moves only when both its position texts are plain whole numbers.
    static bool lzePosunout(const std::array<QString, 2>& texty);

    // Clears the pane of `udalost` ("Create", "Step", "Draw") on main tab `zalozka`.
    void smazPanel(int zalozka, const QString& udalost);

    bool obsahujeUzel(const QString& text) const;

    // Reading a tab's script back. Whether its script reads back into one form only: no text
    // holds a line break, and no two texts meet where the reader must guess the cut.
    bool citelne(int zalozka) const;
    // Whether the tab's form is a new window's, so that reading back asks nothing.
    bool jakoNova(int zalozka) const;
    // The tab takes the form `puvodni` had, but for what its script does not hold: menu rows past
    // the count, colours of a kind without nodes and font rows switched off as in a new window,
    // highscore IDs numbered anew; and the panes show its script.
    void nactiZpet(int zalozka, const Stin& puvodni);
};
