#pragma once

// The entry dialog of the settings list: adds an entry when the edit index is −1, otherwise
// overwrites the entry at that index. Whichever way it closes, the index is −1 afterwards.

#include "pevny_dialog.h"

class ModelNastaveni;
class QLineEdit;
class QPushButton;
struct PolozkaNastaveni;

class TNastaveni : public PevnyDialog {
    Q_OBJECT
public:
    // Both the list and the index outlive the dialog.
    TNastaveni(ModelNastaveni& polozky, int& ktereUpravit, QWidget* rodic = nullptr);

    void done(int vysledek) override;

public Q_SLOTS:
    void sButton1Click();
    void sButton2Click();
    void sEdit2Click();
    void sEdit5Click();

protected:
    bool eventFilter(QObject* objekt, QEvent* udalost) override;

private:
    void FormCreate();
    PolozkaNastaveni zadanaPolozka() const;
    void ukazBublinu(QLineEdit* pole, const QString& titulek);

    ModelNastaveni& m_polozky;
    int& m_ktere;
    QLineEdit* m_nazev;
    QLineEdit* m_hodnoty;
    QLineEdit* m_akce;
    QLineEdit* m_x;
    QLineEdit* m_y;
    QPushButton* m_pridat;
    QPushButton* m_zrusit;
};
