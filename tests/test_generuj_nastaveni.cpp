#include "generators/explode.h"
#include "generators/generuj_nastaveni.h"
#include "popis_puvodu.h"

#include <QTest>

using generatory::GenerujNastaveni;
using generatory::PolozkaNastaveni;
using generatory::Skript;

using Polozky = std::vector<PolozkaNastaveni>;
Q_DECLARE_METATYPE(Polozky)

namespace {

using Radky = std::vector<std::string>;

const std::string sep = "//---------------------------------------------------------";

PolozkaNastaveni zvuk() {
    return {"Zvuk", "200", "150", "ano;ne", "global.zvuk = 1;global.zvuk = 0"};
}

// "h1;h2;…" with v values and "a1;a2;…" with a actions.
std::string cisla(char pismeno, int pocet) {
    std::string text;
    for (int i = 1; i <= pocet; ++i)
        text += (i > 1 ? ";" : "") + std::string(1, pismeno) + std::to_string(i);
    return text;
}

// The right-key and left-key blocks of the only entry of a one-entry script.
Radky vyrez(const Radky& radky, std::size_t od, std::size_t pocet) {
    return {radky.begin() + static_cast<std::ptrdiff_t>(od),
            radky.begin() + static_cast<std::ptrdiff_t>(od + pocet)};
}

} // namespace

class TestGenerujNastaveni : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void explode_data();
    void explode();
    void zvuk_celyText();
    void dvePolozky_pocty();
    void pocty_data();
    void pocty();
    void tvaryJednePolozky_data();
    void tvaryJednePolozky();
    void prazdnySeznam_odmitnuti();
    void polozkaBezAkce_odmitnutiPredPsanim();
    void neciselneX_data();
    void neciselneX();
    void x180_data();
    void x180();
    void puvod_data();
    void puvod();
};

void TestGenerujNastaveni::explode_data() {
    QTest::addColumn<QString>("oddelovac");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("kusy");
    QTest::addRow("prazdny text") << ";"
                                  << "" << QStringList{};
    QTest::addRow("dve hodnoty") << ";"
                                 << "ano;ne" << QStringList{"ano", "ne"};
    QTest::addRow("bez oddelovace") << ";"
                                    << "ano" << QStringList{"ano"};
    QTest::addRow("oddelovac na konci") << ";"
                                        << "ano;" << QStringList{"ano"};
    QTest::addRow("oddelovac na zacatku") << ";"
                                          << ";ano" << QStringList{"", "ano"};
    QTest::addRow("zdvojeny oddelovac") << ";"
                                        << "ano;;ne" << QStringList{"ano", "", "ne"};
    QTest::addRow("jen oddelovac") << ";"
                                   << ";" << QStringList{""};
    QTest::addRow("mezery zustanou") << ";"
                                     << " a ; b " << QStringList{" a ", " b "};
    QTest::addRow("dvouznakovy oddelovac") << "::"
                                           << "a::b:c::" << QStringList{"a", "b:c"};
    QTest::addRow("prazdny oddelovac") << ""
                                       << "a;b" << QStringList{"a;b"};
}

void TestGenerujNastaveni::explode() {
    QFETCH(QString, oddelovac);
    QFETCH(QString, text);
    QFETCH(QStringList, kusy);
    Radky ocekavane;
    for (const QString& kus : kusy)
        ocekavane.push_back(kus.toStdString());
    QCOMPARE(generatory::Explode(oddelovac.toStdString(), text.toStdString()), ocekavane);
}

void TestGenerujNastaveni::zvuk_celyText() {
    const Skript s = GenerujNastaveni({zvuk()});
    QVERIFY(!s.odmitnuti);
    QVERIFY(!s.chyba);
    QCOMPARE(s.create, (Radky{sep, "nastav_vybrany = 1", "barva_1 = c_yellow", sep,
                              "vybrana_hodnota[0] = 1", sep}));
    QCOMPARE(s.step,
             (Radky{
                 sep,
                 "if(keyboard_check_pressed(vk_down)){",
                 "if(nastav_vybrany < 1){",
                 " nastav_vybrany += 1",
                 "} else {",
                 " nastav_vybrany = 1",
                 " barva_1 = c_yellow",
                 " barva_1 = c_white",
                 "}",
                 "}",
                 sep,
                 "if(keyboard_check_pressed(vk_up)){",
                 "if(nastav_vybrany > 1){",
                 " nastav_vybrany -= 1",
                 "} else {",
                 " nastav_vybrany = 1",
                 " barva_1 = c_white",
                 " barva_1 = c_yellow",
                 "}",
                 "}",
                 sep,
                 "if(keyboard_check_pressed(vk_right)){",
                 "if(nastav_vybrany == 1){",
                 "  if(vybrana_hodnota[0] < 2){",
                 "   vybrana_hodnota[0] += 1",
                 "if(nastav_vybrany == 1)   if(vybrana_hodnota[0] == 1){global.zvuk = 1} else",
                 "   if(nastav_vybrany == 1)if(vybrana_hodnota[0] == 2)global.zvuk = 0",
                 " } else {",
                 "   vybrana_hodnota[0] = 1",
                 "   global.zvuk = 1",
                 "}",
                 "}",
                 "}",
                 sep,
                 "if(keyboard_check_pressed(vk_left)){",
                 "if(nastav_vybrany == 1){",
                 "  if(vybrana_hodnota[0] > 1){",
                 "   vybrana_hodnota[0] -= 1",
                 "   if(vybrana_hodnota[0] == 1){global.zvuk = 1}",
                 " } else {",
                 "   vybrana_hodnota[0] = 2",
                 "   global.zvuk = 0",
                 "}",
                 "}",
                 "}",
             }));
    QCOMPARE(s.step.size(), 45u);
    QCOMPARE(
        s.draw,
        (Radky{sep, "draw_text_color(200,150,\"Zvuk\",barva_1,barva_1,barva_1,barva_1,true)", sep,
               "if(vybrana_hodnota[0] == 1){",
               "draw_text_color(380,150,\"ano\",barva_1,barva_1,barva_1,barva_1,true)", "} else",
               "if(vybrana_hodnota[0] == 2){",
               "draw_text_color(380,150,\"ne\",barva_1,barva_1,barva_1,barva_1,true)", "}", sep}));
}

void TestGenerujNastaveni::dvePolozky_pocty() {
    const Skript s =
        GenerujNastaveni({zvuk(), {"Obtiznost", "200", "180", "lehka;stredni;tezka", "a;b;c"}});
    QCOMPARE(s.create.size(), 8u);
    QCOMPARE(s.step.size(), 74u);
    QCOMPARE(s.draw.size(), 20u);
}

void TestGenerujNastaveni::pocty_data() {
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("v");
    QTest::addColumn<int>("a");
    for (int n = 1; n <= 3; ++n)
        for (int v = 0; v <= 4; ++v)
            for (int a = 1; a <= 4; ++a)
                QTest::addRow("N%d V%d A%d", n, v, a) << n << v << a;
}

// Every entry of the row has the same shape; the counts are the closed forms of the tables.
void TestGenerujNastaveni::pocty() {
    QFETCH(int, n);
    QFETCH(int, v);
    QFETCH(int, a);
    const std::vector<PolozkaNastaveni> polozky(static_cast<std::size_t>(n),
                                                {"P", "10", "20", cisla('h', v), cisla('a', a)});
    const Skript s = GenerujNastaveni(polozky);
    QVERIFY(!s.odmitnuti);
    QVERIFY(!s.chyba);
    const int l = v == 1 ? a : v >= 2 ? std::min(a, v - 1) : 0;
    QCOMPARE(static_cast<int>(s.create.size()), 2 * n + 4);
    QCOMPARE(static_cast<int>(s.step.size()), 26 + 8 * (n - 1) + n * (16 + a + l));
    QCOMPARE(static_cast<int>(s.draw.size()), n + 3 + 3 * n * v);
    if (n == 3) {
        QCOMPARE(s.create[3], std::string("barva_2 = c_white"));
        QCOMPARE(vyrez(s.step, 2, 10),
                 (Radky{"if(nastav_vybrany < 3){", " nastav_vybrany += 1",
                        " if(nastav_vybrany == 2){", "   barva_1 = c_white",
                        "   barva_2 = c_yellow", " }", " if(nastav_vybrany == 3){",
                        "   barva_2 = c_white", "   barva_3 = c_yellow", " }"}));
        QCOMPARE(vyrez(s.step, 22, 12),
                 (Radky{" if(nastav_vybrany == 1){", "   barva_2 = c_white",
                        "   barva_1 = c_yellow", " }", " if(nastav_vybrany == 2){",
                        "   barva_3 = c_white", "   barva_2 = c_yellow", " }", "} else {",
                        " nastav_vybrany = 3", " barva_1 = c_white", " barva_3 = c_yellow"}));
    }
}

void TestGenerujNastaveni::tvaryJednePolozky_data() {
    QTest::addColumn<QString>("hodnoty");
    QTest::addColumn<QString>("akce");
    QTest::addColumn<QStringList>("vpravo");
    QTest::addColumn<QStringList>("vlevo");
    QTest::addColumn<QStringList>("draw");
    const QString d =
        QStringLiteral("draw_text_color(5,7,\"%1\",barva_1,barva_1,barva_1,barva_1,true)");

    QTest::addRow("V0 bez hodnot")
        << ""
        << "a1;a2"
        << QStringList{"if(nastav_vybrany == 1){",
                       " if(vybrana_hodnota[0] < 0){",
                       "   vybrana_hodnota[0] += 1",
                       "   if(nastav_vybrany == 1)if(vybrana_hodnota[0] == 1)a1",
                       "   if(nastav_vybrany == 1)if(vybrana_hodnota[0] == 2)a2",
                       " } else {",
                       "   vybrana_hodnota[0] = 1",
                       "   a1",
                       "}",
                       "}"}
        << QStringList{"if(nastav_vybrany == 1){",
                       " if(vybrana_hodnota[0] < 0){",
                       "   vybrana_hodnota[0] -= 1",
                       " } else {",
                       "   vybrana_hodnota[0] = 0",
                       "   a2",
                       "}",
                       "}"}
        << QStringList{};
    QTest::addRow("V1 jedna hodnota, dve akce")
        << "h"
        << "a1;a2"
        << QStringList{"if(nastav_vybrany == 1){",
                       "  if(vybrana_hodnota[0] < 1){",
                       "   vybrana_hodnota[0] += 1",
                       "if(nastav_vybrany == 1)if(vybrana_hodnota[0] == 1)a1",
                       "if(nastav_vybrany == 1)if(vybrana_hodnota[0] == 2)a2",
                       " } else {",
                       "   vybrana_hodnota[0] = 1",
                       "   a1",
                       "}",
                       "}"}
        << QStringList{"if(nastav_vybrany == 1){",
                       "  if(vybrana_hodnota[0] > 1){",
                       "   vybrana_hodnota[0] -= 1",
                       "   if(vybrana_hodnota[0] == 1)a1",
                       "   if(vybrana_hodnota[0] == 2)a2",
                       " } else {",
                       "   vybrana_hodnota[0] = 1",
                       "   a2",
                       "}",
                       "}"}
        << QStringList{"if(vybrana_hodnota[0] == 1){", d.arg("h"), "}"};
    QTest::addRow("A<V mene akci nez hodnot")
        << "h1;h2;h3;h4"
        << "a1;a2"
        << QStringList{"if(nastav_vybrany == 1){",
                       "  if(vybrana_hodnota[0] < 4){",
                       "   vybrana_hodnota[0] += 1",
                       "if(nastav_vybrany == 1)   if(vybrana_hodnota[0] == 1){a1} else",
                       "if(nastav_vybrany == 1)   if(vybrana_hodnota[0] == 2){a2} else",
                       " } else {",
                       "   vybrana_hodnota[0] = 1",
                       "   a1",
                       "}",
                       "}"}
        << QStringList{"if(nastav_vybrany == 1){",
                       "  if(vybrana_hodnota[0] > 1){",
                       "   vybrana_hodnota[0] -= 1",
                       "   if(vybrana_hodnota[0] == 1){a1} else",
                       "   if(vybrana_hodnota[0] == 2){a2} else",
                       " } else {",
                       "   vybrana_hodnota[0] = 4",
                       "   a2",
                       "}",
                       "}"}
        << QStringList{"if(vybrana_hodnota[0] == 1){", d.arg("h1"), "} else",
                       "if(vybrana_hodnota[0] == 2){", d.arg("h2"), "} else",
                       "if(vybrana_hodnota[0] == 3){", d.arg("h3"), "} else",
                       "if(vybrana_hodnota[0] == 4){", d.arg("h4"), "}"};
    QTest::addRow("A>V vice akci nez hodnot, prazdna hodnota")
        << ";h2;"
        << "a1;a2;a3"
        << QStringList{"if(nastav_vybrany == 1){",
                       "  if(vybrana_hodnota[0] < 2){",
                       "   vybrana_hodnota[0] += 1",
                       "if(nastav_vybrany == 1)   if(vybrana_hodnota[0] == 1){a1} else",
                       "   if(nastav_vybrany == 1)if(vybrana_hodnota[0] == 2)a2",
                       "   if(nastav_vybrany == 1)if(vybrana_hodnota[0] == 3)a3",
                       " } else {",
                       "   vybrana_hodnota[0] = 1",
                       "   a1",
                       "}",
                       "}"}
        << QStringList{"if(nastav_vybrany == 1){",
                       "  if(vybrana_hodnota[0] > 1){",
                       "   vybrana_hodnota[0] -= 1",
                       "   if(vybrana_hodnota[0] == 1){a1}",
                       " } else {",
                       "   vybrana_hodnota[0] = 2",
                       "   a3",
                       "}",
                       "}"}
        << QStringList{"if(vybrana_hodnota[0] == 1){", d.arg(""),   "} else",
                       "if(vybrana_hodnota[0] == 2){", d.arg("h2"), "}"};
}

void TestGenerujNastaveni::tvaryJednePolozky() {
    QFETCH(QString, hodnoty);
    QFETCH(QString, akce);
    QFETCH(QStringList, vpravo);
    QFETCH(QStringList, vlevo);
    QFETCH(QStringList, draw);
    const auto radky = [](const QStringList& seznam) {
        Radky r;
        for (const QString& s : seznam)
            r.push_back(s.toStdString());
        return r;
    };
    const Skript s =
        GenerujNastaveni({{"P", "-175", "7", hodnoty.toStdString(), akce.toStdString()}});
    QVERIFY(!s.chyba);
    // One entry: 22 fixed lines come before the right-key block, 3 between it and the left one.
    QCOMPARE(vyrez(s.step, 22, static_cast<std::size_t>(vpravo.size())), radky(vpravo));
    QCOMPARE(vyrez(s.step, 25 + static_cast<std::size_t>(vpravo.size()),
                   static_cast<std::size_t>(vlevo.size())),
             radky(vlevo));
    QCOMPARE(s.step.size(), 26 + static_cast<std::size_t>(vpravo.size() + vlevo.size()));
    QCOMPARE(vyrez(s.draw, 3, static_cast<std::size_t>(draw.size())), radky(draw));
    QCOMPARE(s.draw.size(), 4 + static_cast<std::size_t>(draw.size()));
}

void TestGenerujNastaveni::prazdnySeznam_odmitnuti() {
    const Skript s = GenerujNastaveni({});
    QCOMPARE(s.odmitnuti, std::optional<std::string>("Nejsou vytvořené žádné položky!"));
    QVERIFY(s.create.empty() && s.step.empty() && s.draw.empty());
}

void TestGenerujNastaveni::polozkaBezAkce_odmitnutiPredPsanim() {
    PolozkaNastaveni bezAkce{"Hudba", "x", "180", "", ""};
    const Skript s = GenerujNastaveni({zvuk(), bezAkce, bezAkce});
    QCOMPARE(s.odmitnuti, std::optional<std::string>("Položka č. 2 „Hudba“ nemá žádnou akci!"));
    QVERIFY(!s.chyba);
    QVERIFY(s.create.empty() && s.step.empty() && s.draw.empty());
}

void TestGenerujNastaveni::neciselneX_data() {
    QTest::addColumn<QString>("x");
    QTest::addRow("pismena") << "abc";
    QTest::addRow("prazdne") << "";
    QTest::addRow("mimo rozsah") << "2147483648";
}

void TestGenerujNastaveni::neciselneX() {
    QFETCH(QString, x);
    const std::string text = x.toStdString();
    // The first entry has no values, so its non-numeric x is only copied.
    const Skript s = GenerujNastaveni(
        {{"Bez", "nic", "1", "", "a"}, {"Hudba", text, "180", "ano;ne", "b;c"}, zvuk()});
    QVERIFY(s.chyba);
    QCOMPARE(s.chyba->zprava, "''" + text + "'' is not a valid integer value");
    QCOMPARE(s.create.size(), 10u);
    QCOMPARE(s.step.back(), std::string("}"));
    QCOMPARE(
        s.draw,
        (Radky{sep, "draw_text_color(nic,1,\"Bez\",barva_1,barva_1,barva_1,barva_1,true)",
               "draw_text_color(" + text + ",180,\"Hudba\",barva_2,barva_2,barva_2,barva_2,true)",
               "draw_text_color(200,150,\"Zvuk\",barva_3,barva_3,barva_3,barva_3,true)", sep,
               "if(vybrana_hodnota[1] == 1){"}));
}

void TestGenerujNastaveni::x180_data() {
    QTest::addColumn<QString>("x");
    QTest::addColumn<QString>("radek");
    QTest::addRow("zaporne") << "-200"
                             << "draw_text_color(-20,";
    QTest::addRow("mezery a hex") << "  $10"
                                  << "draw_text_color(196,";
    QTest::addRow("horni mez") << "2147483647"
                               << "draw_text_color(2147483827,";
    QTest::addRow("dolni mez") << "-2147483648"
                               << "draw_text_color(-2147483468,";
}

void TestGenerujNastaveni::x180() {
    QFETCH(QString, x);
    QFETCH(QString, radek);
    const Skript s = GenerujNastaveni({{"P", x.toStdString(), "9", "a", "b"}});
    QVERIFY(!s.chyba);
    QCOMPARE(s.draw[1], "draw_text_color(" + x.toStdString() +
                            ",9,\"P\",barva_1,barva_1,barva_1,barva_1,true)");
    QCOMPARE(s.draw[4], radek.toStdString() + "9,\"a\",barva_1,barva_1,barva_1,barva_1,true)");
}

void TestGenerujNastaveni::puvod_data() {
    QTest::addColumn<Polozky>("polozky");
    QTest::addColumn<QStringList>("puvod");

    QTest::addRow("one entry, two values")
        << Polozky{zvuk()}
        << QStringList{"", "0 název", "", "", "0 hodnota", "", "", "0 hodnota", "", ""};
    QTest::addRow("second entry without values")
        << Polozky{{"A", "10", "20", "a", "x"}, {"B", "room_width/2", "40", "", "y"}}
        << QStringList{"", "0 název", "1 název", "", "", "0 hodnota", "", ""};
    QTest::addRow("stopped at the second entry's x")
        << Polozky{{"A", "10", "20", "a", "x"}, {"B", "abc", "40", "b;c", "y"}, zvuk()}
        << QStringList{"", "0 název", "1 název", "2 název", "", "", "0 hodnota", "", ""};
    QTest::addRow("refused") << Polozky{} << QStringList{};
}

// A name is placed by its entry's x and y; a value text by the same fields, 180 to the right.
void TestGenerujNastaveni::puvod() {
    QFETCH(Polozky, polozky);
    QFETCH(QStringList, puvod);
    const Skript s = GenerujNastaveni(polozky);
    QCOMPARE(PopisPuvodu(s), puvod);
    QCOMPARE(s.puvod.size(), s.draw.size());
}

QTEST_APPLESS_MAIN(TestGenerujNastaveni)
#include "test_generuj_nastaveni.moc"
