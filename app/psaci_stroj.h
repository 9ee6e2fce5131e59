#pragma once

#include <QList>
#include <QString>

// The footer's typewriter: each tick shows one more character of the text, then one tick of
// nothing, then starts over. Characters are what the reader sees as one, so a letter with an
// accent or one outside the Basic Multilingual Plane never shows by halves.
class PsaciStroj {
public:
    explicit PsaciStroj(const QString& text);

    // Advances one tick and returns what the footer shows now.
    QString tik();
    void vynuluj() { m_zobrazeno = 0; }

    const QString& text() const { return m_text; }
    int delka() const { return static_cast<int>(m_konce.size()); }
    int zobrazeno() const { return m_zobrazeno; }

private:
    QString m_text;
    QList<qsizetype> m_konce; // where each character ends, in UTF-16 units
    int m_zobrazeno = 0;
};
