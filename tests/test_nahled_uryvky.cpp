// What authors type into the form fields, each placed by the real generator and run in the
// preview: it draws, sets and says what the game would, or it is refused at its event and line.

#include "generators/generuj_highskore.h"
#include "generators/generuj_menu.h"
#include "generators/generuj_nastaveni.h"
#include "generators/generuj_titulky.h"
#include "preview/mistnost.h"

#include <QTest>

using generatory::Udalost;

using namespace nahled;

namespace {

enum class PoleFormulare {
    MenuText,
    MenuX,
    MenuY,
    MenuAkce,
    NastaveniNazev,
    NastaveniHodnoty,
    NastaveniAkce,
    NastaveniX,
    HighskoreNick,
    HighskoreSkore,
    TitulkyText,
    TitulkyBarva,
};

std::string spoj(const std::vector<std::string>& radky) {
    std::string text;
    for (const std::string& r : radky)
        text += r + '\n';
    return text;
}

Skripty skripty(const generatory::Skript& s) {
    Skripty vysledek;
    for (Udalost u : {Udalost::Create, Udalost::Step, Udalost::Draw, Udalost::Alarm0})
        if (!s.radky(u).empty())
            vysledek[u] = spoj(s.radky(u));
    return vysledek;
}

// The snippet in its field, the other fields as an author leaves them, and the keys that make
// the snippet run.
std::pair<generatory::Skript, std::set<int>> umisti(PoleFormulare pole, const std::string& u) {
    const auto menu = [](std::string text, std::string x, std::string y, std::string akce) {
        generatory::VstupMenu v;
        v.pocet = "1";
        v.radky = {{{text, x, y, akce}, {}, {}, {}, {}}};
        return generatory::GenerujMenu(v);
    };
    const auto nastaveni = [](std::string nazev, std::string x, std::string hodnoty,
                              std::string akce) {
        return generatory::GenerujNastaveni({{nazev, x, "150", hodnoty, akce}});
    };
    const auto titulky = [](std::string text, std::string barva) {
        generatory::VstupTitulku v;
        v.polozky = {{text, true}, {"Jan", false}};
        v.smer = "nahoru";
        v.barvaPozice = barva;
        v.barvaOsob = "c_white";
        return generatory::GenerujTitulky(v);
    };
    switch (pole) {
    case PoleFormulare::MenuText:
        return {menu(u, "250", "150", "room_goto(rm_hra)"), {}};
    case PoleFormulare::MenuX:
        return {menu("Hra", u, "150", "room_goto(rm_hra)"), {}};
    case PoleFormulare::MenuY:
        return {menu("Hra", "250", u, "room_goto(rm_hra)"), {}};
    case PoleFormulare::MenuAkce:
        return {menu("Hra", "250", "150", u), {Enter}};
    case PoleFormulare::NastaveniNazev:
        return {nastaveni(u, "200", "ano;ne", "global.zvuk = 1;global.zvuk = 0"), {}};
    case PoleFormulare::NastaveniHodnoty:
        return {nastaveni("Zvuk", "200", u, "a = 1;a = 2;a = 3"), {Vpravo}};
    case PoleFormulare::NastaveniAkce:
        return {nastaveni("Zvuk", "200", "ano;ne", u), {Vpravo}};
    case PoleFormulare::NastaveniX:
        return {nastaveni("Zvuk", u, "ano;ne", "a = 1;a = 2"), {}};
    case PoleFormulare::HighskoreNick:
        return {generatory::GenerujHighskore({{"1", u, "100"}}), {}};
    case PoleFormulare::HighskoreSkore:
        return {generatory::GenerujHighskore({{"1", "\"Eva\"", u}}), {}};
    case PoleFormulare::TitulkyText:
        return {titulky(u, "c_red"), {}};
    case PoleFormulare::TitulkyBarva:
        break;
    }
    return {titulky("Hudba", u), {}};
}

QString popisBarvy(const Rgb& b) {
    return QStringLiteral("#%1%2%3")
        .arg(b.r, 2, 16, QLatin1Char('0'))
        .arg(b.g, 2, 16, QLatin1Char('0'))
        .arg(b.b, 2, 16, QLatin1Char('0'));
}

} // namespace

class TestNahledUryvky : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void uryvek_data();
    void uryvek();
};

void TestNahledUryvky::uryvek_data() {
    QTest::addColumn<int>("pole");
    QTest::addColumn<QString>("uryvek");
    // Every message, then each text the first step's Draw drew as "text x,y #rrggbb", then
    // "name=value" of each variable named in `promenne`.
    QTest::addColumn<QStringList>("ocekavano");
    QTest::addColumn<QStringList>("promenne");
    const auto r = [](const char* nazev, PoleFormulare pole, const char* uryvek,
                      std::initializer_list<const char*> ocekavano,
                      std::initializer_list<const char*> promenne = {}) {
        QStringList o, p;
        for (const char* s : ocekavano)
            o << QString::fromUtf8(s);
        for (const char* s : promenne)
            p << QString::fromUtf8(s);
        QTest::addRow("%s", nazev) << static_cast<int>(pole) << QString::fromUtf8(uryvek) << o << p;
    };
    using enum PoleFormulare;
    r("menu text Nová hra", MenuText, "Nová hra", {"Nová hra 250,150 #ffff00"});
    r("menu text Konec", MenuText, "Konec", {"Konec 250,150 #ffff00"});
    r("menu text s diakritikou", MenuText, "Nastavení zvuku", {"Nastavení zvuku 250,150 #ffff00"});
    r("menu text s číslem", MenuText, "Úroveň 2", {"Úroveň 2 250,150 #ffff00"});
    r("menu text s procenty", MenuText, "Hlasitost 100 %", {"Hlasitost 100 % 250,150 #ffff00"});
    r("menu text s lomítkem", MenuText, "Kolo 1/3", {"Kolo 1/3 250,150 #ffff00"});
    r("menu text s apostrofy", MenuText, "Hra 'Had'", {"Hra 'Had' 250,150 #ffff00"});
    r("menu text s uvozovkami", MenuText, "Řekni \"ahoj\"",
      {"Draw, řádek 1: nelze přečíst: čekám ')', stojí tu 'ahoj'"});
    r("menu text prázdný", MenuText, "", {" 250,150 #ffff00"});
    r("menu text s komentářem", MenuText, "Hra // nová", {"Hra // nová 250,150 #ffff00"});
    r("menu x číslo", MenuX, "250", {"Hra 250,150 #ffff00"});
    r("menu x polovina místnosti", MenuX, "room_width/2", {"Hra 320,150 #ffff00"});
    r("menu x polovina s mezerami", MenuX, "room_width / 2 - 50", {"Hra 270,150 #ffff00"});
    r("menu x div", MenuX, "room_width div 2", {"Hra 320,150 #ffff00"});
    r("menu x součet", MenuX, "320 + 10", {"Hra 330,150 #ffff00"});
    r("menu x proměnná x", MenuX, "x",
      {"Draw, řádek 1: proměnná x není nastavená, čtu ji jako 0", "Hra 0,150 #ffff00"});
    r("menu x závorky", MenuX, "(room_width - 100) / 2", {"Hra 270,150 #ffff00"});
    r("menu x prázdné", MenuX, "", {"Draw, řádek 1: nelze přečíst: čekám výraz, stojí tu ','"});
    r("menu x násobení desetinným", MenuX, "room_width*0.5", {"Hra 320,150 #ffff00"});
    r("menu x floor", MenuX, "floor(room_width / 3)", {"Hra 213,150 #ffff00"});
    r("menu x max", MenuX, "max(100, 200)", {"Hra 200,150 #ffff00"});
    r("menu x neznámá funkce", MenuX, "room_width / 2 - string_width(\"Hra\") / 2",
      {"akce: string_width(\"Hra\")",
       "Draw, řádek 1: hodnota volání string_width(…) v náhledu není, počítám s 0",
       "Hra 320,150 #ffff00"});
    r("menu x nedokončené", MenuX, "room_width /",
      {"Draw, řádek 1: nelze přečíst: čekám výraz, stojí tu ','"});
    r("menu y u spodku", MenuY, "room_height - 40", {"Hra 250,440 #ffff00"});
    r("menu y pod polovinou", MenuY, "room_height/2 + 30", {"Hra 250,270 #ffff00"});
    r("menu y číslo", MenuY, "150", {"Hra 250,150 #ffff00"});
    r("menu y tři čtvrtiny", MenuY, "room_height * 3 div 4", {"Hra 250,360 #ffff00"});
    r("menu y přednost", MenuY, "100 + 2 * 30", {"Hra 250,160 #ffff00"});
    r("menu y záporné", MenuY, "-20", {"Hra 250,-20 #ffff00"});
    r("menu y mod", MenuY, "480 mod 100", {"Hra 250,80 #ffff00"});
    r("menu y round", MenuY, "round(room_height / 7)", {"Hra 250,69 #ffff00"});
    r("menu y globální", MenuY, "global.radek * 30",
      {"Draw, řádek 1: proměnná global.radek není nastavená, čtu ji jako 0", "Hra 250,0 #ffff00"});
    r("menu y s jednotkou", MenuY, "150px",
      {"Draw, řádek 1: nelze přečíst: čekám ')', stojí tu 'px'"});
    r("menu akce room_goto", MenuAkce, "room_goto(rm_hra)",
      {"akce: room_goto(rm_hra)", "Hra 250,150 #ffff00"});
    r("menu akce game_end", MenuAkce, "game_end()", {"akce: game_end()", "Hra 250,150 #ffff00"});
    r("menu akce room_goto_next", MenuAkce, "room_goto_next()",
      {"akce: room_goto_next()", "Hra 250,150 #ffff00"});
    r("menu akce přepnutí zvuku", MenuAkce, "global.zvuk = !global.zvuk",
      {"Step, řádek 12: proměnná global.zvuk není nastavená, čtu ji jako 0", "Hra 250,150 #ffff00",
       "global.zvuk=1"},
      {"global.zvuk"});
    r("menu akce obtížnost", MenuAkce, "global.obtiznost = 2",
      {"Hra 250,150 #ffff00", "global.obtiznost=2"}, {"global.obtiznost"});
    r("menu akce dva příkazy", MenuAkce, "global.skore = 0; room_goto(rm_hra)",
      {"akce: room_goto(rm_hra)", "Hra 250,150 #ffff00", "global.skore=0"}, {"global.skore"});
    r("menu akce blok", MenuAkce, "{ global.zivoty = 3 room_goto(rm_1) }",
      {"akce: room_goto(rm_1)", "Hra 250,150 #ffff00", "global.zivoty=3"}, {"global.zivoty"});
    r("menu akce show_message", MenuAkce, "show_message('Ahoj')",
      {"akce: show_message('Ahoj')", "Hra 250,150 #ffff00"});
    r("menu akce odečtení", MenuAkce, "global.hudba = 1 - global.hudba",
      {"Step, řádek 12: proměnná global.hudba není nastavená, čtu ji jako 0", "Hra 250,150 #ffff00",
       "global.hudba=1"},
      {"global.hudba"});
    r("menu akce if", MenuAkce, "if (global.zvuk) sound_play(snd_klik)",
      {"Step, řádek 12: proměnná global.zvuk není nastavená, čtu ji jako 0",
       "Hra 250,150 #ffff00"});
    r("menu akce cyklická obtížnost", MenuAkce,
      "global.obtiznost += 1; if (global.obtiznost > 3) global.obtiznost = 1",
      {"Step, řádek 12: proměnná global.obtiznost není nastavená, čtu ji jako 0",
       "Hra 250,150 #ffff00", "global.obtiznost=1"},
      {"global.obtiznost"});
    r("menu akce get_string", MenuAkce, "global.jmeno = get_string(\"Jméno:\", \"\")",
      {"akce: get_string(\"Jméno:\", \"\")",
       "Step, řádek 12: hodnota volání get_string(…) v náhledu není, počítám s 0",
       "Hra 250,150 #ffff00", "global.jmeno=0"},
      {"global.jmeno"});
    r("menu akce for", MenuAkce, "var i; for (i = 0; i < 3; i += 1) global.body[i] = 10 * i",
      {"Hra 250,150 #ffff00", "global.body[2]=20"}, {"global.body[2]"});
    r("menu akce repeat", MenuAkce, "repeat (3) global.zivoty += 1",
      {"Step, řádek 12: proměnná global.zivoty není nastavená, čtu ji jako 0",
       "Hra 250,150 #ffff00", "global.zivoty=3"},
      {"global.zivoty"});
    r("menu akce with", MenuAkce, "with (obj_hrac) x = 100", {"Hra 250,150 #ffff00", "x=100"},
      {"x"});
    r("menu akce room_speed", MenuAkce, "global.rychlost = room_speed * 2",
      {"Hra 250,150 #ffff00", "global.rychlost=60"}, {"global.rychlost"});
    r("menu akce :=", MenuAkce, "global.zvuk := 1", {"Hra 250,150 #ffff00", "global.zvuk=1"},
      {"global.zvuk"});
    r("menu akce ++", MenuAkce, "global.pokus++",
      {"Step, řádek 12: nelze přečíst: jazyk hry nezná '++': pište += 1", "Hra 250,150 #ffff00",
       "global.pokus=?"},
      {"global.pokus"});
    r("menu akce switch", MenuAkce,
      "switch (global.jazyk) { case 0: global.text = 'Hra' break default: global.text = 'Game' }",
      {"Step, řádek 12: proměnná global.jazyk není nastavená, čtu ji jako 0", "Hra 250,150 #ffff00",
       "global.text=Hra"},
      {"global.text"});
    r("menu akce while", MenuAkce, "global.n = 1 while (global.n < 100) global.n *= 2",
      {"Hra 250,150 #ffff00", "global.n=128"}, {"global.n"});
    r("menu akce náhoda", MenuAkce, "global.mapa = irandom(4)",
      {"Hra 250,150 #ffff00", "global.mapa=0"}, {"global.mapa"});
    r("menu akce exit", MenuAkce, "exit", {"Hra 250,150 #ffff00"});
    r("menu akce prázdná", MenuAkce, "",
      {"Step, řádek 13: nelze přečíst: za podmínkou 'if' z řádku 12 chybí příkaz, stojí tu '}'",
       "Hra 250,150 #ffff00"});
    r("menu akce bez závorky", MenuAkce, "room_goto(rm_hra",
      {"Step, řádek 13: nelze přečíst: čekám ')', stojí tu '}'", "Hra 250,150 #ffff00"});
    r("menu akce slovo mod", MenuAkce, "global.mod = 1",
      {"Step, řádek 12: nelze přečíst: za 'global.' čekám jméno proměnné, stojí tu 'mod'",
       "Hra 250,150 #ffff00"});
    r("menu akce středník navíc", MenuAkce, "room_goto(rm_hra);",
      {"akce: room_goto(rm_hra)", "Hra 250,150 #ffff00"});
    r("menu akce přiřazení textu", MenuAkce, "global.nick = \"Hráč\"",
      {"Hra 250,150 #ffff00", "global.nick=Hráč"}, {"global.nick"});
    r("menu akce do until", MenuAkce, "do global.k += 5 until (global.k >= 12)",
      {"Step, řádek 12: proměnná global.k není nastavená, čtu ji jako 0", "Hra 250,150 #ffff00",
       "global.k=15"},
      {"global.k"});
    r("nastavení název Zvuk", NastaveniNazev, "Zvuk",
      {"Zvuk 200,150 #ffff00", "ano 380,150 #ffff00"});
    r("nastavení název s diakritikou", NastaveniNazev, "Obtížnost",
      {"Obtížnost 200,150 #ffff00", "ano 380,150 #ffff00"});
    r("nastavení název s mezerou", NastaveniNazev, "Hlasitost hudby",
      {"Hlasitost hudby 200,150 #ffff00", "ano 380,150 #ffff00"});
    r("nastavení název s uvozovkami", NastaveniNazev, "Jméno \"hráče\"",
      {"Draw, řádek 2: nelze přečíst: čekám ')', stojí tu 'hr'", "ano 380,150 #ffff00"});
    r("nastavení název s apostrofem", NastaveniNazev, "Hráč's",
      {"Hráč's 200,150 #ffff00", "ano 380,150 #ffff00"});
    r("nastavení hodnoty ano ne", NastaveniHodnoty, "ano;ne",
      {"Zvuk 200,150 #ffff00", "ne 380,150 #ffff00", "a=2"}, {"a"});
    r("nastavení hodnoty tři", NastaveniHodnoty, "lehká;střední;těžká",
      {"Zvuk 200,150 #ffff00", "střední 380,150 #ffff00", "a=2"}, {"a"});
    r("nastavení hodnoty čísla", NastaveniHodnoty, "1;2;3",
      {"Zvuk 200,150 #ffff00", "2 380,150 #ffff00", "a=2"}, {"a"});
    r("nastavení hodnoty jedna", NastaveniHodnoty, "zapnuto",
      {"Zvuk 200,150 #ffff00", "zapnuto 380,150 #ffff00", "a=1"}, {"a"});
    r("nastavení hodnoty s mezerami", NastaveniHodnoty, "vypnuto; zapnuto",
      {"Zvuk 200,150 #ffff00", " zapnuto 380,150 #ffff00", "a=2"}, {"a"});
    r("nastavení akce zvuk", NastaveniAkce, "global.zvuk = 1;global.zvuk = 0",
      {"Zvuk 200,150 #ffff00", "ne 380,150 #ffff00", "global.zvuk=0"}, {"global.zvuk"});
    r("nastavení akce funkce", NastaveniAkce,
      "audio_play_sound(snd_hudba, 1, true);audio_stop_all()",
      {"akce: audio_stop_all()", "Zvuk 200,150 #ffff00", "ne 380,150 #ffff00"});
    r("nastavení akce celá obrazovka", NastaveniAkce,
      "window_set_fullscreen(true);window_set_fullscreen(false)",
      {"akce: window_set_fullscreen(false)", "Zvuk 200,150 #ffff00", "ne 380,150 #ffff00"});
    r("nastavení akce hlasitost", NastaveniAkce, "global.hlasitost = 100;global.hlasitost = 0",
      {"Zvuk 200,150 #ffff00", "ne 380,150 #ffff00", "global.hlasitost=0"}, {"global.hlasitost"});
    r("nastavení akce jen jedna", NastaveniAkce, "global.a = 1",
      {"Step, řádek 27: nelze přečíst: za 'else' z řádku 26 chybí příkaz, stojí tu '}'",
       "Zvuk 200,150 #ffff00", "ne 380,150 #ffff00", "global.a=?"},
      {"global.a"});
    r("nastavení akce blok", NastaveniAkce,
      "{ global.zvuk = 1 global.efekty = 1 };{ global.zvuk = 0 global.efekty = 0 }",
      {"Zvuk 200,150 #ffff00", "ne 380,150 #ffff00", "global.zvuk=0", "global.efekty=0"},
      {"global.zvuk", "global.efekty"});
    r("nastavení akce druhá prázdná", NastaveniAkce, "global.zvuk = 1;",
      {"Step, řádek 27: nelze přečíst: za 'else' z řádku 26 chybí příkaz, stojí tu '}'",
       "Zvuk 200,150 #ffff00", "ne 380,150 #ffff00", "global.zvuk=?"},
      {"global.zvuk"});
    r("nastavení akce bitově", NastaveniAkce, "global.volby |= 1;global.volby &= ~1",
      {"Step, řádek 27: proměnná global.volby není nastavená, čtu ji jako 0",
       "Zvuk 200,150 #ffff00", "ne 380,150 #ffff00", "global.volby=0"},
      {"global.volby"});
    r("nastavení akce přepnutí", NastaveniAkce, "global.zvuk = true;global.zvuk = false",
      {"Zvuk 200,150 #ffff00", "ne 380,150 #ffff00", "global.zvuk=0"}, {"global.zvuk"});
    r("nastavení akce nedokončená", NastaveniAkce, "global.zvuk = ;global.zvuk = 0",
      {"Step, řádek 26: nelze přečíst: čekám výraz, stojí tu '}'",
       "Step, řádek 31: nelze přečíst: čekám výraz, stojí tu '}'",
       "Step, řádek 39: nelze přečíst: čekám výraz, stojí tu '}'", "Zvuk 200,150 #ffff00",
       "ne 380,150 #ffff00", "global.zvuk=0"},
      {"global.zvuk"});
    r("nastavení x číslo", NastaveniX, "200", {"Zvuk 200,150 #ffff00", "ano 380,150 #ffff00"});
    r("nastavení x třetina", NastaveniX, "room_width / 3",
      {"Draw, řádek 5: nelze přečíst: chybí '}' k '{' z řádku 4", "Zvuk 213.333,150 #ffff00"});
    r("nastavení x od kraje", NastaveniX, "room_width - 250",
      {"Draw, řádek 5: nelze přečíst: chybí '}' k '{' z řádku 4", "Zvuk 390,150 #ffff00"});
    r("nastavení x prázdné", NastaveniX, "",
      {"Draw, řádek 2: nelze přečíst: čekám výraz, stojí tu ','",
       "Draw, řádek 5: nelze přečíst: chybí '}' k '{' z řádku 4"});
    r("highskore nick globální", HighskoreNick, "global.nick0",
      {"Draw, řádek 1: proměnná global.nick0 není nastavená, čtu ji jako 0", "0 190,50 #ffffff",
       "100 380,50 #ffffff"});
    r("highskore nick text", HighskoreNick, "\"Petr\"",
      {"Petr 190,50 #ffffff", "100 380,50 #ffffff"});
    r("highskore nick apostrofy", HighskoreNick, "'Jana'",
      {"Jana 190,50 #ffffff", "100 380,50 #ffffff"});
    r("highskore nick velkými", HighskoreNick, "string_upper(\"eva\")",
      {"EVA 190,50 #ffffff", "100 380,50 #ffffff"});
    r("highskore nick pole", HighskoreNick, "global.jmena[0]",
      {"Draw, řádek 1: proměnná global.jmena[0] není nastavená, čtu ji jako 0", "0 190,50 #ffffff",
       "100 380,50 #ffffff"});
    r("highskore nick složený", HighskoreNick, "\"Hráč \" + string(1)",
      {"Hráč 1 190,50 #ffffff", "100 380,50 #ffffff"});
    r("highskore nick neuzavřený", HighskoreNick, "\"Ema",
      {"Draw, řádek 1: nelze přečíst: neukončený text: chybí uvozovky na konci"});
    r("highskore nick výřez", HighskoreNick, "string_copy(\"Alexandr\", 1, 4)",
      {"Alex 190,50 #ffffff", "100 380,50 #ffffff"});
    r("highskore nick get_string", HighskoreNick, "get_string(\"Jméno\", \"\")",
      {"akce: get_string(\"Jméno\", \"\")",
       "Draw, řádek 1: hodnota volání get_string(…) v náhledu není, počítám s 0",
       "0 190,50 #ffffff", "100 380,50 #ffffff"});
    r("highskore nick bez uvozovek", HighskoreNick, "Petr",
      {"Draw, řádek 1: proměnná Petr není nastavená, čtu ji jako 0", "0 190,50 #ffffff",
       "100 380,50 #ffffff"});
    r("highskore nick 2-D pole", HighskoreNick, "global.tabulka[0, 1]",
      {"Draw, řádek 1: proměnná global.tabulka[1] není nastavená, čtu ji jako 0",
       "0 190,50 #ffffff", "100 380,50 #ffffff"});
    r("highskore skóre globální", HighskoreSkore, "global.skore0",
      {"Draw, řádek 2: proměnná global.skore0 není nastavená, čtu ji jako 0", "Eva 190,50 #ffffff",
       "0 380,50 #ffffff"});
    r("highskore skóre číslo", HighskoreSkore, "1200",
      {"Eva 190,50 #ffffff", "1200 380,50 #ffffff"});
    r("highskore skóre násobek", HighskoreSkore, "1200 * 2",
      {"Eva 190,50 #ffffff", "2400 380,50 #ffffff"});
    r("highskore skóre floor", HighskoreSkore, "floor(12.7)",
      {"Eva 190,50 #ffffff", "12 380,50 #ffffff"});
    r("highskore skóre round", HighskoreSkore, "round(99.5)",
      {"Eva 190,50 #ffffff", "100 380,50 #ffffff"});
    r("highskore skóre max", HighskoreSkore, "max(0, 100 - 250)",
      {"Eva 190,50 #ffffff", "0 380,50 #ffffff"});
    r("highskore skóre text", HighskoreSkore, "\"1200\"",
      {"Eva 190,50 #ffffff", "1200 380,50 #ffffff"});
    r("highskore skóre real", HighskoreSkore, "real(\"55\")",
      {"Eva 190,50 #ffffff", "55 380,50 #ffffff"});
    r("highskore skóre dělení nulou", HighskoreSkore, "1 / 0",
      {"Draw, řádek 2: běh zastaven: dělení nulou", "Eva 190,50 #ffffff"});
    r("highskore skóre desetinné", HighskoreSkore, "10 / 4",
      {"Eva 190,50 #ffffff", "2.50 380,50 #ffffff"});
    r("highskore skóre pole", HighskoreSkore, "global.body[3]",
      {"Draw, řádek 2: proměnná global.body[3] není nastavená, čtu ji jako 0", "Eva 190,50 #ffffff",
       "0 380,50 #ffffff"});
    r("highskore skóre s tečkami", HighskoreSkore, "12.500",
      {"Eva 190,50 #ffffff", "12.50 380,50 #ffffff"});
    r("titulky text Programovani", TitulkyText, "Programovani",
      {"Programovani 250,640 #ff0000", "Jan 250,660 #ffffff"});
    r("titulky text Grafika", TitulkyText, "Grafika",
      {"Grafika 250,640 #ff0000", "Jan 250,660 #ffffff"});
    r("titulky text s podtržítky", TitulkyText, "Zvuk_a_hudba",
      {"Zvuk_a_hudba 250,640 #ff0000", "Jan 250,660 #ffffff"});
    r("titulky text s diakritikou", TitulkyText, "Hlavní programátor",
      {"Create, řádek 2: nelze přečíst: nečekaný znak 'í'",
       "Draw, řádek 1: nelze přečíst: nečekaný znak 'í'",
       "Alarm[0], řádek 2: nelze přečíst: nečekaný znak 'í'", "Jan 250,660 #ffffff"});
    r("titulky text jméno s mezerou", TitulkyText, "Jan Novak",
      {"Create, řádek 2: nelze přečíst: za 'Jan' čekám '=' nebo '(', stojí tu 'Novak'",
       "Draw, řádek 1: nelze přečíst: čekám ')', stojí tu 'Novak'",
       "Alarm[0], řádek 2: nelze přečíst: za 'Jan' čekám '=' nebo '(', stojí tu 'Novak'",
       "Jan 250,660 #ffffff"});
    r("titulky text začíná číslicí", TitulkyText, "2D_grafika",
      {"Create, řádek 2: nelze přečíst: příkaz nemůže začínat: číslo 2",
       "Draw, řádek 1: nelze přečíst: čekám ')', stojí tu 'D_grafika'",
       "Alarm[0], řádek 2: nelze přečíst: příkaz nemůže začínat: číslo 2", "Jan 250,660 #ffffff"});
    r("titulky text klíčové slovo", TitulkyText, "repeat",
      {"Create, řádek 2: nelze přečíst: čekám výraz, stojí tu '='",
       "Draw, řádek 1: nelze přečíst: 'repeat' tu nemůže stát, čekám výraz",
       "Alarm[0], řádek 2: nelze přečíst: čekám výraz, stojí tu '-='", "Jan 250,660 #ffffff"});
    r("titulky text s číslem", TitulkyText, "Testovani2",
      {"Testovani2 250,640 #ff0000", "Jan 250,660 #ffffff"});
    r("titulky barva c_red", TitulkyBarva, "c_red",
      {"Hudba 250,640 #ff0000", "Jan 250,660 #ffffff"});
    r("titulky barva c_orange", TitulkyBarva, "c_orange",
      {"Hudba 250,640 #ffa040", "Jan 250,660 #ffffff"});
    r("titulky barva c_ltgray", TitulkyBarva, "c_ltgray",
      {"Hudba 250,640 #c0c0c0", "Jan 250,660 #ffffff"});
    r("titulky barva make_color_rgb", TitulkyBarva, "make_color_rgb(255, 200, 0)",
      {"Hudba 250,640 #ffc800", "Jan 250,660 #ffffff"});
    r("titulky barva šestnáctkově", TitulkyBarva, "$0000FF",
      {"Hudba 250,640 #ff0000", "Jan 250,660 #ffffff"});
    r("titulky barva merge_color", TitulkyBarva, "merge_color(c_red, c_blue, 0.5)",
      {"Hudba 250,640 #800080", "Jan 250,660 #ffffff"});
    r("titulky barva make_color_hsv", TitulkyBarva, "make_color_hsv(0, 255, 255)",
      {"Hudba 250,640 #ff0000", "Jan 250,660 #ffffff"});
    r("titulky barva číslem", TitulkyBarva, "16711680",
      {"Hudba 250,640 #0000ff", "Jan 250,660 #ffffff"});
    r("titulky barva neznámá", TitulkyBarva, "c_oranzova",
      {"Draw, řádek 1: proměnná c_oranzova není nastavená, čtu ji jako 0", "Hudba 250,640 #000000",
       "Jan 250,660 #ffffff"});
    r("titulky barva prázdná", TitulkyBarva, "",
      {"Draw, řádek 1: nelze přečíst: čekám výraz, stojí tu ','", "Jan 250,660 #ffffff"});
    r("menu akce ++ v indexu", MenuAkce, "global.body[global.i++] = 5",
      {"Step, řádek 12: nelze přečíst: jazyk hry nezná '++': pište += 1", "Hra 250,150 #ffff00",
       "global.body[0]=?", "global.i=?"},
      {"global.body[0]", "global.i"});
}

void TestNahledUryvky::uryvek() {
    QFETCH(int, pole);
    QFETCH(QString, uryvek);
    QFETCH(QStringList, ocekavano);
    QFETCH(QStringList, promenne);
    const auto [skript, klavesy] = umisti(static_cast<PoleFormulare>(pole), uryvek.toStdString());
    QVERIFY(!skript.odmitnuti);
    Mistnost m(skripty(skript));
    m.krok(klavesy);
    QStringList pozorovano;
    for (const Zprava& z : m.vezmiZpravy())
        pozorovano << QString::fromStdString(z.text);
    for (const Kresba& k : m.kresby())
        pozorovano << QStringLiteral("%1 %2,%3 %4")
                          .arg(QString::fromStdString(k.text))
                          .arg(k.x)
                          .arg(k.y)
                          .arg(popisBarvy(k.barva));
    for (const QString& jmeno : promenne) {
        const std::optional<Hodnota> h = m.hodnota(jmeno.toStdString());
        pozorovano << jmeno + "=" + (h ? QString::fromStdString(NaText(*h)) : QStringLiteral("?"));
    }
    QCOMPARE(pozorovano, ocekavano);
}

QTEST_APPLESS_MAIN(TestNahledUryvky)
#include "test_nahled_uryvky.moc"
