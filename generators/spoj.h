#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace generatory {

// Joins the pieces of one script line with a single allocation; long scripts are made of
// hundreds of thousands of such lines.
inline std::string Spoj(std::initializer_list<std::string_view> kusy) {
    std::size_t delka = 0;
    for (std::string_view kus : kusy)
        delka += kus.size();
    std::string radek;
    radek.reserve(delka);
    for (std::string_view kus : kusy)
        radek.append(kus);
    return radek;
}

} // namespace generatory
