// SPDX-License-Identifier: GPL-3.0-or-later
// The Moon's physical ephemeris (Meeus ch. 48 and 53): phase, bright limb, librations with their
// physical and topocentric parts, position angle of the axis, and the Sun's selenographic place.
#pragma once

#include "astro/fMoonCalcs.h"

namespace astro {

// Fundamental arguments of the Moon's theory for one instant (Meeus 47.1 .. 47.6).
struct MoonArguments {
    double T = 0, T2 = 0, T3 = 0, T4 = 0; // Julian centuries from J2000.0 and their powers
    double Lp = 0;                        // mean longitude L', radians 0..2pi
    double D = 0;                         // mean elongation, radians 0..2pi
    double M = 0;                         // Sun's mean anomaly, radians 0..2pi
    double Mp = 0;                        // Moon's mean anomaly M', radians 0..2pi
    double F = 0;                         // argument of latitude, radians 0..2pi
    double A1 = 0, A2 = 0, A3 = 0;        // planetary arguments, radians 0..2pi
    double E = 1;                         // eccentricity factor of the Earth's orbit
};

// What the physical ephemeris takes besides the Moon's and the Sun's records.
struct PhysicalEphemerisInput {
    MoonArguments Args;
    double DeltaPsi = 0;  // nutation in longitude, arcseconds
    double Obliquity = 0; // true obliquity, radians
    double HourAngle = 0; // the Moon's geocentric hour angle, degrees -180..180
    double Latitude = 0;  // observer's latitude, radians
};

// Fills PhaseAngle, IlluminatedPercent, BrightLimbAngle, the librations, AxisPositionAngle,
// Colongitude and SunSelenographicLatitude of `moon`, whose position fields are already set.
void FillPhysicalEphemeris(const PhysicalEphemerisInput& in, const SunRec& sun, MoonRec& moon);

// Illuminated fraction in whole percent for a phase angle in degrees, rounded half up (ch. 48).
std::int32_t IlluminatedPercentFor(double phaseAngleDeg);

// Optical libration in longitude A - F, degrees, both reduced to 0..360 first and the difference
// brought into -180..180 (Meeus 53.1).
double OpticalLibrationInLongitude(double aDeg, double fDeg);

// The Sun's altitude over a lunar point, degrees: colongitude and point longitude in degrees, the
// Sun's selenographic latitude in RADIANS, the point's latitude in degrees.
double SunAltitudeOverFeature(double colongitudeDeg, double sunLatitudeRad, double longitudeDeg,
                              double latitudeDeg);

} // namespace astro
