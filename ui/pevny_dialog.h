#pragma once

// What every entry dialog of the program shares: a fixed size, a title and only a close box, a
// place in the middle of the screen, and keys that never throw typed text away. No button is a
// default or cancel button: Enter in a field and Escape press nothing, while Enter or Space on a
// focused button presses that button.

#include <QDialog>

class QLineEdit;
class QPushButton;

inline constexpr Qt::WindowFlags ZnakyPevnehoDialogu =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
    Qt::MSWindowsFixedSizeDialogHint;

// The keys of a dialog that must not throw typed text away: Enter on a focused button presses
// it, Enter elsewhere and Escape do nothing. False for any other key, which the dialog handles
// as it would.
bool ZachytKlavesuDialogu(QDialog* dialog, QKeyEvent* udalost);

class PevnyDialog : public QDialog {
    Q_OBJECT
public:
    PevnyDialog(QSize plocha, const QFont& pismo, QWidget* rodic);

protected:
    QPushButton* noveTlacitko(const char* jmeno, const QString& text, QRect misto);
    // A white field with black text that takes texts of any length.
    QLineEdit* novePole(const char* jmeno, const QString& text, QRect misto);

    void keyPressEvent(QKeyEvent* udalost) override;
    // Long texts show their beginning, not their end.
    void showEvent(QShowEvent* udalost) override;

private:
    void ukazCelePopisky();
};
