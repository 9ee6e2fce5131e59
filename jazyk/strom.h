#pragma once

// The syntax tree the parser builds and the interpreter walks. A chain of operators of one
// precedence (1+1+…+1) is one node with all its operands, and an if…else if… chain nests only
// through its branches, so that neither walking nor freeing a tree needs recursion in
// proportion to what was typed.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace nahled {

enum class Op : std::uint8_t {
    Zadny,
    Plus,
    Minus,
    Krat,
    Deleno,
    Div,
    Mod,
    A,
    Nebo,
    Xor,
    BitA,
    BitNebo,
    BitXor,
    Vlevo,
    Vpravo,
    Rovno,
    Nerovno,
    Mensi,
    Vetsi,
    MensiRovno,
    VetsiRovno,
    Ne,
    BitNe,
};

// Where a name or a text stands in the script: the tree points into it rather than copying.
struct Usek {
    std::uint32_t od, delka;
};

struct Vyraz;

// An expression's operands, side by side in the program's Sklad.
class Vyrazy {
public:
    Vyrazy() = default;
    Vyrazy(const Vyraz* prvni, std::size_t pocet)
        : m_prvni(prvni), m_pocet(static_cast<std::uint32_t>(pocet)) {}
    const Vyraz* begin() const { return m_prvni; }
    const Vyraz* end() const;
    std::size_t size() const { return m_pocet; }
    bool empty() const { return m_pocet == 0; }
    const Vyraz& operator[](std::size_t i) const;
    const Vyraz& back() const { return (*this)[m_pocet - 1]; }

private:
    const Vyraz* m_prvni = nullptr;
    std::uint32_t m_pocet = 0;
};

struct Vyraz {
    enum class Druh : std::uint8_t {
        Cislo,
        Text,
        Promenna,
        Prvek,
        Cizi, // another object's variable, which the room does not hold
        Volani,
        Unarni,
        Retez
    };
    Druh druh = Druh::Cislo;
    // Unarni: its operator.
    Op op = Op::Zadny;
    // An operand of a Retez after the first: the operator that joins it to what precedes.
    Op spojka = Op::Zadny;
    // Volani: the built-in's place in its table plus one; 0 for a function the preview does not
    // run. Promenna and Prvek: 1 for "global.".
    std::uint8_t znacka = 0;
    int radek = 1;
    union {
        double cislo = 0;
        // A text literal's inside, a variable's name ("global.", "self." or "other." left
        // out), or the whole call, or another object's variable, as written; an assignment to
        // another object's variable holds the whole statement.
        Usek text;
    };
    // Operands, the indices of an element, or the arguments of a call.
    Vyrazy deti;
};

inline const Vyraz* Vyrazy::end() const {
    return m_prvni + m_pocet;
}
inline const Vyraz& Vyrazy::operator[](std::size_t i) const {
    return m_prvni[i];
}

// Where a program's expressions live: in large blocks rather than one allocation per list of
// operands, and freed all at once with the program, however deep they nest.
class Sklad {
public:
    Vyrazy uloz(const Vyraz* prvni, std::size_t pocet);

private:
    static constexpr std::size_t VelikostBloku = 1024;
    // Raw storage: a block is written once, by the copy into it, not first cleared.
    struct Uvolni {
        void operator()(Vyraz* blok) const;
    };
    std::vector<std::unique_ptr<Vyraz, Uvolni>> m_bloky;
    Vyraz* m_volno = nullptr;
    std::size_t m_zbyva = 0;
};

struct Prikaz {
    enum class Druh : std::uint8_t {
        Prirazeni,
        Vyraz,
        Kdyz,
        Blok,
        Dokud,
        DelejAz,
        Opakuj,
        Pro,
        Prepni,
        Pripad,
        Vychozi,
        Prerus,
        Pokracuj,
        Konec,
        S,
        Globalni
    };
    Druh druh = Druh::Blok;
    Op op = Op::Zadny; // a compound assignment's operator; Zadny for "=" and ":="
    int radek = 1;
    // Prirazeni: what it writes, then the value. Vyraz: the call or ++/--. The others: the
    // condition, the count, the value switched on or of a case, what return gives back; for
    // globalvar, the names it declares.
    Vyrazy vyrazy;
    // Kdyz: the branch taken, then the other one if there is an else. Blok and Prepni: the
    // statements. Pro: the start, the step and the body. The loops and S: the body.
    std::vector<Prikaz> deti;

    Prikaz() = default;
    Prikaz(Prikaz&&) = default;
    Prikaz& operator=(Prikaz&&) = default;
    // Frees nested statements one by one: a chain of thousands of else-ifs is that deep.
    ~Prikaz();
};

// What the parser read, with the text its names and texts point into.
struct Program {
    std::string text;
    Sklad sklad;
    std::vector<Prikaz> prikazy;

    std::string_view usek(Usek u) const { return std::string_view(text).substr(u.od, u.delka); }
    // A variable's name as messages and the variables' table know it, "global." included.
    std::string jmeno(const Vyraz& promenna) const {
        return (promenna.znacka ? "global." : "") + std::string(usek(promenna.text));
    }
};

} // namespace nahled
