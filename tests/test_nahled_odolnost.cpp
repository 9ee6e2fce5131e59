// Scripts that try to bring the preview down: each one ends with a clear message or runs, and
// the room goes on drawing.

#include "preview/mistnost.h"

#include <QTest>

using generatory::Udalost;

using namespace nahled;

namespace {

QString opakuj(const QString& cast, int kolikrat, const QString& oddelovac = {}) {
    QStringList casti;
    casti.reserve(kolikrat);
    for (int i = 0; i < kolikrat; ++i)
        casti << cast;
    return casti.join(oddelovac);
}

const QString obri = QString(400, '9');

} // namespace

class TestNahledOdolnost : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void skript_data();
    void skript();
    void zpravyMajiStrop();
};

void TestNahledOdolnost::skript_data() {
    QTest::addColumn<QString>("skript");
    QTest::addColumn<QString>("chyba"); // the one error; empty when the script runs
    QTest::addColumn<QString>("a");     // what a holds afterwards; empty when nothing set it
    const auto radek = [](const char* nazev, const QString& skript, const char* chyba,
                          const char* a = "") {
        QTest::addRow("%s", nazev) << skript << QString::fromUtf8(chyba) << QString::fromUtf8(a);
    };
    radek("milion sčítanců", "a = " + opakuj("1", 1'000'000, "+"), "", "1000000");
    radek("300 000 spojek &&", "b = 1\na = " + opakuj("b", 300'000, "&&"), "", "1");
    radek("300 000 spojek or", "b = 0\na = " + opakuj("b", 300'000, " or ") + " or 1", "", "1");
    radek("300 000 rovností", "a = " + opakuj("1", 300'000, " == "), "", "1");
    radek("300 000 bitových nebo", "a = " + opakuj("1", 300'000, "|"), "", "1");
    radek("střídané úrovně", "a = " + opakuj("2*1", 300'000, "+") + " - 1", "", "599999");
    radek("text delší než milion", "a = " + opakuj("\"ab\"", 600'000, "+"),
          "Step, řádek 1: běh zastaven: text by byl delší než 1 000 000 znaků");
    radek("text zdvojovaný ve smyčce", "s = \"ab\"\nrepeat (100) s += s",
          "Step, řádek 2: běh zastaven: text by byl delší než 1 000 000 znaků");
    radek("obří string_repeat", "a = string_repeat(\"ab\", 1000000000000)",
          "Step, řádek 1: běh zastaven: string_repeat: text by byl delší než 1 000 000 znaků");
    radek("index NaN", "global.p[" + obri + " - " + obri + "] = 1",
          "Step, řádek 1: běh zastaven: index pole není konečné číslo");
    radek("index nekonečno", "a = p[" + obri + "]",
          "Step, řádek 1: běh zastaven: index pole není konečné číslo");
    radek("obří index", "a[100000000] = 1",
          "Step, řádek 1: běh zastaven: index pole 100000000 je mimo rozsah 0 až 31999");
    radek("2-D pole přes paměť",
          "s = string_repeat(\"x\", 1000000)\nfor (i = 0; i < 100; i += 1)\n  t[i, 5] = s",
          "Step, řádek 3: běh zastaven: proměnné skriptu by zabraly víc než 64 MB paměti");
    radek("hodnota přes paměť zůstane nenastavená",
          "s = string_repeat(\"x\", 1000000)\nfor (i = 0; i < 66; i += 1) t[i] = s\na = s",
          "Step, řádek 3: běh zastaven: proměnné skriptu by zabraly víc než 64 MB paměti");
    radek("nekonečný while", "n = 1\nwhile (true) { n += 1 }",
          "Step: smyčka na řádku 2 zastavena po 1 000 000 krocích");
    radek("nekonečný do until", "do a = 1\nuntil (false)",
          "Step: smyčka na řádku 1 zastavena po 1 000 000 krocích", "1");
    radek("nekonečný for", "for (;;) {}", "Step: smyčka na řádku 1 zastavena po 1 000 000 krocích");
    radek("repeat s obřím počtem", "repeat (1000000000000000000) a = 2",
          "Step: smyčka na řádku 1 zastavena po 1 000 000 krocích", "2");
    radek("continue bez konce", "while (1) continue",
          "Step: smyčka na řádku 1 zastavena po 1 000 000 krocích");
    radek("vnořené smyčky",
          "for (i = 0; i < 100000; i += 1)\n  for (j = 0; j < 100000; j += 1)\n"
          "    b = j",
          "Step: smyčka na řádku 2 zastavena po 1 000 000 krocích");
    radek("dlouhé výrazy ve smyčce", "repeat (100000) a = " + opakuj("1", 1000, "+"),
          "Step, řádek 1: běh zastaven: výpočet zastaven po 50 000 000 operacích", "1000");
    radek("hluboké závorky", "a = " + QString(100'000, '(') + "1" + QString(100'000, ')'),
          "Step, řádek 1: nelze přečíst: příliš hluboké vnoření");
    radek("závorky přes všechny úrovně operátorů",
          "a = " + opakuj("(1 || 1 ^^ 1 && 1 == 1 < 2 | 1 ^ 1 & 1 << 1 + 1 * ", 190) + "1" +
              QString(190, ')'),
          "", "1");
    radek("hluboké bloky", QString(100'000, '{') + "a = 1" + QString(100'000, '}'),
          "Step, řádek 1: nelze přečíst: příliš hluboké vnoření");
    radek("řetěz negací", "a = " + QString(100'000, '!') + "1",
          "Step, řádek 1: nelze přečíst: příliš hluboké vnoření");
    radek("vnořená volání", "a = " + opakuj("abs(", 100'000) + "1" + QString(100'000, ')'),
          "Step, řádek 1: nelze přečíst: příliš hluboké vnoření");
    radek("vnořené indexy", "a = " + opakuj("p[", 100'000) + "0" + QString(100'000, ']'),
          "Step, řádek 1: nelze přečíst: příliš hluboké vnoření");
    radek("vnořené smyčky bez závorek", opakuj("while (0) ", 100'000) + "a = 1",
          "Step, řádek 1: nelze přečíst: příliš hluboké vnoření");
    radek("100 000 else if", "n = 99999\n" + opakuj("if (n == 0) a = 0 else ", 99'999) + "a = 7",
          "", "7");
    radek("100 000 vnořených if", opakuj("if (1) ", 100'000) + "a = 3", "", "3");
    radek("300 000 příkazů na řádku", opakuj("a = 1;", 300'000), "", "1");
    radek("bitově s obřím číslem", "a = " + obri + " | 1",
          "Step, řádek 1: běh zastaven: '|' potřebuje celé číslo, inf jím není");
    radek("posun o víc než 63", "a = 1 << 1000", "", "0");
    radek("zbytek po dělení nulou", "a = 5 mod 0",
          "Step, řádek 1: běh zastaven: zbytek po dělení nulou");
    radek("kreslení do nekonečna", "draw_text(" + obri + ", 0, \"x\")",
          "Step, řádek 1: běh zastaven: draw_text: souřadnice musí být konečná čísla");
    radek("záplava kreseb", "s = string_repeat(\"x\", 1000)\nrepeat (100000) draw_text(0, 0, s)",
          "Step, řádek 2: běh zastaven: draw_text: kresby jednoho kroku by zabraly víc než 64 MB "
          "paměti");
    radek("záplava písem", "repeat (20000) font_add(\"Arial\", 12, 0, 0, 0, 0)",
          "Step, řádek 1: běh zastaven: font_add: písem je víc než 10 000");
    radek("neukončený text na začátku", "a = \"" + QString(100'000, 'x'),
          "Step, řádek 1: nelze přečíst: neukončený text: chybí uvozovky na konci");
}

// Every hostile Step ends within the budget; Draw goes on drawing in the following steps.
void TestNahledOdolnost::skript() {
    QFETCH(QString, skript);
    QFETCH(QString, chyba);
    QFETCH(QString, a);
    Mistnost m({{Udalost::Step, skript.toStdString()},
                {Udalost::Draw, "draw_text_color(1, 2, \"žije\", c_white, 0, 0, 0, 1)"}});
    m.krok();
    QVERIFY(m.pocitadla().kroky <= NejvicKroku);
    QVERIFY(m.pocitadla().operace <= NejvicOperaci);
    m.krok();
    QStringList chyby;
    for (const Zprava& z : m.vezmiZpravy())
        if (z.druh == Zprava::Druh::Chyba)
            chyby << QString::fromStdString(z.text);
    QCOMPARE(chyby, chyba.isEmpty() ? QStringList{} : QStringList{chyba});
    const std::optional<Hodnota> hodnota = m.hodnota("a");
    QCOMPARE(hodnota ? QString::fromStdString(NaText(*hodnota)) : QString(), a);
    QCOMPARE(m.kresby().size(), std::size_t{1});
    QCOMPARE(m.kresby()[0].text, std::string("žije"));
}

// A flood of actions leaves at most NejvicZprav waiting, and says that the rest were left out.
void TestNahledOdolnost::zpravyMajiStrop() {
    Mistnost m({{Udalost::Create, "repeat (100000) sound_play(snd_klik)"}});
    const std::vector<Zprava> zpravy = m.vezmiZpravy();
    QCOMPARE(zpravy.size(), NejvicZprav + 1);
    QCOMPARE(zpravy.back().text, std::string("další zprávy náhled vynechal"));
}

QTEST_APPLESS_MAIN(TestNahledOdolnost)
#include "test_nahled_odolnost.moc"
