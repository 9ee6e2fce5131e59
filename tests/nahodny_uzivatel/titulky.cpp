// The random user's actions on the credits tab: the tree, its dialogs and the options.

#include "hrac.h"

#include "../pomocnici.h"
#include "hlavni.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include <array>

namespace {

QTreeWidget* strom(THlavni& okno) {
    return najdi<QTreeWidget>(&okno, "TreeView1");
}

} // namespace

void Hrac::vyberUzel() {
    naZalozku(3);
    QTreeWidget* s = strom(m_okno);
    std::vector<QModelIndex> uzly;
    for (int p = 0; p < s->topLevelItemCount(); ++p) {
        const QModelIndex pozice = s->model()->index(p, 0);
        uzly.push_back(pozice);
        for (int o = 0; o < s->model()->rowCount(pozice); ++o)
            uzly.push_back(s->model()->index(o, 0, pozice));
    }
    const int index = cislo(-1, static_cast<int>(uzly.size()) - 1);
    zapis(QStringLiteral("  uzel %1").arg(index));
    if (index < 0)
        s->clearSelection();
    else
        s->setCurrentIndex(uzly[static_cast<std::size_t>(index)]);
}

void Hrac::prejmenujUzel() {
    naZalozku(3);
    if (m_stin.titulky.empty())
        return;
    const int p = cislo(0, static_cast<int>(m_stin.titulky.size()) - 1);
    StinPozice& pozice = m_stin.titulky[static_cast<std::size_t>(p)];
    const int o = cislo(-1, static_cast<int>(pozice.osoby.size()) - 1);
    zapis(QStringLiteral("  pozice %1, osoba %2").arg(p).arg(o));
    QTreeWidget* s = strom(m_okno);
    const QModelIndex indexPozice = s->model()->index(p, 0);
    prejmenuj(s, o < 0 ? indexPozice : s->model()->index(o, 0, indexPozice),
              [&pozice, o](const QString& text) {
                  (o < 0 ? pozice.text : pozice.osoby[static_cast<std::size_t>(o)]) = text;
              });
}

void Hrac::pridejPozici() {
    naZalozku(3);
    dialogTitulku(-1);
}

void Hrac::pridejOsobu() {
    naZalozku(3);
    QTreeWidget* s = strom(m_okno);
    const QList<QTreeWidgetItem*> vybrane = s->selectedItems();
    QString odmitnuti;
    if (m_stin.titulky.empty())
        odmitnuti = QStringLiteral("Není vytvořená žádná pozice!");
    else if (vybrane.isEmpty())
        odmitnuti = QStringLiteral("Není vybraná žádná pozice!");
    else if (vybrane.front()->parent())
        odmitnuti = QStringLiteral("Musíte vybrat pozici!");
    if (!odmitnuti.isEmpty()) {
        spustAkci(&m_okno, "Pidatosobu1");
        m_stin.hlaseni.emplace_back(Hlaseni::Druh::Odmitnuti, odmitnuti);
        return;
    }
    dialogTitulku(s->indexOfTopLevelItem(vybrane.front()));
}

// Adds a position when `pozice` is −1, otherwise a person under that position.
void Hrac::dialogTitulku(int pozice) {
    bool otevren = false;
    obsluzModalni([this, pozice, &otevren](QWidget* dialog) {
        otevren = true;
        auto* pole = najdi<QLineEdit>(dialog, "sEdit1");
        if (pole->text() != (pozice < 0 ? QStringLiteral("Programovani") : QString()))
            chyba(QStringLiteral("credits dialog offered %1").arg(Zkrat(pole->text())));
        for (int kolo = 0; kolo < 4; ++kolo) {
            if (nahoda(2))
                zadej(pole);
            switch (cislo(0, 4)) {
            case 0:
            case 1: {
                // Enter and Escape press nothing here.
                zapis(QStringLiteral("  Enter/Escape"));
                QTest::keyClick(dialog, kolo % 2 ? Qt::Key_Escape : Qt::Key_Return);
                if (!dialog->isVisible())
                    chyba(QStringLiteral("Enter or Escape closed a credits dialog"));
                continue;
            }
            case 2:
                zapis(QStringLiteral("  Zrušit"));
                QTest::mouseClick(najdi<QPushButton>(dialog, "sButton2"), Qt::LeftButton);
                return;
            default:
                break;
            }
            zapis(QStringLiteral("  Přidat"));
            const QString text = pole->text();
            QTest::mouseClick(najdi<QPushButton>(dialog, "sButton1"), Qt::LeftButton);
            if (pozice < 0 && m_stin.obsahujeUzel(text)) {
                m_stin.hlaseni.emplace_back(Hlaseni::Druh::Odmitnuti,
                                            QStringLiteral("Tato pozice už existuje!"));
                continue;
            }
            if (pozice < 0)
                m_stin.titulky.push_back({text, {}});
            else
                m_stin.titulky[static_cast<std::size_t>(pozice)].osoby.push_back(text);
            return;
        }
        zapis(QStringLiteral("  zavírací box"));
        dialog->close();
    });
    spustAkci(&m_okno, pozice < 0 ? "Pidatpozici1" : "Pidatosobu1");
    if (!otevren)
        chyba(QStringLiteral("no credits dialog opened"));
}

void Hrac::pisSmer() {
    naZalozku(3);
    zadejDoBoxu(najdi<QComboBox>(&m_okno, "sComboBox2"), m_stin.smer,
                [this] { m_stin.zmenaSmeru(); });
}

void Hrac::vyberSmer() {
    naZalozku(3);
    vyberZBoxu(najdi<QComboBox>(&m_okno, "sComboBox2"), m_stin.smer,
               [this] { m_stin.zmenaSmeru(); });
}

void Hrac::pisBarvu() {
    naZalozku(3);
    const bool osoby = nahoda(2);
    StinBarvy& barva = osoby ? m_stin.barvaOsob : m_stin.barvaPozice;
    zadejDoBoxu(najdi<QComboBox>(&m_okno, osoby ? "sComboBox4" : "sComboBox3"), barva.text,
                [&barva] { Stin::zmenaBarvy(barva); });
}

void Hrac::vyberBarvu() {
    naZalozku(3);
    const bool osoby = nahoda(2);
    StinBarvy& barva = osoby ? m_stin.barvaOsob : m_stin.barvaPozice;
    vyberZBoxu(najdi<QComboBox>(&m_okno, osoby ? "sComboBox4" : "sComboBox3"), barva.text,
               [&barva] { barva.jmeno = barva.text; });
}

void Hrac::prepniPismo() {
    naZalozku(3);
    const bool osoby = nahoda(2);
    StinPisma& pismo = osoby ? m_stin.pismoOsob : m_stin.pismoPozice;
    const std::array<std::pair<const char*, bool*>, 3> volby{{
        {osoby ? "sCheckBox2" : "sCheckBox1", &pismo.zapnuto},
        {osoby ? "sCheckBox4" : "sCheckBox3", &pismo.tucne},
        {osoby ? "sCheckBox6" : "sCheckBox5", &pismo.kurziva},
    }};
    const auto& [jmeno, stav] = volby[static_cast<std::size_t>(pismo.zapnuto ? cislo(0, 2) : 0)];
    zapis(QStringLiteral("  %1").arg(jmeno));
    QTest::mouseClick(najdi<QCheckBox>(&m_okno, jmeno), Qt::LeftButton);
    *stav = !*stav;
}

void Hrac::pisDoPisma() {
    naZalozku(3);
    const bool osoby = nahoda(2);
    StinPisma& pismo = osoby ? m_stin.pismoOsob : m_stin.pismoPozice;
    if (!pismo.zapnuto)
        return;
    if (nahoda(2))
        pismo.velikost = zadej(najdi<QLineEdit>(&m_okno, osoby ? "sEdit22" : "sEdit21"));
    else
        pismo.nazev = zadej(najdi<QLineEdit>(&m_okno, osoby ? "sEdit24" : "sEdit23"));
}
