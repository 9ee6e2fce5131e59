#pragma once

// Placing texts by dragging them in the room: tells the room widget which texts may be taken,
// explains why a text placed by an expression may not, and turns a drop into new texts of the
// fields behind it, one step that Ctrl+Z takes back and Ctrl+Shift+Z or Ctrl+Y puts again. Once the
// form changes otherwise, the steps no longer hold and are dropped.

#include "generators/skript.h"

#include <QObject>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class PlatnoNahledu;
class QUndoStack;
class Umisteni;

class TazeniTextu : public QObject {
    Q_OBJECT
public:
    // The undo and redo keys work anywhere in `okno`.
    TazeniTextu(PlatnoNahledu* platno, QWidget* okno);

    // The tab whose fields a drop writes, or none; another tab's steps are forgotten.
    void nastav(Umisteni* umisteni);
    // Learns which input placed each line of the Draw script the room now runs.
    void nactiPuvod(const std::string& draw);
    // Drops the steps, and says so, when the form changed since the last of them.
    void zkontroluj();

Q_SIGNALS:
    // A text is taken: the room holds still until `pusteno`.
    void uchopeno();
    void pusteno();
    // The fields changed: the room starts again from Create.
    void zmeneno();
    void zprava(const QString& text);

private:
    std::optional<generatory::Puvod> puvod(int radek) const;
    void odmitni(int radek);
    void presun(int radek, QPoint posun);
    bool zastarale() const;
    void krok(bool zpet);
    void poZapisu();

    PlatnoNahledu* m_platno;
    Umisteni* m_umisteni = nullptr;
    std::vector<std::optional<generatory::Puvod>> m_puvod;
    QUndoStack* m_kroky;
    // The form's count of changes right after the last step wrote its fields.
    std::uint64_t m_zmeny = 0;
};
