// Fills each tab with a small realistic example, generates its script and saves a picture of
// the main window per tab into the folder given as the only argument.

#include "app/hlavni.h"
#include "app/model_highskore.h"
#include "app/model_nastaveni.h"
#include "app/strom_titulku.h"
#include "ui/vzhled.h"

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

void vyplnNastaveni(THlavni& okno) {
    auto* model = okno.findChild<ModelNastaveni*>();
    model->pridej({"Zvuk", "200", "150", "zapnutý;vypnutý", "global.zvuk = 1;global.zvuk = 0"});
    model->pridej({"Obtížnost", "200", "180", "lehká;střední;těžká",
                   "global.obtiznost = 1;global.obtiznost = 2;global.obtiznost = 3"});
    najdi<QPushButton>(&okno, "sButton2")->click();
}

void vyplnHighskore(THlavni& okno) {
    auto* model = okno.findChild<ModelHighskore*>();
    for (int i = 1; i <= 3; ++i)
        model->pridej(QStringLiteral("global.nick%1").arg(i),
                      QStringLiteral("global.skore%1").arg(i));
    najdi<QPushButton>(&okno, "sButton3")->click();
}

void vyplnTitulky(THlavni& okno) {
    auto* strom = okno.findChild<StromTitulku*>();
    strom->pridejPozici(QStringLiteral("Programovani"));
    strom->pridejOsobu(strom->topLevelItem(0), QStringLiteral("Jana_Novakova"));
    strom->pridejOsobu(strom->topLevelItem(0), QStringLiteral("Petr_Svoboda"));
    strom->pridejPozici(QStringLiteral("Grafika"));
    strom->pridejOsobu(strom->topLevelItem(1), QStringLiteral("Eva_Dvorakova"));
    strom->expandAll();
    najdi<QPushButton>(&okno, "sButton4")->click();
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
    vyplnNastaveni(okno);
    vyplnHighskore(okno);
    vyplnTitulky(okno);

    auto* zalozky = najdi<QTabWidget>(&okno, "PageControl1");
    const char* soubory[] = {"menu.png", "nastaveni.png", "highskore.png", "titulky.png"};
    for (int i = 0; i < zalozky->count(); ++i) {
        zalozky->setCurrentIndex(i);
        QApplication::processEvents();
        if (!okno.grab().save(cil.filePath(QString::fromLatin1(soubory[i])), "PNG", 0))
            qFatal("cannot write %s", soubory[i]);
    }
    return 0;
}
