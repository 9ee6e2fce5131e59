#pragma once

// The random user: plays one seeded action at a time on a real main window, keeps the shadow
// of what it did, and checks the window against it after every action.

#include "stin.h"

#include <QModelIndex>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <optional>
#include <random>

class QComboBox;
class QLineEdit;
class QTreeView;
class THlavni;

class Hrac {
public:
    Hrac(THlavni& okno, std::uint64_t seminko);

    // Plays one action and checks the window; returns what broke, if anything.
    std::optional<QString> krok();
    const QStringList& zaznam() const { return m_zaznam; }

    // One action kind: its name in the log, its weight among the others, its player.
    // One change an edit reports: the piece entered and whether it replaced the whole text.
    using Zmena = std::function<void(const QString& kus, bool nahradit)>;

    struct Akce {
        const char* nazev;
        int vaha;
        void (Hrac::*hraj)();
    };

    void prepniZalozku();
    void pisDoMenu();
    void pisPocet();
    void vyberPocet();
    void generuj();
    void smazVse();
    void pridejNastaveni();
    void upravNastaveni();
    void prejmenujNastaveni();
    void smazNastaveni();
    void vyberNastaveni();
    void pridejHighskore();
    void upravHighskore();
    void smazHighskore();
    void vyberHighskore();
    void pridejPozici();
    void pridejOsobu();
    void vyberUzel();
    void prejmenujUzel();
    void pisSmer();
    void vyberSmer();
    void pisBarvu();
    void vyberBarvu();
    void prepniPismo();
    void pisDoPisma();
    void skryjFunkce();
    void hledej();
    void oProgramu();

private:
    void naZalozku(int index);
    // Selects a random row of the list, or none.
    void vyberRadek(QTreeView* pohled, std::size_t radku);
    void dialogNastaveni(int radek);
    void dialogHighskore(int radek);
    void dialogTitulku(int pozice);
    // Ends the dialog one of the ways that close it; returns that way's name.
    QString zavri(QWidget* dialog, const QString& potvrzeni);

    int cislo(int od, int doVcetne);
    bool nahoda(int zJakych);
    QString nahodnyText();
    // Types or pastes a fresh text over the edit's whole text and returns it; `zmena` runs
    // after each change the edit reports (every typed character, or the one paste).
    QString zadej(QLineEdit* pole, const Zmena& zmena = {});
    void zadejDoBoxu(QComboBox* box, QString& stin, const std::function<void()>& handler);
    void vyberZBoxu(QComboBox* box, QString& stin, const std::function<void()>& handler);
    void prejmenuj(QTreeView* pohled, const QModelIndex& index,
                   const std::function<void(const QString&)>& ulozeno);
    void zapis(const QString& radek);
    void chyba(const QString& popis);

    std::optional<QString> zkontroluj() const;

    THlavni& m_okno;
    std::mt19937_64 m_nahoda;
    Stin m_stin;
    QStringList m_zaznam;
    int m_akci = 0;
    QString m_chyba;
};

// A text short enough for the log.
QString Zkrat(const QString& text);
