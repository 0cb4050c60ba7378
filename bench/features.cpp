// DisplaySunRiseSetTimes over the default lunar features database (runtime/data.dat): load,
// the Sun's rise and set over every feature, and the list picture.
#include "ui/reports/fFeatures.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

astro::DateTimeRec March2025() {
    astro::DateTimeRec d;
    d.Day = 17;
    d.Month = 3;
    d.Year = 2025;
    d.Hour = 21;
    return d;
}

void BM_DisplaySunRiseSetTimes(benchmark::State& state) {
    QTemporaryDir dir;
    const QString old = QDir::currentPath();
    QDir::setCurrent(dir.path());
    QFile::copy(QStringLiteral(CRESSELLE_SOURCE_RUNTIME_DIR "/data.dat"),
                QStringLiteral("data.dat"));
    TFeatures list;
    const astro::Observer london{astro::DegToRad(51.5), astro::DegToRad(0.12), 0};
    for (auto _ : state) {
        list.DisplaySunRiseSetTimes(March2025(), london);
        benchmark::DoNotOptimize(list.StringGrid1.Cell(3, 0));
    }
    state.counters["features"] = list.StringGrid1.RowCount() - 1;
    QDir::setCurrent(old);
}
BENCHMARK(BM_DisplaySunRiseSetTimes)->Unit(benchmark::kMillisecond)->MinTime(3);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
