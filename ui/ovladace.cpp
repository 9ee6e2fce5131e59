#include "ui/ovladace.h"

#include "ui/dlouhy_text.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>

namespace {

// Tabbing into a field selects its text and leaves the cursor at the end, and a field shown
// again keeps that; once the editing is over, the text shows from its beginning again. Another
// window or a menu taking the focus is no end of editing.
class OdZacatku : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* objekt, QEvent* udalost) override {
        // A field gives up the focus while it is destroyed, when it is a QLineEdit no longer.
        auto* pole = qobject_cast<QLineEdit*>(objekt);
        if (!pole)
            return QObject::eventFilter(objekt, udalost);
        if (udalost->type() == QEvent::FocusOut) {
            const Qt::FocusReason proc = static_cast<QFocusEvent*>(udalost)->reason();
            if (proc != Qt::ActiveWindowFocusReason && proc != Qt::PopupFocusReason)
                pole->setCursorPosition(0);
        } else if (udalost->type() == QEvent::Show && !pole->hasFocus()) {
            pole->setCursorPosition(0);
        }
        return QObject::eventFilter(objekt, udalost);
    }
};

} // namespace

QLineEdit* Pole(QWidget* rodic, const char* jmeno, const QString& text, QRect misto) {
    auto* pole = new QLineEdit(text, rodic);
    pole->setObjectName(QString::fromLatin1(jmeno));
    PovolDlouhyText(pole);
    pole->setGeometry(misto);
    // Long texts show their beginning, not their end.
    pole->setCursorPosition(0);
    pole->installEventFilter(new OdZacatku(pole));
    return pole;
}

QComboBox* UpravitelnyBox(QWidget* rodic, const char* jmeno, const QStringList& polozky,
                          const QString& text, QRect misto) {
    auto* box = new QComboBox(rodic);
    box->setObjectName(QString::fromLatin1(jmeno));
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setCompleter(nullptr);
    PovolDlouhyText(box->lineEdit());
    box->setMaxVisibleItems(static_cast<int>(polozky.size()));
    box->addItems(polozky);
    box->setCurrentIndex(-1);
    box->setEditText(text);
    box->setGeometry(misto);
    return box;
}

QPushButton* Tlacitko(QWidget* rodic, const char* jmeno, const QString& text) {
    auto* tlacitko = new QPushButton(text, rodic);
    tlacitko->setObjectName(QString::fromLatin1(jmeno));
    return tlacitko;
}
