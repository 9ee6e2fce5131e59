#include "app/volba_barvy.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>

#include <array>

namespace {

struct BarvaTabulky {
    const char* jmeno;
    QRgb rgb;
};

// The grey names show the swatch colours of their synonyms: dark grey as grey, light grey as
// silver.
constexpr std::array<BarvaTabulky, 18> tabulka{{
    {"c_aqua", qRgb(0, 255, 255)},
    {"c_black", qRgb(0, 0, 0)},
    {"c_blue", qRgb(0, 0, 255)},
    {"c_dkgray", qRgb(128, 128, 128)},
    {"c_fuchsia", qRgb(255, 0, 255)},
    {"c_gray", qRgb(128, 128, 128)},
    {"c_green", qRgb(0, 128, 0)},
    {"c_lime", qRgb(0, 255, 0)},
    {"c_ltgray", qRgb(192, 192, 192)},
    {"c_maroon", qRgb(128, 0, 0)},
    {"c_navy", qRgb(0, 0, 128)},
    {"c_olive", qRgb(128, 128, 0)},
    {"c_purple", qRgb(128, 0, 128)},
    {"c_red", qRgb(255, 0, 0)},
    {"c_silver", qRgb(192, 192, 192)},
    {"c_teal", qRgb(0, 128, 128)},
    {"c_white", qRgb(255, 255, 255)},
    {"c_yellow", qRgb(255, 255, 0)},
}};

const BarvaTabulky* najdiBarvu(const QString& jmeno) {
    for (const BarvaTabulky& b : tabulka)
        if (jmeno == QLatin1String(b.jmeno))
            return &b;
    return nullptr;
}

} // namespace

VolbaBarvy::VolbaBarvy(QWidget* rodic, const QString& jmenoBoxu, const QString& jmenoVzorku,
                       const QString& text, QPoint poloha, int vrchVzorku) {
    m_box = new QComboBox(rodic);
    m_box->setObjectName(jmenoBoxu);
    m_box->setEditable(true);
    m_box->setInsertPolicy(QComboBox::NoInsert);
    m_box->setCompleter(nullptr);
    m_box->setMaxVisibleItems(18);
    for (const BarvaTabulky& b : tabulka)
        m_box->addItem(QLatin1String(b.jmeno));
    m_box->setCurrentIndex(-1);
    m_box->setEditText(text);
    m_box->setGeometry(poloha.x(), poloha.y(), 121, 21);

    m_vzorek = new QLabel(rodic);
    m_vzorek->setObjectName(jmenoVzorku);
    m_vzorek->setGeometry(poloha.x() - 25, vrchVzorku, 18, 21);
    m_vzorek->setPixmap(QPixmap(18, 21));
}

QString VolbaBarvy::text() const {
    return m_box->currentText();
}

void VolbaBarvy::nastavJmeno(const QString& jmeno) {
    m_jmeno = jmeno;
    if (const BarvaTabulky* barva = najdiBarvu(jmeno))
        m_stetec = QColor::fromRgb(barva->rgb);

    QPixmap obraz(m_vzorek->size());
    QPainter malir(&obraz);
    malir.setPen(QPen(Qt::black, 0));
    malir.setBrush(m_stetec);
    malir.drawRect(0, 0, obraz.width() - 1, obraz.height() - 1);
    malir.end();
    m_vzorek->setPixmap(obraz);
}

void VolbaBarvy::hlidej() {
    if (!najdiBarvu(m_box->currentText()))
        m_box->setEditText(m_jmeno);
}

void VolbaBarvy::vyber() {
    nastavJmeno(m_box->currentText());
}

void VolbaBarvy::umistiVzorek() {
    m_vzorek->move(m_box->x() - 25, m_vzorek->y());
}
