#pragma once

// The entry dialog of the settings list. Opened with an entry it edits it, without one it
// proposes a new one; accepted, it holds the entry as typed. A new entry needs its actions and
// its values; an edited one is taken as it stands.

#include "ui/pevny_dialog.h"

#include "generators/polozka_nastaveni.h"

#include <optional>

class QLineEdit;
class QPushButton;

class TNastaveni : public PevnyDialog {
    Q_OBJECT
public:
    // `pocetPolozek` places a new entry below the ones in the list.
    TNastaveni(const std::optional<generatory::PolozkaNastaveni>& upravovana, int pocetPolozek,
               QWidget* rodic = nullptr);

    generatory::PolozkaNastaveni polozka() const;
    void accept() override;

public Q_SLOTS:
    void sButton1Click();
    void sButton2Click();
    void sEdit2Click();
    void sEdit5Click();

protected:
    bool eventFilter(QObject* objekt, QEvent* udalost) override;

private:
    void FormCreate(const std::optional<generatory::PolozkaNastaveni>& upravovana,
                    int pocetPolozek);
    void ukazBublinu(QLineEdit* pole, const QString& titulek);

    bool m_pridava;
    QLineEdit* m_nazev;
    QLineEdit* m_hodnoty;
    QLineEdit* m_akce;
    QLineEdit* m_x;
    QLineEdit* m_y;
    QPushButton* m_pridat;
    QPushButton* m_zrusit;
};
