// What the report windows take from the shared state: the selected date and the observer.
#pragma once

#include "astro/fGlobals.h"

namespace reportcontext {

// The shared observer; the default observer when there is no main window.
astro::Observer MainObserver();

// The shared selected date; today's when there is no main window.
astro::DateTimeRec SelectedDate();

// Midnight of day `day` (1-based) of the month of `date`; the Julian day is left to be computed.
astro::DateTimeRec DayOf(const astro::DateTimeRec& date, int day);

} // namespace reportcontext
