#pragma once

// A fixed table of names, looked up by the parser for nearly every name it reads: keywords,
// constants, built-ins. Open addressing in a power-of-two array, so a lookup is a hash of a few
// characters, a mask and one or two comparisons, with no division and no list to follow.

#include <bit>
#include <cstdint>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

namespace nahled {

template <typename T> class TabulkaJmen {
public:
    explicit TabulkaJmen(const std::vector<std::pair<std::string_view, T>>& polozky)
        : m_mista(std::bit_ceil(polozky.size() * 4 + 1)) {
        for (const auto& [jmeno, hodnota] : polozky) {
            std::size_t i = hash(jmeno) & maska();
            while (m_mista[i] && m_mista[i]->first != jmeno)
                i = (i + 1) & maska();
            m_mista[i].emplace(jmeno, hodnota);
        }
    }

    const T* najdi(std::string_view jmeno) const {
        for (std::size_t i = hash(jmeno) & maska(); m_mista[i]; i = (i + 1) & maska())
            if (m_mista[i]->first == jmeno)
                return &m_mista[i]->second;
        return nullptr;
    }

private:
    // From the length and three characters, whatever the name's length: the tables' names differ
    // there nearly always, and the few that do not cost a comparison more.
    static std::size_t hash(std::string_view jmeno) {
        if (jmeno.empty())
            return 0;
        const auto z = [&jmeno](std::size_t i) { return static_cast<unsigned char>(jmeno[i]); };
        const std::uint64_t h =
            ((z(0) * 131u + z(jmeno.size() - 1)) * 131u + z(jmeno.size() / 2)) * 131u +
            jmeno.size();
        return static_cast<std::size_t>((h * 0x9E3779B97F4A7C15u) >> 32);
    }
    std::size_t maska() const { return m_mista.size() - 1; }

    std::vector<std::optional<std::pair<std::string_view, T>>> m_mista;
};

} // namespace nahled
