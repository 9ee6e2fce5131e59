#include "app/posledni_kresby.h"

#include <algorithm>

bool DrziRadky(const std::string& text, const std::vector<std::string>& radky) {
    std::size_t i = 0;
    for (std::size_t r = 0; r < radky.size(); ++r) {
        if (r > 0 && (i == text.size() || text[i++] != '\n'))
            return false;
        if (text.compare(i, radky[r].size(), radky[r]) != 0)
            return false;
        i += radky[r].size();
    }
    return i == text.size();
}

void PosledniKresby::zapamatuj(std::shared_ptr<const generatory::Skript> skript,
                               std::vector<nahled::TextyPozice> pozice) {
    if (skript->odmitnuti)
        return;
    m_pozice = std::move(pozice);
    // The preview numbers the pane's lines, and a text holding a line break spans more than one:
    // its drawing counts from the line the call starts on, and every later line moves down.
    m_puvod.clear();
    for (std::size_t r = 0; r < skript->draw.size(); ++r) {
        m_puvod.push_back(r < skript->puvod.size() ? skript->puvod[r] : std::nullopt);
        m_puvod.insert(m_puvod.end(),
                       std::count(skript->draw[r].begin(), skript->draw[r].end(), '\n'),
                       std::nullopt);
    }
    m_skript = std::move(skript);
}

std::vector<std::optional<generatory::Puvod>>
PosledniKresby::puvodRadku(const std::string& draw) const {
    return m_skript && DrziRadky(draw, m_skript->draw)
               ? m_puvod
               : std::vector<std::optional<generatory::Puvod>>{};
}

std::optional<nahled::TextyPozice> PosledniKresby::pozice(std::size_t vstup) const {
    if (vstup >= m_pozice.size())
        return std::nullopt;
    return m_pozice[vstup];
}
