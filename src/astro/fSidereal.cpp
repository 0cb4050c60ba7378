// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/fSidereal.h"

#include "astro/fMoonCalcs.h"

#include <algorithm>
#include <cmath>

namespace astro {

namespace {

// "While x > high, subtract a period" in closed form, so that no loop runs unbounded on a huge
// input; a value equal to `high` stays.
double SubtractWhileAbove(double x, double high, double period) {
    if (!(x > high)) return x;
    return x - period * std::ceil((x - high) / period);
}

// "While x < low, add a period" in closed form.
double AddWhileBelow(double x, double low, double period) {
    if (!(x < low)) return x;
    return x + period * std::ceil((low - x) / period);
}

// Ratio of sidereal to solar time.
constexpr double kSiderealRate = 1.00273790935;

} // namespace

double MeanSiderealTime(JulianDay jd) {
    const double t = JulianCenturies(jd);
    return ReduceDegrees(280.46061837 + 360.98564736629 * (jd - 2451545) + 0.000387933 * t * t -
                         t * t * t / 38710000);
}

double MeanSiderealTime0h(JulianDay jd) {
    const double t = (jd - 2451545) / 36525;
    return ReduceDegrees(100.46061837 + 36000.770053608 * t + 0.000387933 * t * t -
                         t * t * t / 38710000);
}

double WrapTo180(double deg) {
    return AddWhileBelow(SubtractWhileAbove(deg, 180, 360), -180, 360);
}

double HourAngle(double theta, double ra, const Observer& observer) {
    return WrapTo180(theta - RadToDeg(observer.Longitude) - ra);
}

HorizontalRec EquatorialToHorizontal(double hourAngle, double dec, const Observer& observer) {
    const double phi = observer.Latitude;
    const double h = DegToRad(hourAngle);
    const double delta = DegToRad(dec);
    const double sinAlt =
        std::sin(phi) * std::sin(delta) + std::cos(phi) * std::cos(delta) * std::cos(h);
    HorizontalRec out;
    out.Altitude = RadToDeg(std::asin(std::clamp(sinAlt, -1.0, 1.0)));
    // atan2 gives the azimuth westward from the south; turn it to north through east.
    const double fromSouth =
        std::atan2(std::sin(h), std::cos(h) * std::sin(phi) - std::tan(delta) * std::cos(phi));
    out.Azimuth = ReduceDegrees(RadToDeg(fromSouth) - 180);
    return out;
}

double LocalSiderealTimeHours(const DateTimeRec& local, const Observer& observer) {
    const double localMinutes = local.Hour * 60 + local.Minute + local.Second / 60.0;
    // Universal Time of day in minutes; may fall below 0 or pass 1440, and the sidereal rate
    // below carries it across the change of date.
    const double utMinutes = localMinutes - observer.ZoneOffsetMinutes;

    DateTimeRec midnight = local;
    midnight.Hour = 0;
    midnight.Minute = 0;
    midnight.Second = 0;
    midnight.Millisecond = 0;
    const JulianDay j0 = DateToJulian(midnight);
    const double t = (j0 - 2451545) / 36525;
    NutationRec nutation;
    const double obliquity = TrueObliquity(j0, nutation);

    // Mean sidereal time at 0h in seconds of time, then the equation of the equinoxes.
    const double s0 =
        (24110.54841 + 8640184.812866 * t + 0.093104 * t * t - 0.0000062 * t * t * t) / 3600 +
        nutation.DeltaPsi * std::cos(obliquity) / 15 / 3600;
    const double lst =
        -RadToDeg(observer.Longitude) * 4 / 60 + (utMinutes * kSiderealRate / 60 + s0);
    return SubtractWhileAbove(AddWhileBelow(lst, 0, 24), 24, 24);
}

std::string LocalSiderealTimeText(const DateTimeRec& local, const Observer& observer) {
    const DmsRec split = HoursToDms(LocalSiderealTimeHours(local, observer));
    return CutToCapacity(split.Whole + ":" + split.Minutes + ":" + split.Seconds, 15);
}

} // namespace astro
