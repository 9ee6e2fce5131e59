// Reading a script back against generating it: the readers' cost on the largest inputs the
// generators are timed on.

#include "generators/generuj_nastaveni.h"
#include "generators/generuj_titulky.h"
#include "generators/precti_nastaveni.h"
#include "generators/precti_titulky.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <malloc.h>
#include <string>
#include <vector>

namespace {

double nejmensi(const std::vector<double>& casy) {
    return *std::min_element(casy.begin(), casy.end());
}

std::string spojRadky(const std::vector<std::string>& radky) {
    std::string text;
    for (const std::string& r : radky)
        text += r + "\n";
    return text;
}

struct Vlozeni {
    std::string create, step, draw, alarm0;
    explicit Vlozeni(const Skript& s)
        : create(spojRadky(s.create)), step(spojRadky(s.step)), draw(spojRadky(s.draw)),
          alarm0(spojRadky(s.alarm0)) {}
    VlozenyKod kod() const { return {create, step, draw, alarm0}; }
};

// 1,000 entries of 10 values and 10 actions each.
std::vector<PolozkaNastaveni> nastaveni() {
    std::vector<PolozkaNastaveni> polozky;
    for (int i = 0; i < 1000; ++i) {
        std::string hodnoty, akce;
        for (int k = 0; k < 10; ++k) {
            hodnoty += "hodnota" + std::to_string(k) + ";";
            akce += "global.volba = " + std::to_string(k) + ";";
        }
        polozky.push_back(
            {"Volba" + std::to_string(i), "200", std::to_string(150 + 30 * i), hodnoty, akce});
    }
    return polozky;
}

// 20,000 nodes, every fifth a position, the position font on.
VstupTitulku titulky() {
    VstupTitulku vstup;
    vstup.smer = "nahoru";
    vstup.barvaPozice = "c_red";
    vstup.barvaOsob = "c_aqua";
    vstup.pismoPozice = {true, "Arial", "14", true, false};
    for (int i = 0; i < 20000; ++i)
        vstup.polozky.push_back({"uzel" + std::to_string(i), i % 5 == 0});
    return vstup;
}

void BM_Nastaveni_generuj(benchmark::State& stav) {
    const auto polozky = nastaveni();
    for (auto _ : stav)
        benchmark::DoNotOptimize(GenerujNastaveni(polozky));
}
BENCHMARK(BM_Nastaveni_generuj)->ComputeStatistics("min", nejmensi);

void BM_Nastaveni_precti(benchmark::State& stav) {
    const Vlozeni vlozeni(GenerujNastaveni(nastaveni()));
    for (auto _ : stav)
        if (!std::holds_alternative<std::vector<PolozkaNastaveni>>(PrectiNastaveni(vlozeni.kod())))
            std::abort();
}
BENCHMARK(BM_Nastaveni_precti)->ComputeStatistics("min", nejmensi);

void BM_Titulky_generuj(benchmark::State& stav) {
    const VstupTitulku vstup = titulky();
    for (auto _ : stav)
        benchmark::DoNotOptimize(GenerujTitulky(vstup));
}
BENCHMARK(BM_Titulky_generuj)->ComputeStatistics("min", nejmensi);

void BM_Titulky_precti(benchmark::State& stav) {
    const Vlozeni vlozeni(GenerujTitulky(titulky()));
    for (auto _ : stav)
        if (!std::holds_alternative<VstupTitulku>(PrectiTitulky(vlozeni.kod())))
            std::abort();
}
BENCHMARK(BM_Titulky_precti)->ComputeStatistics("min", nejmensi);

// The slowest refusal of a 10 MB paste: a credits Create of 10 MB that the reader follows node by
// node, and then no Alarm[0].
void BM_Titulky_10MB(benchmark::State& stav) {
    std::string create = "alarm[0] = room_speed/12";
    for (int y = 640; create.size() < (10 << 20); y += 40)
        create += "\nuzel = " + std::to_string(y);
    const VlozenyKod kod{create, "", "", ""};
    for (auto _ : stav)
        if (!std::holds_alternative<OdmitnutiCteni>(PrectiTitulky(kod)))
            std::abort();
}
BENCHMARK(BM_Titulky_10MB)->ComputeStatistics("min", nejmensi);

} // namespace

// As in bench_generatory: keep freed memory in the process, so neither side pays page faults
// the other does not.
int main(int argc, char** argv) {
    mallopt(M_TRIM_THRESHOLD, 256 << 20);
    mallopt(M_MMAP_THRESHOLD, 64 << 20);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
