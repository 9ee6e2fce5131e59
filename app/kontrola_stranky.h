#pragma once

// What a tab page does after every generation: reads the script just written with the
// preview's reader and lists, beside the panes, every line it cannot read in the form's words.
// Picking a message shows the field that wrote the line, or the line in its pane where no field
// did. It keeps the script, with the fields behind its lines, for the preview.

#include "generators/skript.h"

#include <QObject>

#include <functional>
#include <memory>

class BlokPanelu;
class SeznamNalezu;
class QWidget;
namespace nahled {
struct Nalez;
}

class KontrolaStranky : public QObject {
    Q_OBJECT
public:
    using UkazPole = std::function<void(const Vlozeni& pole)>;

    KontrolaStranky(BlokPanelu* panely, UkazPole ukazPole, QWidget* stranka);

    // The panes with the list beside them, for the page's layout.
    QWidget* radek() const { return m_radek; }
    // After the generator's lines went into the panes.
    void zkontroluj(Skript skript);
    // The script last checked, while the panes hold exactly its lines.
    std::shared_ptr<const Skript> skriptPanelu() const;

private:
    void ukaz(const nahled::Nalez& nalez);

    BlokPanelu* m_panely;
    UkazPole m_ukazPole;
    SeznamNalezu* m_seznam;
    QWidget* m_radek;
    std::shared_ptr<const Skript> m_skript;
};
