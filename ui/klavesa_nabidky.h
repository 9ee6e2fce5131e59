#pragma once

// Shift+F10 opens the focused control's context menu, as the Menu key does. Installed on the
// application, so it serves every window.

#include <QObject>

class KlavesaNabidky : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* objekt, QEvent* udalost) override;
};
