// Fills each tab with a small realistic example, generates its script and saves a picture of
// the main window per tab into the folder given as the only argument.

#include "hlavni.h"
#include "vzhled.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

namespace {

template <typename T> T* najdi(QObject* koren, const char* jmeno) {
    T* objekt = koren->findChild<T*>(QString::fromLatin1(jmeno));
    if (!objekt)
        qFatal("no control named %s", jmeno);
    return objekt;
}

void napis(QObject* okno, const char* jmeno, const char* text) {
    najdi<QLineEdit>(okno, jmeno)->setText(QString::fromUtf8(text));
}

void vyplnMenu(THlavni& okno) {
    auto* pocet = najdi<QComboBox>(&okno, "sComboBox1");
    pocet->setCurrentIndex(2);
    Q_EMIT pocet->activated(2);
    napis(&okno, "sEdit1", "Nová hra");
    napis(&okno, "sEdit2", "Nastavení");
    napis(&okno, "sEdit17", "room_goto(nastaveni)");
    napis(&okno, "sEdit3", "Konec");
    napis(&okno, "sEdit18", "game_end()");
    najdi<QPushButton>(&okno, "sButton1")->click();
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication aplikace(argc, argv);
    NastavVzhled(aplikace);
    const QDir cil(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));

    THlavni okno;
    okno.resize(1100, 760);
    okno.show();
    vyplnMenu(okno);

    auto* zalozky = najdi<QTabWidget>(&okno, "PageControl1");
    const char* soubory[] = {"menu.png", "nastaveni.png", "highskore.png", "titulky.png"};
    for (int i = 0; i < zalozky->count(); ++i) {
        zalozky->setCurrentIndex(i);
        QApplication::processEvents();
        if (!okno.grab().save(cil.filePath(QString::fromLatin1(soubory[i]))))
            qFatal("cannot write %s", soubory[i]);
    }
    return 0;
}
