// SPDX-License-Identifier: GPL-3.0-or-later
// Cost of the main window's clock tick and of a day selection.
#include "main_window_support.h"
#include "ui/main/fCalendarLabels.h"
#include "ui/main/fMoonDrawing.h"

#include <QTimer>
#include <benchmark/benchmark.h>

namespace {

using bench::AdvanceClock;
using bench::MainWindow;

void BM_ClockTick(benchmark::State& state) {
    TMain* main = MainWindow();
    for (auto _ : state) {
        AdvanceClock();
        main->Timer1Timer();
    }
}
BENCHMARK(BM_ClockTick)->Unit(benchmark::kMicrosecond);

// The tick with the window shown and repainted, as on screen.
void BM_ClockTickWithRepaint(benchmark::State& state) {
    TMain* main = MainWindow();
    main->show();
    main->Timer1->stop();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        AdvanceClock();
        main->Timer1Timer();
        QCoreApplication::processEvents();
    }
    main->hide();
}
BENCHMARK(BM_ClockTickWithRepaint)->Unit(benchmark::kMicrosecond);

// The shading of a fresh Moon picture (done when the illuminated percent changes).
void BM_MoonShading(benchmark::State& state) {
    const QPixmap original(QStringLiteral(":/moon_full_156.jpg"));
    for (auto _ : state) {
        QPixmap picture = original.copy();
        ShadeMoonPicture(picture, 37, 20);
        benchmark::DoNotOptimize(picture);
    }
}
BENCHMARK(BM_MoonShading)->Unit(benchmark::kMicrosecond);

// A click on a day with the clock running: rise, transit and set of the Moon and the Sun with
// the three twilights, the lunation and the apsides, then the panel.
void BM_DaySelection(benchmark::State& state) {
    TMain* main = MainWindow();
    main->Timer1->start();
    int day = 1;
    for (auto _ : state) {
        day = day % 28 + 1;
        main->DateSelect(main->DateLabels[main->MonthOffset + day - 1]);
    }
    main->Timer1->stop();
}
BENCHMARK(BM_DaySelection)->Unit(benchmark::kMicrosecond);

// A month shown afresh (the grid, its phases, the eclipse test and the selected day).
void BM_MonthDisplay(benchmark::State& state) {
    TMain* main = MainWindow();
    main->Timer1->start();
    int month = 0;
    for (auto _ : state) {
        month = month % 12 + 1;
        main->SelectMonth(month);
    }
    main->Timer1->stop();
}
BENCHMARK(BM_MonthDisplay)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    return bench::RunWithMainWindow(argc, argv);
}
