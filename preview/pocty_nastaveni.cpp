#include "preview/pocty_nastaveni.h"

#include <map>

using generatory::Skript;
using generatory::Udalost;
using generatory::Vlozeni;

namespace nahled {

namespace {

struct Kus {
    Vlozeni pole;
    int radek; // from 1
    std::string text;
};

// The entries' values or actions, each piece where it first stands in the event.
using KusyPolozek = std::map<std::size_t, std::map<std::size_t, Kus>>;

KusyPolozek kusy(const Skript& skript, Udalost udalost, generatory::Pole pole) {
    KusyPolozek vysledek;
    const auto& radky = skript.radky(udalost);
    const auto& puvod = skript.puvodRadku(udalost);
    for (std::size_t r = 0; r < puvod.size(); ++r)
        for (const Vlozeni& v : puvod[r])
            if (v.pole == pole)
                vysledek[v.vstup].try_emplace(
                    v.kus, Kus{v, static_cast<int>(r + 1), radky[r].substr(v.zacatek, v.delka)});
    return vysledek;
}

std::string cislo(std::size_t n) {
    return std::to_string(n);
}

} // namespace

std::vector<Nalez> ZkontrolujPocty(const Skript& skript, const SlovaFormulare& slova) {
    // A stopped generator drew no values past its stop, so the count of values is unknown.
    if (skript.chyba)
        return {};
    const KusyPolozek hodnoty = kusy(skript, Udalost::Draw, generatory::Pole::NastaveniHodnota);
    const KusyPolozek akce = kusy(skript, Udalost::Step, generatory::Pole::NastaveniAkce);
    const std::map<std::size_t, Kus> zadne;
    std::vector<Nalez> nalezy;
    for (const auto& [vstup, akcePolozky] : akce) {
        const auto h = hodnoty.find(vstup);
        const auto& hodnotyPolozky = h == hodnoty.end() ? zadne : h->second;
        const std::size_t v = hodnotyPolozky.size();
        const std::size_t a = akcePolozky.size();
        const std::string pocty = "položka má hodnot " + cislo(v) + ", akcí " + cislo(a);
        if (a > v) {
            const Kus& navic = akcePolozky.at(v);
            std::string zprava = slova.jmeno(navic.pole, navic.text) + " „" + navic.text +
                                 "“ nepatří k žádné hodnotě: " + pocty + ".";
            if (v > 0) {
                const Kus& posledni = hodnotyPolozky.at(v - 1);
                zprava += " Středník odděluje akce jednotlivých hodnot, a tak hodnota č. " +
                          cislo(v) + " „" + posledni.text + "“ spouští „" +
                          akcePolozky.at(v - 1).text +
                          "“; akci o víc příkazech napište bez středníků";
            }
            nalezy.push_back({Udalost::Step, navic.radek, std::move(zprava), navic.pole});
        } else if (a < v) {
            const Kus& bez = hodnotyPolozky.at(a);
            nalezy.push_back({Udalost::Draw, bez.radek,
                              slova.jmeno(bez.pole, bez.text) + " „" + bez.text +
                                  "“ nemá žádnou akci: " + pocty +
                                  ". Kód pak po „} else“ nemá žádný příkaz, a to hra odmítne",
                              bez.pole});
        }
    }
    return nalezy;
}

} // namespace nahled
