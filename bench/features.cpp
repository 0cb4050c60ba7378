// SPDX-License-Identifier: GPL-3.0-or-later
// DisplaySunRiseSetTimes over the default lunar features database (runtime/data.dat): load,
// the Sun's rise and set over every feature, and the list picture.
#include "bench_support.h"

#include "astro/fMoonPhysical.h"
#include "data/FeatureFile.h"
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
        list.WaitForTimes();
        benchmark::DoNotOptimize(list.StringGrid1.Cell(3, 0));
    }
    state.counters["features"] = list.StringGrid1.RowCount() - 1;
    QDir::setCurrent(old);
}
BENCHMARK(BM_DisplaySunRiseSetTimes)->Unit(benchmark::kMillisecond)->MinTime(3);

// The same computation as cresselle-cli's "features" command does it: the engine alone over the
// file's features, in the same process as the window's figure above (which draws with Qt, and
// so runs after Qt's vector routines).
void BM_FeaturesAsTheCommandLine(benchmark::State& state) {
    const std::vector<FeatureTexts> features =
        ReadFeatureFile(QStringLiteral(CRESSELLE_SOURCE_RUNTIME_DIR "/data.dat"));
    astro::DateTimeRec first = March2025();
    first.Day = 1;
    first.Hour = 0;
    const astro::JulianDay start = astro::DateToJulian(first);
    for (auto _ : state) {
        for (const FeatureTexts& f : features)
            benchmark::DoNotOptimize(astro::FeatureSunriseSunset(
                start, f.Longitude.toDouble(), f.Latitude.toDouble(), bench::London));
    }
    state.counters["features"] = static_cast<double>(features.size());
}
BENCHMARK(BM_FeaturesAsTheCommandLine)->Unit(benchmark::kMillisecond)->MinTime(3);

} // namespace

int main(int argc, char** argv) {
    return bench::RunUnderQt(argc, argv);
}
