#include "generators/generuj_menu.h"
#include "generators/nove_vstupy.h"
#include "popis_puvodu.h"

#include <QTest>

#include <algorithm>

using generatory::GenerujMenu;
using generatory::Skript;
using generatory::VstupMenu;

namespace {

using Radky = std::vector<std::string>;

} // namespace

class TestGenerujMenu : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void startovniHodnoty_celyText();
    void pocty_data();
    void pocty();
    void neciselnyPocet();
    void textPolozkyBezUprav();
    void puvod_data();
    void puvod();
};

void TestGenerujMenu::startovniHodnoty_celyText() {
    const Skript s = GenerujMenu(generatory::NoveMenu());
    QVERIFY(!s.chyba);
    QCOMPARE(s.create, (Radky{"global.m_vybrany = 1", "barva_1 = c_yellow", "barva_2 = c_white",
                              "barva_3 = c_white", "barva_4 = c_white", "barva_5 = c_white"}));
    QCOMPARE(s.draw,
             (Radky{"draw_text_color(250,150,\"Nova hra\",barva_1,barva_1,barva_1,barva_1,true)",
                    "draw_text_color(250,180,\"\",barva_2,barva_2,barva_2,barva_2,true)",
                    "draw_text_color(250,210,\"\",barva_3,barva_3,barva_3,barva_3,true)",
                    "draw_text_color(250,240,\"\",barva_4,barva_4,barva_4,barva_4,true)",
                    "draw_text_color(250,270,\"\",barva_5,barva_5,barva_5,barva_5,true)"}));
    QCOMPARE(s.step, (Radky{
                         "if(keyboard_check_pressed(vk_down)){",
                         " if(global.m_vybrany < 5){",
                         "   if(global.m_vybrany < 5)global.m_vybrany += 1",
                         "   if(global.m_vybrany == 2){",
                         "     barva_2 = c_yellow",
                         "     barva_1 = c_white",
                         "   }",
                         "   if(global.m_vybrany == 3){",
                         "     barva_3 = c_yellow",
                         "     barva_2 = c_white",
                         "   }",
                         "   if(global.m_vybrany == 4){",
                         "     barva_4 = c_yellow",
                         "     barva_3 = c_white",
                         "   }",
                         "   if(global.m_vybrany == 5){",
                         "     barva_5 = c_yellow",
                         "     barva_4 = c_white",
                         "   }",
                         " }",
                         "}",
                         "if(keyboard_check_pressed(vk_up)){",
                         " if(global.m_vybrany > 1){",
                         "   global.m_vybrany -= 1",
                         "   if(global.m_vybrany == 1){",
                         "     barva_1 = c_yellow",
                         "     barva_2 = c_white",
                         "   }",
                         "   if(global.m_vybrany == 2){",
                         "     barva_2 = c_yellow",
                         "     barva_3 = c_white",
                         "   }",
                         "   if(global.m_vybrany == 3){",
                         "     barva_3 = c_yellow",
                         "     barva_4 = c_white",
                         "   }",
                         "   if(global.m_vybrany == 4){",
                         "     barva_4 = c_yellow",
                         "     barva_5 = c_white",
                         "   }",
                         " }",
                         "}",
                         "if(keyboard_check_pressed(vk_enter)){",
                         " if(global.m_vybrany == 1)room_goto(novahra)",
                         " if(global.m_vybrany == 2)",
                         " if(global.m_vybrany == 3)",
                         " if(global.m_vybrany == 4)",
                         " if(global.m_vybrany == 5)",
                         "}",
                     }));
}

void TestGenerujMenu::pocty_data() {
    QTest::addColumn<QString>("pocet");
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("step");

    QTest::addRow("zero") << "0" << 0 << 12;
    QTest::addRow("negative") << "-2" << -2 << 12;
    QTest::addRow("double zero") << "00" << 0 << 12;
    QTest::addRow("one") << "1" << 1 << 13;
    QTest::addRow("two") << "2" << 2 << 22;
    QTest::addRow("three") << "3" << 3 << 31;
    QTest::addRow("blank then three") << " 3" << 3 << 31;
    QTest::addRow("dollar three") << "$3" << 3 << 31;
    QTest::addRow("0x three") << "0x3" << 3 << 31;
    QTest::addRow("four") << "4" << 4 << 40;
    QTest::addRow("seven") << "7" << 7 << 49;
    QTest::addRow("int max") << "2147483647" << 2147483647 << 49;
}

// The Step pane is the 49-line template filtered by its gates, with the count text as typed.
void TestGenerujMenu::pocty() {
    QFETCH(QString, pocet);
    QFETCH(int, n);
    QFETCH(int, step);

    const std::string c = pocet.toStdString();
    const std::vector<std::pair<int, std::string>> sablona{
        {-1, "if(keyboard_check_pressed(vk_down)){"},
        {-1, " if(global.m_vybrany < " + c + "){"},
        {-1, "   if(global.m_vybrany < " + c + ")global.m_vybrany += 1"},
        {1, "   if(global.m_vybrany == 2){"},
        {1, "     barva_2 = c_yellow"},
        {1, "     barva_1 = c_white"},
        {1, "   }"},
        {2, "   if(global.m_vybrany == 3){"},
        {2, "     barva_3 = c_yellow"},
        {2, "     barva_2 = c_white"},
        {2, "   }"},
        {3, "   if(global.m_vybrany == 4){"},
        {3, "     barva_4 = c_yellow"},
        {3, "     barva_3 = c_white"},
        {3, "   }"},
        {4, "   if(global.m_vybrany == 5){"},
        {4, "     barva_5 = c_yellow"},
        {4, "     barva_4 = c_white"},
        {4, "   }"},
        {-1, " }"},
        {-1, "}"},
        {-1, "if(keyboard_check_pressed(vk_up)){"},
        {-1, " if(global.m_vybrany > 1){"},
        {-1, "   global.m_vybrany -= 1"},
        {1, "   if(global.m_vybrany == 1){"},
        {1, "     barva_1 = c_yellow"},
        {1, "     barva_2 = c_white"},
        {1, "   }"},
        {2, "   if(global.m_vybrany == 2){"},
        {2, "     barva_2 = c_yellow"},
        {2, "     barva_3 = c_white"},
        {2, "   }"},
        {3, "   if(global.m_vybrany == 3){"},
        {3, "     barva_3 = c_yellow"},
        {3, "     barva_4 = c_white"},
        {3, "   }"},
        {4, "   if(global.m_vybrany == 4){"},
        {4, "     barva_4 = c_yellow"},
        {4, "     barva_5 = c_white"},
        {4, "   }"},
        {-1, " }"},
        {-1, "}"},
        {-1, "if(keyboard_check_pressed(vk_enter)){"},
        {0, " if(global.m_vybrany == 1)a1"},
        {1, " if(global.m_vybrany == 2)a2"},
        {2, " if(global.m_vybrany == 3)a3"},
        {3, " if(global.m_vybrany == 4)a4"},
        {4, " if(global.m_vybrany == 5)a5"},
        {-1, "}"}};
    QCOMPARE(int(sablona.size()), 49);

    VstupMenu vstup;
    vstup.pocet = c;
    for (std::size_t k = 0; k < 5; ++k)
        vstup.radky[k] = {"t" + std::to_string(k + 1), "x", "y", "a" + std::to_string(k + 1)};
    const Skript s = GenerujMenu(vstup);
    QVERIFY(!s.chyba);

    Radky ocekavane;
    for (const auto& [brana, radek] : sablona)
        if (brana < 0 || n > brana)
            ocekavane.push_back(radek);
    QCOMPARE(s.step, ocekavane);
    QCOMPARE(int(s.step.size()), step);

    const int polozek = std::clamp(n, 0, 5);
    QCOMPARE(int(s.create.size()), 1 + polozek);
    QCOMPARE(int(s.draw.size()), polozek);
}

void TestGenerujMenu::neciselnyPocet() {
    for (const char* pocet : {"", "abc", "5a", "99999999999"}) {
        VstupMenu vstup = generatory::NoveMenu();
        vstup.pocet = pocet;
        const Skript s = GenerujMenu(vstup);
        QVERIFY(s.chyba);
        QCOMPARE(s.chyba->zprava, "''" + vstup.pocet + "'' is not a valid integer value");
        QCOMPARE(s.create, Radky{"global.m_vybrany = 1"});
        QVERIFY(s.step.empty());
        QVERIFY(s.draw.empty());
    }
}

void TestGenerujMenu::textPolozkyBezUprav() {
    VstupMenu vstup = generatory::NoveMenu();
    vstup.pocet = "1";
    vstup.radky[0] = {"Řekni \"ahoj\" ", " 1 ", "x+2", "game_end();"};
    const Skript s = GenerujMenu(vstup);
    QCOMPARE(s.draw, Radky{"draw_text_color( 1 ,x+2,\"Řekni \"ahoj\" \",barva_1,barva_1,barva_1,"
                           "barva_1,true)"});
    QCOMPARE(s.step[s.step.size() - 2], std::string(" if(global.m_vybrany == 1)game_end();"));
}

void TestGenerujMenu::puvod_data() {
    QTest::addColumn<QString>("pocet");
    QTest::addColumn<QStringList>("puvod");

    const QStringList vsech{"0 název", "1 název", "2 název", "3 název", "4 název"};
    QTest::addRow("start values") << "5" << vsech;
    QTest::addRow("two items") << "2" << QStringList{"0 název", "1 název"};
    QTest::addRow("count above five") << "9" << vsech;
    QTest::addRow("no items") << "0" << QStringList{};
    QTest::addRow("count no number") << "abc" << QStringList{};
}

// Every Draw line is placed by its own row's x and y.
void TestGenerujMenu::puvod() {
    QFETCH(QString, pocet);
    QFETCH(QStringList, puvod);
    VstupMenu vstup = generatory::NoveMenu();
    vstup.pocet = pocet.toStdString();
    const Skript s = GenerujMenu(vstup);
    QCOMPARE(PopisPuvodu(s), puvod);
    QCOMPARE(s.puvod.size(), s.draw.size());
}

QTEST_APPLESS_MAIN(TestGenerujMenu)
#include "test_generuj_menu.moc"
