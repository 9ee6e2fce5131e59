#include "generators/generuj_titulky.h"

#include <algorithm>
#include <cstdint>

namespace generatory {

namespace {

// The font line of positions (pismo 0) or persons (1).
void pridejPismo(Skript& skript, std::size_t pismo, const PismoTitulku& p) {
    Radek()
        .text(pismo == 0 ? "fontik = font_add(\"" : "fontik2 = font_add(\"")
        .pole(Pole::TitulkyNazevPisma, pismo, p.nazevPisma)
        .text("\",")
        .pole(Pole::TitulkyVelikostPisma, pismo, p.velikost)
        .text(",")
        .pole(Pole::TitulkyTucne, pismo, p.tucne ? "-1" : "0")
        .text(",")
        .pole(Pole::TitulkyKurziva, pismo, p.kurziva ? "-1" : "0")
        .text(",0,180)")
        .pridej(skript, Udalost::Create);
}

} // namespace

Skript GenerujTitulky(const VstupTitulku& vstup) {
    Skript skript;
    if (vstup.polozky.empty()) {
        skript.odmitnuti = "Musíte vytvořit pozici!";
        return skript;
    }

    const bool nahoru = vstup.smer == "nahoru";
    // 64 bits, so no tree the program can hold walks the coordinate out of range.
    std::int64_t y = nahoru ? 600 : 40;
    const std::int64_t znamenko = nahoru ? 1 : -1;
    const std::string posun = nahoru ? " -= 7" : " += 7";
    const std::string podminka =
        nahoru ? " > 0)draw_text_color(250," : " < 640)draw_text_color(250,";

    const std::string alarm = "alarm[0] = room_speed/12";
    PridejRadek(skript, Udalost::Create, alarm);
    PridejRadek(skript, Udalost::Alarm0, alarm);
    if (vstup.pismoPozice.zapnuto)
        pridejPismo(skript, 0, vstup.pismoPozice);
    if (vstup.pismoOsob.zapnuto)
        pridejPismo(skript, 1, vstup.pismoOsob);

    const auto sPismem = [&vstup](const PolozkaTitulku& polozka) {
        return polozka.pozice ? vstup.pismoPozice.zapnuto : vstup.pismoOsob.zapnuto;
    };
    const std::size_t pocet = vstup.polozky.size();
    const auto pisem = static_cast<std::size_t>(
        std::count_if(vstup.polozky.begin(), vstup.polozky.end(), sPismem));
    // A node writes two fields into each of its Create and Alarm[0] lines and eight into its
    // Draw line, before which its font line writes one.
    skript.rezervuj(Udalost::Create, pocet, 2 * pocet);
    skript.rezervuj(Udalost::Alarm0, pocet, 2 * pocet);
    skript.rezervuj(Udalost::Draw, pocet + pisem, 8 * pocet + pisem);
    Radek radek;
    for (std::size_t i = 0; i < pocet; ++i) {
        const PolozkaTitulku& polozka = vstup.polozky[i];
        const std::string& text = polozka.text;
        y += znamenko * (polozka.pozice ? 40 : 20);
        radek.pole(Pole::TitulkyText, i, text)
            .text(" = ")
            .pole(Pole::TitulkySmer, 0, std::to_string(y))
            .pridej(skript, Udalost::Create);
        radek.pole(Pole::TitulkyText, i, text)
            .pole(Pole::TitulkySmer, 0, posun)
            .pridej(skript, Udalost::Alarm0);

        const std::size_t pismo = polozka.pozice ? 0 : 1;
        if (sPismem(polozka))
            radek
                .pole(Pole::TitulkyPismo, pismo,
                      polozka.pozice ? "draw_set_font(fontik)" : "draw_set_font(fontik2)")
                .pridej(skript, Udalost::Draw);
        const Pole pole = polozka.pozice ? Pole::TitulkyBarvaPozice : Pole::TitulkyBarvaOsob;
        const std::string& b = polozka.pozice ? vstup.barvaPozice : vstup.barvaOsob;
        radek.text("if(")
            .pole(Pole::TitulkyText, i, text)
            .pole(Pole::TitulkySmer, 0, podminka)
            .pole(Pole::TitulkyText, i, text)
            .text(",\"")
            .pole(Pole::TitulkyText, i, text)
            .text("\",");
        for (int kolikata = 0; kolikata < 4; ++kolikata)
            radek.pole(pole, 0, b).text(kolikata < 3 ? "," : ",true)");
        radek.pridej(skript, Udalost::Draw);
    }
    return skript;
}

} // namespace generatory
