// The Sun's apparent position, and (below it) the rise, transit and set of the Sun and the Moon.
// fMoonCalcs.h includes this header, so this header must not include fMoonCalcs.h.
#pragma once

#include "astro/fGlobals.h"

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

// Apparent Sun at the instant (UT used as is, no Delta T), with its geocentric altitude and
// azimuth for the observer (hour angle from the mean sidereal time).
SunRec SunPosition(JulianDay jd, const Observer& observer);

// The same with the true obliquity (radians) and the nutation in longitude (arcseconds) of `jd`
// already at hand, so that a caller that has them (the Moon's position) does not compute them
// twice.
SunRec SunPosition(JulianDay jd, const Observer& observer, double obliquityRad,
                   double deltaPsiArcsec);

// ---------------------------------------------------------------------------------------------
// Rise, transit and set
// ---------------------------------------------------------------------------------------------

} // namespace astro
