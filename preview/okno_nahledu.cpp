#include "preview/okno_nahledu.h"

#include "preview/kontrola.h"
#include "preview/platno_nahledu.h"
#include "preview/tazeni_textu.h"

#include <QAccessibleWidget>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// Older lines go once the list is this long, so a preview left running stays light.
constexpr int nejviceZprav = 500;

// A plain widget reads as a pane to a screen reader, which then does not announce the window
// and its title when it opens.
QAccessibleInterface* jakoOkno(const QString& trida, QObject* objekt) {
    if (trida == QLatin1String(OknoNahledu::staticMetaObject.className()))
        return new QAccessibleWidget(static_cast<QWidget*>(objekt), QAccessible::Window);
    return nullptr;
}

} // namespace

OknoNahledu::OknoNahledu(QWidget* rodic) : QWidget(rodic, Qt::Window) {
    // Installed once however many windows are made.
    QAccessible::installFactory(jakoOkno);
    setObjectName(QStringLiteral("Nahled"));
    resize(980, 540);

    m_platno = new PlatnoNahledu(this);
    m_znovu = new QPushButton(QStringLiteral("&Znovu"), this);
    m_znovu->setObjectName(QStringLiteral("Znovu"));
    m_pozastavit = new QPushButton(QStringLiteral("&Pozastavit"), this);
    m_pozastavit->setObjectName(QStringLiteral("Pozastavit"));
    // Tab reaches the buttons, but a click on one leaves the focus in the room and its keys.
    for (QPushButton* tlacitko : {m_znovu, m_pozastavit})
        tlacitko->setFocusPolicy(Qt::TabFocus);

    m_promenne = new QTableWidget(0, 2, this);
    m_promenne->setObjectName(QStringLiteral("Promenne"));
    m_promenne->setHorizontalHeaderLabels({QStringLiteral("Proměnná"), QStringLiteral("Hodnota")});
    m_promenne->horizontalHeader()->setStretchLastSection(true);
    m_promenne->verticalHeader()->hide();
    // Item views take no name from a label's buddy, so they carry their labels' words.
    m_promenne->setAccessibleName(QStringLiteral("Proměnné bez hodnoty"));
    m_zpravy = new QListWidget(this);
    m_zpravy->setObjectName(QStringLiteral("Zpravy"));
    m_zpravy->setAccessibleName(QStringLiteral("Zprávy"));
    // A long message wraps within the list, and its tooltip holds the whole of it.
    m_zpravy->setWordWrap(true);
    m_zpravy->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    auto* tlacitka = new QHBoxLayout;
    tlacitka->addWidget(m_znovu);
    tlacitka->addWidget(m_pozastavit);
    auto* bok = new QVBoxLayout;
    bok->addLayout(tlacitka);
    bok->addWidget(
        new QLabel(QStringLiteral("Proměnné bez hodnoty (hodnoty platí od Znovu):"), this));
    bok->addWidget(m_promenne, 1);
    bok->addWidget(new QLabel(QStringLiteral("Zprávy:"), this));
    bok->addWidget(m_zpravy, 2);
    auto* rozlozeni = new QHBoxLayout(this);
    rozlozeni->addWidget(m_platno, 3);
    rozlozeni->addLayout(bok, 2);

    m_casovac = new QTimer(this);
    m_casovac->setObjectName(QStringLiteral("Casovac"));
    m_casovac->setTimerType(Qt::PreciseTimer);
    m_casovac->setInterval(1000 / nahled::Mistnost::KrokuZaSekundu);

    // F5 here reads the panes again, as it does from the main window.
    auto* obnovit = new QShortcut(QKeySequence(Qt::Key_F5), this);
    connect(obnovit, &QShortcut::activated, this, &OknoNahledu::ZnovuClick);
    // Either button hands the keys back to the room, wherever the focus was before.
    connect(m_znovu, &QPushButton::clicked, this, [this] {
        ZnovuClick();
        m_platno->setFocus(Qt::OtherFocusReason);
    });
    connect(m_pozastavit, &QPushButton::clicked, this, [this] {
        PozastavitClick();
        m_platno->setFocus(Qt::OtherFocusReason);
    });
    connect(m_casovac, &QTimer::timeout, this, &OknoNahledu::krok);
    connect(m_platno, &PlatnoNahledu::stisknuto, this,
            [this](int kod) { m_stisknute.insert(kod); });

    m_tazeni = new TazeniTextu(m_platno, this);
    connect(m_tazeni, &TazeniTextu::uchopeno, this, [this] {
        m_beziloPredTahem = m_casovac->isActive();
        m_casovac->stop();
    });
    connect(m_tazeni, &TazeniTextu::pusteno, this, [this] {
        if (m_beziloPredTahem)
            m_casovac->start();
    });
    connect(m_tazeni, &TazeniTextu::zmeneno, this, &OknoNahledu::zacniZnovuAUkaz);
    connect(m_tazeni, &TazeniTextu::zprava, this, [this](const QString& text) {
        pridejZpravu(text);
        m_zpravy->scrollToBottom();
    });
}

OknoNahledu::~OknoNahledu() = default;

void OknoNahledu::nastav(const QString& nazevZalozky, Zdroj zdroj, Umisteni* umisteni,
                         PuvodSkriptu puvod) {
    setWindowTitle(QStringLiteral("Náhled – %1").arg(nazevZalozky));
    m_zdroj = std::move(zdroj);
    m_puvod = std::move(puvod);
    m_tazeni->nastav(umisteni);
    m_promenne->setRowCount(0);
    m_vTabulce.clear();
    ZnovuClick();
    if (!m_casovac->isActive())
        PozastavitClick();
    m_platno->setFocus();
}

void OknoNahledu::ZnovuClick() {
    m_zpravy->clear();
    m_stisknute.clear();
    const nahled::Skripty skripty = m_zdroj ? m_zdroj() : nahled::Skripty{};
    // A black room with no word would look like a broken preview.
    if (std::all_of(skripty.begin(), skripty.end(), [](const auto& skript) {
            return skript.second.find_first_not_of(" \t\r\n") == std::string::npos;
        }))
        pridejZpravu(QStringLiteral("Panely jsou prázdné: nejdřív stiskněte „Vygenerovat kód“."));
    // What cannot be read is named as the tab's check named it after generating; the room runs
    // what the check read.
    m_skript = m_puvod ? m_puvod() : nullptr;
    nahled::Prectene prectene;
    if (m_skript)
        for (const nahled::Nalez& n : nahled::Zkontroluj(*m_skript, &prectene))
            pridejZpravu(QString::fromStdString(n.zprava), true);
    m_mistnost = std::make_unique<nahled::Mistnost>(skripty, zadaneHodnoty(), std::move(prectene));
    m_prectenoPromennych = 0;
    const auto draw = skripty.find(nahled::Udalost::Draw);
    m_tazeni->nactiPuvod(draw == skripty.end() ? std::string() : draw->second);
    m_platno->nastavKresby({});
    pridejZpravy();
    doplnPromenne();
    m_tazeni->zkontroluj();
}

void OknoNahledu::PozastavitClick() {
    if (m_casovac->isActive()) {
        m_casovac->stop();
        m_pozastavit->setText(QStringLiteral("&Pokračovat"));
    } else {
        m_casovac->start();
        m_pozastavit->setText(QStringLiteral("&Pozastavit"));
    }
}

void OknoNahledu::krok() {
    m_mistnost->krok(std::exchange(m_stisknute, {}));
    m_platno->nastavKresby(m_mistnost->kresby());
    pridejZpravy();
    doplnPromenne();
    m_tazeni->zkontroluj();
}

// Back from the main window, where the form may have changed.
void OknoNahledu::changeEvent(QEvent* udalost) {
    if (udalost->type() == QEvent::ActivationChange && isActiveWindow())
        m_tazeni->zkontroluj();
    QWidget::changeEvent(udalost);
}

// Escape that no control took, an edit of a value say, closes the window as its close box does.
void OknoNahledu::keyPressEvent(QKeyEvent* udalost) {
    if (udalost->key() == Qt::Key_Escape && udalost->modifiers() == Qt::NoModifier)
        close();
    else
        QWidget::keyPressEvent(udalost);
}

// A changed form restarts the room, and its first step shows at once, paused or not.
void OknoNahledu::zacniZnovuAUkaz() {
    ZnovuClick();
    krok();
}

void OknoNahledu::pridejZpravu(const QString& text, bool chyba) {
    auto* radek = new QListWidgetItem(text, m_zpravy);
    radek->setToolTip(text);
    if (chyba)
        radek->setForeground(Qt::red);
}

void OknoNahledu::pridejZpravy() {
    for (const nahled::Zprava& z : m_mistnost->vezmiZpravy()) {
        if (!m_skript || !z.misto)
            pridejZpravu(QString::fromStdString(z.text), z.druh == nahled::Zprava::Druh::Chyba);
        else if (!z.misto->cteni)
            pridejZpravu(
                QString::fromStdString(
                    nahled::PopisChyby(*m_skript, z.misto->udalost, z.misto->chyba).zprava),
                true);
    }
    while (m_zpravy->count() > nejviceZprav)
        delete m_zpravy->takeItem(0);
    m_zpravy->scrollToBottom();
}

// Adds a row for each variable newly read before it was set; rows and typed values stay. The
// room's list only grows, so each step looks only at the names it added.
void OknoNahledu::doplnPromenne() {
    const std::vector<std::string>& nenastavene = m_mistnost->nenastavene();
    for (; m_prectenoPromennych < nenastavene.size(); ++m_prectenoPromennych) {
        const std::string& jmeno = nenastavene[m_prectenoPromennych];
        if (!m_vTabulce.insert(jmeno).second)
            continue;
        const QString nazev = QString::fromStdString(jmeno);
        const int radek = m_promenne->rowCount();
        m_promenne->insertRow(radek);
        auto* polozka = new QTableWidgetItem(nazev);
        polozka->setFlags(polozka->flags() & ~Qt::ItemIsEditable);
        m_promenne->setItem(radek, 0, polozka);
        m_promenne->setItem(radek, 1, new QTableWidgetItem);
    }
}

nahled::ZadaneHodnoty OknoNahledu::zadaneHodnoty() const {
    nahled::ZadaneHodnoty hodnoty;
    for (int radek = 0; radek < m_promenne->rowCount(); ++radek) {
        const QString text = m_promenne->item(radek, 1)->text();
        if (!text.isEmpty())
            hodnoty.emplace_back(m_promenne->item(radek, 0)->text().toStdString(),
                                 nahled::HodnotaZTextu(text.toStdString()));
    }
    return hodnoty;
}
