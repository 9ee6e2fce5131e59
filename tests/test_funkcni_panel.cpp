#include "app/hlavni.h"
#include "app/seznam_funkci.h"
#include "pomocnici.h"

#include <QLineEdit>

#include <algorithm>
#include <random>

namespace {

QString Vybrany(const QListWidget* seznam) {
    const QList<QListWidgetItem*> vybrane = seznam->selectedItems();
    if (vybrane.isEmpty())
        return {};
    return vybrane.size() == 1 ? vybrane.front()->text() : QStringLiteral("<more than one>");
}

} // namespace

class TestFunkcniPanel : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void razeniCesky();
    void razeniPodleJazyka();
    void razeniBezOhleduNaVelikost();
    void hledani_data();
    void hledani();
    void dlouheHledani();
    void skrytySeznamHleda();
    void psaniVSeznamu();
    void backspacePoZnakuMimoBmp();
};

// The user's locale decides the order; the tests pin it to Czech.
void TestFunkcniPanel::initTestCase() {
    QLocale::setDefault(QLocale(QStringLiteral("cs_CZ")));
}

void TestFunkcniPanel::razeniCesky() {
    JEN_NA_LINUXU();
    const QStringList cesky = VestaveneNazvy();
    QCOMPARE(cesky.size(), 1242);
    QStringList zamichane = cesky;
    std::shuffle(zamichane.begin(), zamichane.end(), std::mt19937(42));
    QVERIFY(zamichane != cesky);

    SeradNazvy(zamichane, QLocale(QStringLiteral("cs_CZ")));
    QCOMPARE(zamichane, cesky);

    THlavni okno;
    auto* seznam = najdi<SeznamFunkci>(&okno, "sListBox1");
    QCOMPARE(seznam->count(), 1242);
    for (int i = 0; i < seznam->count(); ++i)
        QCOMPARE(seznam->item(i)->text(), cesky[i]);
}

// Another locale gives another order: "ch" is no letter of its own in English.
void TestFunkcniPanel::razeniPodleJazyka() {
    QStringList nazvy{"ini_close", "choose", "highscore_value", "cos"};
    SeradNazvy(nazvy, QLocale(QStringLiteral("en_US")));
    QCOMPARE(nazvy, (QStringList{"choose", "cos", "highscore_value", "ini_close"}));
    SeradNazvy(nazvy, QLocale(QStringLiteral("cs_CZ")));
    QCOMPARE(nazvy, (QStringList{"cos", "highscore_value", "choose", "ini_close"}));
}

// Case is ignored in every locale, the plain "C" one of a bare session included.
void TestFunkcniPanel::razeniBezOhleduNaVelikost() {
    for (const QLocale& jazyk :
         {QLocale::c(), QLocale(QStringLiteral("en_US")), QLocale(QStringLiteral("cs_CZ"))}) {
        QStringList nazvy{"mean", "abs", "MCI_command", "max3"};
        SeradNazvy(nazvy, jazyk);
        QCOMPARE(nazvy, (QStringList{"abs", "max3", "MCI_command", "mean"}));
    }
}

void TestFunkcniPanel::hledani_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("vybrany");
    QTest::addRow("d") << "d"
                       << "d3d_draw_block";
    QTest::addRow("dr") << "dr"
                        << "draw_arrow";
    QTest::addRow("draw_text_c") << "draw_text_c"
                                 << "draw_text_color";
    QTest::addRow("MCI") << "MCI"
                         << "MCI_command";
    QTest::addRow("mci") << "mci"
                         << "MCI_command";
    QTest::addRow("c") << "c"
                       << "cd_close_door";
    QTest::addRow("ch") << "ch"
                        << "choose";
    QTest::addRow("xyz clears") << "xyz"
                                << "";
    QTest::addRow("x clears") << "x"
                              << "";
    QTest::addRow("w near the end") << "w"
                                    << "window_center";
    QTest::addRow("doubled name") << "show_message"
                                  << "show_message";
    QTest::addRow("whole name, other case") << "ABS"
                                            << "abs";
}

// Typed into the real field, starting from a selection the search must replace or remove.
void TestFunkcniPanel::hledani() {
    QFETCH(QString, text);
    QFETCH(QString, vybrany);
    if (text == QLatin1String("d"))
        JEN_NA_LINUXU();

    THlavni okno;
    okno.show();
    QVERIFY(QTest::qWaitForWindowExposed(&okno));
    auto* hledani = najdi<QLineEdit>(&okno, "Edit1");
    auto* seznam = najdi<SeznamFunkci>(&okno, "sListBox1");
    hledani->setFocus();
    QTest::keyClicks(hledani, QStringLiteral("sin"));
    QCOMPARE(Vybrany(seznam), QStringLiteral("sin"));
    hledani->clear();
    QCOMPARE(Vybrany(seznam), QStringLiteral("abs"));

    QTest::keyClicks(hledani, text);

    QCOMPARE(Vybrany(seznam), vybrany);
    QVERIFY(hledani->hasFocus());
    if (vybrany.isEmpty())
        return;
    QCOMPARE(seznam->currentRow(), seznam->nazvy().indexOf(vybrany));
    const QRect misto = seznam->visualItemRect(seznam->currentItem());
    QVERIFY(misto.top() >= 0 && misto.bottom() <= seznam->viewport()->height());
}

void TestFunkcniPanel::dlouheHledani() {
    THlavni okno;
    auto* hledani = najdi<QLineEdit>(&okno, "Edit1");
    hledani->setText(QStringLiteral("abs") + QString(200, u'_'));
    QCOMPARE(hledani->text().size(), 128);
    QCOMPARE(Vybrany(najdi<SeznamFunkci>(&okno, "sListBox1")), QString());
}

void TestFunkcniPanel::skrytySeznamHleda() {
    THlavni okno;
    okno.show();
    QVERIFY(QTest::qWaitForWindowExposed(&okno));
    auto* panel = najdi<QWidget>(&okno, "sPanel2");
    auto* hledani = najdi<QLineEdit>(&okno, "Edit1");
    auto* seznam = najdi<SeznamFunkci>(&okno, "sListBox1");
    auto* funkce = najdi<QAction>(&okno, "Funkce1");
    QCOMPARE(seznam->visualItemRect(seznam->item(0)).height(), 13);
    QCOMPARE(seznam->font().pixelSize(), 11);
    QCOMPARE(seznam->selectionMode(), QAbstractItemView::SingleSelection);
    QCOMPARE(Vybrany(seznam), QString());

    funkce->trigger();
    QVERIFY(!funkce->isChecked());
    QVERIFY(seznam->isHidden());
    QVERIFY(hledani->isVisible());
    QCOMPARE(hledani->y(), 0);
    QCOMPARE(panel->width(), 162);

    QTest::keyClicks(hledani, QStringLiteral("sin"));
    QCOMPARE(Vybrany(seznam), QStringLiteral("sin"));

    funkce->trigger();
    QVERIFY(funkce->isChecked());
    QVERIFY(seznam->isVisible());
    QCOMPARE(Vybrany(seznam), QStringLiteral("sin"));
    QCOMPARE(panel->width(), 162);
}

// The clock is driven by hand: keys 499 ms apart extend the prefix, 500 ms apart restart it.
void TestFunkcniPanel::psaniVSeznamu() {
    JEN_NA_LINUXU();
    SeznamFunkci seznam;
    qint64 cas = 0;
    seznam.nastavHodiny([&cas] { return cas; });
    const struct {
        qint64 pauza;
        int klavesa;
        const char* vybrany;
    } kroky[] = {
        {0, Qt::Key_S, "screen_redraw"},
        {100, Qt::Key_I, "sign"},
        {499, Qt::Key_N, "sin"},
        {0, Qt::Key_Q, "sin"},
        {0, Qt::Key_Backspace, "sin"},
        {0, Qt::Key_Backspace, "sign"},
        {500, Qt::Key_D, "d3d_draw_block"},
        {600, Qt::Key_W, "window_center"},
        {10, Qt::Key_Backspace, "abs"},
        {0, Qt::Key_Backspace, "abs"},
        {800, Qt::Key_M, "make_color"},
        {900, Qt::Key_A, "abs"},
    };
    int krok = 0;
    for (const auto& k : kroky) {
        cas += k.pauza;
        QTest::keyClick(&seznam, static_cast<Qt::Key>(k.klavesa));
        QVERIFY2(Vybrany(&seznam) == QLatin1String(k.vybrany), qPrintable(QString::number(krok)));
        ++krok;
    }
    // From the top, not from the current row: a second "a" after a pause stays on "abs".
    cas += 1000;
    QTest::keyClick(&seznam, Qt::Key_A);
    QCOMPARE(Vybrany(&seznam), QStringLiteral("abs"));
}

void TestFunkcniPanel::backspacePoZnakuMimoBmp() {
    RychleHledani psani([] { return qint64{0}; });
    const QStringList nazvy{"abs"};
    psani.znak(QStringLiteral("a"), nazvy);
    QCOMPARE(psani.znak(QString::fromUcs4(U"\U0001D11E"), nazvy), std::nullopt);
    QCOMPARE(psani.backspace(nazvy), std::optional<int>(0));
    QCOMPARE(psani.predpona(), QStringLiteral("a"));
}

QTEST_MAIN(TestFunkcniPanel)
#include "test_funkcni_panel.moc"
