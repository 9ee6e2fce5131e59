#include "app/funkcni_panel.h"

#include "app/seznam_funkci.h"

#include <QLineEdit>
#include <QVBoxLayout>

FunkcniPanel::FunkcniPanel(QWidget* rodic) : QWidget(rodic) {
    setObjectName(QStringLiteral("sPanel2"));

    m_hledani = new QLineEdit(this);
    m_hledani->setObjectName(QStringLiteral("Edit1"));
    m_hledani->setFixedHeight(21);
    m_hledani->setMaxLength(NejdelsiHledani);
    m_hledani->setAccessibleName(QStringLiteral("Hledat funkci"));
    m_hledani->setAccessibleDescription(
        QStringLiteral("V seznamu funkcí vybere první název, který začíná zadaným textem."));
    connect(m_hledani, &QLineEdit::textChanged, this, &FunkcniPanel::Edit1Change);

    m_seznam = new SeznamFunkci(this);
    m_seznam->setAccessibleName(QStringLiteral("Funkce"));

    // A one-pixel border around the list leaves it 160 wide in the 162-wide panel. The field
    // stays on top when the list is hidden.
    auto* rozlozeni = new QVBoxLayout(this);
    rozlozeni->setContentsMargins(1, 0, 1, 1);
    rozlozeni->setSpacing(0);
    rozlozeni->addWidget(m_hledani, 0, Qt::AlignTop);
    rozlozeni->addWidget(m_seznam, 1);
}

// An empty text matches every name, so it selects the first.
void FunkcniPanel::Edit1Change() {
    m_seznam->vyber(PrvniSPredponou(m_seznam->nazvy(), m_hledani->text()));
}
