#pragma once

// The operators of the language in one table: how each is written, what it does, and where it
// stands. The lexer takes from it which symbols and words are binary operators, the parser their
// precedence, the compound assignments and the unary operators, the evaluator how messages
// write an operation. A new operator is one row.

#include "jazyk/odmitnute.h"
#include "jazyk/strom.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace nahled {

struct Operator {
    enum class Druh : std::uint8_t { Binarni, Slozeny, Unarni };
    std::string_view text;
    Op op;
    Druh druh;
    // Binary operators: precedence, loosest 0; an operator chain of one level is read flat.
    std::uint8_t uroven = 0;
    // A form the engine refuses; read as an operator where it stands, so that the statement
    // holding it is refused whole.
    Odmitnuty odmitnuty = Odmitnuty::Zadny;
};

using B = Operator::Druh;

// The first row of an operation is how messages write it.
inline constexpr Operator Operatory[]{
    {"||", Op::Nebo, B::Binarni, 0},
    {"or", Op::Nebo, B::Binarni, 0},
    {"^^", Op::Xor, B::Binarni, 1},
    {"xor", Op::Xor, B::Binarni, 1},
    {"&&", Op::A, B::Binarni, 2},
    {"and", Op::A, B::Binarni, 2},
    {"==", Op::Rovno, B::Binarni, 3},
    {"=", Op::Rovno, B::Binarni, 3},
    {"!=", Op::Nerovno, B::Binarni, 3},
    {"<>", Op::Nerovno, B::Binarni, 3},
    {"<", Op::Mensi, B::Binarni, 4},
    {">", Op::Vetsi, B::Binarni, 4},
    {"<=", Op::MensiRovno, B::Binarni, 4},
    {">=", Op::VetsiRovno, B::Binarni, 4},
    {"|", Op::BitNebo, B::Binarni, 5},
    {"^", Op::BitXor, B::Binarni, 6},
    {"&", Op::BitA, B::Binarni, 7},
    {"<<", Op::Vlevo, B::Binarni, 8},
    {">>", Op::Vpravo, B::Binarni, 8},
    {"+", Op::Plus, B::Binarni, 9},
    {"-", Op::Minus, B::Binarni, 9},
    {"*", Op::Krat, B::Binarni, 10},
    {"/", Op::Deleno, B::Binarni, 10},
    {"div", Op::Div, B::Binarni, 10},
    {"mod", Op::Mod, B::Binarni, 10},
    {"%", Op::Mod, B::Binarni, 10, Odmitnuty::Zbytek},
    {"++", Op::Plus, B::Binarni, 9, Odmitnuty::Pricteni},
    {"--", Op::Minus, B::Binarni, 9, Odmitnuty::Odecteni},
    {"?", Op::Zadny, B::Binarni, 0, Odmitnuty::Podminka},
    {"+=", Op::Plus, B::Slozeny},
    {"-=", Op::Minus, B::Slozeny},
    {"*=", Op::Krat, B::Slozeny},
    {"/=", Op::Deleno, B::Slozeny},
    {"|=", Op::BitNebo, B::Slozeny},
    {"&=", Op::BitA, B::Slozeny},
    {"^=", Op::BitXor, B::Slozeny},
    {"!", Op::Ne, B::Unarni},
    {"not", Op::Ne, B::Unarni},
    {"-", Op::Minus, B::Unarni},
    {"+", Op::Plus, B::Unarni},
    {"~", Op::BitNe, B::Unarni},
};

// A binary operator's row plus one, as tokens carry it; 0 for no binary operator.
constexpr std::uint8_t BinarniOperator(std::string_view text) {
    for (std::size_t i = 0; i < std::size(Operatory); ++i)
        if (Operatory[i].druh == B::Binarni && Operatory[i].text == text)
            return static_cast<std::uint8_t>(i + 1);
    return 0;
}

constexpr const Operator& OperatorTokenu(std::uint8_t radek) {
    return Operatory[radek - 1];
}

// The row of this kind written so; nullptr for none.
constexpr const Operator* NajdiOperator(std::string_view text, Operator::Druh druh) {
    for (const Operator& o : Operatory)
        if (o.druh == druh && o.text == text)
            return &o;
    return nullptr;
}

// The rows of one kind written with one character, by that character: where a lookup runs for
// every token, an index rather than a scan.
template <Operator::Druh druh>
inline constexpr auto JednoznakoveOperatory = [] {
    std::array<std::uint8_t, 256> a{};
    for (std::size_t i = 0; i < std::size(Operatory); ++i)
        if (Operatory[i].druh == druh && Operatory[i].text.size() == 1)
            a[static_cast<unsigned char>(Operatory[i].text[0])] = static_cast<std::uint8_t>(i + 1);
    return a;
}();

// How messages write an operation.
constexpr const char* ZnakOperatoru(Op op) {
    for (const Operator& o : Operatory)
        if (o.op == op)
            return o.text.data();
    return "=";
}

// Whether a name is a word an operator is written as: such a name starts no statement.
constexpr bool JeOperatorSlovem(std::string_view jmeno) {
    if (jmeno.size() < 2 || jmeno.size() > 3)
        return false;
    for (const Operator& o : Operatory)
        if (o.text == jmeno)
            return true;
    return false;
}

} // namespace nahled
