#include "generators/generuj_menu.h"

#include "generators/cele_cislo.h"

#include <variant>

namespace generatory {

namespace {

std::string barva(int k) {
    return "barva_" + std::to_string(k);
}

// One "if(global.m_vybrany == k){ ... }" block of an arrow key: item k turns yellow and
// its neighbour white.
void pridejPrepnuti(std::vector<std::string>& step, int k, int soused) {
    step.push_back("   if(global.m_vybrany == " + std::to_string(k) + "){");
    step.push_back("     " + barva(k) + " = c_yellow");
    step.push_back("     " + barva(soused) + " = c_white");
    step.push_back("   }");
}

} // namespace

Skript GenerujMenu(const VstupMenu& vstup) {
    Skript skript;
    skript.create.push_back("global.m_vybrany = 1");

    const auto prevod = PrevedNaCislo(vstup.pocet);
    if (const auto* chyba = std::get_if<Chyba>(&prevod)) {
        skript.chyba = *chyba;
        return skript;
    }
    const std::int32_t n = std::get<std::int32_t>(prevod);

    for (int k = 1; k <= 5 && n > k - 1; ++k)
        skript.create.push_back(barva(k) + (k == 1 ? " = c_yellow" : " = c_white"));

    for (int k = 1; k <= 5 && n > k - 1; ++k) {
        const RadekMenu& r = vstup.radky[static_cast<std::size_t>(k - 1)];
        const std::string b = barva(k);
        skript.draw.push_back("draw_text_color(" + r.x + "," + r.y + ",\"" + r.text + "\"," + b +
                              "," + b + "," + b + "," + b + ",true)");
        skript.puvod.push_back(Puvod{static_cast<std::size_t>(k - 1), Puvod::Cast::Nazev});
    }

    auto& step = skript.step;
    step.push_back("if(keyboard_check_pressed(vk_down)){");
    step.push_back(" if(global.m_vybrany < " + vstup.pocet + "){");
    step.push_back("   if(global.m_vybrany < " + vstup.pocet + ")global.m_vybrany += 1");
    for (int k = 2; k <= 5 && n > k - 1; ++k)
        pridejPrepnuti(step, k, k - 1);
    step.push_back(" }");
    step.push_back("}");

    step.push_back("if(keyboard_check_pressed(vk_up)){");
    step.push_back(" if(global.m_vybrany > 1){");
    step.push_back("   global.m_vybrany -= 1");
    for (int k = 1; k <= 4 && n > k; ++k)
        pridejPrepnuti(step, k, k + 1);
    step.push_back(" }");
    step.push_back("}");

    step.push_back("if(keyboard_check_pressed(vk_enter)){");
    for (int k = 1; k <= 5 && n > k - 1; ++k)
        step.push_back(" if(global.m_vybrany == " + std::to_string(k) + ")" +
                       vstup.radky[static_cast<std::size_t>(k - 1)].akce);
    step.push_back("}");
    return skript;
}

} // namespace generatory
