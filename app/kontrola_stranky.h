#pragma once

// What a tab page does after every generation: reads the script just written with the
// preview's reader and lists, beside the panes, every line it cannot read in the form's words.
// The reading runs beside the window, so a large script's panes fill without waiting for it and
// typing goes on; only the newest generation's list is shown. Picking a message shows the field
// that wrote the line, or the line in its pane where no field did. It keeps the script, with the
// fields behind its lines, for the preview.

#include "generators/skript.h"
#include "preview/kontrola.h"

#include <QFutureWatcher>
#include <QObject>

#include <functional>
#include <memory>

class BlokPanelu;
class SeznamNalezu;
class QWidget;

class KontrolaStranky : public QObject {
    Q_OBJECT
public:
    using UkazPole = std::function<void(const generatory::Vlozeni& pole)>;

    KontrolaStranky(BlokPanelu* panely, UkazPole ukazPole, QWidget* stranka);

    // The panes with the list beside them, for the page's layout.
    QWidget* radek() const { return m_radek; }
    // After the generator's lines went into the panes.
    void zkontroluj(std::shared_ptr<const generatory::Skript> skript);
    // The script last checked, while the panes hold exactly its lines.
    std::shared_ptr<const generatory::Skript> skriptPanelu() const;

private:
    void ukaz(const nahled::Nalez& nalez);

    BlokPanelu* m_panely;
    UkazPole m_ukazPole;
    SeznamNalezu* m_seznam;
    QWidget* m_radek;
    std::shared_ptr<const generatory::Skript> m_skript;
    // A newer generation's reading replaces the one under way, whose list is never shown.
    QFutureWatcher<std::vector<nahled::Nalez>> m_cteni;
};
