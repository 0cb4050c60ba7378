// SPDX-License-Identifier: GPL-3.0-or-later
// Tonight's altitude graph: the night computed and drawn (the window's redraw), the drawing
// alone; and the main window's clock tick with its repaint, night mode off (0) and on (1).
#include "bench_support.h"
#include "main_window_support.h"

#include "ui/reports/fAltitudeGraph.h"
#include "ui/style/NightMode.h"
#include "zone/Night.h"
#include "zone/Zone.h"

#include <QPainter>
#include <QPixmap>
#include <QTimer>
#include <benchmark/benchmark.h>

namespace {

astro::DateTimeRec Day() {
    astro::DateTimeRec d;
    d.Day = 9;
    d.Month = 12;
    d.Year = 2026;
    return d;
}

void BM_AltitudeNightAndDrawing(benchmark::State& state) {
    SetCurrentZone(TZone::Fixed(0));
    QPixmap picture(TAltitudeGraph::GraphWidth, TAltitudeGraph::GraphHeight);
    const TAltitudeGraphStyle style = ScreenGraphStyle();
    for (auto _ : state) {
        const TNight night = NightOf(Day(), bench::London, 10);
        QPainter c(&picture);
        DrawAltitudeGraph(c, picture.rect(), night, bench::London, QStringLiteral("London"), style);
    }
}
BENCHMARK(BM_AltitudeNightAndDrawing)->Unit(benchmark::kMillisecond);

void BM_AltitudeDrawingOnly(benchmark::State& state) {
    SetCurrentZone(TZone::Fixed(0));
    QPixmap picture(TAltitudeGraph::GraphWidth, TAltitudeGraph::GraphHeight);
    const TAltitudeGraphStyle style = ScreenGraphStyle();
    const TNight night = NightOf(Day(), bench::London, 10);
    for (auto _ : state) {
        QPainter c(&picture);
        DrawAltitudeGraph(c, picture.rect(), night, bench::London, QStringLiteral("London"), style);
    }
}
BENCHMARK(BM_AltitudeDrawingOnly)->Unit(benchmark::kMillisecond);

// The tick with the window shown and repainted, as on screen.
void BM_ClockTickNightMode(benchmark::State& state) {
    TMain* main = bench::MainWindow();
    nightmode::Install();
    nightmode::Set(state.range(0) != 0, false);
    main->show();
    main->Timer1->stop();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        bench::AdvanceClock();
        main->Timer1Timer();
        QCoreApplication::processEvents();
    }
    main->hide();
    nightmode::Set(false, false);
}
BENCHMARK(BM_ClockTickNightMode)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    return bench::RunWithMainWindow(argc, argv);
}
