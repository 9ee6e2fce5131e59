// The pure generators on their own, at growing input sizes.

#include "generuj_menu.h"

#include <benchmark/benchmark.h>

namespace {

void BM_GenerujMenu(benchmark::State& stav) {
    VstupMenu vstup;
    vstup.pocet = "5";
    for (std::size_t k = 0; k < 5; ++k)
        vstup.radky[k] = {"Polozka " + std::to_string(k), "250", std::to_string(150 + 30 * k),
                          "room_goto(mistnost" + std::to_string(k) + ")"};
    for (auto _ : stav)
        benchmark::DoNotOptimize(GenerujMenu(vstup));
}
BENCHMARK(BM_GenerujMenu);

} // namespace

BENCHMARK_MAIN();
