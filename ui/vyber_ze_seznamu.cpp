#include "ui/vyber_ze_seznamu.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>
#include <QTimer>

VyberZeSeznamu::VyberZeSeznamu(QComboBox* box)
    : QObject(box), m_seznam(box->view()), m_plocha(box->view()->viewport()) {
    box->view()->installEventFilter(this);
    box->view()->viewport()->installEventFilter(this);
    connect(box, &QComboBox::activated, this, &VyberZeSeznamu::poAktivaci);
}

// The list's own handler sees these events right after this filter and activates the item
// within the same dispatch (Enter already on its shortcut check); when it declines (a release
// outside the items, say), the mark is gone before the next event.
bool VyberZeSeznamu::eventFilter(QObject* objekt, QEvent* udalost) {
    bool vyber = false;
    if (objekt == m_plocha && udalost->type() == QEvent::MouseButtonRelease) {
        vyber = true;
    } else if (objekt == m_seznam && (udalost->type() == QEvent::KeyPress ||
                                      udalost->type() == QEvent::ShortcutOverride)) {
        const int klavesa = static_cast<QKeyEvent*>(udalost)->key();
        vyber = klavesa == Qt::Key_Enter || klavesa == Qt::Key_Return || klavesa == Qt::Key_Select;
    }
    if (vyber) {
        m_zeSeznamu = true;
        QTimer::singleShot(0, this, [this] { m_zeSeznamu = false; });
    }
    return QObject::eventFilter(objekt, udalost);
}

void VyberZeSeznamu::poAktivaci() {
    if (!m_zeSeznamu)
        return;
    m_zeSeznamu = false;
    Q_EMIT vybrano();
}
