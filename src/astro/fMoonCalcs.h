// SPDX-License-Identifier: GPL-3.0-or-later
// Nutation, the obliquity of the ecliptic, the change from ecliptic to equatorial coordinates,
// and the Moon's position with its physical ephemeris for one instant.
#pragma once

#include "astro/fGlobals.h"
#include "astro/fRiseSet.h"

namespace astro {

// Nutation in longitude and in obliquity (IAU 1980 theory, Meeus ch. 22).
struct NutationRec {
    double DeltaPsi = 0;     // nutation in longitude, arcseconds
    double DeltaEpsilon = 0; // nutation in obliquity, arcseconds
};

// The Moon for one instant (Meeus ch. 47 for the position, ch. 40 for the topocentric
// correction, ch. 48 and 53 for the physical ephemeris).
struct MoonRec {
    double EclipticLatitude = 0;  // RADIANS, geocentric ecliptic latitude
    double EclipticLongitude = 0; // RADIANS, geocentric, mean equinox of date, 0..2pi
    double ApparentLongitude = 0; // RADIANS, EclipticLongitude + nutation (not reduced)
    double DistanceKm = 0;        // Earth-Moon centre distance, km
    double Parallax = 0;          // equatorial horizontal parallax, degrees
    double Altitude = 0;          // geocentric altitude, degrees, no refraction
    double Azimuth = 0;           // geocentric azimuth, degrees 0..360 from north through east
    double SemiDiameter = 0;      // topocentric apparent semidiameter, degrees
    double BrightLimbAngle = 0;   // position angle of the bright limb, degrees 0..360
    double PhaseAngle = 0;        // Sun-Moon-Earth angle, degrees 0..180
    EquatorialRec Equatorial;     // apparent geocentric right ascension and declination
    EquatorialRec Topocentric;    // topocentric right ascension (degrees, may leave 0..360
                                  // by the parallax correction) and declination
    std::int32_t IlluminatedPercent = 0; // illuminated fraction, whole percent 0..100
    double LibrationLatitude = 0;        // topocentric total libration in latitude, degrees
    double LibrationLongitude = 0;       // topocentric total libration in longitude, degrees
    double AxisPositionAngle = 0;        // topocentric position angle of the axis, degrees
    double Colongitude = 0;              // Sun's selenographic colongitude, degrees 0..360
    double SunSelenographicLatitude = 0; // RADIANS, Sun's selenographic latitude
};

// MoonPosition's result: the Moon and the apparent Sun of the same instant.
struct MoonAndSun {
    MoonRec Moon;
    SunRec Sun;
};

// Sunrise and sunset over a point of the Moon, local civil time. A search that finds no
// crossing of the horizon (a point at or next to a pole while the Sun stays above or below it,
// or no convergence within its bound) leaves its Has... flag false and its date all zeros
// (Day 0, Month 0, Year 0), which no real date has.
struct FeatureSunTimes {
    DateTimeRec Sunrise;     // sunrise that began (or will begin) the lunar day of the start
    DateTimeRec Sunset;      // sunset that will end that lunar day
    bool HasSunrise = false; // Sunrise holds a found instant
    bool HasSunset = false;  // Sunset holds a found instant
    // A crossing found outside the years 1..9999 (the lunar day of early January of the year 1
    // began in the year 0): not given, Has... false, the date all zeros.
    bool SunriseOutOfRange = false;
    bool SunsetOutOfRange = false;
};

// Nutation of the instant (Meeus ch. 22, 63-term series of table 22.A).
NutationRec Nutation(JulianDay jd);

// Mean obliquity of the ecliptic in DEGREES (Meeus 22.3, Laskar's polynomial).
double MeanObliquity(JulianDay jd);

// True obliquity of the ecliptic in RADIANS (Meeus 22.3 with the nutation in obliquity); hands
// back the nutation it used.
double TrueObliquity(JulianDay jd, NutationRec& nutation);
double TrueObliquity(JulianDay jd);

// Ecliptic to equatorial coordinates (Meeus 13.3, 13.4). All three arguments in radians:
// obliquity, ecliptic latitude, ecliptic longitude. Right ascension comes back in 0..360.
EquatorialRec EclipticToEquatorial(double obliquity, double latitude, double longitude);

// The Moon's position and physical ephemeris at the UT instant (series taken at the dynamical
// instant jd + DeltaTDays(jd), sidereal time at jd) for the observer (75 m above sea level), with
// the apparent Sun of the same instant.
MoonAndSun MoonPosition(JulianDay jd, const Observer& observer);

// Sunrise and sunset over a lunar feature at selenographic `longitude` and `latitude` (degrees,
// as the feature database holds them), searched from the instant `start`. Times are turned into
// local civil time with the observer's zone offset. Each search takes at most 60 rounds. Near
// a pole, where the Sun had stood above the point since before it could cross its horizon, the
// sunset is given without a sunrise.
FeatureSunTimes FeatureSunriseSunset(JulianDay start, double longitude, double latitude,
                                     const Observer& observer);

} // namespace astro
