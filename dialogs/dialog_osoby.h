#pragma once

// Adds a person under the position that was selected when the dialog opened; any text is
// accepted.

#include "dialog_titulku.h"

class StromTitulku;
class QTreeWidgetItem;

class TPridatOS : public DialogTitulku {
    Q_OBJECT
public:
    TPridatOS(StromTitulku* strom, QTreeWidgetItem* pozice, QWidget* rodic = nullptr);

public Q_SLOTS:
    void sButton1Click();

private:
    StromTitulku* m_strom;
    QTreeWidgetItem* m_pozice;
};
