#include "app/kontrola_stranky.h"

#include "app/posledni_kresby.h"
#include "ui/blok_panelu.h"
#include "ui/pole_kodu.h"
#include "ui/seznam_nalezu.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QtConcurrentRun>

using generatory::Skript;
using generatory::Udalost;

KontrolaStranky::KontrolaStranky(BlokPanelu* panely, UkazPole ukazPole, QWidget* stranka)
    : QObject(stranka), m_panely(panely), m_ukazPole(std::move(ukazPole)) {
    m_radek = new QWidget(stranka);
    m_seznam = new SeznamNalezu(m_radek);
    m_seznam->setFixedHeight(panely->maximumHeight());
    auto* rozlozeni = new QHBoxLayout(m_radek);
    rozlozeni->setContentsMargins(0, 0, 0, 0);
    rozlozeni->setSpacing(0);
    panely->setParent(m_radek);
    rozlozeni->addWidget(panely, 3);
    rozlozeni->addWidget(m_seznam, 2);
    connect(m_seznam, &SeznamNalezu::vybrano, this, &KontrolaStranky::ukaz);
    connect(&m_cteni, &QFutureWatcherBase::finished, this,
            [this] { m_seznam->nastav(m_cteni.result()); });
}

void KontrolaStranky::zkontroluj(std::shared_ptr<const Skript> skript) {
    m_skript = std::move(skript);
    m_cteni.setFuture(QtConcurrent::run([s = m_skript] { return nahled::Zkontroluj(*s); }));
}

std::shared_ptr<const Skript> KontrolaStranky::skriptPanelu() const {
    if (!m_skript)
        return nullptr;
    for (Udalost u : {Udalost::Create, Udalost::Step, Udalost::Draw, Udalost::Alarm0})
        if (const QPlainTextEdit* panel = m_panely->panel(u))
            if (!DrziRadky(PresnyText(panel).toStdString(), m_skript->radky(u)))
                return nullptr;
    return m_skript;
}

void KontrolaStranky::ukaz(const nahled::Nalez& nalez) {
    if (nalez.pole)
        return m_ukazPole(*nalez.pole);
    QPlainTextEdit* panel = m_panely->panel(nalez.udalost);
    if (!panel)
        return;
    m_panely->setCurrentWidget(panel);
    QTextCursor kurzor(panel->document()->findBlockByNumber(nalez.radek - 1));
    kurzor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    panel->setTextCursor(kurzor);
    panel->setFocus(Qt::OtherFocusReason);
}
