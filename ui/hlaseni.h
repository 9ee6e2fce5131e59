#pragma once

// The one place that shows the program's message boxes: the error box for errors that stop a
// handler, the plain box for refusals ("Musíte …!") and the yes-or-no question. Tests can capture
// the first two instead of clicking.

#include <QString>

#include <functional>

class QWidget;

namespace Hlaseni {

enum class Druh { Chyba, Odmitnuti };

// Shows the error box: title "Kodovar", error icon, one OK button.
void UkazChybu(QWidget* rodic, const QString& zprava);

// Shows a refusal: title "Kodovar", one OK button.
void UkazOdmitnuti(QWidget* rodic, const QString& text);

// Asks a question with "Ano" and "Ne", "Ne" the default; true for "Ano".
bool Zeptej(QWidget* rodic, const QString& otazka);

// The error box text: a full stop is added unless the message is empty or already ends in a
// character whose code is at most that of the full stop.
QString TextChyby(const QString& zprava);

// While set, messages go to the catcher instead of a modal box (for tests).
using Lapac = std::function<void(Druh, const QString&)>;
void NastavLapac(Lapac lapac);

} // namespace Hlaseni
