#include "generators/precti_menu.h"

#include "generators/cele_cislo.h"
#include "generators/ctene_pole.h"
#include "generators/nove_vstupy.h"

#include <algorithm>

namespace generatory {

namespace {

constexpr std::string_view tvarPoctu = " if(global.m_vybrany < ‹počet›){";

// The recolouring block of an arrow key: item k turns yellow and its neighbour white.
void prepnuti(CtenePole& step, int k, int soused) {
    const CisloText c(k);
    const CisloText s(soused);
    step.ocekavej({"   if(global.m_vybrany == ", c, "){"});
    step.ocekavej({"     barva_", c, " = c_yellow"});
    step.ocekavej({"     barva_", s, " = c_white"});
    step.ocekavej({"   }"});
}

// A Draw line's x, y and text. Each stands in this line alone, so any split at the generator's
// separators writes the line again.
void prectiRadek(CtenePole& draw, RadekMenu& radek, int k) {
    const CisloText c(k);
    const std::string b = "barva_" + std::string(std::string_view(c));
    const std::string tvar =
        "draw_text_color(‹x›,‹y›,\"‹text›\"," + b + "," + b + "," + b + "," + b + ",true)";
    const auto stred =
        draw.mezi({"draw_text_color("}, {"\",", b, ",", b, ",", b, ",", b, ",true)"}, {tvar});
    if (!stred)
        return;
    const std::size_t carka = stred->find(',');
    const std::size_t uvozovka =
        carka == std::string_view::npos ? carka : stred->find(",\"", carka + 1);
    if (uvozovka == std::string_view::npos) {
        draw.odmitniPosledniTvar({tvar});
        return;
    }
    radek.x = stred->substr(0, carka);
    radek.y = stred->substr(carka + 1, uvozovka - carka - 1);
    radek.text = stred->substr(uvozovka + 2);
}

} // namespace

Precteno<VstupMenu> PrectiMenu(const VlozenyKod& kod) {
    if (auto odmitnuti = ZkontrolujVlozeni(Generator::Menu, kod))
        return *odmitnuti;
    std::optional<OdmitnutiCteni> odmitnuti;
    CtenePole create(Udalost::Create, kod.create, odmitnuti);
    CtenePole step(Udalost::Step, kod.step, odmitnuti);
    CtenePole draw(Udalost::Draw, kod.draw, odmitnuti);
    VstupMenu vstup = NoveMenu();

    create.ocekavej({"global.m_vybrany = 1"});
    if (create.ok() && create.naKonci() && step.naKonci() && draw.naKonci())
        return OdmitnutiCteni{
            "Tento skript se zastavil chybou, protože počet položek nebyl celé číslo. Položky "
            "menu v něm nejsou, a proto ho nejde načíst zpět.",
            Udalost::Create, 1};

    // Create tells how many items the script draws; Step must hold a count that gives as many.
    int polozek = 0;
    while (polozek < 5 && create.ok() && !create.naKonci() &&
           create.je(
               {"barva_", CisloText(polozek + 1), polozek == 0 ? " = c_yellow" : " = c_white"})) {
        create.vezmi();
        ++polozek;
    }
    create.ocekavejKonec();

    step.ocekavej({"if(keyboard_check_pressed(vk_down)){"});
    const auto pocet = step.mezi({" if(global.m_vybrany < "}, {"){"}, {tvarPoctu});
    if (!pocet)
        return *odmitnuti;
    const VysledekPrevodu n = PrevedNaCislo(*pocet);
    if (!std::holds_alternative<std::int32_t>(n)) {
        step.odmitniPosledni("počet položek není celé číslo. S takovým počtem se generátor "
                             "zastaví chybou, takže tento řádek nenapíše.");
        return *odmitnuti;
    }
    if (std::clamp(std::get<std::int32_t>(n), 0, 5) != polozek) {
        step.odmitniPosledni("počet položek nesouhlasí s událostí Create, která jich obarvuje " +
                                 std::to_string(polozek) + ".",
                             " if(global.m_vybrany < " + std::to_string(polozek) + "){");
        return *odmitnuti;
    }
    vstup.pocet = *pocet;

    step.ocekavej({"   if(global.m_vybrany < ", *pocet, ")global.m_vybrany += 1"});
    for (int k = 2; k <= polozek; ++k)
        prepnuti(step, k, k - 1);
    step.ocekavej({" }"});
    step.ocekavej({"}"});
    step.ocekavej({"if(keyboard_check_pressed(vk_up)){"});
    step.ocekavej({" if(global.m_vybrany > 1){"});
    step.ocekavej({"   global.m_vybrany -= 1"});
    for (int k = 1; k < polozek; ++k)
        prepnuti(step, k, k + 1);
    step.ocekavej({" }"});
    step.ocekavej({"}"});
    step.ocekavej({"if(keyboard_check_pressed(vk_enter)){"});
    for (int k = 1; k <= polozek; ++k) {
        const CisloText c(k);
        if (const auto akce = step.zbytek({" if(global.m_vybrany == ", c, ")"},
                                          {" if(global.m_vybrany == ", c, ")‹akce›"}))
            vstup.radky[static_cast<std::size_t>(k - 1)].akce = *akce;
    }
    step.ocekavej({"}"});
    step.ocekavejKonec();

    for (int k = 1; k <= polozek; ++k)
        prectiRadek(draw, vstup.radky[static_cast<std::size_t>(k - 1)], k);
    draw.ocekavejKonec();

    if (!odmitnuti)
        odmitnuti = Porovnej(Generator::Menu, GenerujMenu(vstup), kod);
    if (odmitnuti)
        return *odmitnuti;
    return vstup;
}

} // namespace generatory
