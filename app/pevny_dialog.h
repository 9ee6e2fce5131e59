#pragma once

// What every dialog of the program shares: a fixed size, a title and only a close box, and a
// place in the middle of the screen.

#include <Qt>

class QWidget;

inline constexpr Qt::WindowFlags ZnakyPevnehoDialogu =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
    Qt::MSWindowsFixedSizeDialogHint;

void VystredNaObrazovce(QWidget* okno);
