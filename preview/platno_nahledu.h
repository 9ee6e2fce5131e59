#pragma once

// The previewed room on screen: 640 × 480, black, scaled uniformly to fit and centred, showing
// the texts the last Draw event drew, framed while it has the keyboard. It takes the arrow keys and
// Enter for the script, and lets the mouse take a text that may be placed by dragging and drop it
// elsewhere.

#include "jazyk/stav.h"

#include <QWidget>

#include <functional>
#include <optional>

class PlatnoNahledu : public QWidget {
    Q_OBJECT
public:
    // What pressing on a drawn text does.
    enum class Uchop { Nic, Vysvetli, Tahni };
    // Judges a text by the line of the Draw script that drew it.
    using Posouzeni = std::function<Uchop(int radek)>;

    explicit PlatnoNahledu(QWidget* rodic = nullptr);

    void nastavKresby(const std::vector<nahled::Kresba>& kresby);
    // Without one no text is taken and presses go on to the window.
    void nastavPosouzeni(Posouzeni posouzeni);

Q_SIGNALS:
    // The engine's code of a key the author pressed.
    void stisknuto(int kod);
    void uchopeno();
    void odmitnuto(int radek);
    // The distance in whole room pixels.
    void pusteno(int radek, QPoint posun);

protected:
    void paintEvent(QPaintEvent* udalost) override;
    void keyPressEvent(QKeyEvent* udalost) override;
    void mousePressEvent(QMouseEvent* udalost) override;
    void mouseMoveEvent(QMouseEvent* udalost) override;
    void mouseReleaseEvent(QMouseEvent* udalost) override;
    void leaveEvent(QEvent* udalost) override;
    void focusInEvent(QFocusEvent* udalost) override;
    void focusOutEvent(QFocusEvent* udalost) override;

private:
    struct Tah {
        std::size_t kresba;
        QPointF zacatek, posun; // in the room
    };

    // Room coordinates to this widget's.
    QTransform zobrazeni() const;
    QRectF obrys(const nahled::Kresba& kresba, QPointF posun = {}) const;
    std::optional<std::size_t> kresbaNa(QPointF bod) const;
    Uchop posud(std::size_t kresba) const;
    void ukazKurzor();
    void kresliSouradnice(QPainter& p, const Tah& tah) const;

    std::vector<nahled::Kresba> m_kresby;
    Posouzeni m_posouzeni;
    std::optional<Tah> m_tah;
    std::optional<QPointF> m_mys;
};
