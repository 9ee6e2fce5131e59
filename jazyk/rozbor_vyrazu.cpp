#include "jazyk/konstanty.h"
#include "jazyk/operatory.h"
#include "jazyk/parser.h"
#include "jazyk/tabulka_jmen.h"
#include "jazyk/vestavene.h"

#include <optional>
#include <vector>

namespace nahled {

namespace {

// What a name is to the parser: a keyword, one of the objects "x." names a variable of, or a
// constant it writes as its value. One lookup answers all three.
struct Slovo {
    bool vyhrazene = false;
    bool objekt = false;
    std::optional<double> konstanta;
};

const Slovo* slovo(std::string_view jmeno) {
    static const TabulkaJmen<Slovo> slova = [] {
        std::vector<std::pair<std::string_view, Slovo>> s;
        // The instances a value may name: the engine's own numbers for them.
        constexpr std::pair<std::string_view, double> instance[]{
            {"self", -1}, {"other", -2}, {"all", -3}, {"noone", -4}};
        for (std::string_view k : KlicovaSlova()) {
            std::optional<double> hodnota;
            for (const auto& [jmeno, cislo] : instance)
                if (k == jmeno)
                    hodnota = cislo;
            s.emplace_back(k, Slovo{true, k == "global" || k == "self" || k == "other", hodnota});
        }
        s.emplace_back("xor", Slovo{true, false, {}});
        for (const Konstanta& k : Konstanty())
            s.emplace_back(k.jmeno, Slovo{false, false, k.hodnota});
        return TabulkaJmen<Slovo>(s);
    }();
    return slova.najdi(jmeno);
}

bool jeVyhrazene(std::string_view jmeno) {
    const Slovo* s = slovo(jmeno);
    return s && s->vyhrazene;
}

bool jeObjekt(std::string_view jmeno) {
    const Slovo* s = slovo(jmeno);
    return s && s->objekt;
}

} // namespace

Parser::Hloubka::Hloubka(Parser& p) : m_p(p) {
    if (++m_p.m_hloubka > NejvetsiHloubka)
        m_p.chyba("příliš hluboké vnoření");
}

bool Parser::vezmiSymbol(std::string_view s) {
    if (!jeSymbol(s))
        return false;
    posun();
    return true;
}

void Parser::ocekavej(std::string_view symbol) {
    if (!vezmiSymbol(symbol))
        chyba("čekám '" + std::string(symbol) + "', stojí tu " + popis(ted()));
}

// An unreadable character, or a form the engine refuses, is the first thing wrong wherever the
// parser stopped at it.
void Parser::chyba(int radek, std::string zprava) const {
    if (m_ted.druh == Token::Druh::Chyba)
        throw Necitelne{{m_ted.radek, std::string(m_ted.text)}};
    if (m_ted.odmitnuty != Odmitnuty::Zadny)
        odmitni();
    throw Necitelne{{radek, std::move(zprava)}};
}

void Parser::odmitni() const {
    throw Necitelne{{m_ted.radek, ZpravaOdmitnuteho(m_ted.odmitnuty, m_ted.text)}};
}

std::string Parser::popis(const Token& t) {
    switch (t.druh) {
    case Token::Druh::Konec:
        return "konec skriptu";
    case Token::Druh::Text:
        return "text \"" + std::string(t.text.substr(0, NejdelsiUkazka)) +
               (t.text.size() > NejdelsiUkazka ? "…\"" : "\"");
    case Token::Druh::Cislo:
        return "číslo " + std::string(t.text.substr(0, NejdelsiUkazka));
    default:
        break;
    }
    return vUvozovkach(t.text);
}

// Operands joined by binary operators, read in one loop: each precedence level open at the
// moment is one flat chain on a stack, so neither a long chain nor a mix of levels recurses.
Vyraz Parser::vyraz() {
    Hloubka h(*this);
    const std::size_t retezu = m_retezy.size();
    const Uklid<OtevrenyRetez> uklidRetezu{m_retezy, retezu};
    const Uklid<Vyraz> uklidOperandu{m_operandy, m_operandy.size()};
    Vyraz v = unarni();
    // The innermost open chain takes v as its last operand, and v's place.
    const auto zavri = [&] {
        const OtevrenyRetez o = m_retezy.back();
        m_retezy.pop_back();
        v.spojka = o.dalsi;
        m_operandy.push_back(v);
        v = Vyraz{};
        v.druh = Vyraz::Druh::Retez;
        v.radek = o.radek;
        v.deti = uloz(m_operandy.data() + o.od, m_operandy.size() - o.od);
        m_operandy.resize(o.od);
    };
    while (ted().operace) {
        const Operator& o = OperatorTokenu(ted().operace);
        if (o.odmitnuty != Odmitnuty::Zadny)
            odmitni();
        const std::uint8_t u = o.uroven;
        const Op op = o.op;
        posun();
        while (m_retezy.size() > retezu && m_retezy.back().uroven > u)
            zavri();
        if (m_retezy.size() > retezu && m_retezy.back().uroven == u) {
            v.spojka = m_retezy.back().dalsi;
            m_retezy.back().dalsi = op;
        } else {
            m_retezy.push_back({u, op, v.radek, m_operandy.size()});
        }
        m_operandy.push_back(v);
        v = unarni();
    }
    while (m_retezy.size() > retezu)
        zavri();
    return v;
}

Vyraz Parser::unarni() {
    // Operands far outnumber unary operators, and no operator is a number, a text or a name
    // other than "not".
    if (ted().druh == Token::Druh::Cislo || ted().druh == Token::Druh::Text ||
        (ted().druh == Token::Druh::Jmeno && !jeSlovo("not")))
        return primarni();
    const Token t = ted();
    const std::uint8_t radek =
        t.druh == Token::Druh::Symbol && t.text.size() == 1
            ? JednoznakoveOperatory<Operator::Druh::Unarni>[static_cast<unsigned char>(t.text[0])]
            : 0;
    const Operator* o = radek            ? &OperatorTokenu(radek)
                        : jeSlovo("not") ? NajdiOperator("not", Operator::Druh::Unarni)
                                         : nullptr;
    if (!o)
        return primarni();
    Hloubka h(*this);
    posun();
    Vyraz v;
    v.druh = Vyraz::Druh::Unarni;
    v.radek = t.radek;
    v.op = o->op;
    v.deti = uloz(unarni());
    return v;
}

// The current token is read in place, not copied: a copy read back at once stalls on the
// stores that made it, and this runs for every operand.
Vyraz Parser::primarni() {
    const Token& t = ted();
    Vyraz v;
    v.radek = t.radek;
    if (t.odmitnuty != Odmitnuty::Zadny)
        odmitni();
    if (t.druh == Token::Druh::Cislo || jeSlovo("true") || jeSlovo("false")) {
        v.cislo = t.druh == Token::Druh::Cislo ? t.cislo : (t.text == "true" ? 1 : 0);
        posun();
        return v;
    }
    if (t.druh == Token::Druh::Text) {
        v.druh = Vyraz::Druh::Text;
        v.text = usek(t.text);
        posun();
        return v;
    }
    if (vezmiSymbol("(")) {
        v = vyraz();
        ocekavej(")");
        return v;
    }
    const Slovo* s = t.druh == Token::Druh::Jmeno ? slovo(t.text) : nullptr;
    if (s && s->vyhrazene && !s->objekt && s->konstanta) {
        v.cislo = *s->konstanta;
        posun();
        return v;
    }
    if (t.druh == Token::Druh::Jmeno && (!s || !s->vyhrazene || s->objekt)) {
        const std::uint32_t zacatek = t.zacatek;
        v = cesta(s && s->objekt);
        if (v.druh == Vyraz::Druh::Promenna && !v.znacka) {
            // After "self." or "other." the variable's own name decides.
            const Slovo* k =
                v.text.od == zacatek ? s : slovo(m_text.substr(v.text.od, v.text.delka));
            if (k && k->konstanta) {
                v.druh = Vyraz::Druh::Cislo;
                v.cislo = *k->konstanta;
            }
        }
        return v;
    }
    if (t.druh == Token::Druh::Jmeno && t.text != "true" && t.text != "false")
        chyba(vUvozovkach(t.text) + " tu nemůže stát, čekám výraz");
    chyba("čekám výraz, stojí tu " + popis(t));
}

Vyraz Parser::cesta() {
    return cesta(jeObjekt(ted().text));
}

Vyraz Parser::cesta(bool objekt) {
    const Token t = ted();
    posun();
    Vyraz v;
    v.radek = t.radek;
    v.druh = Vyraz::Druh::Promenna;
    v.text = usek(t.text);
    if (objekt) {
        const std::string objekt(t.text);
        if (!jeSymbol(".") && objekt != "global") {
            v.druh = Vyraz::Druh::Cislo;
            v.cislo = *slovo(objekt)->konstanta;
            return v;
        }
        ocekavej(".");
        if (ted().druh != Token::Druh::Jmeno || jeVyhrazene(ted().text))
            chyba("za '" + objekt + ".' čekám jméno proměnné, stojí tu " + popis(ted()));
        v.znacka = objekt == "global";
        v.text = usek(ted().text);
        posun();
    } else if (jeSymbol(".")) {
        posun();
        if (ted().druh != Token::Druh::Jmeno || jeVyhrazene(ted().text))
            chyba("za '" + std::string(t.text) + ".' čekám jméno proměnné, stojí tu " +
                  popis(ted()));
        posun();
        v.druh = Vyraz::Druh::Cizi;
        if (vezmiSymbol("[")) {
            vyraz();
            if (vezmiSymbol(","))
                vyraz();
            ocekavej("]");
        }
        v.text = {t.zacatek, m_predKonec - t.zacatek};
        return v;
    } else if (jeSymbol("(")) {
        return volani(t);
    }
    if (vezmiSymbol("[")) {
        v.druh = Vyraz::Druh::Prvek;
        Vyraz indexy[2];
        indexy[0] = vyraz();
        const bool dva = vezmiSymbol(",");
        if (dva)
            indexy[1] = vyraz();
        ocekavej("]");
        v.deti = uloz(indexy, dva ? 2 : 1);
    }
    return v;
}

// The arguments are gathered on a list shared by all calls first, so that they lie side by side
// in the program's store.
Vyraz Parser::volani(const Token& jmeno) {
    Vyraz v;
    v.druh = Vyraz::Druh::Volani;
    v.radek = jmeno.radek;
    posun();
    if (!vezmiSymbol(")")) {
        const Uklid<Vyraz> uklid{m_argumenty, m_argumenty.size()};
        do
            m_argumenty.push_back(vyraz());
        while (vezmiSymbol(","));
        ocekavej(")");
        v.deti = uloz(m_argumenty.data() + uklid.od, m_argumenty.size() - uklid.od);
    }
    v.znacka = static_cast<std::uint8_t>(IndexVestavene(jmeno.text));
    v.text = v.znacka ? usek(jmeno.text) : Usek{jmeno.zacatek, m_predKonec - jmeno.zacatek};
    return v;
}

} // namespace nahled
