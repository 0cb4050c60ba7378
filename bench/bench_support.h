// SPDX-License-Identifier: GPL-3.0-or-later
// What the benchmarks of windows share: an observer and a main() under a Qt application.
#pragma once

#include "astro/fGlobals.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace bench {

// London, 51.5° N 0.12° W (radians, west positive).
inline const astro::Observer London{astro::DegToRad(51.5), astro::DegToRad(0.12), 0};

// Runs the registered benchmarks under a QApplication (offscreen unless QT_QPA_PLATFORM says
// otherwise), for windows and pictures that need one.
inline int RunUnderQt(int& argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace bench
