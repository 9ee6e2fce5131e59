#pragma once

// Adds a position to the credits tree; a text that any node already carries is refused and
// the dialog stays open.

#include "dialog_titulku.h"

class StromTitulku;

class TPozice : public DialogTitulku {
    Q_OBJECT
public:
    TPozice(StromTitulku* strom, QWidget* rodic = nullptr);

public Q_SLOTS:
    void sButton1Click();

private:
    StromTitulku* m_strom;
};
