#include "preview/konstanty.h"
#include "preview/parser.h"

#include <algorithm>

namespace nahled {

namespace {

// Thrown when there are too many errors to be worth reading on.
struct DostChyb {};

bool jeOperatorSlovem(std::string_view s) {
    return s == "and" || s == "or" || s == "not" || s == "xor" || s == "div" || s == "mod";
}

} // namespace

std::vector<ChybaSkriptu> Parser::rozbor(Program& program) {
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

void Parser::zaznamenej(const Necitelne& n, std::size_t pozice) {
    m_chyby.push_back(n.chyba);
    if (m_chyby.size() >= NejvicChyb)
        throw DostChyb{};
    zotavSe(pozice, n.chyba.radek);
}

// The statements of the script or of a block, each read on its own so that one that cannot be
// read costs only itself.
void Parser::seznam(std::vector<Prikaz>& cil, bool vBloku) {
    for (;;) {
        if (ted().druh == Token::Druh::Konec || (vBloku && jeSymbol("}")))
            return;
        const std::size_t pozice = m_pozice;
        try {
            if (jeSymbol("}"))
                chyba("nečekaná '}' bez otevírací '{'");
            Prikaz p = prikaz();
            if (p.druh != Prikaz::Druh::Blok || !p.deti.empty())
                cil.push_back(std::move(p));
        } catch (const Necitelne& n) {
            zaznamenej(n, pozice);
        }
    }
}

// Skips to the end of the statement that could not be read: past the next ';', or to the end
// of the line, or to the '}' that closes the block, whichever comes first outside brackets.
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
    struct Otevrene {
        Prikaz kdyz;
        bool vElse = false;
    };
    std::vector<Otevrene> otevrene;
    for (;;) {
        if (jeSlovo("if")) {
            Otevrene o;
            o.kdyz.druh = Prikaz::Druh::Kdyz;
            o.kdyz.radek = ted().radek;
            posun();
            o.kdyz.vyrazy.push_back(vyraz());
            vyzadujPrikaz("za podmínkou 'if'", o.kdyz.radek);
            otevrene.push_back(std::move(o));
            continue;
        }
        Prikaz hotovy = jednoduchy();
        for (;;) {
            if (otevrene.empty())
                return hotovy;
            Otevrene& o = otevrene.back();
            o.kdyz.deti.push_back(std::move(hotovy));
            if (!o.vElse && jeSlovo("else")) {
                const int radekElse = ted().radek;
                posun();
                o.vElse = true;
                vyzadujPrikaz("za 'else'", radekElse);
                break;
            }
            hotovy = std::move(o.kdyz);
            otevrene.pop_back();
        }
    }
}

Prikaz Parser::jednoduchy() {
    const Token t = ted();
    Prikaz pr;
    pr.radek = t.radek;
    if (vezmiSymbol(";"))
        return pr;
    if (jeSymbol("{")) {
        Hloubka h(*this);
        posun();
        seznam(pr.deti, true);
        if (!vezmiSymbol("}"))
            chyba("chybí '}' k '{' z řádku " + std::to_string(t.radek));
        // A block of one statement is that statement: blocks have no scope of their own.
        if (pr.deti.size() == 1) {
            Prikaz jediny = std::move(pr.deti[0]);
            return jediny;
        }
        return pr;
    }
    if (t.druh == Token::Druh::Jmeno) {
        const std::string_view s = t.text;
        if (s == "while")
            return smycka(Prikaz::Druh::Dokud);
        if (s == "repeat")
            return smycka(Prikaz::Druh::Opakuj);
        if (s == "with")
            return smycka(Prikaz::Druh::S);
        if (s == "do")
            return smycka(Prikaz::Druh::DelejAz);
        if (s == "for")
            return pro();
        if (s == "switch")
            return prepni();
        if (s == "var" || s == "globalvar")
            return promenne(s == "globalvar");
        const bool skok = s == "break" || s == "continue" || s == "exit" || s == "return";
        if (skok) {
            posun();
            pr.druh = s == "break"      ? Prikaz::Druh::Prerus
                      : s == "continue" ? Prikaz::Druh::Pokracuj
                                        : Prikaz::Druh::Konec;
            const bool hodnota = s == "return" && ted().radek == t.radek && !jeSymbol(";") &&
                                 !jeSymbol("}") && ted().druh != Token::Druh::Konec;
            if (hodnota)
                pr.vyrazy.push_back(vyraz());
            vezmiSymbol(";");
            return pr;
        }
        if (s == "else")
            chyba("'else' bez 'if'");
        if (s == "until")
            chyba("'until' bez 'do'");
        if (s == "case" || s == "default")
            chyba(vUvozovkach(s) + " mimo 'switch'");
        if (jeOperatorSlovem(s))
            chyba(vUvozovkach(s) + " je operátor, příkaz jím začínat nemůže");
    }
    return prosty(true);
}

// while, repeat and with: a value and a body; do: a body and "until" with its condition.
Prikaz Parser::smycka(Prikaz::Druh druh) {
    Hloubka h(*this);
    Prikaz pr;
    pr.druh = druh;
    pr.radek = ted().radek;
    const std::string slovo(ted().text);
    posun();
    const std::string za = "za '" + slovo + "'";
    if (druh == Prikaz::Druh::S)
        vyraz();
    else if (druh != Prikaz::Druh::DelejAz)
        pr.vyrazy.push_back(vyraz());
    pr.deti.push_back(telo(za, pr.radek));
    if (druh == Prikaz::Druh::DelejAz) {
        if (!jeSlovo("until"))
            chyba("k 'do' z řádku " + std::to_string(pr.radek) + " chybí 'until', stojí tu " +
                  popis(ted()));
        posun();
        pr.vyrazy.push_back(vyraz());
        vezmiSymbol(";");
    }
    return pr;
}

Prikaz Parser::pro() {
    Hloubka h(*this);
    Prikaz pr;
    pr.druh = Prikaz::Druh::Pro;
    pr.radek = ted().radek;
    posun();
    ocekavej("(");
    pr.deti.resize(3);
    if (!jeSymbol(";"))
        pr.deti[0] = prosty(false);
    ocekavej(";");
    if (jeSymbol(";")) {
        pr.vyrazy.emplace_back().cislo = 1;
    } else {
        pr.vyrazy.push_back(vyraz());
    }
    ocekavej(";");
    if (!jeSymbol(")"))
        pr.deti[1] = prosty(false);
    ocekavej(")");
    pr.deti[2] = telo("za 'for'", pr.radek);
    return pr;
}

// The cases stay in the body as markers, so that one falls through into the next.
Prikaz Parser::prepni() {
    Hloubka h(*this);
    Prikaz pr;
    pr.druh = Prikaz::Druh::Prepni;
    pr.radek = ted().radek;
    posun();
    pr.vyrazy.push_back(vyraz());
    ocekavej("{");
    while (!vezmiSymbol("}")) {
        if (ted().druh == Token::Druh::Konec)
            chyba("chybí '}' k 'switch' z řádku " + std::to_string(pr.radek));
        if (jeSlovo("case") || jeSlovo("default")) {
            Prikaz znacka;
            znacka.radek = ted().radek;
            znacka.druh = jeSlovo("case") ? Prikaz::Druh::Pripad : Prikaz::Druh::Vychozi;
            posun();
            if (znacka.druh == Prikaz::Druh::Pripad)
                znacka.vyrazy.push_back(vyraz());
            ocekavej(":");
            pr.deti.push_back(std::move(znacka));
            continue;
        }
        const std::size_t pozice = m_pozice;
        try {
            Prikaz p = prikaz();
            pr.deti.push_back(std::move(p));
        } catch (const Necitelne& n) {
            zaznamenej(n, pozice);
        }
    }
    return pr;
}

// var and globalvar: names, each perhaps with a value.
Prikaz Parser::promenne(bool globalni) {
    Prikaz pr;
    pr.radek = ted().radek;
    pr.druh = globalni ? Prikaz::Druh::Globalni : Prikaz::Druh::Blok;
    const std::string slovo(ted().text);
    posun();
    do {
        if (ted().druh != Token::Druh::Jmeno ||
            std::ranges::find(KlicovaSlova(), ted().text) != KlicovaSlova().end())
            chyba("za '" + slovo + "' čekám jméno proměnné, stojí tu " + popis(ted()));
        Vyraz jmeno;
        jmeno.druh = Vyraz::Druh::Promenna;
        jmeno.radek = ted().radek;
        jmeno.text = usek(ted().text);
        posun();
        if (jeSymbol("=") || jeSymbol(":=")) {
            posun();
            Prikaz prirazeni;
            prirazeni.druh = Prikaz::Druh::Prirazeni;
            prirazeni.radek = jmeno.radek;
            prirazeni.vyrazy.push_back(jmeno);
            prirazeni.vyrazy.push_back(vyraz());
            if (globalni)
                pr.vyrazy.push_back(std::move(jmeno));
            pr.deti.push_back(std::move(prirazeni));
        } else if (globalni) {
            pr.vyrazy.push_back(std::move(jmeno));
        }
    } while (vezmiSymbol(","));
    vezmiSymbol(";");
    return pr;
}

// An assignment, a call, or ++/-- of a variable.
Prikaz Parser::prosty(bool sStrednikem) {
    Prikaz pr;
    pr.radek = ted().radek;
    if (jeSymbol("++") || jeSymbol("--")) {
        pr.druh = Prikaz::Druh::Vyraz;
        pr.vyrazy.push_back(unarni());
    } else {
        if (ted().druh != Token::Druh::Jmeno)
            chyba("příkaz nemůže začínat: " + popis(ted()));
        Vyraz cil = cesta();
        if (cil.druh == Vyraz::Druh::Volani) {
            pr.druh = Prikaz::Druh::Vyraz;
            pr.vyrazy.push_back(std::move(cil));
        } else if (jeSymbol("++") || jeSymbol("--")) {
            pr.druh = Prikaz::Druh::Vyraz;
            Vyraz& krok = pr.vyrazy.emplace_back();
            krok.druh = Vyraz::Druh::Krok;
            krok.radek = pr.radek;
            krok.op = jeSymbol("++") ? Op::Plus : Op::Minus;
            krok.deti.push_back(std::move(cil));
            posun();
        } else {
            static constexpr std::pair<std::string_view, Op> prirazeni[]{
                {"=", Op::Zadny},    {":=", Op::Zadny}, {"+=", Op::Plus},
                {"-=", Op::Minus},   {"*=", Op::Krat},  {"/=", Op::Deleno},
                {"|=", Op::BitNebo}, {"&=", Op::BitA},  {"^=", Op::BitXor}};
            const auto op = std::ranges::find_if(prirazeni, [&](const auto& p) {
                return ted().druh == Token::Druh::Symbol && ted().text == p.first;
            });
            if (op == std::end(prirazeni))
                chyba("za '" + jmeno(cil) + "' čekám '=' nebo '(', stojí tu " + popis(ted()));
            posun();
            pr.druh = Prikaz::Druh::Prirazeni;
            pr.op = op->second;
            pr.vyrazy.reserve(2);
            pr.vyrazy.push_back(std::move(cil));
            pr.vyrazy.push_back(vyraz());
        }
    }
    if (sStrednikem)
        vezmiSymbol(";");
    return pr;
}

Rozbor Rozeber(std::string_view text) {
    Rozbor r;
    if (text.size() >= std::uint32_t(-1)) {
        r.chyby.push_back({1, "skript je pro náhled příliš velký"});
        return r;
    }
    r.program.text = text;
    Parser parser(r.program.text);
    r.chyby = parser.rozbor(r.program);
    return r;
}

} // namespace nahled
