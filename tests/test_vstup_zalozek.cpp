// Every tab hands out its form as its generator's input and takes one back as if typed, and
// the lists take their records the same way, whichever tab they sit on.

#include "app/hlavni.h"
#include "app/model_highskore.h"
#include "app/model_nastaveni.h"
#include "app/zalozka_highskore.h"
#include "app/zalozka_menu.h"
#include "app/zalozka_nastaveni.h"
#include "app/zalozka_titulky.h"
#include "pomocnici.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

#include <functional>

namespace {

using Kontrola = std::function<void(THlavni&)>;

// Sets `predtim`, then `v`, over the page's start values; the form then reads back `v`, no edit
// index moved, and generating fills each pane with exactly the generator's lines for `v`.
template <typename Stranka>
Kontrola kontrola(typename Stranka::Vstup predtim, typename Stranka::Vstup v,
                  Skript (*generator)(const typename Stranka::Vstup&), Kontrola navic = {}) {
    return [=](THlavni& okno) {
        auto* stranka = okno.findChild<Stranka*>();
        QVERIFY(stranka);
        stranka->nastavVstup(predtim);
        stranka->nastavVstup(v);
        QVERIFY(stranka->vstup() == v);
        QCOMPARE(okno.KtereUpravit(), -1);
        QCOMPARE(okno.Ktere2Upravit(), -1);
        if (navic)
            navic(okno);

        stranka->generuj();
        const Skript ocekavany = generator(v);
        for (const PopisUdalosti& popis : udalosti)
            if (const QPlainTextEdit* panel = stranka->panely()->panel(popis.udalost))
                QCOMPARE(panel->toPlainText(), textRadku(ocekavany.radky(popis.udalost)));
    };
}

QColor barvaVzorku(QObject* okno, const char* jmeno) {
    return najdi<QLabel>(okno, jmeno)->pixmap().toImage().pixelColor(9, 10);
}

bool viditelne(QObject* okno, const char* jmeno) {
    auto* w = najdi<QWidget>(okno, jmeno);
    return w->isVisibleTo(w->parentWidget());
}

const VstupMenu menu{"3",
                     {{{"Hrát", "100", "120", "room_goto(hra)"},
                       {"Nastavení \"rychle\"", "100", "160", "room_goto(volby)"},
                       {"Konec", "$64", "room_height-40", "game_end()"},
                       {"", "250", "240", ""},
                       {"skrytá", "1", "2", "akce()"}}}};

const std::vector<PolozkaNastaveni> nastaveni{
    {"Zvuk", "200", "150", "ano;ne", "zvuk=1;zvuk=0"},
    {"Obtížnost", "200", "180", "lehká;střední;těžká", "o=1;o=2;o=3"},
    {"Jazyk", "0x10", "210", "cz;en", "jazyk=0;jazyk=1;"}};

// IDs as deleting and adding leave them: the list never renumbers.
const std::vector<PolozkaHighskore> highskore{{"2", "global.nick1", "global.skore1"},
                                              {"2", "global.nick2", "global.skore2"},
                                              {"3", "\"Petr\"", "100"}};

const VstupTitulku titulky{{{"Programování", true},
                            {"Jana", false},
                            {"Petr", false},
                            {"Hudba", true},
                            {"Grafika", true},
                            {"Eva", false}},
                           "dolů",
                           "c_navy",
                           "c_lime",
                           {true, "Verdana", "14", true, false},
                           {true, "Courier New", "10", false, true}};

} // namespace

Q_DECLARE_METATYPE(Kontrola)

class TestVstupZalozek : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void tamAZpet_data();
    void tamAZpet();
    void spatnyRadek();
};

void TestVstupZalozek::tamAZpet_data() {
    QTest::addColumn<Kontrola>("kontrola");
    QTest::addRow("menu") << kontrola<ZalozkaMenu>({}, menu, GenerujMenu, [](THlavni& okno) {
        QVERIFY(viditelne(&okno, "sEdit3"));
        QVERIFY(!viditelne(&okno, "sEdit4"));
        QVERIFY(!viditelne(&okno, "sLabel6"));
    });
    QTest::addRow("settings over longer") << kontrola<ZalozkaNastaveni>(
        {nastaveni[2], nastaveni[0], nastaveni[1], nastaveni[0]}, nastaveni, GenerujNastaveni);
    QTest::addRow("settings over shorter")
        << kontrola<ZalozkaNastaveni>({nastaveni[1]}, nastaveni, GenerujNastaveni);
    QTest::addRow("highscore") << kontrola<ZalozkaHighskore>(
        {{"1", "a", "b"}, {"2", "c", "d"}, {"3", "e", "f"}, {"4", "g", "h"}}, highskore,
        GenerujHighskore);
    QTest::addRow("credits") << kontrola<ZalozkaTitulky>(
        {{{"Stará", true}, {"Osoba", false}}, "nahoru", "c_red", "c_aqua", {}, {}}, titulky,
        GenerujTitulky, [](THlavni& okno) {
            QCOMPARE(barvaVzorku(&okno, "Image1"), QColor(0, 0, 128));
            QCOMPARE(barvaVzorku(&okno, "Image2"), QColor(0, 255, 0));
            QVERIFY(najdi<QCheckBox>(&okno, "sCheckBox1")->isChecked());
            QVERIFY(viditelne(&okno, "sEdit21"));
            QVERIFY(viditelne(&okno, "sEdit24"));
            QCOMPARE(najdi<QLineEdit>(&okno, "sEdit23")->text(), QStringLiteral("Verdana"));
        });
}

void TestVstupZalozek::tamAZpet() {
    QFETCH(Kontrola, kontrola);
    THlavni okno;
    kontrola(okno);
}

// A row number that names no row changes nothing, on either list.
void TestVstupZalozek::spatnyRadek() {
    ModelNastaveni nastaveniModel;
    nastaveniModel.nastav(nastaveni);
    ModelHighskore highskoreModel;
    highskoreModel.nastav(highskore);
    for (int radek : {-1, 3}) {
        QVERIFY(!nastaveniModel.uprav(radek, nastaveni[0]));
        QVERIFY(!nastaveniModel.smaz(radek));
        QVERIFY(!highskoreModel.uprav(radek, highskore[0]));
        QVERIFY(!highskoreModel.smaz(radek));
    }
    QCOMPARE(nastaveniModel.polozky(), nastaveni);
    QCOMPARE(highskoreModel.polozky(), highskore);
}

QTEST_MAIN(TestVstupZalozek)
#include "test_vstup_zalozek.moc"
