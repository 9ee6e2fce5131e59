// Fills each tab with a small realistic example, generates its script and saves a picture of
// the main window per tab, one of the preview while a text is dragged and one of reading a
// script back, into the folder given as the only argument.

#include "app/hlavni.h"
#include "app/model_highskore.h"
#include "app/model_nastaveni.h"
#include "app/strom_titulku.h"
#include "ui/vzhled.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

#include <utility>

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
        model->pridej({"", "global.nick" + std::to_string(i), "global.skore" + std::to_string(i)});
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

void pockej(int ms) {
    QElapsedTimer hodiny;
    hodiny.start();
    while (hodiny.elapsed() < ms)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
}

// Where the room point shows in the room widget, scaled to fit and centred.
QPointF naWidget(const QWidget* mistnost, QPointF bod) {
    const double s = std::min(mistnost->width() / 640.0, mistnost->height() / 480.0);
    return {(mistnost->width() - 640 * s) / 2 + bod.x() * s,
            (mistnost->height() - 480 * s) / 2 + bod.y() * s};
}

void mys(QWidget* mistnost, QEvent::Type typ, QPointF bodMistnosti) {
    const QPointF bod = naWidget(mistnost, bodMistnosti);
    QMouseEvent udalost(typ, bod, mistnost->mapToGlobal(bod), Qt::LeftButton, Qt::LeftButton,
                        Qt::NoModifier);
    QApplication::sendEvent(mistnost, &udalost);
}

// The Menu tab's preview halfway through dragging the second item down and to the right.
QPixmap tazeni(THlavni& okno) {
    najdi<QTabWidget>(&okno, "PageControl1")->setCurrentIndex(0);
    najdi<QAction>(&okno, "Nahled1")->trigger();
    auto* nahled = najdi<QWidget>(&okno, "Nahled");
    auto* mistnost = najdi<QWidget>(nahled, "Mistnost");
    pockej(300);
    mys(mistnost, QEvent::MouseButtonPress, {256, 188});
    for (int i = 1; i <= 10; ++i)
        mys(mistnost, QEvent::MouseMove, QPointF(256, 188) + QPointF(110, 120) * i / 10);
    pockej(100);
    return nahled->grab();
}

// The settings tab's script pasted back into the read-back dialog with one value line moved by
// hand, and the dialog's answer to it.
QPixmap nacteni(THlavni& okno) {
    najdi<QTabWidget>(&okno, "PageControl1")->setCurrentIndex(1);
    QPixmap snimek;
    auto* casovac = new QTimer(&okno);
    casovac->setInterval(20);
    QObject::connect(casovac, &QTimer::timeout, casovac, [&okno, &snimek, casovac] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (!dialog)
            return;
        casovac->stop();
        const std::pair<const char*, const char*> panely[] = {{"RichEdit4", "VlozeniCreate"},
                                                              {"RichEdit5", "VlozeniStep"},
                                                              {"RichEdit6", "VlozeniDraw"}};
        for (const auto& [panel, box] : panely) {
            QString text = najdi<QPlainTextEdit>(&okno, panel)->toPlainText();
            text.replace(QStringLiteral("(380,180,\"střední\""),
                         QStringLiteral("(380,190,\"střední\""));
            najdi<QPlainTextEdit>(dialog, box)->setPlainText(text);
        }
        najdi<QPushButton>(dialog, "Nacist")->click();
        pockej(100);
        snimek = dialog->grab();
        dialog->close();
    });
    casovac->start();
    najdi<QAction>(&okno, "NacistZeSkriptu1")->trigger();
    return snimek;
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
    if (!tazeni(okno).save(cil.filePath(QStringLiteral("tazeni.png")), "PNG", 0))
        qFatal("cannot write tazeni.png");
    if (!nacteni(okno).save(cil.filePath(QStringLiteral("nacteni.png")), "PNG", 0))
        qFatal("cannot write nacteni.png");
    return 0;
}
