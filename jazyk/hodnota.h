#pragma once

// Values of the preview's script language: a number or a text, nothing else.

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>

namespace nahled {

using Hodnota = std::variant<double, std::string>;

inline bool JeText(const Hodnota& h) {
    return std::holds_alternative<std::string>(h);
}

// The text a value is drawn as: whole numbers without decimals, others with two.
std::string NaText(const Hodnota& h);

// Numbers as the script writes them, with a decimal point, whatever the locale the program runs
// in: the window takes the author's, and a Czech one has a decimal comma. `desetin` from 0 to 100.
std::string PevneCislo(double cislo, int desetin);
// The number at the start of a text, after blanks, as far as it reads; `precteno` is 0 where
// none does.
double CisloZTextu(std::string_view text, std::size_t& precteno);

// A value the author typed: a number when the whole text is one, the inside of "quotes",
// otherwise the text as it stands.
Hodnota HodnotaZTextu(const std::string& text);

// The engine counts a number above one half as true.
inline bool JePravda(double cislo) {
    return cislo > 0.5;
}

} // namespace nahled
