#pragma once

// The shared frame of the credits tree's two dialogs: a caption label, one edit and the
// "Přidat" / "Zrušit" buttons on a fixed-size window centred on the desktop.

#include "ui/pevny_dialog.h"

class QLineEdit;
class QPushButton;

class DialogTitulku : public PevnyDialog {
    Q_OBJECT
public:
    DialogTitulku(const QString& titulek, QSize plocha, const QString& popisek, const QString& text,
                  QWidget* rodic);

    QString text() const;

public Q_SLOTS:
    void sButton1Click();
    void sButton2Click();

protected:
private:
    QLineEdit* m_pole;
};
