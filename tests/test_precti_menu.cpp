#include "generators/nove_vstupy.h"
#include "generators/precti_menu.h"
#include "overeni_cteni.h"

#include <QTest>

using generatory::Generator;
using generatory::GenerujMenu;
using generatory::NoveMenu;
using generatory::Udalost;
using generatory::VstupMenu;

namespace {

QString popis(const VstupMenu& v) {
    QString text = QString::fromStdString("počet " + v.pocet);
    for (const generatory::RadekMenu& r : v.radky)
        text += QString::fromStdString(" | " + r.text + " ; " + r.x + " ; " + r.y + " ; " + r.akce);
    return text;
}

VstupMenu menu(std::string pocet, std::vector<generatory::RadekMenu> radky) {
    VstupMenu v = NoveMenu();
    v.pocet = std::move(pocet);
    for (std::size_t k = 0; k < radky.size(); ++k)
        v.radky[k] = radky[k];
    return v;
}

} // namespace

Q_DECLARE_METATYPE(VstupMenu)

class TestPrectiMenu : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void zpet_data();
    void zpet();
    void upravy_data();
    void upravy();
};

// What the generator wrote reads back into an input that writes it again byte for byte; where the
// script leaves no choice, into the very input.
void TestPrectiMenu::zpet_data() {
    QTest::addColumn<VstupMenu>("vstup");
    QTest::addColumn<bool>("tentyz");

    QTest::addRow("a new window") << NoveMenu() << true;
    QTest::addRow("three items, rows 4 and 5 as new")
        << menu("3", {{"Hrát", "100", "50", "room_goto(hra)"},
                      {"Volby", "100", "80", "room_goto(volby)"},
                      {"Konec", "100", "110", "game_end()"}})
        << true;
    QTest::addRow("count 7 is written as typed") << menu("7", {{"A", "1", "2", "a()"}}) << true;
    QTest::addRow("count with a blank") << menu(" 3", {}) << true;
    QTest::addRow("count in hexadecimal") << menu("$3", {}) << true;
    QTest::addRow("count 0x2") << menu("0x2", {}) << true;
    QTest::addRow("count 00 draws nothing") << menu("00", {}) << true;
    QTest::addRow("count -2") << menu("-2", {}) << true;
    QTest::addRow("empty texts and positions")
        << menu("2", {{"", "", "", ""}, {"", "", "", ""}}) << true;
    QTest::addRow("blanks at the ends of texts and actions")
        << menu("2", {{" a ", " 1 ", " 2 ", "akce()  "}, {"b\t", "3", "4", " \t"}}) << true;
    QTest::addRow("quotes and separators inside texts")
        << menu("5", {{"a\",\"b", "1,2", "3,\"4", "x(\"){\")"},
                      {"\",barva_2,", ",", ",\"", ")"},
                      {"řádek ž", "x", "y", "if(a){b}"}})
        << false;
}

void TestPrectiMenu::zpet() {
    QFETCH(VstupMenu, vstup);
    QFETCH(bool, tentyz);
    overZpet(Generator::Menu, vstup, tentyz ? std::optional(vstup) : std::nullopt,
             generatory::PrectiMenu, GenerujMenu, popis);
}

// Edits made in the game: accepted when consistent, otherwise refused at the line that shows it.
void TestPrectiMenu::upravy_data() {
    sloupceUprav();
    const VlozenySkript zaklad = VlozenySkript::z(GenerujMenu(NoveMenu()));

    VlozenySkript v = zaklad;
    v.draw = nahradVse(v.draw, "(250,150,", "(300,160,");
    prijato("position changed", v);
    v = zaklad;
    v.draw = nahradVse(v.draw, "Nova hra", "Hrát");
    v.step = nahradVse(v.step, "room_goto(novahra)", "room_goto(hra)");
    prijato("text renamed and action changed", v);
    v = zaklad;
    v.step = nahradVse(v.step, "< 5", "< 7");
    prijato("count changed in both its lines", v);
    v = zaklad;
    v.create = nahradVse(v.create, "\n", "\r\n");
    v.step = nahradVse(v.step, "\n", "\r");
    prijato("CRLF and CR line endings", v);
    v = zaklad;
    v.step = nahradVse(v.step, "\n", " \t\n") + "  \n\n \n";
    prijato("blanks at line ends and empty lines at the end", v);
    prijato("re-indented with tabs and doubled blanks", preodsazeny(zaklad));

    v = zaklad;
    v.step = nahradVse(v.step, "   if(global.m_vybrany < 5)", "   if(global.m_vybrany < 4)");
    odmitnuto("count changed in one line", v, Udalost::Step, 3, "< 5)global");
    v = zaklad;
    v.step = nahradVse(v.step, " if(global.m_vybrany < 5){", " if(global.m_vybrany < 3){");
    odmitnuto("count that draws other rows than Create", v, Udalost::Step, 2,
              "Create, která jich obarvuje 5.\nNalezeno: „if(global.m_vybrany < 3){“\nFormulář by "
              "tu napsal: „if(global.m_vybrany < 5){“");
    v = zaklad;
    v.step = nahradVse(v.step, "if(global.m_vybrany < 5)global", "if(global.m_vybrany  < 5)global");
    odmitnuto("a blank doubled inside a line", v, Udalost::Step, 3,
              "řádek se od formuláře liší jen mezerami (· je mezera, → tabulátor).\nNalezeno: "
              "„if(global.m_vybrany··<·5)global.m_vybrany·+=·1“\nFormulář by tu napsal: "
              "„if(global.m_vybrany·<·5)global.m_vybrany·+=·1“");
    v = zaklad;
    v.step =
        nahradVse(v.step, " if(global.m_vybrany == 1)room", "\tif (global.m_vybrany == 1)room");
    odmitnuto("a blank inside the fixed start of an action's line", v, Udalost::Step, 44,
              "Nalezeno: „if·(global.m_vybrany·==·1)room_goto(novahra)“\nFormulář by tu napsal: "
              "„if(global.m_vybrany·==·1)room_goto(novahra)“");
    v = zaklad;
    v.draw = nahradVse(v.draw, "barva_1,barva_1,true)", "barva_1, barva_1,true)");
    odmitnuto("a blank far into a line is shown near it", v, Udalost::Draw, 1,
              "Nalezeno: „…·hra\",barva_1,barva_1,barva_1,·barva_1,true)“\nFormulář by tu "
              "napsal: „…·hra\",barva_1,barva_1,barva_1,barva_1,true)“");
    v = zaklad;
    v.step = nahradVse(v.step, "< 5", "< pet");
    odmitnuto("count that is no whole number", v, Udalost::Step, 2, "celé číslo");
    v = zaklad;
    nahradRadek(v.step, 5, {"     barva_2 = c_yellow", "     show_debug_message(2)"});
    odmitnuto("a line added", v, Udalost::Step, 6, "show_debug_message(2)");
    v = zaklad;
    nahradRadek(v.draw, 3, {});
    odmitnuto("a line removed", v, Udalost::Draw, 3, "barva_3");
    v = zaklad;
    std::swap(v.step, v.draw);
    odmitnuto("Step and Draw swapped", v, Udalost::Step, 1, "V poli Step je kód události Draw.");
    v = zaklad;
    v.step = v.step.substr(0, v.step.find("if(keyboard_check_pressed(vk_up))"));
    odmitnuto("half of Step", v, Udalost::Step, 22, "končí");
    v = VlozenySkript::z(GenerujMenu(menu("x", {})));
    odmitnuto("a script that stopped with an error", v, Udalost::Create, 1, "zastavil chybou");
}

void TestPrectiMenu::upravy() {
    overUpravu<VstupMenu>(Generator::Menu, generatory::PrectiMenu, GenerujMenu);
}

QTEST_APPLESS_MAIN(TestPrectiMenu)
#include "test_precti_menu.moc"
