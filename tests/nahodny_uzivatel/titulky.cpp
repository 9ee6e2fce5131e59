// The random user's actions on the credits tab: the tree, its dialogs and the options.

#include "hrac.h"

#include "../pomocnici.h"
#include "app/hlavni.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTreeWidget>

#include <array>

namespace {

QTreeWidget* strom(THlavni& okno) {
    return najdi<QTreeWidget>(&okno, "TreeView1");
}

QTreeWidgetItem* polozka(QTreeWidget* s, StinUzel uzel) {
    QTreeWidgetItem* pozice = s->topLevelItem(uzel.pozice);
    return uzel.osoba < 0 ? pozice : pozice->child(uzel.osoba);
}

QString popis(StinUzel uzel) {
    return QStringLiteral("pozice %1, osoba %2").arg(uzel.pozice).arg(uzel.osoba);
}

} // namespace

std::vector<StinUzel> Hrac::viditelneUzly() const {
    std::vector<StinUzel> uzly;
    for (int p = 0; p < static_cast<int>(m_stin.titulky.size()); ++p) {
        const StinPozice& pozice = m_stin.titulky[static_cast<std::size_t>(p)];
        uzly.push_back({p, -1});
        if (pozice.rozbalena)
            for (int o = 0; o < static_cast<int>(pozice.osoby.size()); ++o)
                uzly.push_back({p, o});
    }
    return uzly;
}

std::optional<QPoint> Hrac::bodUzlu(QTreeWidget* s, QTreeWidgetItem* uzel) {
    s->scrollToItem(uzel);
    const QRect misto = s->visualItemRect(uzel);
    const QPoint bod(misto.left() + std::min(10, misto.width() / 2), misto.center().y());
    if (!s->viewport()->rect().contains(bod) || s->itemAt(bod) != uzel) {
        chyba(
            QStringLiteral("the node %1 is not where the tree draws it").arg(Zkrat(uzel->text(0))));
        return std::nullopt;
    }
    return bod;
}

std::optional<StinUzel> Hrac::nahodnyUzel() {
    naZalozku(3);
    const std::vector<StinUzel> uzly = viditelneUzly();
    if (uzly.empty())
        return std::nullopt;
    const StinUzel uzel = uzly[static_cast<std::size_t>(cislo(0, int(uzly.size()) - 1))];
    zapis(QStringLiteral("  %1").arg(popis(uzel)));
    return uzel;
}

void Hrac::pockejNaPrejmenovani() {
    QTest::qWait(QApplication::doubleClickInterval() + 100);
}

void Hrac::vyberUzel() {
    naZalozku(3);
    const std::vector<StinUzel> uzly = viditelneUzly();
    const int index = cislo(-1, static_cast<int>(uzly.size()) - 1);
    zapis(QStringLiteral("  uzel %1").arg(index));
    QTreeWidget* s = strom(m_okno);
    if (index < 0) {
        s->clearSelection();
        m_stin.vybrany = {};
    } else {
        m_stin.vybrany = uzly[static_cast<std::size_t>(index)];
        s->setCurrentItem(polozka(s, m_stin.vybrany));
    }
}

// Ctrl+click toggles: it takes the selection away from the selected node and gives it to any
// other.
void Hrac::ctrlKlikNaUzel() {
    const std::optional<StinUzel> nahodny = nahodnyUzel();
    if (!nahodny)
        return;
    const StinUzel uzel = *nahodny;
    QTreeWidget* s = strom(m_okno);
    const std::optional<QPoint> bod = bodUzlu(s, polozka(s, uzel));
    if (!bod)
        return;
    const bool bylVybrany = m_stin.vybrany == uzel;
    QTest::mouseClick(s->viewport(), Qt::LeftButton, Qt::ControlModifier, *bod);
    m_stin.vybrany = bylVybrany ? StinUzel{} : uzel;
    if (bylVybrany)
        pockejNaPrejmenovani();
}

// A click in the empty space below the nodes leaves the selection alone.
void Hrac::klikPodUzly() {
    naZalozku(3);
    QTreeWidget* s = strom(m_okno);
    const std::vector<StinUzel> uzly = viditelneUzly();
    int spodek = -1;
    if (!uzly.empty()) {
        QTreeWidgetItem* posledni = polozka(s, uzly.back());
        s->scrollToItem(posledni);
        spodek = s->visualItemRect(posledni).bottom();
    }
    const QPoint bod(cislo(0, s->viewport()->width() - 1), spodek + cislo(1, 40));
    zapis(QStringLiteral("  bod %1, %2").arg(bod.x()).arg(bod.y()));
    if (!s->viewport()->rect().contains(bod))
        return;
    if (s->itemAt(bod)) {
        chyba(QStringLiteral("a node lies below the last one"));
        return;
    }
    QTest::mouseClick(s->viewport(), Qt::LeftButton, {}, bod);
}

// A double click opens or closes a position with persons and selects it, but renames nothing.
void Hrac::dvojklikNaPozici() {
    naZalozku(3);
    if (m_stin.titulky.empty())
        return;
    const int p = cislo(0, static_cast<int>(m_stin.titulky.size()) - 1);
    zapis(QStringLiteral("  pozice %1").arg(p));
    QTreeWidget* s = strom(m_okno);
    const std::optional<QPoint> bod = bodUzlu(s, s->topLevelItem(p));
    if (!bod)
        return;
    const bool bylVybrany = m_stin.vybrany == StinUzel{p, -1};
    QTest::mouseClick(s->viewport(), Qt::LeftButton, {}, *bod);
    QTest::mouseDClick(s->viewport(), Qt::LeftButton, {}, *bod);
    QTest::mouseRelease(s->viewport(), Qt::LeftButton, {}, *bod);
    m_stin.vybrany = {p, -1};
    StinPozice& pozice = m_stin.titulky[static_cast<std::size_t>(p)];
    if (!pozice.osoby.empty()) {
        if (pozice.rozbalena)
            m_stin.sbal(p);
        else
            pozice.rozbalena = true;
    }
    if (bylVybrany)
        pockejNaPrejmenovani();
}

// By the position's arrow, or by Left or Right when the position is the current node.
void Hrac::sbalNeboRozbal() {
    naZalozku(3);
    std::vector<int> sOsobami;
    for (int p = 0; p < static_cast<int>(m_stin.titulky.size()); ++p)
        if (!m_stin.titulky[static_cast<std::size_t>(p)].osoby.empty())
            sOsobami.push_back(p);
    if (sOsobami.empty())
        return;
    QTreeWidget* s = strom(m_okno);
    QTreeWidgetItem* aktualni = s->currentItem();
    const bool klavesou =
        aktualni && !aktualni->parent() && aktualni->childCount() > 0 && nahoda(2);
    const int p = klavesou ? s->indexOfTopLevelItem(aktualni)
                           : sOsobami[static_cast<std::size_t>(cislo(0, int(sOsobami.size()) - 1))];
    const bool sbalit = m_stin.titulky[static_cast<std::size_t>(p)].rozbalena;
    zapis(QStringLiteral("  pozice %1 %2").arg(p).arg(klavesou ? "klávesou" : "šipkou"));
    if (klavesou) {
        QTest::keyClick(s, sbalit ? Qt::Key_Left : Qt::Key_Right);
    } else {
        QTreeWidgetItem* pozice = s->topLevelItem(p);
        s->scrollToItem(pozice);
        const QRect misto = s->visualItemRect(pozice);
        QTest::mouseClick(s->viewport(), Qt::LeftButton, {},
                          QPoint(misto.left() - s->indentation() / 2, misto.center().y()));
    }
    if (sbalit)
        m_stin.sbal(p);
    else
        m_stin.titulky[static_cast<std::size_t>(p)].rozbalena = true;
}

void Hrac::prejmenujUzel() {
    const std::optional<StinUzel> nahodny = nahodnyUzel();
    if (!nahodny)
        return;
    const StinUzel uzel = *nahodny;
    QTreeWidget* s = strom(m_okno);
    StinPozice& pozice = m_stin.titulky[static_cast<std::size_t>(uzel.pozice)];
    m_stin.vybrany = uzel;
    prejmenuj(s, s->indexFromItem(polozka(s, uzel)), [&pozice, uzel](const QString& text) {
        (uzel.osoba < 0 ? pozice.text : pozice.osoby[static_cast<std::size_t>(uzel.osoba)]) = text;
    });
}

void Hrac::pridejPozici() {
    naZalozku(3);
    dialogTitulku(-1);
}

void Hrac::pridejOsobu() {
    naZalozku(3);
    QString odmitnuti;
    if (m_stin.titulky.empty())
        odmitnuti = QStringLiteral("Není vytvořená žádná pozice!");
    else if (m_stin.vybrany.pozice < 0)
        odmitnuti = QStringLiteral("Není vybraná žádná pozice!");
    else if (m_stin.vybrany.osoba >= 0)
        odmitnuti = QStringLiteral("Musíte vybrat pozici!");
    if (!odmitnuti.isEmpty()) {
        spustAkci(&m_okno, "Pidatosobu1");
        m_stin.hlaseni.emplace_back(Hlaseni::Druh::Odmitnuti, odmitnuti);
        return;
    }
    dialogTitulku(m_stin.vybrany.pozice);
}

// Adds a position when `pozice` is −1, otherwise a person under that position, which opens it.
void Hrac::dialogTitulku(int pozice) {
    bool otevren = false;
    obsluzModalni([this, pozice, &otevren](QWidget* dialog) {
        otevren = true;
        auto* pole = najdi<QLineEdit>(dialog, "sEdit1");
        if (pole->text() != (pozice < 0 ? QStringLiteral("Programovani") : QString()))
            chyba(QStringLiteral("credits dialog offered %1").arg(Zkrat(pole->text())));
        hrajDialog(dialog, {pole}, [this, pozice, pole] {
            const QString text = pole->text();
            if (pozice < 0 && m_stin.obsahujeUzel(text)) {
                m_stin.hlaseni.emplace_back(Hlaseni::Druh::Odmitnuti,
                                            QStringLiteral("Tato pozice už existuje!"));
                return false;
            }
            if (pozice < 0) {
                m_stin.titulky.push_back({text, {}});
            } else {
                StinPozice& p = m_stin.titulky[static_cast<std::size_t>(pozice)];
                p.osoby.push_back(text);
                p.rozbalena = true;
            }
            return true;
        });
    });
    spustAkci(&m_okno, pozice < 0 ? "Pidatpozici1" : "Pidatosobu1");
    if (!otevren)
        chyba(QStringLiteral("no credits dialog opened"));
}

void Hrac::pisSmer() {
    naZalozku(3);
    zadejDoBoxu(najdi<QComboBox>(&m_okno, "sComboBox2"), nahodnyText(), m_stin.smer,
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
    zadejDoBoxu(najdi<QComboBox>(&m_okno, osoby ? "sComboBox4" : "sComboBox3"), nahodnyText(),
                barva.text, [&barva] { Stin::zmenaBarvy(barva); });
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
