// Reading a tab's script back: the random user generates a tab, copies its panes, changes the
// form or not, and pastes the copy into "Načíst ze skriptu…". The form must come back.

#include "hrac.h"

#include "../pomocnici.h"
#include "app/hlavni.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

#include <array>
#include <utility>
#include <vector>

namespace {

// Each tab's panes as the dialog lists its boxes.
const std::array<std::vector<std::pair<const char*, const char*>>, 4> panelyZalozek{{
    {{"RichEdit1", "VlozeniCreate"}, {"RichEdit2", "VlozeniStep"}, {"RichEdit3", "VlozeniDraw"}},
    {{"RichEdit4", "VlozeniCreate"}, {"RichEdit5", "VlozeniStep"}, {"RichEdit6", "VlozeniDraw"}},
    {{"RichEdit9", "VlozeniDraw"}},
    {{"RichEdit16", "VlozeniCreate"},
     {"RichEdit22", "VlozeniAlarm[0]"},
     {"RichEdit18", "VlozeniDraw"}},
}};

} // namespace

void Hrac::nactiZeSkriptu() {
    static const std::array<const char*, 4> tlacitka{"sButton1", "sButton2", "sButton3",
                                                     "sButton4"};
    static const std::array<void (Stin::*)(), 4> generatory{
        &Stin::generujMenu, &Stin::generujNastaveni, &Stin::generujHighskore,
        &Stin::generujTitulky};
    const int zalozka = cislo(0, 3);
    const auto z = static_cast<std::size_t>(zalozka);
    zapis(QStringLiteral("  na záložce %1").arg(zalozka));
    naZalozku(zalozka);
    QTest::mouseClick(najdi<QPushButton>(&m_okno, tlacitka[z]), Qt::LeftButton);
    (m_stin.*generatory[z])();
    // A refusal or an error leaves no script of this form to read back.
    if (!m_stin.hlaseni.empty() || !m_stin.citelne(zalozka)) {
        zapis(QStringLiteral("  nic k načtení"));
        return;
    }
    std::vector<QString> texty;
    for (const auto& [panel, box] : panelyZalozek[z])
        texty.push_back(PresnyText(najdi<QPlainTextEdit>(&m_okno, panel)));
    const Stin puvodni = m_stin;

    if (nahoda(2)) {
        static const std::array<std::array<void (Hrac::*)(), 2>, 4> zmeny{{
            {&Hrac::pisDoMenu, &Hrac::pisPocet},
            {&Hrac::pridejNastaveni, &Hrac::smazNastaveni},
            {&Hrac::pridejHighskore, &Hrac::smazHighskore},
            {&Hrac::pridejPozici, &Hrac::pisBarvu},
        }};
        zapis(QStringLiteral("  formulář změněn"));
        (this->*zmeny[z][static_cast<std::size_t>(cislo(0, 1))])();
        if (!m_chyba.isEmpty())
            return;
        naZalozku(zalozka);
    }
    const bool otazka = !m_stin.jakoNova(zalozka);
    const bool ano = !otazka || !nahoda(4);
    zapis(otazka ? QStringLiteral("  otázka: %1").arg(ano ? "Ano" : "Ne")
                 : QStringLiteral("  bez otázky"));

    bool otevren = false, polozena = false, zustalOtevren = false;
    QString zprava;
    obsluzModalni([&](QWidget* dialog) {
        otevren = true;
        if (!aktivuj(dialog)) {
            dialog->close();
            return;
        }
        for (std::size_t i = 0; i < texty.size(); ++i) {
            auto* box = najdi<QPlainTextEdit>(dialog, panelyZalozek[z][i].second);
            QGuiApplication::clipboard()->setText(texty[i]);
            QTest::mouseClick(box->viewport(), Qt::LeftButton);
            QTest::keySequence(box, QKeySequence::SelectAll);
            QTest::keySequence(box, QKeySequence::Paste);
        }
        auto* casovac = new QTimer;
        casovac->setInterval(10);
        QObject::connect(casovac, &QTimer::timeout, casovac, [&, casovac] {
            QWidget* box = QApplication::activeModalWidget();
            if (!box || box->objectName() != QLatin1String("Otazka"))
                return;
            casovac->stop();
            casovac->deleteLater();
            polozena = true;
            aktivuj(box);
            QTest::mouseClick(najdi<QPushButton>(box, ano ? "Ano" : "Ne"), Qt::LeftButton);
            if (box->isVisible()) {
                chyba(
                    QStringLiteral("a click on %1 left the question open").arg(ano ? "Ano" : "Ne"));
                box->close();
            }
        });
        casovac->start();
        QTest::mouseClick(najdi<QPushButton>(dialog, "Nacist"), Qt::LeftButton);
        if (!polozena)
            delete casovac;
        zustalOtevren = dialog->isVisible();
        zprava = najdi<QLabel>(dialog, "Zprava")->text();
        if (zustalOtevren)
            QTest::mouseClick(najdi<QPushButton>(dialog, "Zrusit"), Qt::LeftButton);
    });
    spustAkci(&m_okno, "NacistZeSkriptu1");
    if (!otevren)
        chyba(QStringLiteral("Načíst ze skriptu opened no dialog"));
    if (polozena != otazka)
        chyba(QStringLiteral("the question %1").arg(polozena ? "came unasked" : "never came"));
    if (zustalOtevren == ano)
        chyba(QStringLiteral("the dialog %1 %2")
                  .arg(zustalOtevren ? "stayed open:" : "closed", Zkrat(zprava)));
    if (ano)
        m_stin.nactiZpet(zalozka, puvodni);
}
