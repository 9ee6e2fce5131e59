#pragma once

#include "app/rychle_hledani.h"

#include <QListWidget>

class QLocale;

// The built-in function names, in their order under Czech collation.
QStringList VestaveneNazvy();

// Sorts by the locale's collation, ignoring case; equal names stay next to each other.
void SeradNazvy(QStringList& nazvy, const QLocale& jazyk);

// The list sListBox1: the built-in function names sorted by the user's locale, with its own
// type-ahead.
class SeznamFunkci : public QListWidget {
    Q_OBJECT
public:
    explicit SeznamFunkci(QWidget* rodic = nullptr);

    const QStringList& nazvy() const { return m_nazvy; }

    // Selects only the given row and scrolls to it; nothing clears the selection.
    void vyber(std::optional<int> radek);

    void nastavHodiny(RychleHledani::Hodiny hodiny) { m_psani = RychleHledani(std::move(hodiny)); }

protected:
    void keyPressEvent(QKeyEvent* udalost) override;

private:
    QStringList m_nazvy;
    RychleHledani m_psani;
};
