#include "generators/generuj_nastaveni.h"

#include "generators/cele_cislo.h"
#include "generators/explode.h"

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <utility>
#include <variant>

namespace {

using Radky = std::vector<std::string>;

const std::string sep = "//---------------------------------------------------------";

std::string cislo(std::size_t n) {
    return std::to_string(n);
}

std::string barva(std::size_t k) {
    return "barva_" + cislo(k);
}

std::string hodnotaPolozky(std::size_t e) {
    return "vybrana_hodnota[" + cislo(e) + "]";
}

// A line of fixed text in an event.
void pevny(Skript& skript, Udalost udalost, std::string text) {
    PridejRadek(skript, udalost, std::move(text));
}

// Blocks S5–S8 of the down key (soused = k − 1) and S19–S22 of the up key (soused = k + 1).
void pridejPrebarveni(Skript& skript, std::size_t k, std::size_t soused) {
    pevny(skript, Udalost::Step, " if(nastav_vybrany == " + cislo(k) + "){");
    pevny(skript, Udalost::Step, "   " + barva(soused) + " = c_white");
    pevny(skript, Udalost::Step, "   " + barva(k) + " = c_yellow");
    pevny(skript, Udalost::Step, " }");
}

// Rows R5–R9 and L5–L9: the wrap to the first or last value and its action.
void pridejZaver(Skript& skript, const std::string& h, const std::string& hodnota, std::size_t e,
                 std::size_t j, const std::string& akce) {
    pevny(skript, Udalost::Step, " } else {");
    pevny(skript, Udalost::Step, "   " + h + " = " + hodnota);
    Radek().text("   ").pole(Pole::NastaveniAkce, e, akce, j).pridej(skript, Udalost::Step);
    pevny(skript, Udalost::Step, "}");
    pevny(skript, Udalost::Step, "}");
}

void pridejVpravo(Skript& skript, const PolozkaNastaveni& p, std::size_t e) {
    const std::string k = cislo(e + 1);
    const std::string h = hodnotaPolozky(e);
    const Radky hodnoty = Explode(";", p.Hodnoty);
    const Radky akce = Explode(";", p.Akce);
    const std::size_t v = hodnoty.size();

    pevny(skript, Udalost::Step, "if(nastav_vybrany == " + k + "){");
    pevny(skript, Udalost::Step,
          v >= 1 ? "  if(" + h + " < " + cislo(v) + "){" : " if(" + h + " < 0){");
    pevny(skript, Udalost::Step, "   " + h + " += 1");
    Radek radek;
    for (std::size_t j = 1; j <= akce.size(); ++j) {
        const std::string test = h + " == " + cislo(j);
        const std::string& a = akce[j - 1];
        if (v == 1)
            radek.text("if(nastav_vybrany == " + k + ")if(" + test + ")")
                .pole(Pole::NastaveniAkce, e, a, j - 1);
        else if (j < v)
            radek.text("if(nastav_vybrany == " + k + ")   if(" + test + "){")
                .pole(Pole::NastaveniAkce, e, a, j - 1)
                .text("} else");
        else
            radek.text("   if(nastav_vybrany == " + k + ")if(" + test + ")")
                .pole(Pole::NastaveniAkce, e, a, j - 1);
        radek.pridej(skript, Udalost::Step);
    }
    pridejZaver(skript, h, "1", e, 0, akce.front());
}

void pridejVlevo(Skript& skript, const PolozkaNastaveni& p, std::size_t e) {
    const std::string h = hodnotaPolozky(e);
    const Radky hodnoty = Explode(";", p.Hodnoty);
    const Radky akce = Explode(";", p.Akce);
    const std::size_t v = hodnoty.size();

    pevny(skript, Udalost::Step, "if(nastav_vybrany == " + cislo(e + 1) + "){");
    pevny(skript, Udalost::Step, v >= 1 ? "  if(" + h + " > 1){" : " if(" + h + " < 0){");
    pevny(skript, Udalost::Step, "   " + h + " -= 1");
    Radek radek;
    for (std::size_t j = 1; j <= akce.size(); ++j) {
        const std::string zacatek = "   if(" + h + " == " + cislo(j) + ")";
        const std::string& a = akce[j - 1];
        if (v == 1)
            radek.text(zacatek).pole(Pole::NastaveniAkce, e, a, j - 1);
        else if (j + 1 < v)
            radek.text(zacatek + "{").pole(Pole::NastaveniAkce, e, a, j - 1).text("} else");
        else if (j + 1 == v)
            radek.text(zacatek + "{").pole(Pole::NastaveniAkce, e, a, j - 1).text("}");
        else
            continue;
        radek.pridej(skript, Udalost::Step);
    }
    pridejZaver(skript, h, cislo(v), e, akce.size() - 1, akce.back());
}

void pridejCreate(Skript& skript, std::size_t n) {
    pevny(skript, Udalost::Create, sep);
    pevny(skript, Udalost::Create, "nastav_vybrany = 1");
    pevny(skript, Udalost::Create, "barva_1 = c_yellow");
    for (std::size_t k = 2; k <= n; ++k)
        pevny(skript, Udalost::Create, barva(k) + " = c_white");
    pevny(skript, Udalost::Create, sep);
    for (std::size_t e = 0; e < n; ++e)
        pevny(skript, Udalost::Create, hodnotaPolozky(e) + " = 1");
    pevny(skript, Udalost::Create, sep);
}

void pridejStep(Skript& skript, const std::vector<PolozkaNastaveni>& polozky) {
    const std::size_t n = polozky.size();
    const std::string pocet = cislo(n);
    const auto step = [&skript](std::initializer_list<std::string> radky) {
        for (const std::string& radek : radky)
            pevny(skript, Udalost::Step, radek);
    };
    step({sep, "if(keyboard_check_pressed(vk_down)){", "if(nastav_vybrany < " + pocet + "){",
          " nastav_vybrany += 1"});
    for (std::size_t k = 2; k <= n; ++k)
        pridejPrebarveni(skript, k, k - 1);
    step({"} else {", " nastav_vybrany = 1", " barva_1 = c_yellow", " " + barva(n) + " = c_white",
          "}", "}", sep});

    step({"if(keyboard_check_pressed(vk_up)){", "if(nastav_vybrany > 1){", " nastav_vybrany -= 1"});
    for (std::size_t k = 1; k < n; ++k)
        pridejPrebarveni(skript, k, k + 1);
    step({"} else {", " nastav_vybrany = " + pocet, " barva_1 = c_white",
          " " + barva(n) + " = c_yellow", "}", "}", sep});

    step({"if(keyboard_check_pressed(vk_right)){"});
    for (std::size_t e = 0; e < n; ++e)
        pridejVpravo(skript, polozky[e], e);
    step({"}", sep, "if(keyboard_check_pressed(vk_left)){"});
    for (std::size_t e = 0; e < n; ++e)
        pridejVlevo(skript, polozky[e], e);
    step({"}"});
}

// A name or value line: the text at the entry's place in its colour, and the input that
// places it.
void kresliText(Skript& skript, Radek& radek, std::size_t e, Puvod::Cast cast) {
    const std::string b = barva(e + 1);
    radek.text("\"," + b + "," + b + "," + b + "," + b + ",true)");
    radek.pridej(skript, Udalost::Draw);
    skript.puvod.push_back(Puvod{e, cast});
}

void kresli(Skript& skript, std::string radek) {
    pevny(skript, Udalost::Draw, std::move(radek));
    skript.puvod.push_back(std::nullopt);
}

// Stops at the first value line whose x is no whole number and returns its error.
std::optional<Chyba> pridejDraw(Skript& skript, const std::vector<PolozkaNastaveni>& polozky) {
    kresli(skript, sep);
    Radek radek;
    for (std::size_t e = 0; e < polozky.size(); ++e) {
        const PolozkaNastaveni& p = polozky[e];
        radek.text("draw_text_color(")
            .pole(Pole::NastaveniX, e, p.PoziceX)
            .text(",")
            .pole(Pole::NastaveniY, e, p.PoziceY)
            .text(",\"")
            .pole(Pole::NastaveniNazev, e, p.Nazev);
        kresliText(skript, radek, e, Puvod::Cast::Nazev);
    }
    kresli(skript, sep);
    for (std::size_t e = 0; e < polozky.size(); ++e) {
        const PolozkaNastaveni& p = polozky[e];
        const Radky hodnoty = Explode(";", p.Hodnoty);
        for (std::size_t i = 1; i <= hodnoty.size(); ++i) {
            kresli(skript, "if(" + hodnotaPolozky(e) + " == " + cislo(i) + "){");
            const auto x = PrevedNaCislo(p.PoziceX);
            if (const auto* chyba = std::get_if<Chyba>(&x))
                return *chyba;
            // In 64 bits, so an x near the top of the range gives the true sum.
            const std::int64_t x180 = std::int64_t{std::get<std::int32_t>(x)} + 180;
            radek.text("draw_text_color(")
                .pole(Pole::NastaveniX, e, std::to_string(x180))
                .text(",")
                .pole(Pole::NastaveniY, e, p.PoziceY)
                .text(",\"")
                .pole(Pole::NastaveniHodnota, e, hodnoty[i - 1], i - 1);
            kresliText(skript, radek, e, Puvod::Cast::Hodnota);
            kresli(skript, i < hodnoty.size() ? "} else" : "}");
        }
    }
    kresli(skript, sep);
    return std::nullopt;
}

} // namespace

Skript GenerujNastaveni(const std::vector<PolozkaNastaveni>& polozky) {
    Skript skript;
    if (polozky.empty()) {
        skript.odmitnuti = "Nejsou vytvořené žádné položky!";
        return skript;
    }
    // Every key block runs the entry's first or last action, so an entry needs at least one.
    for (std::size_t e = 0; e < polozky.size(); ++e) {
        if (polozky[e].Akce.empty()) {
            skript.odmitnuti =
                "Položka č. " + cislo(e + 1) + " „" + polozky[e].Nazev + "“ nemá žádnou akci!";
            return skript;
        }
    }
    pridejCreate(skript, polozky.size());
    pridejStep(skript, polozky);
    skript.chyba = pridejDraw(skript, polozky);
    return skript;
}
