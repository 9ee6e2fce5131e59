#pragma once

// The "HighSkóre" tab: the highscore rows with their context menu and entry dialog, and the
// generate button above the Draw pane.

#include <QWidget>

struct Vlozeni;

class BlokPanelu;
class KontrolaStranky;
class ModelHighskore;
class QMenu;
class QPushButton;
class QTreeView;

class ZalozkaHighskore : public QWidget {
    Q_OBJECT
public:
    explicit ZalozkaHighskore(QWidget* rodic = nullptr);

    BlokPanelu* panely() const { return m_panely; }
    KontrolaStranky* kontrola() const { return m_kontrola; }

    int Ktere2Upravit() const { return m_ktere2Upravit; }
    void NastavKtere2(int index) { m_ktere2Upravit = index; }

public Q_SLOTS:
    void Pidatpoloku2Click();
    void Upravitpoloku2Click();
    void Smazapoloku1Click();
    void sButton3Click();

private:
    int vybranyRadek() const;
    void ukazPole(const Vlozeni& pole);
    void otevriDialog();

    ModelHighskore* m_model;
    QTreeView* m_seznam;
    QMenu* m_popup;
    QPushButton* m_tlacitko;
    BlokPanelu* m_panely;
    KontrolaStranky* m_kontrola;
    int m_ktere2Upravit = -1;
};
