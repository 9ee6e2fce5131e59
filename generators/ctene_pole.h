#pragma once

// One pasted event, read line by line in the order the generator writes it. Lines end at CRLF,
// CR or LF; blanks at a line's start and end and empty lines at the text's end are forgiven. The
// first line that does not fit stops the whole reading: the refusal is stored in the slot shared by
// all events of one paste, and every later call on any of them does nothing.

#include "generators/cteni_skriptu.h"
#include "generators/udalost.h"

#include <cstddef>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace generatory {

using Kusy = std::initializer_list<std::string_view>;

class CtenePole {
public:
    CtenePole(Udalost udalost, std::string_view text, std::optional<OdmitnutiCteni>& odmitnuti);

    bool ok() const { return !m_odmitnuti; }
    // Only blank lines remain.
    bool naKonci() const { return m_zacatek >= m_konecObsahu; }
    // The next line as pasted, without its line ending and the blanks at its start; empty at the
    // end.
    std::string_view radek() const {
        if (!m_najdeny)
            najdiRadek();
        return m_radek;
    }
    std::size_t cislo() const { return m_cislo; }
    // The next line starts with blanks, which radek() leaves out.
    bool odsazeny() const {
        radek();
        return m_odsazeny;
    }
    // The last line taken, and its number.
    std::string_view posledni() const { return m_posledni; }
    std::size_t cisloPosledniho() const { return m_cislo - 1; }

    // Whether the next line is the pieces joined; takes nothing.
    bool je(Kusy kusy) const;
    // Takes the next line, which must be the pieces joined.
    bool ocekavej(Kusy kusy);
    // Takes the next line, which must start with one and end with the other; gives the middle.
    // The shape, joined only for a refusal, shows the author what the line should look like.
    std::optional<std::string_view> mezi(Kusy zacatek, Kusy konec, Kusy tvar);
    // Takes the next line, which must start with the pieces; gives the rest as pasted.
    std::optional<std::string_view> zbytek(Kusy zacatek, Kusy tvar);
    // Takes the next line, which must be this one; faster than ocekavej where it is.
    bool vezmiPresne(std::string_view radek);
    // Takes the next line whatever it holds.
    std::string_view vezmi();
    // Nothing but blank lines may remain.
    void ocekavejKonec();

    // Refuse at the next line, or at the last line taken, naming the line the form would write
    // there when there is one, or only the shape of such a line.
    void odmitni(std::string_view duvod, std::optional<std::string_view> ocekavany = {});
    void odmitniTvar(Kusy tvar);
    void odmitniPosledni(std::string_view duvod, std::optional<std::string_view> ocekavany = {});
    void odmitniPosledniTvar(Kusy tvar);
    // Refuse at the next line with a message of its own.
    void odmitniZpravou(std::string zprava);
    // Refuse at a line taken earlier.
    void odmitniRadek(std::size_t cislo, std::string_view radek, std::string_view duvod,
                      std::optional<std::string_view> ocekavany = {});

private:
    void najdiRadek() const;
    // Where the next line is the start last asked for and `konec` with other blanks, names the
    // line the form would write, so that the message can show the blanks, instead of the shape.
    void odmitniTvarNeboMezery(Kusy tvar, std::string_view konec);
    std::optional<std::string_view> nalezeny() const;
    void odmitniNa(std::size_t cislo, std::optional<std::string_view> nalezeny,
                   std::string_view duvod, std::optional<std::string_view> ocekavany,
                   std::optional<std::string_view> tvar);
    static void spoj(std::string& cil, Kusy kusy);

    Udalost m_udalost;
    std::string_view m_text;
    std::optional<OdmitnutiCteni>& m_odmitnuti;
    std::size_t m_zacatek = 0; // of the next line
    // The next line is found when first asked for.
    mutable bool m_najdeny = false;
    mutable std::string_view m_radek;
    mutable bool m_odsazeny = false;
    mutable std::size_t m_dalsi = 0; // start of the line after it
    std::size_t m_konecObsahu = 0;   // one past the last character that is no blank
    std::size_t m_cislo = 1;
    bool m_samotneCR = false;
    std::string_view m_posledni;
    mutable std::string m_ocekavany, m_konec;
};

// Plain decimal text of a number, without allocating.
class CisloText {
public:
    explicit CisloText(long long cislo);
    operator std::string_view() const { return {m_znaky, m_delka}; }

private:
    char m_znaky[24];
    std::size_t m_delka;
};

std::string_view BezMezerNaKonci(std::string_view radek);

} // namespace generatory
