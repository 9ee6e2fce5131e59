#include "app/hlavni.h"
#include "app/model_highskore.h"
#include "app/model_nastaveni.h"
#include "pomocnici.h"
#include "pomocnici_nahledu.h"
#include "preview/okno_nahledu.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>

using generatory::PolozkaNastaveni;

Q_DECLARE_METATYPE(PolozkaNastaveni)
Q_DECLARE_METATYPE(Hlaseni::Druh)

namespace {

using nahled::Kresba;

// Moves the pointer over the room point with no button held, through the window as the
// system delivers it, so the widget sees the pointer enter.
void najed(QWidget* mistnost, QPointF bod) {
    QTest::mouseMove(mistnost->window()->windowHandle(),
                     mistnost->mapTo(mistnost->window(), naWidget(mistnost, bod)));
}

QString radekDraw(THlavni& okno, const char* panel, int radek) {
    return textPanelu(&okno, panel).split('\n').value(radek);
}

QString textVBarve(const QString& x, const QString& y, const QString& text, int k) {
    const QString b = QStringLiteral("barva_%1").arg(k);
    return QStringLiteral("draw_text_color(%1,%2,\"%3\",%4,%4,%4,%4,true)").arg(x, y, text, b);
}

void naZalozku(THlavni& okno, int zalozka) {
    najdi<QTabWidget>(&okno, "PageControl1")->setCurrentIndex(zalozka);
}

// Opens the preview of the active tab and waits for a drawing.
OknoNahledu* otevriNahled(THlavni& okno) {
    spustAkci(&okno, "Nahled1");
    auto* nahled = najdi<OknoNahledu>(&okno, "Nahled");
    if (!QTest::qWaitForWindowExposed(nahled))
        qFatal("the preview is not shown");
    if (!QTest::qWaitFor([nahled] { return !nahled->mistnost()->kresby().empty(); }))
        qFatal("the preview drew nothing");
    return nahled;
}

// Z with these modifiers in the preview; its keys work only while it is the active window,
// which a window manager may take back from it.
void klavesa(OknoNahledu* nahled, Qt::KeyboardModifiers modifikatory, Qt::Key k = Qt::Key_Z) {
    nahled->activateWindow();
    if (!QTest::qWaitForWindowActive(nahled))
        qFatal("the preview is not the active window");
    QTest::keyClick(najdi<QWidget>(nahled, "Mistnost"), k, modifikatory);
}

const Qt::KeyboardModifiers zpet = Qt::ControlModifier;
const Qt::KeyboardModifiers znovu = Qt::ControlModifier | Qt::ShiftModifier;

void pridejNastaveni(THlavni& okno, const std::vector<PolozkaNastaveni>& polozky) {
    for (const PolozkaNastaveni& p : polozky)
        okno.findChild<ModelNastaveni*>()->pridej(p);
}

} // namespace

class TestTazeniTextu : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void polozkaMenu();
    void polozkaNastaveni();
    void vyrazZustane_data();
    void vyrazZustane();
    void generovaniSelze_data();
    void generovaniSelze();
    void highskoreStoji();
    void textSeZlomem();
    void noveZaznamyPoTahu();
    void zmenaFormulareZahodiKroky_data();
    void zmenaFormulareZahodiKroky();
    void tahOdVykreslenehoMista();
};

// The item lands where it was dropped, in its fields, the Draw pane and the room; Ctrl+Z brings
// back the texts exactly as typed, Ctrl+Shift+Z the drop again.
void TestTazeniTextu::polozkaMenu() {
    THlavni okno;
    okno.show();
    najdi<QLineEdit>(&okno, "sEdit6")->setText(QStringLiteral("0250"));
    QTest::mouseClick(najdi<QPushButton>(&okno, "sButton1"), Qt::LeftButton);
    const QString puvodniDraw = textPanelu(&okno, "RichEdit3");
    OknoNahledu* nahled = otevriNahled(okno);
    auto* mistnost = najdi<QWidget>(nahled, "Mistnost");
    QVERIFY(!mistnost->accessibleName().isEmpty());

    const Kresba* hra = najdiKresbu(nahled, "Nova hra");
    QVERIFY(hra);
    QCOMPARE(QPointF(hra->x, hra->y), QPointF(250, 150));
    najed(mistnost, naTextu(*hra));
    QCOMPARE(mistnost->cursor().shape(), Qt::OpenHandCursor);
    najed(mistnost, {600, 20});
    QCOMPARE(mistnost->cursor().shape(), Qt::ArrowCursor);

    const QPoint posun = tahni(mistnost, naTextu(*hra), naTextu(*hra) + QPointF(-131, 97));
    const QString x = QString::number(250 + posun.x());
    const QString y = QString::number(150 + posun.y());
    QCOMPARE(najdi<QLineEdit>(&okno, "sEdit6")->text(), x);
    QCOMPARE(najdi<QLineEdit>(&okno, "sEdit7")->text(), y);
    QCOMPARE(radekDraw(okno, "RichEdit3", 0), textVBarve(x, y, "Nova hra", 1));
    hra = najdiKresbu(nahled, "Nova hra");
    QCOMPARE(QPointF(hra->x, hra->y), QPointF(x.toDouble(), y.toDouble()));

    klavesa(nahled, zpet);
    QCOMPARE(najdi<QLineEdit>(&okno, "sEdit6")->text(), QStringLiteral("0250"));
    QCOMPARE(najdi<QLineEdit>(&okno, "sEdit7")->text(), QStringLiteral("150"));
    QCOMPARE(textPanelu(&okno, "RichEdit3"), puvodniDraw);
    hra = najdiKresbu(nahled, "Nova hra");
    QCOMPARE(QPointF(hra->x, hra->y), QPointF(250, 150));

    klavesa(nahled, znovu);
    QCOMPARE(najdi<QLineEdit>(&okno, "sEdit6")->text(), x);
    QCOMPARE(najdi<QLineEdit>(&okno, "sEdit7")->text(), y);
    QCOMPARE(radekDraw(okno, "RichEdit3", 0), textVBarve(x, y, "Nova hra", 1));

    // Ctrl+Y puts a step again as well, as Windows programs do.
    klavesa(nahled, zpet);
    QCOMPARE(najdi<QLineEdit>(&okno, "sEdit6")->text(), QStringLiteral("0250"));
    klavesa(nahled, Qt::ControlModifier, Qt::Key_Y);
    QCOMPARE(najdi<QLineEdit>(&okno, "sEdit6")->text(), x);
    QCOMPARE(najdi<QLineEdit>(&okno, "sEdit7")->text(), y);
}

// A value text moves its entry as the name does: both stand on the entry's fields.
void TestTazeniTextu::polozkaNastaveni() {
    THlavni okno;
    okno.show();
    naZalozku(okno, 1);
    pridejNastaveni(okno, {{"Zvuk", "200", "150", "ano;ne", "a;b"},
                           {"Obtiznost", "200", "180", "lehka;tezka", "c;d"}});
    QTest::mouseClick(najdi<QPushButton>(&okno, "sButton2"), Qt::LeftButton);
    OknoNahledu* nahled = otevriNahled(okno);
    auto* mistnost = najdi<QWidget>(nahled, "Mistnost");
    auto* model = okno.findChild<ModelNastaveni*>();

    const Kresba* lehka = najdiKresbu(nahled, "lehka");
    QVERIFY(lehka);
    QCOMPARE(QPointF(lehka->x, lehka->y), QPointF(380, 180));
    QPoint posun = tahni(mistnost, naTextu(*lehka), naTextu(*lehka) + QPointF(40.4, 61));
    QString x = QString::number(200 + posun.x());
    QString y = QString::number(180 + posun.y());
    QCOMPARE(model->polozky()[1].PoziceX, x.toStdString());
    QCOMPARE(model->polozky()[1].PoziceY, y.toStdString());
    QCOMPARE(model->polozky()[0].PoziceX, std::string("200"));
    QCOMPARE(radekDraw(okno, "RichEdit6", 2), textVBarve(x, y, "Obtiznost", 2));
    QCOMPARE(radekDraw(okno, "RichEdit6", 11),
             textVBarve(QString::number(x.toInt() + 180), y, "lehka", 2));
    lehka = najdiKresbu(nahled, "lehka");
    QCOMPARE(QPointF(lehka->x, lehka->y), QPointF(x.toInt() + 180, y.toInt()));

    const Kresba* zvuk = najdiKresbu(nahled, "Zvuk");
    posun = tahni(mistnost, naTextu(*zvuk), naTextu(*zvuk) + QPointF(-150, 250));
    QCOMPARE(model->polozky()[0].PoziceX, std::to_string(200 + posun.x()));
    QCOMPARE(model->polozky()[0].PoziceY, std::to_string(150 + posun.y()));

    klavesa(nahled, zpet);
    klavesa(nahled, zpet);
    QCOMPARE(model->polozky()[0].PoziceX + model->polozky()[0].PoziceY, std::string("200150"));
    QCOMPARE(model->polozky()[1].PoziceX + model->polozky()[1].PoziceY, std::string("200180"));
    QCOMPARE(radekDraw(okno, "RichEdit6", 11), textVBarve("380", "180", "lehka", 2));
    klavesa(nahled, znovu);
    QCOMPARE(model->polozky()[1].PoziceX, x.toStdString());
}

void TestTazeniTextu::vyrazZustane_data() {
    QTest::addColumn<QString>("x");
    QTest::addColumn<QString>("y");
    QTest::addColumn<QString>("zprava");

    QTest::addRow("room expression") << "room_width/2"
                                     << "150"
                                     << "x „room_width/2“";
    QTest::addRow("sum") << "250+0"
                         << "150"
                         << "x „250+0“";
    QTest::addRow("hex") << "$FA"
                         << "150"
                         << "x „$FA“";
    QTest::addRow("leading blank") << " 250"
                                   << "150"
                                   << "x „ 250“";
    QTest::addRow("y expression") << "250"
                                  << "100+50"
                                  << "y „100+50“";
}

// A text placed by the author's expression does not take the hand, says why when pressed, and
// its fields keep exactly what was typed.
void TestTazeniTextu::vyrazZustane() {
    QFETCH(QString, x);
    QFETCH(QString, y);
    QFETCH(QString, zprava);
    THlavni okno;
    okno.show();
    najdi<QLineEdit>(&okno, "sEdit6")->setText(x);
    najdi<QLineEdit>(&okno, "sEdit7")->setText(y);
    QTest::mouseClick(najdi<QPushButton>(&okno, "sButton1"), Qt::LeftButton);
    const QString draw = textPanelu(&okno, "RichEdit3");
    OknoNahledu* nahled = otevriNahled(okno);
    auto* mistnost = najdi<QWidget>(nahled, "Mistnost");
    const Kresba* hra = najdiKresbu(nahled, "Nova hra");
    QVERIFY(hra);
    const QPointF kde(hra->x, hra->y);

    najed(mistnost, naTextu(*hra));
    QCOMPARE(mistnost->cursor().shape(), Qt::ArrowCursor);
    tahni(mistnost, naTextu(*hra), naTextu(*hra) + QPointF(60, 60));
    klavesa(nahled, zpet);
    klavesa(nahled, znovu);

    QCOMPARE(najdi<QLineEdit>(&okno, "sEdit6")->text(), x);
    QCOMPARE(najdi<QLineEdit>(&okno, "sEdit7")->text(), y);
    QCOMPARE(textPanelu(&okno, "RichEdit3"), draw);
    QCOMPARE(zpravy(nahled).filter("Tento text nelze přetáhnout: pozice " + zprava).size(), 1);
    hra = najdiKresbu(nahled, "Nova hra");
    QCOMPARE(QPointF(hra->x, hra->y), kde);
}

void TestTazeniTextu::generovaniSelze_data() {
    QTest::addColumn<PolozkaNastaveni>("druha");
    QTest::addColumn<Hlaseni::Druh>("hlaseni");
    QTest::addColumn<QString>("text");

    QTest::addRow("second x no number")
        << PolozkaNastaveni{"Hudba", "abc", "180", "ano;ne", "c;d"} << Hlaseni::Druh::Chyba
        << "''abc'' is not a valid integer value.";
    QTest::addRow("second entry without action")
        << PolozkaNastaveni{"Hudba", "200", "180", "ano;ne", ""} << Hlaseni::Druh::Odmitnuti
        << "Položka č. 2 „Hudba“ nemá žádnou akci!";
}

// The drop stays in the fields even when the generation it starts fails, the failure shows as
// for the button, and Ctrl+Z still takes the drop back.
void TestTazeniTextu::generovaniSelze() {
    QFETCH(PolozkaNastaveni, druha);
    QFETCH(Hlaseni::Druh, hlaseni);
    QFETCH(QString, text);
    THlavni okno;
    okno.show();
    naZalozku(okno, 1);
    pridejNastaveni(okno, {{"Zvuk", "200", "150", "ano;ne", "a;b"}});
    QTest::mouseClick(najdi<QPushButton>(&okno, "sButton2"), Qt::LeftButton);
    auto* model = okno.findChild<ModelNastaveni*>();
    model->pridej(druha);
    OknoNahledu* nahled = otevriNahled(okno);
    auto* mistnost = najdi<QWidget>(nahled, "Mistnost");
    const Kresba* zvuk = najdiKresbu(nahled, "Zvuk");
    QVERIFY(zvuk);

    ZachyceniHlaseni zachyceni;
    const QPoint posun = tahni(mistnost, naTextu(*zvuk), naTextu(*zvuk) + QPointF(30, 30));
    QCOMPARE(model->polozky()[0].PoziceX, std::to_string(200 + posun.x()));
    QCOMPARE(model->polozky()[0].PoziceY, std::to_string(150 + posun.y()));
    QCOMPARE(zachyceni.zpravy.size(), 1u);
    QCOMPARE(zachyceni.zpravy[0], std::pair(hlaseni, text));

    klavesa(nahled, zpet);
    QCOMPARE(model->polozky()[0].PoziceX + model->polozky()[0].PoziceY, std::string("200150"));
    QCOMPARE(model->polozky()[1], druha);
}

// Highscore texts stand where formulas put them: the hand does not take them.
void TestTazeniTextu::highskoreStoji() {
    THlavni okno;
    okno.show();
    naZalozku(okno, 2);
    okno.findChild<ModelHighskore*>()->pridej({"", "\"Petr\"", "100"});
    QTest::mouseClick(najdi<QPushButton>(&okno, "sButton3"), Qt::LeftButton);
    const QString draw = textPanelu(&okno, "RichEdit9");
    OknoNahledu* nahled = otevriNahled(okno);
    auto* mistnost = najdi<QWidget>(nahled, "Mistnost");
    const Kresba* petr = najdiKresbu(nahled, "Petr");
    QVERIFY(petr);
    const QPointF kde(petr->x, petr->y);

    najed(mistnost, naTextu(*petr));
    QCOMPARE(mistnost->cursor().shape(), Qt::ArrowCursor);
    tahni(mistnost, naTextu(*petr), naTextu(*petr) + QPointF(80, 80));
    QCOMPARE(textPanelu(&okno, "RichEdit9"), draw);
    QCOMPARE(zpravy(nahled), QStringList{});
    petr = najdiKresbu(nahled, "Petr");
    QCOMPARE(QPointF(petr->x, petr->y), kde);
}

// A text holding a line break spans two lines of the Draw pane; it and every text after it are
// still taken by the fields that placed them.
void TestTazeniTextu::textSeZlomem() {
    THlavni okno;
    okno.show();
    najdi<QLineEdit>(&okno, "sEdit1")->setText(QStringLiteral("Nova\nhra"));
    najdi<QLineEdit>(&okno, "sEdit2")->setText(QStringLiteral("Konec"));
    najdi<QLineEdit>(&okno, "sEdit3")->setText(QStringLiteral("Volby"));
    najdi<QLineEdit>(&okno, "sEdit14")->setText(QStringLiteral("200+10"));
    QTest::mouseClick(najdi<QPushButton>(&okno, "sButton1"), Qt::LeftButton);
    OknoNahledu* nahled = otevriNahled(okno);
    auto* mistnost = najdi<QWidget>(nahled, "Mistnost");

    const struct {
        const char* text;
        const char* x;
        const char* y;
    } tazene[] = {{"Konec", "sEdit9", "sEdit13"}, {"Nova\nhra", "sEdit6", "sEdit7"}};
    for (const auto& t : tazene) {
        const Kresba* k = najdiKresbu(nahled, t.text);
        QVERIFY(k);
        const QPointF kde(k->x, k->y);
        const QPoint posun = tahni(mistnost, naTextu(*k), naTextu(*k) + QPointF(40, 25));
        QCOMPARE(najdi<QLineEdit>(&okno, t.x)->text(), QString::number(kde.x() + posun.x()));
        QCOMPARE(najdi<QLineEdit>(&okno, t.y)->text(), QString::number(kde.y() + posun.y()));
    }

    const Kresba* volby = najdiKresbu(nahled, "Volby");
    QVERIFY(volby);
    tahni(mistnost, naTextu(*volby), naTextu(*volby) + QPointF(40, 25));
    QCOMPARE(zpravy(nahled).filter(QStringLiteral("pozice y „200+10“")).size(), 1);
    QCOMPARE(najdi<QLineEdit>(&okno, "sEdit14")->text(), QStringLiteral("200+10"));
}

// Entries replaced after a drag are not the dragged one: Ctrl+Z leaves them and says why.
void TestTazeniTextu::noveZaznamyPoTahu() {
    THlavni okno;
    okno.show();
    naZalozku(okno, 1);
    pridejNastaveni(okno, {{"Zvuk", "200", "150", "ano;ne", "a;b"},
                           {"Hudba", "200", "180", "ano;ne", "a;b"},
                           {"Obtiznost", "200", "210", "lehka;tezka", "c;d"}});
    QTest::mouseClick(najdi<QPushButton>(&okno, "sButton2"), Qt::LeftButton);
    OknoNahledu* nahled = otevriNahled(okno);
    auto* mistnost = najdi<QWidget>(nahled, "Mistnost");
    const Kresba* obtiznost = najdiKresbu(nahled, "Obtiznost");
    QVERIFY(obtiznost);
    tahni(mistnost, naTextu(*obtiznost), naTextu(*obtiznost) + QPointF(20, 67));
    auto* model = okno.findChild<ModelNastaveni*>();
    QVERIFY(model->polozky()[2].PoziceY != "210");

    spustAkci(&okno, "Smazatpoloky1");
    const std::vector<PolozkaNastaveni> nove{{"A", "100", "150", "x;y", "a;b"},
                                             {"B", "100", "180", "x;y", "a;b"},
                                             {"C", "100", "210", "x;y", "a;b"}};
    pridejNastaveni(okno, nove);
    QTest::mouseClick(najdi<QPushButton>(&okno, "sButton2"), Qt::LeftButton);
    const QString draw = textPanelu(&okno, "RichEdit6");
    klavesa(nahled, zpet);
    klavesa(nahled, znovu);
    QCOMPARE(model->polozky(), nove);
    QCOMPARE(textPanelu(&okno, "RichEdit6"), draw);
    QCOMPARE(zpravy(nahled).filter(QStringLiteral("Kroky zpět byly zahozeny")).size(), 1);
}

void TestTazeniTextu::zmenaFormulareZahodiKroky_data() {
    QTest::addColumn<int>("zmena");
    QTest::addRow("typed into another field") << 0;
    QTest::addRow("generated") << 1;
    QTest::addRow("Draw pane cleared") << 2;
    QTest::addRow("item count picked") << 3;
}

// Whatever changes the form after a drag, its step no longer holds, not even for the text it
// moved: the fields keep what they hold.
void TestTazeniTextu::zmenaFormulareZahodiKroky() {
    QFETCH(int, zmena);
    THlavni okno;
    okno.show();
    QTest::mouseClick(najdi<QPushButton>(&okno, "sButton1"), Qt::LeftButton);
    OknoNahledu* nahled = otevriNahled(okno);
    const Kresba* hra = najdiKresbu(nahled, "Nova hra");
    const QPoint posun =
        tahni(najdi<QWidget>(nahled, "Mistnost"), naTextu(*hra), naTextu(*hra) + QPointF(50, 40));
    const QString x = QString::number(250 + posun.x());
    const QString y = QString::number(150 + posun.y());

    switch (zmena) {
    case 0:
        QTest::keyClicks(najdi<QLineEdit>(&okno, "sEdit8"), QStringLiteral("x"));
        break;
    case 1:
        QTest::mouseClick(najdi<QPushButton>(&okno, "sButton1"), Qt::LeftButton);
        break;
    case 2:
        spustAkci(&okno, "Smazatve3");
        break;
    default:
        vyberZeSeznamu(najdi<QComboBox>(&okno, "sComboBox1"), QStringLiteral("4"));
    }
    klavesa(nahled, zpet);
    klavesa(nahled, znovu);
    QCOMPARE(najdi<QLineEdit>(&okno, "sEdit6")->text(), x);
    QCOMPARE(najdi<QLineEdit>(&okno, "sEdit7")->text(), y);
    QCOMPARE(zpravy(nahled).filter(QStringLiteral("Kroky zpět byly zahozeny")).size(), 1);
}

// A field edited since the panes were generated does not move the text the room shows: the drop
// writes where it was drawn plus the distance, a click writes nothing, and Ctrl+Z brings back
// the edited text.
void TestTazeniTextu::tahOdVykreslenehoMista() {
    THlavni okno;
    okno.show();
    QTest::mouseClick(najdi<QPushButton>(&okno, "sButton1"), Qt::LeftButton);
    OknoNahledu* nahled = otevriNahled(okno);
    auto* mistnost = najdi<QWidget>(nahled, "Mistnost");
    auto* y = najdi<QLineEdit>(&okno, "sEdit7");
    y->selectAll();
    QTest::keyClicks(y, QStringLiteral("400"));

    const Kresba* hra = najdiKresbu(nahled, "Nova hra");
    QTest::mouseClick(mistnost, Qt::LeftButton, {}, naWidget(mistnost, naTextu(*hra)));
    QCOMPARE(y->text(), QStringLiteral("400"));

    const QPoint posun = tahni(mistnost, naTextu(*hra), naTextu(*hra) + QPointF(20, 20));
    QCOMPARE(najdi<QLineEdit>(&okno, "sEdit6")->text(), QString::number(250 + posun.x()));
    QCOMPARE(y->text(), QString::number(150 + posun.y()));
    hra = najdiKresbu(nahled, "Nova hra");
    QCOMPARE(QPointF(hra->x, hra->y), QPointF(250 + posun.x(), 150 + posun.y()));

    klavesa(nahled, zpet);
    QCOMPARE(y->text(), QStringLiteral("400"));
    QCOMPARE(najdi<QLineEdit>(&okno, "sEdit6")->text(), QStringLiteral("250"));
}

QTEST_MAIN(TestTazeniTextu)
#include "test_tazeni_textu.moc"
