#include "app/hlavni.h"
#include "pomocnici.h"
#include "ui/zvyraznovac.h"

#include <QClipboard>
#include <QPushButton>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

using Druh = Zvyraznovac::Druh;
Q_DECLARE_METATYPE(Druh)

namespace {

// The kind the highlighter gave the first occurrence of `slovo` on line `radek`.
Druh druhNa(const QTextDocument& dokument, int radek, const QString& slovo) {
    const QTextBlock blok = dokument.findBlockByNumber(radek);
    const int od = blok.text().indexOf(slovo);
    if (od < 0)
        qFatal("no %s on line %d", qPrintable(slovo), radek);
    for (const QTextLayout::FormatRange& r : blok.layout()->formats()) {
        if (r.start > od || r.start + r.length < od + slovo.size())
            continue;
        for (Druh d : {Druh::Klicove, Druh::Cislo, Druh::Text, Druh::Komentar, Druh::Funkce,
                       Druh::Konstanta})
            if (r.format == Zvyraznovac::formatDruhu(d))
                return d;
    }
    return Druh::Obycejny;
}

} // namespace

class TestZvyraznovac : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void druhy_data();
    void druhy();
    void panelyZustavajiTextem();
};

void TestZvyraznovac::druhy_data() {
    QTest::addColumn<int>("radek");
    QTest::addColumn<QString>("slovo");
    QTest::addColumn<Druh>("druh");
    QTest::addRow("klíčové slovo") << 0 << "if" << Druh::Klicove;
    QTest::addRow("vestavěná funkce") << 0 << "keyboard_check_pressed" << Druh::Funkce;
    QTest::addRow("klávesa") << 0 << "vk_down" << Druh::Konstanta;
    QTest::addRow("číslo") << 1 << "250" << Druh::Cislo;
    QTest::addRow("text i s mezerou") << 1 << "\"Nova hra\"" << Druh::Text;
    QTest::addRow("proměnná") << 1 << "barva_1" << Druh::Obycejny;
    QTest::addRow("barva") << 1 << "c_dkgray" << Druh::Konstanta;
    QTest::addRow("řádkový komentář") << 2 << "//---" << Druh::Komentar;
    QTest::addRow("global") << 3 << "global" << Druh::Klicove;
    QTest::addRow("jméno za global") << 3 << "m_vybrany" << Druh::Obycejny;
    QTest::addRow("velká písmena") << 3 << "MCI_command" << Druh::Funkce;
    QTest::addRow("začátek víceřádkového komentáře") << 3 << "/* a" << Druh::Komentar;
    QTest::addRow("uvnitř komentáře") << 4 << "if" << Druh::Komentar;
    QTest::addRow("za komentářem") << 4 << "b" << Druh::Obycejny;
    QTest::addRow("za komentářem číslo") << 4 << "7" << Druh::Cislo;
}

void TestZvyraznovac::druhy() {
    QFETCH(int, radek);
    QFETCH(QString, slovo);
    QFETCH(Druh, druh);
    QTextDocument dokument(QStringLiteral(
        "if(keyboard_check_pressed(vk_down)){\n"
        "draw_text_color(250,150,\"Nova hra\",barva_1,c_dkgray,barva_1,barva_1,true)\n"
        "//---------------------------------------------------------\n"
        "global.m_vybrany = MCI_command() /* a\n"
        "if */ b = 7"));
    Zvyraznovac zvyraznovac(&dokument);
    zvyraznovac.rehighlight();
    QCOMPARE(druhNa(dokument, radek, slovo), druh);
}

// Every pane is highlighted, stays read-only, and copying gives the plain text.
void TestZvyraznovac::panelyZustavajiTextem() {
    THlavni okno;
    QTest::mouseClick(najdi<QPushButton>(&okno, "sButton1"), Qt::LeftButton);
    for (QPlainTextEdit* panel : okno.findChildren<QPlainTextEdit*>()) {
        QVERIFY2(panel->document()->findChild<Zvyraznovac*>(), qPrintable(panel->objectName()));
        QVERIFY(panel->isReadOnly());
    }
    auto* step = najdi<QPlainTextEdit>(&okno, "RichEdit2");
    step->selectAll();
    step->copy();
    QCOMPARE(QGuiApplication::clipboard()->text(), step->toPlainText());
    QVERIFY(step->toPlainText().startsWith("if(keyboard_check_pressed(vk_down)){\n"));
}

QTEST_MAIN(TestZvyraznovac)
#include "test_zvyraznovac.moc"
