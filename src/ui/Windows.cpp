// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Windows.h"

#include "settings/fConfiguration.h"
#include "settings/fPrintOptions.h"
#include "ui/main/fAbout.h"
#include "ui/main/fDateInfo.h"
#include "ui/main/fMain.h"
#include "ui/main/fMonthList.h"
#include "ui/reports/fAltitudeGraph.h"
#include "ui/reports/fEaster.h"
#include "ui/reports/fEclipse.h"
#include "ui/reports/fEclipseReport.h"
#include "ui/reports/fEquinox.h"
#include "ui/reports/fFeatures.h"
#include "ui/reports/fFeaturesDB.h"
#include "ui/reports/fMonthlyPhases.h"
#include "ui/reports/fObservingAid.h"
#include "ui/reports/fReportMenu.h"
#include "ui/reports/fTimesList.h"
#include "ui/reports/fWebMenu.h"
#include "ui/style/NightMode.h"

#include <array>

namespace {
std::array<QWidget*, 17> createdOrder{};
int createdCount = 0;

// Every window but the main one belongs to it (transient for it): it stays above the main
// window and has no taskbar entry of its own.
template <typename T> T* create(T*& slot) {
    slot = new T(Windows().Main);
    createdOrder[static_cast<std::size_t>(createdCount++)] = slot;
    return slot;
}
} // namespace

AppWindows& Windows() {
    static AppWindows windows;
    return windows;
}

QWidget* MainWidget() {
    return Windows().Main;
}

int MainControlLeft(const char* name, int fallback) {
    const QWidget* main = MainWidget();
    const QWidget* control = main ? main->findChild<QWidget*>(QString::fromLatin1(name)) : nullptr;
    return control ? control->x() : fallback;
}

void CreateWindows() {
    AppWindows& w = Windows();
    createdCount = 0;
    create(w.Main);
    create(w.TimesList);
    create(w.Configuration);
    create(w.WebMenu);
    create(w.MonthList);
    create(w.Eclipse);
    create(w.About);
    create(w.PrintOptions);
    create(w.DateInfo);
    create(w.Equinox);
    create(w.EclipseReport);
    create(w.ReportMenu);
    create(w.MonthlyPhases);
    create(w.ObservingAid);
    create(w.Easter);
    create(w.Features);
    create(w.FeaturesDB);
    w.AltitudeGraph = new TAltitudeGraph(w.Main);
    nightmode::Install();
}

void DestroyWindows() {
    delete Windows().AltitudeGraph;
    Windows().AltitudeGraph = nullptr;
    for (int i = createdCount - 1; i >= 0; --i)
        delete createdOrder[static_cast<std::size_t>(i)];
    createdOrder.fill(nullptr);
    createdCount = 0;
    Windows() = AppWindows{};
}

QWidget* const* CreatedWindowsInOrder(int& count) {
    count = createdCount;
    return createdOrder.data();
}
