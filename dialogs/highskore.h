#pragma once

// The entry dialog of the highscore list: adds a row, or edits the row at the edit index.

#include "pevny_dialog.h"

class ModelHighskore;
class QLineEdit;
class QPushButton;

class THighskore : public PevnyDialog {
    Q_OBJECT
public:
    // `ktere` is the edit index: -1 adds, otherwise the row to edit (it must exist).
    THighskore(ModelHighskore& model, int ktere, QWidget* rodic = nullptr);

public Q_SLOTS:
    void sButton1Click();
    void sButton2Click();

private:
    void FormCreate();

    ModelHighskore& m_model;
    int m_ktere;
    QLineEdit* m_nick;
    QLineEdit* m_skore;
    QPushButton* m_pridat;
    QPushButton* m_zrusit;
};
