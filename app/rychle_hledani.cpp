#include "app/rychle_hledani.h"

#include <utility>

std::optional<int> PrvniSPredponou(const QStringList& nazvy, const QString& predpona) {
    for (int i = 0; i < nazvy.size(); ++i)
        if (nazvy[i].startsWith(predpona, Qt::CaseInsensitive))
            return i;
    return std::nullopt;
}

RychleHledani::RychleHledani(Hodiny hodiny) : m_hodiny(std::move(hodiny)) {}

std::optional<int> RychleHledani::znak(const QString& znak, const QStringList& nazvy) {
    const qint64 ted = m_hodiny();
    if (!m_posledni || ted - *m_posledni >= Prodleva)
        m_predpona.clear();
    m_posledni = ted;
    m_predpona += znak;
    return PrvniSPredponou(nazvy, m_predpona);
}

// Backspace edits the prefix as it stands, however long ago the last key was.
std::optional<int> RychleHledani::backspace(const QStringList& nazvy) {
    m_posledni = m_hodiny();
    const qsizetype delka = m_predpona.size();
    const bool dvojice = delka >= 2 && m_predpona[delka - 1].isLowSurrogate() &&
                         m_predpona[delka - 2].isHighSurrogate();
    m_predpona.chop(dvojice ? 2 : 1);
    // An empty prefix matches the first name.
    return PrvniSPredponou(nazvy, m_predpona);
}
