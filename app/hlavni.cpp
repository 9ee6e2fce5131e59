#include "app/hlavni.h"

#include "app/funkcni_panel.h"
#include "app/kontrola_stranky.h"
#include "app/napoveda.h"
#include "app/seznam_funkci.h"
#include "app/zalozka_highskore.h"
#include "app/zalozka_menu.h"
#include "app/zalozka_nastaveni.h"
#include "app/zalozka_titulky.h"
#include "preview/okno_nahledu.h"
#include "ui/blok_panelu.h"
#include "ui/klavesa_nabidky.h"
#include "ui/kontextova_nabidka.h"

#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QSplitter>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>

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
    m_menu = new ZalozkaMenu(m_stav);
    m_nastaveni = new ZalozkaNastaveni;
    m_highskore = new ZalozkaHighskore;
    m_titulky = new ZalozkaTitulky;
    m_zalozky->addTab(m_menu, QStringLiteral("Menu"));
    m_zalozky->addTab(m_nastaveni, QStringLiteral("Nastavení"));
    m_zalozky->addTab(m_highskore, QStringLiteral("HighSkóre"));
    m_zalozky->addTab(m_titulky, QStringLiteral("Titulky"));
    m_highskore->setObjectName(QStringLiteral("TabSheet5"));
    m_bloky = {m_menu->panely(), m_nastaveni->panely(), m_highskore->panely(), m_titulky->panely()};
    m_zalozky->setAccessibleName(QStringLiteral("Záložky"));
    for (std::size_t i = 0; i < m_bloky.size(); ++i)
        m_bloky[i]->Pojmenuj(m_zalozky->tabText(static_cast<int>(i)));

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
    const QString smazatVse = QStringLiteral("Smazat vše");
    const QString kopirovatVse = QStringLiteral("Kopírovat vše");
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
    for (BlokPanelu* blok : m_bloky) {
        pripojMazaciMenu(blok);
        connect(blok, &BlokPanelu::zkopirovano, this,
                [this](const QString& zprava) { statusBar()->showMessage(zprava, 5000); });
    }

    FormCreate();
}

void THlavni::vytvorMenu() {
    menuBar()->setObjectName(QStringLiteral("MainMenu1"));

    QMenu* soubor = menuBar()->addMenu(QStringLiteral("Soubor"));
    soubor->setObjectName(QStringLiteral("Soubor1"));
    QAction* konec = soubor->addAction(QStringLiteral("Konec"));
    konec->setObjectName(QStringLiteral("Konec1"));
    connect(konec, &QAction::triggered, this, &THlavni::Konec1Click);

    QMenu* zobrazit = menuBar()->addMenu(QStringLiteral("Zobrazit"));
    zobrazit->setObjectName(QStringLiteral("Zobrazit1"));
    m_funkce1 = zobrazit->addAction(QStringLiteral("Funkce"));
    m_funkce1->setObjectName(QStringLiteral("Funkce1"));
    m_funkce1->setCheckable(true);
    m_funkce1->setChecked(true);
    connect(m_funkce1, &QAction::triggered, this, &THlavni::Funkce1Click);
    QAction* nahled = zobrazit->addAction(QStringLiteral("Náhled"));
    nahled->setObjectName(QStringLiteral("Nahled1"));
    nahled->setShortcut(Qt::Key_F5);
    connect(nahled, &QAction::triggered, this, &THlavni::Nahled1Click);

    QMenu* napoveda = menuBar()->addMenu(QStringLiteral("Nápověda"));
    napoveda->setObjectName(QStringLiteral("Npovda1"));
    QAction* oProgramu = napoveda->addAction(QStringLiteral("O Programu"));
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
    const std::array<std::pair<Udalost, QMenu*>, 3> menu{{{Udalost::Create, m_popupCreate},
                                                          {Udalost::Step, m_popupStep},
                                                          {Udalost::Draw, m_popupDraw}}};
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

int THlavni::LevyOkrajTlacitka(int vnejsiSirka, int sirkaSeznamu) {
    return vnejsiSirka / 2 - 30 - sirkaSeznamu;
}

void THlavni::FormCreate() {
    m_titulky->NastavBarvy(QStringLiteral("c_red"), QStringLiteral("c_aqua"));
    FormResize();
}

void THlavni::FormResize() {
    m_menu->UmistiTlacitko(LevyOkrajTlacitka(frameGeometry().width(), m_funkce->seznam()->width()));
    m_titulky->UmistiVzorky();
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
    }
    const int zalozka = m_zalozky->currentIndex();
    const BlokPanelu* blok = m_bloky[static_cast<std::size_t>(zalozka)];
    // Only the menu's and the settings' texts stand where fields put them.
    const std::array<Umisteni*, 4> umisteni{m_menu, m_nastaveni, nullptr, nullptr};
    const std::array<KontrolaStranky*, 4> kontroly{m_menu->kontrola(), m_nastaveni->kontrola(),
                                                   m_highskore->kontrola(), m_titulky->kontrola()};
    const KontrolaStranky* kontrola = kontroly[static_cast<std::size_t>(zalozka)];
    m_nahled->Nastav(
        m_zalozky->tabText(zalozka), [blok] { return SkriptyBloku(*blok); },
        umisteni[static_cast<std::size_t>(zalozka)],
        [kontrola] { return kontrola->skriptPanelu(); });
    m_nahled->setWindowState(m_nahled->windowState() & ~Qt::WindowMinimized);
    m_nahled->show();
    m_nahled->raise();
    m_nahled->activateWindow();
}

// The clear-all menus pick the pane by the active main tab, not by the pane they opened on.
void THlavni::smazPanel(Udalost udalost) {
    if (QPlainTextEdit* panel =
            m_bloky[static_cast<std::size_t>(m_zalozky->currentIndex())]->panel(udalost))
        panel->clear();
}

// Like clearing, copying takes the pane of the active main tab.
void THlavni::kopirujPanel(Udalost udalost) {
    m_bloky[static_cast<std::size_t>(m_zalozky->currentIndex())]->KopirujVse(udalost);
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
