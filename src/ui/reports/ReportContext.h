// What the month report windows take from the main window: its selected date and observer.
#pragma once

#include "astro/fGlobals.h"

namespace reportcontext {

// The main window's observer; the default observer when there is no main window.
astro::Observer MainObserver();

// The main window's selected date; today's when there is no main window.
astro::DateTimeRec SelectedDate();

// Midnight of day `day` (1-based) of the month of `date`; the Julian day is left to be computed.
astro::DateTimeRec DayOf(const astro::DateTimeRec& date, int day);

} // namespace reportcontext
