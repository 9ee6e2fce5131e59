#include "generators/generuj_nastaveni.h"

#include "generators/cele_cislo.h"
#include "generators/explode.h"

#include <cstdint>
#include <optional>
#include <utility>
#include <variant>

namespace generatory {

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

std::string textVBarve(const std::string& x, const std::string& y, const std::string& text,
                       std::size_t k) {
    const std::string b = barva(k);
    return "draw_text_color(" + x + "," + y + ",\"" + text + "\"," + b + "," + b + "," + b + "," +
           b + ",true)";
}

// Blocks S5–S8 of the down key (soused = k − 1) and S19–S22 of the up key (soused = k + 1).
void pridejPrebarveni(Radky& step, std::size_t k, std::size_t soused) {
    step.push_back(" if(nastav_vybrany == " + cislo(k) + "){");
    step.push_back("   " + barva(soused) + " = c_white");
    step.push_back("   " + barva(k) + " = c_yellow");
    step.push_back(" }");
}

void pridejVpravo(Radky& step, const PolozkaNastaveni& p, std::size_t e) {
    const std::string k = cislo(e + 1);
    const std::string h = hodnotaPolozky(e);
    const Radky hodnoty = Explode(";", p.Hodnoty);
    const Radky akce = Explode(";", p.Akce);
    const std::size_t v = hodnoty.size();

    step.push_back("if(nastav_vybrany == " + k + "){");
    step.push_back(v >= 1 ? "  if(" + h + " < " + cislo(v) + "){" : " if(" + h + " < 0){");
    step.push_back("   " + h + " += 1");
    for (std::size_t j = 1; j <= akce.size(); ++j) {
        const std::string test = h + " == " + cislo(j);
        const std::string& a = akce[j - 1];
        if (v == 1)
            step.push_back("if(nastav_vybrany == " + k + ")if(" + test + ")" + a);
        else if (j < v)
            step.push_back("if(nastav_vybrany == " + k + ")   if(" + test + "){" + a + "} else");
        else
            step.push_back("   if(nastav_vybrany == " + k + ")if(" + test + ")" + a);
    }
    step.push_back(" } else {");
    step.push_back("   " + h + " = 1");
    step.push_back("   " + akce.front());
    step.push_back("}");
    step.push_back("}");
}

void pridejVlevo(Radky& step, const PolozkaNastaveni& p, std::size_t e) {
    const std::string h = hodnotaPolozky(e);
    const Radky hodnoty = Explode(";", p.Hodnoty);
    const Radky akce = Explode(";", p.Akce);
    const std::size_t v = hodnoty.size();

    step.push_back("if(nastav_vybrany == " + cislo(e + 1) + "){");
    step.push_back(v >= 1 ? "  if(" + h + " > 1){" : " if(" + h + " < 0){");
    step.push_back("   " + h + " -= 1");
    for (std::size_t j = 1; j <= akce.size(); ++j) {
        const std::string zacatek = "   if(" + h + " == " + cislo(j) + ")";
        const std::string& a = akce[j - 1];
        if (v == 1)
            step.push_back(zacatek + a);
        else if (j + 1 < v)
            step.push_back(zacatek + "{" + a + "} else");
        else if (j + 1 == v)
            step.push_back(zacatek + "{" + a + "}");
    }
    step.push_back(" } else {");
    step.push_back("   " + h + " = " + cislo(v));
    step.push_back("   " + akce.back());
    step.push_back("}");
    step.push_back("}");
}

void pridejCreate(Radky& create, std::size_t n) {
    create.push_back(sep);
    create.push_back("nastav_vybrany = 1");
    create.push_back("barva_1 = c_yellow");
    for (std::size_t k = 2; k <= n; ++k)
        create.push_back(barva(k) + " = c_white");
    create.push_back(sep);
    for (std::size_t e = 0; e < n; ++e)
        create.push_back(hodnotaPolozky(e) + " = 1");
    create.push_back(sep);
}

void pridejStep(Radky& step, const std::vector<PolozkaNastaveni>& polozky) {
    const std::size_t n = polozky.size();
    const std::string pocet = cislo(n);
    step.push_back(sep);
    step.push_back("if(keyboard_check_pressed(vk_down)){");
    step.push_back("if(nastav_vybrany < " + pocet + "){");
    step.push_back(" nastav_vybrany += 1");
    for (std::size_t k = 2; k <= n; ++k)
        pridejPrebarveni(step, k, k - 1);
    step.insert(step.end(), {"} else {", " nastav_vybrany = 1", " barva_1 = c_yellow",
                             " " + barva(n) + " = c_white", "}", "}", sep});

    step.push_back("if(keyboard_check_pressed(vk_up)){");
    step.push_back("if(nastav_vybrany > 1){");
    step.push_back(" nastav_vybrany -= 1");
    for (std::size_t k = 1; k < n; ++k)
        pridejPrebarveni(step, k, k + 1);
    step.insert(step.end(), {"} else {", " nastav_vybrany = " + pocet, " barva_1 = c_white",
                             " " + barva(n) + " = c_yellow", "}", "}", sep});

    step.push_back("if(keyboard_check_pressed(vk_right)){");
    for (std::size_t e = 0; e < n; ++e)
        pridejVpravo(step, polozky[e], e);
    step.push_back("}");
    step.push_back(sep);
    step.push_back("if(keyboard_check_pressed(vk_left)){");
    for (std::size_t e = 0; e < n; ++e)
        pridejVlevo(step, polozky[e], e);
    step.push_back("}");
}

// A Draw line and the input that places it.
void kresli(Skript& skript, std::string radek, std::optional<Puvod> puvod = std::nullopt) {
    skript.draw.push_back(std::move(radek));
    skript.puvod.push_back(puvod);
}

// Stops at the first value line whose x is no whole number and returns its error.
std::optional<Chyba> pridejDraw(Skript& skript, const std::vector<PolozkaNastaveni>& polozky) {
    kresli(skript, sep);
    for (std::size_t e = 0; e < polozky.size(); ++e)
        kresli(skript, textVBarve(polozky[e].PoziceX, polozky[e].PoziceY, polozky[e].Nazev, e + 1),
               Puvod{e, Puvod::Cast::Nazev});
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
            kresli(skript, textVBarve(std::to_string(x180), p.PoziceY, hodnoty[i - 1], e + 1),
                   Puvod{e, Puvod::Cast::Hodnota});
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
    pridejCreate(skript.create, polozky.size());
    pridejStep(skript.step, polozky);
    skript.chyba = pridejDraw(skript, polozky);
    return skript;
}

} // namespace generatory
