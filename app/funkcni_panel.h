#pragma once

// The side panel sPanel2: the search field Edit1 above the function name list sListBox1.

#include <QWidget>

class QLineEdit;
class QListWidget;

class FunkcniPanel : public QWidget {
    Q_OBJECT
public:
    explicit FunkcniPanel(QWidget* rodic = nullptr);

    QListWidget* seznam() const { return m_seznam; }

private:
    QLineEdit* m_hledani;
    QListWidget* m_seznam;
};
