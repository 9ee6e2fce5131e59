#include "app/psaci_stroj.h"

#include <QTextBoundaryFinder>

PsaciStroj::PsaciStroj(const QString& text) : m_text(text) {
    QTextBoundaryFinder hranice(QTextBoundaryFinder::Grapheme, m_text);
    for (qsizetype konec = hranice.toNextBoundary(); konec > 0; konec = hranice.toNextBoundary())
        m_konce << konec;
}

QString PsaciStroj::tik() {
    if (m_zobrazeno < delka()) {
        ++m_zobrazeno;
        return m_text.left(m_konce[m_zobrazeno - 1]);
    }
    m_zobrazeno = 0;
    return {};
}
