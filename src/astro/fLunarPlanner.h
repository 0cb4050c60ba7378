// SPDX-License-Identifier: GPL-3.0-or-later
// The lunar observer's planner: the Sun's altitude over a lunar feature at an instant (Meeus
// ch. 53), the libration toward a feature, and the nights when a feature stands in low sunlight
// while the Moon is up in a dark sky at the observer's place.
#pragma once

#include "astro/fMoonCalcs.h"
#include "astro/fMoonPhysical.h"

namespace astro {

// The Sun over a lunar feature at one instant.
struct FeatureLighting {
    double SunAltitude = 0; // degrees -90..90 above the feature's horizon
    double Rate = 0;        // degrees per day; > 0 while the Sun climbs (morning side)
    bool Morning = false;   // the Sun is on its way up over the feature (morning terminator)
};

// sin h = sin b0 sin beta + cos b0 cos beta sin(c0 + lambda) with the colongitude c0 and the
// Sun's selenographic latitude b0 of `moon` (Meeus ch. 53); the rate from the colongitude's mean
// rate of 12.19075 degrees a day. Longitude east positive, latitude north positive, degrees.
FeatureLighting FeatureLightingAt(const MoonRec& moon, double longitudeDeg, double latitudeDeg);

// Minutes by which a feature's sunrise or sunset moves when the Sun's altitude over it is
// uncertain by kFeatureAltitudeUncertaintyDeg, for the altitude rate at the crossing (degrees a
// day); capped at 14 days for a Sun that grazes the horizon.
inline constexpr double kFeatureAltitudeUncertaintyDeg = 0.02;
double CrossingUncertaintyMinutes(double rateDegPerDay);

// How far the libration brings a feature toward the disk's centre, degrees: its angular distance
// from the mean centre (0, 0) less its distance from the sub-Earth point (libration in longitude
// and latitude, degrees). Positive: the feature is turned toward the observer.
double LibrationToward(double librationLonDeg, double librationLatDeg, double longitudeDeg,
                       double latitudeDeg);

// The three conditions of a good night for a feature.
struct NightConditions {
    double FeatureSunMin = 1;    // Sun's altitude over the feature, degrees, lower limit
    double FeatureSunMax = 12;   // upper limit (low-angle relief)
    double MoonMinAltitude = 15; // the Moon's topocentric altitude at the observer, degrees
    double SunMaxAltitude = -6;  // the Sun's altitude at the observer: -6 civil, -12, -18
};

// The quantities the conditions test, at a UT instant.
struct NightSample {
    double FeatureSunAltitude = 0; // degrees, Sun over the feature
    double MoonAltitude = 0;       // degrees, topocentric, centre of the Moon, no refraction
    double SunAltitude = 0;        // degrees, geocentric, centre of the Sun, no refraction
};

// From the full position of the instant (MoonPosition).
NightSample NightSampleAt(JulianDay jd, double longitudeDeg, double latitudeDeg,
                          const Observer& observer);
bool ConditionsHold(const NightSample& s, const NightConditions& c);

// One window of a good night, UT.
struct GoodNight {
    JulianDay Start = 0;
    JulianDay End = 0;
    double FeatureSunAltitudeMid = 0; // degrees, at the middle of the window
    double MoonAltitudeMid = 0;       // degrees, at the middle of the window
};

// The windows between the UT instants `from` and `to` (at most 4 years apart) in which all three
// conditions hold, in time order, written to `out` (at most `capacity`); returns their number.
// The search steps 5 minutes through positions interpolated from a table 6 hours apart, skips
// the stretches where the Sun over the feature stays clear of the band, and places each start
// and end by bisection on the full positions to within 5 seconds. A window shorter than the step
// may be missed; a window cut by `from` or `to` starts or ends there.
int GoodNights(JulianDay from, JulianDay to, double longitudeDeg, double latitudeDeg,
               const Observer& observer, const NightConditions& conditions, GoodNight* out,
               int capacity);

} // namespace astro
