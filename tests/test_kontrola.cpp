#include "generators/generuj_highskore.h"
#include "generators/generuj_menu.h"
#include "generators/generuj_nastaveni.h"
#include "generators/generuj_titulky.h"
#include "preview/kontrola.h"

#include <QTest>

using generatory::Pole;
using generatory::PolozkaNastaveni;
using generatory::RadekMenu;
using generatory::Skript;
using generatory::Udalost;

namespace {

generatory::VstupMenu menu(std::array<RadekMenu, 5> radky, std::string pocet = "2") {
    return {std::move(pocet), std::move(radky)};
}

std::array<RadekMenu, 5> dvePolozky() {
    return {{{"Nova hra", "250", "150", "room_goto(novahra)"},
             {"Konec", "250", "180", "game_end()"},
             {},
             {},
             {}}};
}

Skript menuS(void (*zmen)(std::array<RadekMenu, 5>&)) {
    auto radky = dvePolozky();
    zmen(radky);
    return generatory::GenerujMenu(menu(radky));
}

PolozkaNastaveni zvuk() {
    return {"Zvuk", "200", "150", "ano;ne", "global.zvuk = 1;global.zvuk = 0"};
}

Skript nastaveniS(void (*zmen)(PolozkaNastaveni&)) {
    PolozkaNastaveni p = zvuk();
    zmen(p);
    return generatory::GenerujNastaveni({p, {"Hudba", "200", "180", "ano;ne", "a = 1;a = 0"}});
}

generatory::VstupTitulku titulky(std::vector<generatory::PolozkaTitulku> uzly) {
    return {std::move(uzly), "nahoru", "c_red", "c_aqua", {}, {}};
}

Skript titulkyS(std::vector<generatory::PolozkaTitulku> uzly) {
    return generatory::GenerujTitulky(titulky(std::move(uzly)));
}

QStringList texty(const std::vector<nahled::Nalez>& nalezy) {
    QStringList z;
    for (const nahled::Nalez& n : nalezy)
        z << QString::fromStdString(n.zprava);
    return z;
}

const QString nejdeCist =
    QStringLiteral(" obsahuje uvozovky \": v kódu text ukončí a zbytek se nedá přečíst");

} // namespace

Q_DECLARE_METATYPE(Skript)
Q_DECLARE_METATYPE(Udalost)
Q_DECLARE_METATYPE(Pole)

class TestKontrola : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void zpravy_data();
    void zpravy();
    void misto_data();
    void misto();
    void chybaBehu();
};

// What the author typed, placed by the real generator, and the list the check shows. A message
// ending in "…" continues in the runtime's own words.
void TestKontrola::zpravy_data() {
    QTest::addColumn<Skript>("skript");
    QTest::addColumn<QStringList>("ocekavane");

    QTest::addRow("menu, start values")
        << generatory::GenerujMenu(menu({{{"Nova hra", "250", "150", "room_goto(novahra)"},
                                          {"", "250", "180", ""},
                                          {"", "250", "210", ""},
                                          {"", "250", "240", ""},
                                          {"", "250", "270", ""}}},
                                        "5"))
        << QStringList{"Položka 2: Akce je prázdná", "Položka 3: Akce je prázdná",
                       "Položka 4: Akce je prázdná", "Položka 5: Akce je prázdná"};
    QTest::addRow("menu, all filled") << menuS([](auto&) {}) << QStringList{};
    QTest::addRow("menu, room positions") << menuS([](auto& r) {
        r[0].x = "room_width/2";
        r[1].y = "room_height - 40";
    }) << QStringList{};
    QTest::addRow("menu, empty action of the last item")
        << menuS([](auto& r) { r[1].akce = ""; }) << QStringList{"Položka 2: Akce je prázdná"};
    QTest::addRow("menu, action of blanks")
        << menuS([](auto& r) { r[0].akce = "  "; }) << QStringList{"Položka 1: Akce je prázdná"};
    QTest::addRow("menu, a quote in a text") << menuS([](auto& r) { r[0].text = "Nova \"hra\""; })
                                             << QStringList{"Položka 1: Text položky" + nejdeCist};
    QTest::addRow("menu, empty x")
        << menuS([](auto& r) { r[0].x = ""; }) << QStringList{"Položka 1: Pozice x je prázdná"};
    QTest::addRow("menu, empty y")
        << menuS([](auto& r) { r[1].y = ""; }) << QStringList{"Položka 2: Pozice y je prázdná"};
    QTest::addRow("menu, unfinished call")
        << menuS([](auto& r) { r[0].akce = "room_goto("; }) << QStringList{"Položka 1: Akce: …"};
    QTest::addRow("menu, two statements")
        << menuS([](auto& r) { r[1].akce = "global.zvuk = 0; room_goto(nastaveni)"; })
        << QStringList{"Položka 2: Akce má víc příkazů, ale na vybrané položce závisí jen "
                       "první; ostatní se provedou při každém Enteru. Uzavřete je do { }"};
    QTest::addRow("menu, two statements in braces")
        << menuS([](auto& r) { r[1].akce = "{global.zvuk = 0; room_goto(nastaveni)}"; })
        << QStringList{};
    QTest::addRow("menu, one statement and its semicolon")
        << menuS([](auto& r) { r[1].akce = "room_goto(nastaveni);"; }) << QStringList{};
    QTest::addRow("menu, an if with its else")
        << menuS([](auto& r) { r[1].akce = "if(global.zvuk) a = 1; else a = 2"; }) << QStringList{};
    QTest::addRow("menu, unfinished x")
        << menuS([](auto& r) { r[1].x = "250 +"; }) << QStringList{"Položka 2: Pozice x: …"};
    QTest::addRow("menu, else without its if")
        << menuS([](auto& r) { r[0].akce = "global.a = 1 else global.a = 2"; })
        << QStringList{"Položka 1: Akce má „else“ bez vlastního „if“; v kódu patří k testu "
                       "vybrané položky, a tak se provede při Enteru na každé jiné položce"};
    QTest::addRow("menu, decimal comma")
        << menuS([](auto& r) { r[0].x = "100,5"; })
        << QStringList{"Položka 1: Pozice x má desetinnou čárku, ale skript píše desetinnou "
                       "tečku: 100.5"};
    QTest::addRow("menu, a comma between arguments")
        << menuS([](auto& r) { r[1].y = "room_height/2, 10"; })
        << QStringList{"Položka 2: Pozice y obsahuje čárku, a ta v kódu odděluje argumenty "
                       "volání; hra pak řádek odmítne"};
    QTest::addRow("menu, a comma inside a call")
        << menuS([](auto& r) { r[1].y = "max(10, room_height/2)"; }) << QStringList{};
    QTest::addRow("menu, in the order of the form") << menuS([](auto& r) {
        r[1].akce = "";
        r[0].x = "";
    }) << QStringList{"Položka 1: Pozice x je prázdná", "Položka 2: Akce je prázdná"};

    // Forms the engine refuses, named in the form's words with what it takes instead.
    QTest::addRow("menu, %% in x") << menuS([](auto& r) { r[0].x = "room_width % 3"; })
                                   << QStringList{"Položka 1: Pozice x: jazyk hry nezná '%': "
                                                  "zbytek po dělení se píše mod"};
    QTest::addRow("menu, ++ in an action")
        << menuS([](auto& r) { r[0].akce = "global.skore++"; })
        << QStringList{"Položka 1: Akce: jazyk hry nezná '++': pište += 1"};
    QTest::addRow("menu, 0x in y") << menuS([](auto& r) { r[1].y = "0xB4"; })
                                   << QStringList{"Položka 2: Pozice y: jazyk hry nezná 0xB4: "
                                                  "šestnáctkové číslo se píše $B4"};
    QTest::addRow("menu, a # colour in an action")
        << menuS([](auto& r) { r[0].akce = "draw_set_color(#FF8000)"; })
        << QStringList{"Položka 1: Akce: jazyk hry nezná barvu #FF8000: pište $0080FF nebo "
                       "make_color_rgb(255, 128, 0)"};
    QTest::addRow("menu, ?: in x") << menuS([](auto& r) { r[0].x = "global.vlevo ? 100 : 250"; })
                                   << QStringList{"Položka 1: Pozice x: jazyk hry nezná podmínku "
                                                  "'a ? b : c': pište if … else"};
    QTest::addRow("menu, an exponent in y")
        << menuS([](auto& r) { r[1].y = "1.8e2"; })
        << QStringList{"Položka 2: Pozice y: jazyk hry nezná exponent 1.8e2: pište 180"};

    QTest::addRow("settings, own semicolon")
        << nastaveniS([](PolozkaNastaveni& p) { p.Akce = "if(global.zvuk) a = 1; else a = 2"; })
        << QStringList{"Položka č. 1 „Zvuk“: Akce č. 2: středník odděluje akce jednotlivých "
                       "hodnot, a tak rozdělil akci „if(global.zvuk) a = 1; else a = 2“; "
                       "napište ji bez středníků"};
    QTest::addRow("settings, a quote in a value")
        << nastaveniS([](PolozkaNastaveni& p) { p.Hodnoty = "ano;\"ne\""; })
        << QStringList{"Položka č. 1 „Zvuk“: Hodnota č. 2" + nejdeCist};
    QTest::addRow("settings, a quote in a name")
        << nastaveniS([](PolozkaNastaveni& p) { p.Nazev = "Zvuk \"FX\""; })
        << QStringList{"Položka č. 1 „Zvuk \"FX\"“: Název Položky" + nejdeCist};
    QTest::addRow("settings, empty y") << nastaveniS([](PolozkaNastaveni& p) { p.PoziceY = ""; })
                                       << QStringList{"Položka č. 1 „Zvuk“: Pozice y je prázdná"};
    QTest::addRow("settings, an action's own semicolon")
        << nastaveniS([](PolozkaNastaveni& p) {
               p.Akce = "global.hudba = 1; sound_loop(snd_hudba);global.hudba = 0";
           })
        << QStringList{"Položka č. 1 „Zvuk“: Akce č. 3 „global.hudba = 0“ nepatří k žádné "
                       "hodnotě: položka má hodnot 2, akcí 3. Středník odděluje akce jednotlivých "
                       "hodnot, a tak hodnota č. 2 „ne“ spouští „ sound_loop(snd_hudba)“; akci o "
                       "víc příkazech napište bez středníků"};
    QTest::addRow("settings, one action for two values")
        << nastaveniS([](PolozkaNastaveni& p) { p.Akce = "global.zvuk = 1"; })
        << QStringList{"Položka č. 1 „Zvuk“: Hodnota č. 2 „ne“ nemá žádnou akci: položka má "
                       "hodnot 2, akcí 1. Kód pak po „} else“ nemá žádný příkaz, a to hra "
                       "odmítne"};
    QTest::addRow("settings, decimal comma")
        << nastaveniS([](PolozkaNastaveni& p) { p.PoziceY = "150,5"; })
        << QStringList{"Položka č. 1 „Zvuk“: Pozice y má desetinnou čárku, ale skript píše "
                       "desetinnou tečku: 150.5"};
    QTest::addRow("settings, a value with no action") << nastaveniS([](PolozkaNastaveni& p) {
        p.Hodnoty = "1;2;3";
        p.Akce = "a = 1;;a = 3";
    }) << QStringList{};

    QTest::addRow("highscore, empty nick and score")
        << generatory::GenerujHighskore({{"1", "global.nick0", ""}, {"2", "", "global.skore1"}})
        << QStringList{"Položka 1: Skóre je prázdné", "Položka 2: Nick je prázdný"};
    QTest::addRow("highscore, unfinished score")
        << generatory::GenerujHighskore({{"1", "global.nick0", "body *"}})
        << QStringList{"Položka 1: Skóre: …"};

    QTest::addRow("credits, clean")
        << titulkyS({{"Programovani", true}, {"A", false}, {"global.autor", false}})
        << QStringList{};
    QTest::addRow("credits, diacritics and a space")
        << titulkyS({{"Hlavní programátor", true}, {"Jan Novák", false}})
        << QStringList{"Text uzlu „Hlavní programátor“ se v kódu používá jako jméno proměnné: "
                       "smí mít jen písmena bez diakritiky, číslice a _",
                       "Text uzlu „Jan Novák“ se v kódu používá jako jméno proměnné: smí mít jen "
                       "písmena bez diakritiky, číslice a _"};
    QTest::addRow("credits, a leading digit")
        << titulkyS({{"1misto", true}})
        << QStringList{"Text uzlu „1misto“ se v kódu používá jako jméno proměnné: nesmí začínat "
                       "číslicí"};
    QTest::addRow("credits, a keyword")
        << titulkyS({{"Grafika", true}, {"repeat", false}})
        << QStringList{"Text uzlu „repeat“ se v kódu používá jako jméno proměnné: „repeat“ je "
                       "vyhrazené slovo jazyka"};
    QTest::addRow("credits, empty text")
        << titulkyS({{"", true}})
        << QStringList{"Text uzlu je prázdný, a přitom se v kódu používá jako jméno proměnné"};
    generatory::VstupTitulku pisma = titulky({{"Programovani", true}, {"A", false}});
    pisma.pismoPozice = {true, "Arial", "velikost", false, false};
    pisma.pismoOsob = {true, "Arial", "global.pismo", false, false};
    QTest::addRow("credits, font size left at its caption")
        << generatory::GenerujTitulky(pisma)
        << QStringList{"Pozice font: velikost je „velikost“, jméno proměnné, která tu ještě nemá "
                       "hodnotu. Napište velikost písma číslem, třeba 12"};
    pisma.pismoPozice = {true, "Comic \"Sans\"", "12", false, false};
    pisma.pismoOsob = {true, "Arial", "", false, true};
    QTest::addRow("credits, fonts")
        << generatory::GenerujTitulky(pisma)
        << QStringList{"Pozice font: název písma" + nejdeCist, "Osoby font: velikost je prázdná"};
}

void TestKontrola::zpravy() {
    QFETCH(Skript, skript);
    QFETCH(QStringList, ocekavane);
    const QStringList skutecne = texty(nahled::Zkontroluj(skript));
    QCOMPARE(skutecne.size(), ocekavane.size());
    for (qsizetype i = 0; i < ocekavane.size(); ++i) {
        if (ocekavane[i].endsWith(QChar(u'…')))
            QVERIFY2(skutecne[i].startsWith(ocekavane[i].chopped(1)), qPrintable(skutecne[i]));
        else
            QCOMPARE(skutecne[i], ocekavane[i]);
    }
}

void TestKontrola::misto_data() {
    QTest::addColumn<Skript>("skript");
    QTest::addColumn<Udalost>("udalost");
    QTest::addColumn<int>("radek");
    QTest::addColumn<Pole>("pole");
    QTest::addColumn<int>("vstup");

    QTest::addRow("a menu item's action")
        << menuS([](auto& r) { r[1].akce = ""; }) << Udalost::Step << 21 << Pole::MenuAkce << 1;
    QTest::addRow("a credits node where it first stands")
        << titulkyS({{"Programovani", true}, {"Jan Novák", false}}) << Udalost::Create << 3
        << Pole::TitulkyText << 1;
    QTest::addRow("a settings action")
        << nastaveniS([](PolozkaNastaveni& p) { p.Akce = "if(global.zvuk) a = 1; else a = 2"; })
        << Udalost::Step << 35 << Pole::NastaveniAkce << 0;
    QTest::addRow("a settings value without an action")
        << nastaveniS([](PolozkaNastaveni& p) { p.Akce = "a = 1"; }) << Udalost::Draw << 9
        << Pole::NastaveniHodnota << 0;
    QTest::addRow("a settings action without a value")
        << nastaveniS([](PolozkaNastaveni& p) { p.Akce = "a = 1;a = 2;a = 3"; }) << Udalost::Step
        << 36 << Pole::NastaveniAkce << 0;
}

void TestKontrola::misto() {
    QFETCH(Skript, skript);
    QFETCH(Udalost, udalost);
    QFETCH(int, radek);
    QFETCH(Pole, pole);
    QFETCH(int, vstup);
    const std::vector<nahled::Nalez> nalezy = nahled::Zkontroluj(skript);
    QCOMPARE(nalezy.size(), std::size_t{1});
    QCOMPARE(nalezy[0].udalost, udalost);
    QCOMPARE(nalezy[0].radek, radek);
    QVERIFY(nalezy[0].pole);
    QCOMPARE(nalezy[0].pole->pole, pole);
    QCOMPARE(nalezy[0].pole->vstup, static_cast<std::size_t>(vstup));
}

// A running script's error on a line a field wrote names the field; on a fixed line it keeps
// the runtime's words with the pane and the line.
void TestKontrola::chybaBehu() {
    const Skript s = menuS([](auto&) {});
    const nahled::Nalez akce = nahled::PopisChyby(s, Udalost::Step, {20, "dělení nulou"});
    QCOMPARE(akce.zprava, std::string("Položka 1: Akce: dělení nulou"));
    QCOMPARE(akce.pole->pole, Pole::MenuAkce);
    const nahled::Nalez pevny = nahled::PopisChyby(s, Udalost::Step, {1, "dělení nulou"});
    QCOMPARE(pevny.zprava, std::string("Step, řádek 1: běh zastaven: dělení nulou"));
    QVERIFY(!pevny.pole);
}

QTEST_APPLESS_MAIN(TestKontrola)
#include "test_kontrola.moc"
