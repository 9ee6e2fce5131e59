#include "app/hlavni.h"
#include "app/model_highskore.h"
#include "app/model_nastaveni.h"
#include "app/strom_titulku.h"
#include "dialogs/dialog_highskore.h"
#include "dialogs/dialog_nastaveni.h"
#include "dialogs/dialog_pozice.h"
#include "generators/generuj_menu.h"
#include "generators/generuj_nastaveni.h"
#include "generators/generuj_titulky.h"
#include "pomocnici.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeView>

using generatory::Skript;

namespace {

// Pastes over the edit's whole text, as the user does.
void vloz(QLineEdit* pole, const QString& text) {
    QGuiApplication::clipboard()->setText(text);
    QTest::keySequence(pole, QKeySequence::SelectAll);
    QTest::keySequence(pole, QKeySequence::Paste);
}

// Renames the node at `index` in place with a pasted text.
void prejmenuj(QAbstractItemView* pohled, const QModelIndex& index, const QString& text) {
    pohled->setCurrentIndex(index);
    QTest::keyClick(pohled, Qt::Key_F2);
    auto* editor = qobject_cast<QLineEdit*>(pohled->indexWidget(index));
    QVERIFY(editor);
    vloz(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::sendPostedEvents();
}

const QString stoTisic = QString(100'000, QChar(u'ř'));

} // namespace

// Texts far beyond the ordinary, and lists far longer: nothing is cut and every pane holds
// the whole script. No timing is checked.
class TestVelkeVstupy : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void dlouheTextyVPolich();
    void dlouheTextyVDialozich();
    void dlouheTextyPriPrejmenovani();
    void megabajtovaPolozkaMenu();
    void desetTisicNastaveni();
    void stoTisicUzluTitulku();
};

void TestVelkeVstupy::dlouheTextyVPolich() {
    THlavni okno;
    ZachyceniHlaseni hlaseni;
    najdi<QCheckBox>(&okno, "sCheckBox1")->click();
    for (const char* jmeno : {"sEdit1", "sEdit20", "sEdit21", "sEdit23"}) {
        auto* pole = najdi<QLineEdit>(&okno, jmeno);
        vloz(pole, stoTisic);
        QCOMPARE(pole->text().size(), stoTisic.size());
    }
    auto* pocet = najdi<QComboBox>(&okno, "sComboBox1");
    vloz(pocet->lineEdit(), stoTisic);
    QCOMPARE(pocet->currentText(), stoTisic);
    QCOMPARE(hlaseni.zpravy.size(), std::size_t(1));
    QVERIFY(hlaseni.zpravy[0].second.contains(stoTisic));
}

void TestVelkeVstupy::dlouheTextyVDialozich() {
    TNastaveni dialogNastaveni(std::nullopt, 0);
    THighskore dialogHighskore(std::nullopt, 0);
    TPozice dialogPozice([](const QString&) { return false; });
    for (QWidget* dialog :
         std::initializer_list<QWidget*>{&dialogNastaveni, &dialogHighskore, &dialogPozice})
        for (QLineEdit* pole : dialog->findChildren<QLineEdit*>()) {
            vloz(pole, stoTisic);
            QCOMPARE(pole->text().size(), stoTisic.size());
        }
}

void TestVelkeVstupy::dlouheTextyPriPrejmenovani() {
    THlavni okno;
    okno.show();
    QVERIFY(QTest::qWaitForWindowExposed(&okno));
    auto* zalozky = najdi<QTabWidget>(&okno, "PageControl1");

    zalozky->setCurrentIndex(1);
    auto* seznam = najdi<QTreeView>(&okno, "ValueListEditor1");
    auto* model = qobject_cast<ModelNastaveni*>(seznam->model());
    model->pridej({"Zvuk", "200", "150", "ano;ne", "a;b"});
    prejmenuj(seznam, model->index(0, 0), stoTisic);
    QCOMPARE(QString::fromStdString(model->polozky()[0].Nazev), stoTisic);

    zalozky->setCurrentIndex(3);
    auto* strom = najdi<StromTitulku>(&okno, "TreeView1");
    strom->pridejPozici(QStringLiteral("Programovani"));
    prejmenuj(strom, strom->model()->index(0, 0), stoTisic);
    QCOMPARE(strom->topLevelItem(0)->text(0), stoTisic);
}

void TestVelkeVstupy::megabajtovaPolozkaMenu() {
    THlavni okno;
    const QString text(1 << 20, QChar(u'm'));
    vloz(najdi<QLineEdit>(&okno, "sEdit1"), text);
    QTest::mouseClick(najdi<QPushButton>(&okno, "sButton1"), Qt::LeftButton);

    generatory::VstupMenu vstup;
    vstup.pocet = "5";
    vstup.radky = {{{text.toStdString(), "250", "150", "room_goto(novahra)"},
                    {"", "250", "180", ""},
                    {"", "250", "210", ""},
                    {"", "250", "240", ""},
                    {"", "250", "270", ""}}};
    const Skript skript = generatory::GenerujMenu(vstup);
    QCOMPARE(textPanelu(&okno, "RichEdit3"), textRadku(skript.draw));
    QVERIFY(textPanelu(&okno, "RichEdit3").contains(text));
}

void TestVelkeVstupy::desetTisicNastaveni() {
    THlavni okno;
    auto* model =
        qobject_cast<ModelNastaveni*>(najdi<QTreeView>(&okno, "ValueListEditor1")->model());
    for (int i = 0; i < 10'000; ++i)
        model->pridej({"Položka " + std::to_string(i), "200", std::to_string(150 + 30 * i),
                       "ano;ne;možná", "a = 1;a = 0;a = 2"});
    ZachyceniHlaseni hlaseni;
    QTest::mouseClick(najdi<QPushButton>(&okno, "sButton2"), Qt::LeftButton);
    QVERIFY(hlaseni.zpravy.empty());
    const Skript skript = generatory::GenerujNastaveni(model->polozky());
    QCOMPARE(textPanelu(&okno, "RichEdit4"), textRadku(skript.create));
    QCOMPARE(textPanelu(&okno, "RichEdit5"), textRadku(skript.step));
    QCOMPARE(textPanelu(&okno, "RichEdit6"), textRadku(skript.draw));
    QVERIFY(textPanelu(&okno, "RichEdit6").contains(QStringLiteral("\"Položka 9999\"")));
}

void TestVelkeVstupy::stoTisicUzluTitulku() {
    THlavni okno;
    auto* strom = najdi<StromTitulku>(&okno, "TreeView1");
    for (int p = 0; p < 1000; ++p) {
        strom->pridejPozici(QStringLiteral("pozice%1").arg(p));
        for (int o = 0; o < 99; ++o)
            strom->pridejOsobu(strom->topLevelItem(p), QStringLiteral("osoba%1_%2").arg(p).arg(o));
    }
    ZachyceniHlaseni hlaseni;
    QTest::mouseClick(najdi<QPushButton>(&okno, "sButton4"), Qt::LeftButton);
    QVERIFY(hlaseni.zpravy.empty());
    const std::vector<generatory::PolozkaTitulku> polozky = strom->polozky();
    QCOMPARE(polozky.size(), std::size_t(100'000));
    const Skript skript =
        generatory::GenerujTitulky({polozky, "nahoru", "c_red", "c_aqua", {}, {}});
    QCOMPARE(textPanelu(&okno, "RichEdit16"), textRadku(skript.create));
    QCOMPARE(textPanelu(&okno, "RichEdit22"), textRadku(skript.alarm0));
    QCOMPARE(textPanelu(&okno, "RichEdit18"), textRadku(skript.draw));
    QVERIFY(textPanelu(&okno, "RichEdit18")
                .endsWith(QStringLiteral("\"osoba999_98\",c_aqua,c_aqua,c_aqua,c_aqua,true)")));
}

QTEST_MAIN(TestVelkeVstupy)
#include "test_velke_vstupy.moc"
