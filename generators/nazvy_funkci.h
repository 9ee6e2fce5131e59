#pragma once

// The built-in function names of the target engine, in their order under Czech collation.
// Four names appear twice, and both copies are listed.

#include <array>
#include <cstddef>
#include <string_view>

namespace generatory {

inline constexpr std::size_t PocetFunkci = 1242;

extern const std::array<std::string_view, PocetFunkci> NazvyFunkci;

} // namespace generatory
