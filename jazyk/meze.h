#pragma once

// Every limit of the script language and why it is that number. Whatever a person types or
// pastes, reading and running it end in bounded time and memory; the messages quote these
// numbers through the helpers below, never retyped.

#include <cstddef>
#include <cstdint>
#include <string>

namespace nahled {

// Reading.

// Nesting of brackets, blocks, loops and unary operators: each level is a frame of the
// parser's stack. 200 is far beyond what anyone writes by hand and far within any stack.
inline constexpr int NejvetsiHloubka = 200;
// Errors reported per script: past a hundred they are follow-ons of the same few mistakes.
inline constexpr std::size_t NejvicChyb = 100;
// A token quoted in a reading message, in bytes: enough to recognise it, short enough to read.
inline constexpr std::size_t NejdelsiUkazka = 40;

// Running.

// Statements run inside loops in one run of a script: a loop left open stops within about a
// second, while the longest loop a generated script runs takes a few thousand.
inline constexpr std::uint64_t NejvicKroku = 1'000'000;
// Operations in one run of a script, so that long expressions inside loops stop too, within a
// few seconds.
inline constexpr std::uint64_t NejvicOperaci = 50'000'000;
// What one script may hold at once in its variables, and the texts of one step's drawing: a
// thousand times what the largest generated menu or credits need, and no machine swaps for it.
inline constexpr std::size_t NejvicPameti = 64u << 20;
// The longest text a script may build: a room of 640 x 480 shows a few thousand characters.
inline constexpr std::size_t NejdelsiText = 1'000'000;
// The engine's own bound for an array index; larger ones would only eat memory.
inline constexpr double NejvetsiIndex = 32000;
// Fonts one script may add: font_add in a loop would otherwise grow the list without end.
inline constexpr std::size_t NejvicPisem = 10'000;
// Messages waiting for the window; beyond them one message says that the rest were dropped,
// as a list longer than this is read by nobody.
inline constexpr std::size_t NejvicZprav = 1000;
// A call, or another object's variable, quoted in a message, in bytes.
inline constexpr std::size_t NejdelsiCitace = 200;

// A limit as the messages write it: "1 000 000".
std::string VTisicich(std::uint64_t cislo);
// "víc než 64 MB paměti"
std::string VicNezPamet();
// "text by byl delší než 1 000 000 znaků"
std::string PrilisDlouhyText();

} // namespace nahled
