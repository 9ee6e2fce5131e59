#include "ui/blok_panelu.h"

#include "generators/spoj_radky.h"
#include "ui/cesky_pocet.h"
#include "ui/pole_kodu.h"
#include "ui/vzhled.h"
#include "ui/zvyraznovac.h"

#include <QClipboard>
#include <QGuiApplication>

using generatory::Udalost;

BlokPanelu::BlokPanelu(int vyska, std::initializer_list<PopisPanelu> panely, Udalost aktivni,
                       QWidget* rodic)
    : QTabWidget(rodic) {
    setFixedHeight(vyska);
    const QFont pismo = PismoBodu(8);
    for (const PopisPanelu& popis : panely) {
        auto* panel = new PoleKodu(this);
        panel->setObjectName(popis.jmeno);
        panel->setReadOnly(true);
        panel->setLineWrapMode(QPlainTextEdit::NoWrap);
        panel->setFont(pismo);
        new Zvyraznovac(panel->document());
        // The credits' Alarm[0] pane holds a few short lines and shows no scroll bars.
        if (popis.udalost == Udalost::Alarm0) {
            panel->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            panel->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        }
        const std::string_view titulek = generatory::TitulekUdalosti(popis.udalost);
        const int index = addTab(
            panel, QString::fromLatin1(titulek.data(), static_cast<qsizetype>(titulek.size())));
        if (popis.udalost == aktivni)
            setCurrentIndex(index);
        m_panely[popis.udalost] = panel;
    }
}

QPlainTextEdit* BlokPanelu::panel(Udalost udalost) const {
    const auto it = m_panely.find(udalost);
    return it == m_panely.end() ? nullptr : it->second;
}

void BlokPanelu::pojmenuj(const QString& zalozka) {
    setAccessibleName(QStringLiteral("%1: kód").arg(zalozka));
    for (int i = 0; i < count(); ++i)
        widget(i)->setAccessibleName(QStringLiteral("%1: %2").arg(zalozka, tabText(i)));
}

void BlokPanelu::kopirujVse(Udalost udalost) {
    const QPlainTextEdit* p = panel(udalost);
    if (!p)
        return;
    const QString text = PresnyText(p);
    QGuiApplication::clipboard()->setText(text);
    const qsizetype radku = text.isEmpty() ? 0 : text.count(QLatin1Char('\n')) + 1;
    Q_EMIT zkopirovano(
        QStringLiteral("Zkopírováno: %1 (%2)").arg(tabText(indexOf(p)), PocetRadku(radku)));
}

QString PocetRadku(qsizetype pocet) {
    return CeskyPocet(pocet, "řádek", "řádky", "řádků");
}

void VyplnPanel(QPlainTextEdit* panel, const std::vector<std::string>& radky) {
    panel->setPlainText(QString::fromStdString(generatory::SpojRadky(radky)));
}

std::map<Udalost, std::string> SkriptyBloku(const BlokPanelu& blok) {
    std::map<Udalost, std::string> skripty;
    for (const generatory::PopisUdalosti& popis : generatory::udalosti)
        if (const QPlainTextEdit* panel = blok.panel(popis.udalost))
            skripty[popis.udalost] = PresnyText(panel).toStdString();
    return skripty;
}
