#pragma once

// An event's lines as one text, the way a pane holds them: a line break between lines, none
// after the last.

#include <cstddef>
#include <string>
#include <vector>

namespace generatory {

inline std::string SpojRadky(const std::vector<std::string>& radky) {
    std::size_t delka = 0;
    for (const std::string& radek : radky)
        delka += radek.size() + 1;
    std::string text;
    text.reserve(delka);
    for (std::size_t i = 0; i < radky.size(); ++i) {
        if (i > 0)
            text += '\n';
        text += radky[i];
    }
    return text;
}

} // namespace generatory
