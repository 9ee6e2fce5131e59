#pragma once

// Gives a list, tree or pane its context menu: at the pointer for a right click, at the
// current item or the text cursor for the Menu key or Shift+F10.

class QAbstractScrollArea;
class QMenu;

void PripojNabidku(QAbstractScrollArea* oblast, QMenu* nabidka);
