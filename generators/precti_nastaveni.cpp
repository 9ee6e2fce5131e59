#include "generators/precti_nastaveni.h"

#include "generators/cele_cislo.h"
#include "generators/generuj_nastaveni.h"
#include "generators/precti_nastaveni_step.h"

#include <cstdint>
#include <variant>

namespace {

constexpr std::string_view oddelovac =
    "//---------------------------------------------------------";
constexpr std::string_view kresli = "draw_text_color(";
constexpr std::string_view strednikVHodnote =
    "hodnota obsahuje středník, a ten formulář bere jako oddělovač hodnot.";

std::size_t prectiCreate(CtenePole& create) {
    create.ocekavej({oddelovac});
    create.ocekavej({"nastav_vybrany = 1"});
    create.ocekavej({"barva_1 = c_yellow"});
    long long n = 1;
    while (create.ok() && create.je({"barva_", CisloText(n + 1), " = c_white"}) &&
           !create.naKonci()) {
        create.vezmi();
        ++n;
    }
    create.ocekavej({oddelovac});
    for (long long e = 0; e < n && create.ok(); ++e)
        create.ocekavej({"vybrana_hodnota[", CisloText(e), "] = 1"});
    create.ocekavej({oddelovac});
    create.ocekavejKonec();
    return static_cast<std::size_t>(n);
}

// A Draw line that draws entry k's name or value: what stands before its closing quote.
CtenaPolozka::Radek textVBarve(CtenePole& draw, std::string_view k, std::string_view co) {
    const auto stred =
        draw.mezi({kresli}, {"\",barva_", k, ",barva_", k, ",barva_", k, ",barva_", k, ",true)"},
                  {"draw_text_color(‹x›,‹y›,\"", co, "\",barva_", k, ",barva_", k, ",barva_", k,
                   ",barva_", k, ",true)"});
    return {draw.posledni(), stred.value_or(""), draw.cisloPosledniho()};
}

void prectiDraw(CtenePole& draw, std::vector<CtenaPolozka>& polozky) {
    draw.ocekavej({oddelovac});
    for (std::size_t e = 0; e < polozky.size() && draw.ok(); ++e)
        polozky[e].nazev = textVBarve(draw, CisloText(static_cast<long long>(e + 1)), "‹název›");
    draw.ocekavej({oddelovac});
    for (std::size_t e = 0; e < polozky.size() && draw.ok(); ++e) {
        CtenaPolozka& p = polozky[e];
        const CisloText ce(static_cast<long long>(e));
        const CisloText k(static_cast<long long>(e + 1));
        for (std::size_t i = 1; i <= p.hodnot && draw.ok(); ++i) {
            draw.ocekavej(
                {"if(vybrana_hodnota[", ce, "] == ", CisloText(static_cast<long long>(i)), "){"});
            const std::string_view x = p.nazev.stred.substr(0, p.nazev.stred.find(','));
            if (i == 1 && draw.ok() && draw.naKonci() &&
                std::holds_alternative<Chyba>(PrevedNaCislo(x))) {
                draw.odmitniZpravou(
                    "Tento skript se zastavil chybou, protože pozice x položky č. " +
                    std::string(std::string_view(k)) +
                    " nebyla celé číslo. Zbytek události Draw v něm chybí, a "
                    "proto ho nejde načíst zpět.");
                return;
            }
            p.hodnoty.push_back(textVBarve(draw, k, "‹hodnota›"));
            draw.ocekavej({i < p.hodnot ? "} else" : "}"});
        }
    }
    draw.ocekavej({oddelovac});
    draw.ocekavejKonec();
}

std::string spojStredniky(const std::vector<std::string>& kusy) {
    std::string text;
    for (std::size_t i = 0; i < kusy.size(); ++i)
        text += (i > 0 ? ";" : "") + kusy[i];
    // A separator at the very end adds no piece, so an empty last piece needs one more.
    if (!kusy.empty() && kusy.back().empty())
        text += ";";
    return text;
}

// Splits the entry's Draw lines into its x, y, name and values. Where a text holds the
// generator's separators, the y is cut at the first point that leaves no value a ";": any such
// cut writes every one of the entry's lines again.
std::optional<PolozkaNastaveni> rozdel(CtenePole& draw, const CtenaPolozka& p) {
    const std::string_view nazev = p.nazev.stred;
    const std::size_t carka = nazev.find(',');
    if (carka == std::string_view::npos) {
        draw.odmitniRadek(p.nazev.cislo, p.nazev.text, "řádek nemá tvar, který tu formulář píše.");
        return std::nullopt;
    }
    PolozkaNastaveni polozka{"", std::string(nazev.substr(0, carka)), "", "",
                             spojStredniky(p.akce)};
    const std::string_view zbytekNazvu = nazev.substr(carka + 1);
    if (p.hodnoty.empty()) {
        const std::size_t y = zbytekNazvu.find(",\"");
        if (y == std::string_view::npos) {
            draw.odmitniRadek(p.nazev.cislo, p.nazev.text,
                              "řádek nemá tvar, který tu formulář píše.");
            return std::nullopt;
        }
        polozka.PoziceY = zbytekNazvu.substr(0, y);
        polozka.Nazev = zbytekNazvu.substr(y + 2);
        return polozka;
    }

    const auto x = PrevedNaCislo(polozka.PoziceX);
    const CtenaPolozka::Radek& prvni = p.hodnoty.front();
    if (std::holds_alternative<Chyba>(x)) {
        draw.odmitniRadek(prvni.cislo, prvni.text,
                          "pozice x položky není celé číslo, takže generátor by se tu zastavil "
                          "chybou.");
        return std::nullopt;
    }
    const CisloText x180(std::int64_t{std::get<std::int32_t>(x)} + 180);
    const std::string zacatek = std::string(std::string_view(x180)) + ",";
    for (const CtenaPolozka::Radek& h : p.hodnoty) {
        if (!h.stred.starts_with(zacatek)) {
            const std::size_t za = h.stred.find(',');
            draw.odmitniRadek(
                h.cislo, h.text, "řádek neodpovídá formuláři: hodnota stojí o 180 vpravo od názvu.",
                std::string(kresli) + zacatek +
                    std::string(za == std::string_view::npos ? "" : h.stred.substr(za + 1)) +
                    std::string(h.text.substr(kresli.size() + h.stred.size())));
            return std::nullopt;
        }
    }

    const std::string_view hodnota1 = prvni.stred.substr(zacatek.size());
    std::size_t spolecne = 0;
    while (spolecne < hodnota1.size() && spolecne < zbytekNazvu.size() &&
           hodnota1[spolecne] == zbytekNazvu[spolecne])
        ++spolecne;
    const std::size_t strednik = hodnota1.rfind(';');
    const auto bezStredniku = [&](std::size_t y) {
        return strednik == std::string_view::npos || y + 2 > strednik;
    };
    std::size_t y = hodnota1.find(",\"");
    while (y != std::string_view::npos && y + 2 <= spolecne && !bezStredniku(y))
        y = hodnota1.find(",\"", y + 1);
    if (y == std::string_view::npos || y + 2 > spolecne) {
        const bool strednikVadi = hodnota1.find(",\"") + 2 <= spolecne;
        draw.odmitniRadek(prvni.cislo, prvni.text,
                          strednikVadi ? std::string(strednikVHodnote)
                                       : "řádek neodpovídá formuláři: pozice y tu není stejná "
                                         "jako v řádku " +
                                             std::to_string(p.nazev.cislo) + " s názvem položky.");
        return std::nullopt;
    }
    polozka.PoziceY = hodnota1.substr(0, y);
    polozka.Nazev = zbytekNazvu.substr(y + 2);
    const std::string predHodnotou = polozka.PoziceY + ",\"";
    std::vector<std::string> hodnoty;
    for (const CtenaPolozka::Radek& h : p.hodnoty) {
        const std::string_view zbytek = h.stred.substr(zacatek.size());
        if (!zbytek.starts_with(predHodnotou)) {
            draw.odmitniRadek(h.cislo, h.text,
                              "řádek neodpovídá formuláři: pozice y tu není stejná jako v řádku " +
                                  std::to_string(p.nazev.cislo) + " s názvem položky.");
            return std::nullopt;
        }
        hodnoty.emplace_back(zbytek.substr(y + 2));
        if (hodnoty.back().find(';') != std::string::npos) {
            draw.odmitniRadek(h.cislo, h.text, strednikVHodnote);
            return std::nullopt;
        }
    }
    polozka.Hodnoty = spojStredniky(hodnoty);
    return polozka;
}

} // namespace

Precteno<std::vector<PolozkaNastaveni>> PrectiNastaveni(const VlozenyKod& kod) {
    if (auto odmitnuti = ZkontrolujVlozeni(Generator::Nastaveni, kod))
        return *odmitnuti;
    std::optional<OdmitnutiCteni> odmitnuti;
    CtenePole create(Udalost::Create, kod.create, odmitnuti);
    CtenePole step(Udalost::Step, kod.step, odmitnuti);
    CtenePole draw(Udalost::Draw, kod.draw, odmitnuti);

    std::vector<CtenaPolozka> ctene(prectiCreate(create));
    PrectiStep(step, ctene);
    prectiDraw(draw, ctene);
    std::vector<PolozkaNastaveni> polozky;
    polozky.reserve(ctene.size());
    for (std::size_t e = 0; e < ctene.size() && !odmitnuti; ++e)
        if (auto polozka = rozdel(draw, ctene[e]))
            polozky.push_back(std::move(*polozka));

    if (!odmitnuti)
        odmitnuti = Porovnej(Generator::Nastaveni, GenerujNastaveni(polozky), kod);
    if (odmitnuti)
        return *odmitnuti;
    return polozky;
}
