// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/fAltitudeCurve.h"

#include "astro/fMoonCalcs.h"
#include "astro/fSidereal.h"

#include <cmath>

namespace astro {

AltitudeSample AltitudeAt(JulianDay ut, const Observer& observer) {
    const MoonAndSun p = MoonPosition(ut, observer);
    // The topocentric place seen with the topocentric hour angle (Meeus 40.2, 40.3).
    const double hourAngle =
        HourAngle(MeanSiderealTime(ut), p.Moon.Topocentric.RightAscension, observer);
    const HorizontalRec moon =
        EquatorialToHorizontal(hourAngle, p.Moon.Topocentric.Declination, observer);
    AltitudeSample s;
    s.Instant = ut;
    s.MoonAltitude = moon.Altitude;
    s.MoonAzimuth = moon.Azimuth;
    s.SunAltitude = p.Sun.Altitude;
    s.SunAzimuth = p.Sun.Azimuth;
    return s;
}

int AltitudeCurve(JulianDay fromUt, JulianDay toUt, double stepMinutes, const Observer& observer,
                  AltitudeSample* out, int capacity) {
    if (!out || capacity <= 0 || !(toUt >= fromUt)) return 0;
    const double step = (stepMinutes >= 1 ? stepMinutes : 1) / 1440.0;
    int n = 0;
    for (int i = 0; n < capacity; ++i) {
        const JulianDay t = fromUt + i * step;
        if (t >= toUt - 1e-9) {
            out[n++] = AltitudeAt(toUt, observer);
            break;
        }
        out[n++] = AltitudeAt(t, observer);
    }
    return n;
}

double MoonRiseAltitude(double parallaxDeg) {
    return -0.2725 * parallaxDeg - 0.5667;
}

} // namespace astro
