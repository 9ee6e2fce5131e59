#include "app/hlavni.h"
#include "app/napoveda.h"
#include "pomocnici.h"

#include <QLabel>
#include <QListWidget>
#include <QScreen>

class TestNapoveda : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void vzhled();
    void sloupcePrezdivek();
    void psaciStroj_data();
    void psaciStroj();
    void animace_data();
    void animace();
    void otevreniZMenu();
};

void TestNapoveda::vzhled() {
    TNapoveda okno;
    QCOMPARE(okno.windowTitle(), QStringLiteral("O Programu"));
    QCOMPARE(okno.minimumSize(), QSize(475, 307));
    QCOMPARE(okno.maximumSize(), QSize(475, 307));
    QVERIFY(okno.windowFlags() & Qt::WindowCloseButtonHint);
    QVERIFY(!(okno.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QVERIFY(okno.isModal());
    const QPoint stred = QGuiApplication::primaryScreen()->availableGeometry().center();
    QVERIFY((okno.geometry().center() - stred).manhattanLength() <= 2);

    const struct {
        const char* jmeno;
        QRect misto;
        QString text;
        int vyska;
    } popisky[] = {
        {"sLabelFX1", {64, 8, 346, 48}, "Kodovar", 35},
        {"sLabelFX2", {28, 96, 53, 27}, "Verze:", 19},
        {"sLabel2", {96, 93, 26, 23}, "1.0", 19},
        {"sLabelFX3", {24, 144, 235, 27}, "Autoři a speciální poděkování:", 19},
        {"sLabel1", {301, 283, 166, 16}, TNapoveda::TextPaty, 13},
    };
    for (const auto& p : popisky) {
        auto* popisek = najdi<QLabel>(&okno, p.jmeno);
        QCOMPARE(popisek->pos(), p.misto.topLeft());
        QCOMPARE(popisek->size(), p.misto.size().expandedTo(popisek->sizeHint()));
        QCOMPARE(popisek->text(), p.text);
        QCOMPARE(popisek->font().pixelSize(), p.vyska);
        QCOMPARE(popisek->palette().color(QPalette::WindowText), QColor(43, 53, 77));
    }
    QCOMPARE(najdi<QLabel>(&okno, "sLabelFX2")->font().styleHint(), QFont::Serif);
    QCOMPARE(okno.font().pixelSize(), 11);
    QVERIFY(!najdi<QTimer>(&okno, "Timer1")->isActive());
    QCOMPARE(najdi<QTimer>(&okno, "Timer1")->interval(), 200);
}

// Two columns of equal width, the first filled top to bottom before the second.
void TestNapoveda::sloupcePrezdivek() {
    JEN_NA_LINUXU();
    TNapoveda okno;
    okno.show();
    QVERIFY(QTest::qWaitForWindowExposed(&okno));
    auto* seznam = najdi<QListWidget>(&okno, "ListBox1");
    QCOMPARE(seznam->geometry(), QRect(28, 197, 421, 65));
    QCOMPARE(seznam->font().pixelSize(), 12);
    QCOMPARE(seznam->count(), TNapoveda::Prezdivky.size());
    const int radku = (seznam->count() + 1) / 2;
    const int sirka = seznam->viewport()->width() / 2;
    for (int i = 0; i < seznam->count(); ++i) {
        const QRect misto = seznam->visualItemRect(seznam->item(i));
        QCOMPARE(misto.x(), i < radku ? 0 : sirka);
        QCOMPARE(misto.y(), (i % radku) * 14);
        QCOMPARE(misto.height(), 14);
        QVERIFY(seznam->viewport()->rect().contains(misto));
    }
}

void TestNapoveda::psaciStroj_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("tiky");
    QTest::addRow("ascii") << "ab" << QStringList{"a", "ab", "", "a"};
    QTest::addRow("czech letters") << "Šťo" << QStringList{"Š", "Šť", "Šťo", "", "Š"};
    QTest::addRow("outside the BMP") << QString::fromUcs4(U"a\U0001D11Eb")
                                     << QStringList{"a", QString::fromUcs4(U"a\U0001D11E"),
                                                    QString::fromUcs4(U"a\U0001D11Eb"), ""};
    QTest::addRow("combining accent")
        << QString::fromUcs4(U"e\u0301x")
        << QStringList{QString::fromUcs4(U"e\u0301"), QString::fromUcs4(U"e\u0301x"), ""};
    QTest::addRow("empty") << "" << QStringList{"", ""};
}

void TestNapoveda::psaciStroj() {
    QFETCH(QString, text);
    QFETCH(QStringList, tiky);
    PsaciStroj stroj(text);
    QStringList ukazano;
    for (qsizetype i = 0; i < tiky.size(); ++i)
        ukazano << stroj.tik();
    QCOMPARE(ukazano, tiky);
}

void TestNapoveda::animace_data() {
    const int delka = PsaciStroj(TNapoveda::TextPaty).delka();
    QTest::addColumn<int>("tiku");
    QTest::addRow("stopped before the first tick") << 0;
    QTest::addRow("stopped mid-cycle") << 3;
    QTest::addRow("stopped on the whole text") << delka;
    QTest::addRow("stopped on the empty footer") << delka + 1;
    QTest::addRow("stopped in the second cycle") << delka + 3;
}

// Ticks are driven by hand; a real click on the footer starts and stops the timer.
void TestNapoveda::animace() {
    QFETCH(int, tiku);
    TNapoveda okno;
    okno.show();
    QVERIFY(QTest::qWaitForWindowExposed(&okno));
    auto* pata = najdi<QLabel>(&okno, "sLabel1");
    auto* casovac = najdi<QTimer>(&okno, "Timer1");
    const QString& text = TNapoveda::TextPaty;
    QVERIFY(text.size() > 10);
    QVERIFY(std::any_of(text.begin(), text.end(), [](QChar z) { return z.unicode() > 127; }));
    const qsizetype delka = text.size();

    for (int start = 0; start < 2; ++start) {
        QTest::mouseClick(pata, Qt::LeftButton);
        QVERIFY(casovac->isActive());
        QCOMPARE(pata->text(), text);
        for (int i = 1; i <= tiku; ++i) {
            okno.Timer1Timer();
            QCOMPARE(pata->text(), text.left(i % (delka + 1)));
        }
        QTest::mouseClick(pata, Qt::LeftButton);
        QVERIFY(!casovac->isActive());
        QCOMPARE(pata->text(), text);
        QCOMPARE(pata->x(), 301);
    }
    okno.sLabel1Click();
    okno.Timer1Timer();
    QCOMPARE(pata->text(), text.left(1));
}

// Each opening makes a new dialog, modal, and releases it on closing.
void TestNapoveda::otevreniZMenu() {
    THlavni okno;
    for (int otevreni = 0; otevreni < 2; ++otevreni) {
        QPointer<QTimer> casovac;
        bool videno = false;
        obsluzModalni([&](QWidget* modal) {
            auto* napoveda = qobject_cast<TNapoveda*>(modal);
            QVERIFY(napoveda);
            videno = true;
            casovac = najdi<QTimer>(napoveda, "Timer1");
            QVERIFY(!casovac->isActive());
            QCOMPARE(najdi<QLabel>(napoveda, "sLabel1")->text(), TNapoveda::TextPaty);
            napoveda->sLabel1Click();
            napoveda->close();
        });
        spustAkci(&okno, "OProgramu1");
        QVERIFY(videno);
        QVERIFY(casovac.isNull());
        QVERIFY(okno.findChildren<TNapoveda*>().isEmpty());
    }
}

QTEST_MAIN(TestNapoveda)
#include "test_napoveda.moc"
