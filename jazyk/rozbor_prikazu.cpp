#include "jazyk/konstanty.h"
#include "jazyk/operatory.h"
#include "jazyk/parser.h"

#include <algorithm>

namespace nahled {

Prikaz Parser::jednoduchy() {
    Prikaz pr;
    pr.radek = ted().radek;
    if (vezmiSymbol(";"))
        return pr;
    if (jeSymbol("{")) {
        Hloubka h(*this);
        posun();
        seznam(pr.deti, true);
        if (!vezmiSymbol("}"))
            chyba("chybí '}' k '{' z řádku " + std::to_string(pr.radek));
        // A block of one statement is that statement: blocks have no scope of their own.
        if (pr.deti.size() == 1) {
            Prikaz jediny = std::move(pr.deti[0]);
            return jediny;
        }
        return pr;
    }
    if (ted().druh == Token::Druh::Jmeno) {
        const std::string_view s = ted().text;
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
            const bool hodnota = s == "return" && ted().radek == pr.radek && !jeSymbol(";") &&
                                 !jeSymbol("}") && ted().druh != Token::Druh::Konec;
            if (hodnota)
                pr.vyrazy = uloz(vyraz());
            vezmiSymbol(";");
            return pr;
        }
        if (s == "else")
            chyba("'else' bez 'if'");
        if (s == "until")
            chyba("'until' bez 'do'");
        if (s == "case" || s == "default")
            chyba(vUvozovkach(s) + " mimo 'switch'");
        if (JeOperatorSlovem(s))
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
        pr.vyrazy = uloz(vyraz());
    // "while (…) do" and "with (…) do": here the word starts no do…until.
    if ((druh == Prikaz::Druh::Dokud || druh == Prikaz::Druh::S) && jeSlovo("do"))
        posun();
    pr.deti.push_back(telo(za, pr.radek));
    if (druh == Prikaz::Druh::DelejAz) {
        if (!jeSlovo("until"))
            chyba("k 'do' z řádku " + std::to_string(pr.radek) + " chybí 'until', stojí tu " +
                  popis(ted()));
        posun();
        pr.vyrazy = uloz(vyraz());
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
        Vyraz vzdy;
        vzdy.cislo = 1;
        pr.vyrazy = uloz(vzdy);
    } else {
        pr.vyrazy = uloz(vyraz());
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
    pr.vyrazy = uloz(vyraz());
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
                znacka.vyrazy = uloz(vyraz());
            ocekavej(":");
            pr.deti.push_back(std::move(znacka));
            continue;
        }
        const std::size_t pozice = m_pozice;
        const int radek = ted().radek;
        try {
            Prikaz p = prikaz();
            pr.deti.push_back(std::move(p));
        } catch (const Necitelne& n) {
            zaznamenej(n, pozice, radek);
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
    std::vector<Vyraz> jmena;
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
            const Vyraz obe[]{jmeno, vyraz()};
            prirazeni.vyrazy = uloz(obe, 2);
            if (globalni)
                jmena.push_back(jmeno);
            pr.deti.push_back(std::move(prirazeni));
        } else if (globalni) {
            jmena.push_back(jmeno);
        }
    } while (vezmiSymbol(","));
    pr.vyrazy = uloz(jmena.data(), jmena.size());
    vezmiSymbol(";");
    return pr;
}

// An assignment or a call.
Prikaz Parser::prosty(bool sStrednikem) {
    Prikaz pr;
    pr.radek = ted().radek;
    if (ted().druh != Token::Druh::Jmeno)
        chyba("příkaz nemůže začínat: " + popis(ted()));
    const std::string_view prvni = ted().text;
    const std::uint32_t zacatek = ted().zacatek;
    Vyraz cil = cesta();
    if (cil.druh == Vyraz::Druh::Cislo)
        chyba(vUvozovkach(prvni) + " je konstanta, nelze do ní zapsat");
    if (cil.druh == Vyraz::Druh::Volani) {
        pr.druh = Prikaz::Druh::Vyraz;
        pr.vyrazy = uloz(cil);
    } else {
        // "=" and ":=" write the value; the compound ones compute it with the old one first.
        const bool zapis = jeSymbol("=") || jeSymbol(":=");
        const Operator* slozene = !zapis && ted().druh == Token::Druh::Symbol
                                      ? NajdiOperator(ted().text, Operator::Druh::Slozeny)
                                      : nullptr;
        if (!zapis && !slozene)
            chyba("za '" + jmeno(cil) + "' čekám '=' nebo '(', stojí tu " + popis(ted()));
        posun();
        pr.druh = Prikaz::Druh::Prirazeni;
        pr.op = slozene ? slozene->op : Op::Zadny;
        Vyraz obe[]{cil, vyraz()};
        // What the room lists as an action it did not run: the statement as written.
        if (cil.druh == Vyraz::Druh::Cizi)
            obe[0].text = {zacatek, m_predKonec - zacatek};
        pr.vyrazy = uloz(obe, 2);
    }
    if (sStrednikem)
        vezmiSymbol(";");
    return pr;
}

} // namespace nahled
