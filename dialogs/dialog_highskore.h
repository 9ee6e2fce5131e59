#pragma once

// The entry dialog of the highscore list. Opened with a row it edits its nick and score,
// without one it proposes the next row's expressions; accepted, it holds both as typed.

#include "ui/pevny_dialog.h"

#include "generators/generuj_highskore.h"

#include <optional>

class QLineEdit;
class QPushButton;

class THighskore : public PevnyDialog {
    Q_OBJECT
public:
    // `pocetRadku` numbers the proposed expressions.
    THighskore(const std::optional<generatory::PolozkaHighskore>& upravovana, int pocetRadku,
               QWidget* rodic = nullptr);

    // The row's ID is left to the list.
    generatory::PolozkaHighskore polozka() const;

public Q_SLOTS:
    void sButton1Click();
    void sButton2Click();

private:
    void FormCreate(const std::optional<generatory::PolozkaHighskore>& upravovana, int pocetRadku);

    QLineEdit* m_nick;
    QLineEdit* m_skore;
    QPushButton* m_pridat;
    QPushButton* m_zrusit;
};
