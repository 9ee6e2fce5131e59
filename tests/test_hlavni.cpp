#include "app/hlavni.h"
#include "app/napoveda.h"
#include "dialogs/dialog_highskore.h"
#include "dialogs/dialog_nastaveni.h"
#include "dialogs/dialog_osoby.h"
#include "dialogs/dialog_pozice.h"
#include "pomocnici.h"
#include "ui/blok_panelu.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>

class TestHlavni : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void startovniStav();
    void bloky_panelu();
    void umisteniTlacitka_data();
    void umisteniTlacitka();
    void umisteniVOkne();
    void smazatVse_data();
    void smazatVse();
    void kopirovatVse_data();
    void kopirovatVse();
    void pocetRadku_data();
    void pocetRadku();
    void popiskyVeDialozich_data();
    void popiskyVeDialozich();
};

void TestHlavni::startovniStav() {
    THlavni okno;
    okno.show();
    QCOMPARE(okno.windowTitle(), QStringLiteral("Kodovar"));
    auto* zalozky = najdi<QTabWidget>(&okno, "PageControl1");
    QCOMPARE(zalozky->currentIndex(), 0);
    QStringList titulky;
    for (int i = 0; i < zalozky->count(); ++i)
        titulky << zalozky->tabText(i);
    QCOMPARE(titulky, (QStringList{"Menu", "Nastavení", "HighSkóre", "Titulky"}));

    QStringList menu;
    for (QAction* a : okno.menuBar()->actions())
        menu << a->text();
    QCOMPARE(menu, (QStringList{"&Soubor", "&Zobrazit", "&Nápověda"}));
    QCOMPARE(najdi<QAction>(&okno, "Konec1")->text(), QStringLiteral("&Konec"));
    QStringList soubor;
    for (QAction* a : najdi<QMenu>(&okno, "Soubor1")->actions())
        soubor << (a->isSeparator() ? QStringLiteral("—") : a->text());
    QCOMPARE(soubor, (QStringList{"&Načíst ze skriptu…", "—", "&Konec"}));
    QCOMPARE(najdi<QAction>(&okno, "NacistZeSkriptu1")->shortcut(),
             QKeySequence(Qt::CTRL | Qt::Key_O));
    QCOMPARE(najdi<QAction>(&okno, "OProgramu1")->text(), QStringLiteral("&O Programu"));
    QVERIFY(najdi<QAction>(&okno, "Funkce1")->isChecked());

    auto* stav = najdi<QLabel>(najdi<QStatusBar>(&okno, "StatusBar1"), "Panel0");
    QVERIFY(stav->text().isEmpty());
    QCOMPARE(stav->width(), 50);
    for (QPlainTextEdit* panel : okno.findChildren<QPlainTextEdit*>()) {
        QVERIFY2(panel->toPlainText().isEmpty(), qPrintable(panel->objectName()));
        QVERIFY(panel->isReadOnly());
    }
    QCOMPARE(okno.KtereUpravit(), -1);
    QCOMPARE(okno.Ktere2Upravit(), -1);
    QCOMPARE(najdi<QWidget>(&okno, "sPanel2")->width(), 162);
    QCOMPARE(najdi<QSplitter>(&okno, "Splitter1")->handleWidth(), 3);
}

// Each tab's block: inner captions in order, pane names, height and the inner tab up at start.
void TestHlavni::bloky_panelu() {
    THlavni okno;
    const struct {
        const char* prvniPanel;
        QStringList titulky;
        QStringList panely;
        int vyska;
        int aktivni;
    } bloky[] = {
        {"RichEdit1", {"Create", "Step", "Draw"}, {"RichEdit1", "RichEdit2", "RichEdit3"}, 179, 2},
        {"RichEdit4", {"Create", "Step", "Draw"}, {"RichEdit4", "RichEdit5", "RichEdit6"}, 195, 2},
        {"RichEdit9", {"Draw"}, {"RichEdit9"}, 187, 0},
        {"RichEdit16",
         {"Create", "Alarm[0]", "Draw"},
         {"RichEdit16", "RichEdit22", "RichEdit18"},
         195,
         0},
    };
    for (const auto& b : bloky) {
        auto* blok = qobject_cast<QTabWidget*>(
            najdi<QPlainTextEdit>(&okno, b.prvniPanel)->parentWidget()->parentWidget());
        QVERIFY(blok);
        QStringList titulky, panely;
        for (int i = 0; i < blok->count(); ++i) {
            titulky << blok->tabText(i);
            panely << blok->widget(i)->objectName();
        }
        QCOMPARE(titulky, b.titulky);
        QCOMPARE(panely, b.panely);
        QCOMPARE(blok->height(), b.vyska);
        QCOMPARE(blok->currentIndex(), b.aktivni);
    }
    for (const char* panel : {"RichEdit22", "RichEdit9"})
        QCOMPARE(najdi<QPlainTextEdit>(&okno, panel)->contextMenuPolicy(), Qt::CustomContextMenu);
}

void TestHlavni::umisteniTlacitka_data() {
    QTest::addColumn<int>("sirka");
    QTest::addColumn<int>("seznam");
    QTest::addColumn<int>("levo");
    QTest::addRow("even") << 1040 << 160 << 330;
    QTest::addRow("odd") << 1041 << 160 << 330;
    QTest::addRow("narrow goes negative") << 300 << 160 << -40;
    QTest::addRow("negative truncates toward zero") << -3 << 0 << -31;
}

void TestHlavni::umisteniTlacitka() {
    QFETCH(int, sirka);
    QFETCH(int, seznam);
    QFETCH(int, levo);
    QCOMPARE(THlavni::levyOkrajTlacitka(sirka, seznam), levo);
}

// The real window: resizing moves the button; dragging the splitter does not.
void TestHlavni::umisteniVOkne() {
    THlavni okno;
    okno.show();
    QVERIFY(QTest::qWaitForWindowExposed(&okno));
    auto* delic = najdi<QSplitter>(&okno, "Splitter1");
    auto* seznam = najdi<QListWidget>(&okno, "sListBox1");
    auto* tlacitko = najdi<QPushButton>(&okno, "sButton1");

    // The outer width counts the window frame.
    const int ramecek = okno.frameGeometry().width() - okno.width();
    okno.resize(1040 - ramecek, 700);
    delic->setSizes({1040, 162});
    okno.resize(1041 - ramecek, 700);
    QCOMPARE(okno.frameGeometry().width(), 1041);
    QCOMPARE(seznam->width(), 160);
    QCOMPARE(tlacitko->x(), 330);
    QCOMPARE(tlacitko->y(), 290);

    delic->setSizes({800, 262});
    QCOMPARE(seznam->width(), 260);
    QCOMPARE(tlacitko->x(), 330);
    okno.resize(1040 - ramecek, 700);
    QCOMPARE(tlacitko->x(), 1040 / 2 - 30 - 260);
}

void TestHlavni::smazatVse_data() {
    QTest::addColumn<int>("zalozka");
    QTest::addColumn<QString>("polozka");
    QTest::addColumn<QString>("smazany");

    QTest::addRow("menu create") << 0 << "Smazatve1"
                                 << "RichEdit1";
    QTest::addRow("menu step") << 0 << "Smazatve2"
                               << "RichEdit2";
    QTest::addRow("menu draw") << 0 << "Smazatve3"
                               << "RichEdit3";
    QTest::addRow("settings create") << 1 << "Smazatve1"
                                     << "RichEdit4";
    QTest::addRow("settings step") << 1 << "Smazatve2"
                                   << "RichEdit5";
    QTest::addRow("settings draw") << 1 << "Smazatve3"
                                   << "RichEdit6";
    QTest::addRow("highscore create") << 2 << "Smazatve1"
                                      << "";
    QTest::addRow("highscore draw") << 2 << "Smazatve3"
                                    << "RichEdit9";
    QTest::addRow("credits create") << 3 << "Smazatve1"
                                    << "RichEdit16";
    QTest::addRow("credits step") << 3 << "Smazatve2"
                                  << "";
    QTest::addRow("credits draw") << 3 << "Smazatve3"
                                  << "RichEdit18";
}

// "Smazat vše" clears the one pane of its event on the active tab and nothing else.
void TestHlavni::smazatVse() {
    QFETCH(int, zalozka);
    QFETCH(QString, polozka);
    QFETCH(QString, smazany);

    THlavni okno;
    const QList<QPlainTextEdit*> panely = okno.findChildren<QPlainTextEdit*>();
    QCOMPARE(panely.size(), 10);
    for (QPlainTextEdit* panel : panely)
        panel->setPlainText(QStringLiteral("obsah"));
    najdi<QTabWidget>(&okno, "PageControl1")->setCurrentIndex(zalozka);

    spustAkci(&okno, qPrintable(polozka));

    for (QPlainTextEdit* panel : panely)
        QCOMPARE(panel->toPlainText().isEmpty(), panel->objectName() == smazany);
}

void TestHlavni::kopirovatVse_data() {
    QTest::addColumn<int>("zalozka");
    QTest::addColumn<QString>("polozka");
    QTest::addColumn<QString>("panel");
    QTest::addColumn<QString>("stav");

    QTest::addRow("menu draw") << 0 << "Kopirovatvse3"
                               << "RichEdit3"
                               << "Zkopírováno: Draw (12 řádků)";
    QTest::addRow("settings create") << 1 << "Kopirovatvse1"
                                     << "RichEdit4"
                                     << "Zkopírováno: Create (12 řádků)";
    QTest::addRow("highscore draw") << 2 << "Kopirovatvse3"
                                    << "RichEdit9"
                                    << "Zkopírováno: Draw (12 řádků)";
    QTest::addRow("credits alarm") << 3 << "Kopirovatvse4"
                                   << "RichEdit22"
                                   << "Zkopírováno: Alarm[0] (12 řádků)";
    QTest::addRow("credits step has none") << 3 << "Kopirovatvse2"
                                           << ""
                                           << "";
}

// "Kopírovat vše" stands below "Smazat vše" and a line, and copies the whole pane of its event
// on the active tab, saying so in the status bar.
void TestHlavni::kopirovatVse() {
    QFETCH(int, zalozka);
    QFETCH(QString, polozka);
    QFETCH(QString, panel);
    QFETCH(QString, stav);

    THlavni okno;
    for (const char* nabidka : {"PopupMenu2", "PopupMenu3", "PopupMenu4"}) {
        const QList<QAction*> akce = najdi<QMenu>(&okno, nabidka)->actions();
        QCOMPARE(akce.size(), 3);
        QCOMPARE(akce[0]->text(), QStringLiteral("&Smazat vše"));
        QVERIFY(akce[1]->isSeparator());
        QCOMPARE(akce[2]->text(), QStringLiteral("&Kopírovat vše"));
    }
    QStringList radky;
    for (int i = 1; i <= 12; ++i)
        radky << QStringLiteral("radek_%1 = \"ř\"").arg(i);
    for (QPlainTextEdit* p : okno.findChildren<QPlainTextEdit*>())
        p->setPlainText(p->objectName() == panel ? radky.join('\n') : QStringLiteral("jiny"));
    QGuiApplication::clipboard()->setText(QStringLiteral("predtim"));
    najdi<QTabWidget>(&okno, "PageControl1")->setCurrentIndex(zalozka);

    spustAkci(&okno, qPrintable(polozka));

    QCOMPARE(QGuiApplication::clipboard()->text(),
             panel.isEmpty() ? QStringLiteral("predtim") : radky.join('\n'));
    QCOMPARE(okno.statusBar()->currentMessage(), stav);
}

void TestHlavni::pocetRadku_data() {
    QTest::addColumn<int>("pocet");
    QTest::addColumn<QString>("text");
    QTest::addRow("0") << 0 << "0 řádků";
    QTest::addRow("1") << 1 << "1 řádek";
    QTest::addRow("2") << 2 << "2 řádky";
    QTest::addRow("4") << 4 << "4 řádky";
    QTest::addRow("5") << 5 << "5 řádků";
    QTest::addRow("11") << 11 << "11 řádků";
    QTest::addRow("22") << 22 << "22 řádků";
}

void TestHlavni::pocetRadku() {
    QFETCH(int, pocet);
    QFETCH(QString, text);
    QCOMPARE(PocetRadku(pocet), text);
}

void TestHlavni::popiskyVeDialozich_data() {
    QTest::addColumn<QString>("dialog");
    for (const char* dialog : {"nastaveni", "highskore", "pozice", "osoba", "o programu"})
        QTest::addRow("%s", dialog) << QString::fromLatin1(dialog);
}

// With the fonts the system has, every label shows its whole text inside its dialog.
void TestHlavni::popiskyVeDialozich() {
    QFETCH(QString, dialog);
    std::unique_ptr<QDialog> okno;
    if (dialog == QLatin1String("nastaveni"))
        okno = std::make_unique<TNastaveni>(std::nullopt, 0);
    else if (dialog == QLatin1String("highskore"))
        okno = std::make_unique<THighskore>(std::nullopt, 0);
    else if (dialog == QLatin1String("pozice"))
        okno = std::make_unique<TPozice>([](const QString&) { return false; });
    else if (dialog == QLatin1String("osoba"))
        okno = std::make_unique<TPridatOS>();
    else
        okno = std::make_unique<TNapoveda>();
    okno->show();
    QVERIFY(QTest::qWaitForWindowExposed(okno.get()));
    for (const QLabel* popisek : okno->findChildren<QLabel*>()) {
        if (popisek->text().isEmpty())
            continue;
        const QString kdo = popisek->objectName() + QStringLiteral(" „") + popisek->text() + "“";
        QVERIFY2(popisek->sizeHint().width() <= popisek->width(), qPrintable(kdo));
        QVERIFY2(popisek->sizeHint().height() <= popisek->height(), qPrintable(kdo));
        QVERIFY2(okno->rect().contains(popisek->geometry()), qPrintable(kdo));
    }
}

QTEST_MAIN(TestHlavni)
#include "test_hlavni.moc"
