#pragma once

// The "Nastavení" tab: the settings entries and the generate button above the Create, Step
// and Draw panes.

#include <QWidget>

class BlokPanelu;
class QPushButton;

class ZalozkaNastaveni : public QWidget {
    Q_OBJECT
public:
    explicit ZalozkaNastaveni(QWidget* rodic = nullptr);

    BlokPanelu* panely() const { return m_panely; }

private:
    QPushButton* m_tlacitko;
    BlokPanelu* m_panely;
};
