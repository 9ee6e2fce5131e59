#include "app/hlavni.h"
#include "app/model_highskore.h"
#include "pomocnici.h"

#include <QAbstractItemModelTester>
#include <QDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTreeView>

namespace {

QTreeView* seznam(QObject* okno) {
    return najdi<QTreeView>(okno, "ListView1");
}

// Each row as "ID|nick|score".
QStringList radky(QObject* okno) {
    const QAbstractItemModel* model = seznam(okno)->model();
    QStringList vysledek;
    for (int r = 0; r < model->rowCount(); ++r) {
        QStringList bunky;
        for (int s = 0; s < model->columnCount(); ++s)
            bunky << model->index(r, s).data().toString();
        vysledek << bunky.join('|');
    }
    return vysledek;
}

void vyber(QObject* okno, int radek) {
    QTreeView* v = seznam(okno);
    v->setCurrentIndex(v->model()->index(radek, 0));
}

struct Dialog {
    QString nick, skore;
};

// Opens the dialog through `akce`, records what it offered, types the given texts (when set)
// and closes it with `konec` ("sButton1", "sButton2" or "" for the close box).
Dialog projdiDialog(THlavni& okno, const char* akce, const char* konec,
                    std::optional<Dialog> zadat = std::nullopt) {
    Dialog nabidnuto;
    obsluzModalni([&](QWidget* modal) {
        nabidnuto = {najdi<QLineEdit>(modal, "sEdit1")->text(),
                     najdi<QLineEdit>(modal, "sEdit2")->text()};
        if (zadat) {
            najdi<QLineEdit>(modal, "sEdit1")->setText(zadat->nick);
            najdi<QLineEdit>(modal, "sEdit2")->setText(zadat->skore);
        }
        if (*konec)
            QTest::mouseClick(najdi<QPushButton>(modal, konec), Qt::LeftButton);
        else
            modal->close();
    });
    spustAkci(&okno, akce);
    return nabidnuto;
}

void pridej(THlavni& okno, int kolik) {
    for (int i = 0; i < kolik; ++i)
        projdiDialog(okno, "Pidatpoloku2", "sButton1");
}

QString jmenoFokusu() {
    const QWidget* w = QApplication::focusWidget();
    return w ? w->objectName() : QString();
}

void generuj(THlavni& okno) {
    QTest::mouseClick(najdi<QPushButton>(&okno, "sButton3"), Qt::LeftButton);
}

} // namespace

class TestZalozkaHighskore : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void model_prochaziTesterem();
    void seznam_sloupceAMenu();
    void dialog_vzhledAPrvniRadek();
    void smazaniPrvniho_idZustavajiAPozicePostoupi();
    void upravaPotomPridani();
    void upravaZavrenaKrizkem_nicNemeni();
    void bezVyberu();
    void prazdneTexty_prijaty();
    void prazdnySeznam_ponechaPanel();
};

void TestZalozkaHighskore::model_prochaziTesterem() {
    ModelHighskore model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.pridej({"", "a", "1"});
    model.pridej({"", "b", "2"});
    model.uprav(0, {"", "c", "3"});
    model.smaz(0);
    model.pridej({"", "d", "4"});
    QCOMPARE(model.polozky(),
             (std::vector<generatory::PolozkaHighskore>{{"2", "b", "2"}, {"2", "d", "4"}}));
}

void TestZalozkaHighskore::seznam_sloupceAMenu() {
    JEN_NA_LINUXU();
    THlavni okno;
    QTreeView* v = seznam(&okno);
    QCOMPARE(v->selectionBehavior(), QAbstractItemView::SelectRows);
    QCOMPARE(v->selectionMode(), QAbstractItemView::SingleSelection);
    QCOMPARE(v->header()->sectionSize(0), 35);
    const QAbstractItemModel* model = v->model();
    QStringList nazvy;
    for (int s = 0; s < model->columnCount(); ++s)
        nazvy << model->headerData(s, Qt::Horizontal).toString();
    QCOMPARE(nazvy, QStringList({"ID", "Nick", "Skóre"}));

    QStringList menu;
    for (QAction* a : najdi<QMenu>(&okno, "PopupMenu5")->actions())
        menu << (a->isSeparator() ? QStringLiteral("-") : a->objectName() + ':' + a->text());
    QCOMPARE(menu,
             QStringList({"Pidatpoloku2:&Přidat položku", "-", "Upravitpoloku2:&Upravit položku",
                          "-", "Smazapoloku1:&Smazat položku"}));
}

void TestZalozkaHighskore::dialog_vzhledAPrvniRadek() {
    THlavni okno;
    QString titulek;
    QSize velikost;
    QStringList poradi;
    QString poradiZpet;
    obsluzModalni([&](QWidget* modal) {
        titulek = modal->windowTitle();
        velikost = modal->size();
        // On a loaded machine the dialog shows a moment before its button takes the focus.
        QTRY_VERIFY(modal->isAncestorOf(QApplication::focusWidget()));
        // The dialog opens focused on "Přidat"; Tab walks the rest and comes back.
        for (int i = 0; i < 4; ++i) {
            poradi << jmenoFokusu();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        poradiZpet = jmenoFokusu();
        QTest::mouseClick(najdi<QPushButton>(modal, "sButton1"), Qt::LeftButton);
    });
    spustAkci(&okno, "Pidatpoloku2");
    QCOMPARE(titulek, QStringLiteral("Kodovar - Přidat do Highskóre"));
    QCOMPARE(velikost, QSize(321, 171));
    QCOMPARE(poradi, QStringList({"sButton1", "sButton2", "sEdit1", "sEdit2"}));
    QCOMPARE(poradiZpet, QStringLiteral("sButton1"));
    QCOMPARE(radky(&okno), QStringList({"1|global.nick0|global.skore0"}));
    QCOMPARE(okno.Ktere2Upravit(), -1);
}

void TestZalozkaHighskore::smazaniPrvniho_idZustavajiAPozicePostoupi() {
    THlavni okno;
    pridej(okno, 3);
    vyber(&okno, 0);
    spustAkci(&okno, "Smazapoloku1");
    QCOMPARE(radky(&okno),
             QStringList({"2|global.nick1|global.skore1", "3|global.nick2|global.skore2"}));

    const Dialog nabidnuto = projdiDialog(okno, "Pidatpoloku2", "sButton1");
    QCOMPARE(nabidnuto.nick, QStringLiteral("global.nick2"));
    QCOMPARE(nabidnuto.skore, QStringLiteral("global.skore2"));
    QCOMPARE(radky(&okno).last(), QStringLiteral("3|global.nick2|global.skore2"));

    generuj(okno);
    const QStringList draw = textPanelu(&okno, "RichEdit9").split('\n');
    QCOMPARE(draw.size(), 6);
    QCOMPARE(draw[0],
             QStringLiteral(
                 "draw_text_color(190,50,global.nick1,c_white,c_white,c_white,c_white,true)"));
    QCOMPARE(
        draw[3],
        QStringLiteral(
            "draw_text_color(380,80,string(global.skore2),c_white,c_white,c_white,c_white,true)"));
    QCOMPARE(draw[4],
             QStringLiteral(
                 "draw_text_color(190,110,global.nick2,c_white,c_white,c_white,c_white,true)"));
}

void TestZalozkaHighskore::upravaPotomPridani() {
    THlavni okno;
    pridej(okno, 2);
    vyber(&okno, 0);
    const Dialog nabidnuto = projdiDialog(okno, "Upravitpoloku2", "sButton1",
                                          Dialog{QStringLiteral("jmeno"), QStringLiteral("body")});
    QCOMPARE(nabidnuto.nick, QStringLiteral("global.nick0"));
    QCOMPARE(okno.Ktere2Upravit(), -1);

    const Dialog dalsi = projdiDialog(okno, "Pidatpoloku2", "sButton1");
    QCOMPARE(dalsi.nick, QStringLiteral("global.nick2"));
    QCOMPARE(radky(&okno), QStringList({"1|jmeno|body", "2|global.nick1|global.skore1",
                                        "3|global.nick2|global.skore2"}));
}

void TestZalozkaHighskore::upravaZavrenaKrizkem_nicNemeni() {
    THlavni okno;
    pridej(okno, 2);
    vyber(&okno, 1);
    const Dialog nabidnuto =
        projdiDialog(okno, "Upravitpoloku2", "", Dialog{QStringLiteral("x"), QStringLiteral("y")});
    QCOMPARE(nabidnuto.skore, QStringLiteral("global.skore1"));
    QCOMPARE(okno.Ktere2Upravit(), -1);

    projdiDialog(okno, "Upravitpoloku2", "sButton2",
                 Dialog{QStringLiteral("x"), QStringLiteral("y")});
    QCOMPARE(okno.Ktere2Upravit(), -1);
    QCOMPARE(radky(&okno),
             QStringList({"1|global.nick0|global.skore0", "2|global.nick1|global.skore1"}));

    pridej(okno, 1);
    QCOMPARE(radky(&okno).size(), 3);
}

void TestZalozkaHighskore::bezVyberu() {
    THlavni okno;
    pridej(okno, 2);
    // The deleted row's neighbour must not become the selection: a second "Smazat položku"
    // would remove a row the user never chose.
    vyber(&okno, 0);
    spustAkci(&okno, "Smazapoloku1");

    ZachyceniHlaseni hlaseni;
    spustAkci(&okno, "Smazapoloku1");
    QCOMPARE(hlaseni.zpravy.size(), std::size_t{1});
    QCOMPARE(hlaseni.zpravy[0].second, QStringLiteral("Není vybraná žádná položka!"));
    QCOMPARE(radky(&okno), QStringList({"2|global.nick1|global.skore1"}));

    // Without a selection no dialog may open: a modal would block here until the timeout.
    spustAkci(&okno, "Upravitpoloku2");
    QVERIFY(!QApplication::activeModalWidget());
    QCOMPARE(okno.Ktere2Upravit(), -1);
    QCOMPARE(hlaseni.zpravy.size(), std::size_t{1});
}

void TestZalozkaHighskore::prazdneTexty_prijaty() {
    THlavni okno;
    projdiDialog(okno, "Pidatpoloku2", "sButton1", Dialog{});
    QCOMPARE(radky(&okno), QStringList({"1||"}));
    generuj(okno);
    QCOMPARE(
        textPanelu(&okno, "RichEdit9"),
        QStringLiteral("draw_text_color(190,50,,c_white,c_white,c_white,c_white,true)\n"
                       "draw_text_color(380,50,string(),c_white,c_white,c_white,c_white,true)"));
}

void TestZalozkaHighskore::prazdnySeznam_ponechaPanel() {
    THlavni okno;
    pridej(okno, 1);
    generuj(okno);
    const QString drive = textPanelu(&okno, "RichEdit9");
    QVERIFY(!drive.isEmpty());
    vyber(&okno, 0);
    spustAkci(&okno, "Smazapoloku1");

    ZachyceniHlaseni hlaseni;
    generuj(okno);
    QCOMPARE(hlaseni.zpravy.size(), std::size_t{1});
    QCOMPARE(hlaseni.zpravy[0].second, QStringLiteral("Nejsou vytvořené žádné položky!"));
    QCOMPARE(textPanelu(&okno, "RichEdit9"), drive);
}

QTEST_MAIN(TestZalozkaHighskore)
#include "test_zalozka_highskore.moc"
