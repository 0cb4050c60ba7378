// SPDX-License-Identifier: GPL-3.0-or-later
// The Sun's apparent position, and (below it) the rise, transit and set of the Sun and the Moon.
// fMoonCalcs.h includes this header, so this header must not include fMoonCalcs.h.
#pragma once

#include "astro/fGlobals.h"

#include <array>
#include <cstdint>
#include <limits>
#include <string>

namespace astro {

// ---------------------------------------------------------------------------------------------
// The Sun's position (Meeus ch. 25, method of higher accuracy with the truncated VSOP87 series
// of appendix III; ch. 13 for the change of coordinates)
// ---------------------------------------------------------------------------------------------

// An equatorial position, as numbers and as display splits.
struct EquatorialRec {
    DmsRec RightAscensionText; // right ascension in hours (degrees / 15)
    DmsRec DeclinationText;    // declination in degrees
    double RightAscension = 0; // degrees, 0..360
    double Declination = 0;    // degrees, -90..+90
};

// The apparent Sun for one instant.
struct SunRec {
    double Longitude = 0;     // apparent geocentric ecliptic longitude, degrees (not reduced)
    double Latitude = 0;      // geocentric ecliptic latitude, degrees, FK5 system
    double Altitude = 0;      // geocentric altitude, degrees, no refraction
    double Azimuth = 0;       // degrees 0..360, from north through east
    double DistanceKm = 0;    // Earth-Sun distance, km
    EquatorialRec Equatorial; // apparent right ascension and declination
};

// Apparent Sun at the UT instant (the theory taken at jd + DeltaTDays(jd)), with its geocentric
// altitude and azimuth for the observer (hour angle from the mean sidereal time of jd).
SunRec SunPosition(JulianDay jd, const Observer& observer);

// The same with the true obliquity (radians) and the nutation in longitude (arcseconds) of the
// dynamical instant jd + DeltaTDays(jd) already at hand, so that a caller that has them (the Moon's
// position) does not compute them twice.
SunRec SunPosition(JulianDay jd, const Observer& observer, double obliquityRad,
                   double deltaPsiArcsec);

// ---------------------------------------------------------------------------------------------
// Rise, transit and set
// ---------------------------------------------------------------------------------------------
// Method: three positions a day apart and the iterative correction of the day fractions of
// transit, rise and set (Meeus ch. 15), with three-point interpolation (Meeus ch. 3).

// Rise, transit and set of one date as local clock texts. Each text is "HH:MM", "None" (the body
// does not reach the standard altitude that date) or "*****" (the event falls outside the local
// day). For twilight, Rise is the beginning of morning twilight and Set the end of evening
// twilight.
// What a rise or set text stands for.
enum class EventState : std::uint8_t {
    Time,       // a clock time
    OutsideDay, // "*****": the event falls on a neighbouring local day
    AlwaysUp,   // "None": the body stays above the standard altitude all day
    AlwaysDown, // "None": the body stays below the standard altitude all day
};

// The events of one local day as UT Julian Days; NaN where the event has no clock time.
struct RiseSetInstants {
    JulianDay Rise = std::numeric_limits<double>::quiet_NaN();
    JulianDay Transit = std::numeric_limits<double>::quiet_NaN();
    JulianDay Set = std::numeric_limits<double>::quiet_NaN();
    JulianDay Rise2 = std::numeric_limits<double>::quiet_NaN(); // a second rise that day
    JulianDay Set2 = std::numeric_limits<double>::quiet_NaN();  // a second set that day
};

struct RiseSetTimes {
    std::string Rise;                    // at most 6 characters
    std::string Transit;                 // at most 6 characters
    std::string Set;                     // at most 6 characters
    std::string Rise2;                   // "HH:MM" of a second rise that local day, else empty
    std::string Set2;                    // "HH:MM" of a second set that local day, else empty
    std::int32_t IlluminatedPercent = 0; // MoonRiseSet only: the Moon's at 0h UT, 0..100
    EventState RiseState = EventState::Time;
    EventState SetState = EventState::Time;
    RiseSetInstants Instants; // MoonRiseSet and SunRiseSet only
};

// Apparent geocentric place of the body at 0h UT of one tabulated day.
struct TabulatedPosition {
    double RightAscension = 0; // degrees, 0..360
    double Declination = 0;    // degrees
};

// The day before, the day itself and the day after, at 0h UT.
using TabulatedPositions = std::array<TabulatedPosition, 3>;

// Day fractions from 0h UT of the date: [0] transit, [1] rise, [2] set.
using EventFractions = std::array<double, 3>;

// Standard altitudes (degrees) for SunRiseSet.
inline constexpr double SunriseAltitude = -0.8333;
inline constexpr double CivilTwilightAltitude = -6;
inline constexpr double NauticalTwilightAltitude = -12;
inline constexpr double AstronomicalTwilightAltitude = -18;

// Bound on the rounds of RefineEventTimes.
inline constexpr int MaxRefineRounds = 20;

// Three-point interpolation about the middle value (Meeus 3.3): n is the interpolating factor
// in tabular intervals from y2.
double Interpolate3(double n, double y1, double y2, double y3);

// Corrects the three day fractions together (Meeus ch. 15) until the rise correction is below
// 1e-9 day. theta0Deg: Greenwich mean sidereal time at 0h UT; h0Deg: standard altitude. The
// fractions are not normalised. Returns false when MaxRefineRounds pass without convergence.
bool RefineEventTimes(EventFractions& m, const TabulatedPositions& positions, double theta0Deg,
                      double deltaTSeconds, double h0Deg, const Observer& observer);

// Rise, transit and set of the date whose 0h UT is jd0, shifted into the local day of the
// observer's zone offset (Meeus ch. 15). IlluminatedPercent is left 0.
RiseSetTimes RiseTransitSet(const TabulatedPositions& positions, double deltaTSeconds, double h0Deg,
                            JulianDay jd0, const Observer& observer);

// MoonRiseSet and SunRiseSet search the local day itself (00:00 to 24:00 of the observer's
// zone): the body's geocentric altitude less the standard altitude is taken from three
// positions half a day apart (Meeus ch. 3 interpolation, the hour angle from the mean sidereal
// time, Meeus ch. 12-13), sampled every 3 hours (every 30 minutes beyond 80 degrees of
// latitude) with every extremum between the samples found, and each change of sign refined by
// regula falsi. Rise and Set are the day's first crossings upward and downward, Rise2 and Set2
// a second one; "*****" where the day has crossings but none of that kind; "None" only where
// the altitude stays on one side of the standard altitude all day. The transit (hour angle 0)
// is refined on every day.

// Bound on the samples of one day's search.
inline constexpr int MaxDaySamples = 48;

// Moonrise, transit and moonset on the date of `date` (Day, Month, Year), local clock time;
// standard altitude 0.7275 parallax - 0.5667 degrees.
RiseSetTimes MoonRiseSet(const DateTimeRec& date, const Observer& observer);

// Sunrise, transit and sunset (or twilight ends) on the date of `date` for the standard
// altitude h0Deg (SunriseAltitude, CivilTwilightAltitude, ...), local clock time.
RiseSetTimes SunRiseSet(const DateTimeRec& date, double h0Deg, const Observer& observer);

} // namespace astro
