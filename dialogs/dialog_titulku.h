#pragma once

// The shared frame of the credits tree's two dialogs: a caption label, one edit and the
// "Přidat" / "Zrušit" buttons on a fixed-size window centred on the desktop.

#include "pevny_dialog.h"

class QLineEdit;
class QPushButton;

class DialogTitulku : public PevnyDialog {
    Q_OBJECT
public:
    DialogTitulku(const QString& titulek, QSize plocha, const QString& popisek, const QString& text,
                  QWidget* rodic);

public Q_SLOTS:
    void sButton2Click();

protected:
    QLineEdit* pole() const { return m_pole; }
    QPushButton* tlacitkoPridat() const { return m_pridat; }

private:
    QLineEdit* m_pole;
    QPushButton* m_pridat;
};
