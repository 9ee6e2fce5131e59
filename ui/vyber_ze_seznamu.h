#pragma once

// Tells a pick from an editable box's drop-down list apart from the box's own `activated`,
// which also fires when Enter is pressed in the box or the focus leaves it while it holds a
// listed text. Only a pick from the list is a pick.

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

    QComboBox* m_box;
    bool m_zeSeznamu = false;
};
