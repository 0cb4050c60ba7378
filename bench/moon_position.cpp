// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the Moon's position (which includes the Sun's), and a check that it allocates nothing.
#include "allocation_count.h"

#include "astro/fMoonCalcs.h"

#include <benchmark/benchmark.h>

namespace {

astro::Observer Greenwich() {
    astro::Observer o;
    o.Latitude = astro::DegToRad(51.4769);
    o.Longitude = astro::DegToRad(0.0005);
    return o;
}

void BM_MoonPosition(benchmark::State& state) {
    const astro::Observer observer = Greenwich();
    astro::JulianDay jd = 2460000.5;
    const long long before = bench::allocations.load();
    for (auto _ : state) {
        benchmark::DoNotOptimize(astro::MoonPosition(jd, observer));
        jd += 0.0417; // about an hour on, so that nothing repeats
    }
    const long long allocated = bench::allocations.load() - before;
    state.counters["allocations"] = static_cast<double>(allocated);
    if (allocated != 0) state.SkipWithError("MoonPosition allocated memory");
}
BENCHMARK(BM_MoonPosition)->Unit(benchmark::kMicrosecond);

void BM_SunPosition(benchmark::State& state) {
    const astro::Observer observer = Greenwich();
    astro::JulianDay jd = 2460000.5;
    for (auto _ : state) {
        benchmark::DoNotOptimize(astro::SunPosition(jd, observer));
        jd += 0.0417;
    }
}
BENCHMARK(BM_SunPosition)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
