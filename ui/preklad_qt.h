#pragma once

// Qt's own texts in Czech: the menus of text fields, the buttons of message boxes and the like.

class QCoreApplication;

// Loads Qt's Czech translation from a "translations" folder beside the program, where the
// Windows bundle ships it, or from Qt's own folder. False when neither has it: the program then
// runs with Qt's texts untranslated.
bool NactiPrekladQt(QCoreApplication& aplikace);
