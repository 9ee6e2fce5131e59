#pragma once

// Two lines that differ only in blanks look the same in a message. These show where they differ.

#include <optional>
#include <string>
#include <string_view>

namespace generatory {

bool JeMezera(char znak);
std::string_view BezMezerNaZacatku(std::string_view radek);

// Both lines from the point where they first differ, less a little before it, with blanks shown
// as "·" and tabs as "→"; none when they differ in more than blanks.
struct RozdilMezer {
    std::string nalezeny, ocekavany;
};
std::optional<RozdilMezer> JenMezery(std::string_view nalezeny, std::string_view ocekavany);

// The line the form would write where the found line has the fixed start and end only with other
// blanks: the start, what stands between them in the found line, and the end. None when the
// found line differs from them in more than blanks.
std::optional<std::string> SMezeramiFormulare(std::string_view radek, std::string_view zacatek,
                                              std::string_view konec);

} // namespace generatory
