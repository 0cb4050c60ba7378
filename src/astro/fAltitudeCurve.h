// SPDX-License-Identifier: GPL-3.0-or-later
// The Moon's and the Sun's altitude and azimuth at the observer, sampled through a span of
// time: the curve of the night's altitude graph and of `cresselle-cli altitude`.
#pragma once

#include "astro/fGlobals.h"

namespace astro {

// Both bodies at one instant.
struct AltitudeSample {
    JulianDay Instant = 0;   // UT
    double MoonAltitude = 0; // topocentric altitude of the Moon's centre, degrees -90..90, no
                             // refraction (Meeus ch. 40 for the parallax, ch. 13)
    double MoonAzimuth = 0;  // topocentric azimuth, degrees 0..360 from north through east
    double SunAltitude = 0;  // geocentric altitude of the Sun's centre, degrees, no refraction
                             // (Meeus ch. 25, 13)
    double SunAzimuth = 0;   // degrees 0..360 from north through east
};

// Samples of a day at one minute apart, with a clock change's extra hour and both ends.
inline constexpr int MaxAltitudeSamples = 1563;

// Both bodies at the UT instant `ut` for the observer.
AltitudeSample AltitudeAt(JulianDay ut, const Observer& observer);

// Samples from `fromUt` every `stepMinutes` (at least 1) to `toUt`, the last at `toUt` itself;
// writes at most `capacity` samples into `out` and returns how many. Allocates nothing.
int AltitudeCurve(JulianDay fromUt, JulianDay toUt, double stepMinutes, const Observer& observer,
                  AltitudeSample* out, int capacity);

// The topocentric altitude of the Moon's centre (degrees) at which MoonRiseSet calls it risen
// or set: its geocentric standard altitude 0.7275 parallax - 0.5667 less the parallax in
// altitude, that is the semidiameter (0.2725 parallax) and the refraction (0.5667) below the
// horizon (Meeus ch. 15). `parallaxDeg`: the equatorial horizontal parallax.
double MoonRiseAltitude(double parallaxDeg);

// The geocentric altitude of the Sun's centre at sunrise and sunset (Meeus ch. 15), degrees.
inline constexpr double SunRiseAltitudeDeg = -0.8333;

} // namespace astro
