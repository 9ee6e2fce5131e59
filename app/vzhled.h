#pragma once

#include <QString>

class QApplication;

// The one built-in look: Fusion with a fixed light palette, whatever the desktop's theme.
void NastavVzhled(QApplication& aplikace);

// Tahoma where the machine has it, the default sans otherwise.
QString RodinaPisma();

inline constexpr int BarvaPopisku[] = {43, 53, 77};
