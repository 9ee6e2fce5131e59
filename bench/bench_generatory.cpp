// The pure generators on their own, at growing input sizes.

#include "generators/generuj_highskore.h"
#include "generators/generuj_menu.h"
#include "generators/generuj_nastaveni.h"
#include "generators/generuj_titulky.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <malloc.h>
#include <vector>

namespace {

// The fastest repetition: on a shared machine the others only add other people's work.
double nejmensi(const std::vector<double>& casy) {
    return *std::min_element(casy.begin(), casy.end());
}

// Sizes 1x, 10x, 100x and 1000x the base, with a complexity fit and the fastest repetition.
template <int Zaklad> void velikosti(benchmark::internal::Benchmark* b) {
    for (int n = Zaklad; n <= 1000 * Zaklad; n *= 10)
        b->Arg(n);
    b->Complexity(benchmark::oAuto)->ComputeStatistics("min", nejmensi);
}

// The menu has at most five items, so its size is the length of the texts the author types.
void BM_GenerujMenu(benchmark::State& stav) {
    const auto delka = static_cast<std::size_t>(stav.range(0));
    // Built rather than assigned from a literal, which GCC 12 falsely flags (-Wrestrict) at -O3.
    generatory::VstupMenu vstup{std::string(1, '5'), {}};
    for (std::size_t k = 0; k < 5; ++k)
        vstup.radky[k] = {std::string(delka, 'p'), "250", std::to_string(150 + 30 * k),
                          std::string(delka, 'a')};
    for (auto _ : stav)
        benchmark::DoNotOptimize(generatory::GenerujMenu(vstup));
    stav.SetComplexityN(stav.range(0));
}
BENCHMARK(BM_GenerujMenu)->Apply(velikosti<100>);

void BM_GenerujHighskore(benchmark::State& stav) {
    std::vector<generatory::PolozkaHighskore> radky;
    for (std::int64_t i = 0; i < stav.range(0); ++i)
        radky.push_back({std::to_string(i + 1), "global.nick" + std::to_string(i),
                         "global.skore" + std::to_string(i)});
    for (auto _ : stav)
        benchmark::DoNotOptimize(generatory::GenerujHighskore(radky).draw);
    stav.SetComplexityN(stav.range(0));
}
BENCHMARK(BM_GenerujHighskore)->Apply(velikosti<20>);

void BM_GenerujNastaveni(benchmark::State& stav) {
    std::vector<generatory::PolozkaNastaveni> polozky;
    for (std::int64_t i = 0; i < stav.range(0); ++i) {
        std::string hodnoty, akce;
        for (int k = 0; k < 10; ++k) {
            hodnoty += "hodnota" + std::to_string(k) + ";";
            akce += "global.volba = " + std::to_string(k) + ";";
        }
        polozky.push_back(
            {"Volba" + std::to_string(i), "200", std::to_string(150 + 30 * i), hodnoty, akce});
    }
    for (auto _ : stav)
        benchmark::DoNotOptimize(generatory::GenerujNastaveni(polozky));
    stav.SetComplexityN(stav.range(0));
}
BENCHMARK(BM_GenerujNastaveni)->Apply(velikosti<1>);

void BM_GenerujTitulky(benchmark::State& stav) {
    generatory::VstupTitulku vstup;
    vstup.smer = "nahoru";
    vstup.barvaPozice = "c_red";
    vstup.barvaOsob = "c_aqua";
    vstup.pismoPozice = {true, "Arial", "14", true, false};
    for (std::int64_t i = 0; i < stav.range(0); ++i)
        vstup.polozky.push_back({"uzel" + std::to_string(i), i % 5 == 0});
    for (auto _ : stav)
        benchmark::DoNotOptimize(generatory::GenerujTitulky(vstup));
    stav.SetComplexityN(stav.range(0));
}
BENCHMARK(BM_GenerujTitulky)->Apply(velikosti<20>);

} // namespace

// Each iteration frees the whole script it made. Past 128 KiB of freed memory glibc hands
// the heap top back to the kernel, and blocks of a megabyte come straight from the kernel, so
// the next iteration faults its pages in again and one size pays page faults that its
// neighbours do not. That is the allocator's policy, not the generators' growth, and a
// program that keeps its panes never sees it.
int main(int argc, char** argv) {
    mallopt(M_TRIM_THRESHOLD, 256 << 20);
    mallopt(M_MMAP_THRESHOLD, 64 << 20);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
