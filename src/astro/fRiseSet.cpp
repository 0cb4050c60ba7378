// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/fRiseSet.h"

#include "astro/fMoonCalcs.h"
#include "astro/fSidereal.h"
#include "astro/fVectorState.h"
#include "astro/fVsop87Tables.h"

#include <cmath>
#include <cstdlib>

namespace astro {

// ---------------------------------------------------------------------------------------------
// The Sun's position
// ---------------------------------------------------------------------------------------------

namespace {

// Astronomical unit in kilometres.
constexpr double kAuKm = 149597900;
// Correction of the VSOP87 longitude and latitude to the FK5 system, degrees (Meeus 25.9).
constexpr double kFk5LongitudeDeg = 0.09033 / 3600;
constexpr double kFk5LatitudeDeg = 0.03916 / 3600;
// Constant of aberration for the Sun, degrees AU (20.4898 arcseconds, Meeus 25.10).
constexpr double kAberrationDeg = 20.4898 / 3600;

// Sum of A cos(B + C tau) over the rows of one series, in table order.
double SumSeries(vsop87::TermSpan series, double tau) {
    double sum = 0;
    for (const vsop87::EarthTerm& term : series)
        sum += term.A * std::cos(term.B + term.C * tau);
    return sum;
}

// The Earth's heliocentric place from the truncated VSOP87 series.
struct HeliocentricEarth {
    double longitudeDeg = 0; // not reduced
    double latitudeDeg = 0;
    double radiusAu = 0;
};

HeliocentricEarth EarthPlace(JulianDay jd) {
    const vsop87::EarthSeries& s = vsop87::Earth();
    const double tau = (jd - 2451545) / 365250;
    const double tau2 = tau * tau;
    const double tau3 = tau2 * tau;
    const double tau4 = tau3 * tau;
    const double tau5 = tau4 * tau;
    const double l = SumSeries(s.L0, tau) + SumSeries(s.L1, tau) * tau +
                     SumSeries(s.L2, tau) * tau2 + SumSeries(s.L3, tau) * tau3 +
                     SumSeries(s.L4, tau) * tau4 + SumSeries(s.L5, tau) * tau5;
    const double b = SumSeries(s.B0, tau) + SumSeries(s.B1, tau) * tau;
    const double r = SumSeries(s.R0, tau) + SumSeries(s.R1, tau) * tau +
                     SumSeries(s.R2, tau) * tau2 + SumSeries(s.R3, tau) * tau3 +
                     SumSeries(s.R4, tau) * tau4;
    return {RadToDeg(l / 1e8), RadToDeg(b / 1e8), r / 1e8};
}

} // namespace

SunRec SunPosition(JulianDay jd, const Observer& observer, double obliquityRad,
                   double deltaPsiArcsec) {
    ReleaseUpperVectorState();
    const HeliocentricEarth earth = EarthPlace(jd + DeltaTDays(jd));

    // Geocentric place, then to the FK5 system.
    const double theta = ReduceDegrees(earth.longitudeDeg + 180);
    const double lambdaFk5 = theta - kFk5LongitudeDeg;
    const double lambdaRad = DegToRad(lambdaFk5);
    const double beta =
        -earth.latitudeDeg + kFk5LatitudeDeg * (std::cos(lambdaRad) - std::sin(lambdaRad));

    // Apparent longitude: nutation and aberration.
    const double lambda = lambdaFk5 + deltaPsiArcsec / 3600 - kAberrationDeg / earth.radiusAu;

    SunRec sun;
    sun.Longitude = lambda;
    sun.Latitude = beta;
    sun.DistanceKm = earth.radiusAu * kAuKm;
    sun.Equatorial = EclipticToEquatorial(obliquityRad, DegToRad(beta), DegToRad(lambda));

    const double hourAngle =
        HourAngle(MeanSiderealTime(jd), sun.Equatorial.RightAscension, observer);
    const HorizontalRec horizontal =
        EquatorialToHorizontal(hourAngle, sun.Equatorial.Declination, observer);
    sun.Altitude = horizontal.Altitude;
    sun.Azimuth = horizontal.Azimuth;
    return sun;
}

SunRec SunPosition(JulianDay jd, const Observer& observer) {
    NutationRec nutation;
    const double obliquity = TrueObliquity(jd + DeltaTDays(jd), nutation);
    return SunPosition(jd, observer, obliquity, nutation.DeltaPsi);
}

// ---------------------------------------------------------------------------------------------
// Rise, transit and set
// ---------------------------------------------------------------------------------------------

namespace {

// Brings a day fraction into [0, 1]: below 0 add 1, above 1 subtract 1 (exactly 1 stays).
// Bounded: fractions come from hour angles within a turn of the meridian.
double NormaliseFraction(double m) {
    for (int i = 0; i < 8 && m < 0; ++i)
        m += 1;
    for (int i = 0; i < 8 && m > 1; ++i)
        m -= 1;
    return m;
}

// Everything RefineEventTimes needs besides the fractions.
struct RiseSetContext {
    const TabulatedPositions& positions;
    double theta0Deg;
    double deltaTSeconds;
    double h0Deg;
    const Observer& observer;
};

// Refined fractions and whether the rise correction converged.
struct Refined {
    EventFractions m{};
    bool converged = false;
};

Refined Refine(const EventFractions& start, const RiseSetContext& c) {
    Refined r;
    r.m = start;
    r.converged =
        RefineEventTimes(r.m, c.positions, c.theta0Deg, c.deltaTSeconds, c.h0Deg, c.observer);
    return r;
}

// Transit, rise and set fractions about a transit fraction m0 (m1, m2 normalised, m0 not).
EventFractions FractionsAboutTransit(double m0, double h0HourAngleDeg) {
    return {m0, NormaliseFraction(m0 - h0HourAngleDeg / 360),
            NormaliseFraction(m0 + h0HourAngleDeg / 360)};
}

// The state of an event text; "None" (a fraction that is not finite) takes `none`.
EventState StateOfText(const std::string& text, EventState none) {
    if (text == "*****") return EventState::OutsideDay;
    if (text == "None") return none;
    return EventState::Time;
}

// Local clock text of a day fraction: the zone offset added, "*****" outside the local day,
// rounded to the minute by ClockText (the last half minute of the day shows 23:59). For the
// Sun (negative h0) the time is first brought into the day once.
void AssignEventText(std::string& out, double m, int zoneOffsetMinutes, double h0Deg) {
    double t = 24 * m + zoneOffsetMinutes / 60.0;
    if (!std::isfinite(t)) {
        out = "None";
        return;
    }
    if (h0Deg < 0) {
        if (t < 0) t += 24;
        if (t >= 24) t -= 24;
    }
    if (t < 0 || t >= 24) {
        out = "*****";
        return;
    }
    out = ClockText(t);
}

TabulatedPosition Tabulate(const EquatorialRec& e) {
    return {e.RightAscension, e.Declination};
}

DateTimeRec DateAtMidnight(const DateTimeRec& date) {
    DateTimeRec d = date;
    d.Hour = 0;
    d.Minute = 0;
    d.Second = 0;
    d.Millisecond = 0;
    return d;
}

} // namespace

double Interpolate3(double n, double y1, double y2, double y3) {
    const double a = y2 - y1;
    const double b = y3 - y2;
    const double c = b - a;
    return y2 + n / 2 * (a + b + n * c);
}

bool RefineEventTimes(EventFractions& m, const TabulatedPositions& positions, double theta0Deg,
                      double deltaTSeconds, double h0Deg, const Observer& observer) {
    const double lonDeg = RadToDeg(observer.Longitude);
    const double sinPhi = std::sin(observer.Latitude);
    const double cosPhi = std::cos(observer.Latitude);
    const TabulatedPosition& p1 = positions[0];
    const TabulatedPosition& p2 = positions[1];
    const TabulatedPosition& p3 = positions[2];
    for (int round = 0; round < MaxRefineRounds; ++round) {
        EventFractions dm{};
        for (std::size_t i = 0; i < 3; ++i) {
            const double theta = ReduceDegrees(theta0Deg + 360.985647 * m[i]);
            const double n = m[i] + deltaTSeconds / 86400;
            const double raDeg =
                Interpolate3(n, p1.RightAscension, p2.RightAscension, p3.RightAscension);
            const double decDeg = Interpolate3(n, p1.Declination, p2.Declination, p3.Declination);
            const double hourAngleDeg = WrapTo180(theta - lonDeg - raDeg);
            if (i == 0) {
                dm[0] = -hourAngleDeg / 360;
                continue;
            }
            const double dec = DegToRad(decDeg);
            const double hRad = DegToRad(hourAngleDeg);
            const double altDeg = RadToDeg(
                std::asin(sinPhi * std::sin(dec) + cosPhi * std::cos(dec) * std::cos(hRad)));
            dm[i] = (altDeg - h0Deg) / (360 * std::cos(dec) * cosPhi * std::sin(hRad));
        }
        for (std::size_t i = 0; i < 3; ++i)
            m[i] += dm[i];
        if (std::fabs(dm[1]) < 1e-9) return true;
    }
    return false;
}

RiseSetTimes RiseTransitSet(const TabulatedPositions& positions, double deltaTSeconds, double h0Deg,
                            JulianDay jd0, const Observer& observer) {
    TabulatedPositions p = positions;
    // Right ascension unwrapped across 0h so that the interpolation is continuous.
    if (p[1].RightAscension < p[0].RightAscension) p[1].RightAscension += 360;
    if (p[2].RightAscension < p[1].RightAscension) p[2].RightAscension += 360;

    const double theta0 = MeanSiderealTime0h(jd0);
    const double lonDeg = RadToDeg(observer.Longitude);
    const int zone = observer.ZoneOffsetMinutes;
    RiseSetTimes out;

    const double m0 = NormaliseFraction((lonDeg + p[1].RightAscension - theta0) / 360);
    const double phi = observer.Latitude;
    const double dec2 = DegToRad(p[1].Declination);
    const double cosH0 = (std::sin(DegToRad(h0Deg)) - std::sin(phi) * std::sin(dec2)) /
                         (std::cos(phi) * std::cos(dec2));
    // cos H0 <= -1: above the standard altitude all day; >= 1 (or undefined at a pole with the
    // body on the horizon): below it.
    const EventState allDay = cosH0 < 0 ? EventState::AlwaysUp : EventState::AlwaysDown;
    if (!(std::fabs(cosH0) < 1)) {
        // Above or below the standard altitude all day (or at a pole): transit only.
        out.Rise = "None";
        out.Set = "None";
        out.RiseState = out.SetState = allDay;
        AssignEventText(out.Transit, m0, zone, h0Deg);
        return out;
    }
    const double h0HourAngle = RadToDeg(std::acos(cosH0));
    const RiseSetContext context{p, theta0, deltaTSeconds, h0Deg, observer};

    EventFractions start = FractionsAboutTransit(m0, h0HourAngle);
    Refined r = Refine(start, context);

    // Events that the zone offset pushes out of the local day are taken from the neighbouring
    // UT day instead.
    const double z = zone / 1440.0;
    const double shift = z >= 0 ? -1 : 1;
    auto outside = [z](double m) { return z >= 0 ? m + z > 1 : m + z < 0; };
    if (outside(r.m[0])) {
        start = FractionsAboutTransit(start[0] + shift, h0HourAngle);
        r = Refine(start, context);
    }
    for (std::size_t i = 1; i < 3; ++i) {
        if (!outside(r.m[i])) continue;
        start[i] += shift;
        r = Refine(start, context);
    }

    AssignEventText(out.Transit, r.m[0], zone, h0Deg);
    if (!r.converged) {
        // Grazing the standard altitude: no reliable crossing.
        out.Rise = "None";
        out.Set = "None";
        out.RiseState = out.SetState = allDay;
        return out;
    }
    AssignEventText(out.Rise, r.m[1], zone, h0Deg);
    AssignEventText(out.Set, r.m[2], zone, h0Deg);
    out.RiseState = StateOfText(out.Rise, allDay);
    out.SetState = StateOfText(out.Set, allDay);
    return out;
}

RiseSetTimes MoonRiseSet(const DateTimeRec& date, const Observer& observer) {
    const JulianDay jd0 = DateToJulian(DateAtMidnight(date));
    const MoonAndSun before = MoonPosition(jd0 - 1, observer);
    const MoonAndSun day = MoonPosition(jd0, observer);
    const MoonAndSun after = MoonPosition(jd0 + 1, observer);
    const TabulatedPositions positions = {Tabulate(before.Moon.Equatorial),
                                          Tabulate(day.Moon.Equatorial),
                                          Tabulate(after.Moon.Equatorial)};
    const double h0 = 0.7275 * day.Moon.Parallax - 0.5667;
    // The positions are those of the UT instants already: no Delta T in the interpolation.
    RiseSetTimes out = RiseTransitSet(positions, 0, h0, jd0, observer);
    out.IlluminatedPercent = day.Moon.IlluminatedPercent;
    return out;
}

RiseSetTimes SunRiseSet(const DateTimeRec& date, double h0Deg, const Observer& observer) {
    const JulianDay jd0 = DateToJulian(DateAtMidnight(date));
    const TabulatedPositions positions = {Tabulate(SunPosition(jd0 - 1, observer).Equatorial),
                                          Tabulate(SunPosition(jd0, observer).Equatorial),
                                          Tabulate(SunPosition(jd0 + 1, observer).Equatorial)};
    return RiseTransitSet(positions, 0, h0Deg, jd0, observer);
}

} // namespace astro
