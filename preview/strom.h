#pragma once

// The syntax tree the parser builds and the interpreter walks.

#include <memory>
#include <string>
#include <vector>

namespace nahled {

struct Vyraz {
    enum class Druh { Cislo, Text, Promenna, Prvek, Volani, Unarni, Binarni };
    Druh druh;
    int radek = 1;
    double cislo = 0;
    // Text literal, variable name ("global." kept in it), function name or operator.
    std::string text;
    // Operands, the index of an element, or the arguments of a call.
    std::vector<std::unique_ptr<Vyraz>> deti;
    // A call exactly as written, for the list of actions that were not run.
    std::string zdroj;
};

struct Prikaz {
    enum class Druh { Prirazeni, Volani, Kdyz, Blok };
    Druh druh;
    int radek = 1;
    std::string op;                            // "=", "+=", "-=", "*=" or "/="
    std::unique_ptr<Vyraz> cil;                // what an assignment writes
    std::unique_ptr<Vyraz> vyraz;              // the value, the call, or the condition
    std::vector<std::unique_ptr<Prikaz>> deti; // the branches of an if, the body of a block
};

using Program = std::vector<std::unique_ptr<Prikaz>>;

} // namespace nahled
