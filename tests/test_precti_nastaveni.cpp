#include "generators/generuj_nastaveni.h"
#include "generators/precti_nastaveni.h"
#include "overeni_cteni.h"

#include <QTest>

#include <functional>

using generatory::Generator;
using generatory::GenerujNastaveni;
using generatory::Udalost;

namespace {

using Polozky = std::vector<generatory::PolozkaNastaveni>;

const Polozky dvePolozky{{"Zvuk", "200", "150", "ano;ne", "global.zvuk = 1;global.zvuk = 0"},
                         {"Hudba", "200", "180", "nahlas;potichu;vypnuto",
                          "global.hudba = 2;global.hudba = 1;global.hudba = 0"}};

} // namespace

class TestPrectiNastaveni : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void zpet_data();
    void zpet();
    void upravy_data();
    void upravy();
};

void TestPrectiNastaveni::zpet_data() {
    QTest::addColumn<Polozky>("polozky");
    QTest::addColumn<bool>("tytez");

    QTest::addRow("two entries") << dvePolozky << true;
    QTest::addRow("one value") << Polozky{{"Mod", "10", "20", "jen", "a();b()"}} << true;
    QTest::addRow("no values, so an x that is no number")
        << Polozky{{"Prazdna", "vlevo", "", "", "a()"}} << true;
    QTest::addRow("fewer actions than values")
        << Polozky{{"A", "0", "0", "1;2;3;4", "a1"}, {"B", "-5", "7", "1;2;3", "b1;b2"}} << true;
    QTest::addRow("more actions than values")
        << Polozky{{"A", "1", "1", "x;y", "a;b;c;d"}, {"B", "1", "1", "x", "a;b"}} << true;
    QTest::addRow("empty values and actions between separators")
        << Polozky{{"", "0", "", ";;x;", ";b;"}} << false;
    QTest::addRow("x the conversion reads") << Polozky{{"A", " $C8", "1", "v", "a"}} << true;
    QTest::addRow("blanks at the ends of actions")
        << Polozky{{"A", "1", "1", "v", "a  ;b\t"}, {"B", "1", "1", "v;w;z", "c ;d ;e "}} << true;
    QTest::addRow("texts holding the generator's separators")
        << Polozky{{"n,\"m", "3", "y,\"1;2", "p,\"q;r", "x} else;y){"},
                   {"\",barva_1,", "4", ",\"", ",\";", "if(a){b} else"}}
        << false;
}

// What the generator wrote reads back into entries that write it again byte for byte; where the
// script leaves no choice, into the very entries.
void TestPrectiNastaveni::zpet() {
    QFETCH(Polozky, polozky);
    QFETCH(bool, tytez);
    overZpet(Generator::Nastaveni, polozky, tytez ? std::optional(polozky) : std::nullopt,
             generatory::PrectiNastaveni, GenerujNastaveni, std::identity{});
}

void TestPrectiNastaveni::upravy_data() {
    sloupceUprav();
    const VlozenySkript zaklad = VlozenySkript::z(GenerujNastaveni(dvePolozky));
    const std::string hodnotaAno =
        "draw_text_color(380,150,\"ano\",barva_1,barva_1,barva_1,barva_1,true)";
    const std::string hodnotaPotichu =
        "draw_text_color(380,180,\"potichu\",barva_2,barva_2,barva_2,barva_2,true)";

    VlozenySkript v = zaklad;
    v.draw = nahradVse(v.draw, "\"Zvuk\"", "\"Hlasitost\"");
    v.draw = nahradVse(v.draw, "\"ano\"", "\"zapnuto\"");
    prijato("name and value renamed", v);
    v = zaklad;
    v.draw = nahradVse(v.draw, "draw_text_color(200,150,", "draw_text_color(220,150,");
    v.draw = nahradVse(v.draw, "draw_text_color(380,150,", "draw_text_color(400,150,");
    prijato("x moved in every line", v);
    v = zaklad;
    v.step = nahradVse(v.step, "global.zvuk = 0", "global.zvuk = 2");
    prijato("action changed in every line", v);
    v = zaklad;
    v.create = nahradVse(v.create, "\n", "\r\n");
    v.step = nahradVse(v.step, "\n", "\t \n") + "\n\n";
    prijato("CRLF, blanks at line ends, empty lines at the end", v);
    prijato("re-indented with tabs and doubled blanks", preodsazeny(zaklad));

    v = zaklad;
    v.draw = nahradVse(v.draw, "draw_text_color(200,150,", "draw_text_color(220,150,");
    odmitnuto("x moved in the name line only", v, Udalost::Draw,
              cisloRadku(zaklad.draw, hodnotaAno), "draw_text_color(400,150,\"ano\"");
    v = zaklad;
    v.draw = nahradVse(v.draw, "(380,180,\"potichu\"", "(380,190,\"potichu\"");
    odmitnuto("y moved in one value line", v, Udalost::Draw,
              cisloRadku(zaklad.draw, hodnotaPotichu), "pozice y");
    v = zaklad;
    v.step = nahradVse(v.step, "{global.zvuk = 1} else", "{global.zvuk = 3} else");
    odmitnuto("action changed in one line", v, Udalost::Step,
              cisloRadku(zaklad.step, "   global.zvuk = 1"),
              "Formulář by tu napsal: „global.zvuk = 3“");
    v = zaklad;
    v.step =
        nahradVse(v.step, "1)   if(vybrana_hodnota[0] == 1){", "1) if(vybrana_hodnota[0] == 1){");
    odmitnuto("the blanks inside an action's line closed up", v, Udalost::Step,
              cisloRadku(zaklad.step, "if(nastav_vybrany == 1)   if(vybrana_hodnota[0] == "
                                      "1){global.zvuk = 1} else"),
              "Nalezeno: „if(nastav_vybrany·==·1)·if(vybrana_hodnota[0]·==·1){global.zvuk·=·1}·"
              "else“\nFormulář by tu napsal: „if(nastav_vybrany·==·1)···if(vybrana_hodnota[0]·==·"
              "1){global.zvuk·=·1}·else“");
    v = zaklad;
    v.step = nahradVse(v.step, "[0] < 2){", "[0] < 3){");
    odmitnuto("number of values changed in one line", v, Udalost::Step,
              cisloRadku(zaklad.step,
                         "   if(nastav_vybrany == 1)if(vybrana_hodnota[0] == 2)global.zvuk = 0"),
              "‹akce›} else");
    v = zaklad;
    nahradRadek(v.step, 4, {" nastav_vybrany += 1", "show_debug_message(1)"});
    odmitnuto("a line added", v, Udalost::Step, 5, "show_debug_message(1)");
    v = zaklad;
    std::swap(v.create, v.step);
    odmitnuto("Create and Step swapped", v, Udalost::Create, 1,
              "V poli Create je kód události Step.");
    v = zaklad;
    v.draw = "draw_text_color(190,50,global.nick0,c_white,c_white,c_white,c_white,true)";
    odmitnuto("the highscore's Draw", v, Udalost::Draw, 1, "ze záložky HighSkóre");
    v = zaklad;
    v.step = v.step.substr(0, v.step.find("if(keyboard_check_pressed(vk_left))"));
    odmitnuto("half of Step", v, Udalost::Step,
              cisloRadku(zaklad.step, "if(keyboard_check_pressed(vk_left)){"), "končí");
    Polozky chybna = dvePolozky;
    chybna[1].PoziceX = "vpravo";
    v = VlozenySkript::z(GenerujNastaveni(chybna));
    odmitnuto("a script that stopped with an error", v, Udalost::Draw,
              radkyTextu(v.draw).size() + 1, "zastavil chybou");
}

void TestPrectiNastaveni::upravy() {
    overUpravu<Polozky>(Generator::Nastaveni, generatory::PrectiNastaveni, GenerujNastaveni);
}

QTEST_APPLESS_MAIN(TestPrectiNastaveni)
#include "test_precti_nastaveni.moc"
