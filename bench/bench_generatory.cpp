// The pure generators on their own, at growing input sizes.

#include "benchmark_generatoru.h"
#include "generators/generuj_highskore.h"
#include "generators/generuj_menu.h"

#include <vector>

namespace {

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
    const auto polozky = polozkyNastaveni(stav.range(0));
    for (auto _ : stav)
        benchmark::DoNotOptimize(generatory::GenerujNastaveni(polozky));
    stav.SetComplexityN(stav.range(0));
}
BENCHMARK(BM_GenerujNastaveni)->Apply(velikosti<1>);

void BM_GenerujTitulky(benchmark::State& stav) {
    const generatory::VstupTitulku vstup = titulky(stav.range(0));
    for (auto _ : stav)
        benchmark::DoNotOptimize(generatory::GenerujTitulky(vstup));
    stav.SetComplexityN(stav.range(0));
}
BENCHMARK(BM_GenerujTitulky)->Apply(velikosti<20>);

} // namespace

int main(int argc, char** argv) {
    return spustBenchmarky(argc, argv);
}
