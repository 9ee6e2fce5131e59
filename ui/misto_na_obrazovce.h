#pragma once

// Our dialogs and windows open within the available area of the screen they open on (their
// parent's), frame and title bar included, whatever the screen's size and scaling.

class QWidget;

// Shrinks a window that may change its size to the area, if it is larger.
void VejdiSeNaObrazovku(QWidget* okno);

// As above, then puts the window in the area's middle; one that cannot shrink to it keeps its
// title bar and left edge on the screen.
void VystredNaObrazovce(QWidget* okno);
