#include "generators/generuj_menu.h"

#include "generators/cele_cislo.h"

#include <variant>

namespace {

std::string barva(int k) {
    return "barva_" + std::to_string(k);
}

// One "if(global.m_vybrany == k){ ... }" block of an arrow key: item k turns yellow and
// its neighbour white.
void pridejPrepnuti(Skript& skript, int k, int soused) {
    PridejRadek(skript, Udalost::Step, "   if(global.m_vybrany == " + std::to_string(k) + "){");
    PridejRadek(skript, Udalost::Step, "     " + barva(k) + " = c_yellow");
    PridejRadek(skript, Udalost::Step, "     " + barva(soused) + " = c_white");
    PridejRadek(skript, Udalost::Step, "   }");
}

} // namespace

Skript GenerujMenu(const VstupMenu& vstup) {
    Skript skript;
    PridejRadek(skript, Udalost::Create, "global.m_vybrany = 1");

    const auto prevod = PrevedNaCislo(vstup.pocet);
    if (const auto* chyba = std::get_if<Chyba>(&prevod)) {
        skript.chyba = *chyba;
        return skript;
    }
    const std::int32_t n = std::get<std::int32_t>(prevod);

    for (int k = 1; k <= 5 && n > k - 1; ++k)
        PridejRadek(skript, Udalost::Create, barva(k) + (k == 1 ? " = c_yellow" : " = c_white"));

    Radek radek;
    for (int k = 1; k <= 5 && n > k - 1; ++k) {
        const auto r = static_cast<std::size_t>(k - 1);
        const RadekMenu& polozka = vstup.radky[r];
        const std::string b = barva(k);
        radek.text("draw_text_color(")
            .pole(Pole::MenuX, r, polozka.x)
            .text(",")
            .pole(Pole::MenuY, r, polozka.y)
            .text(",\"")
            .pole(Pole::MenuText, r, polozka.text)
            .text("\"," + b + "," + b + "," + b + "," + b + ",true)");
        radek.pridej(skript, Udalost::Draw);
        skript.puvod.push_back(Puvod{r, Puvod::Cast::Nazev});
    }

    const auto step = [&skript](std::string text) {
        PridejRadek(skript, Udalost::Step, std::move(text));
    };
    step("if(keyboard_check_pressed(vk_down)){");
    radek.text(" if(global.m_vybrany < ").pole(Pole::MenuPocet, 0, vstup.pocet).text("){");
    radek.pridej(skript, Udalost::Step);
    radek.text("   if(global.m_vybrany < ")
        .pole(Pole::MenuPocet, 0, vstup.pocet)
        .text(")global.m_vybrany += 1");
    radek.pridej(skript, Udalost::Step);
    for (int k = 2; k <= 5 && n > k - 1; ++k)
        pridejPrepnuti(skript, k, k - 1);
    step(" }");
    step("}");

    step("if(keyboard_check_pressed(vk_up)){");
    step(" if(global.m_vybrany > 1){");
    step("   global.m_vybrany -= 1");
    for (int k = 1; k <= 4 && n > k; ++k)
        pridejPrepnuti(skript, k, k + 1);
    step(" }");
    step("}");

    step("if(keyboard_check_pressed(vk_enter)){");
    for (int k = 1; k <= 5 && n > k - 1; ++k) {
        const auto r = static_cast<std::size_t>(k - 1);
        radek.text(" if(global.m_vybrany == " + std::to_string(k) + ")")
            .pole(Pole::MenuAkce, r, vstup.radky[r].akce);
        radek.pridej(skript, Udalost::Step);
    }
    step("}");
    return skript;
}
