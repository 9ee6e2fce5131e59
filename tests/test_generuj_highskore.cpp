#include "generators/generuj_highskore.h"

#include <QTest>

namespace {

using Polozky = std::vector<generatory::PolozkaHighskore>;
using Radky = std::vector<std::string>;

std::string nick(int y, const std::string& vyraz) {
    return "draw_text_color(190," + std::to_string(y) + "," + vyraz +
           ",c_white,c_white,c_white,c_white,true)";
}

std::string skore(int y, const std::string& vyraz) {
    return "draw_text_color(380," + std::to_string(y) + ",string(" + vyraz +
           "),c_white,c_white,c_white,c_white,true)";
}

} // namespace

class TestGenerujHighskore : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void radky_data();
    void radky();
};

void TestGenerujHighskore::radky_data() {
    QTest::addColumn<Polozky>("polozky");
    QTest::addColumn<Radky>("ocekavane");

    QTest::addRow("no rows") << Polozky{} << Radky{};
    QTest::addRow("two default rows")
        << Polozky{{"1", "global.nick0", "global.skore0"}, {"2", "global.nick1", "global.skore1"}}
        << Radky{
               "draw_text_color(190,50,global.nick0,c_white,c_white,c_white,c_white,true)",
               "draw_text_color(380,50,string(global.skore0),c_white,c_white,c_white,c_white,true)",
               "draw_text_color(190,80,global.nick1,c_white,c_white,c_white,c_white,true)",
               "draw_text_color(380,80,string(global.skore1),c_white,c_white,c_white,c_white,"
               "true)"};
    QTest::addRow("empty nick and score")
        << Polozky{{"1", "", ""}}
        << Radky{"draw_text_color(190,50,,c_white,c_white,c_white,c_white,true)",
                 "draw_text_color(380,50,string(),c_white,c_white,c_white,c_white,true)"};
    QTest::addRow("texts copied unchanged") << Polozky{{"1", " \"a\", b ", "x + \\y"}}
                                            << Radky{nick(50, " \"a\", b "), skore(50, "x + \\y")};
    // After deleting the first of three rows and adding one: IDs 2, 3, 3.
    QTest::addRow("positions follow the order, not the ID")
        << Polozky{{"2", "n1", "s1"}, {"3", "n2", "s2"}, {"3", "n3", "s3"}}
        << Radky{nick(50, "n1"),  skore(50, "s1"), nick(80, "n2"),
                 skore(80, "s2"), nick(110, "n3"), skore(110, "s3")};
}

void TestGenerujHighskore::radky() {
    QFETCH(Polozky, polozky);
    QFETCH(Radky, ocekavane);
    const generatory::Skript s = generatory::GenerujHighskore(polozky);
    QCOMPARE(s.draw, ocekavane);
    QCOMPARE(s.odmitnuti.has_value(), polozky.empty());
}

QTEST_APPLESS_MAIN(TestGenerujHighskore)
#include "test_generuj_highskore.moc"
