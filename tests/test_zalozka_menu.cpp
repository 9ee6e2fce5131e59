#include "app/hlavni.h"
#include "pomocnici.h"

#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>

namespace {

QLabel* stav(QObject* okno) {
    return najdi<QLabel>(najdi<QStatusBar>(okno, "StatusBar1"), "Panel0");
}

void klikni(QObject* okno, const char* tlacitko) {
    QTest::mouseClick(najdi<QPushButton>(okno, tlacitko), Qt::LeftButton);
}

// Replaces the count box's whole text in one user change: select all, then paste or delete.
void vlozPocet(QObject* okno, const QString& text) {
    auto* pole = najdi<QComboBox>(okno, "sComboBox1")->lineEdit();
    pole->selectAll();
    if (text.isEmpty()) {
        QTest::keyClick(pole, Qt::Key_Delete);
    } else {
        QApplication::clipboard()->setText(text);
        QTest::keyClick(pole, Qt::Key_V, Qt::ControlModifier);
    }
}

QList<bool> viditelneRadky(QObject* okno) {
    QList<bool> radky;
    for (const char* jmeno : {"sEdit1", "sEdit2", "sEdit3", "sEdit4", "sEdit5"})
        radky << najdi<QLineEdit>(okno, jmeno)
                     ->isVisibleTo(najdi<QWidget>(okno, "sButton1")->parentWidget());
    return radky;
}

} // namespace

class TestZalozkaMenu : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void startovniHodnoty();
    void generovani();
    void neciselnyPocet_chybovyBox();
    void pocetRadku_data();
    void pocetRadku();
    void vyberZeSeznamu();
    void psaniPoZnacich();
};

void TestZalozkaMenu::startovniHodnoty() {
    THlavni okno;
    auto* pocet = najdi<QComboBox>(&okno, "sComboBox1");
    QCOMPARE(pocet->currentText(), QStringLiteral("5"));
    QCOMPARE(pocet->currentIndex(), -1);
    QCOMPARE(pocet->count(), 5);
    QCOMPARE(najdi<QLineEdit>(&okno, "sEdit8")->text(), QStringLiteral("room_goto(novahra)"));
    QCOMPARE(najdi<QLineEdit>(&okno, "sEdit16")->text(), QStringLiteral("270"));
    QCOMPARE(najdi<QLabel>(&okno, "sLabel6")->text(), QStringLiteral("Položka 5:"));
    QCOMPARE(najdi<QPushButton>(&okno, "sButton1")->size(), QSize(105, 25));
    QCOMPARE(viditelneRadky(&okno), QList<bool>(5, true));
}

void TestZalozkaMenu::generovani() {
    THlavni okno;
    najdi<QLineEdit>(&okno, "sEdit2")->setText(QStringLiteral("Konec"));
    najdi<QLineEdit>(&okno, "sEdit17")->setText(QStringLiteral("game_end()"));
    klikni(&okno, "sButton1");

    QCOMPARE(textPanelu(&okno, "RichEdit1").split('\n').size(), 6);
    const QStringList draw = textPanelu(&okno, "RichEdit3").split('\n');
    QCOMPARE(draw.size(), 5);
    QCOMPARE(
        draw[1],
        QStringLiteral("draw_text_color(250,180,\"Konec\",barva_2,barva_2,barva_2,barva_2,true)"));
    const QStringList step = textPanelu(&okno, "RichEdit2").split('\n');
    QCOMPARE(step.size(), 49);
    QCOMPARE(step[44], QStringLiteral(" if(global.m_vybrany == 2)game_end()"));
    QVERIFY(stav(&okno)->text().isEmpty());
}

// The real error box: title, icon and text; the panes keep what was written before the error.
void TestZalozkaMenu::neciselnyPocet_chybovyBox() {
    THlavni okno;
    okno.show();
    klikni(&okno, "sButton1");
    {
        // The box's own message on a new text is another test's; this one is the generator's.
        auto* pocet = najdi<QComboBox>(&okno, "sComboBox1");
        const QSignalBlocker ticho(pocet);
        pocet->setEditText(QStringLiteral("pět"));
    }

    QString titulek, text;
    QMessageBox::Icon ikona = QMessageBox::NoIcon;
    obsluzModalni([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box);
        titulek = box->windowTitle();
        text = box->text();
        ikona = box->icon();
        QCOMPARE(box->buttons().size(), 1);
        box->accept();
    });
    klikni(&okno, "sButton1");

    QCOMPARE(titulek, QStringLiteral("Kodovar"));
    QCOMPARE(ikona, QMessageBox::Critical);
    QCOMPARE(text, QStringLiteral("''pět'' is not a valid integer value."));
    QCOMPARE(textPanelu(&okno, "RichEdit1"), QStringLiteral("global.m_vybrany = 1"));
    QVERIFY(textPanelu(&okno, "RichEdit2").isEmpty());
    QVERIFY(textPanelu(&okno, "RichEdit3").isEmpty());
    QCOMPARE(stav(&okno)->text(), QStringLiteral("0%"));
}

void TestZalozkaMenu::pocetRadku_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("vysledek");
    QTest::addColumn<QList<bool>>("radky");
    QTest::addColumn<QString>("chyba");

    const QList<bool> vse(5, true);
    QTest::addRow("zero becomes one") << "0"
                                      << "1" << QList<bool>{true, false, false, false, false} << "";
    QTest::addRow("three") << "3"
                           << "3" << QList<bool>{true, true, true, false, false} << "";
    QTest::addRow("hex two") << "$2"
                             << "$2" << QList<bool>{true, true, false, false, false} << "";
    QTest::addRow("seven changes nothing") << "7"
                                           << "7" << vse << "";
    QTest::addRow("double zero stays") << "00"
                                       << "00" << vse << "";
    QTest::addRow("blank zero stays") << " 0"
                                      << " 0" << vse << "";
    QTest::addRow("letters") << "a"
                             << "a" << vse << "''a'' is not a valid integer value.";
    QTest::addRow("emptied") << ""
                             << "" << vse << "'''' is not a valid integer value.";
}

// Each row starts from all rows shown, then types the text into the count box.
void TestZalozkaMenu::pocetRadku() {
    QFETCH(QString, text);
    QFETCH(QString, vysledek);
    QFETCH(QList<bool>, radky);
    QFETCH(QString, chyba);

    THlavni okno;
    ZachyceniHlaseni hlaseni;
    vlozPocet(&okno, text);

    QCOMPARE(najdi<QComboBox>(&okno, "sComboBox1")->currentText(), vysledek);
    QCOMPARE(viditelneRadky(&okno), radky);
    if (chyba.isEmpty()) {
        QVERIFY(hlaseni.zpravy.empty());
    } else {
        QCOMPARE(hlaseni.zpravy.size(), std::size_t(1));
        QCOMPARE(hlaseni.zpravy.back().first, Hlaseni::Druh::Chyba);
        QCOMPARE(hlaseni.zpravy.back().second, chyba);
    }
}

// A pick from the list runs the same handler; hidden rows then do not feed the script.
void TestZalozkaMenu::vyberZeSeznamu() {
    THlavni okno;
    auto* pocet = najdi<QComboBox>(&okno, "sComboBox1");
    najdi<QLineEdit>(&okno, "sEdit4")->setText(QStringLiteral("skryta"));
    ::vyberZeSeznamu(pocet, QStringLiteral("3"));
    QCOMPARE(viditelneRadky(&okno), (QList<bool>{true, true, true, false, false}));

    klikni(&okno, "sButton1");
    QCOMPARE(textPanelu(&okno, "RichEdit3").split('\n').size(), 3);
    QVERIFY(!textPanelu(&okno, "RichEdit3").contains(QStringLiteral("skryta")));

    vlozPocet(&okno, QStringLiteral("7"));
    QCOMPARE(viditelneRadky(&okno), (QList<bool>{true, true, true, false, false}));
    klikni(&okno, "sButton1");
    QVERIFY(textPanelu(&okno, "RichEdit3").contains(QStringLiteral("skryta")));
}

// Every keystroke is a change: typing "0" then "0" gives "1", then "10".
void TestZalozkaMenu::psaniPoZnacich() {
    THlavni okno;
    ZachyceniHlaseni hlaseni;
    auto* pole = najdi<QComboBox>(&okno, "sComboBox1")->lineEdit();
    pole->selectAll();
    QTest::keyClick(pole, Qt::Key_0);
    QCOMPARE(pole->text(), QStringLiteral("1"));
    QCOMPARE(viditelneRadky(&okno), (QList<bool>{true, false, false, false, false}));
    QTest::keyClick(pole, Qt::Key_0);
    QCOMPARE(pole->text(), QStringLiteral("10"));
    QCOMPARE(viditelneRadky(&okno), (QList<bool>{true, false, false, false, false}));
    QVERIFY(hlaseni.zpravy.empty());
}

QTEST_MAIN(TestZalozkaMenu)
#include "test_zalozka_menu.moc"
