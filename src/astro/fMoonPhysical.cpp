// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/fMoonPhysical.h"

#include "astro/fVectorState.h"

#include <algorithm>
#include <cmath>

namespace astro {

namespace {

// Inclination of the mean lunar equator to the ecliptic, degrees (Meeus ch. 53).
constexpr double kInclinationDeg = 1.54242;
// The Sun's mean rate in selenographic colongitude, degrees per day.
constexpr double kColongitudeRateDegPerDay = 12.19075;
// Degrees per radian as the heliocentric reduction of the Sun's place writes it.
constexpr double kHeliocentricDegPerRad = 57.296;

// Sunrise/sunset over a feature: days tried while the Sun does not cross the point's horizon,
// Newton rounds per crossing, and the step (days, about 1 s) below which a crossing is taken.
constexpr int kFeatureSearchDays = 60;
constexpr int kFeatureRefineRounds = 12;
constexpr double kFeatureRefineDays = 1.0e-5;

double SafeAsin(double x) {
    return std::asin(std::clamp(x, -1.0, 1.0));
}
double SafeAcos(double x) {
    return std::acos(std::clamp(x, -1.0, 1.0));
}

// Physical librations rho, sigma, tau in degrees (Meeus 53, the periodic terms).
struct PhysicalLibration {
    double rho = 0, sigma = 0, tau = 0;
};

PhysicalLibration PhysicalTerms(const MoonArguments& a, double omegaRad) {
    const double d = a.D, m = a.M, mp = a.Mp, f = a.F, e = a.E;
    const double k1 = DegToRad(119.75 + 131.849 * a.T);
    const double k2 = DegToRad(72.56 + 20.186 * a.T);
    PhysicalLibration p;
    p.rho = -0.02752 * std::cos(mp) - 0.02245 * std::sin(f) + 0.00684 * std::cos(mp - 2 * f) -
            0.00293 * std::cos(2 * f) - 0.00085 * std::cos(2 * f - 2 * d) -
            0.00054 * std::cos(mp - 2 * d) - 0.00020 * std::sin(mp + f) -
            0.00020 * std::cos(mp + 2 * f) - 0.00020 * std::cos(mp - f) +
            0.00014 * std::cos(mp + 2 * f - 2 * d);
    p.sigma = -0.02816 * std::sin(mp) + 0.02244 * std::cos(f) - 0.00682 * std::sin(mp - 2 * f) -
              0.00279 * std::sin(2 * f) - 0.00083 * std::sin(2 * f - 2 * d) +
              0.00069 * std::sin(mp - 2 * d) + 0.00040 * std::cos(mp + f) -
              0.00025 * std::sin(2 * mp) - 0.00023 * std::sin(mp + 2 * f) +
              0.00020 * std::cos(mp - f) + 0.00019 * std::sin(mp - f) +
              0.00013 * std::sin(mp + 2 * f - 2 * d) - 0.00010 * std::cos(mp - 3 * f);
    p.tau = 0.02520 * e * std::sin(m) + 0.00473 * std::sin(2 * mp - 2 * f) -
            0.00467 * std::sin(mp) + 0.00396 * std::sin(k1) + 0.00276 * std::sin(2 * mp - 2 * d) +
            0.00196 * std::sin(omegaRad) - 0.00183 * std::cos(mp - f) +
            0.00115 * std::sin(mp - 2 * d) - 0.00096 * std::sin(mp - d) +
            0.00046 * std::sin(2 * f - 2 * d) - 0.00039 * std::sin(mp - f) -
            0.00032 * std::sin(mp - m - d) + 0.00027 * std::sin(2 * mp - m - 2 * d) +
            0.00023 * std::sin(k2) - 0.00014 * std::sin(2 * d) +
            0.00014 * std::cos(2 * mp - 2 * f) - 0.00012 * std::sin(mp - 2 * f) -
            0.00012 * std::sin(2 * mp) + 0.00011 * std::sin(2 * mp - 2 * m - 2 * d);
    return p;
}

// Optical librations A (radians) and b' (radians) of a body seen from the Moon's centre at
// W = longitude - nutation - Omega and latitude beta (Meeus 53.1), with the physical parts
// l'' and b'' (degrees).
struct Libration {
    double a = 0, bPrime = 0;            // radians
    double lPhysical = 0, bPhysical = 0; // degrees
};

Libration LibrationFor(double wRad, double betaRad, const PhysicalLibration& p) {
    const double i = DegToRad(kInclinationDeg);
    Libration out;
    out.a = std::atan2(std::sin(wRad) * std::cos(betaRad) * std::cos(i) -
                           std::sin(betaRad) * std::sin(i),
                       std::cos(wRad) * std::cos(betaRad));
    out.bPrime = SafeAsin(-std::sin(wRad) * std::cos(betaRad) * std::sin(i) -
                          std::sin(betaRad) * std::cos(i));
    out.lPhysical =
        -p.tau + (p.rho * std::cos(out.a) + p.sigma * std::sin(out.a)) * std::tan(out.bPrime);
    out.bPhysical = p.sigma * std::cos(out.a) - p.rho * std::sin(out.a);
    return out;
}

// Longitude of the Moon's mean ascending node, radians, not reduced (Meeus 47.7).
double MeanNodeRad(const MoonArguments& a) {
    return DegToRad(125.0445479 - 1934.1362891 * a.T + 0.0020754 * a.T2 + a.T3 / 467441 -
                    a.T4 / 60616000);
}

void FillPhase(const SunRec& sun, MoonRec& moon) {
    const double alpha = DegToRad(moon.Equatorial.RightAscension);
    const double delta = DegToRad(moon.Equatorial.Declination);
    const double alpha0 = DegToRad(sun.Equatorial.RightAscension);
    const double delta0 = DegToRad(sun.Equatorial.Declination);
    const double psi = SafeAcos(std::sin(delta0) * std::sin(delta) +
                                std::cos(delta0) * std::cos(delta) * std::cos(alpha0 - alpha));
    const double r = sun.DistanceKm;
    moon.PhaseAngle = RadToDeg(std::atan2(r * std::sin(psi), moon.DistanceKm - r * std::cos(psi)));
    moon.IlluminatedPercent = IlluminatedPercentFor(moon.PhaseAngle);
    moon.BrightLimbAngle = ReduceDegrees(
        RadToDeg(std::atan2(std::cos(delta0) * std::sin(alpha0 - alpha),
                            std::sin(delta0) * std::cos(delta) -
                                std::cos(delta0) * std::sin(delta) * std::cos(alpha0 - alpha))));
}

// Librations and the position angle of the axis as seen from the observer (Meeus ch. 53, with
// the topocentric corrections).
void FillLibrations(const PhysicalEphemerisInput& in, const PhysicalLibration& p, double omegaRad,
                    MoonRec& moon) {
    const double dPsi = DegToRad(in.DeltaPsi / 3600);
    const double i = DegToRad(kInclinationDeg);
    const Libration lib =
        LibrationFor(moon.ApparentLongitude - dPsi - omegaRad, moon.EclipticLatitude, p);
    const double l =
        OpticalLibrationInLongitude(RadToDeg(lib.a), RadToDeg(in.Args.F)) + lib.lPhysical;
    const double b = RadToDeg(lib.bPrime) + lib.bPhysical;

    // Position angle of the axis, geocentric.
    const double v = omegaRad + dPsi + DegToRad(p.sigma) / std::sin(i);
    const double rho = DegToRad(p.rho);
    const double x = std::sin(i + rho) * std::sin(v);
    const double y = std::sin(i + rho) * std::cos(v) * std::cos(in.Obliquity) -
                     std::cos(i + rho) * std::sin(in.Obliquity);
    const double omega = std::atan2(x, y);
    const double alpha = DegToRad(moon.Equatorial.RightAscension);
    const double pAxis =
        SafeAsin(std::sqrt(x * x + y * y) * std::cos(alpha - omega) / std::cos(DegToRad(b)));

    // Topocentric corrections from the observer's place.
    const double phi = in.Latitude;
    const double h = DegToRad(in.HourAngle);
    const double delta = DegToRad(moon.Equatorial.Declination);
    const double q =
        std::atan2(std::cos(phi) * std::sin(h),
                   std::cos(delta) * std::sin(phi) - std::sin(delta) * std::cos(phi) * std::cos(h));
    const double z =
        SafeAcos(std::sin(delta) * std::sin(phi) + std::cos(delta) * std::cos(phi) * std::cos(h));
    const double piPrime = moon.Parallax * (std::sin(z) + 0.0084 * std::sin(2 * z));
    const double dl = -piPrime * std::sin(q - pAxis) / std::cos(DegToRad(b));
    const double db = piPrime * std::cos(q - pAxis);
    const double dp = dl * std::sin(DegToRad(b + db)) - piPrime * std::sin(q) * std::tan(delta);

    moon.LibrationLatitude = b + db;
    moon.LibrationLongitude = l + dl;
    moon.AxisPositionAngle = RadToDeg(pAxis) + dp;
}

// The Sun's selenographic colongitude and latitude (Meeus ch. 53, heliocentric reduction).
void FillSunSelenographic(const PhysicalEphemerisInput& in, const PhysicalLibration& p,
                          double omegaRad, const SunRec& sun, MoonRec& moon) {
    const double beta = moon.EclipticLatitude;
    const double ratio = moon.DistanceKm / sun.DistanceKm;
    const double lambdaH = DegToRad(sun.Longitude + 180 +
                                    ratio * kHeliocentricDegPerRad * std::cos(beta) *
                                        std::sin(DegToRad(sun.Longitude) - moon.EclipticLongitude));
    const double betaH = ratio * beta;
    const Libration lib = LibrationFor(lambdaH - DegToRad(in.DeltaPsi / 3600) - omegaRad, betaH, p);
    const double l0 = ReduceDegrees(RadToDeg(lib.a) - RadToDeg(in.Args.F) + lib.lPhysical);
    const double b0 = RadToDeg(lib.bPrime) + lib.bPhysical;
    moon.Colongitude = ReduceDegrees(90 - l0);
    moon.SunSelenographicLatitude = DegToRad(b0);
}

// The Sun over a lunar point at one instant: where it stands in its daily round and where that
// round crosses the point's horizon.
struct FeatureSun {
    double Angle = 0;     // colongitude + point longitude, degrees (grows ~12.19 deg a day)
    double Rising = 0;    // Angle at sunrise, degrees -90..90
    bool Crosses = false; // false: the Sun stays up (or down) all lunar day at this latitude
    bool Up = false;      // the Sun above the point's horizon
};

// sin h = sin b0 sin beta + cos b0 cos beta sin(Angle): the Sun is on the horizon where
// sin(Angle) = -tan b0 tan beta, rising at the root with cos(Angle) > 0 and setting at the other.
FeatureSun FeatureSunAt(JulianDay jd, double longitudeDeg, double latitudeDeg,
                        const Observer& observer) {
    const MoonRec moon = MoonPosition(jd, observer).Moon;
    const double b0 = moon.SunSelenographicLatitude;
    const double beta = DegToRad(latitudeDeg);
    FeatureSun sun;
    sun.Angle = moon.Colongitude + longitudeDeg;
    const double s = -std::tan(b0) * std::tan(beta);
    sun.Crosses = std::fabs(s) < 1;
    sun.Rising = RadToDeg(SafeAsin(s));
    sun.Up = std::sin(DegToRad(sun.Angle)) > s;
    return sun;
}

// Degrees reduced into [-180, 180).
double Signed(double deg) {
    return ReduceDegrees(deg + 180) - 180;
}

// Newton steps on the daily round from `jd`, whose first step `firstDegrees` picks the crossing
// (it may span most of a lunar day); the later steps move less than half a round. Stops when a
// step is below kFeatureRefineDays; false when the Sun stops crossing the horizon on the way or
// the rounds run out.
bool RefineFeatureCrossing(JulianDay jd, double firstDegrees, bool sunrise, double longitudeDeg,
                           double latitudeDeg, const Observer& observer, JulianDay& found) {
    double step = firstDegrees / kColongitudeRateDegPerDay;
    for (int round = 0; round < kFeatureRefineRounds; ++round) {
        jd += step;
        const FeatureSun sun = FeatureSunAt(jd, longitudeDeg, latitudeDeg, observer);
        if (!sun.Crosses) return false;
        const double target = sunrise ? sun.Rising : 180 - sun.Rising;
        step = Signed(target - sun.Angle) / kColongitudeRateDegPerDay;
        if (std::fabs(step) < kFeatureRefineDays) {
            found = jd + step;
            return true;
        }
    }
    return false;
}

// The sunrise that began the lunar day in progress at `start` over the point (the next one when
// it is night there), or false when the Sun does not cross the horizon within the bound.
bool FeatureSunrise(JulianDay start, double longitudeDeg, double latitudeDeg,
                    const Observer& observer, JulianDay& found) {
    JulianDay d = start;
    // Near the poles the Sun may stay up or down for days: a day on at a time, bounded.
    for (int day = 0; day < kFeatureSearchDays; ++day, d += 1) {
        const FeatureSun sun = FeatureSunAt(d, longitudeDeg, latitudeDeg, observer);
        if (!sun.Crosses) continue;
        const double ahead = ReduceDegrees(sun.Rising - sun.Angle); // 0..360 to the next sunrise
        const double first = sun.Up ? ahead - 360 : ahead;
        return RefineFeatureCrossing(d, first, true, longitudeDeg, latitudeDeg, observer, found);
    }
    return false;
}

// The first day from `start` on (within the bound) on which the Sun can cross the point's
// horizon and stands above it: where a sunrise could not be traced back, the sunset is searched
// from there.
bool FirstCrossingDayUp(JulianDay start, double longitudeDeg, double latitudeDeg,
                        const Observer& observer, JulianDay& day) {
    JulianDay d = start;
    for (int n = 0; n < kFeatureSearchDays; ++n, d += 1) {
        const FeatureSun sun = FeatureSunAt(d, longitudeDeg, latitudeDeg, observer);
        if (!sun.Crosses) continue;
        if (!sun.Up) return false;
        day = d;
        return true;
    }
    return false;
}

// The sunset that ends the lunar day begun at `sunrise` (or in progress at that instant).
bool FeatureSunset(JulianDay sunrise, double longitudeDeg, double latitudeDeg,
                   const Observer& observer, JulianDay& found) {
    const FeatureSun sun = FeatureSunAt(sunrise, longitudeDeg, latitudeDeg, observer);
    if (!sun.Crosses) return false;
    const double ahead = ReduceDegrees(180 - sun.Rising - sun.Angle);
    return RefineFeatureCrossing(sunrise, ahead, false, longitudeDeg, latitudeDeg, observer,
                                 found) &&
           found > sunrise;
}

DateTimeRec NoDate() {
    DateTimeRec none;
    none.Day = 0;
    none.Month = 0;
    none.Year = 0;
    return none;
}

} // namespace

std::int32_t IlluminatedPercentFor(double phaseAngleDeg) {
    const double percent = (1 + std::cos(DegToRad(phaseAngleDeg))) * 100 / 2;
    return static_cast<std::int32_t>(std::trunc(percent + 0.5));
}

double OpticalLibrationInLongitude(double aDeg, double fDeg) {
    double l = ReduceDegrees(aDeg) - ReduceDegrees(fDeg);
    if (l > 180) l -= 360;
    if (l < -180) l += 360;
    return l;
}

double SunAltitudeOverFeature(double colongitudeDeg, double sunLatitudeRad, double longitudeDeg,
                              double latitudeDeg) {
    const double beta = DegToRad(latitudeDeg);
    return RadToDeg(SafeAsin(std::sin(sunLatitudeRad) * std::sin(beta) +
                             std::cos(sunLatitudeRad) * std::cos(beta) *
                                 std::sin(DegToRad(colongitudeDeg + longitudeDeg))));
}

void FillPhysicalEphemeris(const PhysicalEphemerisInput& in, const SunRec& sun, MoonRec& moon) {
    FillPhase(sun, moon);
    const double omega = MeanNodeRad(in.Args);
    const PhysicalLibration p = PhysicalTerms(in.Args, omega);
    FillLibrations(in, p, omega, moon);
    FillSunSelenographic(in, p, omega, sun, moon);
}

namespace {

// A found local instant, kept when its date lies in the years 1..9999.
void TakeFeatureCrossing(JulianDay local, DateTimeRec& date, bool& has, bool& outOfRange) {
    const DateTimeRec d = JulianToDate(local);
    if (d.Year < 1 || d.Year > 9999) {
        outOfRange = true;
        return;
    }
    date = d;
    has = true;
}

} // namespace

FeatureSunTimes FeatureSunriseSunset(JulianDay start, double longitude, double latitude,
                                     const Observer& observer) {
    ReleaseUpperVectorState();
    FeatureSunTimes out;
    out.Sunrise = NoDate();
    out.Sunset = NoDate();
    // At a pole the Sun's altitude is its selenographic latitude all lunar day: no crossing.
    const bool usable = std::isfinite(start) && std::isfinite(longitude) &&
                        std::isfinite(latitude) && std::fabs(latitude) < 90 &&
                        std::cos(DegToRad(latitude)) > 1e-9;
    if (!usable) return out;

    const double zoneDays = observer.ZoneOffsetMinutes / 1440.0;
    JulianDay rise = 0;
    JulianDay from = start;
    if (FeatureSunrise(start, longitude, latitude, observer, rise)) {
        TakeFeatureCrossing(rise + zoneDays, out.Sunrise, out.HasSunrise, out.SunriseOutOfRange);
        from = rise;
    } else if (!FirstCrossingDayUp(start, longitude, latitude, observer, from)) {
        return out;
    }
    // Near a pole the Sun may have stood up for days before: its sunset is still found.
    JulianDay set = 0;
    if (FeatureSunset(from, longitude, latitude, observer, set))
        TakeFeatureCrossing(set + zoneDays, out.Sunset, out.HasSunset, out.SunsetOutOfRange);
    return out;
}

} // namespace astro
