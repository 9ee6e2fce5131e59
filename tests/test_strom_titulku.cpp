#include "app/hlavni.h"
#include "pomocnici.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>

namespace {

QTreeWidget* strom(QObject* okno) {
    return najdi<QTreeWidget>(okno, "TreeView1");
}

struct VysledekDialogu {
    bool otevren = false;
    bool zustalOtevren = false; // after "Přidat"
    QString textPole;
};

// Runs a menu command; when it opens a dialog, types the text, presses "Přidat" and closes the
// dialog with "Zrušit" if it is still open.
VysledekDialogu pridej(QObject* okno, const char* akce, const QString& text) {
    VysledekDialogu vysledek;
    QTimer hlidac;
    hlidac.setInterval(10);
    QObject::connect(&hlidac, &QTimer::timeout, &hlidac, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        hlidac.stop();
        vysledek.otevren = true;
        najdi<QLineEdit>(dialog, "sEdit1")->setText(text);
        QTest::mouseClick(najdi<QPushButton>(dialog, "sButton1"), Qt::LeftButton);
        vysledek.zustalOtevren = dialog->isVisible();
        vysledek.textPole = najdi<QLineEdit>(dialog, "sEdit1")->text();
        if (dialog->isVisible())
            QTest::mouseClick(najdi<QPushButton>(dialog, "sButton2"), Qt::LeftButton);
    });
    hlidac.start();
    spustAkci(okno, akce);
    return vysledek;
}

QStringList obsahStromu(QTreeWidget* s) {
    QStringList uzly;
    for (int i = 0; i < s->topLevelItemCount(); ++i) {
        uzly << s->topLevelItem(i)->text(0);
        for (int j = 0; j < s->topLevelItem(i)->childCount(); ++j)
            uzly << QStringLiteral("  ") + s->topLevelItem(i)->child(j)->text(0);
    }
    return uzly;
}

} // namespace

class TestStromTitulku : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void dialogy();
    void pridatPozici_jedinecnost();
    void pridatOsobu_odmitnuti();
    void pridatOsobu_doVybranePozice();
    void prejmenovaniNaMiste();
};

void TestStromTitulku::dialogy() {
    THlavni okno;
    ZachyceniHlaseni hlaseni;
    strom(&okno)->addTopLevelItem(new QTreeWidgetItem(QStringList{"P"}));
    strom(&okno)->topLevelItem(0)->setSelected(true);

    struct Ocekavani {
        const char* akce;
        QString titulek, text, popisek;
        QSize velikost;
    };
    for (const Ocekavani& o :
         {Ocekavani{
              "Pidatpozici1", "Přidat pozici", "Programovani", "Zadejte název pozice:", {308, 113}},
          Ocekavani{"Pidatosobu1", "Přidat osobu", "", "Zadejte jméno osoby:", {322, 125}}}) {
        bool otevren = false;
        obsluzModalni([&](QWidget* dialog) {
            otevren = true;
            QCOMPARE(dialog->windowTitle(), o.titulek);
            // The design's size, wider only where the fonts make its label longer.
            QVERIFY(dialog->size().expandedTo(o.velikost) == dialog->size());
            QCOMPARE(dialog->height(), o.velikost.height());
            QCOMPARE(dialog->minimumSize(), dialog->maximumSize());
            QCOMPARE(najdi<QLabel>(dialog, "sLabel1")->text(), o.popisek);
            auto* pole = najdi<QLineEdit>(dialog, "sEdit1");
            QCOMPARE(pole->text(), o.text);
            pole->setText(QStringLiteral("X"));
            for (Qt::Key klavesa : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
                QTest::keyClick(pole, klavesa);
            QVERIFY(dialog->isVisible());
            QTest::mouseClick(najdi<QPushButton>(dialog, "sButton2"), Qt::LeftButton);
        });
        spustAkci(&okno, o.akce);
        QVERIFY(otevren);
        QCOMPARE(obsahStromu(strom(&okno)), QStringList{"P"});
    }
    QVERIFY(hlaseni.zpravy.empty());
}

void TestStromTitulku::pridatPozici_jedinecnost() {
    THlavni okno;
    ZachyceniHlaseni hlaseni;
    QTreeWidget* s = strom(&okno);

    QVERIFY(!pridej(&okno, "Pidatpozici1", QString()).zustalOtevren);
    QVERIFY(!pridej(&okno, "Pidatpozici1", QStringLiteral("Grafika")).zustalOtevren);
    QVERIFY(!pridej(&okno, "Pidatpozici1", QStringLiteral("grafika")).zustalOtevren);
    QVERIFY(hlaseni.zpravy.empty());
    s->topLevelItem(1)->setSelected(true);
    QVERIFY(!pridej(&okno, "Pidatosobu1", QStringLiteral("Jana")).zustalOtevren);

    for (const QString& text : {QString(), QStringLiteral("Grafika"), QStringLiteral("Jana")}) {
        const VysledekDialogu v = pridej(&okno, "Pidatpozici1", text);
        QVERIFY(v.zustalOtevren);
        QCOMPARE(v.textPole, text);
        QCOMPARE(hlaseni.zpravy.back().second, QStringLiteral("Tato pozice už existuje!"));
        QCOMPARE(hlaseni.zpravy.back().first, Hlaseni::Druh::Odmitnuti);
    }
    QCOMPARE(hlaseni.zpravy.size(), std::size_t(3));
    QCOMPARE(obsahStromu(s), (QStringList{"", "Grafika", "  Jana", "grafika"}));
    QCOMPARE(s->selectedItems(), QList<QTreeWidgetItem*>{s->topLevelItem(1)});
}

void TestStromTitulku::pridatOsobu_odmitnuti() {
    THlavni okno;
    ZachyceniHlaseni hlaseni;
    QTreeWidget* s = strom(&okno);

    QVERIFY(!pridej(&okno, "Pidatosobu1", QStringLiteral("A")).otevren);
    QVERIFY(!pridej(&okno, "Pidatpozici1", QStringLiteral("P")).zustalOtevren);
    QVERIFY(s->selectedItems().isEmpty());
    QVERIFY(!pridej(&okno, "Pidatosobu1", QStringLiteral("A")).otevren);
    s->topLevelItem(0)->setSelected(true);
    QVERIFY(pridej(&okno, "Pidatosobu1", QStringLiteral("A")).otevren);
    s->setCurrentItem(s->topLevelItem(0)->child(0));
    QVERIFY(!okno.JePozice(s->topLevelItem(0)->child(0)));
    QVERIFY(!pridej(&okno, "Pidatosobu1", QStringLiteral("B")).otevren);

    QStringList zpravy;
    for (const auto& [druh, text] : hlaseni.zpravy) {
        QCOMPARE(druh, Hlaseni::Druh::Odmitnuti);
        zpravy << text;
    }
    QCOMPARE(zpravy, (QStringList{"Není vytvořená žádná pozice!", "Není vybraná žádná pozice!",
                                  "Musíte vybrat pozici!"}));
    QCOMPARE(obsahStromu(s), (QStringList{"P", "  A"}));
}

void TestStromTitulku::pridatOsobu_doVybranePozice() {
    THlavni okno;
    ZachyceniHlaseni hlaseni;
    najdi<QTabWidget>(&okno, "PageControl1")->setCurrentIndex(3);
    okno.show();
    QVERIFY(QTest::qWaitForWindowExposed(&okno));
    QTreeWidget* s = strom(&okno);
    for (const char* text : {"Programovani", "Grafika"})
        pridej(&okno, "Pidatpozici1", QString::fromLatin1(text));
    QTest::mouseClick(s->viewport(), Qt::LeftButton, {},
                      s->visualItemRect(s->topLevelItem(0)).center());
    QCOMPARE(s->selectedItems(), QList<QTreeWidgetItem*>{s->topLevelItem(0)});

    const QPoint grafika = s->visualItemRect(s->topLevelItem(1)).center();
    QTest::mouseClick(s->viewport(), Qt::RightButton, {}, grafika);
    QContextMenuEvent menu(QContextMenuEvent::Mouse, grafika, s->viewport()->mapToGlobal(grafika));
    QApplication::sendEvent(s->viewport(), &menu);
    auto* popup = najdi<QMenu>(&okno, "PopupMenu6");
    QVERIFY(popup->isVisible());
    popup->close();
    QCOMPARE(s->selectedItems(), QList<QTreeWidgetItem*>{s->topLevelItem(0)});

    for (const char* text : {"A", "", "A"})
        QVERIFY(pridej(&okno, "Pidatosobu1", QString::fromLatin1(text)).otevren);
    QCOMPARE(obsahStromu(s), (QStringList{"Programovani", "  A", "  ", "  A", "Grafika"}));
    QVERIFY(s->topLevelItem(0)->isExpanded());
    QCOMPARE(s->selectedItems(), QList<QTreeWidgetItem*>{s->topLevelItem(0)});
    QVERIFY(okno.JePozice(s->topLevelItem(1)));
    QVERIFY(hlaseni.zpravy.empty());
}

void TestStromTitulku::prejmenovaniNaMiste() {
    THlavni okno;
    najdi<QTabWidget>(&okno, "PageControl1")->setCurrentIndex(3);
    okno.show();
    QVERIFY(QTest::qWaitForWindowExposed(&okno));
    QTreeWidget* s = strom(&okno);
    for (const char* text : {"P", "Q"})
        pridej(&okno, "Pidatpozici1", QString::fromLatin1(text));
    s->setCurrentItem(s->topLevelItem(1));
    QTest::keyClick(s, Qt::Key_F2);
    auto* editor = s->findChild<QLineEdit*>();
    QVERIFY(editor);
    editor->setText(QStringLiteral("P"));
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_COMPARE(obsahStromu(s), (QStringList{"P", "P"}));
}

QTEST_MAIN(TestStromTitulku)
#include "test_strom_titulku.moc"
