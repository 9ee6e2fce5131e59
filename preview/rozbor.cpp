#include "preview/rozbor.h"

#include "preview/konstanty.h"

#include <algorithm>
#include <array>

namespace nahled {

namespace {

// Deeper nesting than this is no script a generator writes; refusing it keeps the stack safe.
constexpr int nejvetsiHloubka = 200;

struct Zastaveni {
    ChybaSkriptu chyba;
};

using VyrazPtr = std::unique_ptr<Vyraz>;
using PrikazPtr = std::unique_ptr<Prikaz>;

class Parser {
public:
    Parser(const std::string& zdroj, std::vector<Token> tokeny)
        : m_zdroj(zdroj), m_t(std::move(tokeny)) {}

    Program program() {
        Program p;
        while (ted().druh != Token::Druh::Konec) {
            if (jeSymbol("}"))
                chyba(ted(), "nečekaná '}' bez otevírací '{'");
            if (PrikazPtr pr = prikaz())
                p.push_back(std::move(pr));
        }
        return p;
    }

private:
    const Token& ted() const { return m_t[m_p]; }
    const Token& dalsi() { return m_t[m_p++]; }
    bool jeSymbol(std::string_view s) const {
        return ted().druh == Token::Druh::Symbol && ted().text == s;
    }
    bool jeSlovo(std::string_view s) const {
        return ted().druh == Token::Druh::Jmeno && ted().text == s;
    }
    bool vezmiSymbol(std::string_view s) {
        if (!jeSymbol(s))
            return false;
        ++m_p;
        return true;
    }

    [[noreturn]] static void chyba(const Token& t, std::string zprava) {
        throw Zastaveni{{t.radek, std::move(zprava)}};
    }

    static std::string popis(const Token& t) {
        switch (t.druh) {
        case Token::Druh::Konec:
            return "konec skriptu";
        case Token::Druh::Text:
            return "text \"" + t.text + "\"";
        case Token::Druh::Cislo:
            return "číslo " + t.text;
        case Token::Druh::Jmeno:
            return "'" + t.text + "'";
        case Token::Druh::Symbol:
            break;
        }
        return "'" + t.text + "'";
    }

    void ocekavej(std::string_view symbol) {
        if (!vezmiSymbol(symbol))
            chyba(ted(), "čekám '" + std::string(symbol) + "', stojí tu " + popis(ted()));
    }

    static bool jeVyhrazene(const std::string& slovo) {
        const auto& slova = KlicovaSlova();
        return std::find(slova.begin(), slova.end(), slovo) != slova.end();
    }

    struct Hloubka {
        explicit Hloubka(Parser& p) : m_p(p) {
            if (++m_p.m_hloubka > nejvetsiHloubka)
                chyba(m_p.ted(), "příliš hluboké vnoření");
        }
        ~Hloubka() { --m_p.m_hloubka; }
        Parser& m_p;
    };

    // A statement, or nullptr for a lone semicolon.
    PrikazPtr prikaz() {
        Hloubka h(*this);
        const Token& t = ted();
        auto pr = std::make_unique<Prikaz>();
        pr->radek = t.radek;
        if (vezmiSymbol(";"))
            return nullptr;
        if (vezmiSymbol("{")) {
            pr->druh = Prikaz::Druh::Blok;
            while (!vezmiSymbol("}")) {
                if (ted().druh == Token::Druh::Konec)
                    chyba(ted(), "chybí '}' k '{' z řádku " + std::to_string(t.radek));
                if (PrikazPtr vnitrni = prikaz())
                    pr->deti.push_back(std::move(vnitrni));
            }
            return pr;
        }
        if (jeSlovo("if")) {
            ++m_p;
            pr->druh = Prikaz::Druh::Kdyz;
            pr->vyraz = vyraz();
            pr->deti.push_back(
                povinnyPrikaz("za podmínkou 'if' z řádku " + std::to_string(t.radek)));
            if (jeSlovo("else")) {
                const int radekElse = dalsi().radek;
                pr->deti.push_back(povinnyPrikaz("za 'else' z řádku " + std::to_string(radekElse)));
            }
            return pr;
        }
        if (jeSlovo("else"))
            chyba(t, "'else' bez 'if'");
        if (t.druh != Token::Druh::Jmeno)
            chyba(t, "příkaz nemůže začínat: " + popis(t));
        if (jeVyhrazene(t.text) && t.text != "global")
            chyba(t, "příkaz '" + t.text + "' náhled neumí");

        VyrazPtr cil = cesta();
        if (cil->druh == Vyraz::Druh::Volani) {
            pr->druh = Prikaz::Druh::Volani;
            pr->vyraz = std::move(cil);
        } else {
            static constexpr std::array<std::string_view, 5> prirazeni{"=", "+=", "-=", "*=", "/="};
            const auto op = std::find(prirazeni.begin(), prirazeni.end(), ted().text);
            if (ted().druh != Token::Druh::Symbol || op == prirazeni.end())
                chyba(ted(), "za '" + cil->text + "' čekám '=' nebo '(', stojí tu " + popis(ted()));
            ++m_p;
            pr->druh = Prikaz::Druh::Prirazeni;
            pr->op = std::string(*op);
            pr->cil = std::move(cil);
            pr->vyraz = vyraz();
        }
        vezmiSymbol(";");
        return pr;
    }

    PrikazPtr povinnyPrikaz(const std::string& kde) {
        if (ted().druh == Token::Druh::Konec || jeSymbol("}") || jeSlovo("else"))
            chyba(ted(), kde + " chybí příkaz, stojí tu " + popis(ted()));
        PrikazPtr pr = prikaz();
        if (!pr) {
            pr = std::make_unique<Prikaz>();
            pr->druh = Prikaz::Druh::Blok;
        }
        return pr;
    }

    VyrazPtr uzel(Vyraz::Druh druh, const Token& t) {
        auto v = std::make_unique<Vyraz>();
        v->druh = druh;
        v->radek = t.radek;
        return v;
    }

    VyrazPtr binarni(VyrazPtr levy, const Token& op, VyrazPtr pravy, std::string znak) {
        VyrazPtr v = uzel(Vyraz::Druh::Binarni, op);
        v->text = std::move(znak);
        v->deti.push_back(std::move(levy));
        v->deti.push_back(std::move(pravy));
        return v;
    }

    VyrazPtr vyraz() {
        Hloubka h(*this);
        return uroven(0);
    }

    struct Operator {
        std::string_view slovo; // as written
        std::string_view znak;  // as the tree keeps it
    };

    // The binary operators by precedence, loosest first.
    static const std::vector<std::vector<Operator>>& urovne() {
        static const std::vector<std::vector<Operator>> u{
            {{"||", "||"}, {"or", "||"}},
            {{"&&", "&&"}, {"and", "&&"}},
            {{"==", "=="}, {"!=", "!="}, {"=", "=="}},
            {{"<", "<"}, {">", ">"}, {"<=", "<="}, {">=", ">="}},
            {{"+", "+"}, {"-", "-"}},
            {{"*", "*"}, {"/", "/"}},
        };
        return u;
    }

    const Operator* operatorNa(std::size_t u) const {
        const bool muzeByt = ted().druh == Token::Druh::Symbol || ted().druh == Token::Druh::Jmeno;
        for (const Operator& op : urovne()[u])
            if (muzeByt && ted().text == op.slovo)
                return &op;
        return nullptr;
    }

    VyrazPtr uroven(std::size_t u) {
        if (u == urovne().size())
            return unarni();
        VyrazPtr v = uroven(u + 1);
        while (const Operator* op = operatorNa(u)) {
            const Token& t = dalsi();
            v = binarni(std::move(v), t, uroven(u + 1), std::string(op->znak));
        }
        return v;
    }

    VyrazPtr unarni() {
        Hloubka h(*this);
        if (jeSymbol("-") || jeSymbol("+") || jeSymbol("!") || jeSlovo("not")) {
            const Token& op = dalsi();
            VyrazPtr v = uzel(Vyraz::Druh::Unarni, op);
            v->text = op.text == "not" ? "!" : op.text;
            v->deti.push_back(unarni());
            return v;
        }
        return primarni();
    }

    VyrazPtr primarni() {
        const Token& t = ted();
        if (t.druh == Token::Druh::Cislo || jeSlovo("true") || jeSlovo("false")) {
            ++m_p;
            VyrazPtr v = uzel(Vyraz::Druh::Cislo, t);
            v->cislo = t.druh == Token::Druh::Cislo ? t.cislo : (t.text == "true" ? 1 : 0);
            return v;
        }
        if (t.druh == Token::Druh::Text) {
            ++m_p;
            VyrazPtr v = uzel(Vyraz::Druh::Text, t);
            v->text = t.text;
            return v;
        }
        if (vezmiSymbol("(")) {
            VyrazPtr v = vyraz();
            ocekavej(")");
            return v;
        }
        if (t.druh == Token::Druh::Jmeno && (!jeVyhrazene(t.text) || t.text == "global"))
            return cesta();
        chyba(t, "čekám výraz, stojí tu " + popis(t));
    }

    // A variable, an array element or a call, starting at a name.
    VyrazPtr cesta() {
        const Token& t = dalsi();
        std::string jmeno = t.text;
        const bool globalni = jmeno == "global";
        if (globalni) {
            ocekavej(".");
            if (ted().druh != Token::Druh::Jmeno)
                chyba(ted(), "za 'global.' čekám jméno proměnné, stojí tu " + popis(ted()));
            jmeno += "." + dalsi().text;
        } else if (jeSymbol(".")) {
            chyba(ted(), "náhled zná jen proměnné 'global.', ne '" + jmeno + ".'");
        }
        if (!globalni && vezmiSymbol("(")) {
            VyrazPtr v = uzel(Vyraz::Druh::Volani, t);
            v->text = jmeno;
            if (!vezmiSymbol(")")) {
                do
                    v->deti.push_back(vyraz());
                while (vezmiSymbol(","));
                ocekavej(")");
            }
            v->zdroj = m_zdroj.substr(t.zacatek, m_t[m_p - 1].konec - t.zacatek);
            return v;
        }
        if (vezmiSymbol("[")) {
            VyrazPtr v = uzel(Vyraz::Druh::Prvek, t);
            v->text = jmeno;
            v->deti.push_back(vyraz());
            ocekavej("]");
            return v;
        }
        VyrazPtr v = uzel(Vyraz::Druh::Promenna, t);
        v->text = jmeno;
        return v;
    }

    const std::string& m_zdroj;
    std::vector<Token> m_t;
    std::size_t m_p = 0;
    int m_hloubka = 0;
};

} // namespace

std::variant<Program, ChybaSkriptu> Rozeber(const std::string& text) {
    auto tokeny = Tokenizuj(text);
    if (auto* chyba = std::get_if<ChybaSkriptu>(&tokeny))
        return *chyba;
    Parser parser(text, std::move(std::get<std::vector<Token>>(tokeny)));
    try {
        return parser.program();
    } catch (const Zastaveni& z) {
        return z.chyba;
    }
}

} // namespace nahled
