#include "ui/pevny_dialog.h"

#include "ui/ovladace.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

void VystredNaObrazovce(QWidget* okno) {
    if (const QScreen* obrazovka = QGuiApplication::primaryScreen())
        okno->move(obrazovka->availableGeometry().center() - okno->rect().center());
}

PevnyDialog::PevnyDialog(QSize plocha, const QFont& pismo, QWidget* rodic)
    : QDialog(rodic, ZnakyPevnehoDialogu) {
    setFont(pismo);
    setFixedSize(plocha);
    VystredNaObrazovce(this);
}

QPushButton* PevnyDialog::noveTlacitko(const char* jmeno, const QString& text, QRect misto) {
    QPushButton* t = Tlacitko(this, jmeno, text);
    // An auto-default button lends the dialog a default the moment another one has the focus,
    // and Enter in a field would then press it.
    t->setAutoDefault(false);
    t->setGeometry(misto);
    return t;
}

QLineEdit* PevnyDialog::novePole(const char* jmeno, const QString& text, QRect misto) {
    QLineEdit* p = Pole(this, jmeno, text, misto);
    QPalette paleta = p->palette();
    paleta.setColor(QPalette::Base, Qt::white);
    paleta.setColor(QPalette::Text, Qt::black);
    p->setPalette(paleta);
    return p;
}

void PevnyDialog::keyPressEvent(QKeyEvent* udalost) {
    switch (udalost->key()) {
    case Qt::Key_Enter:
    case Qt::Key_Return:
        if (auto* tlacitko = qobject_cast<QPushButton*>(focusWidget()))
            tlacitko->click();
        udalost->accept();
        return;
    case Qt::Key_Escape:
        udalost->accept();
        return;
    default:
        QDialog::keyPressEvent(udalost);
    }
}

void PevnyDialog::showEvent(QShowEvent* udalost) {
    for (QLineEdit* p : findChildren<QLineEdit*>())
        p->setCursorPosition(0);
    QDialog::showEvent(udalost);
}
