#include "app/hlavni.h"
#include "app/model_highskore.h"
#include "na_displeji.h"
#include "pomocnici.h"

#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QThreadPool>
#include <QTreeView>
#include <QTreeWidget>

// After "Vygenerovat kód" the tab lists, beside its panes, what the preview could not read, in
// the form's words; a click or Enter on a message puts the focus in the field that wrote it.
// Every step is a key or mouse event, on a real X server where the focus moves as on a desktop.

namespace {

QListWidget* nalezy(THlavni& okno, int zalozka) {
    QWidget* stranka = najdi<QTabWidget>(&okno, "PageControl1")->widget(zalozka);
    return najdi<QListWidget>(stranka, "Nalezy");
}

QStringList texty(const QListWidget* seznam) {
    QStringList t;
    for (int i = 0; seznam->isVisible() && i < seznam->count(); ++i)
        t << seznam->item(i)->text();
    return t;
}

void klikni(QWidget* ovladac) {
    QTest::mouseClick(ovladac, Qt::LeftButton, {}, ovladac->rect().center());
}

// Types the text key by key; a letter with a diacritic is its own key, as on a Czech keyboard.
void napis(QLineEdit* pole, const QString& text) {
    klikni(pole);
    QTest::keyClick(pole, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(pole, Qt::Key_Delete);
    for (const QChar znak : text)
        QTest::sendKeyEvent(QTest::Click, pole, Qt::Key(znak.toUpper().unicode()), QString(znak),
                            Qt::NoModifier);
}

void klikniNaZpravu(QListWidget* seznam, int radek) {
    QTest::mouseClick(seznam->viewport(), Qt::LeftButton, {},
                      seznam->visualItemRect(seznam->item(radek)).center());
}

// Tab until the list has the focus, then Enter on its current message.
void enterNaZpravu(QListWidget* seznam) {
    for (int i = 0; i < 60 && fokus() != seznam; ++i)
        QTest::keyClick(fokus(), Qt::Key_Tab);
    QCOMPARE(fokus(), seznam);
    QTest::keyClick(seznam, Qt::Key_Return);
}

// Through the tree's context menu and the dialog, as a person adds a position.
void pridejPozici(THlavni& okno, QTreeWidget* strom, const QString& text) {
    strom->setFocus(Qt::OtherFocusReason);
    obsluzModalni([text](QWidget* dialog) {
        aktivuj(dialog);
        napis(najdi<QLineEdit>(dialog, "sEdit1"), text);
        klikni(najdi<QPushButton>(dialog, "sButton1"));
    });
    const int pred = strom->topLevelItemCount();
    QTest::keyClick(strom, Qt::Key_F10, Qt::ShiftModifier);
    auto* nabidka = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(nabidka);
    QTest::keyClick(nabidka, Qt::Key_Down);
    QTest::keyClick(nabidka, Qt::Key_Return);
    QTRY_COMPARE(strom->topLevelItemCount(), pred + 1);
    aktivuj(&okno);
}

} // namespace

class TestKontrolniSeznam : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void prazdnaAkce();
    void poradiFormulare();
    void textUzlu();
    void radekSkore();
};

void TestKontrolniSeznam::prazdnaAkce() {
    THlavni okno;
    aktivuj(&okno);
    QListWidget* seznam = nalezy(okno, 0);
    QVERIFY(seznam->isHidden());
    QCOMPARE(seznam->accessibleName(), QStringLiteral("Chyby ve vygenerovaném kódu"));

    auto* pocet = najdi<QComboBox>(&okno, "sComboBox1");
    klikni(pocet);
    QTest::keyClick(pocet->lineEdit(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(pocet->lineEdit(), Qt::Key_2);
    napis(najdi<QLineEdit>(&okno, "sEdit17"), QStringLiteral("game_end()"));
    auto* akce = najdi<QLineEdit>(&okno, "sEdit8");
    napis(akce, QString());
    klikni(najdi<QPushButton>(&okno, "sButton1"));
    QTRY_COMPARE(texty(seznam), QStringList{"Položka 1: Akce je prázdná"});
    // The panes hold what the generator wrote, broken line and all.
    QVERIFY(textPanelu(&okno, "RichEdit2").contains(" if(global.m_vybrany == 1)\n"));

    klikniNaZpravu(seznam, 0);
    QCOMPARE(fokus(), akce);

    klikni(najdi<QLineEdit>(&okno, "sEdit1"));
    enterNaZpravu(seznam);
    QCOMPARE(fokus(), akce);

    // Generated twice in a row: the first reading, whenever it ends, never shows over the second.
    auto* tlacitko = najdi<QPushButton>(&okno, "sButton1");
    klikni(tlacitko);
    klikni(akce);
    QTest::keyClicks(akce, QStringLiteral("room_goto(novahra)"));
    klikni(tlacitko);
    QThreadPool::globalInstance()->waitForDone();
    QCoreApplication::processEvents();
    QVERIFY(seznam->isHidden());
}

// Faults of a script that reads: a decimal comma in item 1's x (a Draw line) and a stray else in
// item 2's action (a Step line), listed as the form shows them, item 1 first.
void TestKontrolniSeznam::poradiFormulare() {
    THlavni okno;
    aktivuj(&okno);
    auto* pocet = najdi<QComboBox>(&okno, "sComboBox1");
    klikni(pocet);
    QTest::keyClick(pocet->lineEdit(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(pocet->lineEdit(), Qt::Key_2);
    auto* x = najdi<QLineEdit>(&okno, "sEdit6");
    auto* akce = najdi<QLineEdit>(&okno, "sEdit17");
    napis(najdi<QLineEdit>(&okno, "sEdit8"), QStringLiteral("room_goto(novahra)"));
    napis(x, QStringLiteral("100,5"));
    napis(akce, QStringLiteral("global.a = 1 else global.a = 2"));
    klikni(najdi<QPushButton>(&okno, "sButton1"));
    QListWidget* seznam = nalezy(okno, 0);
    QTRY_COMPARE(texty(seznam),
                 (QStringList{"Položka 1: Pozice x má desetinnou čárku, ale skript píše desetinnou "
                              "tečku: 100.5",
                              "Položka 2: Akce má „else“ bez vlastního „if“; v kódu patří k testu "
                              "vybrané položky, a tak se provede při Enteru na každé jiné "
                              "položce"}));
    klikniNaZpravu(seznam, 1);
    QCOMPARE(fokus(), akce);
    klikniNaZpravu(seznam, 0);
    QCOMPARE(fokus(), x);
}

void TestKontrolniSeznam::textUzlu() {
    THlavni okno;
    aktivuj(&okno);
    najdi<QTabWidget>(&okno, "PageControl1")->setCurrentIndex(3);
    auto* strom = najdi<QTreeWidget>(&okno, "TreeView1");
    for (const QString& pozice : {QStringLiteral("Jan Novák"), QStringLiteral("Grafika")})
        pridejPozici(okno, strom, pozice);
    QTest::mouseClick(strom->viewport(), Qt::LeftButton, {},
                      strom->visualItemRect(strom->topLevelItem(1)).center());
    QCOMPARE(strom->currentItem()->text(0), QStringLiteral("Grafika"));

    klikni(najdi<QPushButton>(&okno, "sButton4"));
    QListWidget* seznam = nalezy(okno, 3);
    QTRY_COMPARE(texty(seznam),
                 QStringList{"Text uzlu „Jan Novák“ se v kódu používá jako jméno proměnné: smí mít "
                             "jen písmena bez diakritiky, číslice a _"});
    klikniNaZpravu(seznam, 0);
    QCOMPARE(fokus(), strom);
    QCOMPARE(strom->currentItem()->text(0), QStringLiteral("Jan Novák"));
}

void TestKontrolniSeznam::radekSkore() {
    THlavni okno;
    aktivuj(&okno);
    najdi<QTabWidget>(&okno, "PageControl1")->setCurrentIndex(2);
    auto* model = okno.findChild<ModelHighskore*>();
    model->pridej({"1", "global.nick0", "global.skore0"});
    model->pridej({"2", "global.nick1", ""});
    klikni(najdi<QPushButton>(&okno, "sButton3"));
    QListWidget* seznam = nalezy(okno, 2);
    QTRY_COMPARE(texty(seznam), QStringList{"Položka 2: Skóre je prázdné"});
    enterNaZpravu(seznam);
    auto* tabulka = najdi<QTreeView>(&okno, "ListView1");
    QCOMPARE(fokus(), tabulka);
    QCOMPARE(tabulka->currentIndex().row(), 1);
    QCOMPARE(tabulka->currentIndex().column(), 2);
}

QTEST_MAIN(TestKontrolniSeznam)
#include "test_kontrolni_seznam.moc"
