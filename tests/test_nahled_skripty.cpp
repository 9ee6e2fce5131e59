#include "generators/generuj_highskore.h"
#include "generators/generuj_menu.h"
#include "generators/generuj_nastaveni.h"
#include "generators/generuj_titulky.h"
#include "generators/nove_vstupy.h"
#include "popis_puvodu.h"
#include "preview/mistnost.h"

#include <QTest>

using generatory::Skript;
using generatory::Udalost;

using namespace nahled;

namespace {

std::string spoj(const std::vector<std::string>& radky) {
    std::string text;
    for (const std::string& r : radky)
        text += r + '\n';
    return text;
}

QString jmenoBarvy(const Rgb& barva) {
    for (const Konstanta& k : Konstanty())
        if (k.jmeno.starts_with("c_") && BarvaKonstanty(k.jmeno) == barva)
            return QString::fromLatin1(k.jmeno.data(), static_cast<int>(k.jmeno.size()));
    return QStringLiteral("?");
}

// What Draw drew, one "text x,y colour" per call.
QStringList kresby(const Mistnost& m) {
    QStringList vysledek;
    for (const Kresba& k : m.kresby())
        vysledek << QStringLiteral("%1 %2,%3 %4")
                        .arg(QString::fromStdString(k.text))
                        .arg(k.x)
                        .arg(k.y)
                        .arg(jmenoBarvy(k.barva));
    return vysledek;
}

QStringList texty(const std::vector<Zprava>& zpravy) {
    QStringList vysledek;
    for (const Zprava& z : zpravy)
        vysledek << QString::fromStdString(z.text);
    return vysledek;
}

Skripty skriptyMenu(const generatory::VstupMenu& vstup) {
    const Skript s = generatory::GenerujMenu(vstup);
    return {{Udalost::Create, spoj(s.create)},
            {Udalost::Step, spoj(s.step)},
            {Udalost::Draw, spoj(s.draw)}};
}

Skripty skriptyNastaveni(const std::vector<generatory::PolozkaNastaveni>& polozky) {
    const Skript s = generatory::GenerujNastaveni(polozky);
    return {{Udalost::Create, spoj(s.create)},
            {Udalost::Step, spoj(s.step)},
            {Udalost::Draw, spoj(s.draw)}};
}

const std::vector<generatory::PolozkaNastaveni> dvePolozky{
    {"Zvuk", "200", "150", "ano;ne", "global.zvuk = 1;global.zvuk = 0"},
    {"Obtiznost", "200", "180", "lehka;stredni;tezka", "obtiznost(1);obtiznost(2);obtiznost(3)"}};

Skripty nastaveni() {
    return skriptyNastaveni(dvePolozky);
}

// A position with two persons; the persons' font size is left at its placeholder text.
Skripty skriptyTitulku(const std::string& smer) {
    generatory::VstupTitulku vstup;
    vstup.polozky = {{"Programovani", true}, {"A", false}, {"B", false}};
    vstup.smer = smer;
    vstup.barvaPozice = "c_red";
    vstup.barvaOsob = "c_aqua";
    vstup.pismoPozice = {true, "Arial", "14", true, false};
    vstup.pismoOsob = {true, "Arial", "velikost", false, true};
    const Skript s = generatory::GenerujTitulky(vstup);
    return {{Udalost::Create, spoj(s.create)},
            {Udalost::Alarm0, spoj(s.alarm0)},
            {Udalost::Draw, spoj(s.draw)}};
}

} // namespace

class TestNahledSkripty : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void menu();
    void menuSeStartovnimiHodnotami();
    void nastaveniVyber();
    void nastaveniHodnoty();
    void nastaveniSMenePocetAkci();
    void kresbyZnajiSvujRadek();
    void titulky_data();
    void titulky();
    void titulkyPisma();
    void highskore();
};

void TestNahledSkripty::menu() {
    generatory::VstupMenu vstup;
    vstup.pocet = "3";
    vstup.radky = {{{"Nova hra", "250", "150", "room_goto(novahra)"},
                    {"Nastaveni", "250", "180", "room_goto(nastaveni)"},
                    {"Konec", "250", "210", "game_end()"},
                    {"", "250", "240", ""},
                    {"", "250", "270", ""}}};
    Mistnost m(skriptyMenu(vstup));
    m.krok();
    QCOMPARE(kresby(m), (QStringList{"Nova hra 250,150 c_yellow", "Nastaveni 250,180 c_white",
                                     "Konec 250,210 c_white"}));
    m.krok({Nahoru});
    QCOMPARE(kresby(m).filter("c_yellow"), QStringList{"Nova hra 250,150 c_yellow"});
    m.krok({Dolu});
    QCOMPARE(kresby(m), (QStringList{"Nova hra 250,150 c_white", "Nastaveni 250,180 c_yellow",
                                     "Konec 250,210 c_white"}));
    m.krok({Enter});
    m.krok({Dolu});
    m.krok({Dolu});
    QCOMPARE(kresby(m).filter("c_yellow"), QStringList{"Konec 250,210 c_yellow"});
    m.krok({Enter});
    m.krok({Nahoru});
    QCOMPARE(kresby(m).filter("c_yellow"), QStringList{"Nastaveni 250,180 c_yellow"});
    QCOMPARE(texty(m.vezmiZpravy()),
             (QStringList{"akce: room_goto(nastaveni)", "akce: game_end()"}));
}

// Empty actions leave the last "if" of the enter block without a statement; that statement
// alone is lost, and the rest of Step runs.
void TestNahledSkripty::menuSeStartovnimiHodnotami() {
    Mistnost m(skriptyMenu(generatory::NoveMenu()));
    m.krok({Enter});
    QCOMPARE(texty(m.vezmiZpravy()),
             (QStringList{"Step, řádek 49: nelze přečíst: za podmínkou 'if' z řádku 48 chybí "
                          "příkaz, stojí tu '}'",
                          "akce: room_goto(novahra)"}));
    QCOMPARE(kresby(m).size(), 5);
    m.krok({Dolu});
    QCOMPARE(kresby(m).filter("c_yellow"), QStringList{" 250,180 c_yellow"});
}

void TestNahledSkripty::nastaveniVyber() {
    Mistnost m(nastaveni());
    m.krok();
    QCOMPARE(kresby(m), (QStringList{"Zvuk 200,150 c_yellow", "Obtiznost 200,180 c_white",
                                     "ano 380,150 c_yellow", "lehka 380,180 c_white"}));
    m.krok({Dolu});
    QCOMPARE(kresby(m).filter("c_yellow"),
             (QStringList{"Obtiznost 200,180 c_yellow", "lehka 380,180 c_yellow"}));
    m.krok({Dolu});
    QCOMPARE(kresby(m).filter("c_yellow"),
             (QStringList{"Zvuk 200,150 c_yellow", "ano 380,150 c_yellow"}));
    m.krok({Nahoru});
    QCOMPARE(kresby(m).filter("c_yellow"),
             (QStringList{"Obtiznost 200,180 c_yellow", "lehka 380,180 c_yellow"}));
    QCOMPARE(texty(m.vezmiZpravy()), QStringList{});
}

void TestNahledSkripty::nastaveniHodnoty() {
    Mistnost m(nastaveni());
    m.krok({Vpravo});
    QCOMPARE(kresby(m).filter("380,150"), QStringList{"ne 380,150 c_yellow"});
    QCOMPARE(NaText(*m.hodnota("global.zvuk")), std::string("0"));
    m.krok({Vpravo});
    QCOMPARE(kresby(m).filter("380,150"), QStringList{"ano 380,150 c_yellow"});
    QCOMPARE(NaText(*m.hodnota("global.zvuk")), std::string("1"));

    m.krok({Dolu});
    m.krok({Vlevo});
    QCOMPARE(kresby(m).filter("380,180"), QStringList{"tezka 380,180 c_yellow"});
    m.krok({Vlevo});
    QCOMPARE(kresby(m).filter("380,180"), QStringList{"stredni 380,180 c_yellow"});
    m.krok({Vpravo});
    m.krok({Vpravo});
    QCOMPARE(kresby(m).filter("380,180"), QStringList{"lehka 380,180 c_yellow"});
    QCOMPARE(texty(m.vezmiZpravy()), (QStringList{"akce: obtiznost(3)", "akce: obtiznost(2)",
                                                  "akce: obtiznost(3)", "akce: obtiznost(1)"}));
}

// Three values and two actions: the right-key chain ends in "} else" before " } else {".
void TestNahledSkripty::nastaveniSMenePocetAkci() {
    const Skripty skripty = skriptyNastaveni(
        {{"Hlasitost", "200", "150", "tiche;stredni;hlasite", "hlasitost(1);hlasitost(2)"}});
    Mistnost m({{Udalost::Step, skripty.at(Udalost::Step)}});
    QCOMPARE(texty(m.vezmiZpravy()),
             QStringList{"Step, řádek 28: nelze přečíst: za 'else' z řádku 27 chybí příkaz, "
                         "stojí tu '}'"});
}

// Each drawing keeps the Draw line that drew it, and through it the entry that placed it.
void TestNahledSkripty::kresbyZnajiSvujRadek() {
    const Skript s = generatory::GenerujNastaveni(dvePolozky);
    const QStringList puvod = PopisPuvodu(s);
    Mistnost m(skriptyNastaveni(dvePolozky));
    m.krok({Vpravo});
    QStringList kresbySPuvodem;
    for (const Kresba& k : m.kresby())
        kresbySPuvodem << QString::fromStdString(k.text) + " " +
                              puvod.at(static_cast<qsizetype>(k.radek) - 1);
    QCOMPARE(kresbySPuvodem,
             (QStringList{"Zvuk 0 název", "Obtiznost 1 název", "ne 0 hodnota", "lehka 1 hodnota"}));
}

void TestNahledSkripty::titulky_data() {
    QTest::addColumn<QString>("smer");
    QTest::addColumn<double>("startA");
    QTest::addColumn<double>("posun");
    QTest::addColumn<QStringList>("po20");
    QTest::addColumn<QStringList>("po92");
    QTest::addRow("nahoru") << "nahoru" << 660.0 << -7.0
                            << QStringList{"Programovani 250,500 c_red", "A 250,520 c_aqua",
                                           "B 250,540 c_aqua"}
                            << QStringList{"A 250,16 c_aqua", "B 250,36 c_aqua"};
    QTest::addRow("dolů") << "dolů" << -20.0 << 7.0
                          << QStringList{"Programovani 250,140 c_red", "A 250,120 c_aqua",
                                         "B 250,100 c_aqua"}
                          << QStringList{"A 250,624 c_aqua", "B 250,604 c_aqua"};
}

// Alarm 0 fires every third step (room_speed/12 is 2.5 steps); each firing moves every line
// by 7, and a line past the guard is no longer drawn.
void TestNahledSkripty::titulky() {
    QFETCH(QString, smer);
    QFETCH(double, startA);
    QFETCH(double, posun);
    QFETCH(QStringList, po20);
    QFETCH(QStringList, po92);
    Mistnost m(skriptyTitulku(smer.toStdString()));
    for (int krok = 1; krok <= 3 * 92; ++krok) {
        m.krok();
        QCOMPARE(m.hodnota("A").value(), Hodnota{startA + posun * (krok / 3)});
        if (krok == 3 * 20)
            QCOMPARE(kresby(m), po20);
    }
    QCOMPARE(kresby(m), po92);
}

void TestNahledSkripty::titulkyPisma() {
    Mistnost m(skriptyTitulku("nahoru"));
    m.krok();
    QCOMPARE(m.kresby().size(), std::size_t{3});
    QCOMPARE(m.kresby()[0].pismo, (Pismo{"Arial", 14, true, false}));
    QCOMPARE(m.kresby()[1].pismo, (Pismo{"Arial", 0, false, true}));
    QCOMPARE(texty(m.vezmiZpravy()),
             QStringList{"Create, řádek 3: proměnná velikost není nastavená, čtu ji jako 0"});
}

void TestNahledSkripty::highskore() {
    const Skripty skripty{
        {Udalost::Draw, spoj(generatory::GenerujHighskore({{"1", "global.nick0", "global.skore0"},
                                                           {"2", "global.nick1", "global.skore1"}})
                                 .draw)}};
    Mistnost bezHodnot(skripty);
    bezHodnot.krok();
    QCOMPARE(bezHodnot.nenastavene(), (std::vector<std::string>{"global.nick0", "global.skore0",
                                                                "global.nick1", "global.skore1"}));
    QCOMPARE(kresby(bezHodnot).first(), QStringLiteral("0 190,50 c_white"));

    Mistnost m(skripty, {{"global.nick0", std::string("Petr")},
                         {"global.skore0", 1200.0},
                         {"global.nick1", std::string("Jana")},
                         {"global.skore1", 950.0}});
    m.krok();
    QCOMPARE(kresby(m), (QStringList{"Petr 190,50 c_white", "1200 380,50 c_white",
                                     "Jana 190,80 c_white", "950 380,80 c_white"}));
    QCOMPARE(texty(m.vezmiZpravy()), QStringList{});
}

QTEST_APPLESS_MAIN(TestNahledSkripty)
#include "test_nahled_skripty.moc"
