#pragma once

// A line edit cuts its text at 32767 characters without a word. The edits that take the
// author's texts accept any length instead, so nothing pasted is lost on its way into the
// script.

class QAbstractItemView;
class QLineEdit;

void PovolDlouhyText(QLineEdit* pole);

// The same for the editors the view opens for renaming in place.
void PovolDlouhyText(QAbstractItemView* pohled);
