#include "ui/vyber_ze_seznamu.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>
#include <QTimer>

VyberZeSeznamu::VyberZeSeznamu(QComboBox* box)
    : QObject(box), m_box(box), m_seznam(box->view()), m_plocha(box->view()->viewport()) {
    box->installEventFilter(this);
    box->view()->installEventFilter(this);
    box->view()->viewport()->installEventFilter(this);
    connect(box, &QComboBox::activated, this, &VyberZeSeznamu::poAktivaci);
}

// The list's or the box's own handler sees these events right after this filter and activates
// the item within the same dispatch (Enter already on its shortcut check); when it declines (a
// release outside the items, the last item already shown, say), the mark is gone before the
// next event. A wheel turned over the box's edit reaches the box after the edit declines it.
bool VyberZeSeznamu::eventFilter(QObject* objekt, QEvent* udalost) {
    bool vyber = false;
    if (objekt == m_plocha && udalost->type() == QEvent::MouseButtonRelease) {
        vyber = true;
    } else if (objekt == m_box && udalost->type() == QEvent::Wheel) {
        vyber = true;
    } else if (objekt == m_box && udalost->type() == QEvent::KeyPress) {
        const auto* klavesa = static_cast<QKeyEvent*>(udalost);
        const bool sipka = klavesa->key() == Qt::Key_Up || klavesa->key() == Qt::Key_Down;
        const bool stranka = klavesa->key() == Qt::Key_PageUp || klavesa->key() == Qt::Key_PageDown;
        // Ctrl with an arrow belongs to the edit, and Alt+Down opens the list.
        vyber =
            stranka || (sipka && !(klavesa->modifiers() & (Qt::ControlModifier | Qt::AltModifier)));
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
