#pragma once

// The small builders for the controls the tabs and dialogs place at their design positions.
// Each control carries its name and takes texts of any length.

#include <QRect>
#include <QString>
#include <QStringList>

class QComboBox;
class QLineEdit;
class QPushButton;
class QWidget;

QLineEdit* Pole(QWidget* rodic, const char* jmeno, const QString& text, QRect misto);

// An editable drop-down whose list starts with no item marked, showing `text`.
QComboBox* UpravitelnyBox(QWidget* rodic, const char* jmeno, const QStringList& polozky,
                          const QString& text, QRect misto);

QPushButton* Tlacitko(QWidget* rodic, const char* jmeno, const QString& text);
