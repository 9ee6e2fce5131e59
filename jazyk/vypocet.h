#pragma once

// What the operators do with values: numbers with numbers, texts with texts.

#include "jazyk/hodnota.h"
#include "jazyk/operatory.h"
#include "jazyk/strom.h"

namespace nahled {

// a op b, computed into a: a text grows in place, so a long chain of "+" stays linear.
// Throws ChybaBehu on text mixed with a number, dividing by zero and the like.
void Spocti(Op op, Hodnota& a, const Hodnota& b, int radek);

double Unarne(Op op, double x, int radek);

} // namespace nahled
