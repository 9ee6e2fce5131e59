#include "generators/precti_nastaveni_step.h"

#include "generators/cele_cislo.h"

namespace {

constexpr std::string_view oddelovac =
    "//---------------------------------------------------------";

void prebarveni(CtenePole& step, std::size_t k, std::size_t soused) {
    const CisloText c(static_cast<long long>(k));
    step.ocekavej({" if(nastav_vybrany == ", c, "){"});
    step.ocekavej({"   barva_", CisloText(static_cast<long long>(soused)), " = c_white"});
    step.ocekavej({"   barva_", c, " = c_yellow"});
    step.ocekavej({" }"});
}

// The number of values stands in the bound of the right-key block.
std::size_t pocetHodnot(CtenePole& step, std::string_view e) {
    if (step.je({" if(vybrana_hodnota[", e, "] < 0){"})) {
        step.vezmi();
        return 0;
    }
    const auto text = step.mezi({"  if(vybrana_hodnota[", e, "] < "}, {"){"},
                                {"  if(vybrana_hodnota[", e, "] < ‹počet hodnot›){"});
    if (!text)
        return 0;
    const auto pocet = ProsteCislo(*text);
    if (!pocet || *pocet < 1 || std::string_view(CisloText(*pocet)) != *text) {
        step.odmitniPosledni("počet hodnot tu musí být celé kladné číslo.");
        return 0;
    }
    return static_cast<std::size_t>(*pocet);
}

// Action j's line of the right-key chain, in the variant the number of values picks.
std::optional<std::string_view> akceVpravo(CtenePole& step, std::string_view k, std::string_view e,
                                           std::size_t hodnot, std::size_t j) {
    const CisloText c(static_cast<long long>(j));
    if (hodnot == 1)
        return step.zbytek(
            {"if(nastav_vybrany == ", k, ")if(vybrana_hodnota[", e, "] == ", c, ")"},
            {"if(nastav_vybrany == ", k, ")if(vybrana_hodnota[", e, "] == ", c, ")‹akce›"});
    if (j < hodnot)
        return step.mezi(
            {"if(nastav_vybrany == ", k, ")   if(vybrana_hodnota[", e, "] == ", c, "){"},
            {"} else"},
            {"if(nastav_vybrany == ", k, ")   if(vybrana_hodnota[", e, "] == ", c,
             "){‹akce›} else"});
    return step.zbytek(
        {"   if(nastav_vybrany == ", k, ")if(vybrana_hodnota[", e, "] == ", c, ")"},
        {"   if(nastav_vybrany == ", k, ")if(vybrana_hodnota[", e, "] == ", c, ")‹akce›"});
}

void blokVpravo(CtenePole& step, std::size_t index, CtenaPolozka& polozka) {
    const CisloText k(static_cast<long long>(index + 1));
    const CisloText e(static_cast<long long>(index));
    step.ocekavej({"if(nastav_vybrany == ", k, "){"});
    polozka.hodnot = pocetHodnot(step, e);
    step.ocekavej({"   vybrana_hodnota[", e, "] += 1"});
    for (std::size_t j = 1; step.ok() && !step.je({" } else {"}); ++j) {
        const auto akce = akceVpravo(step, k, e, polozka.hodnot, j);
        if (!akce)
            return;
        if (akce->find(';') != std::string_view::npos) {
            step.odmitniPosledni(
                "akce obsahuje středník, a ten formulář bere jako oddělovač akcí.");
            return;
        }
        polozka.akce.emplace_back(*akce);
    }
    if (polozka.akce.empty()) {
        akceVpravo(step, k, e, polozka.hodnot, 1);
        return;
    }
    step.ocekavej({" } else {"});
    step.ocekavej({"   vybrana_hodnota[", e, "] = 1"});
    step.ocekavej({"   ", polozka.akce.front()});
    step.ocekavej({"}"});
    step.ocekavej({"}"});
}

} // namespace

void PrectiStep(CtenePole& step, std::vector<CtenaPolozka>& polozky) {
    const std::size_t n = polozky.size();
    const CisloText pocet(static_cast<long long>(n));
    step.ocekavej({oddelovac});
    step.ocekavej({"if(keyboard_check_pressed(vk_down)){"});
    step.ocekavej({"if(nastav_vybrany < ", pocet, "){"});
    step.ocekavej({" nastav_vybrany += 1"});
    for (std::size_t k = 2; k <= n && step.ok(); ++k)
        prebarveni(step, k, k - 1);
    step.ocekavej({"} else {"});
    step.ocekavej({" nastav_vybrany = 1"});
    step.ocekavej({" barva_1 = c_yellow"});
    step.ocekavej({" barva_", pocet, " = c_white"});
    step.ocekavej({"}"});
    step.ocekavej({"}"});
    step.ocekavej({oddelovac});
    step.ocekavej({"if(keyboard_check_pressed(vk_up)){"});
    step.ocekavej({"if(nastav_vybrany > 1){"});
    step.ocekavej({" nastav_vybrany -= 1"});
    for (std::size_t k = 1; k < n && step.ok(); ++k)
        prebarveni(step, k, k + 1);
    step.ocekavej({"} else {"});
    step.ocekavej({" nastav_vybrany = ", pocet});
    step.ocekavej({" barva_1 = c_white"});
    step.ocekavej({" barva_", pocet, " = c_yellow"});
    step.ocekavej({"}"});
    step.ocekavej({"}"});
    step.ocekavej({oddelovac});
    step.ocekavej({"if(keyboard_check_pressed(vk_right)){"});
    for (std::size_t e = 0; e < n && step.ok(); ++e)
        blokVpravo(step, e, polozky[e]);
}
