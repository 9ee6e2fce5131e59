#include "generators/cele_cislo.h"

#include <QTest>

class TestCeleCislo : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void prevod_data();
    void prevod();
    void prosteCislo_data();
    void prosteCislo();
};

void TestCeleCislo::prevod_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("platne");
    QTest::addColumn<int>("hodnota");

    QTest::addRow("decimal") << "123" << true << 123;
    QTest::addRow("zero") << "0" << true << 0;
    QTest::addRow("leading zeros") << "007" << true << 7;
    QTest::addRow("double zero") << "00" << true << 0;
    QTest::addRow("leading blanks") << "   42" << true << 42;
    QTest::addRow("plus sign") << "+9" << true << 9;
    QTest::addRow("minus sign") << "-2" << true << -2;
    QTest::addRow("blanks then sign") << "  -15" << true << -15;
    QTest::addRow("dollar hex") << "$1F" << true << 31;
    QTest::addRow("x hex") << "x1f" << true << 31;
    QTest::addRow("X hex") << "X10" << true << 16;
    QTest::addRow("0x hex") << "0x3" << true << 3;
    QTest::addRow("0X hex") << "0XfF" << true << 255;
    QTest::addRow("signed hex") << "-$10" << true << -16;
    QTest::addRow("int max") << "2147483647" << true << 2147483647;
    QTest::addRow("int min") << "-2147483648" << true << std::numeric_limits<int>::min();
    QTest::addRow("hex max") << "$7FFFFFFF" << true << 2147483647;
    QTest::addRow("hex min") << "-0x80000000" << true << std::numeric_limits<int>::min();
    QTest::addRow("many leading zeros") << "0000000000000000000001" << true << 1;

    QTest::addRow("above int max") << "2147483648" << false << 0;
    QTest::addRow("below int min") << "-2147483649" << false << 0;
    QTest::addRow("hex above max") << "$80000000" << false << 0;
    QTest::addRow("hex below min") << "-$80000001" << false << 0;
    QTest::addRow("huge") << "99999999999999999999999" << false << 0;
    QTest::addRow("empty") << "" << false << 0;
    QTest::addRow("blanks only") << "   " << false << 0;
    QTest::addRow("sign only") << "-" << false << 0;
    QTest::addRow("dollar only") << "$" << false << 0;
    QTest::addRow("0x only") << "0x" << false << 0;
    QTest::addRow("trailing blank") << "12 " << false << 0;
    QTest::addRow("blank after sign") << "- 5" << false << 0;
    QTest::addRow("tab is no blank") << "\t5" << false << 0;
    QTest::addRow("letters") << "abc" << false << 0;
    QTest::addRow("hex digit in decimal") << "1a" << false << 0;
    QTest::addRow("two signs") << "+-1" << false << 0;
    QTest::addRow("sign after prefix") << "$-1" << false << 0;
    QTest::addRow("two prefixes") << "0x$1" << false << 0;
    QTest::addRow("decimal point") << "1.0" << false << 0;
    QTest::addRow("non-ascii digit") << "٣" << false << 0;
}

void TestCeleCislo::prevod() {
    QFETCH(QString, text);
    QFETCH(bool, platne);
    QFETCH(int, hodnota);

    const std::string vstup = text.toStdString();
    const generatory::VysledekPrevodu vysledek = generatory::PrevedNaCislo(vstup);
    if (platne) {
        QVERIFY(std::holds_alternative<std::int32_t>(vysledek));
        QCOMPARE(std::get<std::int32_t>(vysledek), hodnota);
    } else {
        QVERIFY(std::holds_alternative<generatory::Chyba>(vysledek));
        QCOMPARE(std::get<generatory::Chyba>(vysledek).zprava,
                 "''" + vstup + "'' is not a valid integer value");
    }
}

// Only a plain decimal text may be replaced by a number; everything else is the author's.
void TestCeleCislo::prosteCislo_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("proste");
    QTest::addColumn<int>("hodnota");

    QTest::addRow("decimal") << "250" << true << 250;
    QTest::addRow("negative") << "-40" << true << -40;
    QTest::addRow("leading zeros") << "007" << true << 7;
    QTest::addRow("int min") << "-2147483648" << true << std::numeric_limits<int>::min();
    QTest::addRow("above int max") << "2147483648" << false << 0;
    QTest::addRow("empty") << "" << false << 0;
    QTest::addRow("minus only") << "-" << false << 0;
    QTest::addRow("plus sign") << "+5" << false << 0;
    QTest::addRow("leading blank") << " 5" << false << 0;
    QTest::addRow("trailing blank") << "5 " << false << 0;
    QTest::addRow("hex") << "$FA" << false << 0;
    QTest::addRow("0x hex") << "0x10" << false << 0;
    QTest::addRow("sum") << "250+0" << false << 0;
    QTest::addRow("expression") << "room_width/2" << false << 0;
}

void TestCeleCislo::prosteCislo() {
    QFETCH(QString, text);
    QFETCH(bool, proste);
    QFETCH(int, hodnota);

    const std::optional<std::int32_t> cislo = generatory::ProsteCislo(text.toStdString());
    QCOMPARE(cislo.has_value(), proste);
    if (proste)
        QCOMPARE(*cislo, hodnota);
}

QTEST_APPLESS_MAIN(TestCeleCislo)
#include "test_cele_cislo.moc"
