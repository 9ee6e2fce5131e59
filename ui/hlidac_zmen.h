#pragma once

// Counts the changes a person makes to a form: a text typed into any of its fields or boxes, a
// row of a list added, changed or removed, a code pane filled or cleared, a button pressed.
// The form's own writes on someone else's behalf happen in silence and are not counted, nor is
// what the program reports beside the form.

#include <QObject>

#include <cstdint>

class QWidget;

class HlidacZmen : public QObject {
    Q_OBJECT
public:
    // Watches the controls `formular` holds now.
    explicit HlidacZmen(QWidget* formular);

    std::uint64_t pocet() const { return m_pocet; }

    // While one lives, changes are not counted.
    class Ticho {
    public:
        explicit Ticho(HlidacZmen& hlidac) : m_hlidac(hlidac) { ++m_hlidac.m_ticho; }
        ~Ticho() { --m_hlidac.m_ticho; }
        Ticho(const Ticho&) = delete;
        Ticho& operator=(const Ticho&) = delete;

    private:
        HlidacZmen& m_hlidac;
    };

private:
    void zmena();

    std::uint64_t m_pocet = 0;
    int m_ticho = 0;
};
