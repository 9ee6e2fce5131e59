#pragma once

#include <QPoint>
#include <QString>

class QApplication;
class QFont;
class QLabel;
class QWidget;

// The one built-in look: Fusion with a fixed light palette, whatever the desktop's theme.
void NastavVzhled(QApplication& aplikace);

// Tahoma where the machine has it, the default sans otherwise.
QString RodinaPisma();

QFont PismoPixelu(int pixelu);
QFont PismoBodu(int bodu, bool tucne = false);

// Labels carry their colour themselves, so a dialog looks the same with or without the
// application's palette.
void NastavBarvuPopisku(QWidget* prvek);

// A label at its design position, in the label colour, sized to its text. `jmeno` may be null.
QLabel* Popisek(QWidget* rodic, const char* jmeno, const QString& text, QPoint kde,
                const QFont& pismo);
