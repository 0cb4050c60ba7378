// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of one printed calendar page: the page laid out and drawn on a PDF printer at the
// printer resolution and the file written, every option on (argument 1) or every option but the
// daily phase drawings (argument 0). Reports the file's size.
#include "bench_support.h"

#include "platform/Platform.h"
#include "print/fPrintCalendar.h"
#include "settings/ObserverSettings.h"

#include <QFileInfo>
#include <QPrinter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void UseLondon() {
    TObserverSettings& s = ObserverSettings;
    s.LatDeg = "51", s.LatMin = "30", s.LatSec = "00", s.LatDir = "North";
    s.LongDeg = "000", s.LongMin = "07", s.LongSec = "00", s.LongDir = "West";
    s.Location = "London";
    s.DayOrder = 1;
    s.TimeZoneIndex = 24;
    s.DaylightSavings = true;
    s.PhaseDensity = 75;
    s.PrintDailyPhases = s.PrintMajorPhases = s.PrintLunarTimes = s.PrintSunTimes = true;
}

void BM_PrintCalendarToPdf(benchmark::State& state) {
    UseLondon();
    ObserverSettings.PrintDailyPhases = state.range(0) != 0;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("calendar.pdf"));
    platform::Services().printer = [path](QWidget*, const QString&) {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(path);
        return printer;
    };
    const astro::Observer observer = ObserverOfSettings(ObserverSettings);
    const PhaseShadingFrame shading = ShadingFrameOf(observer.ZoneOffsetMinutes, 0);
    for (auto _ : state)
        benchmark::DoNotOptimize(PrintCalendar(3, 2024, observer, shading));
    state.counters["pdf_kB"] = static_cast<double>(QFileInfo(path).size()) / 1024.0;
}
BENCHMARK(BM_PrintCalendarToPdf)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

// The page's astronomy alone: the grid, the month's phases (no drawing).
void BM_CalendarPageFor(benchmark::State& state) {
    UseLondon();
    const astro::Observer observer = ObserverOfSettings(ObserverSettings);
    const PhaseShadingFrame shading = ShadingFrameOf(observer.ZoneOffsetMinutes, 0);
    for (auto _ : state)
        benchmark::DoNotOptimize(CalendarPageFor(3, 2024, observer, shading));
}
BENCHMARK(BM_CalendarPageFor)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    return bench::RunUnderQt(argc, argv);
}
