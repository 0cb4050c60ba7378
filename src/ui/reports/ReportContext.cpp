// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/reports/ReportContext.h"

#include "platform/Platform.h"
#include "ui/state/AppState.h"

#include <QDate>
#include <QDateTime>
#include <QWidget>

namespace reportcontext {

bool FollowSharedState(QWidget* window, const std::function<void()>& refresh) {
    TAppState* state = SharedState();
    if (!state) return false;
    auto ifVisible = [window, refresh] {
        if (window->isVisible()) refresh();
    };
    QObject::connect(state, &TAppState::monthChanged, window, ifVisible);
    QObject::connect(state, &TAppState::settingsApplied, window, ifVisible);
    return true;
}

astro::Observer MainObserver() {
    const TAppState* state = SharedState();
    return state ? state->observer() : astro::Observer{};
}

PhaseShadingFrame CurrentPhaseShadingFrame() {
    const TAppState* state = SharedState();
    return state ? ShadingFrameOf(state->ZoneOffset(), state->ClockOffset) : ShadingFrameOf(0, 0);
}

astro::DateTimeRec SelectedDate() {
    if (const TAppState* state = SharedState()) return state->SelectedDate;
    const QDate today = SharedNow().date();
    astro::DateTimeRec d;
    d.Day = static_cast<std::uint16_t>(today.day());
    d.Month = static_cast<std::uint16_t>(today.month());
    d.Year = static_cast<std::uint16_t>(today.year());
    return d;
}

astro::DateTimeRec DayOf(const astro::DateTimeRec& date, int day) {
    astro::DateTimeRec d = date;
    d.Day = static_cast<std::uint16_t>(day);
    d.Hour = d.Minute = d.Second = d.Millisecond = 0;
    d.Julian = 0;
    return d;
}

std::vector<int> DaysOfMonth(const astro::DateTimeRec& date) {
    std::vector<int> days;
    for (int d = 1; d <= astro::DaysInMonth(date.Month, date.Year); ++d)
        if (astro::DateExists(d, date.Month, date.Year)) days.push_back(d);
    return days;
}

} // namespace reportcontext
