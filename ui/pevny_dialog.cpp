#include "ui/pevny_dialog.h"

#include "ui/misto_na_obrazovce.h"
#include "ui/ovladace.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

bool ZachytKlavesuDialogu(QDialog* dialog, QKeyEvent* udalost) {
    switch (udalost->key()) {
    case Qt::Key_Enter:
    case Qt::Key_Return:
        if (auto* tlacitko = qobject_cast<QPushButton*>(dialog->focusWidget()))
            tlacitko->click();
        break;
    case Qt::Key_Escape:
        break;
    default:
        return false;
    }
    udalost->accept();
    return true;
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
    if (!ZachytKlavesuDialogu(this, udalost))
        QDialog::keyPressEvent(udalost);
}

void PevnyDialog::showEvent(QShowEvent* udalost) {
    for (QLineEdit* p : findChildren<QLineEdit*>())
        p->setCursorPosition(0);
    ukazCelePopisky();
    QDialog::showEvent(udalost);
}

// A label keeps its place and size while its text fits in the fonts the system has; otherwise
// it grows right and down, and the dialog grows to hold it with the margin it had.
void PevnyDialog::ukazCelePopisky() {
    QSize plocha = size();
    for (QLabel* popisek : findChildren<QLabel*>()) {
        const QSize potreba = popisek->sizeHint().expandedTo(popisek->size());
        if (potreba == popisek->size())
            continue;
        const QRect misto = popisek->geometry();
        const int okraj = std::max(0, width() - misto.right() - 1);
        popisek->resize(potreba);
        plocha = plocha.expandedTo(
            QSize(popisek->geometry().right() + 1 + okraj, popisek->geometry().bottom() + 1));
    }
    if (plocha == size())
        return;
    setFixedSize(plocha);
    VystredNaObrazovce(this);
}
