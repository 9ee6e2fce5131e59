#include "generators/precti_highskore.h"
#include "generators/precti_menu.h"
#include "generators/precti_nastaveni.h"
#include "generators/precti_titulky.h"
#include "vlozeny_skript.h"

#include <QTest>

namespace {

std::optional<OdmitnutiCteni> precti(Generator generator, const VlozenyKod& kod) {
    const auto odmitnuti = [](const auto& precteno) -> std::optional<OdmitnutiCteni> {
        if (const auto* o = std::get_if<OdmitnutiCteni>(&precteno))
            return *o;
        return std::nullopt;
    };
    switch (generator) {
    case Generator::Menu:
        return odmitnuti(PrectiMenu(kod));
    case Generator::Nastaveni:
        return odmitnuti(PrectiNastaveni(kod));
    case Generator::Highskore:
        return odmitnuti(PrectiHighskore(kod));
    case Generator::Titulky:
        break;
    }
    return odmitnuti(PrectiTitulky(kod));
}

// The text in the generator's first box.
VlozenySkript vPrvnim(Generator generator, const std::string& text) {
    VlozenySkript v;
    v.text(UdalostiGeneratoru(generator).front()) = text;
    return v;
}

constexpr std::size_t megabajtu10 = 10 << 20;

} // namespace

Q_DECLARE_METATYPE(Generator)

class TestSpatneVlozeni : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void odmitnuto_data();
    void odmitnuto();
};

// Whatever is pasted, each reader answers with a short Czech message naming the box at fault.
void TestSpatneVlozeni::odmitnuto_data() {
    QTest::addColumn<Generator>("generator");
    QTest::addColumn<VlozenySkript>("vlozeny");
    QTest::addColumn<int>("radek");
    QTest::addColumn<QString>("zprava");

    std::string binarni;
    for (int i = 0; i < 4096; ++i)
        binarni += static_cast<char>((i * 37) % 256);
    const std::string dlouhyRadek(megabajtu10, 'x');
    const std::string zlomy(megabajtu10, '\n');
    std::string mnohoUzlu = "alarm[0] = room_speed/12";
    for (int y = 640; mnohoUzlu.size() < megabajtu10; y += 40)
        mnohoUzlu += "\nu = " + std::to_string(y);
    std::string mnohoBarev = "//---------------------------------------------------------\n"
                             "nastav_vybrany = 1\nbarva_1 = c_yellow";
    for (int k = 2; mnohoBarev.size() < megabajtu10; ++k)
        mnohoBarev += "\nbarva_" + std::to_string(k) + " = c_white";

    for (Generator g :
         {Generator::Menu, Generator::Nastaveni, Generator::Highskore, Generator::Titulky}) {
        const QByteArray nazev = QByteArray::fromStdString(std::string(NazevZalozky(g)));
        QTest::addRow("%s: empty boxes", nazev.data()) << g << VlozenySkript{} << 0 << "prázdná";
        QTest::addRow("%s: blanks and line breaks", nazev.data())
            << g << VlozenySkript{" \t\r\n\n  ", "\r", "\n", " "} << 0 << "prázdná";
        QTest::addRow("%s: 10 MB of line breaks", nazev.data())
            << g << vPrvnim(g, zlomy) << 0 << "prázdná";
        QTest::addRow("%s: binary junk", nazev.data())
            << g << vPrvnim(g, binarni) << 1 << "binární data";
        QTest::addRow("%s: a 10 MB line", nazev.data())
            << g << vPrvnim(g, dlouhyRadek) << 1 << "xxxxxxxx…“";
    }
    VlozenySkript v;
    v.create = mnohoUzlu;
    QTest::addRow("credits: 10 MB of nodes and no Alarm[0]")
        << Generator::Titulky << v << 1 << "Pole Alarm[0] je prázdné.";
    v.create = mnohoBarev;
    QTest::addRow("settings: 10 MB of colour lines and nothing after them")
        << Generator::Nastaveni << v << int(radkyTextu(mnohoBarev).size()) + 1 << "končí";
    v.create = mnohoUzlu;
    QTest::addRow("menu: the credits' Create")
        << Generator::Menu << v << 1 << "kód události Create ze záložky Titulky";
}

void TestSpatneVlozeni::odmitnuto() {
    QFETCH(Generator, generator);
    QFETCH(VlozenySkript, vlozeny);
    QFETCH(int, radek);
    QFETCH(QString, zprava);
    const auto odmitnuti = precti(generator, vlozeny.kod());
    QVERIFY(odmitnuti);
    QCOMPARE(odmitnuti->radek, std::size_t(radek));
    QVERIFY2(QString::fromStdString(odmitnuti->zprava).contains(zprava), odmitnuti->zprava.c_str());
    QVERIFY(odmitnuti->zprava.size() < 1000);
}

QTEST_APPLESS_MAIN(TestSpatneVlozeni)
#include "test_spatne_vlozeni.moc"
