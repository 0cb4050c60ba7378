// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the eclipse test of one year: CheckForEclipse over its twelve months (as the eclipse
// search does it), with and without finding the months' phases.
#include "allocation_count.h"

#include "astro/fEclipse.h"

#include <array>
#include <benchmark/benchmark.h>

namespace {

astro::Observer London() {
    astro::Observer o;
    o.Latitude = astro::DegToRad(51.5);
    o.Longitude = astro::DegToRad(0.1);
    return o;
}

// 2000 has a total eclipse in January and July.
constexpr std::uint16_t kYear = 2000;

void BM_EclipseYear(benchmark::State& state) {
    const astro::Observer observer = London();
    std::array<astro::MonthPhaseList, 12> phases;
    std::array<int, 12> counts{};
    for (int m = 0; m < 12; ++m) {
        astro::DateTimeRec month;
        month.Year = kYear;
        month.Month = static_cast<std::uint16_t>(m + 1);
        counts[static_cast<std::size_t>(m)] =
            astro::MonthPhases(month, observer, phases[static_cast<std::size_t>(m)]);
    }
    for (auto _ : state) {
        for (std::size_t m = 0; m < 12; ++m)
            benchmark::DoNotOptimize(astro::CheckForEclipse(phases[m], counts[m], kYear, observer));
    }
}
BENCHMARK(BM_EclipseYear)->Unit(benchmark::kMicrosecond);

void BM_EclipseYearWithPhases(benchmark::State& state) {
    const astro::Observer observer = London();
    astro::MonthPhaseList events;
    for (auto _ : state) {
        for (int m = 1; m <= 12; ++m) {
            astro::DateTimeRec month;
            month.Year = kYear;
            month.Month = static_cast<std::uint16_t>(m);
            const int n = astro::MonthPhases(month, observer, events);
            benchmark::DoNotOptimize(astro::CheckForEclipse(events, n, kYear, observer));
        }
    }
}
BENCHMARK(BM_EclipseYearWithPhases)->Unit(benchmark::kMicrosecond);

// A year without an eclipse near the nodes at full moon is rejected quickly; the common case.
void BM_EclipseRejectedFullMoon(benchmark::State& state) {
    const astro::Observer observer = London();
    astro::PhaseEvent full;
    full.K = 5.5;
    astro::EclipseCircumstances record;
    const long long before = bench::allocations.load();
    for (auto _ : state)
        benchmark::DoNotOptimize(astro::EclipseCalcs(full, kYear, observer, record));
    const long long allocated = bench::allocations.load() - before;
    state.counters["allocations"] = static_cast<double>(allocated);
    if (allocated != 0) state.SkipWithError("a rejected full moon allocated memory");
}
BENCHMARK(BM_EclipseRejectedFullMoon)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
