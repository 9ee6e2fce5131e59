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

void VystredNaObrazovce(QWidget* okno);

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
