#include "generators/ctene_pole.h"

#include "generators/rozdil_mezer.h"
#include "generators/ukazka.h"

#include <algorithm>
#include <charconv>
#include <cstring>

namespace generatory {

namespace {

// Most pieces are a few characters long, too short to be worth a call to memcmp.
bool zacinaNa(std::string_view text, std::string_view zacatek) {
    if (text.size() < zacatek.size())
        return false;
    if (zacatek.size() > 16)
        return std::memcmp(text.data(), zacatek.data(), zacatek.size()) == 0;
    for (std::size_t i = 0; i < zacatek.size(); ++i)
        if (text[i] != zacatek[i])
            return false;
    return true;
}

bool jePrazdny(std::string_view radek) {
    return BezMezerNaKonci(radek).empty();
}

} // namespace

std::string_view BezMezerNaKonci(std::string_view radek) {
    std::size_t delka = radek.size();
    while (delka > 0 && JeMezera(radek[delka - 1]))
        --delka;
    return radek.substr(0, delka);
}

CisloText::CisloText(long long cislo) {
    m_delka = static_cast<std::size_t>(std::to_chars(m_znaky, m_znaky + sizeof m_znaky, cislo).ptr -
                                       m_znaky);
}

CtenePole::CtenePole(Udalost udalost, std::string_view text,
                     std::optional<OdmitnutiCteni>& odmitnuti)
    : m_udalost(udalost), m_text(text), m_odmitnuti(odmitnuti) {
    std::size_t konec = text.size();
    while (konec > 0 &&
           (JeMezera(text[konec - 1]) || text[konec - 1] == '\n' || text[konec - 1] == '\r'))
        --konec;
    m_konecObsahu = konec;
    // Lines that end in a lone CR need a slower search; CRLF and LF are found by LF alone.
    for (std::size_t cr = text.find('\r'); cr != std::string_view::npos;
         cr = text.find('\r', cr + 1))
        if (cr + 1 == text.size() || text[cr + 1] != '\n')
            m_samotneCR = true;
}

void CtenePole::najdiRadek() const {
    const std::size_t zacatek = std::min(m_zacatek, m_text.size());
    std::size_t konec = zacatek;
    if (m_samotneCR) {
        while (konec < m_text.size() && m_text[konec] != '\n' && m_text[konec] != '\r')
            ++konec;
    } else {
        const void* lf = std::memchr(m_text.data() + zacatek, '\n', m_text.size() - zacatek);
        konec = lf ? static_cast<std::size_t>(static_cast<const char*>(lf) - m_text.data())
                   : m_text.size();
        if (konec > zacatek && m_text[konec - 1] == '\r')
            --konec;
    }
    // Blanks at a line's start change nothing the script does, and re-indenting puts them there.
    m_radek = BezMezerNaZacatku(m_text.substr(zacatek, konec - zacatek));
    m_odsazeny = m_radek.size() != konec - zacatek;
    m_najdeny = true;
    m_dalsi = konec;
    if (konec < m_text.size())
        m_dalsi +=
            m_text[konec] == '\r' && konec + 1 < m_text.size() && m_text[konec + 1] == '\n' ? 2 : 1;
}

std::string_view CtenePole::vezmi() {
    m_posledni = radek();
    ++m_cislo;
    m_zacatek = m_dalsi;
    m_najdeny = false;
    return m_posledni;
}

bool CtenePole::vezmiPresne(std::string_view radek) {
    // The common case of the reader's own check: the line and its LF, found without a search.
    const std::size_t za = m_zacatek + radek.size();
    if (!m_najdeny && ok() && za < m_text.size() && m_text[za] == '\n' &&
        m_text.compare(m_zacatek, radek.size(), radek) == 0) {
        m_posledni = BezMezerNaZacatku(m_text.substr(m_zacatek, radek.size()));
        ++m_cislo;
        m_zacatek = za + 1;
        return true;
    }
    return ocekavej({radek});
}

void CtenePole::spoj(std::string& cil, Kusy kusy) {
    cil.clear();
    for (std::string_view kus : kusy)
        cil.append(kus);
}

bool CtenePole::je(Kusy kusy) const {
    if (!naKonci()) {
        // Piece by piece first, without copying; only a line that differs is joined to be sure.
        const std::string_view radek = BezMezerNaKonci(this->radek());
        std::size_t pozice = 0;
        bool sedi = true;
        for (std::string_view kus : kusy) {
            if (pozice == 0)
                kus = BezMezerNaZacatku(kus);
            if (!zacinaNa(radek.substr(pozice), kus)) {
                sedi = false;
                break;
            }
            pozice += kus.size();
        }
        if (sedi && pozice == radek.size())
            return true;
    }
    spoj(m_ocekavany, kusy);
    if (naKonci())
        return jePrazdny(m_ocekavany);
    return BezMezerNaKonci(radek()) == BezMezerNaKonci(BezMezerNaZacatku(m_ocekavany));
}

bool CtenePole::ocekavej(Kusy kusy) {
    if (!ok())
        return false;
    if (!je(kusy)) {
        spoj(m_ocekavany, kusy);
        odmitni("řádek neodpovídá formuláři.", m_ocekavany);
        return false;
    }
    if (m_zacatek < m_text.size())
        vezmi();
    return true;
}

std::optional<std::string_view> CtenePole::mezi(Kusy zacatek, Kusy konec, Kusy tvar) {
    if (!ok())
        return std::nullopt;
    spoj(m_ocekavany, zacatek);
    spoj(m_konec, konec);
    const std::string_view pevny = BezMezerNaZacatku(m_ocekavany);
    const std::string_view radek = BezMezerNaKonci(this->radek());
    if (naKonci() || radek.size() < pevny.size() + m_konec.size() || !radek.starts_with(pevny) ||
        !radek.ends_with(m_konec)) {
        odmitniTvarNeboMezery(tvar, m_konec);
        return std::nullopt;
    }
    vezmi();
    return radek.substr(pevny.size(), radek.size() - pevny.size() - m_konec.size());
}

std::optional<std::string_view> CtenePole::zbytek(Kusy zacatek, Kusy tvar) {
    if (!ok())
        return std::nullopt;
    spoj(m_ocekavany, zacatek);
    const std::string_view pevny = BezMezerNaZacatku(m_ocekavany);
    if (naKonci() || !radek().starts_with(pevny)) {
        odmitniTvarNeboMezery(tvar, {});
        return std::nullopt;
    }
    return vezmi().substr(pevny.size());
}

void CtenePole::ocekavejKonec() {
    if (ok() && !naKonci())
        odmitni("řádek navíc: formulář tu už nic nepíše.");
}

std::optional<std::string_view> CtenePole::nalezeny() const {
    return naKonci() ? std::nullopt : std::optional(radek());
}

void CtenePole::odmitni(std::string_view duvod, std::optional<std::string_view> ocekavany) {
    odmitniNa(m_cislo, nalezeny(), duvod, ocekavany, {});
}

void CtenePole::odmitniTvarNeboMezery(Kusy tvar, std::string_view konec) {
    if (!naKonci())
        if (const auto cely = SMezeramiFormulare(BezMezerNaKonci(radek()), m_ocekavany, konec))
            return odmitni("řádek neodpovídá formuláři.", *cely);
    odmitniTvar(tvar);
}

void CtenePole::odmitniTvar(Kusy tvar) {
    std::string text;
    spoj(text, tvar);
    odmitniNa(m_cislo, nalezeny(), "řádek nemá tvar, který tu formulář píše.", {}, text);
}

void CtenePole::odmitniPosledniTvar(Kusy tvar) {
    std::string text;
    spoj(text, tvar);
    odmitniNa(cisloPosledniho(), m_posledni, "řádek nemá tvar, který tu formulář píše.", {}, text);
}

void CtenePole::odmitniZpravou(std::string zprava) {
    if (ok())
        m_odmitnuti = OdmitnutiCteni{std::move(zprava), m_udalost, m_cislo};
}

void CtenePole::odmitniRadek(std::size_t cislo, std::string_view radek, std::string_view duvod,
                             std::optional<std::string_view> ocekavany) {
    odmitniNa(cislo, radek, duvod, ocekavany, {});
}

void CtenePole::odmitniPosledni(std::string_view duvod, std::optional<std::string_view> ocekavany) {
    odmitniNa(cisloPosledniho(), m_posledni, duvod, ocekavany, {});
}

void CtenePole::odmitniNa(std::size_t cislo, std::optional<std::string_view> nalezeny,
                          std::string_view duvod, std::optional<std::string_view> ocekavany,
                          std::optional<std::string_view> tvar) {
    if (!ok())
        return;
    const std::string udalost(TitulekUdalosti(m_udalost));
    std::string zprava;
    const auto mezery =
        nalezeny && ocekavany
            ? JenMezery(BezMezerNaKonci(*nalezeny), BezMezerNaKonci(BezMezerNaZacatku(*ocekavany)))
            : std::nullopt;
    if (mezery)
        zprava = udalost + ", řádek " + std::to_string(cislo) +
                 ": řádek se od formuláře liší jen mezerami (· je mezera, → tabulátor)." +
                 "\nNalezeno: „" + Ukazka(mezery->nalezeny) + "“\nFormulář by tu napsal: „" +
                 Ukazka(mezery->ocekavany) + "“";
    else if (nalezeny)
        zprava = udalost + ", řádek " + std::to_string(cislo) + ": " + std::string(duvod) +
                 "\nNalezeno: „" + Ukazka(*nalezeny) + "“";
    else if (cislo == 1)
        zprava = "Pole " + udalost + " je prázdné.";
    else
        zprava = udalost + ", řádek " + std::to_string(cislo) +
                 ": tady vložený kód končí, ale formulář píše dál.";
    if (ocekavany && !mezery)
        zprava += "\nFormulář by tu napsal: „" + Ukazka(BezMezerNaZacatku(*ocekavany)) + "“";
    if (tvar)
        zprava += "\nFormulář tu píše řádek tvaru: „" + Ukazka(*tvar) + "“";
    m_odmitnuti = OdmitnutiCteni{std::move(zprava), m_udalost, cislo};
}

} // namespace generatory
