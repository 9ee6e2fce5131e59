#include "generators/generuj_titulky.h"

#include <QTest>

using generatory::PismoTitulku;
using generatory::VstupTitulku;

Q_DECLARE_METATYPE(VstupTitulku)

namespace {

std::vector<generatory::PolozkaTitulku> programovaniAB() {
    return {{"Programovani", true}, {"A", false}, {"B", false}};
}

VstupTitulku vstup(std::string smer,
                   std::vector<generatory::PolozkaTitulku> polozky = programovaniAB(),
                   PismoTitulku pozice = {}, PismoTitulku osoby = {}) {
    return {std::move(polozky), std::move(smer),   "c_red",
            "c_aqua",           std::move(pozice), std::move(osoby)};
}

QStringList naSeznam(const std::vector<std::string>& radky) {
    QStringList seznam;
    for (const std::string& r : radky)
        seznam << QString::fromStdString(r);
    return seznam;
}

const QString radekAlarmu = QStringLiteral("alarm[0] = room_speed/12");

} // namespace

class TestGenerujTitulky : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void skript_data();
    void skript();
    void prazdnyStrom();
};

void TestGenerujTitulky::skript_data() {
    QTest::addColumn<VstupTitulku>("vstup");
    QTest::addColumn<QStringList>("create");
    QTest::addColumn<QStringList>("alarm0");
    QTest::addColumn<QStringList>("draw");

    const PismoTitulku tucnePozice{true, "Arial", "14", true, false};
    const PismoTitulku kurzivaOsob{true, "Times", "velikost", false, true};

    QTest::addRow("up, fonts off")
        << vstup("nahoru") << QStringList{radekAlarmu, "Programovani = 640", "A = 660", "B = 680"}
        << QStringList{radekAlarmu, "Programovani -= 7", "A -= 7", "B -= 7"}
        << QStringList{"if(Programovani > 0)draw_text_color(250,Programovani,\"Programovani\","
                       "c_red,c_red,c_red,c_red,true)",
                       "if(A > 0)draw_text_color(250,A,\"A\",c_aqua,c_aqua,c_aqua,c_aqua,true)",
                       "if(B > 0)draw_text_color(250,B,\"B\",c_aqua,c_aqua,c_aqua,c_aqua,true)"};
    QTest::addRow("down, fonts off")
        << vstup("dolů") << QStringList{radekAlarmu, "Programovani = 0", "A = -20", "B = -40"}
        << QStringList{radekAlarmu, "Programovani += 7", "A += 7", "B += 7"}
        << QStringList{"if(Programovani < 640)draw_text_color(250,Programovani,\"Programovani\","
                       "c_red,c_red,c_red,c_red,true)",
                       "if(A < 640)draw_text_color(250,A,\"A\",c_aqua,c_aqua,c_aqua,c_aqua,true)",
                       "if(B < 640)draw_text_color(250,B,\"B\",c_aqua,c_aqua,c_aqua,c_aqua,true)"};
    QTest::addRow("up, both fonts")
        << vstup("nahoru", programovaniAB(), tucnePozice, kurzivaOsob)
        << QStringList{radekAlarmu,
                       "fontik = font_add(\"Arial\",14,-1,0,0,180)",
                       "fontik2 = font_add(\"Times\",velikost,0,-1,0,180)",
                       "Programovani = 640",
                       "A = 660",
                       "B = 680"}
        << QStringList{radekAlarmu, "Programovani -= 7", "A -= 7", "B -= 7"}
        << QStringList{"draw_set_font(fontik)",
                       "if(Programovani > 0)draw_text_color(250,Programovani,\"Programovani\","
                       "c_red,c_red,c_red,c_red,true)",
                       "draw_set_font(fontik2)",
                       "if(A > 0)draw_text_color(250,A,\"A\",c_aqua,c_aqua,c_aqua,c_aqua,true)",
                       "draw_set_font(fontik2)",
                       "if(B > 0)draw_text_color(250,B,\"B\",c_aqua,c_aqua,c_aqua,c_aqua,true)"};
    QTest::addRow("down, position font only, both flags")
        << vstup("dolů", programovaniAB(), {true, "", "", true, true})
        << QStringList{radekAlarmu, "fontik = font_add(\"\",,-1,-1,0,180)", "Programovani = 0",
                       "A = -20", "B = -40"}
        << QStringList{radekAlarmu, "Programovani += 7", "A += 7", "B += 7"}
        << QStringList{"draw_set_font(fontik)",
                       "if(Programovani < 640)draw_text_color(250,Programovani,\"Programovani\","
                       "c_red,c_red,c_red,c_red,true)",
                       "if(A < 640)draw_text_color(250,A,\"A\",c_aqua,c_aqua,c_aqua,c_aqua,true)",
                       "if(B < 640)draw_text_color(250,B,\"B\",c_aqua,c_aqua,c_aqua,c_aqua,true)"};
    QTest::addRow("persons font with positions only")
        << vstup("nahoru", {{"X", true}, {"Y", true}}, {}, kurzivaOsob)
        << QStringList{radekAlarmu, "fontik2 = font_add(\"Times\",velikost,0,-1,0,180)", "X = 640",
                       "Y = 680"}
        << QStringList{radekAlarmu, "X -= 7", "Y -= 7"}
        << QStringList{"if(X > 0)draw_text_color(250,X,\"X\",c_red,c_red,c_red,c_red,true)",
                       "if(Y > 0)draw_text_color(250,Y,\"Y\",c_red,c_red,c_red,c_red,true)"};
    QTest::addRow("duplicates and spaces kept, other case counts as down")
        << vstup("Nahoru", {{"a b", true}, {"a b", false}, {"a b", false}})
        << QStringList{radekAlarmu, "a b = 0", "a b = -20", "a b = -40"}
        << QStringList{radekAlarmu, "a b += 7", "a b += 7", "a b += 7"}
        << QStringList{
               "if(a b < 640)draw_text_color(250,a b,\"a b\",c_red,c_red,c_red,c_red,true)",
               "if(a b < 640)draw_text_color(250,a b,\"a b\",c_aqua,c_aqua,c_aqua,c_aqua,true)",
               "if(a b < 640)draw_text_color(250,a b,\"a b\",c_aqua,c_aqua,c_aqua,c_aqua,true)"};
}

void TestGenerujTitulky::skript() {
    QFETCH(VstupTitulku, vstup);
    QFETCH(QStringList, create);
    QFETCH(QStringList, alarm0);
    QFETCH(QStringList, draw);

    const generatory::Skript s = generatory::GenerujTitulky(vstup);
    QVERIFY(!s.chyba);
    QCOMPARE(naSeznam(s.create), create);
    QCOMPARE(naSeznam(s.alarm0), alarm0);
    QCOMPARE(naSeznam(s.draw), draw);
}

void TestGenerujTitulky::prazdnyStrom() {
    const generatory::Skript s =
        generatory::GenerujTitulky(vstup("nahoru", {}, {true, "Arial", "8", false, false}));
    QCOMPARE(s.odmitnuti, std::optional<std::string>("Musíte vytvořit pozici!"));
    QVERIFY(!s.chyba);
    QVERIFY(s.create.empty() && s.alarm0.empty() && s.draw.empty());
}

QTEST_APPLESS_MAIN(TestGenerujTitulky)
#include "test_generuj_titulky.moc"
