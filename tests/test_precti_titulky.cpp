#include "generators/nove_vstupy.h"
#include "generators/precti_titulky.h"
#include "overeni_cteni.h"

#include <QTest>

using generatory::Generator;
using generatory::GenerujTitulky;
using generatory::NoveTitulky;
using generatory::Udalost;
using generatory::VstupTitulku;

namespace {

QString popisPisma(const generatory::PismoTitulku& p) {
    return QString::fromStdString((p.zapnuto ? "zapnuto " : "vypnuto ") + p.nazevPisma + " " +
                                  p.velikost + (p.tucne ? " tučně" : "") +
                                  (p.kurziva ? " kurzíva" : ""));
}

QString popis(const VstupTitulku& v) {
    QString text = QString::fromStdString(v.smer + " " + v.barvaPozice + " " + v.barvaOsob) +
                   " | " + popisPisma(v.pismoPozice) + " | " + popisPisma(v.pismoOsob);
    for (const generatory::PolozkaTitulku& p : v.polozky)
        text += QString::fromStdString((p.pozice ? " | P " : " | o ") + p.text);
    return text;
}

// One position holding two persons, then a position of its own, both fonts switched on.
VstupTitulku strom(std::string smer) {
    VstupTitulku v = NoveTitulky();
    v.smer = std::move(smer);
    v.polozky = {{"Programovani", true}, {"Petr", false}, {"Jana", false}, {"Hudba", true}};
    v.pismoPozice = {true, "Arial", "14", true, false};
    v.pismoOsob = {true, "Tahoma", "velikost", false, true};
    return v;
}

} // namespace

Q_DECLARE_METATYPE(VstupTitulku)

class TestPrectiTitulky : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void zpet_data();
    void zpet();
    void upravy_data();
    void upravy();
};

void TestPrectiTitulky::zpet_data() {
    QTest::addColumn<VstupTitulku>("vstup");
    QTest::addColumn<VstupTitulku>("ocekavany");

    QTest::addRow("upward with both fonts") << strom("nahoru") << strom("nahoru");
    QTest::addRow("downward") << strom("dolů") << strom("dolů");
    VstupTitulku jiny = strom("dolu");
    QTest::addRow("any other direction reads as downward") << jiny << strom("dolů");

    VstupTitulku bezPisma = strom("nahoru");
    bezPisma.pismoPozice.zapnuto = false;
    bezPisma.pismoOsob = {false, "Courier", "9", true, true};
    VstupTitulku noveRadky = bezPisma;
    noveRadky.pismoPozice = {};
    noveRadky.pismoOsob = {};
    QTest::addRow("fonts switched off read as off") << bezPisma << noveRadky;

    VstupTitulku osoby = NoveTitulky();
    osoby.barvaPozice = "c_blue";
    osoby.barvaOsob = "c_lime";
    osoby.polozky = {{"Petr", false}, {"Jana", false}};
    VstupTitulku osobyZpet = osoby;
    osobyZpet.barvaPozice = "c_red";
    QTest::addRow("persons only: the position colour stays new") << osoby << osobyZpet;

    VstupTitulku texty = NoveTitulky();
    texty.barvaPozice = "c,red";
    texty.pismoPozice = {true, "A\",b", "1\",2", false, true};
    texty.polozky = {{"", true},   {"a = 640", false}, {" x ", true}, {"a", false},
                     {"a", false}, {"  ", true},       {"\tb", false}};
    QTest::addRow("texts holding the generator's separators") << texty << VstupTitulku{};
}

void TestPrectiTitulky::zpet() {
    QFETCH(VstupTitulku, vstup);
    QFETCH(VstupTitulku, ocekavany);
    overZpet(Generator::Titulky, vstup,
             ocekavany.smer.empty() ? std::nullopt : std::optional(ocekavany),
             generatory::PrectiTitulky, GenerujTitulky, popis);
}

void TestPrectiTitulky::upravy_data() {
    sloupceUprav();
    const VlozenySkript zaklad = VlozenySkript::z(GenerujTitulky(strom("nahoru")));

    VlozenySkript v = zaklad;
    for (Udalost u : {Udalost::Create, Udalost::Alarm0, Udalost::Draw})
        v.text(u) = nahradVse(v.text(u), "Petr", "Pavel");
    prijato("a person renamed everywhere", v);
    v = zaklad;
    v.draw = nahradVse(v.draw, "c_red", "c_maroon");
    v.create = nahradVse(v.create, "(\"Arial\",14,", "(\"Verdana\",16,");
    prijato("colour and font changed", v);
    v = zaklad;
    v.alarm0 = nahradVse(v.alarm0, "\n", "\r\n") + "\r\n";
    v.draw = nahradVse(v.draw, "\n", " \n");
    prijato("CRLF and blanks at line ends", v);
    prijato("re-indented with tabs and doubled blanks", preodsazeny(zaklad));

    v = zaklad;
    v.create = nahradVse(v.create, "Petr = ", "Pavel = ");
    odmitnuto("a person renamed in Create only", v, Udalost::Alarm0, 3, "Pavel -= 7");
    v = zaklad;
    nahradRadek(v.draw, 4,
                {nahradVse(radkyTextu(v.draw)[3], "c_aqua,c_aqua,true", "c_aqua,c_blue,true")});
    odmitnuto("a colour changed in one place", v, Udalost::Draw, 4, "c_blue");
    v = zaklad;
    v.alarm0 = nahradVse(v.alarm0, "Jana -= 7", "Jana += 7");
    odmitnuto("one line scrolls the other way", v, Udalost::Alarm0, 4, "Jana -= 7");
    v = zaklad;
    v.create += "\nKarel = 740";
    odmitnuto("a node added in Create only", v, Udalost::Alarm0, 6, "Karel -= 7");
    v = zaklad;
    nahradRadek(v.create, 5, {"Petr = 670"});
    odmitnuto("a coordinate no step reaches", v, Udalost::Create, 5, "680 pro pozici");
    v = zaklad;
    std::swap(v.alarm0, v.draw);
    odmitnuto("Alarm[0] and Draw swapped", v, Udalost::Alarm0, 1,
              "V poli Alarm[0] je kód události Draw.");
    v = zaklad;
    v.draw = v.draw.substr(0, v.draw.find("draw_set_font(fontik2)"));
    odmitnuto("half of Draw", v, Udalost::Draw, 3, "draw_set_font(fontik2)");
}

void TestPrectiTitulky::upravy() {
    overUpravu<VstupTitulku>(Generator::Titulky, generatory::PrectiTitulky, GenerujTitulky);
}

QTEST_APPLESS_MAIN(TestPrectiTitulky)
#include "test_precti_titulky.moc"
