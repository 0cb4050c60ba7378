// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/fRiseSet.h"

#include "astro/fMoonCalcs.h"
#include "astro/fMoonPlace.h"
#include "astro/fSidereal.h"
#include "astro/fVectorState.h"
#include "astro/fVsop87Tables.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

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

namespace {

// Sidereal rate, degrees of hour angle per day of UT (Meeus 12.4).
constexpr double kSiderealRate = 360.98564736629;
// Tolerance on the level at a refined crossing, degrees.
constexpr double kLevelTolerance = 1e-6;
// Bounds on the refinement loops.
constexpr int kMaxRootRounds = 60;
constexpr int kMaxExtremumRounds = 12;
constexpr int kMaxTransitRounds = 12;
// Beyond this latitude (degrees) the day is sampled every 30 minutes instead of every 3 hours.
constexpr double kDenseSamplingLatitude = 80;
// At most this many crossings of the level are kept from one day.
constexpr int kMaxCrossings = 8;
// Degrees per radian and back, in double precision for the many evaluations of the search.
constexpr double kRad = 3.14159265358979323846 / 180;
constexpr double kDeg = 180 / 3.14159265358979323846;
// The Earth's rotation in radians a day: the altitude's second derivative is at most
// cos(latitude) kOmega^2 (radians a day squared) near the horizon.
constexpr double kOmega = 2 * 3.14159265358979323846 * 1.00273790935;

// The body over one local day: three positions half a day apart, the middle one at `centre`
// (UT), interpolated between and a little beyond (Meeus 3.3).
struct DayTrack {
    std::array<double, 3> ra{};  // degrees, unwrapped across 0h
    std::array<double, 3> dec{}; // degrees
    std::array<double, 3> h0{};  // standard altitude at each position, degrees
    JulianDay centre = 0;        // UT of the middle position
    JulianDay start = 0;         // UT of the local day's 00:00
    double thetaCentre = 0;      // Greenwich mean sidereal time at `centre`, degrees
    double lonWestDeg = 0;       // observer's longitude, degrees west
    double sinPhi = 0;
    double cosPhi = 1;

    double N(JulianDay t) const { return (t - centre) * 2; }
    double Ra(JulianDay t) const { return Interpolate3(N(t), ra[0], ra[1], ra[2]); }
    // Hour angle at t, degrees -180..180.
    double HourAngleAt(JulianDay t) const {
        return WrapTo180(thetaCentre + kSiderealRate * (t - centre) - lonWestDeg - Ra(t));
    }
    // Geocentric altitude less the standard altitude at t, degrees.
    double Level(JulianDay t) const {
        const double n = N(t);
        const double dec = kRad * Interpolate3(n, this->dec[0], this->dec[1], this->dec[2]);
        const double h = kRad * HourAngleAt(t);
        const double sinAlt = sinPhi * std::sin(dec) + cosPhi * std::cos(dec) * std::cos(h);
        const double alt = kDeg * std::asin(std::clamp(sinAlt, -1.0, 1.0));
        return alt - Interpolate3(n, h0[0], h0[1], h0[2]);
    }
};

DayTrack MakeTrack(const std::array<EquatorialRec, 3>& at, const std::array<double, 3>& h0,
                   JulianDay centre, JulianDay start, const Observer& observer) {
    DayTrack k;
    for (std::size_t i = 0; i < 3; ++i) {
        k.ra[i] = at[i].RightAscension;
        k.dec[i] = at[i].Declination;
    }
    // Unwrapped so that the interpolation is continuous (the Sun and the Moon move eastward).
    if (k.ra[1] < k.ra[0]) k.ra[1] += 360;
    if (k.ra[2] < k.ra[1]) k.ra[2] += 360;
    k.h0 = h0;
    k.centre = centre;
    k.start = start;
    k.thetaCentre = MeanSiderealTime(centre);
    k.lonWestDeg = RadToDeg(observer.Longitude);
    k.sinPhi = std::sin(observer.Latitude);
    k.cosPhi = std::cos(observer.Latitude);
    return k;
}

struct Node {
    JulianDay t = 0;
    double f = 0; // Level(t)
};

// The extremum of the level between a and b about the sample m (s = +1 a maximum, -1 a
// minimum), by successive parabolas kept inside the bracket.
Node RefineExtremum(const DayTrack& k, Node a, Node m, Node b, double s) {
    for (int round = 0; round < kMaxExtremumRounds; ++round) {
        const double d1 = (m.t - a.t) * (m.f - b.f);
        const double d2 = (m.t - b.t) * (m.f - a.f);
        const double den = d1 - d2;
        if (den == 0) break;
        const double x = m.t - 0.5 * ((m.t - a.t) * d1 - (m.t - b.t) * d2) / den;
        if (!(x > a.t && x < b.t) || std::fabs(x - m.t) < 1e-7) break;
        const Node n{x, k.Level(x)};
        if (s * n.f >= s * m.f) {
            (x > m.t ? a : b) = m;
            m = n;
        } else {
            (x > m.t ? b : a) = n;
        }
    }
    return m;
}

// The crossing of the level between a and b (levels of opposite sides), Illinois regula falsi.
JulianDay RefineCrossing(const DayTrack& k, Node a, Node b) {
    int side = 0;
    JulianDay x = a.t;
    for (int round = 0; round < kMaxRootRounds; ++round) {
        x = (a.t * b.f - b.t * a.f) / (b.f - a.f);
        if (!(x >= a.t && x <= b.t)) x = (a.t + b.t) / 2;
        const double fx = k.Level(x);
        if (std::fabs(fx) < kLevelTolerance || b.t - a.t < 1e-8) break;
        if ((fx > 0) == (b.f > 0)) {
            b = {x, fx};
            if (side == -1) a.f /= 2;
            side = -1;
        } else {
            a = {x, fx};
            if (side == 1) b.f /= 2;
            side = 1;
        }
    }
    return x;
}

struct Crossing {
    JulianDay t = 0;
    bool rising = false;
};

struct DayCrossings {
    std::array<Crossing, kMaxCrossings> list{};
    int count = 0;
    bool up = false; // the body's side of the level when there is no crossing
};

DayCrossings FindCrossings(const DayTrack& k, double latitudeDeg) {
    const int steps = std::fabs(latitudeDeg) > kDenseSamplingLatitude ? MaxDaySamples : 8;
    const double step = 1.0 / steps;
    // How far an extremum between samples can pass the nearest sample, degrees (four times the
    // bound of the diurnal curvature, and a degree for the body's own motion).
    const double reach = 4 * k.cosPhi * kOmega * kOmega * step * step / 8 * kDeg + 1;
    // Samples from one step before the day to one step after it.
    std::array<Node, MaxDaySamples + 3> samples{};
    for (int i = 0; i <= steps + 2; ++i) {
        const JulianDay t = k.start + (i - 1) * step;
        samples[static_cast<std::size_t>(i)] = {t, k.Level(t)};
    }
    // The day's nodes: the samples inside it and every extremum between them, in time order.
    std::array<Node, 2 * (MaxDaySamples + 3)> nodes{};
    std::size_t count = 0;
    for (int i = 1; i <= steps + 1; ++i) {
        const Node& before = samples[static_cast<std::size_t>(i - 1)];
        const Node& here = samples[static_cast<std::size_t>(i)];
        const Node& after = samples[static_cast<std::size_t>(i) + 1];
        const double rise1 = here.f - before.f;
        const double rise2 = after.f - here.f;
        Node extremum{};
        bool hasExtremum = false;
        // Only an extremum whose samples all lie on one side, near enough to the level, can hide
        // two crossings.
        const bool oneSide = (before.f > 0) == (here.f > 0) && (here.f > 0) == (after.f > 0);
        if (oneSide && std::fabs(here.f) < reach && rise1 * rise2 <= 0 &&
            !(rise1 == 0 && rise2 == 0)) {
            extremum = RefineExtremum(k, before, here, after, rise1 > 0 || rise2 < 0 ? 1 : -1);
            hasExtremum = extremum.t > k.start && extremum.t < k.start + 1 && extremum.t != here.t;
        }
        if (hasExtremum && extremum.t < here.t) nodes[count++] = extremum;
        if (i <= steps) nodes[count++] = here;
        if (hasExtremum && extremum.t > here.t) nodes[count++] = extremum;
    }
    // The end of the day closes the last interval (a crossing there belongs to the next day).
    nodes[count++] = samples[static_cast<std::size_t>(steps) + 1];
    // Extrema of neighbouring samples can come out of order by a hair: sort (few nodes).
    for (std::size_t i = 1; i < count; ++i)
        for (std::size_t j = i; j > 0 && nodes[j].t < nodes[j - 1].t; --j)
            std::swap(nodes[j], nodes[j - 1]);

    DayCrossings out;
    out.up = nodes[0].f > 0;
    for (std::size_t i = 0; i + 1 < count && out.count < kMaxCrossings; ++i) {
        const Node& a = nodes[i];
        const Node& b = nodes[i + 1];
        if ((a.f > 0) == (b.f > 0)) continue;
        const JulianDay t = RefineCrossing(k, a, b);
        if (t < k.start || t >= k.start + 1) continue;
        out.list[static_cast<std::size_t>(out.count++)] = {t, b.f > 0};
    }
    return out;
}

// The upper transit (hour angle 0) inside the local day, or NaN where the day has none.
JulianDay FindTransit(const DayTrack& k) {
    const double rate = kSiderealRate - (k.ra[2] - k.ra[0]);
    JulianDay t = k.start + ReduceDegrees(-k.HourAngleAt(k.start)) / rate;
    for (int round = 0; round < kMaxTransitRounds; ++round) {
        const double dt = -k.HourAngleAt(t) / rate;
        t += dt;
        if (std::fabs(dt) < 1e-9) break;
    }
    return t >= k.start && t < k.start + 1 ? t : std::numeric_limits<double>::quiet_NaN();
}

// "HH:MM" of an instant inside the local day, "*****" for NaN.
std::string LocalText(JulianDay t, const DayTrack& k) {
    return std::isnan(t) ? std::string("*****") : ClockText((t - k.start) * 24);
}

RiseSetTimes SearchDay(const DayTrack& k, double latitudeDeg) {
    RiseSetTimes out;
    const DayCrossings c = FindCrossings(k, latitudeDeg);
    out.Instants.Transit = FindTransit(k);
    out.Transit = LocalText(out.Instants.Transit, k);
    if (c.count == 0) {
        out.Rise = out.Set = "None";
        out.RiseState = out.SetState = c.up ? EventState::AlwaysUp : EventState::AlwaysDown;
        return out;
    }
    int rises = 0;
    int sets = 0;
    for (int i = 0; i < c.count; ++i) {
        const Crossing& x = c.list[static_cast<std::size_t>(i)];
        int& seen = x.rising ? rises : sets;
        if (seen == 0) (x.rising ? out.Instants.Rise : out.Instants.Set) = x.t;
        if (seen == 1) (x.rising ? out.Instants.Rise2 : out.Instants.Set2) = x.t;
        ++seen;
    }
    out.Rise = LocalText(out.Instants.Rise, k);
    out.Set = LocalText(out.Instants.Set, k);
    if (rises > 1) out.Rise2 = LocalText(out.Instants.Rise2, k);
    if (sets > 1) out.Set2 = LocalText(out.Instants.Set2, k);
    out.RiseState = rises ? EventState::Time : EventState::OutsideDay;
    out.SetState = sets ? EventState::Time : EventState::OutsideDay;
    return out;
}

// UT of the local day's 00:00 for the date whose 0h UT is jd0.
JulianDay LocalDayStart(JulianDay jd0, const Observer& observer) {
    return jd0 - observer.ZoneOffsetMinutes / 1440.0;
}

} // namespace

RiseSetTimes MoonRiseSet(const DateTimeRec& date, const Observer& observer) {
    const JulianDay jd0 = DateToJulian(DateAtMidnight(date));
    const JulianDay start = LocalDayStart(jd0, observer);
    // Positions on the half-day grid of 0h UT nearest the local day's middle, so that 0h UT
    // (the illuminated fraction's instant) is one of them for most zones.
    const double halfDays = std::clamp(std::round((start + 0.5 - jd0) * 2), 0.0, 2.0);
    const JulianDay centre = jd0 + halfDays / 2;
    std::array<EquatorialRec, 3> at{};
    std::array<double, 3> h0{};
    std::int32_t illuminated = -1;
    for (std::size_t i = 0; i < 3; ++i) {
        const JulianDay t = centre + (static_cast<double>(i) - 1) / 2;
        MoonPlace p;
        if (t == jd0) {
            // The full position once, for the illuminated fraction at 0h UT.
            const MoonAndSun full = MoonPosition(t, observer);
            p = {full.Moon.Equatorial, full.Moon.Parallax};
            illuminated = full.Moon.IlluminatedPercent;
        } else {
            p = MoonApparentPlace(t);
        }
        at[i] = p.Equatorial;
        h0[i] = 0.7275 * p.Parallax - 0.5667;
    }
    const DayTrack track = MakeTrack(at, h0, centre, start, observer);
    RiseSetTimes out = SearchDay(track, RadToDeg(observer.Latitude));
    out.IlluminatedPercent =
        illuminated >= 0 ? illuminated : MoonPosition(jd0, observer).Moon.IlluminatedPercent;
    return out;
}

RiseSetTimes SunRiseSet(const DateTimeRec& date, double h0Deg, const Observer& observer) {
    const JulianDay jd0 = DateToJulian(DateAtMidnight(date));
    const JulianDay start = LocalDayStart(jd0, observer);
    const JulianDay centre = start + 0.5;
    // The Sun's place is near enough linear over a day (its second difference moves the
    // altitude by well under a thousandth of a degree): two positions, the middle their mean.
    std::array<EquatorialRec, 3> at{};
    at[0] = SunPosition(start, observer).Equatorial;
    at[2] = SunPosition(start + 1, observer).Equatorial;
    at[1].RightAscension = ReduceDegrees(
        at[0].RightAscension + WrapTo180(at[2].RightAscension - at[0].RightAscension) / 2);
    at[1].Declination = (at[0].Declination + at[2].Declination) / 2;
    const DayTrack track = MakeTrack(at, {h0Deg, h0Deg, h0Deg}, centre, start, observer);
    return SearchDay(track, RadToDeg(observer.Latitude));
}

} // namespace astro
