#include "app/zalozka_generatoru.h"

#include "app/kontrola_stranky.h"
#include "app/ukaz_skript.h"
#include "ui/ovladace.h"
#include "ui/posuvna_plocha.h"

#include <QAbstractScrollArea>
#include <QPushButton>
#include <QVBoxLayout>

ZalozkaGeneratoru::ZalozkaGeneratoru(const QString& titulek, QWidget* rodic)
    : QWidget(rodic), m_titulek(titulek) {}

void ZalozkaGeneratoru::poskladej(QWidget* formular, const char* jmenoTlacitka, int vyskaBloku,
                                  std::initializer_list<PopisPanelu> panely,
                                  generatory::Udalost aktivni,
                                  std::optional<QRect> tlacitkoVeFormulari) {
    m_tlacitko = Tlacitko(tlacitkoVeFormulari ? formular : this, jmenoTlacitka,
                          QStringLiteral("Vygenerovat kód"));
    m_panely = new BlokPanelu(vyskaBloku, panely, aktivni, this);
    m_kontrola = new KontrolaStranky(
        m_panely, [this](const generatory::Vlozeni& pole) { ukazPole(pole); }, this);
    for (const PopisPanelu& panel : panely)
        m_udalosti.push_back(panel.udalost);
    connect(m_tlacitko, &QPushButton::clicked, this, [this] { generuj(); });

    if (tlacitkoVeFormulari)
        m_tlacitko->setGeometry(*tlacitkoVeFormulari);

    auto* rozlozeni = new QVBoxLayout(this);
    rozlozeni->setContentsMargins(0, 0, 0, 0);
    rozlozeni->setSpacing(0);
    // A list scrolls itself; a form of controls at their places scrolls in an area.
    if (qobject_cast<QAbstractScrollArea*>(formular))
        rozlozeni->addWidget(formular, 1);
    else
        rozlozeni->addWidget(new PosuvnaPlocha(formular, this), 1);
    if (!tlacitkoVeFormulari) {
        m_tlacitko->setFixedHeight(32);
        rozlozeni->addWidget(m_tlacitko);
    }
    rozlozeni->addWidget(m_kontrola->radek());
}

bool ZalozkaGeneratoru::ukaz(generatory::Skript&& skript, std::vector<nahled::TextyPozice> pozice) {
    Q_EMIT generovano();
    // One copy for the panes' reading, the preview and the drag's record.
    auto sdileny = std::make_shared<const generatory::Skript>(std::move(skript));
    const bool ukazano = UkazSkript(*sdileny, m_panely, this);
    if (ukazano)
        m_kontrola->zkontroluj(sdileny);
    m_kresby.zapamatuj(std::move(sdileny), std::move(pozice));
    return ukazano;
}

std::shared_ptr<const generatory::Skript> ZalozkaGeneratoru::skriptPanelu() const {
    return m_kontrola->skriptPanelu();
}
