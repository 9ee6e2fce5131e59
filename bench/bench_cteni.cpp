// Reading generated script in the preview: the time to parse the code of a large credits tree
// and of a large settings menu against the time to generate it (the floor, measured in the same
// run), and the parser's peak heap, counted by the allocator below, against the script's size.
// Prints one line per figure: name, ours, floor, unit, goal ratio.

#include "generators/generuj_nastaveni.h"
#include "generators/generuj_titulky.h"
#include "jazyk/rozbor.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <malloc.h>
#include <new>
#include <string>
#include <vector>

namespace {

// Counted only while the memory is measured, so that the times are not slowed by it; a block
// allocated before and freed during a measurement can take it below zero.
bool pocitat = false;
long long drzeno = 0, spicka = 0;

} // namespace

void* operator new(std::size_t n) {
    void* p = std::malloc(n ? n : 1);
    if (!p)
        throw std::bad_alloc();
    if (pocitat) {
        drzeno += static_cast<long long>(malloc_usable_size(p));
        spicka = std::max(spicka, drzeno);
    }
    return p;
}

void operator delete(void* p) noexcept {
    if (p && pocitat)
        drzeno -= static_cast<long long>(malloc_usable_size(p));
    std::free(p);
}

void operator delete(void* p, std::size_t) noexcept {
    operator delete(p);
}

namespace {

using nahled::Rozbor;
using nahled::Rozeber;

bool kratce = false;

double zmer(const std::function<void()>& prace) {
    const auto od = std::chrono::steady_clock::now();
    prace();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - od).count();
}

std::string spoj(const generatory::Skript& s) {
    std::string text;
    for (const auto* udalost : {&s.create, &s.step, &s.draw, &s.alarm0})
        for (const std::string& radek : *udalost)
            text.append(radek).push_back('\n');
    return text;
}

// The fastest of seven runs of each, alternating so both see the same machine load.
void porovnej(const char* nazev, const std::function<generatory::Skript()>& generuj) {
    std::vector<double> nase, podlaha;
    std::string text;
    for (int i = 0; i < (kratce ? 1 : 7); ++i) {
        podlaha.push_back(zmer([&] { text = spoj(generuj()); }));
        // Reading only: freeing the tree is not part of it.
        Rozbor r;
        nase.push_back(zmer([&] { r = Rozeber(text); }));
    }
    std::printf("read %s\t%.3f\t%.3f\tms\t4\n", nazev, *std::ranges::min_element(nase),
                *std::ranges::min_element(podlaha));
    drzeno = spicka = 0;
    pocitat = true;
    const Rozbor r = Rozeber(text);
    pocitat = false;
    const double mib = 1024.0 * 1024.0;
    std::printf("read %s, peak memory\t%.3f\t%.3f\tMiB\t10\n", nazev,
                static_cast<double>(spicka) / mib, static_cast<double>(text.size()) / mib);
    if (!r.chyby.empty()) {
        std::fprintf(stderr, "%s: %s\n", nazev, r.chyby[0].zprava.c_str());
        std::exit(1);
    }
}

} // namespace

int main(int argc, char* argv[]) {
    kratce = argc > 1 && std::strcmp(argv[1], "--kratce") == 0;
    const int uzlu = kratce ? 200 : 20000;
    porovnej(kratce ? "credits of 200 nodes" : "credits of 20,000 nodes", [uzlu] {
        generatory::VstupTitulku v;
        for (int i = 0; i < uzlu; ++i)
            v.polozky.push_back({(i % 10 ? "Osoba" : "Pozice") + std::to_string(i), i % 10 == 0});
        v.smer = "nahoru";
        v.barvaPozice = "c_red";
        v.barvaOsob = "c_white";
        v.pismoPozice = {true, "Arial", "14", true, false};
        v.pismoOsob = {true, "Arial", "12", false, false};
        return generatory::GenerujTitulky(v);
    });
    const int polozek = kratce ? 10 : 1000;
    porovnej(
        kratce ? "settings of 10 entries x 10 values" : "settings of 1,000 entries x 10 values",
        [polozek] {
            std::vector<generatory::PolozkaNastaveni> p;
            for (int i = 0; i < polozek; ++i)
                p.push_back({"Volba" + std::to_string(i), "200", std::to_string(150 + i),
                             "a;b;c;d;e;f;g;h;i;j", "x=1;x=2;x=3;x=4;x=5;x=6;x=7;x=8;x=9;x=10"});
            return generatory::GenerujNastaveni(p);
        });
}
