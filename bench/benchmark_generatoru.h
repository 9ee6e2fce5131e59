#pragma once

// What the generators' and readers' benchmarks share: the same inputs at a given size, so the
// readers are timed on what the generators are, the fastest repetition as the figure, and a
// heap that keeps what is freed.

#include "generators/generuj_nastaveni.h"
#include "generators/generuj_titulky.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <malloc.h>
#include <string>
#include <vector>

// The fastest repetition: on a shared machine the others only add other people's work.
inline double nejmensi(const std::vector<double>& casy) {
    return *std::min_element(casy.begin(), casy.end());
}

// Entries of 10 values and 10 actions each.
inline std::vector<generatory::PolozkaNastaveni> polozkyNastaveni(std::int64_t pocet) {
    std::string hodnoty, akce;
    for (int k = 0; k < 10; ++k) {
        hodnoty += "hodnota" + std::to_string(k) + ";";
        akce += "global.volba = " + std::to_string(k) + ";";
    }
    std::vector<generatory::PolozkaNastaveni> polozky;
    for (std::int64_t i = 0; i < pocet; ++i)
        polozky.push_back(
            {"Volba" + std::to_string(i), "200", std::to_string(150 + 30 * i), hodnoty, akce});
    return polozky;
}

// Nodes, every fifth a position, the position font on.
inline generatory::VstupTitulku titulky(std::int64_t uzlu) {
    generatory::VstupTitulku vstup;
    vstup.smer = "nahoru";
    vstup.barvaPozice = "c_red";
    vstup.barvaOsob = "c_aqua";
    vstup.pismoPozice = {true, "Arial", "14", true, false};
    for (std::int64_t i = 0; i < uzlu; ++i)
        vstup.polozky.push_back({"uzel" + std::to_string(i), i % 5 == 0});
    return vstup;
}

// Each iteration frees the whole script it made. Past 128 KiB of freed memory glibc hands
// the heap top back to the kernel, and blocks of a megabyte come straight from the kernel, so
// the next iteration faults its pages in again and one size pays page faults that its
// neighbours do not. That is the allocator's policy, not the generators' growth, and a
// program that keeps its panes never sees it.
inline int spustBenchmarky(int argc, char** argv) {
    mallopt(M_TRIM_THRESHOLD, 256 << 20);
    mallopt(M_MMAP_THRESHOLD, 64 << 20);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
