#pragma once

// Asks for a new position; a text that any node of the tree already carries is refused and the
// dialog stays open.

#include "dialogs/dialog_titulku.h"

#include <functional>

class TPozice : public DialogTitulku {
    Q_OBJECT
public:
    // `obsazeny` tells whether a node already carries the text.
    explicit TPozice(std::function<bool(const QString&)> obsazeny, QWidget* rodic = nullptr);

    void accept() override;

private:
    std::function<bool(const QString&)> m_obsazeny;
};
