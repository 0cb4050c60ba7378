// SPDX-License-Identifier: GPL-3.0-or-later
// Redrawing the observing aid's chart (a month, five rise/set computations a day), on screen
// and on a printer-sized canvas.
#include "bench_support.h"

#include "astro/fGlobals.h"
#include "ui/reports/fObservingAid.h"

#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

namespace {

astro::DateTimeRec December2026() {
    astro::DateTimeRec month;
    month.Day = 1;
    month.Month = 12;
    month.Year = 2026;
    return month;
}

void BM_Doa(benchmark::State& state) {
    TObservingAid aid;
    for (auto _ : state) {
        aid.doa(December2026(), bench::London);
        benchmark::DoNotOptimize(aid.ChartPicture().cacheKey());
    }
}
BENCHMARK(BM_Doa)->Unit(benchmark::kMillisecond);

void BM_DrawGraphicPrinted(benchmark::State& state) {
    TObservingAid aid;
    // An A4 page at 300 dpi.
    QImage page(2480, 3508, QImage::Format_RGB32);
    const ChartStyle style = PrintedChartStyle(page.width(), page.height(), 400, 80, "Laser");
    for (auto _ : state) {
        QPainter canvas(&page);
        aid.DrawGraphic(style.LeftMargin, December2026(), style, canvas, bench::London);
    }
}
BENCHMARK(BM_DrawGraphicPrinted)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return bench::RunUnderQt(argc, argv);
}
