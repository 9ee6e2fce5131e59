#pragma once

// The parser's inner workings, shared by its statement and expression halves.

#include "jazyk/rozbor.h"
#include "jazyk/uklid.h"

#include <string>

namespace nahled {

// Thrown inside the parser only, to leave the statement that cannot be read.
struct Necitelne {
    ChybaSkriptu chyba;
};

class Parser {
public:
    explicit Parser(const std::string& text) : m_text(text), m_lexer(text) { posun(); }
    // Fills in the statements of the program whose text the parser was given.
    std::vector<ChybaSkriptu> rozbor(Program& program);

private:
    // Statements (rozbor.cpp).
    void seznam(std::vector<Prikaz>& cil, bool vBloku);
    // `pozice` and `radek`: where the statement that could not be read began.
    void zaznamenej(const Necitelne& n, std::size_t pozice, int radek);
    void zotavSe(std::size_t pozice, int radek);
    Prikaz prikaz();
    Prikaz jednoduchy();
    Prikaz smycka(Prikaz::Druh druh);
    Prikaz pro();
    Prikaz prepni();
    Prikaz promenne(bool globalni);
    Prikaz prosty(bool sStrednikem);
    Prikaz telo(std::string_view za, int radek);
    void vyzadujPrikaz(std::string_view za, int radek);

    // Expressions (rozbor_vyrazu.cpp).
    Vyraz vyraz();
    Vyraz unarni();
    Vyraz primarni();
    // A variable, an element or a call, from the current name; `objekt` where the caller knows
    // already whether the name is global, self or other.
    Vyraz cesta();
    Vyraz cesta(bool objekt);
    Vyraz volani(const Token& jmeno);

    // Tokens.
    const Token& ted() const { return m_ted; }
    void posun() {
        m_predKonec = m_ted.konec;
        m_predRadek = m_ted.radek;
        m_lexer.dalsi(m_ted);
        ++m_pozice;
    }
    // A form the engine refuses stops the statement where it stands: where an operator or a
    // number is taken, or wherever the parser stops at it.
    [[noreturn]] void odmitni() const;
    // Symbols are one or two characters long.
    bool jeSymbol(std::string_view s) const {
        return m_ted.druh == Token::Druh::Symbol && m_ted.text.size() == s.size() &&
               m_ted.text[0] == s[0] && (s.size() == 1 || m_ted.text[1] == s[1]);
    }
    bool jeSlovo(std::string_view s) const {
        if (m_ted.druh != Token::Druh::Jmeno || m_ted.text.size() != s.size())
            return false;
        for (std::size_t i = 0; i < s.size(); ++i)
            if (m_ted.text[i] != s[i])
                return false;
        return true;
    }
    bool vezmiSymbol(std::string_view s);
    void ocekavej(std::string_view symbol);
    [[noreturn]] void chyba(int radek, std::string zprava) const;
    [[noreturn]] void chyba(std::string zprava) const { chyba(m_ted.radek, std::move(zprava)); }
    static std::string popis(const Token& t);
    // 'text', built so that no compiler warns of overlapping copies.
    static std::string vUvozovkach(std::string_view text) {
        std::string s;
        s.reserve(text.size() + 2);
        s.append(1, '\'').append(text).append(1, '\'');
        return s;
    }
    Usek usek(std::string_view v) const {
        return {static_cast<std::uint32_t>(v.data() - m_text.data()),
                static_cast<std::uint32_t>(v.size())};
    }
    Vyrazy uloz(const Vyraz* prvni, std::size_t pocet) { return m_sklad->uloz(prvni, pocet); }
    Vyrazy uloz(const Vyraz& jediny) { return m_sklad->uloz(&jediny, 1); }
    std::string jmeno(const Vyraz& v) const {
        return (v.znacka ? "global." : "") + std::string(m_text.substr(v.text.od, v.text.delka));
    }

    // An operator chain being read, and an if whose branches are being read.
    struct OtevrenyRetez {
        std::uint8_t uroven;
        Op dalsi; // joins the operand that comes next
        int radek;
        std::size_t od; // its first operand on m_operandy
    };
    struct OtevreneKdyz {
        Prikaz kdyz;
        bool vElse = false;
    };

    struct Hloubka {
        explicit Hloubka(Parser& p);
        ~Hloubka() { --m_p.m_hloubka; }
        Parser& m_p;
    };

    std::string_view m_text;
    Sklad* m_sklad = nullptr; // the program's, from rozbor on
    Lexer m_lexer;
    Token m_ted;
    std::uint32_t m_predKonec = 0;
    int m_predRadek = 1;      // the line of the last token read
    std::size_t m_pozice = 0; // tokens read so far
    int m_hloubka = 0;
    std::vector<ChybaSkriptu> m_chyby;
    // The arguments of the calls, the operands of the chains, the chains and the ifs being read,
    // innermost last: one list of each for all of them, so that reading allocates only for the
    // tree.
    std::vector<Vyraz> m_argumenty;
    std::vector<Vyraz> m_operandy;
    std::vector<OtevrenyRetez> m_retezy;
    std::vector<OtevreneKdyz> m_kdyze;
};

} // namespace nahled
