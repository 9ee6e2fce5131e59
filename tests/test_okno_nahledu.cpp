#include "app/hlavni.h"
#include "pomocnici.h"
#include "pomocnici_nahledu.h"
#include "preview/okno_nahledu.h"
#include "preview/platno_nahledu.h"
#include "ui/blok_panelu.h"

#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>

#include <algorithm>

namespace {

QStringList kresby(const OknoNahledu* nahled) {
    QStringList vysledek;
    for (const nahled::Kresba& k : nahled->mistnost()->kresby())
        vysledek << QStringLiteral("%1 %2").arg(QString::fromStdString(k.text),
                                                k.barva == nahled::BarvaKonstanty("c_yellow")
                                                    ? QStringLiteral("žlutá")
                                                    : QStringLiteral("jiná"));
    return vysledek;
}

// Stops the timer so that the test alone decides when a step runs.
OknoNahledu* otevriPozastavene(THlavni& okno) {
    auto* nahled = najdi<OknoNahledu>(&okno, "Nahled");
    QTest::mouseClick(najdi<QPushButton>(nahled, "Pozastavit"), Qt::LeftButton);
    return nahled;
}

} // namespace

class TestOknoNahledu : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void polozkaMenu();
    void prazdnePanely();
    void menuKlavesami();
    void promenneAZnovu();
    void zpravyVeSlovechFormulare();
    void dlouheZpravy();
};

void TestOknoNahledu::polozkaMenu() {
    THlavni okno;
    auto* nahled = najdi<QAction>(&okno, "Nahled1");
    QCOMPARE(nahled->text(), QStringLiteral("&Náhled"));
    QCOMPARE(nahled->shortcut(), QKeySequence(Qt::Key_F5));
    const QList<QAction*> zobrazit = najdi<QMenu>(&okno, "Zobrazit1")->actions();
    QCOMPARE(zobrazit.indexOf(nahled), zobrazit.indexOf(najdi<QAction>(&okno, "Funkce1")) + 1);
}

// Before anything is generated the preview says why the room stays black.
void TestOknoNahledu::prazdnePanely() {
    THlavni okno;
    spustAkci(&okno, "Nahled1");
    auto* nahled = otevriPozastavene(okno);
    QCOMPARE(zpravy(nahled),
             QStringList{"Panely jsou prázdné: nejdřív stiskněte „Vygenerovat kód“."});
    QTest::mouseClick(najdi<QPushButton>(&okno, "sButton1"), Qt::LeftButton);
    nahled->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(nahled));
    QTest::keyClick(nahled, Qt::Key_F5);
    QVERIFY(!zpravy(nahled).contains("Panely jsou prázdné: nejdřív stiskněte „Vygenerovat kód“."));
}

void TestOknoNahledu::menuKlavesami() {
    THlavni okno;
    okno.show();
    QVERIFY(QTest::qWaitForWindowActive(&okno));
    const char* akce[] = {"sEdit17", "sEdit18", "sEdit19", "sEdit20"};
    for (const char* jmeno : akce)
        najdi<QLineEdit>(&okno, jmeno)->setText(QStringLiteral("game_end()"));
    najdi<QLineEdit>(&okno, "sEdit2")->setText(QStringLiteral("Konec"));
    QTest::mouseClick(najdi<QPushButton>(&okno, "sButton1"), Qt::LeftButton);

    QTest::keyClick(&okno, Qt::Key_F5);
    auto* casovac = najdi<QTimer>(&okno, "Casovac");
    QVERIFY(casovac->isActive());
    QCOMPARE(casovac->interval(), 33);
    OknoNahledu* nahled = otevriPozastavene(okno);
    QVERIFY(!casovac->isActive());
    QCOMPARE(najdi<QPushButton>(nahled, "Pozastavit")->text(), QStringLiteral("&Pokračovat"));
    QVERIFY(nahled->isVisible());
    QVERIFY(!nahled->isModal());
    QCOMPARE(nahled->windowTitle(), QStringLiteral("Náhled – Menu"));

    nahled->krok();
    QCOMPARE(kresby(nahled).mid(0, 2), (QStringList{"Nova hra žlutá", "Konec jiná"}));
    auto* platno = najdi<PlatnoNahledu>(nahled, "Mistnost");
    QTest::keyClick(platno, Qt::Key_Down);
    nahled->krok();
    QCOMPARE(kresby(nahled).mid(0, 2), (QStringList{"Nova hra jiná", "Konec žlutá"}));
    QTest::keyClick(platno, Qt::Key_Return);
    nahled->krok();
    QCOMPARE(zpravy(nahled), QStringList{"akce: game_end()"});

    // F5 again turns the same window to the now active tab.
    najdi<QTabWidget>(&okno, "PageControl1")->setCurrentIndex(3);
    QTest::keyClick(&okno, Qt::Key_F5);
    QCOMPARE(okno.findChildren<OknoNahledu*>().size(), 1);
    QCOMPARE(nahled->windowTitle(), QStringLiteral("Náhled – Titulky"));
}

// Variables read before they are set appear in the table; values typed there count from
// "Znovu", which also reads the panes afresh.
void TestOknoNahledu::promenneAZnovu() {
    THlavni okno;
    najdi<QTabWidget>(&okno, "PageControl1")->setCurrentIndex(2);
    auto* panel = najdi<QPlainTextEdit>(&okno, "RichEdit9");
    VyplnPanel(
        panel,
        {"draw_text_color(190,50,global.nick0,c_white,c_white,c_white,c_white,true)",
         "draw_text_color(380,50,string(global.skore0),c_white,c_white,c_white,c_white,true)"});
    spustAkci(&okno, "Nahled1");
    OknoNahledu* nahled = otevriPozastavene(okno);
    nahled->krok();
    QCOMPARE(kresby(nahled), (QStringList{"0 jiná", "0 jiná"}));
    auto* tabulka = najdi<QTableWidget>(nahled, "Promenne");
    QCOMPARE(tabulka->rowCount(), 2);
    QCOMPARE(tabulka->item(0, 0)->text(), QStringLiteral("global.nick0"));
    QCOMPARE(tabulka->item(1, 0)->text(), QStringLiteral("global.skore0"));
    tabulka->item(0, 1)->setText(QStringLiteral("Petr"));
    tabulka->item(1, 1)->setText(QStringLiteral("1200"));

    VyplnPanel(
        panel,
        {"draw_text_color(190,50,global.nick0,c_white,c_white,c_white,c_white,true)",
         "draw_text_color(380,50,string(global.skore0 + 1),c_white,c_white,c_white,c_white,true)",
         "x = (1"});
    QTest::mouseClick(najdi<QPushButton>(nahled, "Znovu"), Qt::LeftButton);
    nahled->krok();
    // The unreadable line costs only itself: the lines above it draw.
    QCOMPARE(kresby(nahled), (QStringList{"Petr jiná", "1201 jiná"}));
    QCOMPARE(zpravy(nahled),
             QStringList{"Draw, řádek 3: nelze přečíst: čekám ')', stojí tu konec skriptu"});

    VyplnPanel(
        panel,
        {"draw_text_color(190,50,global.nick0,c_white,c_white,c_white,c_white,true)",
         "draw_text_color(380,50,string(global.skore0 + 1),c_white,c_white,c_white,c_white,true)"});
    QTest::mouseClick(najdi<QPushButton>(nahled, "Znovu"), Qt::LeftButton);
    nahled->krok();
    QCOMPARE(kresby(nahled), (QStringList{"Petr jiná", "1201 jiná"}));
    QCOMPARE(zpravy(nahled), QStringList{});
}

// What cannot be read is told as the tab's check tells it while the panes hold what the tab
// generated; once a pane is changed, the runtime's own words with pane and line come back.
void TestOknoNahledu::zpravyVeSlovechFormulare() {
    THlavni okno;
    QTest::mouseClick(najdi<QPushButton>(&okno, "sButton1"), Qt::LeftButton);
    spustAkci(&okno, "Nahled1");
    auto* nahled = otevriPozastavene(okno);
    const auto zeStepu = [](const QString& z) { return z.startsWith(QStringLiteral("Step, ")); };
    QStringList z = zpravy(nahled);
    for (int k = 2; k <= 5; ++k)
        QVERIFY2(z.contains(QStringLiteral("Položka %1: Akce je prázdná").arg(k)),
                 qPrintable(z.join('\n')));
    QVERIFY(std::none_of(z.begin(), z.end(), zeStepu));

    spustAkci(&okno, "Smazatve3");
    nahled->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(nahled));
    QTest::keyClick(nahled, Qt::Key_F5);
    z = zpravy(nahled);
    QVERIFY(!z.contains(QStringLiteral("Položka 2: Akce je prázdná")));
    QVERIFY2(std::any_of(z.begin(), z.end(), zeStepu), qPrintable(z.join('\n')));
}

// A message longer than the list is wide wraps inside it, and its tooltip holds all of it.
void TestOknoNahledu::dlouheZpravy() {
    JEN_NA_LINUXU();
    THlavni okno;
    spustAkci(&okno, "Nahled1");
    OknoNahledu* nahled = otevriPozastavene(okno);
    nahled->resize(700, 540);
    QVERIFY(QTest::qWaitForWindowExposed(nahled));
    auto* seznam = najdi<QListWidget>(nahled, "Zpravy");
    QCOMPARE(seznam->count(), 1);
    QListWidgetItem* zprava = seznam->item(0);
    QCOMPARE(zprava->toolTip(), zprava->text());
    const int sirkaTextu = seznam->fontMetrics().horizontalAdvance(zprava->text());
    QVERIFY2(sirkaTextu > seznam->viewport()->width(), "the message must not fit on one line");
    QTRY_VERIFY(seznam->visualItemRect(zprava).width() <= seznam->viewport()->width());
    QVERIFY(seznam->visualItemRect(zprava).height() >= 2 * seznam->fontMetrics().height());
}

QTEST_MAIN(TestOknoNahledu)
#include "test_okno_nahledu.moc"
