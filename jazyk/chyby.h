#pragma once

// The errors of the script language, and where every message about a line of an event begins.

#include <string>
#include <string_view>

namespace nahled {

// A line of the script and what is wrong there, in Czech for the author.
struct ChybaSkriptu {
    int radek;
    std::string zprava;
    bool operator==(const ChybaSkriptu&) const = default;
};

// Thrown inside the interpreter only; Spust turns it into a returned error. A runaway loop's
// error is worded on its own.
struct ChybaBehu {
    ChybaSkriptu chyba;
    bool smycka = false;
};

[[noreturn]] inline void chybaBehu(int radek, std::string zprava) {
    throw ChybaBehu{{radek, std::move(zprava)}};
}

// "Step, řádek 3: "
inline std::string MistoVUdalosti(std::string_view udalost, int radek) {
    return std::string(udalost) + ", řádek " + std::to_string(radek) + ": ";
}

} // namespace nahled
