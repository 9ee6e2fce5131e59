#include "app/hlavni.h"
#include "app/napoveda.h"
#include "dialogs/dialog_highskore.h"
#include "dialogs/dialog_nastaveni.h"
#include "dialogs/dialog_osoby.h"
#include "dialogs/dialog_pozice.h"
#include "na_displeji.h"
#include "pomocnici.h"

#include <QCheckBox>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>

#include <functional>
#include <memory>
#include <set>

// The program on the screen it runs on, small or large, scaled or not (CTest runs this at each
// screen size and scale): Tab never lands on a control that cannot be seen, and every window
// opens with its frame and its buttons on the screen.

namespace {

QString kdo(const QWidget* prvek) {
    return QStringLiteral("%1 (%2) in %3")
        .arg(prvek->objectName(), QString::fromLatin1(prvek->metaObject()->className()),
             prvek->window()->objectName());
}

// What can be seen of the control: its place on the screen, cut by every widget it lies in and
// by the screen.
QRect viditelnaCast(const QWidget* prvek) {
    QRect cast(prvek->mapToGlobal(QPoint()), prvek->size());
    for (const QWidget* w = prvek->parentWidget(); w; w = w->parentWidget())
        cast &= QRect(w->mapToGlobal(QPoint()), w->size());
    return cast & prvek->screen()->geometry();
}

// All of the control, or where it is larger than what holds it, its top left corner and as
// much of it as there is room for.
void overVidet(const QWidget* prvek) {
    QVERIFY2(prvek->isVisible(), qPrintable(kdo(prvek)));
    const QRect cela(prvek->mapToGlobal(QPoint()), prvek->size());
    const QRect cast = viditelnaCast(prvek);
    QVERIFY2(cast.topLeft() == cela.topLeft(), qPrintable(kdo(prvek)));
    if (cast.size() == cela.size())
        return;
    // Cut only where the area holding it is smaller than the control itself.
    const QWidget* oblast = prvek->parentWidget();
    while (oblast && QRect(oblast->mapToGlobal(QPoint()), oblast->size()).contains(cela))
        oblast = oblast->parentWidget();
    QVERIFY2(oblast, qPrintable(kdo(prvek)));
    const QRect drzi =
        QRect(oblast->mapToGlobal(QPoint()), oblast->size()) & prvek->screen()->geometry();
    QVERIFY2(cast.size() == cela.size().boundedTo(drzi.size()), qPrintable(kdo(prvek)));
}

// The window with the frame the window manager put around it, as the manager announces it (Qt
// may have read the frame before it was there and keep that reading), in the screen's pixels;
// nothing while there is no frame yet.
QRectF sRamem(QWidget* okno) {
    QProcess xprop;
    xprop.start(QStringLiteral("xprop"), {QStringLiteral("-id"), QString::number(okno->winId()),
                                          QStringLiteral("_NET_FRAME_EXTENTS")});
    xprop.waitForFinished();
    // "_NET_FRAME_EXTENTS(CARDINAL) = 1, 1, 20, 1": left, right, top, bottom.
    const QStringList cisla = QString::fromLatin1(xprop.readAllStandardOutput())
                                  .section(QLatin1Char('='), 1)
                                  .split(QLatin1Char(','));
    if (cisla.size() != 4)
        return {};
    const qreal pomer = okno->devicePixelRatioF();
    const QRectF okenko(QPointF(okno->geometry().topLeft()) * pomer,
                        QSizeF(okno->geometry().size()) * pomer);
    return okenko.adjusted(-cisla[0].toInt(), -cisla[2].toInt(), cisla[1].toInt(),
                           cisla[3].toInt());
}

// The window's frame and title bar within the screen's free area, and every button it shows
// there whole.
void overOkno(QWidget* okno) {
    QVERIFY(QTest::qWaitForWindowExposed(okno));
    const QRect volno = okno->screen()->availableGeometry();
    const qreal pomer = okno->devicePixelRatioF();
    // Qt rounds a scaled window's place to whole points: one point is given either way.
    const QRectF volnoVPixelech =
        QRectF(QPointF(volno.topLeft()) * pomer, QSizeF(volno.size()) * pomer)
            .adjusted(-pomer, -pomer, pomer, pomer);
    QRectF ram;
    // The window manager frames and places a window in more than one step, slowly on a busy
    // machine.
    QTRY_VERIFY2_WITH_TIMEOUT(!(ram = sRamem(okno)).isEmpty() && volnoVPixelech.contains(ram),
                              qPrintable(QStringLiteral("%1: frame %2,%3 %4×%5 on %6×%7 pixels")
                                             .arg(okno->objectName())
                                             .arg(ram.x())
                                             .arg(ram.y())
                                             .arg(ram.width())
                                             .arg(ram.height())
                                             .arg(volnoVPixelech.width())
                                             .arg(volnoVPixelech.height())),
                              20000);
    for (const QPushButton* tlacitko : okno->findChildren<QPushButton*>())
        if (tlacitko->isVisible())
            QTRY_VERIFY2(viditelnaCast(tlacitko) ==
                             QRect(tlacitko->mapToGlobal(QPoint()), tlacitko->size()),
                         qPrintable(kdo(tlacitko)));
}

// Opens a modal window as `otevri` says, checks it and closes it as `zavri` says.
void overModalni(const std::function<void()>& otevri, const std::function<void(QWidget*)>& zavri) {
    bool overeno = false;
    obsluzModalni([&](QWidget* okno) {
        overOkno(okno);
        overeno = true;
        zavri(okno);
    });
    otevri();
    QVERIFY(overeno);
}

void ukazHlavni(THlavni& okno) {
    okno.showMaximized();
    aktivuj(&okno);
    QTRY_VERIFY(okno.windowState() & Qt::WindowMaximized);
}

} // namespace

class TestObrazovka : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void tabulatoremPoZalozkach();
    void okna_data();
    void okna();
};

// Tab walks the whole window on each tab, round to where it started; a check box met on the way
// is switched on with Space, so that what it shows is walked too.
void TestObrazovka::tabulatoremPoZalozkach() {
    THlavni okno;
    ukazHlavni(okno);
    auto* zalozky = najdi<QTabWidget>(&okno, "PageControl1");
    for (int zalozka = 0; zalozka < zalozky->count(); ++zalozka) {
        if (zalozka > 0)
            QTest::keyClick(fokus(), Qt::Key_PageDown, Qt::ControlModifier);
        QTRY_COMPARE(zalozky->currentIndex(), zalozka);
        QWidget* stranka = zalozky->currentWidget();
        std::set<const QWidget*> navstivene;
        QWidget* prvni = nullptr;
        for (int stisk = 0; stisk < 100 && (stisk < 2 || fokus() != prvni); ++stisk) {
            QTest::keyClick(fokus(), Qt::Key_Tab);
            QWidget* w = fokus();
            if (!prvni)
                prvni = w;
            overVidet(w);
            if (QTest::currentTestFailed())
                return;
            if (auto* zaskrtavatko = qobject_cast<QCheckBox*>(w);
                zaskrtavatko && !zaskrtavatko->isChecked())
                QTest::keyClick(zaskrtavatko, Qt::Key_Space);
            if (stranka->isAncestorOf(w))
                navstivene.insert(w);
        }
        QCOMPARE(fokus(), prvni);
        // The walk went through the page, not only round the window around it.
        QVERIFY2(navstivene.size() >= 3, qPrintable(zalozky->tabText(zalozka)));
    }
}

void TestObrazovka::okna_data() {
    QTest::addColumn<QString>("okno");
    for (const char* okno : {"nacteni", "nahled", "hlaseni", "nastaveni", "highskore", "pozice",
                             "osoba", "o programu"})
        QTest::addRow("%s", okno) << QString::fromLatin1(okno);
}

// Each window and dialog of ours, opened over the maximised main window.
void TestObrazovka::okna() {
    QFETCH(QString, okno);
    THlavni hlavni;
    ukazHlavni(hlavni);
    if (okno == QLatin1String("nacteni")) {
        overModalni([] { QTest::keyClick(fokus(), Qt::Key_O, Qt::ControlModifier); },
                    [](QWidget* dialog) {
                        QTest::mouseClick(najdi<QPushButton>(dialog, "Zrusit"), Qt::LeftButton);
                    });
        return;
    }
    if (okno == QLatin1String("hlaseni")) {
        // A letter in the count box is refused with an error box.
        overModalni(
            [] {
                tabulatoremNa(QStringLiteral("sComboBox1"));
                QTest::keyClick(fokus(), Qt::Key_A);
            },
            [](QWidget* hlaseni) { QTest::keyClick(hlaseni, Qt::Key_Return); });
        return;
    }
    if (okno == QLatin1String("nahled")) {
        QTest::keyClick(fokus(), Qt::Key_F5);
        QWidget* nahled = najdi<QWidget>(&hlavni, "Nahled");
        overOkno(nahled);
        nahled->close();
        return;
    }
    std::unique_ptr<QDialog> dialog;
    if (okno == QLatin1String("nastaveni"))
        dialog = std::make_unique<TNastaveni>(std::nullopt, 0, &hlavni);
    else if (okno == QLatin1String("highskore"))
        dialog = std::make_unique<THighskore>(std::nullopt, 0, &hlavni);
    else if (okno == QLatin1String("pozice"))
        dialog = std::make_unique<TPozice>([](const QString&) { return false; }, &hlavni);
    else if (okno == QLatin1String("osoba"))
        dialog = std::make_unique<TPridatOS>(&hlavni);
    else
        dialog = std::make_unique<TNapoveda>(&hlavni);
    dialog->show();
    overOkno(dialog.get());
}

QTEST_MAIN(TestObrazovka)
#include "test_obrazovka.moc"
