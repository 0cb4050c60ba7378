// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of drawing the monthly phases page (31 Moon positions, lunations and shadings).
#include "settings/ObserverSettings.h"
#include "ui/Windows.h"
#include "ui/main/fMain.h"
#include "ui/reports/fMonthlyPhases.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

static void DrawMoonPhasesPage(benchmark::State& state) {
    TMonthlyPhases* phases = Windows().MonthlyPhases;
    for (auto _ : state) {
        phases->DrawMoonPhases();
        benchmark::DoNotOptimize(phases->page().cacheKey());
    }
}
BENCHMARK(DrawMoonPhasesPage)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(resources);
    QTemporaryDir dir;
    settingsstore::SetLocationForTests(dir.filePath(QStringLiteral("Cresselle.ini")));
    CreateWindows();
    TMain* main = Windows().Main;
    main->SelectedDate.Day = 15;
    main->SelectedDate.Month = 1; // a 31-day month
    main->SelectedDate.Year = 2026;
    main->SelectedDate.Julian = astro::DateToJulian(main->SelectedDate);
    main->ShowSelectedMonth();

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    DestroyWindows();
    return 0;
}
