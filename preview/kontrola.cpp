#include "preview/kontrola.h"

#include "generators/slovnik.h"
#include "generators/spoj_radky.h"
#include "jazyk/konstanty.h"
#include "jazyk/rozbor.h"
#include "preview/mistnost.h"
#include "preview/pocty_nastaveni.h"
#include "preview/slova_formulare.h"

#include <algorithm>
#include <map>
#include <set>
#include <string_view>
#include <tuple>

using generatory::Skript;
using generatory::Vlozeni;

namespace nahled {

namespace {

// Every place the reader cannot read, in line order.
std::vector<ChybaSkriptu> chybyCteni(const std::string& text) {
    return Rozeber(text).chyby;
}

bool prazdny(const std::string& text) {
    return text.find_first_not_of(" \t\r\n") == std::string::npos;
}

// What the field's text must be where the generator puts it.
enum class Misto { Vyraz, Text, Prikaz, Promenna, Volne };

Misto misto(generatory::Pole pole) {
    switch (pole) {
    case generatory::Pole::MenuPocet:
    case generatory::Pole::MenuX:
    case generatory::Pole::MenuY:
    case generatory::Pole::NastaveniX:
    case generatory::Pole::NastaveniY:
    case generatory::Pole::HighskoreNick:
    case generatory::Pole::HighskoreSkore:
    case generatory::Pole::TitulkyBarvaPozice:
    case generatory::Pole::TitulkyBarvaOsob:
    case generatory::Pole::TitulkyVelikostPisma:
        return Misto::Vyraz;
    case generatory::Pole::MenuText:
    case generatory::Pole::NastaveniNazev:
    case generatory::Pole::NastaveniHodnota:
    case generatory::Pole::TitulkyNazevPisma:
        return Misto::Text;
    case generatory::Pole::MenuAkce:
    case generatory::Pole::NastaveniAkce:
        return Misto::Prikaz;
    case generatory::Pole::TitulkyText:
        return Misto::Promenna;
    default:
        return Misto::Volne;
    }
}

bool jeCislice(char z) {
    return z >= '0' && z <= '9';
}

// A name of letters without diacritics, digits and _, not starting with a digit, and no keyword.
bool jeJmeno(std::string_view text) {
    if (text.empty() || jeCislice(text[0]))
        return false;
    const bool znaky = std::all_of(text.begin(), text.end(), [](char z) {
        return (z >= 'a' && z <= 'z') || (z >= 'A' && z <= 'Z') || jeCislice(z) || z == '_';
    });
    const auto& slova = KlicovaSlova();
    return znaky && std::find(slova.begin(), slova.end(), text) == slova.end();
}

// Why a text that must be a variable's name is none, in the author's words.
std::string procNeniJmeno(const std::string& text) {
    if (jeCislice(text[0]))
        return "nesmí začínat číslicí";
    if (jeJmeno(text + "_"))
        return "„" + text + "“ je vyhrazené slovo jazyka";
    return "smí mít jen písmena bez diakritiky, číslice a _";
}

// Plain numbers, names and "global." names, the commonest texts, pass without the reader.
bool zjevneSpravne(const std::string& text, Misto m) {
    if (m == Misto::Text)
        return text.find_first_of("\"\n") == std::string::npos;
    if (m != Misto::Vyraz && m != Misto::Promenna)
        return false;
    if (m == Misto::Vyraz && !text.empty() && std::all_of(text.begin(), text.end(), jeCislice))
        return true;
    const std::string_view globalni = "global.";
    return jeJmeno(text.starts_with(globalni) ? std::string_view(text).substr(globalni.size())
                                              : std::string_view(text));
}

// A comma outside brackets: in an argument it starts another argument.
bool carkaNavrchu(const std::string& text) {
    Lexer lexer(text);
    int hloubka = 0;
    for (Token t; lexer.dalsi(t), t.druh != Token::Druh::Konec;) {
        if (t.druh != Token::Druh::Symbol)
            continue;
        if (t.text == "(" || t.text == "[")
            ++hloubka;
        else if (t.text == ")" || t.text == "]")
            --hloubka;
        else if (t.text == "," && hloubka <= 0)
            return true;
    }
    return false;
}

// "100,5" as a Czech writes a decimal number.
bool desetinna(const std::string& text) {
    const std::size_t od = text.find_first_not_of(" \t");
    const std::size_t po = text.find_last_not_of(" \t") + 1;
    const std::string_view cislo(text.data() + od, po - od);
    const std::size_t carka = cislo.find(',');
    const auto cislice = [](std::string_view s) {
        return !s.empty() && std::all_of(s.begin(), s.end(), jeCislice);
    };
    const std::string_view cela = cislo.substr(0, carka);
    return carka != std::string_view::npos &&
           cislice(cela.starts_with('-') ? cela.substr(1) : cela) &&
           cislice(cislo.substr(carka + 1));
}

std::string tecka(std::string text) {
    std::replace(text.begin(), text.end(), ',', '.');
    text.erase(0, text.find_first_not_of(" \t"));
    text.erase(text.find_last_not_of(" \t") + 1);
    return text;
}

// A font size left at a name, as at the field's caption "velikost": no line of the script sets
// it before the font is made.
bool velikostBezHodnoty(const Vlozeni& v, const std::string& text) {
    return v.pole == generatory::Pole::TitulkyVelikostPisma && jeJmeno(text) &&
           !HodnotaKonstanty(text);
}

// Where the field stands in its form: the fields above the rows, the rows from the first, the
// options below them; within a row in the order of its columns. A message no field wrote comes
// last, in the order of the script.
auto poradi(const Nalez& n) {
    if (!n.pole)
        return std::make_tuple(3, std::uint32_t{0}, 0, std::uint32_t{0}, n.udalost, n.radek);
    const generatory::Pole p = n.pole->pole;
    const int skupina = p == generatory::Pole::MenuPocet     ? 0
                        : p <= generatory::Pole::TitulkyText ? 1
                                                             : 2;
    return std::make_tuple(skupina, n.pole->vstup, static_cast<int>(p), n.pole->kus, n.udalost,
                           n.radek);
}

// One field's text judged alone, in a line of the shape the generator writes it into.
struct Posudek {
    std::string zprava;
    // False where the text may be right in some of its lines, as an empty action of a settings
    // value may: it is named only when a line near it cannot be read.
    bool jiste = true;
};

class Kontrola {
public:
    explicit Kontrola(const Skript& skript, Prectene* prectene = nullptr)
        : m_skript(skript), m_slova(skript), m_prectene(prectene) {}

    std::vector<Nalez> vse() {
        std::vector<Nalez> pocty = ZkontrolujPocty(m_skript, m_slova);
        for (const Nalez& n : pocty)
            m_spatnePocty.insert(n.pole->vstup);
        for (Udalost u : {Udalost::Create, Udalost::Step, Udalost::Draw, Udalost::Alarm0})
            udalost(u);
        m_nalezy.insert(m_nalezy.end(), pocty.begin(), pocty.end());
        std::stable_sort(m_nalezy.begin(), m_nalezy.end(),
                         [](const Nalez& a, const Nalez& b) { return poradi(a) < poradi(b); });
        return std::move(m_nalezy);
    }

    Nalez chyba(Udalost u, const ChybaSkriptu& c, const std::string& jak) const {
        const auto& puvod = m_skript.puvodRadku(u);
        const auto r = static_cast<std::size_t>(c.radek - 1);
        std::optional<Vlozeni> pole;
        bool jedno = true;
        if (c.radek >= 1 && r < puvod.size())
            for (const Vlozeni& v : puvod[r]) {
                if (misto(v.pole) == Misto::Volne)
                    continue;
                if (pole && std::tie(pole->pole, pole->vstup, pole->kus) !=
                                std::tie(v.pole, v.vstup, v.kus))
                    jedno = false;
                if (!pole)
                    pole = v;
            }
        if (pole && jedno)
            return {u, c.radek, m_slova.jmeno(*pole, text(u, r, *pole)) + ": " + c.zprava, pole};
        return {u, c.radek, MistoVUdalosti(NazevUdalosti(u), c.radek) + jak + c.zprava, pole};
    }

private:
    std::string text(Udalost u, std::size_t r, const Vlozeni& v) const {
        return m_skript.radky(u)[r].substr(v.zacatek, v.delka);
    }

    void udalost(Udalost u) {
        const auto& radky = m_skript.radky(u);
        Rozbor precteno = Rozeber(generatory::SpojRadky(radky));
        const std::vector<ChybaSkriptu> chyby = precteno.chyby;
        if (m_prectene)
            (*m_prectene)[u] = std::move(precteno);
        const auto& puvod = m_skript.puvodRadku(u);
        for (std::size_t r = 0; r < puvod.size(); ++r)
            for (const Vlozeni& v : puvod[r])
                posudPole(u, r, v, true);
        // Each error is put down to the broken fields since the one before it.
        std::size_t od = 0;
        for (const ChybaSkriptu& c : chyby) {
            const std::size_t po =
                std::min<std::size_t>(static_cast<std::size_t>(std::max(c.radek, 1)), puvod.size());
            bool vysvetleno = false;
            for (std::size_t r = od; r < po; ++r)
                for (const Vlozeni& v : puvod[r])
                    vysvetleno = posudPole(u, r, v, false) || vysvetleno ||
                                 (v.pole == generatory::Pole::NastaveniAkce &&
                                  m_spatnePocty.contains(v.vstup));
            if (!vysvetleno)
                m_nalezy.push_back(chyba(u, c, "nelze přečíst: "));
            od = std::max(od, po);
        }
    }

    // True when the field is broken; names it once, at the first line it broke.
    bool posudPole(Udalost u, std::size_t r, const Vlozeni& v, bool jenJiste) {
        const std::string t = text(u, r, v);
        const std::optional<Posudek> p = posud(v, t);
        if (!p || (jenJiste && !p->jiste))
            return false;
        if (m_nahlasena.insert({v.pole, v.vstup, v.kus}).second)
            m_nalezy.push_back({u, static_cast<int>(r + 1), p->zprava, v});
        return true;
    }

    std::optional<Posudek> posud(const Vlozeni& v, const std::string& text) {
        const Misto m = misto(v.pole);
        if (m == Misto::Volne || (zjevneSpravne(text, m) && !velikostBezHodnoty(v, text)))
            return std::nullopt;
        const auto klic = std::make_tuple(v.pole, v.vstup, v.kus);
        if (const auto drive = m_posudky.find(klic); drive != m_posudky.end())
            return drive->second;
        return m_posudky[klic] = posudNove(v, text, m);
    }

    std::optional<Posudek> posudNove(const Vlozeni& v, const std::string& text, Misto m) const {
        const std::string jmeno = m_slova.jmeno(v, text);
        switch (m) {
        case Misto::Text:
            if (chybyCteni("f(\"" + text + "\")").empty())
                return std::nullopt;
            return Posudek{jmeno +
                           " obsahuje uvozovky \": v kódu text ukončí a zbytek se nedá přečíst"};
        case Misto::Promenna:
            if (prazdny(text))
                return Posudek{"Text uzlu je prázdný, a přitom se v kódu používá jako jméno "
                               "proměnné"};
            if (chybyCteni(text + " = 0\n" + text + " -= 7\nif(" + text + " > 0)f(" + text + ")")
                    .empty())
                return std::nullopt;
            return Posudek{jmeno +
                           " se v kódu používá jako jméno proměnné: " + procNeniJmeno(text)};
        case Misto::Vyraz:
            if (prazdny(text))
                return Posudek{m_slova.jePrazdne(v, text)};
            if (const auto c = chybyCteni("f(" + text + ")"); !c.empty())
                return Posudek{jmeno + ": " + c.front().zprava};
            if (carkaNavrchu(text))
                return Posudek{desetinna(text)
                                   ? jmeno +
                                         " má desetinnou čárku, ale skript píše desetinnou "
                                         "tečku: " +
                                         tecka(text)
                                   : jmeno + " obsahuje čárku, a ta v kódu odděluje argumenty "
                                             "volání; hra pak řádek odmítne"};
            if (velikostBezHodnoty(v, text))
                return Posudek{jmeno + " je „" + text +
                               "“, jméno proměnné, která tu ještě nemá hodnotu. Napište "
                               "velikost písma číslem, třeba 12"};
            return std::nullopt;
        case Misto::Prikaz:
            return posudAkci(v, text, jmeno);
        case Misto::Volne:
            break;
        }
        return std::nullopt;
    }

    std::optional<Posudek> posudAkci(const Vlozeni& v, const std::string& text,
                                     const std::string& jmeno) const {
        const bool nastaveni = v.pole == generatory::Pole::NastaveniAkce;
        // A menu item's empty action takes the next item's test for its own, so the script runs
        // wrong even where it reads; a settings value may well have nothing to do.
        if (prazdny(text))
            return Posudek{m_slova.jePrazdne(v, text), !nastaveni};
        const Rozbor r = Rozeber("if(a)" + text);
        const auto& c = r.chyby;
        // The item's test stands before its action without braces, so it holds only the
        // action's first statement; the rest would run on every Enter.
        if (c.empty() && !nastaveni && r.program.prikazy.size() > 1)
            return Posudek{jmeno + " má víc příkazů, ale na vybrané položce závisí jen první; "
                                   "ostatní se provedou při každém Enteru. Uzavřete je do { }"};
        // An else that no if of the action opens belongs to the item's test.
        if (c.empty() && !nastaveni && !r.program.prikazy.empty() &&
            r.program.prikazy.front().druh == Prikaz::Druh::Kdyz &&
            r.program.prikazy.front().deti.size() == 2)
            return Posudek{jmeno + " má „else“ bez vlastního „if“; v kódu patří k testu vybrané "
                                   "položky, a tak se provede při Enteru na každé jiné položce"};
        if (c.empty())
            return std::nullopt;
        if (nastaveni) {
            const std::string cela = akceNastaveni(v.vstup);
            if (chybyCteni("if(a){" + cela + "}").empty())
                return Posudek{jmeno +
                               ": středník odděluje akce jednotlivých hodnot, a tak "
                               "rozdělil akci „" +
                               cela + "“; napište ji bez středníků"};
        }
        return Posudek{jmeno + ": " + c.front().zprava};
    }

    // The entry's actions joined again, as the author typed them, from the lines of the script.
    std::string akceNastaveni(std::size_t vstup) const {
        std::map<std::size_t, std::string> kusy;
        const auto& radky = m_skript.radky(Udalost::Step);
        const auto& puvod = m_skript.puvodRadku(Udalost::Step);
        for (std::size_t r = 0; r < puvod.size(); ++r)
            for (const Vlozeni& v : puvod[r])
                if (v.pole == generatory::Pole::NastaveniAkce && v.vstup == vstup)
                    kusy.try_emplace(v.kus, radky[r].substr(v.zacatek, v.delka));
        std::string cela;
        for (auto it = kusy.begin(); it != kusy.end(); ++it)
            cela += (it == kusy.begin() ? "" : ";") + it->second;
        return cela;
    }

    const Skript& m_skript;
    SlovaFormulare m_slova;
    Prectene* m_prectene;
    std::vector<Nalez> m_nalezy;
    std::map<std::tuple<generatory::Pole, std::size_t, std::size_t>, std::optional<Posudek>>
        m_posudky;
    std::set<std::tuple<generatory::Pole, std::size_t, std::size_t>> m_nahlasena;
    // Settings entries whose numbers of values and actions differ: the broken line that follows
    // is already explained.
    std::set<std::size_t> m_spatnePocty;
};

} // namespace

std::vector<Nalez> Zkontroluj(const Skript& skript, Prectene* prectene) {
    return Kontrola(skript, prectene).vse();
}

Nalez PopisChyby(const Skript& skript, Udalost udalost, const ChybaSkriptu& chyba) {
    return Kontrola(skript).chyba(udalost, chyba, "běh zastaven: ");
}

} // namespace nahled
