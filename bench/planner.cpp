// SPDX-License-Identifier: GPL-3.0-or-later
// The lunar planner: a year of good nights for one feature, and the terminator column (the Sun's
// altitude over every feature of the default database at one instant).
#include "bench_support.h"

#include "astro/fLunarPlanner.h"
#include "data/FeatureFile.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

const astro::JulianDay kSeptember2026 = 2461284.5; // 1 September 2026, 0h UT

// Copernicus near the equator, Plato far north (its Sun lingers in the band longer).
void BM_GoodNightsYear(benchmark::State& state) {
    const double lon = state.range(0) == 0 ? -20.08 : -9.38;
    const double lat = state.range(0) == 0 ? 9.62 : 51.62;
    astro::GoodNight nights[64];
    int count = 0;
    for (auto _ : state) {
        count = astro::GoodNights(kSeptember2026, kSeptember2026 + 365, lon, lat, bench::London,
                                  astro::NightConditions{}, nights, 64);
        benchmark::DoNotOptimize(nights[0]);
    }
    state.counters["nights"] = count;
}
BENCHMARK(BM_GoodNightsYear)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_TerminatorColumn(benchmark::State& state) {
    struct Place {
        double Lon = 0, Lat = 0;
    };
    std::vector<Place> places;
    for (const FeatureTexts& f :
         ReadFeatureFile(QStringLiteral(CRESSELLE_SOURCE_RUNTIME_DIR "/data.dat"))) {
        Place p;
        ParseCoordinate(f.Longitude, CoordinateAxis::Longitude, p.Lon);
        ParseCoordinate(f.Latitude, CoordinateAxis::Latitude, p.Lat);
        places.push_back(p);
    }
    std::vector<double> altitude(places.size());
    for (auto _ : state) {
        const astro::MoonRec moon = astro::MoonPosition(kSeptember2026 + 3.9, bench::London).Moon;
        for (std::size_t i = 0; i < places.size(); ++i)
            altitude[i] = astro::FeatureLightingAt(moon, places[i].Lon, places[i].Lat).SunAltitude;
        benchmark::DoNotOptimize(altitude.data());
    }
    state.counters["features"] = static_cast<double>(places.size());
}
BENCHMARK(BM_TerminatorColumn)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
