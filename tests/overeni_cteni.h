#pragma once

// What the readers' tests share: reading back what a generator wrote, and a table of edits made
// to a generated script in the game, each accepted or refused at an event and a line.

#include "vlozeny_skript.h"

#include <QString>
#include <QTest>

#include <cstddef>
#include <optional>
#include <variant>

// The refusal's message; empty when the read gave an input.
template <class Vstup> const char* zpravaOdmitnuti(const generatory::Precteno<Vstup>& precteno) {
    const auto* odmitnuti = std::get_if<generatory::OdmitnutiCteni>(&precteno);
    return odmitnuti ? odmitnuti->zprava.c_str() : "";
}

// The reader takes what the generator wrote from `vstup`, and the input it finds writes the
// script again byte for byte. Where the script leaves no choice, `ocekavany` is the input it
// must find, compared as `popis` describes it.
template <class Vstup, class Precti, class Generuj, class Popis>
void overZpet(generatory::Generator generator, const Vstup& vstup,
              const std::optional<Vstup>& ocekavany, Precti precti, Generuj generuj, Popis popis) {
    const generatory::Skript skript = generuj(vstup);
    QVERIFY(!skript.chyba && !skript.odmitnuti);
    const generatory::Precteno<Vstup> precteno = precti(VlozenySkript::z(skript).kod());
    QVERIFY2(std::holds_alternative<Vstup>(precteno), zpravaOdmitnuti(precteno));
    const Vstup& nalezeny = std::get<Vstup>(precteno);
    const generatory::Skript znovu = generuj(nalezeny);
    for (generatory::Udalost udalost : generatory::UdalostiGeneratoru(generator))
        QCOMPARE(znovu.radky(udalost), skript.radky(udalost));
    if (ocekavany)
        QCOMPARE(popis(nalezeny), popis(*ocekavany));
}

// A refusal at the event and line, with a message that holds `zprava`.
template <class Vstup>
void overOdmitnuti(const generatory::Precteno<Vstup>& precteno, generatory::Udalost udalost,
                   int radek, const QString& zprava) {
    QVERIFY(std::holds_alternative<generatory::OdmitnutiCteni>(precteno));
    const generatory::OdmitnutiCteni& odmitnuti = std::get<generatory::OdmitnutiCteni>(precteno);
    QCOMPARE(odmitnuti.udalost, std::optional(udalost));
    QCOMPARE(odmitnuti.radek, std::size_t(radek));
    QVERIFY2(QString::fromStdString(odmitnuti.zprava).contains(zprava), odmitnuti.zprava.c_str());
}

// The table of edits: accepted ones regenerate the pasted text; refused ones name the event, the
// line and a piece of the message.
inline void sloupceUprav() {
    QTest::addColumn<VlozenySkript>("vlozeny");
    QTest::addColumn<bool>("prijato");
    QTest::addColumn<generatory::Udalost>("udalost");
    QTest::addColumn<int>("radek");
    QTest::addColumn<QString>("zprava");
}

inline void prijato(const char* nazev, const VlozenySkript& v) {
    QTest::addRow("%s", nazev) << v << true << generatory::Udalost::Create << 0 << QString();
}

inline void odmitnuto(const char* nazev, const VlozenySkript& v, generatory::Udalost udalost,
                      std::size_t radek, const char* zprava) {
    QTest::addRow("%s", nazev) << v << false << udalost << int(radek) << QString::fromUtf8(zprava);
}

// One row of the table of edits: an accepted paste reads into an input whose script is the
// pasted one, forgiving what the reader forgives, in every event of the generator.
template <class Vstup, class Precti, class Generuj>
void overUpravu(generatory::Generator generator, Precti precti, Generuj generuj) {
    QFETCH(VlozenySkript, vlozeny);
    QFETCH(bool, prijato);
    QFETCH(generatory::Udalost, udalost);
    QFETCH(int, radek);
    QFETCH(QString, zprava);
    const generatory::Precteno<Vstup> precteno = precti(vlozeny.kod());
    if (!prijato)
        return overOdmitnuti(precteno, udalost, radek, zprava);
    QVERIFY2(std::holds_alternative<Vstup>(precteno), zpravaOdmitnuti(precteno));
    const VlozenySkript znovu = VlozenySkript::z(generuj(std::get<Vstup>(precteno)));
    for (generatory::Udalost u : generatory::UdalostiGeneratoru(generator))
        QCOMPARE(normalizuj(znovu.text(u)), normalizuj(vlozeny.text(u)));
}
