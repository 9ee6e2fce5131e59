#pragma once

// One colour option of the credits: the editable colour box, its swatch and the name last
// picked from the box's list. Typing can only leave a listed name in the box; the swatch and
// the remembered name follow picks alone.

#include <QColor>
#include <QPoint>
#include <QString>

class QComboBox;
class QLabel;
class QWidget;

class VolbaBarvy {
public:
    VolbaBarvy(QWidget* rodic, const QString& jmenoBoxu, const QString& jmenoVzorku,
               const QString& text, QPoint poloha, int vrchVzorku);

    QComboBox* box() const { return m_box; }
    QString text() const;

    // Remembers the name and paints the swatch with its colour from the table.
    void nastavJmeno(const QString& jmeno);
    // A text that is no listed name is replaced by the remembered one.
    void hlidej();
    // As if the name were typed into the box and, when it is a listed one, picked.
    void zadej(const QString& jmeno);
    void vyber();
    void umistiVzorek();

private:
    QComboBox* m_box;
    QLabel* m_vzorek;
    QColor m_stetec = Qt::white;
    QString m_jmeno;
};
