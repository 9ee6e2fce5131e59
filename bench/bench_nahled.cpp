// The preview window at size: one frame (the room's step and the paint of what it shows) with
// 20,000 credits nodes and with 20,000 highscore rows, and one step that reads 5,000 variables
// nothing set. The floor is the runtime's own step on the same scripts, without the window.
// And a restart (Znovu, or a drag) on a large settings menu, against the check alone: the room
// runs what the check read, so a restart reads each event once.
// Prints one line per figure: name, fastest window time and fastest floor time in milliseconds.

#include "benchmark_generatoru.h"

#include "generators/generuj_highskore.h"
#include "generators/generuj_titulky.h"
#include "generators/spoj_radky.h"
#include "preview/kontrola.h"
#include "preview/okno_nahledu.h"
#include "preview/platno_nahledu.h"

#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using generatory::Udalost;

namespace {

// "--kratce" runs every figure once on inputs a hundred times smaller, to show it works.
bool kratce = false;

int velikost(int plna) {
    return kratce ? plna / 100 : plna;
}

double zmer(const std::function<void()>& prace) {
    QElapsedTimer mereni;
    mereni.start();
    prace();
    return static_cast<double>(mereni.nsecsElapsed()) / 1e6;
}

std::string spoj(const std::vector<std::string>& radky) {
    std::string text;
    for (const std::string& radek : radky)
        text += radek + '\n';
    return text;
}

// A name with a number after it; a literal + a temporary string draws a false -Wrestrict from
// GCC 12 at -O3.
std::string sCislem(std::string jmeno, int cislo) {
    return jmeno.append(std::to_string(cislo));
}

nahled::Skripty skripty(const generatory::Skript& s) {
    return {{Udalost::Create, spoj(s.create)},
            {Udalost::Step, spoj(s.step)},
            {Udalost::Draw, spoj(s.draw)},
            {Udalost::Alarm0, spoj(s.alarm0)}};
}

// Frames of the window against steps of the runtime alone, alternating so both see the same
// machine load; the fastest of each counts.
void porovnej(const char* nazev, const nahled::Skripty& skripty) {
    OknoNahledu okno;
    okno.resize(980, 540);
    okno.show();
    okno.nastav(QStringLiteral("Bench"), [&skripty] { return skripty; });
    okno.PozastavitClick();
    auto* platno = okno.findChild<PlatnoNahledu*>();
    nahled::Mistnost mistnost(skripty);

    const int kroku = kratce ? 2 : 10;
    std::vector<double> nase, podlaha;
    for (int i = 0; i < kroku; ++i) {
        nase.push_back(zmer([&] {
            okno.krok();
            platno->repaint();
        }));
        podlaha.push_back(zmer([&] { mistnost.krok(); }));
    }
    // The first frames fill the lists of messages and variables once.
    const auto od = static_cast<std::ptrdiff_t>(kroku / 2);
    std::printf("%s\t%.3f\t%.3f\n", nazev, *std::min_element(nase.begin() + od, nase.end()),
                *std::min_element(podlaha.begin() + od, podlaha.end()));
}

void restart(const char* nazev, const generatory::Skript& skript) {
    const auto sdileny = std::make_shared<const generatory::Skript>(skript);
    nahled::Skripty panely;
    for (const generatory::PopisUdalosti& u : generatory::udalosti)
        panely[u.udalost] = generatory::SpojRadky(skript.radky(u.udalost));
    OknoNahledu okno;
    okno.resize(980, 540);
    okno.show();
    okno.nastav(
        QStringLiteral("Bench"), [&panely] { return panely; }, nullptr,
        [sdileny] { return sdileny; });
    okno.PozastavitClick();
    std::vector<double> nase, podlaha;
    for (int i = 0; i < (kratce ? 1 : 5); ++i) {
        nase.push_back(zmer([&] { okno.ZnovuClick(); }));
        podlaha.push_back(zmer([&] { nahled::Zkontroluj(*sdileny); }));
    }
    std::printf("%s\t%.3f\t%.3f\n", nazev, *std::min_element(nase.begin(), nase.end()),
                *std::min_element(podlaha.begin(), podlaha.end()));
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication aplikace(argc, argv);
    kratce = QApplication::arguments().contains(QStringLiteral("--kratce"));

    generatory::VstupTitulku titulky{{}, "nahoru", "c_red", "c_aqua", {}, {}};
    for (int p = 0; p < velikost(4000); ++p) {
        titulky.polozky.push_back({"pozice" + std::to_string(p), true});
        for (int o = 0; o < 4; ++o)
            titulky.polozky.push_back(
                {"osoba" + std::to_string(p) + "_" + std::to_string(o), false});
    }
    porovnej("frame at 20,000 credits nodes", skripty(generatory::GenerujTitulky(titulky)));

    std::vector<generatory::PolozkaHighskore> radky;
    for (int i = 0; i < velikost(20000); ++i)
        radky.push_back(
            {std::to_string(i + 1), sCislem("global.nick", i), sCislem("global.skore", i)});
    porovnej("frame at 20,000 highscore rows", skripty(generatory::GenerujHighskore(radky)));

    std::string step;
    for (int i = 0; i < velikost(5000); ++i)
        step += sCislem("a", i) + sCislem(" = b", i) + "\n";
    porovnej("step reading 5,000 unset variables", {{Udalost::Step, step}});

    restart("restart at settings (1,000 entries x 10 values, 10 actions)",
            generatory::GenerujNastaveni(polozkyNastaveni(velikost(1000))));
    return 0;
}
