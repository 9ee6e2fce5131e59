#include "generators/precti_titulky.h"

#include "generators/ctene_pole.h"
#include "generators/nove_vstupy.h"
#include "generators/rozdil_mezer.h"

#include <algorithm>
#include <cstdint>

namespace generatory {

namespace {

constexpr std::string_view alarm = "alarm[0] = room_speed/12";

// Takes a flag written as "-1" or "0" off the end of the text.
std::optional<bool> odeberPriznak(std::string_view& text) {
    for (const auto& [konec, hodnota] :
         {std::pair{std::string_view(",-1"), true}, std::pair{std::string_view(",0"), false}}) {
        if (text.ends_with(konec)) {
            text.remove_suffix(konec.size());
            return hodnota;
        }
    }
    return std::nullopt;
}

// A font line, when the next line is one: its name and size stand in it alone, so any split at
// the generator's separator writes the line again.
void prectiPismo(CtenePole& create, std::string_view promenna, PismoTitulku& pismo) {
    const std::string zacatek = std::string(promenna) + " = font_add(\"";
    std::string_view radek = BezMezerNaKonci(create.radek());
    if (create.naKonci() || radek.size() < zacatek.size() + 7 || !radek.starts_with(zacatek) ||
        !radek.ends_with(",0,180)"))
        return;
    create.vezmi();
    radek = radek.substr(zacatek.size(), radek.size() - zacatek.size() - 7);
    const auto kurziva = odeberPriznak(radek);
    const auto tucne = kurziva ? odeberPriznak(radek) : std::nullopt;
    const std::size_t oddelovac = radek.find("\",");
    if (!tucne || oddelovac == std::string_view::npos) {
        create.odmitniPosledniTvar({zacatek, "‹písmo›\",‹velikost›,‹tučně›,‹kurzíva›,0,180)"});
        return;
    }
    pismo = {true, std::string(radek.substr(0, oddelovac)),
             std::string(radek.substr(oddelovac + 2)), *tucne, *kurziva};
}

struct Uzel {
    bool pozice;
    bool nahoru;
};

// Which kind of node, and for the first node which direction, puts this y after that one.
std::optional<Uzel> poradi(std::string_view y, std::optional<std::int64_t> predchozi, bool nahoru) {
    if (!predchozi) {
        for (const auto& [hodnota, uzel] :
             {std::pair{640, Uzel{true, true}}, std::pair{620, Uzel{false, true}},
              std::pair{0, Uzel{true, false}}, std::pair{20, Uzel{false, false}}})
            if (y == std::string_view(CisloText(hodnota)))
                return uzel;
        return std::nullopt;
    }
    const std::int64_t smer = nahoru ? 1 : -1;
    if (y == std::string_view(CisloText(*predchozi + smer * 40)))
        return Uzel{true, nahoru};
    if (y == std::string_view(CisloText(*predchozi + smer * 20)))
        return Uzel{false, nahoru};
    return std::nullopt;
}

// Gives whether any node's line starts with blanks.
bool prectiUzly(CtenePole& create, VstupTitulku& vstup) {
    bool odsazene = false;
    std::optional<std::int64_t> y;
    bool nahoru = true;
    while (create.ok() && !create.naKonci()) {
        const std::string_view radek = BezMezerNaKonci(create.radek());
        // A text of blanks alone leaves "= " at the start of the line.
        std::size_t rovno = radek.rfind("= ");
        if (rovno != std::string_view::npos && rovno > 0 && radek[rovno - 1] != ' ')
            rovno = std::string_view::npos;
        const auto uzel = rovno == std::string_view::npos
                              ? std::nullopt
                              : poradi(radek.substr(rovno + 2), y, nahoru);
        if (!uzel) {
            create.odmitni(
                y ? "řádek neodpovídá formuláři: za „ = “ tu formulář píše " +
                        std::string(std::string_view(CisloText(*y + (nahoru ? 40 : -40)))) +
                        " pro pozici nebo " +
                        std::string(std::string_view(CisloText(*y + (nahoru ? 20 : -20)))) +
                        " pro osobu."
                  : "řádek neodpovídá formuláři: první uzel stojí na 640 nebo 620 při posouvání "
                    "nahoru a na 0 nebo 20 při posouvání dolů.");
            return odsazene;
        }
        nahoru = uzel->nahoru;
        y = (y ? *y : (nahoru ? 600 : 40)) + (nahoru ? 1 : -1) * (uzel->pozice ? 40 : 20);
        vstup.polozky.push_back(
            {std::string(radek.substr(0, rovno == 0 ? 0 : rovno - 1)), uzel->pozice});
        odsazene = odsazene || create.odsazeny();
        create.vezmi();
    }
    if (!y)
        create.odmitniTvar({"‹text› = 640"});
    vstup.smer = nahoru ? "nahoru" : "dolů";
    return odsazene;
}

// The blanks a node's text starts with stand at the start of its Create and Alarm[0] lines, where
// the reader forgives blanks; its Draw line holds them after "if(".
std::string_view mezeryPredTextem(std::string_view radek, std::string_view text) {
    if (!radek.starts_with("if("))
        return {};
    const std::string_view za = radek.substr(3);
    std::string_view mezery = za.substr(0, za.size() - BezMezerNaZacatku(za).size());
    // With no text the blank of " > 0" follows at once.
    if (text.empty() && !mezery.empty())
        mezery.remove_suffix(1);
    return mezery;
}

void prectiDraw(CtenePole& draw, VstupTitulku& vstup, bool odsazene) {
    const bool nahoru = vstup.smer == "nahoru";
    const std::string_view podminka =
        nahoru ? " > 0)draw_text_color(250," : " < 640)draw_text_color(250,";
    // Once a kind's colour is known, the end of its lines is.
    std::optional<std::string> konecPozice, konecOsoby;
    // Past the first node of each kind the lines hold nothing new but the blanks before the
    // node's text: the reader's own check compares them.
    std::size_t posledniNovy = 0;
    for (bool pozice : {true, false}) {
        const auto prvni =
            std::find_if(vstup.polozky.begin(), vstup.polozky.end(),
                         [&](const PolozkaTitulku& p) { return p.pozice == pozice; });
        if (prvni != vstup.polozky.end())
            posledniNovy =
                std::max(posledniNovy, static_cast<std::size_t>(prvni - vstup.polozky.begin()));
    }
    // Where no node's line starts with blanks no text does, and its Draw line need not be seen.
    const std::size_t uzlu =
        odsazene ? vstup.polozky.size() : std::min(posledniNovy + 1, vstup.polozky.size());
    for (std::size_t i = 0; i < uzlu && draw.ok(); ++i) {
        PolozkaTitulku& uzel = vstup.polozky[i];
        const bool novy = i <= posledniNovy;
        if (uzel.pozice ? vstup.pismoPozice.zapnuto : vstup.pismoOsob.zapnuto) {
            if (novy)
                draw.ocekavej({uzel.pozice ? "draw_set_font(fontik)" : "draw_set_font(fontik2)"});
            else
                draw.vezmi();
        }
        uzel.text = std::string(mezeryPredTextem(draw.radek(), uzel.text)) + uzel.text;
        if (!novy) {
            draw.vezmi();
            continue;
        }
        const std::string_view t = uzel.text;
        std::optional<std::string>& konec = uzel.pozice ? konecPozice : konecOsoby;
        if (konec) {
            draw.ocekavej({"if(", t, podminka, t, ",\"", t, *konec});
            continue;
        }
        const std::string zacatek =
            "if(" + uzel.text + std::string(podminka) + uzel.text + ",\"" + uzel.text + "\",";
        const Kusy tvar{zacatek, "‹barva›,‹barva›,‹barva›,‹barva›,true)"};
        const auto barvy = draw.mezi({zacatek}, {",true)"}, tvar);
        if (!barvy)
            return;
        const std::size_t delka = barvy->size() >= 3 ? (barvy->size() - 3) / 4 : 0;
        const std::string_view barva = barvy->substr(0, delka);
        if (barvy->size() != 4 * delka + 3 ||
            *barvy != std::string(barva) + "," + std::string(barva) + "," + std::string(barva) +
                          "," + std::string(barva)) {
            draw.odmitniPosledniTvar(tvar);
            return;
        }
        (uzel.pozice ? vstup.barvaPozice : vstup.barvaOsob) = barva;
        konec = "\"," + std::string(*barvy) + ",true)";
    }
}

} // namespace

Precteno<VstupTitulku> PrectiTitulky(const VlozenyKod& kod) {
    if (auto odmitnuti = ZkontrolujVlozeni(Generator::Titulky, kod))
        return *odmitnuti;
    std::optional<OdmitnutiCteni> odmitnuti;
    CtenePole create(Udalost::Create, kod.create, odmitnuti);
    CtenePole alarm0(Udalost::Alarm0, kod.alarm0, odmitnuti);
    CtenePole draw(Udalost::Draw, kod.draw, odmitnuti);
    VstupTitulku vstup = NoveTitulky();

    create.ocekavej({alarm});
    prectiPismo(create, "fontik", vstup.pismoPozice);
    prectiPismo(create, "fontik2", vstup.pismoOsob);
    const bool odsazene = prectiUzly(create, vstup);

    const std::string_view posun = vstup.smer == "nahoru" ? " -= 7" : " += 7";
    alarm0.ocekavej({alarm});
    for (const PolozkaTitulku& uzel : vstup.polozky)
        if (!alarm0.ocekavej({uzel.text, posun}))
            break;
    alarm0.ocekavejKonec();

    prectiDraw(draw, vstup, odsazene);

    if (!odmitnuti)
        odmitnuti = Porovnej(Generator::Titulky, GenerujTitulky(vstup), kod);
    if (odmitnuti)
        return *odmitnuti;
    return vstup;
}

} // namespace generatory
