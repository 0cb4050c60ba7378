// SPDX-License-Identifier: GPL-3.0-or-later
// What the report windows take from the shared state: the selected date and the observer.
#pragma once

#include "astro/fGlobals.h"
#include "print/fPhaseShading.h"

#include <functional>
#include <vector>

class QWidget;

namespace reportcontext {

// Calls `refresh` whenever the shared month, observer or zone changes while `window` is
// visible. False when there is no shared state yet.
bool FollowSharedState(QWidget* window, const std::function<void()>& refresh);

// The shared observer; the default observer when there is no main window.
astro::Observer MainObserver();

// The shared zone and clock offsets with the hemisphere of the settings (zeros when
// there is no main window): how the Moon drawings are shaded.
PhaseShadingFrame CurrentPhaseShadingFrame();

// The shared selected date; today's when there is no main window.
astro::DateTimeRec SelectedDate();

// Midnight of day `day` (1-based) of the month of `date`; the Julian day is left to be computed.
astro::DateTimeRec DayOf(const astro::DateTimeRec& date, int day);

// The days of the month of `date` that exist, in order (5-14 October 1582 left out): one row
// each in the month tables.
std::vector<int> DaysOfMonth(const astro::DateTimeRec& date);

} // namespace reportcontext
