#include "app/hlavni.h"
#include "nahodny_uzivatel/hrac.h"
#include "pomocnici.h"

#include <QTest>

#include <cstdlib>

namespace {

// A number from the environment, or the default when unset.
std::uint64_t zProstredi(const char* promenna, std::uint64_t vychozi) {
    const QByteArray hodnota = qgetenv(promenna);
    return hodnota.isEmpty() ? vychozi : hodnota.toULongLong();
}

} // namespace

// Plays seeded random users on a real main window, one seed per row. KODOVAR_SEMINKO sets the
// first seed, KODOVAR_SEMINEK how many follow it, KODOVAR_AKCI the actions per seed.
class TestNahodnyUzivatel : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void hraje_data();
    void hraje();
};

void TestNahodnyUzivatel::hraje_data() {
    const bool jedno = !qEnvironmentVariableIsEmpty("KODOVAR_SEMINKO");
    const std::uint64_t prvni = zProstredi("KODOVAR_SEMINKO", 1);
    const std::uint64_t seminek = zProstredi("KODOVAR_SEMINEK", jedno ? 1 : 3);
    QTest::addColumn<quint64>("seminko");
    for (std::uint64_t seminko = prvni; seminko < prvni + seminek; ++seminko)
        QTest::addRow("seed %llu", static_cast<unsigned long long>(seminko)) << quint64{seminko};
}

void TestNahodnyUzivatel::hraje() {
    QFETCH(quint64, seminko);
    const std::uint64_t akci = zProstredi("KODOVAR_AKCI", 400);
    THlavni okno;
    okno.show();
    QVERIFY(QTest::qWaitForWindowExposed(&okno));
    // A window manager activates a new window when it likes; keys and the focus need it now.
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        okno.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&okno));
    }
    Hrac hrac(okno, seminko);
    for (std::uint64_t a = 0; a < akci; ++a) {
        if (const std::optional<QString> chyba = hrac.krok()) {
            const QStringList& zaznam = hrac.zaznam();
            qWarning().noquote()
                << zaznam.mid(std::max<qsizetype>(0, zaznam.size() - 60)).join(QLatin1Char('\n'));
            QFAIL(qPrintable(QStringLiteral("seed %1, action %2: %3\nreplay with "
                                            "KODOVAR_SEMINKO=%1 KODOVAR_AKCI=%2")
                                 .arg(QString::number(seminko), QString::number(a + 1), *chyba)));
        }
    }
}

QTEST_MAIN(TestNahodnyUzivatel)
#include "test_nahodny_uzivatel.moc"
