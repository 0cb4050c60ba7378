// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the eclipse search over two centuries (every month's phases and eclipse test).
#include "ui/reports/fEclipseReport.h"

#include <benchmark/benchmark.h>

static void EclipseSearch1900To2100(benchmark::State& state) {
    const astro::Observer london{0.8988, 0.0021, 0};
    std::size_t found = 0;
    for (auto _ : state) {
        const EclipseSearchResult result = SearchEclipses(1900, 2100, london);
        found = result.Entries.size();
        benchmark::DoNotOptimize(found);
    }
    state.counters["eclipses"] = static_cast<double>(found);
}
BENCHMARK(EclipseSearch1900To2100)->Unit(benchmark::kMillisecond);

static void EclipseSearchOneYear(benchmark::State& state) {
    const astro::Observer london{0.8988, 0.0021, 0};
    for (auto _ : state)
        benchmark::DoNotOptimize(SearchEclipses(2000, 2000, london));
}
BENCHMARK(EclipseSearchOneYear)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
