#include "ui/ovladace.h"

#include "ui/dlouhy_text.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

QLineEdit* Pole(QWidget* rodic, const char* jmeno, const QString& text, QRect misto) {
    auto* pole = new QLineEdit(text, rodic);
    pole->setObjectName(QString::fromLatin1(jmeno));
    PovolDlouhyText(pole);
    pole->setGeometry(misto);
    // Long texts show their beginning, not their end.
    pole->setCursorPosition(0);
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
