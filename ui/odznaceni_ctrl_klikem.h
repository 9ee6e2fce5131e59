#pragma once

// Ctrl+click on the selected row deselects it, as in native lists and trees. A view that also
// renames on a click on the selected row holds such a press back and renames instead.

class QAbstractItemView;

void OdznacujCtrlKlikem(QAbstractItemView* pohled);
