// SPDX-License-Identifier: GPL-3.0-or-later
// Sidereal time, hour angle and horizontal coordinates (Meeus ch. 12 and 13).
#pragma once

#include "astro/fGlobals.h"

#include <string>

namespace astro {

// Altitude and azimuth of a body.
struct HorizontalRec {
    double Altitude = 0; // degrees above the horizon, no refraction
    double Azimuth = 0;  // degrees 0..360, from north through east
};

// Greenwich mean sidereal time at the instant, degrees 0..360 (Meeus 12.4).
double MeanSiderealTime(JulianDay jd);

// Greenwich mean sidereal time at 0h UT; `jd` is the instant of 0h of the date (Meeus 12.3).
double MeanSiderealTime0h(JulianDay jd);

// Hour angle theta - L - ra in degrees, L the observer's west-positive longitude; brought into
// -180..180 (exactly +-180 stays).
double HourAngle(double theta, double ra, const Observer& observer);

// An angle in degrees brought into -180..180 by whole turns (exactly +-180 stays).
double WrapTo180(double deg);

// Altitude and azimuth from the hour angle and declination (degrees) at the observer's latitude
// (Meeus 13.5, 13.6). Geocentric: no refraction, no parallax.
HorizontalRec EquatorialToHorizontal(double hourAngle, double dec, const Observer& observer);

// Local apparent sidereal time as "HH:MM:SS" (at most 15 characters) for a local civil date and
// time, with the observer's zone offset and longitude (mean sidereal time at 0h of the local
// date plus the equation of the equinoxes, carried on at the sidereal rate).
std::string LocalSiderealTimeText(const DateTimeRec& local, const Observer& observer);

// The same value in hours, 0..24.
double LocalSiderealTimeHours(const DateTimeRec& local, const Observer& observer);

} // namespace astro
