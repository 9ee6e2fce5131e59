#include "hlavni.h"
#include "pomocnici.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>

namespace {

QTreeWidget* strom(QObject* okno) {
    return najdi<QTreeWidget>(okno, "TreeView1");
}

struct VysledekDialogu {
    bool otevren = false;
    bool zustalOtevren = false; // after "Přidat"
    QString textPole;
};

// Runs a menu command; when it opens a dialog, types the text, presses "Přidat" and closes the
// dialog with "Zrušit" if it is still open.
VysledekDialogu pridej(QObject* okno, const char* akce, const QString& text) {
    VysledekDialogu vysledek;
    QTimer hlidac;
    hlidac.setInterval(10);
    QObject::connect(&hlidac, &QTimer::timeout, &hlidac, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        hlidac.stop();
        vysledek.otevren = true;
        najdi<QLineEdit>(dialog, "sEdit1")->setText(text);
        QTest::mouseClick(najdi<QPushButton>(dialog, "sButton1"), Qt::LeftButton);
        vysledek.zustalOtevren = dialog->isVisible();
        vysledek.textPole = najdi<QLineEdit>(dialog, "sEdit1")->text();
        if (dialog->isVisible())
            QTest::mouseClick(najdi<QPushButton>(dialog, "sButton2"), Qt::LeftButton);
    });
    hlidac.start();
    spustAkci(okno, akce);
    return vysledek;
}

QStringList obsahStromu(QTreeWidget* s) {
    QStringList uzly;
    for (int i = 0; i < s->topLevelItemCount(); ++i) {
        uzly << s->topLevelItem(i)->text(0);
        for (int j = 0; j < s->topLevelItem(i)->childCount(); ++j)
            uzly << QStringLiteral("  ") + s->topLevelItem(i)->child(j)->text(0);
    }
    return uzly;
}

// Replaces a box's whole text in one user edit, as a paste does.
void vlozText(QComboBox* box, const QString& text) {
    QLineEdit* pole = box->lineEdit();
    pole->selectAll();
    pole->insert(text);
    Q_EMIT pole->textEdited(pole->text());
}

void vyberZeSeznamu(QComboBox* box, const QString& text) {
    const int index = box->findText(text);
    QVERIFY(index >= 0);
    box->setCurrentIndex(index);
    Q_EMIT box->activated(index);
}

QColor barvaVzorku(QObject* okno, const char* jmeno, QPoint bod = {9, 10}) {
    return najdi<QLabel>(okno, jmeno)->pixmap().toImage().pixelColor(bod);
}

} // namespace

class TestZalozkaTitulky : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void startovniStav();
    void dialogy();
    void pridatPozici_jedinecnost();
    void pridatOsobu_odmitnuti();
    void pridatOsobu_doVybranePozice();
    void prejmenovaniNaMiste();
    void generovani();
    void smer_data();
    void smer();
    void barvy();
    void barvyVzorku_data();
    void barvyVzorku();
    void pisma();
};

void TestZalozkaTitulky::startovniStav() {
    THlavni okno;
    QCOMPARE(strom(&okno)->topLevelItemCount(), 0);
    QCOMPARE(strom(&okno)->indentation(), 19);
    QCOMPARE(strom(&okno)->width(), 169);
    QStringList menu;
    for (QAction* a : najdi<QMenu>(&okno, "PopupMenu6")->actions())
        menu << (a->isSeparator() ? QStringLiteral("-") : a->text());
    QCOMPARE(menu, (QStringList{"Přidat pozici", "Přidat osobu", "-", "Upravit", "-", "Smazat"}));

    QCOMPARE(najdi<QComboBox>(&okno, "sComboBox2")->currentText(), QStringLiteral("nahoru"));
    QCOMPARE(najdi<QComboBox>(&okno, "sComboBox2")->currentIndex(), -1);
    QCOMPARE(najdi<QComboBox>(&okno, "sComboBox3")->currentText(), QStringLiteral("c_red"));
    QCOMPARE(najdi<QComboBox>(&okno, "sComboBox4")->count(), 18);
    QCOMPARE(barvaVzorku(&okno, "Image1"), QColor(255, 0, 0));
    QCOMPARE(barvaVzorku(&okno, "Image2"), QColor(0, 255, 255));
    QCOMPARE(barvaVzorku(&okno, "Image1", {0, 0}), QColor(Qt::black));
    QCOMPARE(barvaVzorku(&okno, "Image2", {17, 20}), QColor(Qt::black));
    for (const auto& [vzorek, box] : {std::pair{"Image1", "sComboBox3"}, {"Image2", "sComboBox4"}})
        QCOMPARE(najdi<QWidget>(&okno, vzorek)->x(), najdi<QWidget>(&okno, box)->x() - 25);
    for (const char* jmeno : {"sEdit21", "sCheckBox3", "sCheckBox5", "sEdit23", "sEdit22",
                              "sCheckBox4", "sCheckBox6", "sEdit24"})
        QVERIFY2(najdi<QWidget>(&okno, jmeno)->isHidden(), jmeno);
}

// Captions, start texts and sizes; Enter and Escape neither add nor close.
void TestZalozkaTitulky::dialogy() {
    THlavni okno;
    ZachyceniHlaseni hlaseni;
    strom(&okno)->addTopLevelItem(new QTreeWidgetItem(QStringList{"P"}));
    strom(&okno)->topLevelItem(0)->setSelected(true);

    struct Ocekavani {
        const char* akce;
        QString titulek, text, popisek;
        QSize velikost;
    };
    for (const Ocekavani& o :
         {Ocekavani{
              "Pidatpozici1", "Přidat pozici", "Programovani", "Zadejte název pozice:", {308, 113}},
          Ocekavani{"Pidatosobu1", "Přidat osobu", "", "Zadejte jméno osoby:", {322, 125}}}) {
        bool otevren = false;
        obsluzModalni([&](QWidget* dialog) {
            otevren = true;
            QCOMPARE(dialog->windowTitle(), o.titulek);
            QCOMPARE(dialog->size(), o.velikost);
            QCOMPARE(dialog->minimumSize(), dialog->maximumSize());
            QCOMPARE(najdi<QLabel>(dialog, "sLabel1")->text(), o.popisek);
            auto* pole = najdi<QLineEdit>(dialog, "sEdit1");
            QCOMPARE(pole->text(), o.text);
            pole->setText(QStringLiteral("X"));
            for (Qt::Key klavesa : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
                QTest::keyClick(pole, klavesa);
            QVERIFY(dialog->isVisible());
            QTest::mouseClick(najdi<QPushButton>(dialog, "sButton2"), Qt::LeftButton);
        });
        spustAkci(&okno, o.akce);
        QVERIFY(otevren);
        QCOMPARE(obsahStromu(strom(&okno)), QStringList{"P"});
    }
    QVERIFY(hlaseni.zpravy.empty());
}

void TestZalozkaTitulky::pridatPozici_jedinecnost() {
    THlavni okno;
    ZachyceniHlaseni hlaseni;
    QTreeWidget* s = strom(&okno);

    QVERIFY(!pridej(&okno, "Pidatpozici1", QString()).zustalOtevren);
    QVERIFY(!pridej(&okno, "Pidatpozici1", QStringLiteral("Grafika")).zustalOtevren);
    QVERIFY(!pridej(&okno, "Pidatpozici1", QStringLiteral("grafika")).zustalOtevren);
    QVERIFY(hlaseni.zpravy.empty());
    s->topLevelItem(1)->setSelected(true);
    QVERIFY(!pridej(&okno, "Pidatosobu1", QStringLiteral("Jana")).zustalOtevren);

    for (const QString& text : {QString(), QStringLiteral("Grafika"), QStringLiteral("Jana")}) {
        const VysledekDialogu v = pridej(&okno, "Pidatpozici1", text);
        QVERIFY(v.zustalOtevren);
        QCOMPARE(v.textPole, text);
        QCOMPARE(hlaseni.zpravy.back().second, QStringLiteral("Tato pozice už existuje!"));
        QCOMPARE(hlaseni.zpravy.back().first, Hlaseni::Druh::Odmitnuti);
    }
    QCOMPARE(hlaseni.zpravy.size(), std::size_t(3));
    QCOMPARE(obsahStromu(s), (QStringList{"", "Grafika", "  Jana", "grafika"}));
    QCOMPARE(s->selectedItems(), QList<QTreeWidgetItem*>{s->topLevelItem(1)});
}

void TestZalozkaTitulky::pridatOsobu_odmitnuti() {
    THlavni okno;
    ZachyceniHlaseni hlaseni;
    QTreeWidget* s = strom(&okno);

    QVERIFY(!pridej(&okno, "Pidatosobu1", QStringLiteral("A")).otevren);
    QVERIFY(!pridej(&okno, "Pidatpozici1", QStringLiteral("P")).zustalOtevren);
    QVERIFY(s->selectedItems().isEmpty());
    QVERIFY(!pridej(&okno, "Pidatosobu1", QStringLiteral("A")).otevren);
    s->topLevelItem(0)->setSelected(true);
    QVERIFY(pridej(&okno, "Pidatosobu1", QStringLiteral("A")).otevren);
    s->setCurrentItem(s->topLevelItem(0)->child(0));
    QVERIFY(!okno.JePozice(s->topLevelItem(0)->child(0)));
    QVERIFY(!pridej(&okno, "Pidatosobu1", QStringLiteral("B")).otevren);

    QStringList zpravy;
    for (const auto& [druh, text] : hlaseni.zpravy) {
        QCOMPARE(druh, Hlaseni::Druh::Odmitnuti);
        zpravy << text;
    }
    QCOMPARE(zpravy, (QStringList{"Není vytvořená žádná pozice!", "Není vybraná žádná pozice!",
                                  "Musíte vybrat pozici!"}));
    QCOMPARE(obsahStromu(s), (QStringList{"P", "  A"}));
}

// A right click opens the menu without moving the selection; the person goes to the selected
// position, which is then expanded and stays selected.
void TestZalozkaTitulky::pridatOsobu_doVybranePozice() {
    THlavni okno;
    ZachyceniHlaseni hlaseni;
    najdi<QTabWidget>(&okno, "PageControl1")->setCurrentIndex(3);
    okno.show();
    QVERIFY(QTest::qWaitForWindowExposed(&okno));
    QTreeWidget* s = strom(&okno);
    for (const char* text : {"Programovani", "Grafika"})
        pridej(&okno, "Pidatpozici1", QString::fromLatin1(text));
    QTest::mouseClick(s->viewport(), Qt::LeftButton, {},
                      s->visualItemRect(s->topLevelItem(0)).center());
    QCOMPARE(s->selectedItems(), QList<QTreeWidgetItem*>{s->topLevelItem(0)});

    const QPoint grafika = s->visualItemRect(s->topLevelItem(1)).center();
    QTest::mouseClick(s->viewport(), Qt::RightButton, {}, grafika);
    QContextMenuEvent menu(QContextMenuEvent::Mouse, grafika, s->viewport()->mapToGlobal(grafika));
    QApplication::sendEvent(s->viewport(), &menu);
    auto* popup = najdi<QMenu>(&okno, "PopupMenu6");
    QVERIFY(popup->isVisible());
    popup->close();
    QCOMPARE(s->selectedItems(), QList<QTreeWidgetItem*>{s->topLevelItem(0)});

    for (const char* text : {"A", "", "A"})
        QVERIFY(pridej(&okno, "Pidatosobu1", QString::fromLatin1(text)).otevren);
    QCOMPARE(obsahStromu(s), (QStringList{"Programovani", "  A", "  ", "  A", "Grafika"}));
    QVERIFY(s->topLevelItem(0)->isExpanded());
    QCOMPARE(s->selectedItems(), QList<QTreeWidgetItem*>{s->topLevelItem(0)});
    QVERIFY(okno.JePozice(s->topLevelItem(1)));
    QVERIFY(hlaseni.zpravy.empty());
}

// Renaming in place takes the typed text with no uniqueness check.
void TestZalozkaTitulky::prejmenovaniNaMiste() {
    THlavni okno;
    najdi<QTabWidget>(&okno, "PageControl1")->setCurrentIndex(3);
    okno.show();
    QVERIFY(QTest::qWaitForWindowExposed(&okno));
    QTreeWidget* s = strom(&okno);
    for (const char* text : {"P", "Q"})
        pridej(&okno, "Pidatpozici1", QString::fromLatin1(text));
    s->setCurrentItem(s->topLevelItem(1));
    QTest::keyClick(s, Qt::Key_F2);
    auto* editor = s->findChild<QLineEdit*>();
    QVERIFY(editor);
    editor->setText(QStringLiteral("P"));
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_COMPARE(obsahStromu(s), (QStringList{"P", "P"}));
}

void TestZalozkaTitulky::generovani() {
    THlavni okno;
    ZachyceniHlaseni hlaseni;
    const char* panely[] = {"RichEdit16", "RichEdit22", "RichEdit18"};
    for (const char* p : panely)
        najdi<QPlainTextEdit>(&okno, p)->setPlainText(QStringLiteral("dřív"));
    QTest::mouseClick(najdi<QPushButton>(&okno, "sButton4"), Qt::LeftButton);
    QCOMPARE(hlaseni.zpravy.size(), std::size_t(1));
    QCOMPARE(hlaseni.zpravy[0].second, QStringLiteral("Musíte vytvořit pozici!"));
    for (const char* p : panely)
        QCOMPARE(textPanelu(&okno, p), QStringLiteral("dřív"));

    pridej(&okno, "Pidatpozici1", QStringLiteral("Programovani"));
    strom(&okno)->topLevelItem(0)->setSelected(true);
    pridej(&okno, "Pidatosobu1", QStringLiteral("A"));
    pridej(&okno, "Pidatosobu1", QStringLiteral("B"));
    for (int i = 0; i < 2; ++i)
        QTest::mouseClick(najdi<QPushButton>(&okno, "sButton4"), Qt::LeftButton);
    QCOMPARE(hlaseni.zpravy.size(), std::size_t(1));
    QCOMPARE(textPanelu(&okno, "RichEdit16"),
             QStringLiteral("alarm[0] = room_speed/12\nProgramovani = 640\nA = 660\nB = 680"));
    QCOMPARE(textPanelu(&okno, "RichEdit22"),
             QStringLiteral("alarm[0] = room_speed/12\nProgramovani -= 7\nA -= 7\nB -= 7"));
    QCOMPARE(
        textPanelu(&okno, "RichEdit18"),
        QStringLiteral("if(Programovani > 0)draw_text_color(250,Programovani,\"Programovani\","
                       "c_red,c_red,c_red,c_red,true)\n"
                       "if(A > 0)draw_text_color(250,A,\"A\",c_aqua,c_aqua,c_aqua,c_aqua,true)\n"
                       "if(B > 0)draw_text_color(250,B,\"B\",c_aqua,c_aqua,c_aqua,c_aqua,true)"));
}

void TestZalozkaTitulky::smer_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("vybrano");
    QTest::addColumn<QString>("vysledek");
    QTest::addRow("down typed") << "dolů" << false << "dolů";
    QTest::addRow("down picked") << "dolů" << true << "dolů";
    QTest::addRow("up picked") << "nahoru" << true << "nahoru";
    QTest::addRow("other case") << "Dolů" << false << "nahoru";
    QTest::addRow("no diacritics") << "dolu" << false << "nahoru";
    QTest::addRow("emptied") << "" << false << "nahoru";
}

void TestZalozkaTitulky::smer() {
    QFETCH(QString, text);
    QFETCH(bool, vybrano);
    QFETCH(QString, vysledek);
    THlavni okno;
    auto* box = najdi<QComboBox>(&okno, "sComboBox2");
    vyberZeSeznamu(box, QStringLiteral("dolů"));
    if (vybrano)
        vyberZeSeznamu(box, text);
    else
        vlozText(box, text);
    QCOMPARE(box->currentText(), vysledek);
}

// The guard restores the name last picked; a listed name pasted whole stays in the box and is
// what the script gets, while the swatch and the remembered name keep the last pick.
void TestZalozkaTitulky::barvy() {
    THlavni okno;
    auto* pozice = najdi<QComboBox>(&okno, "sComboBox3");
    auto* osoby = najdi<QComboBox>(&okno, "sComboBox4");

    vlozText(pozice, QStringLiteral("C_RED"));
    QCOMPARE(pozice->currentText(), QStringLiteral("c_red"));
    QTest::keyClick(osoby->lineEdit(), Qt::Key_Backspace);
    QCOMPARE(osoby->currentText(), QStringLiteral("c_aqua"));

    vyberZeSeznamu(pozice, QStringLiteral("c_navy"));
    vlozText(pozice, QStringLiteral("c_blue"));
    QCOMPARE(pozice->currentText(), QStringLiteral("c_blue"));
    QCOMPARE(barvaVzorku(&okno, "Image1"), QColor(0, 0, 128));

    strom(&okno)->addTopLevelItem(new QTreeWidgetItem(QStringList{"P"}));
    QTest::mouseClick(najdi<QPushButton>(&okno, "sButton4"), Qt::LeftButton);
    QVERIFY(textPanelu(&okno, "RichEdit18")
                .endsWith(QStringLiteral("c_blue,c_blue,c_blue,c_blue,true)")));

    QTest::keyClick(pozice->lineEdit(), Qt::Key_X);
    QCOMPARE(pozice->currentText(), QStringLiteral("c_navy"));
    QCOMPARE(osoby->currentText(), QStringLiteral("c_aqua"));
    QCOMPARE(barvaVzorku(&okno, "Image2"), QColor(0, 255, 255));
}

void TestZalozkaTitulky::barvyVzorku_data() {
    QTest::addColumn<QString>("jmeno");
    QTest::addColumn<QColor>("barva");
    QTest::addRow("dark grey as grey") << "c_dkgray" << QColor(128, 128, 128);
    QTest::addRow("grey") << "c_gray" << QColor(128, 128, 128);
    QTest::addRow("light grey as silver") << "c_ltgray" << QColor(192, 192, 192);
    QTest::addRow("silver") << "c_silver" << QColor(192, 192, 192);
    QTest::addRow("olive") << "c_olive" << QColor(128, 128, 0);
    QTest::addRow("black") << "c_black" << QColor(0, 0, 0);
}

void TestZalozkaTitulky::barvyVzorku() {
    QFETCH(QString, jmeno);
    QFETCH(QColor, barva);
    THlavni okno;
    for (const auto& [box, vzorek] :
         {std::pair{"sComboBox3", "Image1"}, {"sComboBox4", "Image2"}}) {
        vyberZeSeznamu(najdi<QComboBox>(&okno, box), jmeno);
        QCOMPARE(barvaVzorku(&okno, vzorek), barva);
        QCOMPARE(barvaVzorku(&okno, vzorek, {0, 10}), QColor(Qt::black));
        QCOMPARE(barvaVzorku(&okno, vzorek, {1, 10}), barva);
    }
}

// Hidden font controls keep their values; only a ticked switch feeds its font to the script.
void TestZalozkaTitulky::pisma() {
    THlavni okno;
    auto* spinac = najdi<QCheckBox>(&okno, "sCheckBox2");
    QTest::mouseClick(spinac, Qt::LeftButton);
    for (const char* jmeno : {"sEdit22", "sCheckBox4", "sCheckBox6", "sEdit24"})
        QVERIFY2(!najdi<QWidget>(&okno, jmeno)->isHidden(), jmeno);
    QVERIFY(najdi<QWidget>(&okno, "sEdit21")->isHidden());
    najdi<QLineEdit>(&okno, "sEdit22")->setText(QStringLiteral("12"));
    najdi<QCheckBox>(&okno, "sCheckBox6")->setChecked(true);

    strom(&okno)->addTopLevelItem(new QTreeWidgetItem(QStringList{"P"}));
    strom(&okno)->topLevelItem(0)->addChild(new QTreeWidgetItem(QStringList{"O"}));
    auto* tlacitko = najdi<QPushButton>(&okno, "sButton4");
    QTest::mouseClick(tlacitko, Qt::LeftButton);
    QCOMPARE(textPanelu(&okno, "RichEdit16").split('\n').at(1),
             QStringLiteral("fontik2 = font_add(\"Arial\",12,0,-1,0,180)"));
    QCOMPARE(textPanelu(&okno, "RichEdit18").split('\n').at(1),
             QStringLiteral("draw_set_font(fontik2)"));

    QTest::mouseClick(spinac, Qt::LeftButton);
    QVERIFY(najdi<QWidget>(&okno, "sEdit22")->isHidden());
    QTest::mouseClick(tlacitko, Qt::LeftButton);
    QVERIFY(!textPanelu(&okno, "RichEdit16").contains(QStringLiteral("font")));
    QTest::mouseClick(spinac, Qt::LeftButton);
    QCOMPARE(najdi<QLineEdit>(&okno, "sEdit22")->text(), QStringLiteral("12"));
    QVERIFY(najdi<QCheckBox>(&okno, "sCheckBox6")->isChecked());
}

QTEST_MAIN(TestZalozkaTitulky)
#include "test_zalozka_titulky.moc"
