#include "app/hlavni.h"

#include "app/funkcni_panel.h"
#include "app/napoveda.h"
#include "app/seznam_funkci.h"
#include "app/zalozka_highskore.h"
#include "app/zalozka_menu.h"
#include "app/zalozka_nastaveni.h"
#include "app/zalozka_titulky.h"
#include "dialogs/dialog_nacteni.h"
#include "preview/okno_nahledu.h"
#include "ui/blok_panelu.h"
#include "ui/hlaseni.h"
#include "ui/klavesa_nabidky.h"
#include "ui/kontextova_nabidka.h"
#include "ui/misto_na_obrazovce.h"

#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QSplitter>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>

using generatory::Udalost;

THlavni::THlavni(QWidget* rodic) : QMainWindow(rodic) {
    setObjectName(QStringLiteral("Hlavni"));
    setWindowTitle(QStringLiteral("Kodovar"));
    resize(732, 726);

    auto* stavovyRadek = new QStatusBar(this);
    stavovyRadek->setObjectName(QStringLiteral("StatusBar1"));
    stavovyRadek->setSizeGripEnabled(false);
    stavovyRadek->setFixedHeight(19);
    m_stav = new QLabel(stavovyRadek);
    m_stav->setObjectName(QStringLiteral("Panel0"));
    m_stav->setFixedWidth(50);
    stavovyRadek->addWidget(m_stav);
    setStatusBar(stavovyRadek);

    m_zalozky = new QTabWidget;
    m_zalozky->setObjectName(QStringLiteral("PageControl1"));
    m_zalozky->tabBar()->setExpanding(false);
    m_zalozky->setAccessibleName(QStringLiteral("Záložky"));
    m_menu = pridejStranku(new ZalozkaMenu);
    m_nastaveni = pridejStranku(new ZalozkaNastaveni);
    m_highskore = pridejStranku(new ZalozkaHighskore);
    m_titulky = pridejStranku(new ZalozkaTitulky);

    m_funkce = new FunkcniPanel;
    m_delic = new QSplitter(Qt::Horizontal);
    m_delic->setObjectName(QStringLiteral("Splitter1"));
    m_delic->setHandleWidth(3);
    m_delic->setChildrenCollapsible(false);
    m_delic->addWidget(m_zalozky);
    m_delic->addWidget(m_funkce);
    m_delic->setStretchFactor(0, 1);
    m_delic->setStretchFactor(1, 0);
    m_delic->setSizes({732 - 162 - 3, 162});
    setCentralWidget(m_delic);

    vytvorMenu();
    pripojKlavesyZalozek();
    QApplication::instance()->installEventFilter(new KlavesaNabidky(this));
    const QString smazatVse = QStringLiteral("&Smazat vše");
    const QString kopirovatVse = QStringLiteral("&Kopírovat vše");
    m_popupCreate =
        VytvorNabidku(this, "PopupMenu2",
                      {{"Smazatve1", smazatVse, [this] { Smazatve1Click(); }},
                       {nullptr, {}, {}},
                       {"Kopirovatvse1", kopirovatVse, [this] { kopirujPanel(Udalost::Create); }}});
    m_popupStep =
        VytvorNabidku(this, "PopupMenu3",
                      {{"Smazatve2", smazatVse, [this] { Smazatve2Click(); }},
                       {nullptr, {}, {}},
                       {"Kopirovatvse2", kopirovatVse, [this] { kopirujPanel(Udalost::Step); }}});
    m_popupDraw =
        VytvorNabidku(this, "PopupMenu4",
                      {{"Smazatve3", smazatVse, [this] { Smazatve3Click(); }},
                       {nullptr, {}, {}},
                       {"Kopirovatvse3", kopirovatVse, [this] { kopirujPanel(Udalost::Draw); }}});
    m_popupAlarm =
        VytvorNabidku(this, "PopupMenuAlarm",
                      {{"Kopirovatvse4", kopirovatVse, [this] { kopirujPanel(Udalost::Alarm0); }}});
    for (ZalozkaGeneratoru* stranka : m_stranky) {
        BlokPanelu* blok = stranka->panely();
        pripojMazaciMenu(blok);
        connect(blok, &BlokPanelu::zkopirovano, this, &THlavni::oznam);
        // A note on an earlier step no longer holds once the panes are written anew.
        connect(stranka, &ZalozkaGeneratoru::generovano, statusBar(), &QStatusBar::clearMessage);
    }

    FormCreate();
}

template <typename Stranka> Stranka* THlavni::pridejStranku(Stranka* stranka) {
    m_zalozky->addTab(stranka, stranka->titulek());
    stranka->panely()->pojmenuj(stranka->titulek());
    connect(stranka, &ZalozkaGeneratoru::stav, m_stav, &QLabel::setText);
    m_stranky.push_back(stranka);
    return stranka;
}

ZalozkaGeneratoru* THlavni::aktivniStranka() const {
    return qobject_cast<ZalozkaGeneratoru*>(m_zalozky->currentWidget());
}

void THlavni::vytvorMenu() {
    menuBar()->setObjectName(QStringLiteral("MainMenu1"));

    QMenu* soubor = menuBar()->addMenu(QStringLiteral("&Soubor"));
    soubor->setObjectName(QStringLiteral("Soubor1"));
    QAction* nacist = soubor->addAction(QStringLiteral("&Načíst ze skriptu…"));
    nacist->setObjectName(QStringLiteral("NacistZeSkriptu1"));
    nacist->setShortcut(Qt::CTRL | Qt::Key_O);
    connect(nacist, &QAction::triggered, this, &THlavni::NacistZeSkriptu1Click);
    soubor->addSeparator();
    QAction* konec = soubor->addAction(QStringLiteral("&Konec"));
    konec->setObjectName(QStringLiteral("Konec1"));
    connect(konec, &QAction::triggered, this, &THlavni::Konec1Click);

    QMenu* zobrazit = menuBar()->addMenu(QStringLiteral("&Zobrazit"));
    zobrazit->setObjectName(QStringLiteral("Zobrazit1"));
    m_funkce1 = zobrazit->addAction(QStringLiteral("&Funkce"));
    m_funkce1->setObjectName(QStringLiteral("Funkce1"));
    m_funkce1->setCheckable(true);
    m_funkce1->setChecked(true);
    connect(m_funkce1, &QAction::triggered, this, &THlavni::Funkce1Click);
    QAction* nahled = zobrazit->addAction(QStringLiteral("&Náhled"));
    nahled->setObjectName(QStringLiteral("Nahled1"));
    nahled->setShortcut(Qt::Key_F5);
    connect(nahled, &QAction::triggered, this, &THlavni::Nahled1Click);

    QMenu* napoveda = menuBar()->addMenu(QStringLiteral("&Nápověda"));
    napoveda->setObjectName(QStringLiteral("Npovda1"));
    QAction* oProgramu = napoveda->addAction(QStringLiteral("&O Programu"));
    oProgramu->setObjectName(QStringLiteral("OProgramu1"));
    connect(oProgramu, &QAction::triggered, this, &THlavni::OProgramu1Click);
}

// Ctrl+Tab, Ctrl+Shift+Tab, Ctrl+PgDn and Ctrl+PgUp move between the main tabs wherever the
// focus is in the window: the tab widget itself answers them only while the focus is inside it
// and no inner tab strip or list takes them first, and an editable box would step its value.
void THlavni::pripojKlavesyZalozek() {
    const std::array<std::pair<QKeyCombination, int>, 4> klavesy{{
        {Qt::CTRL | Qt::Key_Tab, 1},
        {Qt::CTRL | Qt::Key_PageDown, 1},
        {Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab, -1},
        {Qt::CTRL | Qt::Key_PageUp, -1},
    }};
    for (const auto& [klavesa, posun] : klavesy) {
        auto* zkratka = new QShortcut(QKeySequence(klavesa), this);
        connect(zkratka, &QShortcut::activated, this, [this, posun] {
            const int pocet = m_zalozky->count();
            m_zalozky->setCurrentIndex((m_zalozky->currentIndex() + posun + pocet) % pocet);
        });
    }
}

void THlavni::pripojMazaciMenu(BlokPanelu* blok) {
    const std::array<std::pair<Udalost, QMenu*>, 4> menu{{{Udalost::Create, m_popupCreate},
                                                          {Udalost::Step, m_popupStep},
                                                          {Udalost::Draw, m_popupDraw},
                                                          {Udalost::Alarm0, m_popupAlarm}}};
    for (const auto& [udalost, popup] : menu) {
        QPlainTextEdit* panel = blok->panel(udalost);
        if (!panel)
            continue;
        PripojNabidku(panel, popup);
    }
}

int THlavni::KtereUpravit() const {
    return m_nastaveni->KtereUpravit();
}

void THlavni::NastavKtere(int index) {
    m_nastaveni->NastavKtere(index);
}

int THlavni::levyOkrajTlacitka(int vnejsiSirka, int sirkaSeznamu) {
    return vnejsiSirka / 2 - 30 - sirkaSeznamu;
}

void THlavni::FormCreate() {
    m_titulky->nastavBarvy(QStringLiteral("c_red"), QStringLiteral("c_aqua"));
    FormResize();
}

void THlavni::FormResize() {
    m_menu->umistiTlacitko(levyOkrajTlacitka(frameGeometry().width(), m_funkce->seznam()->width()));
    m_titulky->umistiVzorky();
}

void THlavni::resizeEvent(QResizeEvent* udalost) {
    QMainWindow::resizeEvent(udalost);
    FormResize();
}

int THlavni::Ktere2Upravit() const {
    return m_highskore->Ktere2Upravit();
}
void THlavni::NastavKtere2(int index) {
    m_highskore->NastavKtere2(index);
}

bool THlavni::JePozice(const QTreeWidgetItem* uzel) const {
    return m_titulky->JePozice(uzel);
}

// The active tab's script pasted back into its form. The dialog asks the tab, and the tab asks
// the author before it replaces what it holds.
void THlavni::NacistZeSkriptu1Click() {
    ZalozkaGeneratoru* stranka = aktivniStranka();
    const auto smiNahradit = [stranka] {
        return Hlaseni::Zeptej(
            QApplication::activeModalWidget(),
            QStringLiteral("Nahradit obsah záložky %1?").arg(stranka->titulek()));
    };
    TNacteniSkriptu dialog(
        stranka->titulek(), stranka->udalostiPanelu(),
        [stranka, smiNahradit](const generatory::VlozenyKod& kod) {
            return stranka->nactiSkript(kod, smiNahradit);
        },
        this);
    if (dialog.exec() == QDialog::Accepted)
        oznam(
            QStringLiteral("Načteno do záložky %1: %2").arg(stranka->titulek(), stranka->obsah()));
}

void THlavni::oznam(const QString& text) {
    statusBar()->showMessage(text, 5000);
}

void THlavni::Konec1Click() {
    QCoreApplication::quit();
}

void THlavni::Funkce1Click() {
    m_funkce->seznam()->setVisible(m_funkce1->isChecked());
}
void THlavni::OProgramu1Click() {
    auto* napoveda = new TNapoveda(this);
    napoveda->setAttribute(Qt::WA_DeleteOnClose);
    napoveda->exec();
}

// One preview window, turned to the active tab each time it is asked for, and brought back from
// the task bar if it was minimised there.
void THlavni::Nahled1Click() {
    if (!m_nahled) {
        m_nahled = new OknoNahledu(this);
        m_nahled->setAttribute(Qt::WA_DeleteOnClose);
        VejdiSeNaObrazovku(m_nahled);
    }
    ZalozkaGeneratoru* stranka = aktivniStranka();
    const BlokPanelu* blok = stranka->panely();
    m_nahled->nastav(
        stranka->titulek(), [blok] { return SkriptyBloku(*blok); }, stranka->umisteni(),
        [stranka] { return stranka->skriptPanelu(); });
    m_nahled->setWindowState(m_nahled->windowState() & ~Qt::WindowMinimized);
    m_nahled->show();
    m_nahled->raise();
    m_nahled->activateWindow();
}

// The clear-all menus pick the pane by the active main tab, not by the pane they opened on.
void THlavni::smazPanel(Udalost udalost) {
    if (QPlainTextEdit* panel = aktivniStranka()->panely()->panel(udalost))
        panel->clear();
}

// Like clearing, copying takes the pane of the active main tab.
void THlavni::kopirujPanel(Udalost udalost) {
    aktivniStranka()->panely()->kopirujVse(udalost);
}

void THlavni::Smazatve1Click() {
    smazPanel(Udalost::Create);
}
void THlavni::Smazatve2Click() {
    smazPanel(Udalost::Step);
}
void THlavni::Smazatve3Click() {
    smazPanel(Udalost::Draw);
}
