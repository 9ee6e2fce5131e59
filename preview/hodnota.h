#pragma once

// Values of the preview's script language: a number or a text, nothing else.

#include <string>
#include <variant>

namespace nahled {

using Hodnota = std::variant<double, std::string>;

inline bool JeText(const Hodnota& h) {
    return std::holds_alternative<std::string>(h);
}

// The text a value is drawn as: whole numbers without decimals, others with two.
std::string NaText(const Hodnota& h);

// A value the author typed: a number when the whole text is one, the inside of "quotes",
// otherwise the text as it stands.
Hodnota HodnotaZTextu(const std::string& text);

// The engine counts a number above one half as true.
inline bool JePravda(double cislo) {
    return cislo > 0.5;
}

} // namespace nahled
