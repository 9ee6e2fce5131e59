#include "preview/mistnost.h"

#include <QTest>

#include <clocale>
#include <string>

using generatory::Udalost;

using namespace nahled;

namespace {

QStringList texty(const std::vector<Zprava>& zpravy) {
    QStringList vysledek;
    for (const Zprava& z : zpravy)
        vysledek << QString::fromStdString(z.text);
    return vysledek;
}

} // namespace

class TestNahledJazyk : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void vysledky_data();
    void vysledky();
    void vysledkyPodCeskymNastavenim_data() { vysledky_data(); }
    void vysledkyPodCeskymNastavenim();
    void necitelne_data();
    void necitelne();
    void odmitnute_data();
    void odmitnute();
    void chybyBehu_data();
    void chybyBehu();
    void chybaZastaviJenSvouUdalost();
    void akceANenastavenePromenne();
    void hodnotaNezname();
    void promennaJinehoObjektu();
    void prectenyProgramJenKeStejnemuTextu();
    void necitelnyRadekStojiJenSvujPrikaz();
};

void TestNahledJazyk::vysledky_data() {
    QTest::addColumn<QString>("skript");
    QTest::addColumn<QString>("hodnota");
    QTest::addColumn<bool>("jeText");
    const auto radek = [](const char* nazev, const char* skript, const char* hodnota,
                          bool jeText = false) {
        QTest::addRow("%s", nazev)
            << QString::fromUtf8(skript) << QString::fromUtf8(hodnota) << jeText;
    };
    radek("přednost násobení", "a = 1 + 2 * 3", "7");
    radek("závorky", "a = (1 + 2) * 3", "9");
    radek("dělení a desetinná čísla", "a = 7 / 2 - .5", "3");
    radek("unární minus a ne", "a = -2 + 5 * !0", "3");
    radek("spojení textů", "a = \"Nová \" + \"hra\"", "Nová hra", true);
    radek("srovnání", "a = (2 < 3) + (3 <= 3) + (4 > 5) + (5 >= 6) + (1 != 2)", "3");
    radek("logika", "a = 1 == 2 || 3 >= 3 && !(1 && 0)", "1");
    radek("slova and, or, not", "a = not 0 and (0 or 1)", "1");
    radek("rovnítko jako srovnání", "a = 1 = 1", "1");
    radek("true a false", "a = true + true + false", "2");
    radek("složená přiřazení", "a = 1; a += 4; a *= 3; a -= 1; a /= 2", "7");
    radek("+= na textu", "a = \"x\" a += \"y\"", "xy", true);
    radek("if a else", "if (1 > 2) a = 1 else a = 2", "2");
    radek("else patří nejbližšímu if", "a = 5 if(0)if(1)a = 1 else a = 2", "5");
    radek("vnořené bloky", "{ a = 1; { a += 1 } }", "2");
    radek("global", "global.b = 3 a = global.b * 2", "6");
    radek("pole", "p[2] = 5 a = p[2] + 1", "6");
    radek("string", "a = string(3) + \"|\" + string(2.5) + string(\"t\")", "3|2.50t", true);
    radek("šestnáctkově", "a = $1F + $10", "47");
    radek("barva", "a = c_yellow", "65535");
    radek("room_speed", "a = room_speed/12", "2.50");
    radek("klávesa", "a = vk_down", "40");
    radek("komentáře", "// úvod\na = 1 /* dva\nřádky */ a += 1", "2");
    radek("srovnání textů", "a = \"x\" == \"x\"", "1");
    radek("bez středníků na řádku", "a = 1 b = 2 a = a + b", "3");
    radek("div a mod", "a = 17 div 5 * 100 + 17 mod 5 * 10 + -7 mod 3", "319");
    radek("xor a ^^", "a = (1 xor 0) + (1 ^^ 1) * 10", "1");
    radek("<> a :=", "a := 2 <> 3", "1");
    radek("bitové operátory", "a = (6 & 3) + (6 | 3) * 10 + (6 ^ 3) * 100 + (1 << 4) + (64 >> 2)",
          "604");
    radek("přednost bitových před srovnáním", "a = 1 | 2 == 3", "1");
    radek("bitová negace", "a = ~5", "-6");
    radek("přednost && před ||", "a = 1 || 0 && 0", "1");
    radek("složená bitová přiřazení", "a = 12 a |= 3 a &= 10 a ^= 1", "11");
    radek("apostrofy", "a = 'Ahoj \"světe\"'", "Ahoj \"světe\"", true);
    radek("2-D pole", "p[1, 2] = 5 p[0, 2] = 3 a = p[1, 2] * 10 + p[2]", "53");
    radek("self a other", "self.b = 4 other.b += 1 a = b", "5");
    radek("while", "a = 0 while (a < 10) a += 3", "12");
    radek("do until", "a = 0 do { a += 1 } until (a >= 5)", "5");
    radek("repeat", "a = 0 repeat (4) a += 2", "8");
    radek("for", "a = 0 for (i = 1; i <= 4; i += 1) a += i", "10");
    radek("break a continue",
          "a = 0 for (i = 0; i < 10; i += 1) { if (i == 2) continue if (i == 5) break a += i }",
          "8");
    radek("switch s propadnutím",
          "a = 0 switch (2) { case 1: a += 1 case 2: a += 10 case 3: a += 100 break case 4: a += "
          "1000 }",
          "110");
    radek("switch s default", "switch (\"x\") { case \"y\": a = 1 break default: a = 2 }", "2");
    radek("with", "with (obj_hrac) { a = 3 }", "3");
    radek("with … do", "with (obj_nepritel) do a = 3", "3");
    radek("with (all)", "with (all) { a = 6 }", "6");
    radek("begin a end", "begin a = 1; begin a += 1 end end", "2");
    radek("if … then", "if 1 > 2 then a = 1 else a = 2", "2");
    radek("while … do", "a = 0 while (a < 5) do a += 2", "6");
    radek("self, other, all, noone",
          "global.cil = noone a = (self == -1) + (other == -2) * 10 + (all == -3) * 100 + "
          "(global.cil == -4) * 1000",
          "1111");
    radek("var", "var i, j = 2; a = j", "2");
    radek("globalvar", "globalvar g; g = 7 a = global.g", "7");
    radek("exit", "a = 1 exit a = 2", "1");
    radek("return", "a = 1 if (a) return 5 a = 2", "1");
    radek("room_width a room_height", "a = room_width / 2 + room_height - 40", "760");
    radek("c_orange", "a = c_orange", "4235519");
    radek("make_color_rgb", "a = make_color_rgb(255, 128, 0) == c_orange", "0");
    radek("složky barvy", "a = color_get_blue(make_color_rgb(1, 2, 3)) + color_get_red(c_aqua)",
          "3");
    radek("matematika", "a = floor(2.7) + ceil(0.2) + round(2.5) + abs(-3) + sign(-2) + sqr(3)",
          "16");
    radek("min, max, mean, median", "a = min(3, 1, 2) + max(4, 9) + mean(2, 4) + median(5, 1, 3)",
          "16");
    radek("mocnina a odmocnina", "a = power(2, 10) + sqrt(16) + frac(2.25)", "1028.25");
    radek("goniometrie",
          "a = round(lengthdir_x(10, 90)) + round(lengthdir_y(10, 90)) + "
          "point_direction(0, 0, 0, -5) + point_distance(0, 0, 3, 4)",
          "85");
    radek("texty",
          "a = string_upper(\"ab\") + string_lower(\"CD\") + string(string_length(\"čaj\"))",
          "ABcd3", true);
    radek("výřezy textu",
          "a = string_copy(\"Kodovar\", 2, 3) + string_char_at(\"xyz\", 3) + "
          "string_delete(\"abcd\", 2, 2) + string_insert(\"-\", \"ab\", 2)",
          "odozada-b", true);
    radek("hledání v textu",
          "a = string_pos(\"va\", \"Kodovar\") * 10 + string_count(\"a\", \"banana\")", "53");
    radek("nahrazení",
          "a = string_replace_all(\"a-b-c\", \"-\", \"+\") + string_replace(\"aa\", \"a\", \"b\")",
          "a+b+cba", true);
    radek("opakování a výběr znaků",
          "a = string_repeat(\"ab\", 3) + string_digits(\"a1b2\") + "
          "string_letters(\"a1b2\")",
          "ababab12ab", true);
    radek("chr, ord a real", "a = chr(65) + string(ord(\"B\") + real(\"2.5\"))", "A68.50", true);
    radek("string_format", "a = string_format(3.14159, 6, 2)", "  3.14", true);
    radek("real s mezerou a plus", "a = real(\" +2.5\") * 2", "5");
    radek("dlouhé desetinné číslo", "a = 1234567890123456.5 - 1234567890123456", "0.50");
    radek("celé číslo se stovkami číslic", "a = string_length(string(power(10, 300)))", "304");
    radek("is_real a is_string", "a = is_real(1) + is_string(\"x\") * 10 + is_string(1) * 100",
          "11");
    radek("náhoda v rozsahu",
          "a = 0 repeat (50) { r = irandom_range(3, 5) if (r < 3 || r > 5) a = 1 }", "0");
    radek("choose", "a = choose(7, 7, 7)", "7");
    radek("pi", "a = round(pi * 100)", "314");
}

void TestNahledJazyk::vysledky() {
    QFETCH(QString, skript);
    QFETCH(QString, hodnota);
    QFETCH(bool, jeText);
    Mistnost m({{Udalost::Create, skript.toStdString()}});
    QCOMPARE(texty(m.vezmiZpravy()), QStringList{});
    const std::optional<Hodnota> a = m.hodnota("a");
    QVERIFY(a);
    QCOMPARE(JeText(*a), jeText);
    QCOMPARE(QString::fromStdString(NaText(*a)), hodnota);
}

// The window runs under the author's locale, and a Czech one writes and reads numbers with a
// decimal comma; the script's numbers keep their point.
void TestNahledJazyk::vysledkyPodCeskymNastavenim() {
    const std::string puvodni = std::setlocale(LC_NUMERIC, nullptr);
    // The first is the name on Linux, the second on Windows.
    if (!std::setlocale(LC_NUMERIC, "cs_CZ.UTF-8") && !std::setlocale(LC_NUMERIC, "Czech"))
        QSKIP("no Czech locale is installed");
    struct Vrat {
        const std::string& puvodni;
        ~Vrat() { std::setlocale(LC_NUMERIC, puvodni.c_str()); }
    } vrat{puvodni};
    vysledky();
}

void TestNahledJazyk::necitelne_data() {
    QTest::addColumn<QString>("skript");
    QTest::addColumn<QString>("zprava");
    const auto radek = [](const char* nazev, const QString& skript, const char* zprava) {
        QTest::addRow("%s", nazev) << skript << QString::fromUtf8(zprava);
    };
    radek("chybí závorka", "a = 1\nb = (2 + 3",
          "Step, řádek 2: nelze přečíst: čekám ')', stojí tu konec skriptu");
    radek("neukončený text", "a = 1\n\nb = \"abc",
          "Step, řádek 3: nelze přečíst: neukončený text: chybí uvozovky na konci");
    radek("neukončený komentář", "a = 1 /* a",
          "Step, řádek 1: nelze přečíst: neukončený komentář /*");
    radek("cizí znak", "a = 1\na = 2 @ 3", "Step, řádek 2: nelze přečíst: nečekaný znak '@'");
    radek("písmeno s diakritikou", "Programování = 640",
          "Step, řádek 1: nelze přečíst: nečekaný znak 'á'");
    radek("osamělá závorka", "a = 1\n}",
          "Step, řádek 2: nelze přečíst: nečekaná '}' bez otevírací '{'");
    radek("neuzavřený blok", "if(a){\nb = 1\n",
          "Step, řádek 3: nelze přečíst: chybí '}' k '{' z řádku 1");
    radek("else bez if", "else a = 1", "Step, řádek 1: nelze přečíst: 'else' bez 'if'");
    radek("else bez příkazu", "if(a){\nif(b){c = 1} else\n}",
          "Step, řádek 3: nelze přečíst: za 'else' z řádku 2 chybí příkaz, stojí tu '}'");
    radek("operátor na začátku", "div = 1",
          "Step, řádek 1: nelze přečíst: 'div' je operátor, příkaz jím začínat nemůže");
    radek("výraz místo příkazu", "a + 1",
          "Step, řádek 1: nelze přečíst: za 'a' čekám '=' nebo '(', stojí tu '+'");
    radek("tečka bez jména", "obj. = 1",
          "Step, řádek 1: nelze přečíst: za 'obj.' čekám jméno proměnné, stojí tu '='");
    radek("zápis do self", "self = 1",
          "Step, řádek 1: nelze přečíst: 'self' je konstanta, nelze do ní zapsat");
    radek("end bez begin", "a = 1 end",
          "Step, řádek 1: nelze přečíst: nečekaná '}' bez otevírací '{'");
    radek("chybějící výraz", "a = \n",
          "Step, řádek 2: nelze přečíst: čekám výraz, stojí tu konec skriptu");
    radek("příliš hluboko", "a = " + QString(5000, '('),
          "Step, řádek 1: nelze přečíst: příliš hluboké vnoření");
}

void TestNahledJazyk::necitelne() {
    QFETCH(QString, skript);
    QFETCH(QString, zprava);
    Mistnost m({{Udalost::Step, skript.toStdString()}});
    const std::vector<Zprava> zpravy = m.vezmiZpravy();
    QCOMPARE(texty(zpravy), QStringList{zprava});
    QCOMPARE(zpravy[0].druh, Zprava::Druh::Chyba);
}

// Forms the engine refuses to compile: the statement that holds one is refused, in words that
// say what the engine takes instead, and the lines around it run.
void TestNahledJazyk::odmitnute_data() {
    QTest::addColumn<QString>("prikaz");
    QTest::addColumn<QString>("zprava");
    const auto radek = [](const char* prikaz, const char* zprava) {
        QTest::addRow("%s", prikaz) << QString::fromUtf8(prikaz) << QString::fromUtf8(zprava);
    };
    radek("b = 7 % 2", "jazyk hry nezná '%': zbytek po dělení se píše mod");
    radek("b++", "jazyk hry nezná '++': pište += 1");
    radek("b = ++c", "jazyk hry nezná '++': pište += 1");
    radek("b = c-- + 1", "jazyk hry nezná '--': pište -= 1");
    radek("b = 0x1F", "jazyk hry nezná 0x1F: šestnáctkové číslo se píše $1F");
    radek("b = #FF8000",
          "jazyk hry nezná barvu #FF8000: pište $0080FF nebo make_color_rgb(255, 128, 0)");
    radek("b = c > 0 ? 1 : 2", "jazyk hry nezná podmínku 'a ? b : c': pište if … else");
    radek("b = 1e3", "jazyk hry nezná exponent 1e3: pište 1000");
    radek("b = 2.5E-2", "jazyk hry nezná exponent 2.5E-2: pište 0.025");
}

void TestNahledJazyk::odmitnute() {
    QFETCH(QString, prikaz);
    QFETCH(QString, zprava);
    Mistnost m({{Udalost::Step, "a = 1\n" + prikaz.toStdString() + "\nc = 3"}});
    QCOMPARE(texty(m.vezmiZpravy()), QStringList{"Step, řádek 2: nelze přečíst: " + zprava});
    m.krok();
    QVERIFY(m.hodnota("a") && m.hodnota("c") && !m.hodnota("b"));
}

void TestNahledJazyk::chybyBehu_data() {
    QTest::addColumn<QString>("skript");
    QTest::addColumn<QString>("zprava");
    const auto radek = [](const char* nazev, const char* skript, const char* zprava) {
        QTest::addRow("%s", nazev) << QString::fromUtf8(skript) << QString::fromUtf8(zprava);
    };
    radek("text plus číslo", "a = 1\nb = \"x\" + 1",
          "Draw, řádek 2: běh zastaven: '+' nelze použít na text a číslo");
    radek("dělení nulou", "a = 1 / 0", "Draw, řádek 1: běh zastaven: dělení nulou");
    const std::string zdvojovani =
        "a = \"xy\"\n" + QStringLiteral("a = a + a\n").repeated(20).toStdString();
    radek("text zdvojovaný bez konce", zdvojovani.c_str(),
          "Draw, řádek 20: běh zastaven: text by byl delší než 1 000 000 znaků");
    radek("zápis do konstanty", "c_red = 1",
          "Draw, řádek 1: běh zastaven: c_red je konstanta, nelze do ní zapsat");
    radek("záporný index", "a[-1] = 0",
          "Draw, řádek 1: běh zastaven: index pole -1 je mimo rozsah 0 až 31999");
    radek("obří index", "a[40000] = 0",
          "Draw, řádek 1: běh zastaven: index pole 40000 je mimo rozsah 0 až 31999");
    radek("počet argumentů", "draw_text_color(1,2)",
          "Draw, řádek 1: běh zastaven: draw_text_color: čekám 8 argumentů, je jich 2");
    radek("textová podmínka", "if(\"a\") b = 1",
          "Draw, řádek 1: běh zastaven: podmínka má být číslo, je to text");
    radek("číslo jako pole", "a = 1 b = a[0]", "Draw, řádek 1: běh zastaven: a není pole");
    radek("pole jako číslo", "a[0] = 1 b = a",
          "Draw, řádek 1: běh zastaven: a je pole: čtěte jeho prvky, např. a[0]");
    radek("text jako souřadnice", "draw_text_color(\"x\",1,\"t\",0,0,0,0,1)",
          "Draw, řádek 1: běh zastaven: draw_text_color: argument 1 má být číslo, je to text");
}

void TestNahledJazyk::chybyBehu() {
    QFETCH(QString, skript);
    QFETCH(QString, zprava);
    Mistnost m({{Udalost::Draw, skript.toStdString()}});
    m.krok();
    m.krok();
    QCOMPARE(texty(m.vezmiZpravy()), QStringList{zprava});
}

// A broken Step neither stops Draw nor repeats its message every step.
void TestNahledJazyk::chybaZastaviJenSvouUdalost() {
    Mistnost m({{Udalost::Create, "n = 0"},
                {Udalost::Step, "n += 1\nn = n / 0"},
                {Udalost::Draw, "draw_text_color(10,20,string(n),c_red,0,0,0,1)"}});
    for (int i = 0; i < 3; ++i)
        m.krok();
    QCOMPARE(texty(m.vezmiZpravy()), QStringList{"Step, řádek 2: běh zastaven: dělení nulou"});
    QCOMPARE(m.kresby(), (std::vector<Kresba>{{10, 20, "1", BarvaKonstanty("c_red"), {}, 1}}));
}

void TestNahledJazyk::akceANenastavenePromenne() {
    const Skripty skripty{{Udalost::Step, "room_goto(novahra)\nx = y + 1\nx = y + z"}};
    Mistnost m(skripty);
    m.krok();
    m.krok();
    QCOMPARE(texty(m.vezmiZpravy()),
             (QStringList{"akce: room_goto(novahra)",
                          "Step, řádek 2: proměnná y není nastavená, čtu ji jako 0",
                          "Step, řádek 3: proměnná z není nastavená, čtu ji jako 0",
                          "akce: room_goto(novahra)"}));
    QCOMPARE(m.nenastavene(), (std::vector<std::string>{"y", "z"}));

    Mistnost zadana(skripty, {{"y", 4.0}, {"z", std::string("?")}});
    zadana.krok();
    QCOMPARE(texty(zadana.vezmiZpravy()),
             (QStringList{"akce: room_goto(novahra)",
                          "Step, řádek 3: běh zastaven: '+' nelze použít na číslo a text"}));
    QCOMPARE(NaText(*zadana.hodnota("x")), std::string("5"));
}

// The call runs as an action each time; that its value is missing is said once per call site.
void TestNahledJazyk::hodnotaNezname() {
    Mistnost m({{Udalost::Step, "w = string_width(\"Nová hra\") + 1\nstring_width(\"x\")\n"
                                "h = 1 + string_height(\"x\")"}});
    m.krok();
    m.krok();
    QCOMPARE(
        texty(m.vezmiZpravy()),
        (QStringList{"akce: string_width(\"Nová hra\")",
                     "Step, řádek 1: hodnota volání string_width(…) v náhledu není, počítám s 0",
                     "akce: string_width(\"x\")", "akce: string_height(\"x\")",
                     "Step, řádek 3: hodnota volání string_height(…) v náhledu není, počítám "
                     "s 0",
                     "akce: string_width(\"Nová hra\")", "akce: string_width(\"x\")",
                     "akce: string_height(\"x\")"}));
    QCOMPARE(NaText(*m.hodnota("w")), std::string("1"));
}

// The room holds one object: writing another's variable is an action it lists, reading one is
// said once per place, as a call's missing value is.
void TestNahledJazyk::promennaJinehoObjektu() {
    Mistnost m({{Udalost::Step, "obj_hrac.hp = 100\nobj_hrac.zivoty -= 1\nx = obj_hrac.hp + 1"}});
    m.krok();
    m.krok();
    QCOMPARE(texty(m.vezmiZpravy()),
             (QStringList{"akce: obj_hrac.hp = 100", "akce: obj_hrac.zivoty -= 1",
                          "Step, řádek 3: hodnota obj_hrac.hp v náhledu není, počítám s 0",
                          "akce: obj_hrac.hp = 100", "akce: obj_hrac.zivoty -= 1"}));
    QCOMPARE(NaText(*m.hodnota("x")), std::string("1"));
}

// The room runs a program read before only where it was read from the very text it is given.
void TestNahledJazyk::prectenyProgramJenKeStejnemuTextu() {
    Prectene prectene;
    prectene[Udalost::Create] = Rozeber("a = 1");
    prectene[Udalost::Step] = Rozeber("b = ");
    Mistnost m({{Udalost::Create, "a = 2"}, {Udalost::Step, "b = "}}, {}, std::move(prectene));
    QCOMPARE(NaText(*m.hodnota("a")), std::string("2"));
    QCOMPARE(texty(m.vezmiZpravy()),
             QStringList{"Step, řádek 1: nelze přečíst: čekám výraz, stojí tu konec skriptu"});
}

// Each unreadable statement is reported in line order and skipped; the rest runs.
void TestNahledJazyk::necitelnyRadekStojiJenSvujPrikaz() {
    Mistnost m(
        {{Udalost::Create, "a = 1\nb = 2 + * 3\nc = 3\nx = @\n{ d = ; e = 5 }\nf = 6 y\ng = 7"}});
    QCOMPARE(texty(m.vezmiZpravy()),
             (QStringList{"Create, řádek 2: nelze přečíst: čekám výraz, stojí tu '*'",
                          "Create, řádek 4: nelze přečíst: nečekaný znak '@'",
                          "Create, řádek 5: nelze přečíst: čekám výraz, stojí tu ';'",
                          "Create, řádek 7: nelze přečíst: za 'y' čekám '=' nebo '(', stojí tu "
                          "'g'"}));
    for (const char* jmeno : {"a", "c", "e", "f", "g"})
        QVERIFY2(m.hodnota(jmeno), jmeno);
    for (const char* jmeno : {"b", "d", "x"})
        QVERIFY2(!m.hodnota(jmeno), jmeno);

    const Rozbor r = Rozeber(QStringLiteral("a = *\n").repeated(500).toStdString());
    QCOMPARE(r.chyby.size(), NejvicChyb);
    QVERIFY(r.chyby.back().zprava.ends_with("(další chyby náhled nehlásí)"));
}

QTEST_APPLESS_MAIN(TestNahledJazyk)
#include "test_nahled_jazyk.moc"
