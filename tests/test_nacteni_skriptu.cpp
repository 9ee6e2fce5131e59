#include "app/hlavni.h"
#include "app/zalozka_highskore.h"
#include "app/zalozka_menu.h"
#include "app/zalozka_nastaveni.h"
#include "app/zalozka_titulky.h"
#include "generators/generuj_highskore.h"
#include "generators/generuj_menu.h"
#include "generators/generuj_nastaveni.h"
#include "generators/generuj_titulky.h"
#include "generators/nove_vstupy.h"
#include "na_displeji.h"
#include "pomocnici.h"
#include "ui/pole_kodu.h"
#include "vlozene_texty.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>

using generatory::Udalost;

// "Načíst ze skriptu…" as a person uses it, on a real X server: Ctrl+O, a paste with Ctrl+V into
// each box, "Načíst" pressed from the keyboard, the question answered either way (Alt+A for
// "Ano").

namespace {

const std::vector<generatory::PolozkaNastaveni> dvePolozky{
    {"Zvuk", "200", "150", "ano;ne", "global.zvuk = 1;global.zvuk = 0"},
    {"Hudba", "200", "180", "nahlas;potichu", "global.hudba = 1;global.hudba = 0"}};

// Pastes the text into the box as a person does: a click into it, Ctrl+A, Ctrl+V.
void vloz(QPlainTextEdit* box, const QString& text) {
    QGuiApplication::clipboard()->setText(text);
    QTest::mouseClick(box->viewport(), Qt::LeftButton);
    QTRY_VERIFY(box->hasFocus());
    QTest::keyClick(fokus(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(fokus(), Qt::Key_V, Qt::ControlModifier);
}

// Answers the question box once it stands over the dialog.
void odpovez(bool ano, bool& polozena) {
    auto* casovac = new QTimer;
    casovac->setInterval(10);
    QObject::connect(casovac, &QTimer::timeout, casovac, [casovac, ano, &polozena] {
        QWidget* otazka = QApplication::activeModalWidget();
        if (!otazka || otazka->objectName() != QLatin1String("Otazka"))
            return;
        casovac->stop();
        casovac->deleteLater();
        polozena = true;
        aktivuj(otazka);
        QCOMPARE(fokus()->objectName(), QStringLiteral("Ne"));
        QCOMPARE(otazka->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))->text(),
                 QStringLiteral("Nahradit obsah záložky Nastavení?"));
        if (ano)
            QTest::keyClick(fokus(), Qt::Key_A, Qt::AltModifier);
        else
            QTest::keyClick(fokus(), Qt::Key_Space);
    });
    casovac->start();
}

QStringList textyBoxu(QWidget* dialog) {
    QStringList texty;
    for (const QPlainTextEdit* box : dialog->findChildren<QPlainTextEdit*>())
        texty << box->toPlainText();
    return texty;
}

// The settings tab holding the two entries, their script in the panes.
struct Okno {
    THlavni hlavni;
    ZalozkaNastaveni* nastaveni = hlavni.findChild<ZalozkaNastaveni*>();
    generatory::Skript skript = generatory::GenerujNastaveni(dvePolozky);

    Okno() {
        najdi<QTabWidget>(&hlavni, "PageControl1")->setCurrentIndex(1);
        aktivuj(&hlavni);
    }
    QString text(Udalost udalost) const { return textRadku(skript.radky(udalost)); }
};

} // namespace

class TestNacteniSkriptu : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void dialogZalozky_data();
    void dialogZalozky();
    void nacteni_data();
    void nacteni();
    void odmitnutiNechaTexty();
    void barvaMimoSeznam();
    void novaOkna();
    void dlouheVlozeni_data();
    void dlouheVlozeni();
    void stavPoNacteni_data();
    void stavPoNacteni();
};

// Ctrl+O opens the dialog of the active tab: its caption, one box per pane named by its event,
// and Enter in a box makes a new line without pressing a button. Escape, Alt+Z and Space on
// "Zrušit" each close it.
void TestNacteniSkriptu::dialogZalozky_data() {
    QTest::addColumn<int>("zalozka");
    QTest::addColumn<QString>("nazev");
    QTest::addColumn<QStringList>("udalosti");
    QTest::addColumn<int>("zavreni");
    QTest::addRow("Menu, Escape") << 0 << "Menu" << QStringList{"Create", "Step", "Draw"} << 0;
    QTest::addRow("Nastavení, Alt+Z")
        << 1 << "Nastavení" << QStringList{"Create", "Step", "Draw"} << 1;
    QTest::addRow("HighSkóre, Zrušit") << 2 << "HighSkóre" << QStringList{"Draw"} << 2;
    QTest::addRow("Titulky, Escape")
        << 3 << "Titulky" << QStringList{"Create", "Alarm[0]", "Draw"} << 0;
}

void TestNacteniSkriptu::dialogZalozky() {
    QFETCH(int, zalozka);
    QFETCH(QString, nazev);
    QFETCH(QStringList, udalosti);
    QFETCH(int, zavreni);
    THlavni okno;
    najdi<QTabWidget>(&okno, "PageControl1")->setCurrentIndex(zalozka);
    aktivuj(&okno);

    bool otevren = false;
    obsluzModalni([&](QWidget* dialog) {
        otevren = true;
        aktivuj(dialog);
        QCOMPARE(dialog->windowTitle(), "Kodovar - Načíst ze skriptu: " + nazev);
        QStringList nazvy;
        for (const QPlainTextEdit* box : dialog->findChildren<QPlainTextEdit*>())
            nazvy << box->accessibleName();
        QCOMPARE(nazvy, udalosti);
        auto* prvni = dialog->findChildren<QPlainTextEdit*>().front();
        QTest::mouseClick(prvni->viewport(), Qt::LeftButton);
        QTest::keyClicks(fokus(), QStringLiteral("a"));
        QTest::keyClick(fokus(), Qt::Key_Return);
        QTest::keyClicks(fokus(), QStringLiteral("b"));
        QCOMPARE(prvni->toPlainText(), QStringLiteral("a\nb"));
        QVERIFY(dialog->isVisible());
        if (zavreni == 2) {
            tabulatoremNa(QStringLiteral("Zrusit"));
            QTest::keyClick(fokus(), Qt::Key_Space);
        } else {
            QTest::keyClick(fokus(), zavreni == 0 ? Qt::Key_Escape : Qt::Key_Z,
                            zavreni == 0 ? Qt::NoModifier : Qt::AltModifier);
        }
        QTRY_VERIFY(!dialog->isVisible());
    });
    QTest::keyClick(&okno, Qt::Key_O, Qt::ControlModifier);
    QTRY_VERIFY(otevren);
}

// Pasted into the boxes, the script becomes the form again; over a form that is not a new
// window's, only when the author answers "Ano".
void TestNacteniSkriptu::nacteni_data() {
    QTest::addColumn<bool>("prazdna");
    QTest::addColumn<bool>("ano");
    QTest::addColumn<bool>("preodsazeno");
    QTest::addRow("empty tab, no question") << true << false << false;
    QTest::addRow("question answered Ano") << false << true << false;
    QTest::addRow("question answered Ne") << false << false << false;
    QTest::addRow("re-indented with tabs and doubled blanks") << true << false << true;
}

void TestNacteniSkriptu::nacteni() {
    QFETCH(bool, prazdna);
    QFETCH(bool, ano);
    QFETCH(bool, preodsazeno);
    Okno o;
    const VlozenySkript vlozeny =
        preodsazeno ? preodsazeny(VlozenySkript::z(o.skript)) : VlozenySkript::z(o.skript);
    const auto vlozenyText = [&vlozeny](Udalost u) {
        return QString::fromStdString(vlozeny.text(u));
    };
    const std::vector<generatory::PolozkaNastaveni> jina{{"Jazyk", "10", "20", "cs;en", "a();b()"}};
    if (!prazdna)
        o.nastaveni->nastavVstup(jina);

    bool otazka = false;
    bool zustalOtevren = false;
    obsluzModalni([&](QWidget* dialog) {
        aktivuj(dialog);
        for (Udalost u : {Udalost::Create, Udalost::Step, Udalost::Draw})
            vloz(najdi<QPlainTextEdit>(
                     dialog, qPrintable(QStringLiteral("Vlozeni") +
                                        QString::fromUtf8(generatory::TitulekUdalosti(u)))),
                 vlozenyText(u));
        if (!prazdna)
            odpovez(ano, otazka);
        tabulatoremNa(QStringLiteral("Nacist"));
        QTest::keyClick(fokus(), Qt::Key_Space);
        zustalOtevren = dialog->isVisible();
        if (zustalOtevren) {
            QCOMPARE(textyBoxu(dialog),
                     (QStringList{vlozenyText(Udalost::Create), vlozenyText(Udalost::Step),
                                  vlozenyText(Udalost::Draw)}));
            dialog->close();
        }
    });
    QTest::keyClick(&o.hlavni, Qt::Key_O, Qt::ControlModifier);
    QTRY_VERIFY(!QApplication::activeModalWidget());

    QCOMPARE(otazka, !prazdna);
    const bool nacteno = prazdna || ano;
    QCOMPARE(zustalOtevren, !nacteno);
    QCOMPARE(o.nastaveni->vstup(), nacteno ? dvePolozky : jina);
    QCOMPARE(o.hlavni.KtereUpravit(), -1);
    QCOMPARE(o.hlavni.Ktere2Upravit(), -1);
    if (nacteno)
        for (Udalost u : {Udalost::Create, Udalost::Step, Udalost::Draw})
            QCOMPARE(o.nastaveni->panely()->panel(u)->toPlainText(), o.text(u));
}

// A refusal changes nothing: the message stands in the dialog, every pasted text stays, and
// the cursor waits on the line it names.
void TestNacteniSkriptu::odmitnutiNechaTexty() {
    Okno o;
    QString draw = o.text(Udalost::Draw);
    draw.replace(QStringLiteral("(380,180,\"potichu\""), QStringLiteral("(380,190,\"potichu\""));
    const int radek = draw.left(draw.indexOf(QStringLiteral("potichu"))).count(u'\n') + 1;

    obsluzModalni([&](QWidget* dialog) {
        aktivuj(dialog);
        const QStringList texty{o.text(Udalost::Create), o.text(Udalost::Step), draw};
        const auto boxy = dialog->findChildren<QPlainTextEdit*>();
        for (int i = 0; i < 3; ++i)
            vloz(boxy[i], texty[i]);
        tabulatoremNa(QStringLiteral("Nacist"));
        QTest::keyClick(fokus(), Qt::Key_Space);
        QVERIFY(dialog->isVisible());
        auto* zprava = najdi<QLabel>(dialog, "Zprava");
        QVERIFY(zprava->isVisible());
        QVERIFY2(zprava->text().startsWith(QStringLiteral("Draw, řádek %1:").arg(radek)),
                 qPrintable(zprava->text()));
        QCOMPARE(textyBoxu(dialog), texty);
        QCOMPARE(fokus(), boxy[2]);
        QCOMPARE(boxy[2]->textCursor().blockNumber(), radek - 1);
        dialog->close();
    });
    QTest::keyClick(&o.hlavni, Qt::Key_O, Qt::ControlModifier);
    QTRY_VERIFY(!QApplication::activeModalWidget());
    QVERIFY(o.nastaveni->vstup().empty());
    QVERIFY(o.nastaveni->panely()->panel(Udalost::Draw)->toPlainText().isEmpty());
}

// A script whose colour no colour box can hold is refused, and the tab keeps what it held.
void TestNacteniSkriptu::barvaMimoSeznam() {
    THlavni okno;
    najdi<QTabWidget>(&okno, "PageControl1")->setCurrentIndex(3);
    aktivuj(&okno);
    auto* titulky = okno.findChild<ZalozkaTitulky*>();
    generatory::VstupTitulku vstup = titulky->vstup();
    vstup.polozky = {{"Programovani", true}};
    vstup.barvaPozice = "c_orange";
    const generatory::Skript skript = generatory::GenerujTitulky(vstup);

    obsluzModalni([&](QWidget* dialog) {
        aktivuj(dialog);
        const auto boxy = dialog->findChildren<QPlainTextEdit*>();
        for (int i = 0; i < 3; ++i)
            vloz(boxy[i], textRadku(skript.radky(titulky->udalostiPanelu()[i])));
        tabulatoremNa(QStringLiteral("Nacist"));
        QTest::keyClick(fokus(), Qt::Key_Space);
        QVERIFY(dialog->isVisible());
        QVERIFY2(najdi<QLabel>(dialog, "Zprava")->text().contains(QStringLiteral("nepřevezme")),
                 qPrintable(najdi<QLabel>(dialog, "Zprava")->text()));
        dialog->close();
    });
    QTest::keyClick(&okno, Qt::Key_O, Qt::ControlModifier);
    QTRY_VERIFY(!QApplication::activeModalWidget());
    QVERIFY(titulky->vstup() == titulky->novyVstup());
    QVERIFY(titulky->panely()->panel(Udalost::Create)->toPlainText().isEmpty());
}

// A new window's forms ask no question before they are replaced.
void TestNacteniSkriptu::novaOkna() {
    THlavni okno;
    const auto nova = [](const auto* stranka) { return stranka->vstup() == stranka->novyVstup(); };
    QVERIFY(nova(okno.findChild<ZalozkaMenu*>()));
    QVERIFY(nova(okno.findChild<ZalozkaNastaveni*>()));
    QVERIFY(nova(okno.findChild<ZalozkaHighskore*>()));
    QVERIFY(nova(okno.findChild<ZalozkaTitulky*>()));
}

// A paste too long for a box stays out whole and the message line says how long it may be; one
// as long as the box takes goes in whole.
void TestNacteniSkriptu::dlouheVlozeni_data() {
    QTest::addColumn<QString>("vlozeny");
    QTest::addColumn<bool>("prijat");
    QString radky;
    while (radky.size() < 10'000'000)
        radky += QStringLiteral("draw_text(200,100,\"Polo\u017Eka\u00A0\u010D\");\n");
    QTest::addRow("ten megabytes of lines") << radky << false;
    QTest::addRow("one line of ten megabytes") << QString(10'000'000, QLatin1Char('x')) << false;
    QTest::addRow("one character over") << radky.left(NejvetsiVlozeniKodu + 1) << false;
    QTest::addRow("as long as the box takes") << radky.left(NejvetsiVlozeniKodu) << true;
}

void TestNacteniSkriptu::dlouheVlozeni() {
    QFETCH(QString, vlozeny);
    QFETCH(bool, prijat);
    Okno o;
    bool otevren = false;
    obsluzModalni([&](QWidget* dialog) {
        otevren = true;
        aktivuj(dialog);
        auto* box = najdi<QPlainTextEdit>(dialog, "VlozeniDraw");
        QTest::mouseClick(box->viewport(), Qt::LeftButton);
        QTest::keyClicks(fokus(), QStringLiteral("puvodni"));
        vloz(box, vlozeny);
        auto* zprava = najdi<QLabel>(dialog, "Zprava");
        if (prijat) {
            QCOMPARE(PresnyText(box), vlozeny);
            QVERIFY(zprava->isHidden());
        } else {
            QCOMPARE(PresnyText(box), QStringLiteral("puvodni"));
            QVERIFY(zprava->isVisible());
            const QLocale cesky(QLocale::Czech);
            QCOMPARE(zprava->text(),
                     QStringLiteral("Vložený text je pro toto pole příliš dlouhý (%1 znaků). Pole "
                                    "přijme najednou nejvýše %2 znaků; nic z vloženého textu "
                                    "nebylo vloženo.")
                         .arg(cesky.toString(vlozeny.size()), cesky.toString(NejvetsiVlozeniKodu)));
        }
        dialog->close();
    });
    QTest::keyClick(&o.hlavni, Qt::Key_O, Qt::ControlModifier);
    QTRY_VERIFY(otevren);
}

namespace {

QStringList textyUdalosti(const generatory::Skript& skript,
                          std::initializer_list<Udalost> udalosti) {
    QStringList texty;
    for (Udalost u : udalosti)
        texty << textRadku(skript.radky(u));
    return texty;
}

} // namespace

void TestNacteniSkriptu::stavPoNacteni_data() {
    QTest::addColumn<int>("zalozka");
    QTest::addColumn<QStringList>("texty");
    QTest::addColumn<QString>("tlacitko");
    QTest::addColumn<QString>("stav");

    generatory::VstupMenu menu = generatory::NoveMenu();
    menu.pocet = "3";
    menu.radky[1] = {"Moznosti", "250", "180", "room_goto(moznosti)"};
    menu.radky[2] = {"Konec", "250", "210", "game_end()"};
    QTest::addRow("Menu") << 0
                          << textyUdalosti(generatory::GenerujMenu(menu),
                                           {Udalost::Create, Udalost::Step, Udalost::Draw})
                          << "sButton1"
                          << "Načteno do záložky Menu: 3 položky";
    QTest::addRow("Nastavení") << 1
                               << textyUdalosti(generatory::GenerujNastaveni({dvePolozky[0]}),
                                                {Udalost::Create, Udalost::Step, Udalost::Draw})
                               << "sButton2"
                               << "Načteno do záložky Nastavení: 1 položka";
    std::vector<generatory::PolozkaHighskore> skore;
    for (int i = 0; i < 5; ++i)
        skore.push_back({std::to_string(i + 1), "global.nick" + std::to_string(i),
                         "global.skore" + std::to_string(i)});
    QTest::addRow("HighSkóre") << 2
                               << textyUdalosti(generatory::GenerujHighskore(skore),
                                                {Udalost::Draw})
                               << "sButton3"
                               << "Načteno do záložky HighSkóre: 5 řádků";
    generatory::VstupTitulku titulky = generatory::NoveTitulky();
    titulky.polozky = {
        {"Grafika", true}, {"Jan", false}, {"Petr", false}, {"Hudba", true}, {"Eva", false}};
    QTest::addRow("Titulky") << 3
                             << textyUdalosti(generatory::GenerujTitulky(titulky),
                                              {Udalost::Create, Udalost::Alarm0, Udalost::Draw})
                             << "sButton4"
                             << "Načteno do záložky Titulky: 2 pozice, 3 osoby";
}

// The status bar says what a read-back brought in, "Načíst" pressed with Alt+N; the tab's next
// generation leaves it empty, as any generation does.
void TestNacteniSkriptu::stavPoNacteni() {
    QFETCH(int, zalozka);
    QFETCH(QStringList, texty);
    QFETCH(QString, tlacitko);
    QFETCH(QString, stav);
    THlavni okno;
    najdi<QTabWidget>(&okno, "PageControl1")->setCurrentIndex(zalozka);
    aktivuj(&okno);
    obsluzModalni([&](QWidget* dialog) {
        aktivuj(dialog);
        const QList<QPlainTextEdit*> boxy = dialog->findChildren<QPlainTextEdit*>();
        QCOMPARE(boxy.size(), texty.size());
        for (qsizetype i = 0; i < boxy.size(); ++i)
            vloz(boxy[i], texty[i]);
        QTest::keyClick(fokus(), Qt::Key_N, Qt::AltModifier);
    });
    QTest::keyClick(&okno, Qt::Key_O, Qt::ControlModifier);
    QTRY_COMPARE(okno.statusBar()->currentMessage(), stav);

    QTest::mouseClick(najdi<QPushButton>(&okno, qPrintable(tlacitko)), Qt::LeftButton);
    QCOMPARE(okno.statusBar()->currentMessage(), QString());
    QVERIFY(najdi<QLabel>(&okno, "Panel0")->text().isEmpty());
}

QTEST_MAIN(TestNacteniSkriptu)
#include "test_nacteni_skriptu.moc"
