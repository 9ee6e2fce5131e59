#pragma once

// Beside a tab's panes: what the preview's reader cannot read in the script just generated, one
// message a line in the form's words. A click on a message, or Enter on it, asks for the field
// that wrote the line. The list hides while everything reads, so a sound script leaves the tab
// as it was designed and a message appearing beside the panes is itself the signal.

#include "preview/kontrola.h"

#include <QListWidget>

#include <vector>

class SeznamNalezu : public QListWidget {
    Q_OBJECT
public:
    explicit SeznamNalezu(QWidget* rodic = nullptr);

    void nastav(std::vector<nahled::Nalez> nalezy);

Q_SIGNALS:
    void vybrano(const nahled::Nalez& nalez);

private:
    void vyber(QListWidgetItem* polozka);

    std::vector<nahled::Nalez> m_nalezy;
};
