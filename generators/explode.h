#pragma once

// Splits a text at every occurrence of a separator into untrimmed pieces; a separator at the
// very end adds no empty piece, and an empty separator never matches.

#include <string>
#include <string_view>
#include <vector>

namespace generatory {

std::vector<std::string> Explode(std::string_view oddelovac, std::string_view text);

} // namespace generatory
