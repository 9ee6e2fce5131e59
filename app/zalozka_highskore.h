#pragma once

// The "HighSkóre" tab: the highscore rows and the generate button above the Draw
// pane.

#include <QWidget>

class BlokPanelu;
class QPushButton;

class ZalozkaHighskore : public QWidget {
    Q_OBJECT
public:
    explicit ZalozkaHighskore(QWidget* rodic = nullptr);

    BlokPanelu* panely() const { return m_panely; }

private:
    QPushButton* m_tlacitko;
    BlokPanelu* m_panely;
};
