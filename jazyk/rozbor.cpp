#include "jazyk/parser.h"

#include <algorithm>
#include <new>
#include <stdexcept>

namespace nahled {

namespace {

// Thrown when there are too many errors to be worth reading on.
struct DostChyb {};

} // namespace

std::vector<ChybaSkriptu> Parser::rozbor(Program& program) {
    m_sklad = &program.sklad;
    // Most statements take a line of their own; reserving for them spares the copies of a
    // growing list.
    const auto radku = static_cast<std::size_t>(std::ranges::count(m_text, '\n')) + 1;
    program.prikazy.reserve(std::min(radku, m_text.size() / 8 + 1));
    try {
        seznam(program.prikazy, false);
    } catch (const DostChyb&) {
        m_chyby.back().zprava += " (další chyby náhled nehlásí)";
    }
    return std::move(m_chyby);
}

// The error names the line of the token that broke the statement, which may be the next
// statement's first; the recovery stops at the end of the line read last, so that the next
// statement is kept.
void Parser::zaznamenej(const Necitelne& n, std::size_t pozice, int radek) {
    m_chyby.push_back(n.chyba);
    if (m_chyby.size() >= NejvicChyb)
        throw DostChyb{};
    zotavSe(pozice, std::max(radek, m_predRadek));
}

// The statements of the script or of a block, each read on its own so that one that cannot be
// read costs only itself.
void Parser::seznam(std::vector<Prikaz>& cil, bool vBloku) {
    for (;;) {
        if (ted().druh == Token::Druh::Konec || (vBloku && jeSymbol("}")))
            return;
        const std::size_t pozice = m_pozice;
        const int radek = ted().radek;
        try {
            if (jeSymbol("}"))
                chyba("nečekaná '}' bez otevírací '{'");
            Prikaz p = prikaz();
            if (p.druh != Prikaz::Druh::Blok || !p.deti.empty())
                cil.push_back(std::move(p));
        } catch (const Necitelne& n) {
            zaznamenej(n, pozice, radek);
        }
    }
}

// Skips to the end of the statement that could not be read: past the next ';', or to the end
// of the line `radek`, or to the '}' that closes the block, whichever comes first outside brackets.
void Parser::zotavSe(std::size_t pozice, int radek) {
    int zavorky = 0;
    while (ted().druh != Token::Druh::Konec) {
        const bool symbol = ted().druh == Token::Druh::Symbol;
        if (zavorky == 0 && m_pozice > pozice) {
            if (ted().radek > radek || jeSymbol("}"))
                return;
            if (jeSymbol(";")) {
                posun();
                return;
            }
        }
        if (symbol && (jeSymbol("(") || jeSymbol("[") || jeSymbol("{")))
            ++zavorky;
        else if (symbol && (jeSymbol(")") || jeSymbol("]") || jeSymbol("}")))
            zavorky = std::max(0, zavorky - 1);
        posun();
    }
}

// The message is built only when needed: most statements are fine.
void Parser::vyzadujPrikaz(std::string_view za, int radek) {
    if (ted().druh == Token::Druh::Konec || jeSymbol("}") || jeSlovo("else"))
        chyba(std::string(za) + " z řádku " + std::to_string(radek) + " chybí příkaz, stojí tu " +
              popis(ted()));
}

Prikaz Parser::telo(std::string_view za, int radek) {
    vyzadujPrikaz(za, radek);
    return prikaz();
}

// A statement; an if…else if… chain is read in a loop, not by recursion.
Prikaz Parser::prikaz() {
    const std::size_t dno = m_kdyze.size();
    const Uklid<OtevreneKdyz> uklid{m_kdyze, dno};
    for (;;) {
        if (jeSlovo("if")) {
            OtevreneKdyz& o = m_kdyze.emplace_back();
            o.kdyz.druh = Prikaz::Druh::Kdyz;
            o.kdyz.radek = ted().radek;
            posun();
            Vyraz podminka = vyraz();
            m_kdyze.back().kdyz.vyrazy = uloz(podminka);
            if (jeSlovo("then"))
                posun();
            vyzadujPrikaz("za podmínkou 'if'", m_kdyze.back().kdyz.radek);
            continue;
        }
        Prikaz hotovy = jednoduchy();
        for (;;) {
            if (m_kdyze.size() == dno)
                return hotovy;
            OtevreneKdyz& o = m_kdyze.back();
            o.kdyz.deti.push_back(std::move(hotovy));
            if (!o.vElse && jeSlovo("else")) {
                const int radekElse = ted().radek;
                posun();
                o.vElse = true;
                vyzadujPrikaz("za 'else'", radekElse);
                break;
            }
            hotovy = std::move(o.kdyz);
            m_kdyze.pop_back();
        }
    }
}

// Memory running out while reading is caught here, once: the script is then one error, as a
// script too big to read at all.
Rozbor Rozeber(std::string_view text) {
    const auto velky = [] {
        Rozbor r;
        r.chyby.push_back({1, "skript je pro náhled příliš velký"});
        return r;
    };
    if (text.size() >= std::uint32_t(-1))
        return velky();
    try {
        Rozbor r;
        r.program.text = text;
        Parser parser(r.program.text);
        r.chyby = parser.rozbor(r.program);
        return r;
    } catch (const std::bad_alloc&) {
    } catch (const std::length_error&) {
    }
    return velky();
}

} // namespace nahled
