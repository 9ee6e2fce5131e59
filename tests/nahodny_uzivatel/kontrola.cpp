// The invariants the random user checks after every action.

#include "hrac.h"

#include "../pomocnici.h"
#include "app/hlavni.h"
#include "app/rychle_hledani.h"
#include "app/seznam_funkci.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTreeView>
#include <QTreeWidget>

namespace {

QString radek(const QAbstractItemModel* model, int r) {
    QStringList bunky;
    for (int s = 0; s < model->columnCount(); ++s)
        bunky << Zkrat(model->index(r, s).data().toString());
    return bunky.join(QStringLiteral(" | "));
}

// Compares the rows a list shows with the shadow's rows, cell by cell.
std::optional<QString> porovnejSeznam(const QTreeView* pohled,
                                      const std::vector<QStringList>& ocekavane) {
    const QAbstractItemModel* model = pohled->model();
    if (model->rowCount() != static_cast<int>(ocekavane.size()))
        return QStringLiteral("%1 shows %2 rows, expected %3")
            .arg(pohled->objectName())
            .arg(model->rowCount())
            .arg(ocekavane.size());
    for (int r = 0; r < model->rowCount(); ++r)
        for (int s = 0; s < model->columnCount(); ++s)
            if (model->index(r, s).data().toString() != ocekavane[static_cast<std::size_t>(r)][s])
                return QStringLiteral("%1 row %2 shows [%3], expected [%4]")
                    .arg(pohled->objectName())
                    .arg(r)
                    .arg(radek(model, r),
                         Zkrat(ocekavane[static_cast<std::size_t>(r)].join(" | ")));
    return std::nullopt;
}

QString q(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

std::optional<QString> Hrac::zkontroluj() const {
    THlavni& o = m_okno;
    if (QApplication::activeModalWidget() || !o.findChildren<QDialog*>().isEmpty())
        return QStringLiteral("a dialog is still open");
    if (o.KtereUpravit() != -1 || o.Ktere2Upravit() != -1)
        return QStringLiteral("edit indices %1 and %2 with no dialog open")
            .arg(o.KtereUpravit())
            .arg(o.Ktere2Upravit());

    const auto pole = [&o](const char* jmeno) { return najdi<QLineEdit>(&o, jmeno)->text(); };
    const auto box = [&o](const char* jmeno) { return najdi<QComboBox>(&o, jmeno)->currentText(); };
    const auto nesouhlasi = [](const char* co, const QString& je, const QString& ma) {
        return QStringLiteral("%1 holds %2, expected %3").arg(co, Zkrat(je), Zkrat(ma));
    };

    static const std::array<const char*, 20> menuPole{
        "sEdit1",  "sEdit6",  "sEdit7",  "sEdit8",  "sEdit2",  "sEdit9", "sEdit13",
        "sEdit17", "sEdit3",  "sEdit10", "sEdit14", "sEdit18", "sEdit4", "sEdit11",
        "sEdit15", "sEdit19", "sEdit5",  "sEdit12", "sEdit16", "sEdit20"};
    for (std::size_t i = 0; i < menuPole.size(); ++i) {
        auto* p = najdi<QLineEdit>(&o, menuPole[i]);
        if (p->text() != m_stin.menuPole[i])
            return nesouhlasi(menuPole[i], p->text(), m_stin.menuPole[i]);
        if (p->isHidden() != (static_cast<int>(i / 4) >= m_stin.viditelnychRadku))
            return QStringLiteral("%1 is %2 with %3 rows shown")
                .arg(menuPole[i], p->isHidden() ? "hidden" : "shown")
                .arg(m_stin.viditelnychRadku);
    }
    if (box("sComboBox1") != m_stin.pocet)
        return nesouhlasi("sComboBox1", box("sComboBox1"), m_stin.pocet);

    std::vector<QStringList> radky;
    for (const generatory::PolozkaNastaveni& p : m_stin.nastaveni)
        radky.push_back({q(p.Nazev), q(p.PoziceX), q(p.PoziceY), q(p.Hodnoty), q(p.Akce)});
    if (auto chyba = porovnejSeznam(najdi<QTreeView>(&o, "ValueListEditor1"), radky))
        return chyba;
    radky.clear();
    for (const generatory::PolozkaHighskore& p : m_stin.highskore)
        radky.push_back({q(p.id), q(p.nick), q(p.skore)});
    if (auto chyba = porovnejSeznam(najdi<QTreeView>(&o, "ListView1"), radky))
        return chyba;

    auto* strom = najdi<QTreeWidget>(&o, "TreeView1");
    QStringList ukazano, ocekavano;
    for (int p = 0; p < strom->topLevelItemCount(); ++p) {
        const QTreeWidgetItem* pozice = strom->topLevelItem(p);
        ukazano << Zkrat(pozice->text(0));
        for (int c = 0; c < pozice->childCount(); ++c)
            ukazano << QStringLiteral("  ") + Zkrat(pozice->child(c)->text(0));
    }
    for (const StinPozice& p : m_stin.titulky) {
        ocekavano << Zkrat(p.text);
        for (const QString& osoba : p.osoby)
            ocekavano << QStringLiteral("  ") + Zkrat(osoba);
    }
    if (ukazano != ocekavano)
        return QStringLiteral("credits tree shows [%1], expected [%2]")
            .arg(ukazano.join(", "), ocekavano.join(", "));
    // Abbreviations could hide a difference; the full texts must match too.
    for (int p = 0; p < strom->topLevelItemCount(); ++p) {
        const QTreeWidgetItem* pozice = strom->topLevelItem(p);
        const StinPozice& stin = m_stin.titulky[static_cast<std::size_t>(p)];
        if (pozice->text(0) != stin.text)
            return nesouhlasi("a position", pozice->text(0), stin.text);
        for (int c = 0; c < pozice->childCount(); ++c)
            if (pozice->child(c)->text(0) != stin.osoby[static_cast<std::size_t>(c)])
                return nesouhlasi("a person", pozice->child(c)->text(0),
                                  stin.osoby[static_cast<std::size_t>(c)]);
        if (pozice->childCount() > 0 && pozice->isExpanded() != stin.rozbalena)
            return QStringLiteral("position %1 is %2")
                .arg(p)
                .arg(pozice->isExpanded() ? "open" : "closed");
    }
    const auto popisUzlu = [strom](QTreeWidgetItem* uzel) {
        if (!uzel)
            return QStringLiteral("none");
        QTreeWidgetItem* pozice = uzel->parent() ? uzel->parent() : uzel;
        return QStringLiteral("position %1").arg(strom->indexOfTopLevelItem(pozice)) +
               (uzel->parent() ? QStringLiteral(" person %1").arg(pozice->indexOfChild(uzel))
                               : QString());
    };
    const StinUzel& vybrany = m_stin.vybrany;
    QTreeWidgetItem* ocekavany = vybrany.pozice < 0 ? nullptr
                                 : vybrany.osoba < 0
                                     ? strom->topLevelItem(vybrany.pozice)
                                     : strom->topLevelItem(vybrany.pozice)->child(vybrany.osoba);
    const QList<QTreeWidgetItem*> oznacene = strom->selectedItems();
    if (oznacene.size() > 1 || (oznacene.isEmpty() ? nullptr : oznacene.front()) != ocekavany)
        return QStringLiteral("credits tree selects %1, expected %2")
            .arg(popisUzlu(oznacene.isEmpty() ? nullptr : oznacene.front()), popisUzlu(ocekavany));
    for (const char* pohled : {"TreeView1", "ValueListEditor1"})
        for (const QLineEdit* editor :
             najdi<QAbstractItemView>(&o, pohled)->viewport()->findChildren<QLineEdit*>())
            if (editor->isVisible())
                return QStringLiteral("%1 has a rename open that nobody started").arg(pohled);

    if (box("sComboBox2") != QStringLiteral("nahoru") &&
        box("sComboBox2") != QStringLiteral("dolů"))
        return QStringLiteral("direction box holds %1").arg(Zkrat(box("sComboBox2")));
    if (box("sComboBox2") != m_stin.smer)
        return nesouhlasi("sComboBox2", box("sComboBox2"), m_stin.smer);
    for (const auto& [jmeno, barva] :
         {std::pair{"sComboBox3", &m_stin.barvaPozice}, {"sComboBox4", &m_stin.barvaOsob}}) {
        auto* b = najdi<QComboBox>(&o, jmeno);
        if (b->findText(b->currentText(), Qt::MatchExactly | Qt::MatchCaseSensitive) < 0)
            return QStringLiteral("%1 holds %2, no colour name")
                .arg(jmeno, Zkrat(b->currentText()));
        if (b->currentText() != barva->text)
            return nesouhlasi(jmeno, b->currentText(), barva->text);
    }
    for (const auto& [jmeno, barva] :
         {std::pair{"Image1", &m_stin.barvaPozice}, {"Image2", &m_stin.barvaOsob}}) {
        const QImage vzorek = najdi<QLabel>(&o, jmeno)->pixmap().toImage();
        if (vzorek.pixel(vzorek.rect().center()) != Stin::barvaVzorku(barva->jmeno))
            return QStringLiteral("%1 does not show %2, the colour last picked")
                .arg(jmeno, barva->jmeno);
    }
    const std::array<std::pair<const StinPisma*, std::array<const char*, 5>>, 2> pisma{{
        {&m_stin.pismoPozice, {"sCheckBox1", "sEdit21", "sCheckBox3", "sCheckBox5", "sEdit23"}},
        {&m_stin.pismoOsob, {"sCheckBox2", "sEdit22", "sCheckBox4", "sCheckBox6", "sEdit24"}},
    }};
    for (const auto& [pismo, jmena] : pisma) {
        const std::array<bool, 3> stavy{pismo->zapnuto, pismo->tucne, pismo->kurziva};
        const std::array<const char*, 3> spinace{jmena[0], jmena[2], jmena[3]};
        for (std::size_t i = 0; i < 3; ++i)
            if (najdi<QCheckBox>(&o, spinace[i])->isChecked() != stavy[i])
                return QStringLiteral("%1 is not as clicked").arg(spinace[i]);
        if (pole(jmena[1]) != pismo->velikost)
            return nesouhlasi(jmena[1], pole(jmena[1]), pismo->velikost);
        if (pole(jmena[4]) != pismo->nazev)
            return nesouhlasi(jmena[4], pole(jmena[4]), pismo->nazev);
        if (najdi<QWidget>(&o, jmena[1])->isHidden() == pismo->zapnuto)
            return QStringLiteral("%1 does not follow its switch").arg(jmena[1]);
    }

    for (const auto& [panel, text] : m_stin.panely) {
        const QString je = PresnyText(najdi<QPlainTextEdit>(&o, panel.toLatin1().constData()));
        if (je != text)
            return nesouhlasi(panel.toLatin1().constData(), je, text);
    }

    auto* seznam = najdi<SeznamFunkci>(&o, "sListBox1");
    if (seznam->isHidden() == m_stin.seznamFunkci)
        return QStringLiteral("function list is %1").arg(seznam->isHidden() ? "hidden" : "shown");
    if (pole("Edit1") != m_stin.hledani)
        return nesouhlasi("Edit1", pole("Edit1"), m_stin.hledani);
    const std::optional<int> nalezeny = PrvniSPredponou(seznam->nazvy(), m_stin.hledani);
    QList<int> vybrane;
    for (const QModelIndex& i : seznam->selectionModel()->selectedIndexes())
        vybrane << i.row();
    if (m_stin.hledano)
        if (vybrane != (nalezeny ? QList<int>{*nalezeny} : QList<int>{}))
            return QStringLiteral("search %1 selects rows %2")
                .arg(Zkrat(m_stin.hledani))
                .arg(vybrane.size() == 1 ? QString::number(vybrane.front()) : QStringLiteral("—"));
    return std::nullopt;
}
