#include "generators/precti_highskore.h"
#include "overeni_cteni.h"

#include <QTest>

#include <functional>

using generatory::GenerujHighskore;

namespace {

using Polozky = std::vector<generatory::PolozkaHighskore>;

} // namespace

class TestPrectiHighskore : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void zpet_data();
    void zpet();
    void upravy_data();
    void upravy();
};

// The rows come back in order, numbered 1 to n whatever IDs they had.
void TestPrectiHighskore::zpet_data() {
    QTest::addColumn<Polozky>("polozky");
    QTest::addColumn<Polozky>("ocekavane");

    QTest::addRow("two default rows")
        << Polozky{{"1", "global.nick0", "global.skore0"}, {"2", "global.nick1", "global.skore1"}}
        << Polozky{{"1", "global.nick0", "global.skore0"}, {"2", "global.nick1", "global.skore1"}};
    QTest::addRow("IDs left by a deletion are renumbered")
        << Polozky{{"2", "n1", "s1"}, {"3", "n2", "s2"}, {"3", "n3", "s3"}}
        << Polozky{{"1", "n1", "s1"}, {"2", "n2", "s2"}, {"3", "n3", "s3"}};
    QTest::addRow("empty, blank and separator texts")
        << Polozky{{"1", "", ""}, {"2", " ", "\t"}, {"3", ",c_white,", "),c_white,c_white,"}}
        << Polozky{{"1", "", ""}, {"2", " ", "\t"}, {"3", ",c_white,", "),c_white,c_white,"}};
}

void TestPrectiHighskore::zpet() {
    QFETCH(Polozky, polozky);
    QFETCH(Polozky, ocekavane);
    overZpet(generatory::Generator::Highskore, polozky, std::optional(ocekavane),
             generatory::PrectiHighskore, GenerujHighskore, std::identity{});
}

void TestPrectiHighskore::upravy_data() {
    QTest::addColumn<VlozenySkript>("vlozeny");
    QTest::addColumn<Polozky>("ocekavane");
    QTest::addColumn<int>("radek");
    QTest::addColumn<QString>("zprava");

    const VlozenySkript zaklad = VlozenySkript::z(GenerujHighskore(
        {{"1", "global.nick0", "global.skore0"}, {"2", "global.nick1", "global.skore1"}}));
    const auto odmitnuto = [](const char* nazev, VlozenySkript v, int radek, const char* zprava) {
        QTest::addRow("%s", nazev) << v << Polozky{} << radek << QString::fromUtf8(zprava);
    };

    VlozenySkript v = zaklad;
    v.draw = nahradVse(nahradVse(v.draw, "global.nick1", "jmeno[1]"), "global.skore0", "body");
    QTest::addRow("nick and score changed")
        << v << Polozky{{"1", "global.nick0", "body"}, {"2", "jmeno[1]", "global.skore1"}} << 0
        << QString();
    v = zaklad;
    v.draw = nahradVse(v.draw, "\n", "  \r\n") + "\r\n\r\n";
    QTest::addRow("CRLF, blanks at line ends, empty lines at the end")
        << v
        << Polozky{{"1", "global.nick0", "global.skore0"}, {"2", "global.nick1", "global.skore1"}}
        << 0 << QString();
    QTest::addRow("re-indented with tabs and doubled blanks")
        << preodsazeny(zaklad)
        << Polozky{{"1", "global.nick0", "global.skore0"}, {"2", "global.nick1", "global.skore1"}}
        << 0 << QString();

    v = zaklad;
    v.draw = nahradVse(v.draw, "(380,80,", "(380,85,");
    odmitnuto("a row moved in one line", v, 4, "draw_text_color(380,80,string(‹skóre›)");
    v = zaklad;
    nahradRadek(v.draw, 2,
                {"draw_text_color(380,50,string(global.skore0),c_white,c_white,"
                 "c_white,c_white,true)",
                 "draw_text_color(380,50,string(global.cas),c_white,c_white,c_white,"
                 "c_white,true)"});
    odmitnuto("a line added", v, 3, "global.cas");
    v = zaklad;
    nahradRadek(v.draw, 2, {});
    odmitnuto("a line removed", v, 2, "string(‹skóre›)");
    v = zaklad;
    v.draw = v.draw.substr(0, v.draw.rfind('\n'));
    odmitnuto("half a row", v, 4, "končí");
    v = VlozenySkript{};
    v.draw = "draw_text_color(250,150,\"Nova hra\",barva_1,barva_1,barva_1,barva_1,true)";
    odmitnuto("the menu's Draw", v, 1, "ze záložky Menu");
}

void TestPrectiHighskore::upravy() {
    QFETCH(VlozenySkript, vlozeny);
    QFETCH(Polozky, ocekavane);
    QFETCH(int, radek);
    QFETCH(QString, zprava);
    const auto precteno = generatory::PrectiHighskore(vlozeny.kod());
    if (ocekavane.empty())
        return overOdmitnuti(precteno, generatory::Udalost::Draw, radek, zprava);
    QVERIFY2(std::holds_alternative<Polozky>(precteno), zpravaOdmitnuti(precteno));
    QCOMPARE(std::get<Polozky>(precteno), ocekavane);
}

QTEST_APPLESS_MAIN(TestPrectiHighskore)
#include "test_precti_highskore.moc"
