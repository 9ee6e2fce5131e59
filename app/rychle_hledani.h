#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// Row of the first name that begins with `predpona`, ignoring case.
std::optional<int> PrvniSPredponou(const QStringList& nazvy, const QString& predpona);

// Type-ahead in the function list: characters typed in quick succession build a prefix, and
// the first name from the top that begins with it is chosen. Unlike the view's own keyboard
// search it always starts from the top, never wraps, and lets Backspace shorten the prefix.
class RychleHledani {
public:
    // Milliseconds from any fixed start; tests drive it by hand.
    using Hodiny = std::function<qint64()>;

    static constexpr qint64 Prodleva = 500;

    explicit RychleHledani(Hodiny hodiny);

    // Each returns the row to select, or nothing when the selection stays as it is.
    std::optional<int> znak(const QString& znak, const QStringList& nazvy);
    std::optional<int> backspace(const QStringList& nazvy);

    const QString& predpona() const { return m_predpona; }

private:
    Hodiny m_hodiny;
    QString m_predpona;
    std::optional<qint64> m_posledni;
};
