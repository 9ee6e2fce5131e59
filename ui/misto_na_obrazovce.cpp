#include "ui/misto_na_obrazovce.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QWidget>

#include <algorithm>

namespace {

// A maximised window shows no borders, while the window placed here will have them.
constexpr int nejtenciOkraj = 4;

struct Misto {
    // The screen's available area.
    QRect volno;
    // What of it a window's inside may take: less the frame that the window manager put around
    // the window's parent, which it will put around this one too.
    QRect okno;
};

Misto MistoProOkno(const QWidget* okno) {
    const QWidget* rodic = okno->parentWidget() ? okno->parentWidget()->window() : nullptr;
    const QScreen* obrazovka = rodic ? rodic->screen() : okno->screen();
    if (!obrazovka)
        obrazovka = QGuiApplication::primaryScreen();
    if (!obrazovka)
        return {};
    QMargins ram;
    if (rodic && rodic->isVisible()) {
        const QRect vnejsi = rodic->frameGeometry();
        const QRect vnitrni = rodic->geometry();
        // Read too early, the frame may not be known yet; the title bar comes all the same.
        const int vrch = vnitrni.top() - vnejsi.top();
        ram = QMargins(std::max(vnitrni.left() - vnejsi.left(), nejtenciOkraj),
                       vrch > nejtenciOkraj
                           ? vrch + nejtenciOkraj
                           : okno->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, okno),
                       std::max(vnejsi.right() - vnitrni.right(), nejtenciOkraj),
                       std::max(vnejsi.bottom() - vnitrni.bottom(), nejtenciOkraj));
    }
    return {obrazovka->availableGeometry(), obrazovka->availableGeometry() - ram};
}

} // namespace

void VejdiSeNaObrazovku(QWidget* okno) {
    const QRect misto = MistoProOkno(okno).okno;
    if (!misto.isEmpty())
        okno->resize(okno->size().boundedTo(misto.size()));
}

void VystredNaObrazovce(QWidget* okno) {
    const Misto misto = MistoProOkno(okno);
    if (misto.okno.isEmpty())
        return;
    okno->resize(okno->size().boundedTo(misto.okno.size()));
    QRect kde(QPoint(), okno->size());
    kde.moveCenter(misto.volno.center());
    // Within the area, and where it cannot be, with its title bar and left edge on the screen.
    kde.moveRight(std::min(kde.right(), misto.okno.right()));
    kde.moveBottom(std::min(kde.bottom(), misto.okno.bottom()));
    okno->move(std::max(kde.left(), misto.okno.left()), std::max(kde.top(), misto.okno.top()));
}
