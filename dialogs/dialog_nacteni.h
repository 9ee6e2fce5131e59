#pragma once

// The dialog that reads a tab's script back: one box per code pane of the tab, in the panes'
// order, where the author pastes each event's code as it stands in the game. "Načíst" hands the
// texts to the tab; a refusal stays in the dialog, with every pasted text as it was and the
// cursor on the line it names.

#include "generators/cteni_skriptu.h"
#include "generators/udalost.h"

#include <QDialog>

#include <functional>
#include <utility>
#include <variant>
#include <vector>

class QLabel;
class PoleKodu;

class TNacteniSkriptu : public QDialog {
    Q_OBJECT
public:
    // What the tab made of the texts: it took them, refused them, or kept what it held.
    struct Nacteno {};
    struct Ponechano {};
    using Vysledek = std::variant<Nacteno, generatory::OdmitnutiCteni, Ponechano>;
    using Nacti = std::function<Vysledek(const generatory::VlozenyKod&)>;

    TNacteniSkriptu(const QString& zalozka, const std::vector<generatory::Udalost>& udalosti,
                    Nacti nacti, QWidget* rodic = nullptr);

public Q_SLOTS:
    void NacistClick();

protected:
    void keyPressEvent(QKeyEvent* udalost) override;

private:
    void ukazOdmitnuti(const generatory::OdmitnutiCteni& odmitnuti);
    // A paste too long for a box stays out whole; the message says how long it may be.
    void ukazDlouheVlozeni(qsizetype delka, qsizetype nejvic);

    Nacti m_nacti;
    std::vector<std::pair<generatory::Udalost, PoleKodu*>> m_boxy;
    QLabel* m_zprava;
};
