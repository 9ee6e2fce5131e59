#include "funkcni_panel.h"

#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

FunkcniPanel::FunkcniPanel(QWidget* rodic) : QWidget(rodic) {
    setObjectName(QStringLiteral("sPanel2"));

    m_hledani = new QLineEdit(this);
    m_hledani->setObjectName(QStringLiteral("Edit1"));
    m_hledani->setFixedHeight(21);

    m_seznam = new QListWidget(this);
    m_seznam->setObjectName(QStringLiteral("sListBox1"));

    // A one-pixel border around the list leaves it 160 wide in the 162-wide panel.
    auto* rozlozeni = new QVBoxLayout(this);
    rozlozeni->setContentsMargins(1, 0, 1, 1);
    rozlozeni->setSpacing(0);
    rozlozeni->addWidget(m_hledani);
    rozlozeni->addWidget(m_seznam, 1);
}
