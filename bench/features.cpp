// DisplaySunRiseSetTimes over the default lunar features database (runtime/data.dat): load,
// the Sun's rise and set over every feature, and the list picture.
#include "bench_support.h"

#include "ui/reports/fFeatures.h"

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
    for (auto _ : state) {
        list.DisplaySunRiseSetTimes(March2025(), bench::London);
        benchmark::DoNotOptimize(list.StringGrid1.Cell(3, 0));
    }
    state.counters["features"] = list.StringGrid1.RowCount() - 1;
    QDir::setCurrent(old);
}
BENCHMARK(BM_DisplaySunRiseSetTimes)->Unit(benchmark::kMillisecond)->MinTime(3);

} // namespace

int main(int argc, char** argv) {
    return bench::RunUnderQt(argc, argv);
}
