#include "app/hlavni.h"
#include "app/model_nastaveni.h"
#include "dialogs/dialog_nastaveni.h"
#include "pomocnici.h"

#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QToolTip>
#include <QTreeView>

using generatory::PolozkaNastaveni;

namespace {

QTreeView* seznam(QObject* okno) {
    return najdi<QTreeView>(okno, "ValueListEditor1");
}

ModelNastaveni* model(QObject* okno) {
    return qobject_cast<ModelNastaveni*>(seznam(okno)->model());
}

QLineEdit* pole(QWidget* dialog, const char* jmeno) {
    return najdi<QLineEdit>(dialog, jmeno);
}

// The five texts of each row as the list shows them.
QList<QStringList> radky(QObject* okno) {
    const QAbstractItemModel* m = seznam(okno)->model();
    QList<QStringList> vysledek;
    for (int r = 0; r < m->rowCount(); ++r) {
        QStringList radek;
        for (int s = 0; s < m->columnCount(); ++s)
            radek << m->index(r, s).data().toString();
        vysledek << radek;
    }
    return vysledek;
}

// Opens the entry dialog through a context-menu command and runs `akce` on it; a dialog the
// step leaves open is cancelled so a failing check never hangs the run. Returns whether a
// dialog opened at all.
bool sDialogem(THlavni& okno, const char* prikaz, const std::function<void(TNastaveni*)>& akce) {
    bool otevren = false;
    obsluzModalni([&](QWidget* modal) {
        auto* dialog = qobject_cast<TNastaveni*>(modal);
        otevren = dialog != nullptr;
        if (dialog)
            akce(dialog);
        if (modal->isVisible())
            modal->close();
    });
    spustAkci(&okno, prikaz);
    return otevren;
}

void klikni(QWidget* dialog, const char* tlacitko) {
    QTest::mouseClick(najdi<QPushButton>(dialog, tlacitko), Qt::LeftButton);
}

void pridej(THlavni& okno, const PolozkaNastaveni& p) {
    model(&okno)->pridej(p);
}

const PolozkaNastaveni zvuk{"Zvuk", "200", "150", "ano;ne", "global.zvuk = 1;global.zvuk = 0"};

} // namespace

class TestZalozkaNastaveni : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void seznamAMenu();
    void pridani_navrhY();
    void validace_data();
    void validace();
    void uprava_zpusobyZavreni_data();
    void uprava_zpusobyZavreni();
    void upravitBezVyberu_nicNedela();
    void smazatPolozky();
    void prejmenovaniVSeznamu_doSkriptu();
    void generovani();
    void generovani_odmitnutiNechaPanely_data();
    void generovani_odmitnutiNechaPanely();
    void neciselneX_chybovyBox();
    void napovedy();
};

void TestZalozkaNastaveni::seznamAMenu() {
    THlavni okno;
    okno.show();
    najdi<QTabWidget>(&okno, "PageControl1")->setCurrentIndex(1);
    QTreeView* s = seznam(&okno);
    QAbstractItemModelTester tester(s->model(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    pridej(okno, zvuk);
    QStringList titulky;
    QList<int> zarovnani;
    for (int i = 0; i < 5; ++i) {
        titulky << s->model()->headerData(i, Qt::Horizontal).toString();
        zarovnani << (s->model()->index(0, i).data(Qt::TextAlignmentRole).toInt() &
                      Qt::AlignHorizontal_Mask);
    }
    QCOMPARE(titulky, (QStringList{"Název Položky", "Pozice x", "Pozice y", "Hodnoty", "Akce"}));
    QCOMPARE(zarovnani, (QList<int>{Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignLeft,
                                    Qt::AlignHCenter, Qt::AlignHCenter}));
    QCOMPARE(s->header()->sectionSize(0), 85);
    QCOMPARE(s->header()->sectionSize(1), 60);
    QCOMPARE(s->header()->sectionSize(2), 60);
    QCOMPARE(s->header()->sectionSize(3), s->header()->sectionSize(4));
    QCOMPARE(s->header()->length(), s->viewport()->width());
    QCOMPARE(s->selectionBehavior(), QAbstractItemView::SelectRows);
    QCOMPARE(s->selectionMode(), QAbstractItemView::SingleSelection);
    QVERIFY(s->model()->flags(s->model()->index(0, 0)) & Qt::ItemIsEditable);
    QVERIFY(!(s->model()->flags(s->model()->index(0, 1)) & Qt::ItemIsEditable));

    QStringList polozky;
    for (QAction* a : najdi<QMenu>(&okno, "PopupMenu1")->actions())
        polozky << (a->isSeparator() ? QStringLiteral("-") : a->text());
    QCOMPARE(polozky,
             (QStringList{"&Přidat položku", "-", "&Upravit položku", "-", "&Smazat položky"}));
}

void TestZalozkaNastaveni::pridani_navrhY() {
    THlavni okno;
    okno.show();
    for (const char* y : {"150", "180", "210"}) {
        QVERIFY(sDialogem(okno, "Pidatpoloku1", [&](TNastaveni* d) {
            QCOMPARE(d->windowTitle(), QStringLiteral("Kodovar - Přidat položku"));
            QCOMPARE(d->size(), QSize(338, 230));
            QCOMPARE(d->minimumSize(), d->maximumSize());
            const QPoint posun =
                d->frameGeometry().center() - d->screen()->availableGeometry().center();
            QVERIFY2(posun.manhattanLength() <= 4, "centred on the screen");
            QCOMPARE(d->focusWidget(), najdi<QWidget>(d, "sButton1"));
            QStringList poradi;
            for (QWidget* w = d->focusWidget(); poradi.size() < 7; w = w->nextInFocusChain())
                if (w->focusPolicy() & Qt::TabFocus)
                    poradi << w->objectName();
            QCOMPARE(poradi, (QStringList{"sButton1", "sButton2", "sEdit1", "sEdit2", "sEdit3",
                                          "sEdit4", "sEdit5"}));
            QCOMPARE(okno.KtereUpravit(), -1);
            QCOMPARE(pole(d, "sEdit1")->text(), QStringLiteral("Zvuk"));
            QCOMPARE(pole(d, "sEdit3")->text(), QStringLiteral("200"));
            QCOMPARE(pole(d, "sEdit4")->text(), QString::fromLatin1(y));
            pole(d, "sEdit1")->setText(QStringLiteral(" Hudba "));
            klikni(d, "sButton1");
        }));
        QVERIFY(okno.findChildren<TNastaveni*>().isEmpty());
    }
    QCOMPARE(radky(&okno).size(), 3);
    QCOMPARE(radky(&okno)[2],
             (QStringList{" Hudba ", "200", "210", "ano;ne", "global.zvuk = 1;global.zvuk = 0"}));
    QCOMPARE(model(&okno)->polozky()[2], (PolozkaNastaveni{" Hudba ", "200", "210", "ano;ne",
                                                           "global.zvuk = 1;global.zvuk = 0"}));
    QVERIFY(sDialogem(okno, "Pidatpoloku1", [](TNastaveni* d) {
        QCOMPARE(pole(d, "sEdit4")->text(), QStringLiteral("240"));
    }));
}

void TestZalozkaNastaveni::validace_data() {
    QTest::addColumn<QString>("hodnoty");
    QTest::addColumn<QString>("akce");
    QTest::addColumn<QString>("zprava");
    QTest::addRow("obe prazdne") << ""
                                 << ""
                                 << "Musíte vyplnit položku akce!";
    QTest::addRow("akce prazdne") << "ano"
                                  << ""
                                  << "Musíte vyplnit položku akce!";
    QTest::addRow("hodnoty prazdne") << ""
                                     << "a"
                                     << "Musíte vyplnit nastavení!";
    QTest::addRow("mezery se pocitaji") << " "
                                        << " "
                                        << "";
}

void TestZalozkaNastaveni::validace() {
    QFETCH(QString, hodnoty);
    QFETCH(QString, akce);
    QFETCH(QString, zprava);
    THlavni okno;
    okno.show();
    ZachyceniHlaseni hlaseni;
    QVERIFY(sDialogem(okno, "Pidatpoloku1", [&](TNastaveni* d) {
        pole(d, "sEdit2")->setText(hodnoty);
        pole(d, "sEdit5")->setText(akce);
        klikni(d, "sButton1");
        QCOMPARE(d->isVisible(), !zprava.isEmpty());
        QCOMPARE(okno.KtereUpravit(), -1);
    }));
    if (zprava.isEmpty()) {
        QVERIFY(hlaseni.zpravy.empty());
        QCOMPARE(radky(&okno).size(), 1);
    } else {
        QCOMPARE(hlaseni.zpravy.size(), 1u);
        QCOMPARE(hlaseni.zpravy[0], std::make_pair(Hlaseni::Druh::Odmitnuti, zprava));
        QVERIFY(radky(&okno).isEmpty());
    }
}

// The edit index names the row only while the dialog is open, however it then closes.
void TestZalozkaNastaveni::uprava_zpusobyZavreni_data() {
    QTest::addColumn<QString>("zpusob");
    QTest::addColumn<bool>("ulozi");
    QTest::addRow("Pridat") << "Pridat" << true;
    QTest::addRow("Zrusit") << "Zrusit" << false;
    QTest::addRow("zaviraci krizek") << "krizek" << false;
    QTest::addRow("Escape") << "Escape" << false;
}

void TestZalozkaNastaveni::uprava_zpusobyZavreni() {
    QFETCH(QString, zpusob);
    QFETCH(bool, ulozi);
    THlavni okno;
    okno.show();
    ZachyceniHlaseni hlaseni;
    const PolozkaNastaveni druha{"Hudba", "abc", "", "", "x;y"};
    pridej(okno, zvuk);
    pridej(okno, druha);
    pridej(okno, zvuk);
    seznam(&okno)->setCurrentIndex(model(&okno)->index(1, 0));

    QVERIFY(sDialogem(okno, "Upravitpoloku1", [&](TNastaveni* d) {
        QCOMPARE(okno.KtereUpravit(), 1);
        QCOMPARE(d->windowTitle(), QStringLiteral("Kodovar - Přidat položku"));
        QCOMPARE(pole(d, "sEdit1")->text(), QStringLiteral("Hudba"));
        QCOMPARE(pole(d, "sEdit2")->text(), QString());
        QCOMPARE(pole(d, "sEdit3")->text(), QStringLiteral("abc"));
        QCOMPARE(pole(d, "sEdit4")->text(), QString());
        QCOMPARE(pole(d, "sEdit5")->text(), QStringLiteral("x;y"));
        pole(d, "sEdit1")->setText(QStringLiteral("Jas"));
        pole(d, "sEdit5")->clear();
        if (zpusob == "Pridat")
            klikni(d, "sButton1");
        else if (zpusob == "Zrusit")
            klikni(d, "sButton2");
        else if (zpusob == "krizek")
            d->close();
        else {
            // Escape throws nothing away; the close box then does.
            QTest::keyClick(d->focusWidget(), Qt::Key_Escape);
            QVERIFY(d->isVisible());
            d->close();
        }
        QVERIFY(!d->isVisible());
    }));
    QCOMPARE(okno.KtereUpravit(), -1);
    QVERIFY(okno.findChildren<TNastaveni*>().isEmpty());
    QVERIFY(hlaseni.zpravy.empty());
    const PolozkaNastaveni ocekavana = ulozi ? PolozkaNastaveni{"Jas", "abc", "", "", ""} : druha;
    QCOMPARE(model(&okno)->polozky(), (std::vector<PolozkaNastaveni>{zvuk, ocekavana, zvuk}));
    QCOMPARE(radky(&okno)[1][0], QString::fromStdString(ocekavana.Nazev));

    QVERIFY(sDialogem(okno, "Pidatpoloku1", [](TNastaveni* d) {
        QCOMPARE(pole(d, "sEdit1")->text(), QStringLiteral("Zvuk"));
        QCOMPARE(pole(d, "sEdit4")->text(), QStringLiteral("240"));
        klikni(d, "sButton1");
    }));
    QCOMPARE(model(&okno)->polozky().size(), 4u);
    QCOMPARE(model(&okno)->polozky()[1], ocekavana);
}

void TestZalozkaNastaveni::upravitBezVyberu_nicNedela() {
    THlavni okno;
    okno.show();
    pridej(okno, zvuk);
    seznam(&okno)->clearSelection();
    auto* hlidac = new QTimer(&okno);
    bool otevren = false;
    connect(hlidac, &QTimer::timeout, &okno,
            [&] { otevren |= QApplication::activeModalWidget() != nullptr; });
    hlidac->start(5);
    spustAkci(&okno, "Upravitpoloku1");
    QTest::qWait(50);
    QVERIFY(!otevren);
    QVERIFY(okno.findChildren<TNastaveni*>().isEmpty());
    QCOMPARE(okno.KtereUpravit(), -1);
    QCOMPARE(radky(&okno).size(), 1);
}

void TestZalozkaNastaveni::smazatPolozky() {
    THlavni okno;
    ZachyceniHlaseni hlaseni;
    for (int i = 0; i < 5; ++i)
        pridej(okno, zvuk);
    QTest::mouseClick(najdi<QPushButton>(&okno, "sButton2"), Qt::LeftButton);
    const QString draw = textPanelu(&okno, "RichEdit6");
    spustAkci(&okno, "Smazatpoloky1");
    QVERIFY(radky(&okno).isEmpty());
    QCOMPARE(textPanelu(&okno, "RichEdit6"), draw);
    spustAkci(&okno, "Smazatpoloky1");
    QVERIFY(radky(&okno).isEmpty());
    QVERIFY(hlaseni.zpravy.empty());
}

void TestZalozkaNastaveni::prejmenovaniVSeznamu_doSkriptu() {
    THlavni okno;
    okno.show();
    najdi<QTabWidget>(&okno, "PageControl1")->setCurrentIndex(1);
    pridej(okno, zvuk);
    pridej(okno, zvuk);
    QTreeView* s = seznam(&okno);
    const QPoint nazev = s->visualRect(model(&okno)->index(1, 0)).center();
    QTest::mouseClick(s->viewport(), Qt::LeftButton, {}, nazev);
    QTest::qWait(QApplication::doubleClickInterval() + 50);
    QTest::mouseClick(s->viewport(), Qt::LeftButton, {}, nazev);
    QTRY_VERIFY(s->viewport()->findChild<QLineEdit*>());
    auto* editor = s->viewport()->findChild<QLineEdit*>();
    editor->selectAll();
    QTest::keyClicks(editor, QStringLiteral("Hlasitost"));
    QTest::keyClick(editor, Qt::Key_Return);

    // The view commits the editor's text on its next turn of the event loop.
    QTRY_COMPARE(radky(&okno)[1][0], QStringLiteral("Hlasitost"));
    QCOMPARE(model(&okno)->polozky()[1].Nazev, std::string("Hlasitost"));
    QTest::mouseClick(najdi<QPushButton>(&okno, "sButton2"), Qt::LeftButton);
    QCOMPARE(textPanelu(&okno, "RichEdit6").split('\n')[2],
             QStringLiteral(
                 "draw_text_color(200,150,\"Hlasitost\",barva_2,barva_2,barva_2,barva_2,true)"));
}

void TestZalozkaNastaveni::generovani() {
    THlavni okno;
    ZachyceniHlaseni hlaseni;
    pridej(okno, zvuk);
    QTest::mouseClick(najdi<QPushButton>(&okno, "sButton2"), Qt::LeftButton);
    QVERIFY(hlaseni.zpravy.empty());
    QCOMPARE(textPanelu(&okno, "RichEdit4").split('\n').size(), 6);
    QCOMPARE(textPanelu(&okno, "RichEdit5").split('\n').size(), 45);
    const QStringList draw = textPanelu(&okno, "RichEdit6").split('\n');
    QCOMPARE(draw.size(), 10);
    QCOMPARE(draw[4], QStringLiteral(
                          "draw_text_color(380,150,\"ano\",barva_1,barva_1,barva_1,barva_1,true)"));
}

// A refused run leaves every pane as the previous run wrote it.
void TestZalozkaNastaveni::generovani_odmitnutiNechaPanely_data() {
    QTest::addColumn<bool>("smazat");
    QTest::addColumn<QString>("zprava");
    QTest::addRow("prazdny seznam") << true << "Nejsou vytvořené žádné položky!";
    QTest::addRow("polozka bez akce") << false << "Položka č. 2 „Hudba“ nemá žádnou akci!";
}

void TestZalozkaNastaveni::generovani_odmitnutiNechaPanely() {
    QFETCH(bool, smazat);
    QFETCH(QString, zprava);
    THlavni okno;
    okno.show();
    ZachyceniHlaseni hlaseni;
    pridej(okno, zvuk);
    pridej(okno, {"Hudba", "200", "180", "ano;ne", "a;b"});
    QTest::mouseClick(najdi<QPushButton>(&okno, "sButton2"), Qt::LeftButton);
    const QStringList pred{textPanelu(&okno, "RichEdit4"), textPanelu(&okno, "RichEdit5"),
                           textPanelu(&okno, "RichEdit6")};
    if (smazat) {
        spustAkci(&okno, "Smazatpoloky1");
    } else {
        seznam(&okno)->setCurrentIndex(model(&okno)->index(1, 0));
        QVERIFY(sDialogem(okno, "Upravitpoloku1", [](TNastaveni* d) {
            pole(d, "sEdit5")->clear();
            klikni(d, "sButton1");
        }));
    }
    QTest::mouseClick(najdi<QPushButton>(&okno, "sButton2"), Qt::LeftButton);
    QCOMPARE(hlaseni.zpravy.size(), 1u);
    QCOMPARE(hlaseni.zpravy[0], std::make_pair(Hlaseni::Druh::Odmitnuti, zprava));
    const QStringList po{textPanelu(&okno, "RichEdit4"), textPanelu(&okno, "RichEdit5"),
                         textPanelu(&okno, "RichEdit6")};
    QCOMPARE(po, pred);
}

void TestZalozkaNastaveni::neciselneX_chybovyBox() {
    THlavni okno;
    ZachyceniHlaseni hlaseni;
    pridej(okno, {"Hudba", "1a", "180", "ano;ne", "a;b"});
    QTest::mouseClick(najdi<QPushButton>(&okno, "sButton2"), Qt::LeftButton);
    QCOMPARE(hlaseni.zpravy.size(), 1u);
    QCOMPARE(hlaseni.zpravy[0],
             std::make_pair(Hlaseni::Druh::Chyba,
                            QStringLiteral("''1a'' is not a valid integer value.")));
    QCOMPARE(textPanelu(&okno, "RichEdit4").split('\n').size(), 6);
    QCOMPARE(textPanelu(&okno, "RichEdit5").split('\n').size(), 45);
    QVERIFY(textPanelu(&okno, "RichEdit6")
                .endsWith(QStringLiteral("true)\n//"
                                         "---------------------------------------------------------"
                                         "\nif(vybrana_hodnota[0] == 1){")));
}

void TestZalozkaNastaveni::napovedy() {
    THlavni okno;
    okno.show();
    QVERIFY(sDialogem(okno, "Pidatpoloku1", [](TNastaveni* d) {
        const QString pozice = QStringLiteral("Jednotlivé možnosti, oddělujte středníkem");
        QCOMPARE(pole(d, "sEdit3")->toolTip(), pozice);
        QCOMPARE(pole(d, "sEdit4")->toolTip(), pozice);
        for (const char* jmeno : {"sEdit1", "sEdit2", "sEdit5"})
            QVERIFY(pole(d, jmeno)->toolTip().isEmpty());

        const struct {
            const char* pole;
            QString titulek;
        } bubliny[] = {{"sEdit2", QStringLiteral("Nastavení")}, {"sEdit5", QStringLiteral("Akce")}};
        for (const auto& b : bubliny) {
            QLineEdit* p = pole(d, b.pole);
            const QString pred = p->text();
            QTest::mouseClick(p, Qt::LeftButton);
            QVERIFY(QToolTip::isVisible());
            QCOMPARE(QToolTip::text(),
                     QStringLiteral("<b>%1</b><br>Jednotlivé hodnoty oddělujte středníkem.")
                         .arg(b.titulek));
            QCOMPARE(p->text(), pred);
            QTRY_VERIFY_WITH_TIMEOUT(!QToolTip::isVisible(), 2500);
        }
    }));
}

QTEST_MAIN(TestZalozkaNastaveni)
#include "test_zalozka_nastaveni.moc"
