// SPDX-License-Identifier: GPL-3.0-or-later
// Building the times list's month table (31 days, five rise/set computations a day).
#include "bench_support.h"

#include "astro/fGlobals.h"
#include "ui/reports/fTimesList.h"
#include "zone/Zone.h"

#include <benchmark/benchmark.h>

namespace {

void BM_SetupDataBitmap(benchmark::State& state) {
    TTimesList list;
    astro::DateTimeRec month;
    month.Day = 1;
    month.Month = 12;
    month.Year = 2026;
    for (auto _ : state) {
        list.SetupDataBitmap(month, bench::London);
        benchmark::DoNotOptimize(list.DataPicture().cacheKey());
    }
}
BENCHMARK(BM_SetupDataBitmap)->Unit(benchmark::kMillisecond);

// The same in a named zone, for a month in which the clocks go back.
void BM_SetupDataBitmapNamedZone(benchmark::State& state) {
    SetCurrentZone(*TZone::Named("Europe/London"));
    TTimesList list;
    astro::DateTimeRec month;
    month.Day = 1;
    month.Month = 10;
    month.Year = 2026;
    for (auto _ : state) {
        list.SetupDataBitmap(month, bench::London);
        benchmark::DoNotOptimize(list.DataPicture().cacheKey());
    }
    SetCurrentZone(TZone::Fixed(0));
}
BENCHMARK(BM_SetupDataBitmapNamedZone)->Unit(benchmark::kMillisecond);

void BM_ScrollOneRow(benchmark::State& state) {
    TTimesList list;
    astro::DateTimeRec month;
    month.Month = 12;
    month.Year = 2026;
    list.SetupDataBitmap(month, {});
    for (auto _ : state) {
        list.lblScrollDownClick();
        list.lblScrollUpClick();
    }
}
BENCHMARK(BM_ScrollOneRow)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    return bench::RunUnderQt(argc, argv);
}
