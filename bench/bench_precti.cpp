// Reading a script back against generating it: the readers' cost on the largest inputs the
// generators are timed on.

#include "benchmark_generatoru.h"
#include "generators/precti_nastaveni.h"
#include "generators/precti_titulky.h"
#include "generators/spoj_radky.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

using generatory::PolozkaNastaveni;
using generatory::VstupTitulku;

namespace {

// Every line with its line break, the last one too.
std::string vlozeno(const std::vector<std::string>& radky) {
    return generatory::SpojRadky(radky) + "\n";
}

struct Vlozeni {
    std::string create, step, draw, alarm0;
    explicit Vlozeni(const generatory::Skript& s)
        : create(vlozeno(s.create)), step(vlozeno(s.step)), draw(vlozeno(s.draw)),
          alarm0(vlozeno(s.alarm0)) {}
    generatory::VlozenyKod kod() const { return {create, step, draw, alarm0}; }
};

// The largest inputs the generators are timed on.
constexpr std::int64_t polozek = 1000;
constexpr std::int64_t uzlu = 20000;

void BM_Nastaveni_generuj(benchmark::State& stav) {
    const auto polozky = polozkyNastaveni(polozek);
    for (auto _ : stav)
        benchmark::DoNotOptimize(generatory::GenerujNastaveni(polozky));
}
BENCHMARK(BM_Nastaveni_generuj)->ComputeStatistics("min", nejmensi);

void BM_Nastaveni_precti(benchmark::State& stav) {
    const Vlozeni vlozeni(generatory::GenerujNastaveni(polozkyNastaveni(polozek)));
    for (auto _ : stav)
        if (!std::holds_alternative<std::vector<PolozkaNastaveni>>(
                generatory::PrectiNastaveni(vlozeni.kod())))
            std::abort();
}
BENCHMARK(BM_Nastaveni_precti)->ComputeStatistics("min", nejmensi);

void BM_Titulky_generuj(benchmark::State& stav) {
    const VstupTitulku vstup = titulky(uzlu);
    for (auto _ : stav)
        benchmark::DoNotOptimize(generatory::GenerujTitulky(vstup));
}
BENCHMARK(BM_Titulky_generuj)->ComputeStatistics("min", nejmensi);

void BM_Titulky_precti(benchmark::State& stav) {
    const Vlozeni vlozeni(generatory::GenerujTitulky(titulky(uzlu)));
    for (auto _ : stav)
        if (!std::holds_alternative<VstupTitulku>(generatory::PrectiTitulky(vlozeni.kod())))
            std::abort();
}
BENCHMARK(BM_Titulky_precti)->ComputeStatistics("min", nejmensi);

// The slowest refusal of a 10 MB paste: a credits Create of 10 MB that the reader follows node by
// node, and then no Alarm[0].
void BM_Titulky_10MB(benchmark::State& stav) {
    std::string create = "alarm[0] = room_speed/12";
    for (int y = 640; create.size() < (10 << 20); y += 40)
        create += "\nuzel = " + std::to_string(y);
    const generatory::VlozenyKod kod{create, "", "", ""};
    for (auto _ : stav)
        if (!std::holds_alternative<generatory::OdmitnutiCteni>(generatory::PrectiTitulky(kod)))
            std::abort();
}
BENCHMARK(BM_Titulky_10MB)->ComputeStatistics("min", nejmensi);

} // namespace

int main(int argc, char** argv) {
    return spustBenchmarky(argc, argv);
}
