#include "generators/generuj_titulky.h"

#include "generators/spoj.h"

#include <cstdint>

namespace generatory {

namespace {

std::string radekPisma(const std::string& promenna, const PismoTitulku& pismo) {
    return promenna + " = font_add(\"" + pismo.nazevPisma + "\"," + pismo.velikost + "," +
           (pismo.tucne ? "-1" : "0") + "," + (pismo.kurziva ? "-1" : "0") + ",0,180)";
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
    skript.create.push_back(alarm);
    skript.alarm0.push_back(alarm);
    if (vstup.pismoPozice.zapnuto)
        skript.create.push_back(radekPisma("fontik", vstup.pismoPozice));
    if (vstup.pismoOsob.zapnuto)
        skript.create.push_back(radekPisma("fontik2", vstup.pismoOsob));

    for (const PolozkaTitulku& polozka : vstup.polozky) {
        const std::string& text = polozka.text;
        y += znamenko * (polozka.pozice ? 40 : 20);
        skript.create.push_back(Spoj({text, " = ", std::to_string(y)}));
        skript.alarm0.push_back(Spoj({text, posun}));

        const bool pismo = polozka.pozice ? vstup.pismoPozice.zapnuto : vstup.pismoOsob.zapnuto;
        if (pismo)
            skript.draw.push_back(polozka.pozice ? "draw_set_font(fontik)"
                                                 : "draw_set_font(fontik2)");
        const std::string& b = polozka.pozice ? vstup.barvaPozice : vstup.barvaOsob;
        skript.draw.push_back(Spoj({"if(", text, podminka, text, ",\"", text, "\",", b, ",", b, ",",
                                    b, ",", b, ",true)"}));
    }
    return skript;
}

} // namespace generatory
