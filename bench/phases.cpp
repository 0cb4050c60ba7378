// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of a month's principal phases, and a check that filling a reused list allocates nothing.
#include "allocation_count.h"

#include "astro/fPhases.h"

#include <benchmark/benchmark.h>

namespace {

void BM_MonthPhases(benchmark::State& state) {
    astro::Observer observer;
    observer.ZoneOffsetMinutes = 60;
    astro::DateTimeRec month;
    month.Year = 2024;
    month.Month = 1;
    astro::MonthPhaseList events;
    // One pass over the year gives the texts storage for the longest month name.
    for (int m = 1; m <= 12; ++m) {
        month.Month = static_cast<std::uint16_t>(m);
        astro::MonthPhases(month, observer, events);
    }
    month.Month = 1;
    const long long before = bench::allocations.load();
    for (auto _ : state) {
        benchmark::DoNotOptimize(astro::MonthPhases(month, observer, events));
        month.Month = static_cast<std::uint16_t>(month.Month % 12 + 1);
    }
    const long long allocated = bench::allocations.load() - before;
    state.counters["allocations"] = static_cast<double>(allocated);
    if (allocated != 0) state.SkipWithError("MonthPhases allocated memory");
}
BENCHMARK(BM_MonthPhases)->Unit(benchmark::kMicrosecond);

void BM_NextApsides(benchmark::State& state) {
    astro::Observer observer;
    astro::JulianDay instant = 2460310.5;
    for (auto _ : state) {
        benchmark::DoNotOptimize(astro::NextApsides(instant, observer));
        instant += 1.3;
    }
}
BENCHMARK(BM_NextApsides)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
