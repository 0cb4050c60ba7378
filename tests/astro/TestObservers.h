// SPDX-License-Identifier: GPL-3.0-or-later
// Observers of the engine tests, from degrees.
#pragma once

#include "astro/fGlobals.h"

namespace astrotest {

// An observer at a latitude (north positive) and a longitude west positive, in degrees.
inline astro::Observer At(double latDeg, double westLonDeg, int zoneMinutes = 0) {
    astro::Observer o;
    o.Latitude = astro::DegToRad(latDeg);
    o.Longitude = astro::DegToRad(westLonDeg);
    o.ZoneOffsetMinutes = zoneMinutes;
    return o;
}

// The same with the longitude east positive, as atlases give it.
inline astro::Observer AtEast(double latDeg, double eastLonDeg, int zoneMinutes) {
    return At(latDeg, -eastLonDeg, zoneMinutes);
}

} // namespace astrotest
