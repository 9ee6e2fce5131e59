#include "generators/explode.h"
#include "generators/generuj_highskore.h"
#include "generators/generuj_menu.h"
#include "generators/generuj_nastaveni.h"
#include "generators/generuj_titulky.h"
#include "generators/nove_vstupy.h"

#include <QTest>

#include <functional>
#include <map>

using generatory::Pole;
using generatory::PolozkaNastaveni;
using generatory::Skript;
using generatory::Udalost;
using generatory::Vlozeni;
using generatory::VstupMenu;

namespace {

// The text a field holds, for the fields copied into the script as typed; nothing for those the
// generator turns into other text (a converted x, a direction, a font switch).
using TextPole = std::function<std::optional<std::string>(const Vlozeni&)>;

struct Pripad {
    Skript skript;
    TextPole text;
};

const std::map<Pole, const char*> jmenaPoli{
    {Pole::MenuPocet, "počet"},
    {Pole::MenuText, "text"},
    {Pole::MenuX, "x"},
    {Pole::MenuY, "y"},
    {Pole::MenuAkce, "akce"},
    {Pole::NastaveniNazev, "název"},
    {Pole::NastaveniX, "x"},
    {Pole::NastaveniY, "y"},
    {Pole::NastaveniHodnota, "hodnota"},
    {Pole::NastaveniAkce, "akce"},
    {Pole::HighskoreNick, "nick"},
    {Pole::HighskoreSkore, "skóre"},
    {Pole::TitulkyText, "text"},
    {Pole::TitulkySmer, "směr"},
    {Pole::TitulkyBarvaPozice, "barva pozice"},
    {Pole::TitulkyBarvaOsob, "barva osob"},
    {Pole::TitulkyPismo, "písmo"},
    {Pole::TitulkyNazevPisma, "název písma"},
    {Pole::TitulkyVelikostPisma, "velikost"},
    {Pole::TitulkyTucne, "tučně"},
    {Pole::TitulkyKurziva, "kurzíva"},
};

Pripad menu(const VstupMenu& vstup) {
    return {generatory::GenerujMenu(vstup),
            [vstup](const Vlozeni& v) -> std::optional<std::string> {
                const generatory::RadekMenu& r = vstup.radky.at(v.vstup);
                switch (v.pole) {
                case Pole::MenuPocet:
                    return vstup.pocet;
                case Pole::MenuText:
                    return r.text;
                case Pole::MenuX:
                    return r.x;
                case Pole::MenuY:
                    return r.y;
                case Pole::MenuAkce:
                    return r.akce;
                default:
                    return "?";
                }
            }};
}

std::vector<PolozkaNastaveni> dveNastaveni() {
    return {{"Zvuk", "200", "150", "ano;ne", "global.zvuk = 1;global.zvuk = 0"},
            {"Obtížnost", "210", "180", "lehká;střední;těžká", "a = 1"}};
}

Pripad nastaveni(const std::vector<PolozkaNastaveni>& polozky) {
    return {generatory::GenerujNastaveni(polozky),
            [polozky](const Vlozeni& v) -> std::optional<std::string> {
                const PolozkaNastaveni& p = polozky.at(v.vstup);
                switch (v.pole) {
                case Pole::NastaveniNazev:
                    return p.Nazev;
                case Pole::NastaveniX:
                    return std::nullopt;
                case Pole::NastaveniY:
                    return p.PoziceY;
                case Pole::NastaveniHodnota:
                    return generatory::Explode(";", p.Hodnoty).at(v.kus);
                case Pole::NastaveniAkce:
                    return generatory::Explode(";", p.Akce).at(v.kus);
                default:
                    return "?";
                }
            }};
}

std::vector<generatory::PolozkaHighskore> dvaRadky() {
    return {{"1", "global.nick0", "global.skore0"}, {"2", "", "body + 1"}};
}

Pripad highskore(const std::vector<generatory::PolozkaHighskore>& radky) {
    return {generatory::GenerujHighskore(radky),
            [radky](const Vlozeni& v) -> std::optional<std::string> {
                return v.pole == Pole::HighskoreNick ? radky.at(v.vstup).nick
                                                     : radky.at(v.vstup).skore;
            }};
}

generatory::VstupTitulku titulky(std::string smer, bool pisma) {
    return {{{"Programovani", true}, {"Jan Novák", false}, {"B", false}, {"Grafika", true}},
            std::move(smer),
            "c_red",
            "c_aqua",
            {pisma, "Arial", "12", true, false},
            {pisma, "Times", "velikost", false, true}};
}

Pripad credits(const generatory::VstupTitulku& vstup) {
    return {generatory::GenerujTitulky(vstup),
            [vstup](const Vlozeni& v) -> std::optional<std::string> {
                const generatory::PismoTitulku& pismo =
                    v.vstup == 0 ? vstup.pismoPozice : vstup.pismoOsob;
                switch (v.pole) {
                case Pole::TitulkyText:
                    return vstup.polozky.at(v.vstup).text;
                case Pole::TitulkyBarvaPozice:
                    return vstup.barvaPozice;
                case Pole::TitulkyBarvaOsob:
                    return vstup.barvaOsob;
                case Pole::TitulkyNazevPisma:
                    return pismo.nazevPisma;
                case Pole::TitulkyVelikostPisma:
                    return pismo.velikost;
                default:
                    return std::nullopt;
                }
            }};
}

// The fields of one line in words: "akce 1/0 „“; x 0/0 „250“".
QString popis(const Skript& s, Udalost udalost, std::size_t radek) {
    QStringList kusy;
    const std::string& text = s.radky(udalost).at(radek);
    for (const Vlozeni& v : s.puvodRadku(udalost)[radek])
        kusy << QStringLiteral("%1 %2/%3 „%4“")
                    .arg(QString::fromUtf8(jmenaPoli.at(v.pole)))
                    .arg(v.vstup)
                    .arg(v.kus)
                    .arg(QString::fromStdString(text.substr(v.zacatek, v.delka)));
    return kusy.join(QStringLiteral("; "));
}

} // namespace

Q_DECLARE_METATYPE(Pripad)
Q_DECLARE_METATYPE(Skript)
Q_DECLARE_METATYPE(Udalost)

class TestPuvodRadku : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void kazdyRadek_data();
    void kazdyRadek();
    void ukazujeNaPole_data();
    void ukazujeNaPole();
};

void TestPuvodRadku::kazdyRadek_data() {
    QTest::addColumn<Pripad>("pripad");
    QTest::addRow("menu, start values") << menu(generatory::NoveMenu());
    VstupMenu tri = generatory::NoveMenu();
    tri.pocet = " 3";
    QTest::addRow("menu, count with a blank") << menu(tri);
    VstupMenu spatne = generatory::NoveMenu();
    spatne.pocet = "pět";
    QTest::addRow("menu stopped by its count") << menu(spatne);
    QTest::addRow("settings, two entries") << nastaveni(dveNastaveni());
    QTest::addRow("settings, one value, more actions")
        << nastaveni({{"A", "0", "0", "jen", "a = 1;b = 2;c = 3"}});
    QTest::addRow("settings stopped by an x")
        << nastaveni({{"A", "200", "150", "x;y", "a = 1"}, {"B", "dvě stě", "180", "x", "b"}});
    QTest::addRow("highscore") << highskore(dvaRadky());
    QTest::addRow("credits up, fonts on") << credits(titulky("nahoru", true));
    QTest::addRow("credits down, fonts off") << credits(titulky("dolů", false));
}

// Every line of every event has its entry, and each field's place in it holds that field's text.
void TestPuvodRadku::kazdyRadek() {
    QFETCH(Pripad, pripad);
    const Skript& s = pripad.skript;
    QVERIFY(!s.odmitnuti);
    for (Udalost u : {Udalost::Create, Udalost::Step, Udalost::Draw, Udalost::Alarm0}) {
        QCOMPARE(s.puvodRadku(u).size(), s.radky(u).size());
        for (std::size_t r = 0; r < s.radky(u).size(); ++r) {
            for (const Vlozeni& v : s.puvodRadku(u)[r]) {
                QVERIFY(v.zacatek + v.delka <= s.radky(u)[r].size());
                if (const auto text = pripad.text(v))
                    QCOMPARE(s.radky(u)[r].substr(v.zacatek, v.delka), *text);
            }
        }
    }
}

void TestPuvodRadku::ukazujeNaPole_data() {
    QTest::addColumn<Skript>("skript");
    QTest::addColumn<Udalost>("udalost");
    QTest::addColumn<int>("radek");
    QTest::addColumn<QString>("pole");

    const Skript m = generatory::GenerujMenu(generatory::NoveMenu());
    QTest::addRow("menu, a fixed line") << m << Udalost::Step << 1 << "";
    QTest::addRow("menu, the count in Step") << m << Udalost::Step << 2 << "počet 0/0 „5“";
    QTest::addRow("menu, item 2's empty action") << m << Udalost::Step << 45 << "akce 1/0 „“";
    QTest::addRow("menu, item 1's text line")
        << m << Udalost::Draw << 1 << "x 0/0 „250“; y 0/0 „150“; text 0/0 „Nova hra“";

    const Skript n = generatory::GenerujNastaveni(dveNastaveni());
    QTest::addRow("settings, first action when wrapping right")
        << n << Udalost::Step << 38 << "akce 0/0 „global.zvuk = 1“";
    QTest::addRow("settings, an action line going right")
        << n << Udalost::Step << 35 << "akce 0/1 „global.zvuk = 0“";
    QTest::addRow("settings, a value line")
        << n << Udalost::Draw << 15 << "x 1/0 „390“; y 1/0 „180“; hodnota 1/1 „střední“";
    QTest::addRow("settings, a name line")
        << n << Udalost::Draw << 3 << "x 1/0 „210“; y 1/0 „180“; název 1/0 „Obtížnost“";

    QTest::addRow("highscore, an empty nick")
        << generatory::GenerujHighskore(dvaRadky()) << Udalost::Draw << 3 << "nick 1/0 „“";

    const Skript t = generatory::GenerujTitulky(titulky("nahoru", true));
    QTest::addRow("credits, the persons' font line")
        << t << Udalost::Create << 3
        << "název písma 1/0 „Times“; velikost 1/0 „velikost“; tučně 1/0 „0“; kurzíva 1/0 „-1“";
    QTest::addRow("credits, a person's move")
        << t << Udalost::Alarm0 << 3 << "text 1/0 „Jan Novák“; směr 0/0 „ -= 7“";
    QTest::addRow("credits, a person's font switch")
        << t << Udalost::Draw << 3 << "písmo 1/0 „draw_set_font(fontik2)“";
    QTest::addRow("credits, a person's text")
        << t << Udalost::Draw << 4
        << "text 1/0 „Jan Novák“; směr 0/0 „ > 0)draw_text_color(250,“; text 1/0 „Jan Novák“; "
           "text 1/0 „Jan Novák“; barva osob 0/0 „c_aqua“; barva osob 0/0 „c_aqua“; "
           "barva osob 0/0 „c_aqua“; barva osob 0/0 „c_aqua“";
}

void TestPuvodRadku::ukazujeNaPole() {
    QFETCH(Skript, skript);
    QFETCH(Udalost, udalost);
    QFETCH(int, radek);
    QFETCH(QString, pole);
    QCOMPARE(popis(skript, udalost, static_cast<std::size_t>(radek - 1)), pole);
}

QTEST_APPLESS_MAIN(TestPuvodRadku)
#include "test_puvod_radku.moc"
