// SPDX-License-Identifier: GPL-3.0-or-later
// A lunar feature's sunrises and sunsets of one local month.
#pragma once

#include "astro/fMoonCalcs.h"
#include "zone/Zone.h"

// One sunrise or sunset over a feature, as a list shows it.
struct TFeatureCrossing {
    bool Found = false;        // a crossing with a date in the years 1..9999
    bool OutOfRange = false;   // found, but outside the years 1..9999
    astro::DateTimeRec Local;  // local civil time in the zone's offset in force then
    astro::JulianDay Ut = 0;   // the same instant, UT (meaningful when Found)
};

// The sunrises and sunsets whose local dates fall in the month. Where the month holds none of a
// kind, the first of that kind is the one of the lunar day in progress on the 1st (its sunrise
// before the month, its sunset after it); a second of a kind within the month is kept apart.
struct TFeatureMonth {
    TFeatureCrossing Sunrise, Sunset;   // the first of each
    TFeatureCrossing Sunrise2, Sunset2; // a second within the month (Found false when none)
};

// `month` gives the year and month; `observer` carries the zone offset of the month's days
// (ObserverOnDay), `zone` turns each instant into the offset in force at it. Longitude and
// latitude are selenographic degrees as the feature database holds them. At most four lunar
// days are searched.
TFeatureMonth FeatureSunTimesOfMonth(const astro::DateTimeRec& month, double longitude,
                                     double latitude, const astro::Observer& observer,
                                     const TZone& zone);
