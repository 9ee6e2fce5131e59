#pragma once

// Context menus: built from a list of named items, and opened at the pointer for a right click
// or at the current item or the text cursor for the Menu key or Shift+F10.

#include <QString>

#include <functional>
#include <initializer_list>

class QAbstractScrollArea;
class QMenu;
class QWidget;

struct PolozkaNabidky {
    const char* jmeno;
    // No text makes a separator line.
    QString text;
    std::function<void()> obsluha;
};

QMenu* VytvorNabidku(QWidget* rodic, const char* jmeno,
                     std::initializer_list<PolozkaNabidky> polozky);

void PripojNabidku(QAbstractScrollArea* oblast, QMenu* nabidka);
