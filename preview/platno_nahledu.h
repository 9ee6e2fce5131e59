#pragma once

// The previewed room on screen: 640 × 480, black, scaled to fit, showing the texts the last
// Draw event drew. It takes the arrow keys and Enter for the script.

#include "preview/stav.h"

#include <QWidget>

class PlatnoNahledu : public QWidget {
    Q_OBJECT
public:
    explicit PlatnoNahledu(QWidget* rodic = nullptr);

    void NastavKresby(std::vector<nahled::Kresba> kresby);

Q_SIGNALS:
    // The engine's code of a key the author pressed.
    void stisknuto(int kod);

protected:
    void paintEvent(QPaintEvent* udalost) override;
    void keyPressEvent(QKeyEvent* udalost) override;

private:
    std::vector<nahled::Kresba> m_kresby;
};
