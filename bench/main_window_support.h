// SPDX-License-Identifier: GPL-3.0-or-later
// The main window of the benchmarks that tick its clock: offscreen, settings in a temporary
// folder, a test clock that moves on one second per tick.
#pragma once

#include "platform/Platform.h"
#include "settings/ObserverSettings.h"
#include "ui/Windows.h"
#include "ui/main/fMain.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

// Outside any namespace: the macro declares the resources' initialiser where it stands.
inline void InitBenchResources() {
    Q_INIT_RESOURCE(resources);
}

namespace bench {

// The clock the main window reads.
inline QDateTime& Clock() {
    static QDateTime clock(QDate(2024, 3, 15), QTime(0, 0, 1));
    return clock;
}

// One second later, within the same day.
inline void AdvanceClock() {
    QDateTime& clock = Clock();
    clock = clock.addSecs(1);
    if (clock.time() > QTime(23, 0)) clock.setTime(QTime(0, 0, 1));
}

// The one main window, at 51° 30' N 0° 07' W, reading Clock().
inline TMain* MainWindow() {
    static TMain* main = [] {
        platform::Services().now = [] { return Clock(); };
        auto* window = new TMain();
        Windows().Main = window;
        ObserverSettings.LatDeg = QStringLiteral("51");
        ObserverSettings.LatMin = QStringLiteral("30");
        ObserverSettings.LongMin = QStringLiteral("07");
        window->RefreshLatAndLong();
        return window;
    }();
    return main;
}

// Runs the registered benchmarks under a QApplication with the resources and a temporary
// settings store; the main window, when made, is deleted at the end.
inline int RunWithMainWindow(int& argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    InitBenchResources();
    QTemporaryDir folder;
    settingsstore::SetLocationForTests(folder.filePath(QStringLiteral("cresselle.ini")));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    delete Windows().Main;
    Windows() = AppWindows{};
    return 0;
}

} // namespace bench
