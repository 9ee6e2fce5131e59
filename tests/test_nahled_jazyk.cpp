#include "preview/mistnost.h"

#include <QTest>

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
    void necitelne_data();
    void necitelne();
    void chybyBehu_data();
    void chybyBehu();
    void chybaZastaviJenSvouUdalost();
    void akceANenastavenePromenne();
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
    radek("šestnáctkově", "a = $1F + 0x10", "47");
    radek("barva", "a = c_yellow", "65535");
    radek("room_speed", "a = room_speed/12", "2.50");
    radek("klávesa", "a = vk_down", "40");
    radek("komentáře", "// úvod\na = 1 /* dva\nřádky */ a += 1", "2");
    radek("srovnání textů", "a = \"x\" == \"x\"", "1");
    radek("bez středníků na řádku", "a = 1 b = 2 a = a + b", "3");
}

void TestNahledJazyk::vysledky() {
    QFETCH(QString, skript);
    QFETCH(QString, hodnota);
    QFETCH(bool, jeText);
    Mistnost m({{Udalost::Create, skript.toStdString()}});
    QCOMPARE(texty(m.VezmiZpravy()), QStringList{});
    const std::optional<Hodnota> a = m.hodnota("a");
    QVERIFY(a);
    QCOMPARE(JeText(*a), jeText);
    QCOMPARE(QString::fromStdString(NaText(*a)), hodnota);
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
    radek("jiný objekt než global", "obj.x = 1",
          "Step, řádek 1: nelze přečíst: náhled zná jen proměnné 'global.', 'self.' a 'other.', "
          "ne 'obj.'");
    radek("chybějící výraz", "a = \n",
          "Step, řádek 2: nelze přečíst: čekám výraz, stojí tu konec skriptu");
    radek("příliš hluboko", "a = " + QString(5000, '('),
          "Step, řádek 1: nelze přečíst: příliš hluboké vnoření");
}

void TestNahledJazyk::necitelne() {
    QFETCH(QString, skript);
    QFETCH(QString, zprava);
    Mistnost m({{Udalost::Step, skript.toStdString()}});
    const std::vector<Zprava> zpravy = m.VezmiZpravy();
    QCOMPARE(texty(zpravy), QStringList{zprava});
    QCOMPARE(zpravy[0].druh, Zprava::Druh::Chyba);
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
          "Draw, řádek 20: běh zastaven: text by byl delší než milion znaků");
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
    m.Krok();
    m.Krok();
    QCOMPARE(texty(m.VezmiZpravy()), QStringList{zprava});
}

// A broken Step neither stops Draw nor repeats its message every step.
void TestNahledJazyk::chybaZastaviJenSvouUdalost() {
    Mistnost m({{Udalost::Create, "n = 0"},
                {Udalost::Step, "n += 1\nn = n / 0"},
                {Udalost::Draw, "draw_text_color(10,20,string(n),c_red,0,0,0,1)"}});
    for (int i = 0; i < 3; ++i)
        m.Krok();
    QCOMPARE(texty(m.VezmiZpravy()), QStringList{"Step, řádek 2: běh zastaven: dělení nulou"});
    QCOMPARE(m.kresby(), (std::vector<Kresba>{{10, 20, "1", BarvaKonstanty("c_red"), {}, 1}}));
}

void TestNahledJazyk::akceANenastavenePromenne() {
    const Skripty skripty{{Udalost::Step, "room_goto(novahra)\nx = y + 1\nx = y + z"}};
    Mistnost m(skripty);
    m.Krok();
    m.Krok();
    QCOMPARE(texty(m.VezmiZpravy()),
             (QStringList{"akce: room_goto(novahra)",
                          "Step, řádek 2: proměnná y není nastavená, čtu ji jako 0",
                          "Step, řádek 3: proměnná z není nastavená, čtu ji jako 0",
                          "akce: room_goto(novahra)"}));
    QCOMPARE(m.nenastavene(), (std::vector<std::string>{"y", "z"}));

    Mistnost zadana(skripty, {{"y", 4.0}, {"z", std::string("?")}});
    zadana.Krok();
    QCOMPARE(texty(zadana.VezmiZpravy()),
             (QStringList{"akce: room_goto(novahra)",
                          "Step, řádek 3: běh zastaven: '+' nelze použít na číslo a text"}));
    QCOMPARE(NaText(*zadana.hodnota("x")), std::string("5"));
}

QTEST_APPLESS_MAIN(TestNahledJazyk)
#include "test_nahled_jazyk.moc"
