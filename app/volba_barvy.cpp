#include "app/volba_barvy.h"

#include "generators/slovnik.h"
#include "ui/ovladace.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>

VolbaBarvy::VolbaBarvy(QWidget* rodic, const QString& jmenoBoxu, const QString& jmenoVzorku,
                       const QString& text, QPoint poloha, int vrchVzorku) {
    QStringList jmena;
    for (const Barva& b : Barvy())
        jmena << QString::fromLatin1(b.jmeno.data(), static_cast<qsizetype>(b.jmeno.size()));
    m_box = UpravitelnyBox(rodic, qPrintable(jmenoBoxu), jmena, text,
                           QRect(poloha.x(), poloha.y(), 121, 21));

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
    if (const Barva* barva = NajdiBarvu(jmeno.toStdString())) {
        m_stetec = QColor(barva->r, barva->g, barva->b);
        // A screen reader cannot see the swatch, so it says which colour it shows.
        m_vzorek->setAccessibleName(QStringLiteral("Vzorek barvy %1").arg(jmeno));
        m_vzorek->setAccessibleDescription(QStringLiteral("červená %1, zelená %2, modrá %3")
                                               .arg(barva->r)
                                               .arg(barva->g)
                                               .arg(barva->b));
    }

    QPixmap obraz(m_vzorek->size());
    QPainter malir(&obraz);
    malir.setPen(QPen(Qt::black, 0));
    malir.setBrush(m_stetec);
    malir.drawRect(0, 0, obraz.width() - 1, obraz.height() - 1);
    malir.end();
    m_vzorek->setPixmap(obraz);
}

void VolbaBarvy::hlidej() {
    if (!NajdiBarvu(m_box->currentText().toStdString()))
        m_box->setEditText(m_jmeno);
}

void VolbaBarvy::zadej(const QString& jmeno) {
    m_box->setEditText(jmeno);
    if (NajdiBarvu(jmeno.toStdString()))
        vyber();
    else
        hlidej();
}

void VolbaBarvy::vyber() {
    nastavJmeno(m_box->currentText());
}

void VolbaBarvy::umistiVzorek() {
    m_vzorek->move(m_box->x() - 25, m_vzorek->y());
}
