// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of one day's rise, transit and set of the Moon and of the Sun (three positions each and
// the refinement), and a check that neither allocates.
#include "allocation_count.h"

#include "astro/fMoonCalcs.h"
#include "astro/fRiseSet.h"

#include <benchmark/benchmark.h>

namespace {

astro::Observer London() {
    astro::Observer o;
    o.Latitude = astro::DegToRad(51.5);
    o.Longitude = astro::DegToRad(0.1);
    o.ZoneOffsetMinutes = 60;
    return o;
}

astro::DateTimeRec FirstDay() {
    astro::DateTimeRec d;
    d.Year = 2024;
    d.Month = 1;
    d.Day = 1;
    return d;
}

// Next day of the year, wrapping after the 28th so that every date is valid.
void NextDay(astro::DateTimeRec& d) {
    if (++d.Day > 28) {
        d.Day = 1;
        d.Month = static_cast<std::uint16_t>(d.Month % 12 + 1);
    }
}

void BM_MoonRiseSet(benchmark::State& state) {
    const astro::Observer observer = London();
    astro::DateTimeRec date = FirstDay();
    const long long before = bench::allocations.load();
    for (auto _ : state) {
        benchmark::DoNotOptimize(astro::MoonRiseSet(date, observer));
        NextDay(date);
    }
    const long long allocated = bench::allocations.load() - before;
    state.counters["allocations"] = static_cast<double>(allocated);
    if (allocated != 0) state.SkipWithError("MoonRiseSet allocated memory");
}
BENCHMARK(BM_MoonRiseSet)->Unit(benchmark::kMicrosecond);

void BM_SunRiseSet(benchmark::State& state) {
    const astro::Observer observer = London();
    astro::DateTimeRec date = FirstDay();
    const long long before = bench::allocations.load();
    for (auto _ : state) {
        benchmark::DoNotOptimize(astro::SunRiseSet(date, astro::SunriseAltitude, observer));
        NextDay(date);
    }
    const long long allocated = bench::allocations.load() - before;
    state.counters["allocations"] = static_cast<double>(allocated);
    if (allocated != 0) state.SkipWithError("SunRiseSet allocated memory");
}
BENCHMARK(BM_SunRiseSet)->Unit(benchmark::kMicrosecond);

// The one-day method the search replaced, for comparison in the same run: three positions at 0h
// UT of the day before, the day and the day after, and RiseTransitSet.
astro::TabulatedPosition Tabulated(const astro::EquatorialRec& e) {
    return {e.RightAscension, e.Declination};
}

astro::DateTimeRec AtMidnight(astro::DateTimeRec d) {
    d.Hour = d.Minute = d.Second = 0;
    return d;
}

void BM_MoonRiseSetOneDayMethod(benchmark::State& state) {
    const astro::Observer observer = London();
    astro::DateTimeRec date = FirstDay();
    for (auto _ : state) {
        const astro::JulianDay jd0 = astro::DateToJulian(AtMidnight(date));
        const astro::MoonAndSun day = astro::MoonPosition(jd0, observer);
        const astro::TabulatedPositions p = {
            Tabulated(astro::MoonPosition(jd0 - 1, observer).Moon.Equatorial),
            Tabulated(day.Moon.Equatorial),
            Tabulated(astro::MoonPosition(jd0 + 1, observer).Moon.Equatorial)};
        benchmark::DoNotOptimize(
            astro::RiseTransitSet(p, 0, 0.7275 * day.Moon.Parallax - 0.5667, jd0, observer));
        NextDay(date);
    }
}
BENCHMARK(BM_MoonRiseSetOneDayMethod)->Unit(benchmark::kMicrosecond);

void BM_SunRiseSetOneDayMethod(benchmark::State& state) {
    const astro::Observer observer = London();
    astro::DateTimeRec date = FirstDay();
    for (auto _ : state) {
        const astro::JulianDay jd0 = astro::DateToJulian(AtMidnight(date));
        const astro::TabulatedPositions p = {
            Tabulated(astro::SunPosition(jd0 - 1, observer).Equatorial),
            Tabulated(astro::SunPosition(jd0, observer).Equatorial),
            Tabulated(astro::SunPosition(jd0 + 1, observer).Equatorial)};
        benchmark::DoNotOptimize(
            astro::RiseTransitSet(p, 0, astro::SunriseAltitude, jd0, observer));
        NextDay(date);
    }
}
BENCHMARK(BM_SunRiseSetOneDayMethod)->Unit(benchmark::kMicrosecond);

// Beyond 80 degrees the day is sampled every 30 minutes.
void BM_MoonRiseSetPolar(benchmark::State& state) {
    astro::Observer observer = London();
    observer.Latitude = astro::DegToRad(84);
    astro::DateTimeRec date = FirstDay();
    for (auto _ : state) {
        benchmark::DoNotOptimize(astro::MoonRiseSet(date, observer));
        NextDay(date);
    }
}
BENCHMARK(BM_MoonRiseSetPolar)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
