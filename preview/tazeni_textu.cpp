#include "preview/tazeni_textu.h"

#include "preview/platno_nahledu.h"
#include "preview/umisteni.h"

#include <QAction>
#include <QUndoStack>
#include <QWidget>

#include <functional>
#include <utility>

using generatory::Puvod;

namespace {

// One drop: the input's fields get the new texts, or back their exact earlier ones.
class PresunTextu : public QUndoCommand {
public:
    PresunTextu(Umisteni& umisteni, std::size_t vstup, nahled::TextyPozice pred,
                nahled::TextyPozice po, std::function<void()> poZapisu)
        : QUndoCommand(QStringLiteral("Přesun textu")), m_umisteni(umisteni), m_vstup(vstup),
          m_pred(std::move(pred)), m_po(std::move(po)), m_poZapisu(std::move(poZapisu)) {}

    void undo() override { zapis(m_pred); }
    void redo() override { zapis(m_po); }

private:
    void zapis(const nahled::TextyPozice& texty) {
        m_umisteni.umisti(m_vstup, texty);
        m_poZapisu();
    }

    Umisteni& m_umisteni;
    std::size_t m_vstup;
    nahled::TextyPozice m_pred, m_po;
    std::function<void()> m_poZapisu;
};

const QString zahozeno =
    QStringLiteral("Kroky zpět byly zahozeny, protože se formulář od přetažení změnil.");

} // namespace

TazeniTextu::TazeniTextu(PlatnoNahledu* platno, QWidget* okno)
    : QObject(okno), m_platno(platno), m_kroky(new QUndoStack(this)) {
    // The keys check the steps still hold before taking one.
    auto* zpet = new QAction(QStringLiteral("Zpět"), okno);
    zpet->setObjectName(QStringLiteral("Zpet"));
    zpet->setShortcuts(QKeySequence::Undo);
    auto* znovu = new QAction(QStringLiteral("Znovu"), okno);
    znovu->setObjectName(QStringLiteral("ZnovuPresun"));
    // Both keys a person may know answer on every system, whichever one the system itself uses.
    QList<QKeySequence> klavesyZnovu = QKeySequence::keyBindings(QKeySequence::Redo);
    for (const QKeySequence& klavesa :
         {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)})
        if (!klavesyZnovu.contains(klavesa))
            klavesyZnovu.append(klavesa);
    znovu->setShortcuts(klavesyZnovu);
    zpet->setEnabled(false);
    znovu->setEnabled(false);
    connect(m_kroky, &QUndoStack::canUndoChanged, zpet, &QAction::setEnabled);
    connect(m_kroky, &QUndoStack::canRedoChanged, znovu, &QAction::setEnabled);
    connect(zpet, &QAction::triggered, this, [this] { krok(true); });
    connect(znovu, &QAction::triggered, this, [this] { krok(false); });
    okno->addActions({zpet, znovu});

    connect(platno, &PlatnoNahledu::uchopeno, this, &TazeniTextu::uchopeno);
    connect(platno, &PlatnoNahledu::odmitnuto, this, &TazeniTextu::odmitni);
    connect(platno, &PlatnoNahledu::pusteno, this, &TazeniTextu::presun);
}

void TazeniTextu::nastav(Umisteni* umisteni) {
    if (umisteni != m_umisteni)
        m_kroky->clear();
    m_umisteni = umisteni;
    m_puvod.clear();
    if (!umisteni) {
        m_platno->nastavPosouzeni({});
        return;
    }
    m_platno->nastavPosouzeni([this](int radek) {
        const std::optional<Puvod> p = puvod(radek);
        const std::optional<nahled::TextyPozice> texty =
            p ? m_umisteni->poziceVKodu(p->vstup) : std::nullopt;
        if (!texty)
            return PlatnoNahledu::Uchop::Nic;
        return nahled::ProcNelzePosunout(*texty) ? PlatnoNahledu::Uchop::Vysvetli
                                                 : PlatnoNahledu::Uchop::Tahni;
    });
}

void TazeniTextu::nactiPuvod(const std::string& draw) {
    m_puvod = m_umisteni ? m_umisteni->puvodRadku(draw) : std::vector<std::optional<Puvod>>{};
}

std::optional<Puvod> TazeniTextu::puvod(int radek) const {
    if (radek < 1 || static_cast<std::size_t>(radek) > m_puvod.size())
        return std::nullopt;
    return m_puvod[static_cast<std::size_t>(radek - 1)];
}

void TazeniTextu::odmitni(int radek) {
    const std::optional<Puvod> p = puvod(radek);
    if (const auto texty = p ? m_umisteni->poziceVKodu(p->vstup) : std::nullopt)
        if (const auto proc = nahled::ProcNelzePosunout(*texty))
            Q_EMIT zprava(QString::fromStdString(*proc));
}

// The text moves from where the room drew it, which is where the fields stood when the panes
// were generated; what the fields hold now is only what Ctrl+Z brings back.
void TazeniTextu::presun(int radek, QPoint posun) {
    const bool zahodit = zastarale();
    if (zahodit)
        m_kroky->clear();
    const std::optional<Puvod> p = puvod(radek);
    const auto vKodu = p ? m_umisteni->poziceVKodu(p->vstup) : std::nullopt;
    const auto pred = p ? m_umisteni->pozice(p->vstup) : std::nullopt;
    const auto po = vKodu && pred && !posun.isNull() ? nahled::Posun(*vKodu, posun.x(), posun.y())
                                                     : std::nullopt;
    if (po && *po != *pred)
        m_kroky->push(new PresunTextu(*m_umisteni, p->vstup, *pred, *po, [this] { poZapisu(); }));
    Q_EMIT pusteno();
    if (zahodit)
        Q_EMIT zprava(zahozeno);
}

bool TazeniTextu::zastarale() const {
    return m_umisteni && m_kroky->count() > 0 && m_umisteni->zmeny() != m_zmeny;
}

void TazeniTextu::zkontroluj() {
    if (!zastarale())
        return;
    m_kroky->clear();
    Q_EMIT zprava(zahozeno);
}

void TazeniTextu::krok(bool zpet) {
    if (zastarale())
        return zkontroluj();
    zpet ? m_kroky->undo() : m_kroky->redo();
}

void TazeniTextu::poZapisu() {
    m_zmeny = m_umisteni->zmeny();
    Q_EMIT zmeneno();
}
