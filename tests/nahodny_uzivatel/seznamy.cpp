// The random user's actions on the settings and highscore lists and their dialogs, and renaming
// in place.

#include "hrac.h"

#include "../pomocnici.h"
#include "app/hlavni.h"

#include <QLineEdit>
#include <QTreeView>

using generatory::PolozkaNastaveni;

namespace {

QTreeView* nastaveni(THlavni& okno) {
    return najdi<QTreeView>(&okno, "ValueListEditor1");
}
QTreeView* highskore(THlavni& okno) {
    return najdi<QTreeView>(&okno, "ListView1");
}

int vybranyRadek(const QTreeView* pohled) {
    const QModelIndexList radky = pohled->selectionModel()->selectedRows();
    return radky.isEmpty() ? -1 : radky.front().row();
}

std::string u8(const QString& text) {
    return text.toStdString();
}

// The entry dialog's fields in the entry's order: name, x, y, values, actions.
const std::array<const char*, 5> poleNastaveni{"sEdit1", "sEdit3", "sEdit4", "sEdit2", "sEdit5"};

PolozkaNastaveni ctiNastaveni(QWidget* dialog) {
    std::array<std::string, 5> t;
    for (std::size_t i = 0; i < t.size(); ++i)
        t[i] = u8(najdi<QLineEdit>(dialog, poleNastaveni[i])->text());
    return {t[0], t[1], t[2], t[3], t[4]};
}

} // namespace

void Hrac::vyberRadek(QTreeView* pohled, std::size_t radku) {
    const int radek = cislo(-1, static_cast<int>(radku) - 1);
    zapis(QStringLiteral("  řádek %1").arg(radek));
    if (radek < 0)
        pohled->clearSelection();
    else
        pohled->setCurrentIndex(pohled->model()->index(radek, 0));
}

void Hrac::vyberNastaveni() {
    naZalozku(1);
    vyberRadek(nastaveni(m_okno), m_stin.nastaveni.size());
}

// Ctrl+click on a row of either list toggles its selection and renames nothing.
void Hrac::ctrlKlikNaRadek() {
    const bool naNastaveni = nahoda(2);
    naZalozku(naNastaveni ? 1 : 2);
    QTreeView* pohled = naNastaveni ? nastaveni(m_okno) : highskore(m_okno);
    const std::size_t radku = naNastaveni ? m_stin.nastaveni.size() : m_stin.highskore.size();
    if (radku == 0)
        return;
    const int radek = cislo(0, static_cast<int>(radku) - 1);
    zapis(QStringLiteral("  řádek %1").arg(radek));
    const QModelIndex index = pohled->model()->index(radek, 0);
    pohled->scrollTo(index);
    const int ocekavany = vybranyRadek(pohled) == radek ? -1 : radek;
    QTest::mouseClick(pohled->viewport(), Qt::LeftButton, Qt::ControlModifier,
                      pohled->visualRect(index).center());
    if (vybranyRadek(pohled) != ocekavany)
        chyba(QStringLiteral("Ctrl+click left row %1 selected, expected %2")
                  .arg(vybranyRadek(pohled))
                  .arg(ocekavany));
    pockejNaPrejmenovani();
}

void Hrac::pridejNastaveni() {
    naZalozku(1);
    dialogNastaveni(-1);
}

void Hrac::upravNastaveni() {
    naZalozku(1);
    const int radek = vybranyRadek(nastaveni(m_okno));
    if (radek < 0) {
        spustAkci(&m_okno, "Upravitpoloku1");
        return;
    }
    dialogNastaveni(radek);
}

void Hrac::dialogNastaveni(int radek) {
    bool otevren = false;
    obsluzModalni([this, radek, &otevren](QWidget* dialog) {
        otevren = true;
        if (m_okno.KtereUpravit() != radek)
            chyba(QStringLiteral("settings edit index %1 while editing row %2")
                      .arg(m_okno.KtereUpravit())
                      .arg(radek));
        const int n = static_cast<int>(m_stin.nastaveni.size());
        const PolozkaNastaveni nabidka =
            radek < 0 ? PolozkaNastaveni{"Zvuk", "200", std::to_string(n * 30 + 150), "ano;ne",
                                         "global.zvuk = 1;global.zvuk = 0"}
                      : m_stin.nastaveni[static_cast<std::size_t>(radek)];
        if (ctiNastaveni(dialog) != nabidka)
            chyba(QStringLiteral("settings dialog offered something else than the entry"));
        std::vector<QLineEdit*> pole;
        for (const char* jmeno : poleNastaveni)
            pole.push_back(najdi<QLineEdit>(dialog, jmeno));
        hrajDialog(dialog, pole, [this, radek, dialog] {
            const PolozkaNastaveni zadano = ctiNastaveni(dialog);
            if (radek < 0 && (zadano.Akce.empty() || zadano.Hodnoty.empty())) {
                m_stin.hlaseni.emplace_back(Hlaseni::Druh::Odmitnuti,
                                            zadano.Akce.empty()
                                                ? QStringLiteral("Musíte vyplnit položku akce!")
                                                : QStringLiteral("Musíte vyplnit nastavení!"));
                return false;
            }
            if (radek < 0)
                m_stin.nastaveni.push_back(zadano);
            else
                m_stin.nastaveni[static_cast<std::size_t>(radek)] = zadano;
            return true;
        });
    });
    spustAkci(&m_okno, radek < 0 ? "Pidatpoloku1" : "Upravitpoloku1");
    if (!otevren)
        chyba(QStringLiteral("no settings dialog opened"));
}

void Hrac::prejmenujNastaveni() {
    naZalozku(1);
    if (m_stin.nastaveni.empty())
        return;
    const int radek = cislo(0, static_cast<int>(m_stin.nastaveni.size()) - 1);
    zapis(QStringLiteral("  řádek %1").arg(radek));
    QTreeView* pohled = nastaveni(m_okno);
    prejmenuj(pohled, pohled->model()->index(radek, 0), [this, radek](const QString& text) {
        m_stin.nastaveni[static_cast<std::size_t>(radek)].Nazev = u8(text);
    });
}

void Hrac::smazNastaveni() {
    naZalozku(1);
    spustAkci(&m_okno, "Smazatpoloky1");
    m_stin.nastaveni.clear();
}

void Hrac::vyberHighskore() {
    naZalozku(2);
    vyberRadek(highskore(m_okno), m_stin.highskore.size());
}

void Hrac::pridejHighskore() {
    naZalozku(2);
    dialogHighskore(-1);
}

void Hrac::upravHighskore() {
    naZalozku(2);
    const int radek = vybranyRadek(highskore(m_okno));
    if (radek < 0) {
        spustAkci(&m_okno, "Upravitpoloku2");
        return;
    }
    dialogHighskore(radek);
}

void Hrac::dialogHighskore(int radek) {
    bool otevren = false;
    obsluzModalni([this, radek, &otevren](QWidget* dialog) {
        otevren = true;
        if (m_okno.Ktere2Upravit() != radek)
            chyba(QStringLiteral("highscore edit index %1 while editing row %2")
                      .arg(m_okno.Ktere2Upravit())
                      .arg(radek));
        auto* nick = najdi<QLineEdit>(dialog, "sEdit1");
        auto* skore = najdi<QLineEdit>(dialog, "sEdit2");
        const QString n = QString::number(m_stin.highskore.size());
        const std::pair<QString, QString> nabidka =
            radek < 0
                ? std::pair{QStringLiteral("global.nick") + n, QStringLiteral("global.skore") + n}
                : std::pair{QString::fromStdString(
                                m_stin.highskore[static_cast<std::size_t>(radek)].nick),
                            QString::fromStdString(
                                m_stin.highskore[static_cast<std::size_t>(radek)].skore)};
        if (std::pair{nick->text(), skore->text()} != nabidka)
            chyba(QStringLiteral("highscore dialog offered something else than the row"));
        hrajDialog(dialog, {nick, skore}, [this, radek, nick, skore] {
            if (radek < 0) {
                m_stin.highskore.push_back({std::to_string(m_stin.highskore.size() + 1),
                                            u8(nick->text()), u8(skore->text())});
            } else {
                generatory::PolozkaHighskore& p = m_stin.highskore[static_cast<std::size_t>(radek)];
                p.nick = u8(nick->text());
                p.skore = u8(skore->text());
            }
            return true;
        });
    });
    spustAkci(&m_okno, radek < 0 ? "Pidatpoloku2" : "Upravitpoloku2");
    if (!otevren)
        chyba(QStringLiteral("no highscore dialog opened"));
}

void Hrac::smazHighskore() {
    naZalozku(2);
    const int radek = vybranyRadek(highskore(m_okno));
    zapis(QStringLiteral("  řádek %1").arg(radek));
    spustAkci(&m_okno, "Smazapoloku1");
    if (radek < 0)
        m_stin.hlaseni.emplace_back(Hlaseni::Druh::Odmitnuti,
                                    QStringLiteral("Není vybraná žádná položka!"));
    else
        m_stin.highskore.erase(m_stin.highskore.begin() + radek);
}

void Hrac::prejmenuj(QTreeView* pohled, const QModelIndex& index,
                     const std::function<void(const QString&)>& ulozeno) {
    pohled->setCurrentIndex(index);
    QTest::keyClick(pohled, Qt::Key_F2);
    auto* editor = qobject_cast<QLineEdit*>(pohled->indexWidget(index));
    if (!editor) {
        chyba(QStringLiteral("F2 opened no in-place editor"));
        return;
    }
    const QString text = zadej(editor);
    if (nahoda(4)) {
        zapis(QStringLiteral("  Escape"));
        QTest::keyClick(editor, Qt::Key_Escape);
        return;
    }
    QTest::keyClick(editor, Qt::Key_Return);
    // The view commits an in-place edit from its event queue.
    QCoreApplication::sendPostedEvents();
    ulozeno(text);
}
