#pragma once

// Which form fields wrote into each line of an event, and at which bytes of the line.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace generatory {

// A field of a tab's form, named by its tab.
enum class Pole {
    MenuPocet,
    MenuText,
    MenuX,
    MenuY,
    MenuAkce,
    NastaveniNazev,
    NastaveniX,
    NastaveniY,
    NastaveniHodnota,
    NastaveniAkce,
    HighskoreNick,
    HighskoreSkore,
    TitulkyText,
    TitulkySmer,
    TitulkyBarvaPozice,
    TitulkyBarvaOsob,
    TitulkyPismo, // the font switch, which adds a line per node of its kind
    TitulkyNazevPisma,
    TitulkyVelikostPisma,
    TitulkyTucne,
    TitulkyKurziva,
};

// Where a field's text, or what the generator made of it, stands in one line. In 32 bits, which
// halve the record: a form holds far fewer rows, and a line far fewer bytes, than 4 billion.
struct Vlozeni {
    Pole pole;
    // The menu row, settings entry, highscore row or credits node, from 0; for a font field 0
    // is the positions' font and 1 the persons'; 0 for the tab's other single fields.
    std::uint32_t vstup = 0;
    // Which of a settings entry's ";"-separated values or actions, from 0.
    std::uint32_t kus = 0;
    std::uint32_t zacatek = 0, delka = 0; // bytes in the line
    bool operator==(const Vlozeni&) const = default;
};

// The fields of every line of one event, none for fixed text. They share one block: a large
// form writes tens of thousands of lines, and a block per line costs more to allocate and free
// than the line takes to write.
class PuvodRadku {
public:
    std::size_t size() const { return m_konce.size(); }
    std::span<const Vlozeni> operator[](std::size_t radek) const {
        const std::size_t od = radek == 0 ? 0 : m_konce[radek - 1];
        return {m_vlozeni.data() + od, m_konce[radek] - od};
    }

    void pridej(std::span<const Vlozeni> radek) {
        m_vlozeni.insert(m_vlozeni.end(), radek.begin(), radek.end());
        m_konce.push_back(m_vlozeni.size());
    }
    void rezervuj(std::size_t radku, std::size_t vlozeni) {
        m_konce.reserve(m_konce.size() + radku);
        m_vlozeni.reserve(m_vlozeni.size() + vlozeni);
    }

private:
    std::vector<Vlozeni> m_vlozeni;
    std::vector<std::size_t> m_konce; // where each line's fields end in m_vlozeni
};

} // namespace generatory
