#pragma once

// Pasted text shown back to the author in a message: what was pasted may be megabytes long,
// binary, or not UTF-8 at all.

#include <string>
#include <string_view>

// The text as valid UTF-8 of at most a hundred characters, with "…" when it was longer; control
// characters and bytes that are no UTF-8 show as U+FFFD.
std::string Ukazka(std::string_view text);

// The text holds a NUL byte or bytes that are no UTF-8.
bool JeBinarni(std::string_view text);
