#pragma once

// The parser and the interpreter keep one list of what is being read or evaluated for all
// nesting levels, innermost last; each level takes back what it added, also when it throws.

#include <cstddef>
#include <vector>

namespace nahled {

template <typename T> struct Uklid {
    std::vector<T>& seznam;
    std::size_t od;
    ~Uklid() { seznam.erase(seznam.begin() + static_cast<std::ptrdiff_t>(od), seznam.end()); }
};

} // namespace nahled
