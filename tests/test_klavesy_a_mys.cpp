#include "app/hlavni.h"
#include "app/model_highskore.h"
#include "app/model_nastaveni.h"
#include "app/strom_titulku.h"
#include "app/zalozka_menu.h"
#include "generators/generuj_menu.h"
#include "na_displeji.h"
#include "pomocnici.h"
#include "pomocnici_nahledu.h"
#include "ui/blok_panelu.h"
#include "ui/preklad_qt.h"
#include "ui/vzhled.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QWheelEvent>

#include <set>

// The paths a person takes with the keyboard and the mouse, on a real X server with a window
// manager: windows are activated, dialogs get the focus and default buttons exist as they do
// on a desktop. Every step is a key or mouse event to the focused control.

namespace {

enum class Vysledek { Zustane, Ulozi, Zavre };

struct Dialog {
    int zalozka;
    const char* seznam;
    int polozkaNabidky; // how many times Down reaches the command in the context menu
    QString puvodniText;
};

const std::map<QString, Dialog>& dialogy() {
    static const std::map<QString, Dialog> d{
        {QStringLiteral("nastaveni"), {1, "ValueListEditor1", 1, QStringLiteral("Zvuk")}},
        {QStringLiteral("highskore"), {2, "ListView1", 1, QStringLiteral("global.nick0")}},
        {QStringLiteral("pozice"), {3, "TreeView1", 1, QStringLiteral("Programovani")}},
        {QStringLiteral("osoba"), {3, "TreeView1", 2, QString()}},
    };
    return d;
}

void klikniNa(QAbstractItemView* pohled, const QModelIndex& index) {
    QTest::mouseClick(pohled->viewport(), Qt::LeftButton, {}, pohled->visualRect(index).center());
}

// QTest's double click on a widget is the second press alone; a person's has a click before it
// and a release after it.
void dvojklik(QWidget* cil, QPoint bod) {
    QTest::mouseClick(cil, Qt::LeftButton, {}, bod);
    QTest::mouseDClick(cil, Qt::LeftButton, {}, bod);
    QTest::mouseRelease(cil, Qt::LeftButton, {}, bod);
}

// Opens the control's context menu with Shift+F10 and returns it.
QMenu* nabidkaZKlavesnice(QWidget* ovladac) {
    QTest::keyClick(ovladac, Qt::Key_F10, Qt::ShiftModifier);
    auto* nabidka = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (!nabidka)
        qFatal("Shift+F10 on %s opened no menu", qPrintable(ovladac->objectName()));
    return nabidka;
}

// The active window on the credits tab, its tree holding the position "Programovani".
StromTitulku* stromSPozici(THlavni& okno) {
    aktivuj(&okno);
    najdi<QTabWidget>(&okno, "PageControl1")->setCurrentIndex(3);
    auto* strom = najdi<StromTitulku>(&okno, "TreeView1");
    strom->pridejPozici(QStringLiteral("Programovani"));
    return strom;
}

QStringList ulozene(THlavni& okno, const QString& dialog) {
    QStringList texty;
    if (dialog == QLatin1String("nastaveni") || dialog == QLatin1String("highskore")) {
        auto* seznam = najdi<QAbstractItemView>(&okno, dialogy().at(dialog).seznam)->model();
        const int sloupec = dialog == QLatin1String("nastaveni") ? 0 : 1;
        for (int r = 0; r < seznam->rowCount(); ++r)
            texty << seznam->index(r, sloupec).data().toString();
        return texty;
    }
    auto* strom = najdi<QTreeWidget>(&okno, "TreeView1");
    if (dialog == QLatin1String("pozice")) {
        for (int i = 0; i < strom->topLevelItemCount(); ++i)
            texty << strom->topLevelItem(i)->text(0);
    } else {
        for (int i = 0; i < strom->topLevelItem(0)->childCount(); ++i)
            texty << strom->topLevelItem(0)->child(i)->text(0);
    }
    return texty;
}

} // namespace

class TestKlavesyAMys : public QObject {
    Q_OBJECT
    // Qt's Czech translation, loaded as the program loads it.
    bool m_preklad = false;

private Q_SLOTS:
    void initTestCase();
    void klavesyVDialogu_data();
    void klavesyVDialogu();
    void barvaJenVyberem();
    void sbaleniPresuneVyber();
    void dvojklikOteviraPozici();
    void prejmenovaniVeStromu();
    void ctrlKlikPrepinaVyber_data();
    void ctrlKlikPrepinaVyber();
    void klikPodUzlyNechaVyber();
    void nabidkaShiftF10_data();
    void nabidkaShiftF10();
    void dlouheTextyOdZacatku();
    void sipkyAKoleckoVBoxu_data();
    void sipkyAKoleckoVBoxu();
    void akceOdZacatku();
    void nahledZeZminimalizovani();
    void fokusPoZnovu();
    void kopirovatVseZNabidky();
    void kopiePevnouMezeru();
    void zpetPoTazeniVTempuCloveka_data();
    void zpetPoTazeniVTempuCloveka();
    void nabidkyCesky();
    void mnemotechnikaAEscape();
    void fokusJeVidet();
};

void TestKlavesyAMys::initTestCase() {
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("needs a real X server: run through na_displeji.sh");
    // The look and Qt's Czech texts, as the program starts.
    NastavVzhled(*qApp);
    m_preklad = NactiPrekladQt(*QCoreApplication::instance());
}

void TestKlavesyAMys::klavesyVDialogu_data() {
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("cil");
    QTest::addColumn<int>("klavesa");
    QTest::addColumn<Vysledek>("vysledek");
    struct Pripad {
        const char* nazev;
        const char* cil;
        QKeyCombination klavesa;
        Vysledek vysledek;
    };
    const Pripad pripady[] = {
        {"Enter in the field", "sEdit1", Qt::Key_Return, Vysledek::Zustane},
        {"keypad Enter in the field", "sEdit1", Qt::Key_Enter, Vysledek::Zustane},
        {"Escape in the field", "sEdit1", Qt::Key_Escape, Vysledek::Zustane},
        {"Enter on Přidat", "sButton1", Qt::Key_Return, Vysledek::Ulozi},
        {"Space on Přidat", "sButton1", Qt::Key_Space, Vysledek::Ulozi},
        {"Enter on Zrušit", "sButton2", Qt::Key_Return, Vysledek::Zavre},
        {"Space on Zrušit", "sButton2", Qt::Key_Space, Vysledek::Zavre},
        {"Escape on Zrušit", "sButton2", Qt::Key_Escape, Vysledek::Zustane},
        {"Alt+P in the field", "sEdit1", Qt::ALT | Qt::Key_P, Vysledek::Ulozi},
        {"Alt+Z in the field", "sEdit1", Qt::ALT | Qt::Key_Z, Vysledek::Zavre},
    };
    for (const auto& [dialog, popis] : dialogy())
        for (const Pripad& p : pripady)
            QTest::addRow("%s: %s", qPrintable(dialog), p.nazev)
                << dialog << QString::fromLatin1(p.cil) << p.klavesa.toCombined() << p.vysledek;
}

// The dialog opens through its list's context menu, gets a letter typed at the end of its
// first field, and then the key under test on the control under test.
void TestKlavesyAMys::klavesyVDialogu() {
    QFETCH(QString, dialog);
    QFETCH(QString, cil);
    QFETCH(int, klavesa);
    QFETCH(Vysledek, vysledek);
    const Dialog& d = dialogy().at(dialog);
    THlavni okno;
    aktivuj(&okno);
    najdi<QTabWidget>(&okno, "PageControl1")->setCurrentIndex(d.zalozka);
    auto* seznam = najdi<QAbstractItemView>(&okno, d.seznam);
    if (dialog == QLatin1String("osoba")) {
        auto* strom = najdi<StromTitulku>(&okno, "TreeView1");
        strom->pridejPozici(QStringLiteral("Grafika"));
        klikniNa(strom, strom->model()->index(0, 0));
    }
    seznam->setFocus(Qt::OtherFocusReason);
    const QStringList predtim = ulozene(okno, dialog);
    const QString napsano = d.puvodniText + QLatin1Char('Q');

    bool otevren = false;
    bool zustalOtevren = false;
    QString textPole;
    obsluzModalni([&](QWidget* modal) {
        otevren = true;
        aktivuj(modal);
        tabulatoremNa("sEdit1");
        QTest::keyClick(fokus(), Qt::Key_End);
        QTest::keyClick(fokus(), 'Q');
        tabulatoremNa(cil);
        const QKeyCombination k = QKeyCombination::fromCombined(klavesa);
        QTest::keyClick(fokus(), k.key(), k.keyboardModifiers());
        // A mnemonic presses its button as a click does, a moment later.
        static_cast<void>(
            QTest::qWaitFor([&] { return modal->isVisible() == (vysledek == Vysledek::Zustane); }));
        zustalOtevren = modal->isVisible();
        textPole = najdi<QLineEdit>(modal, "sEdit1")->text();
        if (modal->isVisible())
            modal->close();
    });
    QMenu* nabidka = nabidkaZKlavesnice(seznam);
    for (int i = 0; i < d.polozkaNabidky; ++i)
        QTest::keyClick(nabidka, Qt::Key_Down);
    QTest::keyClick(nabidka, Qt::Key_Return);

    QVERIFY(otevren);
    QCOMPARE(zustalOtevren, vysledek == Vysledek::Zustane);
    if (vysledek == Vysledek::Zustane)
        QCOMPARE(textPole, napsano);
    const QStringList potom = ulozene(okno, dialog);
    QCOMPARE(potom, vysledek == Vysledek::Ulozi ? predtim + QStringList{napsano} : predtim);
}

// A listed name typed or pasted into a colour box stays there, but only a pick from the list
// changes the swatch and the name the box falls back to.
void TestKlavesyAMys::barvaJenVyberem() {
    THlavni okno;
    aktivuj(&okno);
    najdi<QTabWidget>(&okno, "PageControl1")->setCurrentIndex(3);
    auto* box = najdi<QComboBox>(&okno, "sComboBox3");
    const auto vzorek = [&] {
        return najdi<QLabel>(&okno, "Image1")->pixmap().toImage().pixelColor(9, 10);
    };
    QTest::mouseClick(box->lineEdit(), Qt::LeftButton);
    QTest::keyClick(fokus(), Qt::Key_A, Qt::ControlModifier);
    QGuiApplication::clipboard()->setText(QStringLiteral("c_navy"));
    QTest::keyClick(fokus(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(box->currentText(), QStringLiteral("c_navy"));

    QTest::keyClick(fokus(), Qt::Key_Return);
    QCOMPARE(box->currentText(), QStringLiteral("c_navy"));
    QCOMPARE(vzorek(), QColor(255, 0, 0));
    QTest::keyClick(fokus(), Qt::Key_Tab);
    QVERIFY(!box->hasFocus());
    QCOMPARE(box->currentText(), QStringLiteral("c_navy"));
    QCOMPARE(vzorek(), QColor(255, 0, 0));

    // The remembered name is still the start one: a stray letter brings it back.
    QTest::mouseClick(box->lineEdit(), Qt::LeftButton);
    QTest::keyClick(fokus(), Qt::Key_End);
    QTest::keyClick(fokus(), Qt::Key_X);
    QCOMPARE(box->currentText(), QStringLiteral("c_red"));

    vyberZeSeznamu(box, QStringLiteral("c_lime"));
    QCOMPARE(box->currentText(), QStringLiteral("c_lime"));
    QCOMPARE(vzorek(), QColor(0, 255, 0));
    QTest::keyClick(fokus(), Qt::Key_X);
    QCOMPARE(box->currentText(), QStringLiteral("c_lime"));
}

void TestKlavesyAMys::sbaleniPresuneVyber() {
    THlavni okno;
    StromTitulku* strom = stromSPozici(okno);
    QTreeWidgetItem* pozice = strom->topLevelItem(0);
    strom->pridejOsobu(pozice, QStringLiteral("A"));
    strom->pridejOsobu(pozice, QStringLiteral("B"));
    klikniNa(strom, strom->model()->index(1, 0, strom->model()->index(0, 0)));
    QCOMPARE(strom->vybrany()->text(0), QStringLiteral("B"));

    // The expand arrow sits in the indentation left of the position's text.
    const QRect radek = strom->visualItemRect(pozice);
    QTest::mouseClick(strom->viewport(), Qt::LeftButton, {},
                      QPoint(radek.left() - strom->indentation() / 2, radek.center().y()));
    QVERIFY(!pozice->isExpanded());
    QCOMPARE(strom->vybrany(), pozice);

    // With the position selected, adding a person is allowed again.
    ZachyceniHlaseni hlaseni;
    bool otevren = false;
    obsluzModalni([&](QWidget* modal) {
        otevren = true;
        modal->close();
    });
    QMenu* nabidka = nabidkaZKlavesnice(strom);
    QTest::keyClick(nabidka, Qt::Key_Down);
    QTest::keyClick(nabidka, Qt::Key_Down);
    QTest::keyClick(nabidka, Qt::Key_Return);
    QVERIFY(hlaseni.zpravy.empty());
    QVERIFY(otevren);

    // Expanding gives nothing back to the hidden person.
    QTest::keyClick(strom, Qt::Key_Right);
    QVERIFY(pozice->isExpanded());
    QCOMPARE(strom->vybrany(), pozice);
}

void TestKlavesyAMys::dvojklikOteviraPozici() {
    THlavni okno;
    StromTitulku* strom = stromSPozici(okno);
    strom->pridejPozici(QStringLiteral("Hudba"));
    QTreeWidgetItem* pozice = strom->topLevelItem(0);
    strom->pridejOsobu(pozice, QStringLiteral("A"));
    const QPoint bod = strom->visualItemRect(pozice).center();

    for (bool otevrena : {false, true, false}) {
        dvojklik(strom->viewport(), bod);
        QTest::qWait(QApplication::doubleClickInterval() + 100);
        QCOMPARE(pozice->isExpanded(), otevrena);
        QVERIFY2(!qobject_cast<QLineEdit*>(fokus()), "a double click started a rename");
        QCOMPARE(strom->vybrany(), pozice);
    }
    QCOMPARE(pozice->text(0), QStringLiteral("Programovani"));

    // A position without persons has nothing to open.
    QTreeWidgetItem* prazdna = strom->topLevelItem(1);
    dvojklik(strom->viewport(), strom->visualItemRect(prazdna).center());
    QTest::qWait(QApplication::doubleClickInterval() + 100);
    QVERIFY(!qobject_cast<QLineEdit*>(fokus()));
    QCOMPARE(strom->vybrany(), prazdna);
}

void TestKlavesyAMys::prejmenovaniVeStromu() {
    THlavni okno;
    StromTitulku* strom = stromSPozici(okno);
    QTreeWidgetItem* pozice = strom->topLevelItem(0);
    klikniNa(strom, strom->indexFromItem(pozice));

    QTest::keyClick(strom, Qt::Key_F2);
    QVERIFY(qobject_cast<QLineEdit*>(fokus()));
    QTest::keyClicks(fokus(), QStringLiteral("Zvuk"));
    QTest::keyClick(fokus(), Qt::Key_Escape);
    QCOMPARE(pozice->text(0), QStringLiteral("Programovani"));
    QCOMPARE(fokus(), strom);

    // A click on the selected node renames too, once the double-click time has passed.
    QTest::qWait(QApplication::doubleClickInterval() + 100);
    klikniNa(strom, strom->indexFromItem(pozice));
    QTRY_VERIFY(qobject_cast<QLineEdit*>(fokus()));
    QTest::keyClick(fokus(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(fokus(), QStringLiteral("Grafika"));
    QTest::keyClick(fokus(), Qt::Key_Return);
    // The editor hands its text over on the next turn of the event loop.
    QTRY_COMPARE(pozice->text(0), QStringLiteral("Grafika"));
    QCOMPARE(strom->vybrany(), pozice);
}

void TestKlavesyAMys::ctrlKlikPrepinaVyber_data() {
    QTest::addColumn<int>("zalozka");
    QTest::addColumn<QString>("pohled");
    QTest::addRow("settings list") << 1 << "ValueListEditor1";
    QTest::addRow("highscore list") << 2 << "ListView1";
    QTest::addRow("credits tree") << 3 << "TreeView1";
}

// Ctrl+click on the selected row deselects it and a second one selects it again; neither
// starts a rename, though the settings list and the tree rename on a click on the selected row.
void TestKlavesyAMys::ctrlKlikPrepinaVyber() {
    QFETCH(int, zalozka);
    QFETCH(QString, pohled);
    THlavni okno;
    StromTitulku* strom = stromSPozici(okno);
    okno.findChild<ModelNastaveni*>()->pridej({"Zvuk", "200", "150", "ano;ne", "zvuk=0;zvuk=1"});
    okno.findChild<ModelHighskore*>()->pridej({"", "Honza", "100"});
    najdi<QTabWidget>(&okno, "PageControl1")->setCurrentIndex(zalozka);
    auto* seznam = najdi<QAbstractItemView>(&okno, qPrintable(pohled));
    const QModelIndex prvni = seznam->model()->index(0, 0);
    const QPoint bod = seznam->visualRect(prvni).center();
    const QString text = prvni.data().toString();
    const auto vybrano = [&] { return seznam->selectionModel()->isSelected(prvni); };

    klikniNa(seznam, prvni);
    QVERIFY(vybrano());
    for (bool ma : {false, true}) {
        QTest::qWait(QApplication::doubleClickInterval() + 100);
        QTest::mouseClick(seznam->viewport(), Qt::LeftButton, Qt::ControlModifier, bod);
        QCOMPARE(vybrano(), ma);
        QCOMPARE(seznam->selectionModel()->selectedRows().size(), ma ? 1 : 0);
        QTest::qWait(QApplication::doubleClickInterval() + 100);
        QVERIFY2(!qobject_cast<QLineEdit*>(fokus()), "a Ctrl+click started a rename");
    }
    QCOMPARE(prvni.data().toString(), text);
    QCOMPARE(strom->topLevelItem(0)->text(0), QStringLiteral("Programovani"));
}

// A press below the nodes, clicked or dragged over them, leaves the tree's selection alone.
void TestKlavesyAMys::klikPodUzlyNechaVyber() {
    THlavni okno;
    StromTitulku* strom = stromSPozici(okno);
    strom->pridejPozici(QStringLiteral("Hudba"));
    QTreeWidgetItem* pozice = strom->topLevelItem(0);
    const QPoint naDruhe = strom->visualItemRect(strom->topLevelItem(1)).center();
    const QPoint podUzly(naDruhe.x(), strom->visualItemRect(strom->topLevelItem(1)).bottom() + 20);
    QVERIFY(!strom->itemAt(podUzly));

    klikniNa(strom, strom->indexFromItem(pozice));
    for (Qt::KeyboardModifiers modifikatory : {Qt::NoModifier, Qt::ControlModifier}) {
        QTest::mouseClick(strom->viewport(), Qt::LeftButton, modifikatory, podUzly);
        QCOMPARE(strom->vybrany(), pozice);
    }
    QTest::mousePress(strom->viewport(), Qt::LeftButton, {}, podUzly);
    QTest::mouseMove(strom->viewport(), naDruhe);
    QTest::mouseRelease(strom->viewport(), Qt::LeftButton, {}, naDruhe);
    QCOMPARE(strom->vybrany(), pozice);
    QTest::qWait(QApplication::doubleClickInterval() + 100);
    QVERIFY(!qobject_cast<QLineEdit*>(fokus()));
}

void TestKlavesyAMys::nabidkaShiftF10_data() {
    QTest::addColumn<int>("zalozka");
    QTest::addColumn<QString>("ovladac");
    QTest::addColumn<QString>("nabidka");
    QTest::addRow("settings list") << 1 << "ValueListEditor1"
                                   << "PopupMenu1";
    QTest::addRow("highscore list") << 2 << "ListView1"
                                    << "PopupMenu5";
    QTest::addRow("credits tree") << 3 << "TreeView1"
                                  << "PopupMenu6";
    QTest::addRow("menu Draw pane") << 0 << "RichEdit3"
                                    << "PopupMenu4";
    QTest::addRow("highscore Draw pane") << 2 << "RichEdit9"
                                         << "PopupMenu4";
    QTest::addRow("credits Create pane") << 3 << "RichEdit16"
                                         << "PopupMenu2";
}

void TestKlavesyAMys::nabidkaShiftF10() {
    QFETCH(int, zalozka);
    QFETCH(QString, ovladac);
    QFETCH(QString, nabidka);
    THlavni okno;
    aktivuj(&okno);
    najdi<QTabWidget>(&okno, "PageControl1")->setCurrentIndex(zalozka);
    auto* oblast = najdi<QAbstractScrollArea>(&okno, qPrintable(ovladac));
    QTest::mouseClick(oblast->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(fokus(), oblast);

    QMenu* otevrena = nabidkaZKlavesnice(oblast);
    QCOMPARE(otevrena->objectName(), nabidka);
    const QRect ovladacNaObrazovce(oblast->mapToGlobal(QPoint(0, 0)), oblast->size());
    QVERIFY2(ovladacNaObrazovce.contains(otevrena->pos()), "the menu opens on its control");
    QTest::keyClick(otevrena, Qt::Key_Escape);
    QVERIFY(!otevrena->isVisible());
}

void TestKlavesyAMys::dlouheTextyOdZacatku() {
    THlavni okno;
    aktivuj(&okno);
    QCOMPARE(najdi<QLineEdit>(&okno, "sEdit8")->cursorPosition(), 0);

    najdi<QTabWidget>(&okno, "PageControl1")->setCurrentIndex(2);
    auto* seznam = najdi<QAbstractItemView>(&okno, "ListView1");
    const QString dlouhy = QStringLiteral("global.prezdivka_hrace_ktera_se_do_pole_nevejde_cela");
    obsluzModalni([&](QWidget* modal) {
        aktivuj(modal);
        tabulatoremNa("sEdit1");
        QTest::keyClick(fokus(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(fokus(), dlouhy);
        tabulatoremNa("sButton1");
        QTest::keyClick(fokus(), Qt::Key_Space);
        if (modal->isVisible())
            modal->close();
    });
    seznam->setFocus(Qt::OtherFocusReason);
    QMenu* nabidka = nabidkaZKlavesnice(seznam);
    QTest::keyClick(nabidka, Qt::Key_Down);
    QTest::keyClick(nabidka, Qt::Key_Return);
    QCOMPARE(seznam->model()->index(0, 1).data().toString(), dlouhy);

    QTRY_VERIFY(okno.isActiveWindow());
    klikniNa(seznam, seznam->model()->index(0, 1));
    bool odZacatku = false;
    obsluzModalni([&](QWidget* modal) {
        aktivuj(modal);
        odZacatku = najdi<QLineEdit>(modal, "sEdit1")->cursorPosition() == 0 &&
                    najdi<QLineEdit>(modal, "sEdit2")->cursorPosition() == 0;
        modal->close();
    });
    nabidka = nabidkaZKlavesnice(seznam);
    for (int i = 0; i < 2; ++i)
        QTest::keyClick(nabidka, Qt::Key_Down);
    QTest::keyClick(nabidka, Qt::Key_Return);
    QVERIFY(odZacatku);
}

enum class Vstup { Dolu, Nahoru, StrankaDolu, KoleckoDolu, KoleckoNahoru };
Q_DECLARE_METATYPE(Vstup)

void TestKlavesyAMys::sipkyAKoleckoVBoxu_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("start");
    QTest::addColumn<Vstup>("vstup");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("radku");      // visible menu rows; −1 where the box has none
    QTest::addColumn<QString>("vzorek"); // the swatch, if the box has one
    QTest::addColumn<QColor>("barva");

    const QColor zadna;
    QTest::addRow("count Down") << "sComboBox1"
                                << "3" << Vstup::Dolu << "4" << 4 << "" << zadna;
    QTest::addRow("count Up") << "sComboBox1"
                              << "3" << Vstup::Nahoru << "2" << 2 << "" << zadna;
    QTest::addRow("count PgDn") << "sComboBox1"
                                << "3" << Vstup::StrankaDolu << "4" << 4 << "" << zadna;
    QTest::addRow("count wheel down") << "sComboBox1"
                                      << "3" << Vstup::KoleckoDolu << "4" << 4 << "" << zadna;
    QTest::addRow("count wheel up") << "sComboBox1"
                                    << "3" << Vstup::KoleckoNahoru << "2" << 2 << "" << zadna;
    QTest::addRow("count Down at the end") << "sComboBox1"
                                           << "5" << Vstup::Dolu << "5" << 5 << "" << zadna;
    QTest::addRow("direction Down") << "sComboBox2"
                                    << "nahoru" << Vstup::Dolu << "dolů" << -1 << "" << zadna;
    QTest::addRow("position colour Down")
        << "sComboBox3"
        << "c_aqua" << Vstup::Dolu << "c_black" << -1 << "Image1" << QColor(0, 0, 0);
    QTest::addRow("position colour wheel up")
        << "sComboBox3"
        << "c_blue" << Vstup::KoleckoNahoru << "c_black" << -1 << "Image1" << QColor(0, 0, 0);
    QTest::addRow("persons colour Up")
        << "sComboBox4"
        << "c_blue" << Vstup::Nahoru << "c_black" << -1 << "Image2" << QColor(0, 0, 0);
    QTest::addRow("persons colour wheel down")
        << "sComboBox4"
        << "c_black" << Vstup::KoleckoDolu << "c_blue" << -1 << "Image2" << QColor(0, 0, 255);
}

// Stepping through the closed box's list with the arrow keys, PgDn or the wheel is a pick: the
// count box shows as many rows as it says and a colour's swatch follows its name.
void TestKlavesyAMys::sipkyAKoleckoVBoxu() {
    QFETCH(QString, box);
    QFETCH(QString, start);
    QFETCH(Vstup, vstup);
    QFETCH(QString, text);
    QFETCH(int, radku);
    QFETCH(QString, vzorek);
    QFETCH(QColor, barva);

    THlavni okno;
    aktivuj(&okno);
    najdi<QTabWidget>(&okno, "PageControl1")->setCurrentIndex(box == "sComboBox1" ? 0 : 3);
    auto* b = najdi<QComboBox>(&okno, qPrintable(box));
    vyberZeSeznamu(b, start);
    // A person's next key comes after the pick's events are all handled.
    QTest::qWait(50);
    QTRY_VERIFY(!b->view()->isVisible());
    QTRY_COMPARE(fokus(), b);
    QCOMPARE(b->currentText(), start);

    // The system's wheel event over the box's edit travels on to the box, which a sent one
    // does not do, so it goes to the box.
    const auto kolecko = [&](int uhel) {
        const QPoint bod = b->rect().center();
        QWheelEvent udalost(bod, b->mapToGlobal(bod), {}, QPoint(0, uhel), Qt::NoButton,
                            Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(b, &udalost);
    };
    switch (vstup) {
    case Vstup::Dolu:
        QTest::keyClick(fokus(), Qt::Key_Down);
        break;
    case Vstup::Nahoru:
        QTest::keyClick(fokus(), Qt::Key_Up);
        break;
    case Vstup::StrankaDolu:
        QTest::keyClick(fokus(), Qt::Key_PageDown);
        break;
    case Vstup::KoleckoDolu:
        kolecko(-120);
        break;
    case Vstup::KoleckoNahoru:
        kolecko(120);
        break;
    }
    QCOMPARE(b->currentText(), text);
    QVERIFY(!b->view()->isVisible());
    if (radku >= 0) {
        int viditelne = 0;
        for (const char* popisek : {"sLabel2", "sLabel3", "sLabel4", "sLabel5", "sLabel6"})
            viditelne += najdi<QLabel>(&okno, popisek)->isVisible() ? 1 : 0;
        QCOMPARE(viditelne, radku);
    }
    if (!vzorek.isEmpty())
        QCOMPARE(najdi<QLabel>(&okno, qPrintable(vzorek))->pixmap().toImage().pixelColor(9, 10),
                 barva);
}

// Tabbing into a field leaves its cursor at the end; once the focus leaves, or the row is hidden
// and shown again, the field shows its text from the beginning.
void TestKlavesyAMys::akceOdZacatku() {
    THlavni okno;
    aktivuj(&okno);
    auto* akce = najdi<QLineEdit>(&okno, "sEdit8");
    QTest::mouseClick(najdi<QLineEdit>(&okno, "sEdit7"), Qt::LeftButton);
    QTest::keyClick(fokus(), Qt::Key_Tab);
    QCOMPARE(fokus(), akce);
    QCOMPARE(akce->cursorPosition(), akce->text().size());
    QTest::keyClick(fokus(), Qt::Key_Tab);
    QCOMPARE(akce->cursorPosition(), 0);

    QTest::mouseClick(akce, Qt::LeftButton);
    QTest::keyClick(fokus(), Qt::Key_End);
    auto* pocet = najdi<QComboBox>(&okno, "sComboBox1");
    vyberZeSeznamu(pocet, QStringLiteral("1"));
    QTRY_VERIFY(!pocet->view()->isVisible());
    vyberZeSeznamu(pocet, QStringLiteral("5"));
    QTRY_VERIFY(akce->isVisible());
    QCOMPARE(akce->cursorPosition(), 0);
}

// A minimised preview comes back in front with the keys in its room when asked for again.
void TestKlavesyAMys::nahledZeZminimalizovani() {
    THlavni okno;
    aktivuj(&okno);
    QTest::keyClick(fokus(), Qt::Key_F5);
    auto* nahled = najdi<QWidget>(&okno, "Nahled");
    QTRY_VERIFY(nahled->isActiveWindow());
    nahled->showMinimized();
    QTRY_VERIFY(nahled->isMinimized());
    aktivuj(&okno);

    QTest::keyClick(fokus(), Qt::Key_F5);
    QTRY_VERIFY(!nahled->isMinimized());
    QTRY_VERIFY(nahled->isActiveWindow());
    QTRY_COMPARE(fokus(), najdi<QWidget>(nahled, "Mistnost"));
}

// The room frames itself while the arrow keys are its, and "Znovu" gives them back to it.
void TestKlavesyAMys::fokusPoZnovu() {
    THlavni okno;
    aktivuj(&okno);
    QTest::keyClick(fokus(), Qt::Key_F5);
    auto* nahled = najdi<QWidget>(&okno, "Nahled");
    QTRY_VERIFY(nahled->isActiveWindow());
    auto* mistnost = najdi<QWidget>(nahled, "Mistnost");
    const auto ramecek = [mistnost] {
        return mistnost->grab().toImage().pixelColor(1, mistnost->height() / 2) ==
               mistnost->palette().color(QPalette::Highlight);
    };
    QTRY_COMPARE(fokus(), mistnost);
    QVERIFY(ramecek());

    auto* promenne = najdi<QAbstractItemView>(nahled, "Promenne");
    QTest::mouseClick(promenne->viewport(), Qt::LeftButton, {}, {5, 5});
    QTRY_COMPARE(fokus(), promenne);
    QVERIFY(!ramecek());

    QTest::mouseClick(najdi<QPushButton>(nahled, "Znovu"), Qt::LeftButton);
    QTRY_COMPARE(fokus(), mistnost);
    QVERIFY(ramecek());
}

// Shift+F10 on a code pane, past "Smazat vše" and the line, copies the whole pane.
void TestKlavesyAMys::kopirovatVseZNabidky() {
    THlavni okno;
    aktivuj(&okno);
    QTest::mouseClick(najdi<QPushButton>(&okno, "sButton1"), Qt::LeftButton);
    auto* draw = najdi<QPlainTextEdit>(&okno, "RichEdit3");
    draw->setFocus(Qt::OtherFocusReason);
    QMenu* nabidka = nabidkaZKlavesnice(draw);
    QTest::keyClick(nabidka, Qt::Key_Down);
    QTest::keyClick(nabidka, Qt::Key_Down);
    QTest::keyClick(nabidka, Qt::Key_Return);
    QTRY_COMPARE(QGuiApplication::clipboard()->text(), draw->toPlainText());
    QCOMPARE(okno.statusBar()->currentMessage(),
             QStringLiteral("Zkopírováno: Draw (%1)").arg(PocetRadku(draw->blockCount())));
    QVERIFY(!draw->toPlainText().isEmpty());
}

// A no-break space in a menu text reaches the clipboard as the generator wrote it, by Ctrl+C in
// the pane and by "Kopírovat vše".
void TestKlavesyAMys::kopiePevnouMezeru() {
    THlavni okno;
    aktivuj(&okno);
    auto* pole = najdi<QLineEdit>(&okno, "sEdit1");
    QTest::mouseClick(pole, Qt::LeftButton);
    QGuiApplication::clipboard()->setText(QStringLiteral("Nová\u00A0hra"));
    QTest::keyClick(fokus(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(fokus(), Qt::Key_V, Qt::ControlModifier);
    QTest::mouseClick(najdi<QPushButton>(&okno, "sButton1"), Qt::LeftButton);
    const QString ocekavany = textRadku(GenerujMenu(okno.findChild<ZalozkaMenu*>()->vstup()).draw);
    QVERIFY(ocekavany.contains(QStringLiteral("Nová\u00A0hra")));

    auto* draw = najdi<QPlainTextEdit>(&okno, "RichEdit3");
    QTest::mouseClick(draw->viewport(), Qt::LeftButton);
    QTRY_COMPARE(fokus(), draw);
    QTest::keyClick(fokus(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(fokus(), Qt::Key_C, Qt::ControlModifier);
    QTRY_COMPARE(QGuiApplication::clipboard()->text(), ocekavany);

    QGuiApplication::clipboard()->clear();
    QMenu* nabidka = nabidkaZKlavesnice(draw);
    QTest::keyClick(nabidka, Qt::Key_Down);
    QTest::keyClick(nabidka, Qt::Key_Down);
    QTest::keyClick(nabidka, Qt::Key_Return);
    QTRY_COMPARE(QGuiApplication::clipboard()->text(), ocekavany);
}

void TestKlavesyAMys::zpetPoTazeniVTempuCloveka_data() {
    QTest::addColumn<int>("zalozka");
    QTest::addColumn<QString>("text");
    QTest::addRow("Menu") << 0 << "Nova hra";
    QTest::addRow("Nastavení, the check list showing") << 1 << "Zvuk";
}

// A person presses Ctrl+Z a while after the drop, when the reading beside the window has ended
// and the check list has been filled again: the drop is taken back and put again. Only a text
// the author types afterwards drops the steps.
void TestKlavesyAMys::zpetPoTazeniVTempuCloveka() {
    QFETCH(int, zalozka);
    QFETCH(QString, text);
    THlavni okno;
    aktivuj(&okno);
    najdi<QTabWidget>(&okno, "PageControl1")->setCurrentIndex(zalozka);
    auto* model = okno.findChild<ModelNastaveni*>();
    model->pridej({"Zvuk", "200", "150", "ano;ne", "global.zvuk = 1;global.zvuk = ("});
    const auto pozice = [&] {
        if (zalozka == 1)
            return QString::fromStdString(model->polozky()[0].PoziceX + "," +
                                          model->polozky()[0].PoziceY);
        return najdi<QLineEdit>(&okno, "sEdit6")->text() + "," +
               najdi<QLineEdit>(&okno, "sEdit7")->text();
    };
    const QString puvodni = pozice();
    QTest::mouseClick(najdi<QPushButton>(&okno, zalozka == 1 ? "sButton2" : "sButton1"),
                      Qt::LeftButton);
    auto* seznam =
        najdi<QListWidget>(najdi<QTabWidget>(&okno, "PageControl1")->widget(zalozka), "Nalezy");
    // Empty actions on the Menu tab, the unreadable one here: the list shows on both tabs.
    const auto ustaleno = [&] {
        QTest::qWait(300);
        QTRY_VERIFY(seznam->isVisible() && seznam->count() > 0);
    };
    ustaleno();
    QTest::keyClick(fokus(), Qt::Key_F5);
    auto* nahled = najdi<OknoNahledu>(&okno, "Nahled");
    QTRY_VERIFY(nahled->isActiveWindow());
    QTRY_VERIFY(najdiKresbu(nahled, text.toStdString()));
    auto* mistnost = najdi<QWidget>(nahled, "Mistnost");
    QTRY_COMPARE(fokus(), mistnost);

    const nahled::Kresba* kresba = najdiKresbu(nahled, text.toStdString());
    tahni(mistnost, naTextu(*kresba), naTextu(*kresba) + QPointF(50, 30));
    const QString presunuta = pozice();
    QVERIFY(presunuta != puvodni);
    ustaleno();
    QTest::keyClick(fokus(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(pozice(), puvodni);
    ustaleno();
    QTest::keyClick(fokus(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(pozice(), presunuta);
    ustaleno();
    QVERIFY(zpravy(nahled).filter(QStringLiteral("Kroky zpět byly zahozeny")).isEmpty());

    aktivuj(&okno);
    if (zalozka == 1) {
        auto* seznamPolozek = najdi<QAbstractItemView>(&okno, "ValueListEditor1");
        klikniNa(seznamPolozek, model->index(0, 0));
        QTest::keyClick(fokus(), Qt::Key_F2);
        QTest::keyClick(fokus(), Qt::Key_End);
        QTest::keyClicks(fokus(), QStringLiteral("x"));
        QTest::keyClick(fokus(), Qt::Key_Return);
        QTRY_COMPARE(model->polozky()[0].Nazev, std::string("Zvukx"));
    } else {
        QTest::mouseClick(najdi<QLineEdit>(&okno, "sEdit8"), Qt::LeftButton);
        QTest::keyClicks(fokus(), QStringLiteral("x"));
    }
    aktivuj(nahled);
    QTest::keyClick(fokus(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(pozice(), presunuta);
    QCOMPARE(zpravy(nahled).filter(QStringLiteral("Kroky zpět byly zahozeny")).size(), 1);
}

// The Alarm[0] pane's menu, opened by a right click, copies like every other pane's; a field's
// menu, Qt's own, opened by Shift+F10, speaks Czech.
void TestKlavesyAMys::nabidkyCesky() {
    const auto texty = [](const QMenu* nabidka) {
        QStringList t;
        for (const QAction* a : nabidka->actions())
            if (!a->isSeparator())
                t << a->text().remove(QLatin1Char('&')).section(QLatin1Char('\t'), 0, 0);
        return t;
    };
    THlavni okno;
    stromSPozici(okno);
    QTest::mouseClick(najdi<QPushButton>(&okno, "sButton4"), Qt::LeftButton);
    auto* alarm = najdi<QPlainTextEdit>(&okno, "RichEdit22");
    auto* blok = qobject_cast<QTabWidget*>(alarm->parentWidget()->parentWidget());
    QVERIFY(blok);
    QTest::mouseClick(blok->tabBar(), Qt::LeftButton, {},
                      blok->tabBar()->tabRect(blok->indexOf(alarm)).center());
    QTRY_VERIFY(alarm->isVisible());
    QTest::mouseClick(okno.windowHandle(), Qt::RightButton, {},
                      alarm->viewport()->mapTo(&okno, QPoint(20, 10)));
    QTRY_VERIFY(qobject_cast<QMenu*>(QApplication::activePopupWidget()));
    auto* nabidka = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QCOMPARE(texty(nabidka), QStringList{QStringLiteral("Kopírovat vše")});
    QTest::keyClick(nabidka, Qt::Key_K);
    QTRY_COMPARE(QGuiApplication::clipboard()->text(), alarm->toPlainText());
    QVERIFY(!alarm->toPlainText().isEmpty());

    if (!m_preklad)
        QSKIP("Qt's Czech translation (qtbase_cs.qm, Debian's qt6-translations-l10n) is missing");
    najdi<QTabWidget>(&okno, "PageControl1")->setCurrentIndex(0);
    QTest::mouseClick(najdi<QLineEdit>(&okno, "sEdit1"), Qt::LeftButton);
    nabidka = nabidkaZKlavesnice(fokus());
    QCOMPARE(texty(nabidka), (QStringList{"Zpět", "Znovu", "Vyjmout", "Kopírovat", "Vložit",
                                          "Smazat", "Vybrat vše"}));
    QTest::keyClick(nabidka, Qt::Key_Escape);
}

// Alt and a letter open the main menus and pick their items as in any Czech program; Escape
// closes the preview, the read-back dialog and "O Programu", and Alt+Z in the read-back dialog
// is its "Zrušit".
void TestKlavesyAMys::mnemotechnikaAEscape() {
    THlavni okno;
    aktivuj(&okno);
    QTest::keyClick(fokus(), Qt::Key_Z, Qt::AltModifier);
    auto* zobrazit = najdi<QMenu>(&okno, "Zobrazit1");
    QTRY_VERIFY(zobrazit->isVisible());
    QTest::keyClick(zobrazit, Qt::Key_N);
    QTRY_VERIFY(okno.findChild<OknoNahledu*>());
    auto* nahled = okno.findChild<OknoNahledu*>();
    QTRY_VERIFY(nahled->isActiveWindow());
    QTest::keyClick(fokus(), Qt::Key_Escape);
    QTRY_VERIFY(!okno.findChild<OknoNahledu*>());

    for (const Qt::KeyboardModifiers modifikator : {Qt::NoModifier, Qt::AltModifier}) {
        aktivuj(&okno);
        bool zavren = false;
        obsluzModalni([&](QWidget* dialog) {
            aktivuj(dialog);
            QTest::keyClicks(fokus(), QStringLiteral("a"));
            QTest::keyClick(fokus(), modifikator ? Qt::Key_Z : Qt::Key_Escape, modifikator);
            zavren = QTest::qWaitFor([dialog] { return !dialog->isVisible(); });
            if (!zavren)
                dialog->close();
        });
        QTest::keyClick(fokus(), Qt::Key_S, Qt::AltModifier);
        auto* soubor = najdi<QMenu>(&okno, "Soubor1");
        QTRY_VERIFY(soubor->isVisible());
        QTest::keyClick(soubor, Qt::Key_N);
        QVERIFY2(zavren, modifikator ? "Alt+Z" : "Escape");
    }

    aktivuj(&okno);
    bool oProgramuZavren = false;
    obsluzModalni([&](QWidget* dialog) {
        aktivuj(dialog);
        QTest::keyClick(dialog, Qt::Key_Escape);
        oProgramuZavren = !dialog->isVisible();
        if (!oProgramuZavren)
            dialog->close();
    });
    QTest::keyClick(fokus(), Qt::Key_N, Qt::AltModifier);
    auto* napoveda = najdi<QMenu>(&okno, "Npovda1");
    QTRY_VERIFY(napoveda->isVisible());
    QTest::keyClick(napoveda, Qt::Key_O);
    QVERIFY(oProgramuZavren);
}

// Every control Tab reaches on each tab looks different while it has the focus: a field's or a
// pane's frame, a button's, a tab's or a list item's mark.
void TestKlavesyAMys::fokusJeVidet() {
    THlavni okno;
    aktivuj(&okno);
    auto* zalozky = najdi<QTabWidget>(&okno, "PageControl1");
    for (int zalozka = 0; zalozka < zalozky->count(); ++zalozka) {
        zalozky->setCurrentIndex(zalozka);
        // The marks show once the keyboard has moved the focus.
        zalozky->tabBar()->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(fokus(), Qt::Key_Tab);
        std::set<QWidget*> videne;
        while (videne.insert(fokus()).second) {
            QWidget* ovladac = fokus();
            const QImage sFokusem = ovladac->grab().toImage();
            QTest::keyClick(ovladac, Qt::Key_Tab);
            QVERIFY2(ovladac->grab().toImage() != sFokusem,
                     qPrintable(QStringLiteral("%1 on %2")
                                    .arg(ovladac->objectName(), zalozky->tabText(zalozka))));
        }
        QVERIFY(videne.size() > 3);
    }
}

QTEST_MAIN(TestKlavesyAMys)
#include "test_klavesy_a_mys.moc"
