#pragma once

// Asks for a person's name; any text is accepted.

#include "dialogs/dialog_titulku.h"

class TPridatOS : public DialogTitulku {
    Q_OBJECT
public:
    explicit TPridatOS(QWidget* rodic = nullptr);
};
