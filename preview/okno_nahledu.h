#pragma once

// The preview window: runs the script of one tab's panes in the room, 30 steps a second,
// lists the actions that fired, the errors and the variables read before anything set them,
// and lets the author give those variables values for the next run. On a tab whose texts stand
// where its fields put them, dragging a text writes its new place into the fields.

#include "generators/skript.h"
#include "preview/mistnost.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <unordered_set>

class PlatnoNahledu;
class QListWidget;
class QPushButton;
class QTableWidget;
class QTimer;
class TazeniTextu;
class Umisteni;

class OknoNahledu : public QWidget {
    Q_OBJECT
public:
    // Reads the panes of the previewed tab anew at every start.
    using Zdroj = std::function<nahled::Skripty()>;
    // The script the tab's generator last wrote, with the fields behind its lines, while the
    // panes hold exactly that script; nullptr otherwise.
    using PuvodSkriptu = std::function<std::shared_ptr<const generatory::Skript>()>;

    explicit OknoNahledu(QWidget* rodic = nullptr);
    ~OknoNahledu() override;

    // Previews this tab from Create on; a drop writes into the fields of `umisteni`, if any, and
    // errors on lines a field wrote are told in the form's words when `puvod` knows them.
    void nastav(const QString& nazevZalozky, Zdroj zdroj, Umisteni* umisteni = nullptr,
                PuvodSkriptu puvod = {});
    const nahled::Mistnost* mistnost() const { return m_mistnost.get(); }

public Q_SLOTS:
    void ZnovuClick();
    void PozastavitClick();
    void krok();

protected:
    void changeEvent(QEvent* udalost) override;
    void keyPressEvent(QKeyEvent* udalost) override;

private:
    void pridejZpravu(const QString& text, bool chyba = false);
    void pridejZpravy();
    void zacniZnovuAUkaz();
    void doplnPromenne();
    nahled::ZadaneHodnoty zadaneHodnoty() const;

    Zdroj m_zdroj;
    PuvodSkriptu m_puvod;
    std::shared_ptr<const generatory::Skript> m_skript;
    std::unique_ptr<nahled::Mistnost> m_mistnost;
    std::set<int> m_stisknute;
    PlatnoNahledu* m_platno;
    QPushButton* m_znovu;
    QPushButton* m_pozastavit;
    QTableWidget* m_promenne;
    // The names the table holds, and how many of the room's unset names it has looked at.
    std::unordered_set<std::string> m_vTabulce;
    std::size_t m_prectenoPromennych = 0;
    QListWidget* m_zpravy;
    QTimer* m_casovac;
    TazeniTextu* m_tazeni;
    bool m_beziloPredTahem = false;
};
