#pragma once

// The parser: script text in, a syntax tree out, or the first place it cannot be read.

#include "preview/strom.h"
#include "preview/tokeny.h"

#include <string>
#include <variant>

namespace nahled {

std::variant<Program, ChybaSkriptu> Rozeber(const std::string& text);

} // namespace nahled
