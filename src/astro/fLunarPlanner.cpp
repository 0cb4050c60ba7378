// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/fLunarPlanner.h"

#include "astro/fSidereal.h"
#include "astro/fVectorState.h"

#include <algorithm>
#include <cmath>

namespace astro {
namespace {

constexpr double kColongitudeRateDegPerDay = 12.19075; // mean daily growth of the colongitude
constexpr double kTableStepDays = 0.25;                // nodes of the interpolation table
constexpr int kStepsPerCell = 72;                      // 5-minute steps in a table cell
constexpr double kScanStepDays = kTableStepDays / kStepsPerCell;
constexpr int kBisections = 6;              // 5 minutes / 2^6: under 5 seconds
constexpr double kBandMarginDeg = 1.0;      // what the Sun over a feature can gain on a node
constexpr double kLongestSearchDays = 1465; // four years

double Clamp1(double x) {
    return std::clamp(x, -1.0, 1.0);
}

double AltitudeDeg(double sinPhi, double cosPhi, double hourAngleDeg, double decDeg) {
    const double d = DegToRad(decDeg);
    return RadToDeg(std::asin(
        Clamp1(sinPhi * std::sin(d) + cosPhi * std::cos(d) * std::cos(DegToRad(hourAngleDeg)))));
}

// The Moon's altitude seen from the surface: the geocentric altitude less the parallax in
// altitude (Meeus ch. 40, the observer taken on a sphere).
double TopocentricMoonAltitude(double geocentricDeg, double parallaxDeg) {
    return geocentricDeg -
           RadToDeg(std::asin(std::sin(DegToRad(parallaxDeg)) * std::cos(DegToRad(geocentricDeg))));
}

double FeatureAltitude(double colongitudeDeg, double b0Rad, double lonDeg, double latDeg) {
    return SunAltitudeOverFeature(colongitudeDeg, b0Rad, lonDeg, latDeg);
}

// One node of the table: what the conditions need, from the full position.
struct Node {
    double MoonRa = 0, MoonDec = 0, Parallax = 0; // degrees
    double SunRa = 0, SunDec = 0;                 // degrees
    double Colongitude = 0;                       // degrees
    double B0 = 0;                                // radians
};

Node NodeAt(JulianDay jd, const Observer& observer) {
    const MoonAndSun p = MoonPosition(jd, observer);
    Node n;
    n.MoonRa = p.Moon.Equatorial.RightAscension;
    n.MoonDec = p.Moon.Equatorial.Declination;
    n.Parallax = p.Moon.Parallax;
    n.SunRa = p.Sun.Equatorial.RightAscension;
    n.SunDec = p.Sun.Equatorial.Declination;
    n.Colongitude = p.Moon.Colongitude;
    n.B0 = p.Moon.SunSelenographicLatitude;
    return n;
}

// Cubic through four values a day-fraction apart at n = -1, 0, 1, 2 (Lagrange), taken at n.
double Cubic(double n, double y0, double y1, double y2, double y3) {
    const double a = -n * (n - 1) * (n - 2) / 6;
    const double b = (n + 1) * (n - 1) * (n - 2) / 2;
    const double c = -(n + 1) * n * (n - 2) / 2;
    const double d = (n + 1) * n * (n - 1) / 6;
    return a * y0 + b * y1 + c * y2 + d * y3;
}

// An angle of a neighbouring node brought within half a turn of the reference.
double Near(double deg, double referenceDeg) {
    return referenceDeg + WrapTo180(deg - referenceDeg);
}

double CubicAngle(double n, double y0, double y1, double y2, double y3) {
    return Cubic(n, Near(y0, y1), y1, Near(y2, y1), Near(Near(y3, y2), y1));
}

// Four consecutive nodes k-1 .. k+2 and the samples between nodes k and k+1.
struct Table {
    Node N[4];
    double SinPhi = 0, CosPhi = 0;

    NightSample At(JulianDay jd, double n, double lonDeg, double latDeg,
                   const Observer& observer) const {
        const double mst = MeanSiderealTime(jd);
        NightSample s;
        const double moonRa = CubicAngle(n, N[0].MoonRa, N[1].MoonRa, N[2].MoonRa, N[3].MoonRa);
        const double moonDec = Cubic(n, N[0].MoonDec, N[1].MoonDec, N[2].MoonDec, N[3].MoonDec);
        const double parallax =
            Cubic(n, N[0].Parallax, N[1].Parallax, N[2].Parallax, N[3].Parallax);
        s.MoonAltitude = TopocentricMoonAltitude(
            AltitudeDeg(SinPhi, CosPhi, HourAngle(mst, moonRa, observer), moonDec), parallax);
        const double sunRa = CubicAngle(n, N[0].SunRa, N[1].SunRa, N[2].SunRa, N[3].SunRa);
        const double sunDec = Cubic(n, N[0].SunDec, N[1].SunDec, N[2].SunDec, N[3].SunDec);
        s.SunAltitude = AltitudeDeg(SinPhi, CosPhi, HourAngle(mst, sunRa, observer), sunDec);
        const double c0 =
            CubicAngle(n, N[0].Colongitude, N[1].Colongitude, N[2].Colongitude, N[3].Colongitude);
        const double b0 = Cubic(n, N[0].B0, N[1].B0, N[2].B0, N[3].B0);
        s.FeatureSunAltitude = FeatureAltitude(c0, b0, lonDeg, latDeg);
        return s;
    }

    // False when the Sun over the feature stays clear of the band between nodes k and k+1.
    bool BandReachable(double lonDeg, double latDeg, const NightConditions& c) const {
        const double h1 = FeatureAltitude(N[1].Colongitude, N[1].B0, lonDeg, latDeg);
        const double h2 = FeatureAltitude(N[2].Colongitude, N[2].B0, lonDeg, latDeg);
        return std::max(h1, h2) + kBandMarginDeg >= c.FeatureSunMin &&
               std::min(h1, h2) - kBandMarginDeg <= c.FeatureSunMax;
    }
};

// The instant between `off` (conditions fail) and `on` (they hold) where they begin or end.
JulianDay Bisect(JulianDay off, JulianDay on, double lonDeg, double latDeg,
                 const Observer& observer, const NightConditions& c) {
    for (int i = 0; i < kBisections; ++i) {
        const JulianDay mid = (off + on) / 2;
        if (ConditionsHold(NightSampleAt(mid, lonDeg, latDeg, observer), c))
            on = mid;
        else
            off = mid;
    }
    return on;
}

} // namespace

FeatureLighting FeatureLightingAt(const MoonRec& moon, double longitudeDeg, double latitudeDeg) {
    FeatureLighting out;
    const double b0 = moon.SunSelenographicLatitude;
    const double beta = DegToRad(latitudeDeg);
    const double angle = DegToRad(moon.Colongitude + longitudeDeg);
    out.SunAltitude = SunAltitudeOverFeature(moon.Colongitude, b0, longitudeDeg, latitudeDeg);
    const double cosH = std::max(std::cos(DegToRad(out.SunAltitude)), 1e-6);
    out.Rate = std::cos(b0) * std::cos(beta) * std::cos(angle) * kColongitudeRateDegPerDay / cosH;
    out.Morning = std::cos(angle) > 0;
    return out;
}

double CrossingUncertaintyMinutes(double rateDegPerDay) {
    constexpr double capMinutes = 14 * 1440.0;
    const double rate = std::fabs(rateDegPerDay);
    if (!(rate * capMinutes > kFeatureAltitudeUncertaintyDeg * 1440)) return capMinutes;
    return kFeatureAltitudeUncertaintyDeg / rate * 1440;
}

double LibrationToward(double librationLonDeg, double librationLatDeg, double longitudeDeg,
                       double latitudeDeg) {
    const double lat = DegToRad(latitudeDeg);
    const double fromMean = std::acos(Clamp1(std::cos(lat) * std::cos(DegToRad(longitudeDeg))));
    const double b = DegToRad(librationLatDeg);
    const double fromSubEarth = std::acos(
        Clamp1(std::sin(b) * std::sin(lat) +
               std::cos(b) * std::cos(lat) * std::cos(DegToRad(longitudeDeg - librationLonDeg))));
    return RadToDeg(fromMean - fromSubEarth);
}

NightSample NightSampleAt(JulianDay jd, double longitudeDeg, double latitudeDeg,
                          const Observer& observer) {
    const MoonAndSun p = MoonPosition(jd, observer);
    NightSample s;
    s.FeatureSunAltitude = FeatureAltitude(p.Moon.Colongitude, p.Moon.SunSelenographicLatitude,
                                           longitudeDeg, latitudeDeg);
    s.MoonAltitude = TopocentricMoonAltitude(p.Moon.Altitude, p.Moon.Parallax);
    s.SunAltitude = p.Sun.Altitude;
    return s;
}

bool ConditionsHold(const NightSample& s, const NightConditions& c) {
    return s.FeatureSunAltitude >= c.FeatureSunMin && s.FeatureSunAltitude <= c.FeatureSunMax &&
           s.MoonAltitude >= c.MoonMinAltitude && s.SunAltitude <= c.SunMaxAltitude;
}

int GoodNights(JulianDay from, JulianDay to, double longitudeDeg, double latitudeDeg,
               const Observer& observer, const NightConditions& conditions, GoodNight* out,
               int capacity) {
    if (!std::isfinite(from) || !std::isfinite(to) || !(to > from) || capacity <= 0 || !out)
        return 0;
    ReleaseUpperVectorState();
    to = std::min(to, from + kLongestSearchDays);
    Table table;
    table.SinPhi = std::sin(observer.Latitude);
    table.CosPhi = std::cos(observer.Latitude);
    for (int i = 0; i < 4; ++i)
        table.N[i] = NodeAt(from + (i - 1) * kTableStepDays, observer);

    const auto cells = static_cast<long>(std::ceil((to - from) / kTableStepDays));
    int count = 0;
    bool open = false; // a window has begun and not ended
    JulianDay last = from;
    auto close = [&](JulianDay end) {
        GoodNight& g = out[count++];
        g.End = end;
        const NightSample mid =
            NightSampleAt((g.Start + g.End) / 2, longitudeDeg, latitudeDeg, observer);
        g.FeatureSunAltitudeMid = mid.FeatureSunAltitude;
        g.MoonAltitudeMid = mid.MoonAltitude;
        open = false;
    };
    for (long k = 0; k < cells && count < capacity; ++k) {
        const JulianDay cellStart = from + static_cast<double>(k) * kTableStepDays;
        if (k > 0) {
            for (int i = 0; i < 3; ++i)
                table.N[i] = table.N[i + 1];
            table.N[3] = NodeAt(cellStart + 2 * kTableStepDays, observer);
        }
        if (!open && k > 0 && !table.BandReachable(longitudeDeg, latitudeDeg, conditions)) {
            last = std::min(cellStart + kTableStepDays, to);
            continue;
        }
        for (int j = (k == 0 ? 0 : 1); j <= kStepsPerCell && count < capacity; ++j) {
            const JulianDay t = std::min(cellStart + j * kScanStepDays, to);
            const bool holds = ConditionsHold(
                table.At(t, (t - cellStart) / kTableStepDays, longitudeDeg, latitudeDeg, observer),
                conditions);
            if (holds && !open) {
                out[count].Start =
                    t <= from ? from
                              : Bisect(last, t, longitudeDeg, latitudeDeg, observer, conditions);
                open = true;
            } else if (!holds && open) {
                close(Bisect(t, last, longitudeDeg, latitudeDeg, observer, conditions));
            }
            last = t;
            if (t >= to) break;
        }
    }
    if (open && count < capacity) close(to);
    return count;
}

} // namespace astro
