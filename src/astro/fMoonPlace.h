// SPDX-License-Identifier: GPL-3.0-or-later
// The Moon's apparent geocentric place alone, for the rise and set search (no Sun, no physical
// ephemeris): the same series as MoonPosition (Meeus ch. 47, nutation ch. 22).
#pragma once

#include "astro/fRiseSet.h"

namespace astro {

struct MoonPlace {
    EquatorialRec Equatorial; // apparent geocentric right ascension (0..360) and declination, deg
    double Parallax = 0;      // equatorial horizontal parallax, degrees
};

// The Moon at the UT instant jd (series at jd + DeltaTDays(jd)); equal to MoonPosition's
// Equatorial and Parallax.
MoonPlace MoonApparentPlace(JulianDay jd);

} // namespace astro
