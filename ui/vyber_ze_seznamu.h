#pragma once

// Tells a pick from an editable box's drop-down list apart from the box's own `activated`,
// which also fires when Enter is pressed in the box or the focus leaves it while it holds a
// listed text. A pick from the list is a pick, and so is stepping to the next or previous item
// of the closed box with the arrow keys, PgUp, PgDn or the wheel; typed text is not.

#include <QObject>

class QComboBox;

class VyberZeSeznamu : public QObject {
    Q_OBJECT
public:
    explicit VyberZeSeznamu(QComboBox* box);

Q_SIGNALS:
    void vybrano();

protected:
    bool eventFilter(QObject* objekt, QEvent* udalost) override;

private:
    void poAktivaci();

    // Kept from the start: the list's viewport still sends events while the box is being
    // destroyed, when the box can no longer be asked for its list.
    const QObject* m_box;
    const QObject* m_seznam;
    const QObject* m_plocha;
    bool m_zeSeznamu = false;
};
