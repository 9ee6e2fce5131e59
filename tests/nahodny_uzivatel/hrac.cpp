#include "hrac.h"

#include "../pomocnici.h"
#include "app/hlavni.h"
#include "app/napoveda.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QWheelEvent>

#include <array>

namespace {

const std::array<Hrac::Akce, 37> akce{{
    {"přepni záložku", 4, &Hrac::prepniZalozku},
    {"piš do položky menu", 8, &Hrac::pisDoMenu},
    {"piš počet položek", 4, &Hrac::pisPocet},
    {"vyber počet položek", 2, &Hrac::vyberPocet},
    {"Enter v boxu nebo odchod z něj", 4, &Hrac::potvrdBox},
    {"šipka nebo kolečko v zavřeném boxu", 4, &Hrac::krokujBox},
    {"generuj", 8, &Hrac::generuj},
    {"smaž vše v panelu", 3, &Hrac::smazVse},
    {"přidej nastavení", 5, &Hrac::pridejNastaveni},
    {"uprav nastavení", 3, &Hrac::upravNastaveni},
    {"přejmenuj nastavení", 2, &Hrac::prejmenujNastaveni},
    {"smaž nastavení", 1, &Hrac::smazNastaveni},
    {"vyber nastavení", 3, &Hrac::vyberNastaveni},
    {"přidej highskóre", 5, &Hrac::pridejHighskore},
    {"uprav highskóre", 3, &Hrac::upravHighskore},
    {"smaž highskóre", 2, &Hrac::smazHighskore},
    {"vyber highskóre", 3, &Hrac::vyberHighskore},
    {"Ctrl+klik na řádek", 2, &Hrac::ctrlKlikNaRadek},
    {"přidej pozici", 4, &Hrac::pridejPozici},
    {"přidej osobu", 5, &Hrac::pridejOsobu},
    {"vyber uzel", 4, &Hrac::vyberUzel},
    {"Ctrl+klik na uzel", 3, &Hrac::ctrlKlikNaUzel},
    {"klik pod uzly", 2, &Hrac::klikPodUzly},
    {"dvojklik na pozici", 3, &Hrac::dvojklikNaPozici},
    {"sbal nebo rozbal pozici", 3, &Hrac::sbalNeboRozbal},
    {"přejmenuj uzel", 2, &Hrac::prejmenujUzel},
    {"piš směr", 2, &Hrac::pisSmer},
    {"vyber směr", 2, &Hrac::vyberSmer},
    {"piš barvu", 3, &Hrac::pisBarvu},
    {"vyber barvu", 2, &Hrac::vyberBarvu},
    {"přepni písmo", 3, &Hrac::prepniPismo},
    {"piš do písma", 2, &Hrac::pisDoPisma},
    {"skryj funkce", 1, &Hrac::skryjFunkce},
    {"hledej funkci", 3, &Hrac::hledej},
    {"o programu", 1, &Hrac::oProgramu},
    {"táhni text v náhledu", 5, &Hrac::tahniVNahledu},
    {"načti ze skriptu", 3, &Hrac::nactiZeSkriptu},
}};

const std::array<const char*, 20> menuPole{"sEdit1",  "sEdit6",  "sEdit7",  "sEdit8",  "sEdit2",
                                           "sEdit9",  "sEdit13", "sEdit17", "sEdit3",  "sEdit10",
                                           "sEdit14", "sEdit18", "sEdit4",  "sEdit11", "sEdit15",
                                           "sEdit19", "sEdit5",  "sEdit12", "sEdit16", "sEdit20"};

const QStringList slova{"Zvuk",
                        "Hudba",
                        "Obtížnost",
                        "Příliš žluťoučký kůň úpěl ďábelské ódy",
                        "Programovani",
                        "Grafika",
                        "ŠŤÁVA",
                        "global.zvuk = 1",
                        "room_goto(novahra)",
                        "nahoru",
                        "dolů",
                        "Dolů",
                        "c_blue",
                        "c_yellow",
                        "C_RED",
                        "c_red",
                        "Arial",
                        "12"};
const QStringList cisla{"0",         "1",     "5",  "3",  " 4",         "  2",         "$A",
                        "0x1f",      "X3",    "-1", "+2", "2147483647", "-2147483648", "2147483648",
                        "$FFFFFFFF", "12abc", "0x", " ",  "007"};
const QStringList stredniky{
    "ano;ne", "a;b;c", ";", ";;", "x;", ";y", "global.a = 1;global.a = 0", "1;2;3;4;5", "a;;b"};
const QStringList zvlastni{"\"uvozovky\"",    "'",     "\\",          "a\"b;c",
                           "<b>tučně</b>",    "%1 %2", "tab\tulátor", "řádek\ndruhý",
                           "   mezery vpředu"};
const QStringList emoji{"😀", "👍🏽 palec", "🇨🇿", "e\u0301", "😀;😃", "𝕂ó𝕕"};
const QString znaky = QStringLiteral("aáčďeéěiíňoóřšťuúůyýžAZ09 ;\"'$x-_.,()");

bool lzeNapsat(const QString& text) {
    for (QChar z : text)
        if (z.isSurrogate() || !z.isPrint() || z.category() == QChar::Mark_NonSpacing)
            return false;
    return text.size() <= 40;
}

void napis(QLineEdit* pole, const QString& text, const Hrac::Zmena& zmena) {
    const bool bylPrazdny = pole->text().isEmpty();
    QTest::keySequence(pole, QKeySequence::SelectAll);
    if (text.isEmpty()) {
        QTest::keyClick(pole, Qt::Key_Backspace);
        if (!bylPrazdny && zmena)
            zmena(QString(), true);
        return;
    }
    bool prvni = true;
    for (QChar z : text) {
        QKeyEvent stisk(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(z));
        QApplication::sendEvent(pole, &stisk);
        QKeyEvent uvolneni(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(z));
        QApplication::sendEvent(pole, &uvolneni);
        if (zmena)
            zmena(QString(z), prvni);
        prvni = false;
    }
}

void vloz(QLineEdit* pole, const QString& text) {
    QGuiApplication::clipboard()->setText(text);
    QTest::keySequence(pole, QKeySequence::SelectAll);
    QTest::keySequence(pole, QKeySequence::Paste);
}

QTabWidget* zalozky(THlavni& okno) {
    return najdi<QTabWidget>(&okno, "PageControl1");
}

QStringList textyPoli(const std::vector<QLineEdit*>& pole) {
    QStringList texty;
    for (const QLineEdit* p : pole)
        texty << p->text();
    return texty;
}

QString jmenoFokusu() {
    const QWidget* fokus = QApplication::focusWidget();
    if (!fokus)
        return QStringLiteral("nic");
    return fokus->objectName().isEmpty() ? QString::fromLatin1(fokus->metaObject()->className())
                                         : fokus->objectName();
}

} // namespace

QString Zkrat(const QString& text) {
    return text.size() > 40 ? QStringLiteral("«%1 znaků: %2…»").arg(text.size()).arg(text.left(12))
                            : QStringLiteral("«%1»").arg(text);
}

Hrac::Hrac(THlavni& okno, std::uint64_t seminko) : m_okno(okno), m_nahoda(seminko) {}

int Hrac::cislo(int od, int doVcetne) {
    return std::uniform_int_distribution<int>(od, doVcetne)(m_nahoda);
}

bool Hrac::nahoda(int zJakych) {
    return cislo(1, zJakych) == 1;
}

QString Hrac::nahodnyText() {
    if (nahoda(150))
        return QString(100'000, QChar(u'ž')).replace(500, 1, QStringLiteral(";"));
    if (nahoda(40))
        return QString(cislo(1000, 5000), QChar(u'a'));
    const auto z = [this](const QStringList& seznam) {
        return seznam[cislo(0, static_cast<int>(seznam.size()) - 1)];
    };
    switch (cislo(0, 9)) {
    case 0:
        return QString();
    case 1:
    case 2:
        return z(slova);
    case 3:
    case 4:
        return z(cisla);
    case 5:
        return z(stredniky);
    case 6:
        return z(zvlastni);
    case 7:
        return z(emoji);
    default: {
        QString text;
        for (int i = cislo(1, 25); i > 0; --i)
            text += nahoda(15) ? z(emoji) : QString(znaky[cislo(0, int(znaky.size()) - 1)]);
        return text;
    }
    }
}

QString Hrac::zadej(QLineEdit* pole, const Zmena& zmena) {
    return zadej(pole, nahodnyText(), zmena);
}

QString Hrac::zadej(QLineEdit* pole, const QString& text, const Zmena& zmena) {
    const bool psat = lzeNapsat(text) && nahoda(3);
    zapis(QStringLiteral("  %1 %2 do %3")
              .arg(psat ? "píše" : "vkládá", Zkrat(text), pole->objectName()));
    if (psat) {
        napis(pole, text, zmena);
        return text;
    }
    const bool zmeni = !(text.isEmpty() && pole->text().isEmpty());
    vloz(pole, text);
    if (zmeni && zmena)
        zmena(text, true);
    return text;
}

// The box's change handler runs on every change with the box's text as it then stands; a
// typed character is appended after whatever the handler left.
void Hrac::zadejDoBoxu(QComboBox* box, const QString& text, QString& stin,
                       const std::function<void()>& handler) {
    zadej(box->lineEdit(), text, [&](const QString& kus, bool nahradit) {
        stin = (nahradit ? QString() : stin) + kus;
        handler();
    });
}

// A person picks from a list already on the screen, with the window in front before and after:
// on X the focus events come late, and one read while the list is open is dropped, which would
// leave the window inactive for good.
void Hrac::vyberZBoxu(QComboBox* box, QString& stin, const std::function<void()>& handler) {
    const int index = cislo(0, box->count() - 1);
    QAbstractItemView* seznam = box->view();
    const bool mysi = nahoda(2);
    zapis(QStringLiteral("  vybírá %1 v %2 %3")
              .arg(box->itemText(index), box->objectName(), mysi ? "myší" : "klávesnicí"));
    if (!aktivuj(&m_okno))
        return;
    if (nahoda(2))
        QTest::keyClick(box, Qt::Key_F4);
    else
        QTest::keyClick(box, Qt::Key_Down, Qt::AltModifier);
    if (!seznam->isVisible() || !QTest::qWaitForWindowExposed(seznam->window())) {
        chyba(QStringLiteral("%1 shows no list").arg(box->objectName()));
        return;
    }
    if (mysi) {
        const QRect misto = seznam->visualRect(box->model()->index(index, 0));
        QTest::mouseClick(seznam->viewport(), Qt::LeftButton, {}, misto.center());
    } else {
        QTest::keyClick(seznam, Qt::Key_Home);
        for (int i = 0; i < index; ++i)
            QTest::keyClick(seznam, Qt::Key_Down);
        QTest::keyClick(seznam, Qt::Key_Return);
    }
    if (seznam->isVisible()) {
        chyba(QStringLiteral("the list of %1 stayed open after a pick").arg(box->objectName()));
        box->hidePopup();
        return;
    }
    stin = box->itemText(index);
    handler();
    aktivuj(&m_okno);
}

// Enter in an editable box, or the focus leaving it, is no pick even when the box holds a listed
// text: the box keeps its text, and the change handlers do not run.
void Hrac::potvrdBox() {
    static const std::array<const char*, 4> boxy{"sComboBox1", "sComboBox2", "sComboBox3",
                                                 "sComboBox4"};
    const std::size_t ktery = static_cast<std::size_t>(cislo(0, 3));
    naZalozku(ktery == 0 ? 0 : 3);
    auto* box = najdi<QComboBox>(&m_okno, boxy[ktery]);
    if (nahoda(2)) {
        const QString text = box->itemText(cislo(0, box->count() - 1));
        switch (ktery) {
        case 0:
            zadejDoBoxu(box, text, m_stin.pocet, [this] { m_stin.zmenaPoctu(); });
            break;
        case 1:
            zadejDoBoxu(box, text, m_stin.smer, [this] { m_stin.zmenaSmeru(); });
            break;
        default: {
            StinBarvy& barva = ktery == 2 ? m_stin.barvaPozice : m_stin.barvaOsob;
            zadejDoBoxu(box, text, barva.text, [&barva] { Stin::zmenaBarvy(barva); });
        }
        }
    }
    if (!aktivuj(&m_okno))
        return;
    QTest::mouseClick(box->lineEdit(), Qt::LeftButton);
    if (!box->hasFocus()) {
        chyba(QStringLiteral("a click into %1 gave it no focus").arg(box->objectName()));
        return;
    }
    switch (cislo(0, 2)) {
    case 0:
        zapis(QStringLiteral("  Enter v %1").arg(box->objectName()));
        QTest::keyClick(box->lineEdit(), nahoda(2) ? Qt::Key_Return : Qt::Key_Enter);
        return;
    case 1:
        zapis(QStringLiteral("  Tab z %1").arg(box->objectName()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        break;
    default:
        zapis(QStringLiteral("  fokus z %1 na tlačítko").arg(box->objectName()));
        najdi<QPushButton>(&m_okno, ktery == 0 ? "sButton1" : "sButton4")
            ->setFocus(Qt::TabFocusReason);
    }
    if (box->hasFocus())
        chyba(QStringLiteral("the focus stayed in %1").arg(box->objectName()));
}

// Up, Down, PgUp, PgDn or the wheel on a closed box step to the neighbouring item of its list,
// as Qt counts from the item last current; that is a pick, and the change handlers run.
void Hrac::krokujBox() {
    static const std::array<const char*, 4> boxy{"sComboBox1", "sComboBox2", "sComboBox3",
                                                 "sComboBox4"};
    const std::size_t ktery = static_cast<std::size_t>(cislo(0, 3));
    naZalozku(ktery == 0 ? 0 : 3);
    auto* box = najdi<QComboBox>(&m_okno, boxy[ktery]);
    if (!aktivuj(&m_okno))
        return;
    QTest::mouseClick(box->lineEdit(), Qt::LeftButton);
    const int vstup = cislo(0, 5);
    static const std::array<const char*, 6> nazvy{"Down", "Up",           "PgDn",
                                                  "PgUp", "kolečko dolů", "kolečko nahoru"};
    zapis(
        QStringLiteral("  %1 v %2").arg(nazvy[static_cast<std::size_t>(vstup)], box->objectName()));
    const bool dolu = vstup % 2 == 0;
    const int novy = box->currentIndex() + (dolu ? 1 : -1);
    if (vstup < 4) {
        static const std::array<Qt::Key, 4> klavesy{Qt::Key_Down, Qt::Key_Up, Qt::Key_PageDown,
                                                    Qt::Key_PageUp};
        QTest::keyClick(box, klavesy[static_cast<std::size_t>(vstup)]);
    } else {
        // The system's wheel event over the edit travels on to the box; a sent one does not.
        const QPoint bod = box->rect().center();
        QWheelEvent kolecko(bod, box->mapToGlobal(bod), {}, QPoint(0, dolu ? -120 : 120),
                            Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(box, &kolecko);
    }
    if (box->view()->isVisible()) {
        chyba(QStringLiteral("a key or the wheel opened the list of %1").arg(box->objectName()));
        box->hidePopup();
        return;
    }
    if (novy < 0 || novy >= box->count())
        return;
    const QString text = box->itemText(novy);
    switch (ktery) {
    case 0:
        m_stin.pocet = text;
        m_stin.zmenaPoctu();
        break;
    case 1:
        m_stin.smer = text;
        m_stin.zmenaSmeru();
        break;
    default: {
        StinBarvy& barva = ktery == 2 ? m_stin.barvaPozice : m_stin.barvaOsob;
        barva.text = barva.jmeno = text;
    }
    }
}

void Hrac::zapis(const QString& radek) {
    m_zaznam << radek;
}

void Hrac::chyba(const QString& popis) {
    if (m_chyba.isEmpty())
        m_chyba = popis;
}

std::optional<QString> Hrac::krok() {
    int soucet = 0;
    for (const Akce& a : akce)
        soucet += a.vaha;
    int los = cislo(0, soucet - 1);
    const Akce* vybrana = akce.data();
    while (los >= vybrana->vaha)
        los -= (vybrana++)->vaha;

    zapis(
        QStringLiteral("%1. %2").arg(QString::number(++m_akci), QString::fromUtf8(vybrana->nazev)));
    ZachyceniHlaseni hlaseni;
    m_stin.hlaseni.clear();
    (this->*vybrana->hraj)();
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    if (!m_chyba.isEmpty())
        return m_chyba;
    if (hlaseni.zpravy != m_stin.hlaseni) {
        QStringList videno, cekano;
        for (const auto& [druh, text] : hlaseni.zpravy)
            videno << Zkrat(text);
        for (const auto& [druh, text] : m_stin.hlaseni)
            cekano << Zkrat(text);
        return QStringLiteral("messages shown: [%1], expected: [%2]")
            .arg(videno.join(", "), cekano.join(", "));
    }
    return zkontroluj();
}

void Hrac::naZalozku(int index) {
    zalozky(m_okno)->setCurrentIndex(index);
}

void Hrac::prepniZalozku() {
    const int index = cislo(0, 3);
    zapis(QStringLiteral("  záložka %1").arg(index));
    zalozky(m_okno)->setCurrentIndex(index);
}

void Hrac::pisDoMenu() {
    naZalozku(0);
    const int index = cislo(0, m_stin.viditelnychRadku * 4 - 1);
    m_stin.menuPole[static_cast<std::size_t>(index)] =
        zadej(najdi<QLineEdit>(&m_okno, menuPole[static_cast<std::size_t>(index)]));
}

void Hrac::pisPocet() {
    naZalozku(0);
    zadejDoBoxu(najdi<QComboBox>(&m_okno, "sComboBox1"), nahodnyText(), m_stin.pocet,
                [this] { m_stin.zmenaPoctu(); });
}

void Hrac::vyberPocet() {
    naZalozku(0);
    vyberZBoxu(najdi<QComboBox>(&m_okno, "sComboBox1"), m_stin.pocet,
               [this] { m_stin.zmenaPoctu(); });
}

void Hrac::generuj() {
    static const std::array<const char*, 4> tlacitka{"sButton1", "sButton2", "sButton3",
                                                     "sButton4"};
    const int zalozka = cislo(0, 3);
    zapis(QStringLiteral("  na záložce %1").arg(zalozka));
    zalozky(m_okno)->setCurrentIndex(zalozka);
    QTest::mouseClick(najdi<QPushButton>(&m_okno, tlacitka[static_cast<std::size_t>(zalozka)]),
                      Qt::LeftButton);
    const std::array<void (Stin::*)(), 4> generatory{&Stin::generujMenu, &Stin::generujNastaveni,
                                                     &Stin::generujHighskore,
                                                     &Stin::generujTitulky};
    (m_stin.*generatory[static_cast<std::size_t>(zalozka)])();
}

void Hrac::smazVse() {
    static const std::array<std::pair<const char*, const char*>, 3> polozky{
        {{"Smazatve1", "Create"}, {"Smazatve2", "Step"}, {"Smazatve3", "Draw"}}};
    const auto& [akce, udalost] = polozky[static_cast<std::size_t>(cislo(0, 2))];
    zapis(QStringLiteral("  %1").arg(akce));
    spustAkci(&m_okno, akce);
    m_stin.smazPanel(zalozky(m_okno)->currentIndex(), QString::fromLatin1(udalost));
}

void Hrac::skryjFunkce() {
    spustAkci(&m_okno, "Funkce1");
    m_stin.seznamFunkci = !m_stin.seznamFunkci;
}

void Hrac::hledej() {
    auto* pole = najdi<QLineEdit>(&m_okno, "Edit1");
    const int nejvic = pole->maxLength();
    zadej(pole, [this, nejvic](const QString& kus, bool nahradit) {
        // The field's own cap cuts whatever goes beyond it.
        const QString predtim = m_stin.hledani;
        m_stin.hledani = (nahradit ? QString() : m_stin.hledani) + kus;
        m_stin.hledani.truncate(nejvic);
        m_stin.hledano = m_stin.hledano || m_stin.hledani != predtim;
    });
}

void Hrac::oProgramu() {
    bool otevren = false;
    obsluzModalni([this, &otevren](QWidget* modal) {
        otevren = true;
        if (!qobject_cast<TNapoveda*>(modal)) {
            chyba(QStringLiteral("About did not open its dialog"));
            modal->close();
            return;
        }
        auto* pata = najdi<QLabel>(modal, "sLabel1");
        auto* casovac = najdi<QTimer>(modal, "Timer1");
        const int kliknuti = cislo(0, 3);
        for (int i = 0; i < kliknuti; ++i)
            QTest::mouseClick(pata, Qt::LeftButton);
        zapis(QStringLiteral("  %1× klik na patičku").arg(kliknuti));
        if (casovac->isActive() != (kliknuti % 2 == 1))
            chyba(QStringLiteral("footer animation does not follow the clicks"));
        zavri(modal);
    });
    spustAkci(&m_okno, "OProgramu1");
    if (!otevren)
        chyba(QStringLiteral("About opened no dialog"));
}

void Hrac::zavri(QWidget* dialog) {
    if (nahoda(2)) {
        zapis(QStringLiteral("  zavírá: Escape"));
        QTest::keyClick(dialog, Qt::Key_Escape);
    } else {
        zapis(QStringLiteral("  zavírá: zavírací box"));
    }
    if (dialog->isVisible())
        dialog->close();
}

// Active means the window system has said so: on a platform without window activation, waiting
// for the window would return as soon as it is shown, and on X the widget can still count as
// active while the window system has handed the focus to another window.
bool Hrac::aktivuj(QWidget* okno) {
    const auto aktivni = [okno] {
        return okno->isActiveWindow() && QGuiApplication::focusWindow() == okno->windowHandle();
    };
    if (!aktivni()) {
        okno->activateWindow();
        if (!QTest::qWaitFor(aktivni)) {
            chyba(QStringLiteral("%1 does not become the active window").arg(okno->objectName()));
            return false;
        }
    }
    return true;
}

void Hrac::hrajDialog(QWidget* dialog, const std::vector<QLineEdit*>& pole,
                      const std::function<bool()>& pridat) {
    const auto hotovo = [this, dialog] {
        if (!m_chyba.isEmpty() && dialog->isVisible())
            dialog->close();
        return !m_chyba.isEmpty() || !dialog->isVisible();
    };
    if (!m_chyba.isEmpty() || !aktivuj(dialog)) {
        dialog->close();
        return;
    }
    for (int kolo = 0; kolo < 4; ++kolo) {
        for (QLineEdit* p : pole)
            if (nahoda(2))
                zadej(p);
        for (int i = cislo(0, 3); i > 0; --i)
            if (!klavesaVDialogu(dialog, pole))
                break;
        if (hotovo())
            return;
        switch (cislo(0, 5)) {
        case 0:
            if (stiskni(dialog, pole, "sButton2") && dialog->isVisible())
                chyba(QStringLiteral("Zrušit left %1 open").arg(dialog->objectName()));
            hotovo();
            return;
        case 1:
            zapis(QStringLiteral("  zavírací box"));
            dialog->close();
            return;
        default:
            break;
        }
        const bool zavre = pridat();
        if (stiskni(dialog, pole, "sButton1") && dialog->isVisible() == zavre)
            chyba(zavre ? QStringLiteral("Přidat left %1 open").arg(dialog->objectName())
                        : QStringLiteral("a refused Přidat closed %1").arg(dialog->objectName()));
        if (hotovo())
            return;
    }
    zapis(QStringLiteral("  zavírací box"));
    dialog->close();
}

bool Hrac::klavesaVDialogu(QWidget* dialog, const std::vector<QLineEdit*>& pole) {
    QWidget* fokus = QApplication::focusWidget();
    if (!fokus || fokus->window() != dialog) {
        chyba(QStringLiteral("the focus is on %1, outside %2")
                  .arg(jmenoFokusu(), dialog->objectName()));
        return false;
    }
    const QStringList texty = textyPoli(pole);
    const bool vPoli = qobject_cast<QLineEdit*>(fokus);
    QString co;
    switch (cislo(0, 4)) {
    case 0:
        co = QStringLiteral("Tab");
        QTest::keyClick(fokus, Qt::Key_Tab);
        break;
    case 1:
        co = QStringLiteral("Shift+Tab");
        QTest::keyClick(fokus, Qt::Key_Backtab, Qt::ShiftModifier);
        break;
    case 2:
        co = QStringLiteral("Escape");
        QTest::keyClick(fokus, Qt::Key_Escape);
        break;
    case 3:
        // On a button Enter presses it; that is one of the ways a round ends.
        if (vPoli) {
            const bool enter = nahoda(2);
            co = enter ? QStringLiteral("Enter") : QStringLiteral("Return");
            QTest::keyClick(fokus, enter ? Qt::Key_Enter : Qt::Key_Return);
            break;
        }
        [[fallthrough]];
    default: {
        QLineEdit* cil = pole[static_cast<std::size_t>(cislo(0, int(pole.size()) - 1))];
        co = QStringLiteral("klik do ") + cil->objectName();
        QTest::mouseClick(cil, Qt::LeftButton);
    }
    }
    zapis(QStringLiteral("  %1 na %2 → fokus na %3").arg(co, fokus->objectName(), jmenoFokusu()));
    if (!dialog->isVisible())
        chyba(QStringLiteral("%1 on %2 closed %3")
                  .arg(co, fokus->objectName(), dialog->objectName()));
    else if (textyPoli(pole) != texty)
        chyba(QStringLiteral("%1 on %2 changed the texts").arg(co, fokus->objectName()));
    else if (!QApplication::focusWidget() || QApplication::focusWidget()->window() != dialog)
        chyba(QStringLiteral("%1 on %2 moved the focus out of %3")
                  .arg(co, fokus->objectName(), dialog->objectName()));
    else if (co.endsWith(QStringLiteral("Tab")) && QApplication::focusWidget() == fokus)
        chyba(QStringLiteral("%1 left the focus on %2").arg(co, fokus->objectName()));
    return m_chyba.isEmpty();
}

bool Hrac::stiskni(QWidget* dialog, const std::vector<QLineEdit*>& pole, const char* tlacitko) {
    auto* t = najdi<QPushButton>(dialog, tlacitko);
    const int zpusob = cislo(0, 2);
    if (zpusob == 0) {
        zapis(QStringLiteral("  %1 myší").arg(t->text()));
        QTest::mouseClick(t, Qt::LeftButton);
        return true;
    }
    const QStringList texty = textyPoli(pole);
    for (int i = 0; i < 12 && QApplication::focusWidget() && QApplication::focusWidget() != t; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    if (QApplication::focusWidget() != t) {
        chyba(QStringLiteral("Tab does not reach %1 in %2").arg(t->text(), dialog->objectName()));
        return false;
    }
    if (textyPoli(pole) != texty) {
        chyba(QStringLiteral("tabbing to %1 changed the texts").arg(t->text()));
        return false;
    }
    const Qt::Key klavesa =
        zpusob == 1 ? Qt::Key_Space : (nahoda(2) ? Qt::Key_Return : Qt::Key_Enter);
    zapis(QStringLiteral("  %1 klávesou %2")
              .arg(t->text(), QKeySequence(klavesa).toString(QKeySequence::PortableText)));
    QTest::keyClick(t, klavesa);
    return true;
}
