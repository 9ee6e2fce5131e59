#pragma once

// The "Titulky" tab: the credits tree, its options and the generate button above the Create,
// Alarm[0] and Draw panes.

#include <QWidget>

class BlokPanelu;
class QPushButton;

class ZalozkaTitulky : public QWidget {
    Q_OBJECT
public:
    explicit ZalozkaTitulky(QWidget* rodic = nullptr);

    BlokPanelu* panely() const { return m_panely; }

private:
    QPushButton* m_tlacitko;
    BlokPanelu* m_panely;
};
