#include "app/posledni_kresby.h"

#include <algorithm>

namespace {

// The text of a pane holding these lines.
bool drziRadky(const std::string& text, const std::vector<std::string>& radky) {
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

} // namespace

void PosledniKresby::Zapamatuj(Skript&& skript) {
    if (skript.odmitnuti)
        return;
    // A line break inside a line would shift every later line's number in the preview.
    const bool zlomene = std::any_of(skript.draw.begin(), skript.draw.end(), [](const auto& r) {
        return r.find('\n') != std::string::npos;
    });
    m_radky = std::move(skript.draw);
    m_puvod = zlomene ? std::vector<std::optional<Puvod>>{} : std::move(skript.puvod);
}

std::vector<std::optional<Puvod>> PosledniKresby::PuvodRadku(const std::string& draw) const {
    return drziRadky(draw, m_radky) ? m_puvod : std::vector<std::optional<Puvod>>{};
}
