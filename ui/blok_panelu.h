#pragma once

// The block of code panes docked along the bottom of a generator tab: an inner tab strip whose
// pages each hold one read-only pane for one event of the target engine's object.

#include "generators/udalost.h"

#include <QTabWidget>

#include <initializer_list>
#include <map>
#include <string>
#include <vector>

class QPlainTextEdit;

// A pane's inner tab carries its event's caption.
struct PopisPanelu {
    Udalost udalost;
    QString jmeno;
};

class BlokPanelu : public QTabWidget {
    Q_OBJECT
public:
    BlokPanelu(int vyska, std::initializer_list<PopisPanelu> panely, Udalost aktivni,
               QWidget* rodic = nullptr);

    // The pane of that event, or nullptr when the block has none.
    QPlainTextEdit* panel(Udalost udalost) const;

    // Names the block and its panes for a screen reader by the tab that holds them ("Menu:
    // Create"), since every tab has panes of the same events.
    void pojmenuj(const QString& zalozka);

    // Puts the whole text of the event's pane on the clipboard.
    void kopirujVse(Udalost udalost);

Q_SIGNALS:
    // What was copied, for the status bar: "Zkopírováno: Draw (12 řádků)".
    void zkopirovano(const QString& zprava);

private:
    std::map<Udalost, QPlainTextEdit*> m_panely;
};

// "1 řádek", "3 řádky", "12 řádků".
QString PocetRadku(qsizetype pocet);

// Replaces the pane's text with the lines in one call.
void VyplnPanel(QPlainTextEdit* panel, const std::vector<std::string>& radky);

// The panes' texts by event, as the preview runs them.
std::map<Udalost, std::string> SkriptyBloku(const BlokPanelu& blok);
