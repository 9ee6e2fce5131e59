#include "app/hlavni.h"
#include "pomocnici.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTreeWidget>

namespace {

QTreeWidget* strom(QObject* okno) {
    return najdi<QTreeWidget>(okno, "TreeView1");
}

// Replaces a box's whole text in one user edit, as a paste does.
void vlozText(QComboBox* box, const QString& text) {
    QLineEdit* pole = box->lineEdit();
    pole->selectAll();
    pole->insert(text);
    Q_EMIT pole->textEdited(pole->text());
}

QColor barvaVzorku(QObject* okno, const char* jmeno, QPoint bod = {9, 10}) {
    return najdi<QLabel>(okno, jmeno)->pixmap().toImage().pixelColor(bod);
}

} // namespace

class TestZalozkaTitulky : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void startovniStav();
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
    QCOMPARE(menu,
             (QStringList{"Přidat &pozici", "Přidat &osobu", "-", "&Upravit", "-", "&Smazat"}));

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

    auto* pozice = new QTreeWidgetItem(QStringList{"Programovani"});
    strom(&okno)->addTopLevelItem(pozice);
    pozice->addChildren(
        {new QTreeWidgetItem(QStringList{"A"}), new QTreeWidgetItem(QStringList{"B"})});
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
