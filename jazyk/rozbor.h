#pragma once

// The parser: script text in, the statements it could read and the places it could not.
//
// Rozeber never throws and never gives up at the first error: a statement it cannot read is
// reported and skipped up to the next ';', the end of the line it was read to, or the '}' that
// closes its block, and reading goes on after it. So `program` holds every statement that was read,
// in order, and `chyby` every error (its line and a Czech message for the author), in line order
// and at most NejvicChyb of them. A line cut short in the middle of a block, a loop or an if
// costs that whole statement. A script too big for the memory is one error.
//
// The text is read one token at a time; its time and memory grow linearly with its length,
// nesting deeper than NejvetsiHloubka is refused, and long chains of operators and of
// else-ifs are no nesting.

#include "jazyk/meze.h"
#include "jazyk/strom.h"
#include "jazyk/tokeny.h"

#include <string_view>
#include <vector>

namespace nahled {

struct Rozbor {
    Program program;
    std::vector<ChybaSkriptu> chyby;
};

Rozbor Rozeber(std::string_view text);

} // namespace nahled
