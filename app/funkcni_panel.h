#pragma once

// The side panel sPanel2: the search field Edit1 above the function name list sListBox1.

#include <QWidget>

class QLineEdit;
class SeznamFunkci;

class FunkcniPanel : public QWidget {
    Q_OBJECT
public:
    explicit FunkcniPanel(QWidget* rodic = nullptr);

    SeznamFunkci* seznam() const { return m_seznam; }

    // The longest search text the field accepts; no name is nearly this long.
    static constexpr int NejdelsiHledani = 128;

public Q_SLOTS:
    void Edit1Change();

private:
    QLineEdit* m_hledani;
    SeznamFunkci* m_seznam;
};
