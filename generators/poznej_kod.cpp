#include "generators/poznej_kod.h"

#include "generators/ctene_pole.h"

#include <array>

namespace generatory {

namespace {

constexpr std::string_view oddelovac =
    "//---------------------------------------------------------";

struct DvaRadky {
    std::string_view prvni, druhy;
};

// Both without the blanks at their starts, which the readers forgive.
DvaRadky prvniDva(std::string_view text) {
    std::optional<OdmitnutiCteni> nic;
    CtenePole pole(Udalost::Create, text, nic);
    DvaRadky radky;
    radky.prvni = BezMezerNaKonci(pole.vezmi());
    radky.druhy = BezMezerNaKonci(pole.vezmi());
    return radky;
}

// "‹text› = ‹number›", where a text of blanks alone leaves "= " at the line's start.
bool konciCislem(std::string_view radek) {
    const std::size_t rovno = radek.rfind("= ");
    if (rovno == std::string_view::npos || (rovno > 0 && radek[rovno - 1] != ' '))
        return false;
    std::string_view cislo = radek.substr(rovno + 2);
    if (cislo.starts_with('-'))
        cislo.remove_prefix(1);
    return !cislo.empty() && cislo.find_first_not_of("0123456789") == std::string_view::npos;
}

bool vypadaJakoMenu(Udalost udalost, DvaRadky r) {
    switch (udalost) {
    case Udalost::Create:
        return r.prvni == "global.m_vybrany = 1";
    case Udalost::Step:
        return r.prvni == "if(keyboard_check_pressed(vk_down)){" &&
               r.druhy.starts_with("if(global.m_vybrany < ");
    case Udalost::Draw:
        return r.prvni.starts_with("draw_text_color(") &&
               r.prvni.ends_with(",barva_1,barva_1,barva_1,barva_1,true)");
    case Udalost::Alarm0:
        break;
    }
    return false;
}

bool vypadaJakoNastaveni(Udalost udalost, DvaRadky r) {
    if (r.prvni != oddelovac)
        return false;
    switch (udalost) {
    case Udalost::Create:
        return r.druhy == "nastav_vybrany = 1";
    case Udalost::Step:
        return r.druhy == "if(keyboard_check_pressed(vk_down)){";
    case Udalost::Draw:
        return r.druhy.starts_with("draw_text_color(");
    case Udalost::Alarm0:
        break;
    }
    return false;
}

bool vypadaJakoTitulky(Udalost udalost, DvaRadky r) {
    constexpr std::string_view alarm = "alarm[0] = room_speed/12";
    switch (udalost) {
    case Udalost::Create:
        return r.prvni == alarm &&
               (r.druhy.starts_with("fontik = font_add(") ||
                r.druhy.starts_with("fontik2 = font_add(") || konciCislem(r.druhy));
    case Udalost::Alarm0:
        // A node's text may be empty, and the blank before the step then starts the line.
        return r.prvni == alarm && (r.druhy.ends_with("-= 7") || r.druhy.ends_with("+= 7"));
    case Udalost::Draw:
        return r.prvni == "draw_set_font(fontik)" || r.prvni == "draw_set_font(fontik2)" ||
               (r.prvni.starts_with("if(") &&
                r.prvni.find(")draw_text_color(250,") != std::string_view::npos);
    case Udalost::Step:
        break;
    }
    return false;
}

} // namespace

bool VypadaJako(Generator generator, Udalost udalost, std::string_view text) {
    const DvaRadky r = prvniDva(text);
    switch (generator) {
    case Generator::Menu:
        return vypadaJakoMenu(udalost, r);
    case Generator::Nastaveni:
        return vypadaJakoNastaveni(udalost, r);
    case Generator::Highskore:
        return udalost == Udalost::Draw && r.prvni.starts_with("draw_text_color(190,50,") &&
               r.prvni.ends_with(",c_white,c_white,c_white,c_white,true)");
    case Generator::Titulky:
        return vypadaJakoTitulky(udalost, r);
    }
    return false;
}

} // namespace generatory
