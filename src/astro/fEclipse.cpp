// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/fEclipse.h"

#include "astro/fMoonCalcs.h"
#include "astro/fMoonPlace.h"
#include "astro/fRiseSet.h"
#include "astro/fSidereal.h"
#include "astro/fTextParts.h"
#include "astro/fVectorState.h"

#include <algorithm>
#include <cmath>

namespace astro {

namespace {

double ReducedRad(double deg) {
    return DegToRad(ReduceDegrees(deg));
}

constexpr double kEarthRadiusKm = 6378.14;
constexpr double kAuKm = 149597870.7;
constexpr double kMoonRadiusRatio = 0.2725076; // Moon's radius over the Earth's equatorial radius
constexpr double kDanjonEnlargement = 1.01;

// Bounds of the searches: no step leaves this far from the series' maximum (days).
constexpr double kSearchReach = 0.35;
constexpr int kMaximumRounds = 4;
constexpr int kContactRounds = 8;
constexpr double kSettled = 0.5 / 86400; // half a second

// "HH:MM" of a local instant, rounded to the minute, into `out`; also writes its DateTimeText
// into `work`.
void AssignContact(std::string& out, std::string& work, JulianDay localJd) {
    const DateTimeRec d = JulianToDateToMinute(localJd);
    text::AssignHourMinute(out, d);
    work = DateTimeText(d);
}

// Angle between two directions given by right ascension and declination (degrees), by the
// haversine formula (exact for the small angles near the shadow).
double Separation(double ra1, double dec1, double ra2, double dec2) {
    const double a1 = DegToRad(ra1), d1 = DegToRad(dec1), a2 = DegToRad(ra2), d2 = DegToRad(dec2);
    const double sd = std::sin((d2 - d1) / 2), sa = std::sin((a2 - a1) / 2);
    const double h = sd * sd + std::cos(d1) * std::cos(d2) * sa * sa;
    return RadToDeg(2 * std::asin(std::sqrt(std::fmin(1.0, std::fmax(0.0, h)))));
}

// The Sun's horizontal parallax and semidiameter (degrees) at `distanceKm`.
double SunParallaxDeg(double distanceKm) {
    return RadToDeg(std::asin(kEarthRadiusKm / distanceKm));
}

double SunRadiusDeg(double distanceKm) {
    return 959.63 / 3600 / (distanceKm / kAuKm);
}

// The Sun through an eclipse: its place at one instant and its rates, for the few hours of an
// eclipse (its motion in right ascension and declination is straight to far below an arcsecond).
struct SunTrack {
    JulianDay At = 0;
    double Ra = 0, Dec = 0;          // apparent, degrees
    double RaRate = 0, DecRate = 0;  // degrees per day
    double Parallax = 0, Radius = 0; // degrees
};

SunTrack SunTrackAt(JulianDay ut) {
    const SunRec a = SunPosition(ut, Observer{});
    const SunRec b = SunPosition(ut + 0.25, Observer{});
    SunTrack t;
    t.At = ut;
    t.Ra = a.Equatorial.RightAscension;
    t.Dec = a.Equatorial.Declination;
    double dRa = b.Equatorial.RightAscension - t.Ra;
    if (dRa < -180) dRa += 360;
    if (dRa > 180) dRa -= 360;
    t.RaRate = dRa / 0.25;
    t.DecRate = (b.Equatorial.Declination - t.Dec) / 0.25;
    t.Parallax = SunParallaxDeg(a.DistanceKm);
    t.Radius = SunRadiusDeg(a.DistanceKm);
    return t;
}

// The shadow at the Moon's place `moon`, the shadow's axis at right ascension `axisRa` and
// declination `axisDec` (degrees, opposite the Sun), with the Sun's parallax and radius
// (degrees): the cone radii by Danjon's enlargement.
ShadowState ShadowOf(const MoonPlace& moon, double axisRa, double axisDec, double sunParallax,
                     double sunRadius) {
    ShadowState s;
    s.Distance =
        Separation(moon.Equatorial.RightAscension, moon.Equatorial.Declination, axisRa, axisDec);
    s.Penumbra = kDanjonEnlargement * moon.Parallax + sunParallax + sunRadius;
    s.Umbra = kDanjonEnlargement * moon.Parallax + sunParallax - sunRadius;
    s.MoonRadius = RadToDeg(std::asin(kMoonRadiusRatio * std::sin(DegToRad(moon.Parallax))));
    return s;
}

ShadowState ShadowWith(JulianDay ut, const SunTrack& sun) {
    const double dt = ut - sun.At;
    return ShadowOf(MoonApparentPlace(ut), sun.Ra + sun.RaRate * dt + 180,
                    -(sun.Dec + sun.DecRate * dt), sun.Parallax, sun.Radius);
}

// The limit of the Moon's centre's distance from the axis at contact `c`, degrees.
double ContactLimit(const ShadowState& s, int c) {
    switch (c) {
    case FirstPenumbralContact:
    case LastPenumbralContact:
        return s.Penumbra + s.MoonRadius;
    case FirstUmbralContact:
    case LastUmbralContact:
        return s.Umbra + s.MoonRadius;
    default:
        return s.Umbra - s.MoonRadius;
    }
}

// The instant of least distance near `t` (UT): the vertex of the parabola through the squared
// distances at t - h, t, t + h, taken again from there. Hands back the squared distance's
// curvature b (d^2 = d_min^2 + b (t - t_max)^2, degrees^2 per day^2).
JulianDay LeastDistanceInstant(JulianDay t, const SunTrack& sun, double& curvature) {
    const JulianDay centre = t;
    double h = 0.02;
    curvature = 0;
    for (int round = 0; round < kMaximumRounds; ++round) {
        const double before = ShadowWith(t - h, sun).Distance, at = ShadowWith(t, sun).Distance,
                     after = ShadowWith(t + h, sun).Distance;
        const double fm = before * before, f0 = at * at, fp = after * after;
        const double second = fp - 2 * f0 + fm;
        if (!(second > 0)) break;
        curvature = second / (2 * h * h);
        double step = h * (fm - fp) / (2 * second);
        step = std::fmax(-kSearchReach, std::fmin(kSearchReach, step));
        t = std::fmax(centre - kSearchReach, std::fmin(centre + kSearchReach, t + step));
        if (std::fabs(step) < kSettled) break;
        h = 0.005;
    }
    return t;
}

// The contact `c` on the side `side` (-1 before, +1 after) of the maximum `tmax` with the
// shadow `atMax` there and curvature `b`: from the straight-line estimate, Newton's steps on
// distance - limit with the slope of the same model.
JulianDay ContactInstant(JulianDay tmax, const ShadowState& atMax, const SunTrack& sun, double b,
                         int c, int side) {
    const double dmin = atMax.Distance;
    const double limit0 = ContactLimit(atMax, c);
    if (!(limit0 > dmin) || !(b > 0)) return 0;
    JulianDay t = tmax + side * std::sqrt((limit0 * limit0 - dmin * dmin) / b);
    for (int round = 0; round < kContactRounds; ++round) {
        const ShadowState s = ShadowWith(t, sun);
        const double gap = s.Distance - ContactLimit(s, c);
        const double slope = b * (t - tmax) / std::fmax(s.Distance, 1e-9);
        if (std::fabs(slope) < 1e-9) break;
        double step = -gap / slope;
        step = std::fmax(-0.05, std::fmin(0.05, step));
        t += step;
        if (side * (t - tmax) < 0) t = tmax + side * 1e-4; // stay on its own side
        if (std::fabs(t - tmax) > kSearchReach) t = tmax + side * kSearchReach;
        if (std::fabs(step) < kSettled) break;
    }
    return t;
}

bool IsFullMoon(double k) {
    return std::fabs(k - std::trunc(k)) == 0.5;
}

} // namespace

ShadowState ShadowAt(JulianDay ut) {
    const SunRec sun = SunPosition(ut, Observer{});
    return ShadowOf(MoonApparentPlace(ut), ReduceDegrees(sun.Equatorial.RightAscension + 180),
                    -sun.Equatorial.Declination, SunParallaxDeg(sun.DistanceKm),
                    SunRadiusDeg(sun.DistanceKm));
}

namespace {

EclipseElements ComputeEclipseGeometry(double k) {
    EclipseElements e;
    const double t = k / 1236.85;
    const double t2 = t * t, t3 = t2 * t, t4 = t3 * t;
    const double M = ReducedRad(2.5534 + 29.10535669 * k - 0.0000218 * t2 - 0.00000011 * t3);
    const double Mp = ReducedRad(201.5643 + 385.81693528 * k + 0.0107438 * t2 + 0.00001239 * t3 -
                                 0.000000058 * t4);
    const double F = ReducedRad(160.7108 + 390.67050274 * k - 0.0016341 * t2 - 0.00000227 * t3 +
                                0.000000011 * t4);
    const double omega = ReducedRad(124.7746 - 1.5637558 * k + 0.0020691 * t2 + 0.00000215 * t3);
    const double E = 1 - 0.002516 * t - 0.0000074 * t2;

    if (std::fabs(std::sin(F)) > 0.36) return e;
    e.NearNode = true;

    const double F1 = F - DegToRad(0.02665) * std::sin(omega);
    const double A1 = ReducedRad(299.77 + 0.107408 * k - 0.009173 * t2);

    PhasePowers powers{};
    double jde = MeanPhase(k, powers);
    jde += -0.4065 * std::sin(Mp);
    jde += 0.1727 * E * std::sin(M);
    jde += 0.0161 * std::sin(2 * Mp);
    jde += -0.0097 * std::sin(2 * F1);
    jde += 0.0073 * E * std::sin(Mp - M);
    jde += -0.005 * E * std::sin(Mp + M);
    jde += -0.0023 * std::sin(Mp - 2 * F1);
    jde += 0.0021 * E * std::sin(2 * M);
    jde += 0.0012 * std::sin(Mp + 2 * F1);
    jde += 0.0006 * E * std::sin(2 * Mp + M);
    jde += -0.0004 * std::sin(3 * Mp);
    jde += -0.0003 * E * std::sin(M + 2 * F1);
    jde += 0.0003 * std::sin(A1);
    jde += -0.0002 * E * std::sin(M - 2 * F1);
    jde += -0.0002 * E * std::sin(2 * Mp - M);
    jde += -0.0002 * std::sin(omega);
    const JulianDay seriesUt = jde - DeltaTDays(jde);

    const double P = 0.207 * E * std::sin(M) + 0.0024 * E * std::sin(2 * M) -
                     0.0392 * std::sin(Mp) + 0.0116 * std::sin(2 * Mp) -
                     0.0073 * E * std::sin(Mp + M) + 0.0067 * E * std::sin(Mp - M) +
                     0.0118 * std::sin(2 * F1);
    const double Q = 5.2207 - 0.0048 * E * std::cos(M) + 0.0020 * E * std::cos(2 * M) -
                     0.3299 * std::cos(Mp) - 0.006 * E * std::cos(Mp + M) +
                     0.0041 * E * std::cos(Mp - M);
    const double W = std::fabs(std::cos(F1));
    e.Gamma = (P * std::cos(F1) + Q * std::sin(F1)) * (1 - 0.0048 * W);
    e.U = 0.0059 + 0.0046 * E * std::cos(M) - 0.0182 * std::cos(Mp) + 0.0004 * std::cos(2 * Mp) -
          0.0005 * std::cos(M + Mp);

    // Far outside the penumbra by the series (their magnitudes err by about 0.01): no search.
    const double seriesPenumbral = (1.5573 + e.U - std::fabs(e.Gamma)) / 0.545;
    if (!(seriesPenumbral > -0.2)) {
        e.MaximumUT = seriesUt;
        e.MaximumJde = jde;
        e.PenumbralMagnitude = seriesPenumbral;
        e.UmbralMagnitude = (1.0128 - e.U - std::fabs(e.Gamma)) / 0.545;
        return e;
    }

    double b = 0;
    const SunTrack sun = SunTrackAt(seriesUt);
    e.MaximumUT = LeastDistanceInstant(seriesUt, sun, b);
    e.MaximumJde = e.MaximumUT + DeltaTDays(e.MaximumUT);
    const ShadowState s = ShadowWith(e.MaximumUT, sun);
    e.LeastDistance = s.Distance;
    const double diameter = 2 * s.MoonRadius;
    e.PenumbralMagnitude = (s.Penumbra + s.MoonRadius - s.Distance) / diameter;
    e.UmbralMagnitude = (s.Umbra + s.MoonRadius - s.Distance) / diameter;
    if (e.UmbralMagnitude >= 1)
        e.Kind = TotalEclipse;
    else if (e.UmbralMagnitude > 0)
        e.Kind = PartialEclipse;
    else if (e.PenumbralMagnitude > 0)
        e.Kind = PenumbralEclipse;
    else
        return e;

    auto both = [&](int first, int last) {
        e.ContactUT[static_cast<std::size_t>(first)] =
            ContactInstant(e.MaximumUT, s, sun, b, first, -1);
        e.ContactUT[static_cast<std::size_t>(last)] =
            ContactInstant(e.MaximumUT, s, sun, b, last, +1);
    };
    both(FirstPenumbralContact, LastPenumbralContact);
    if (e.Kind >= PartialEclipse) both(FirstUmbralContact, LastUmbralContact);
    if (e.Kind == TotalEclipse) both(TotalityBeginsContact, TotalityEndsContact);
    return e;
}

} // namespace

// The callers ask for one full moon's geometry more than once (a test by the node, then the
// record; a zone's second offset): the last few results of the thread are kept.
EclipseElements EclipseGeometry(double k, std::uint16_t /*year*/) {
    constexpr std::size_t kKept = 4;
    struct Kept {
        double K = 0;
        bool Valid = false;
        EclipseElements Elements;
    };
    thread_local std::array<Kept, kKept> kept;
    thread_local std::size_t next = 0;
    for (const Kept& entry : kept)
        if (entry.Valid && entry.K == k) return entry.Elements;
    Kept& slot = kept[next];
    next = (next + 1) % kKept;
    slot.K = k;
    slot.Elements = ComputeEclipseGeometry(k);
    slot.Valid = true;
    return slot.Elements;
}

bool EclipseCalcs(const PhaseEvent& phase, std::uint16_t year, const Observer& observer,
                  EclipseCircumstances& record) {
    record.Kind = NoEclipse;
    const EclipseElements e = EclipseGeometry(phase.K, year);
    if (!e.NearNode) return false;
    record.UmbralMagnitude = e.UmbralMagnitude;
    record.PenumbralMagnitude = e.PenumbralMagnitude;
    record.Kind = e.Kind;
    if (e.Kind == NoEclipse) return true;
    record.MaximumUT = e.MaximumUT;
    record.ContactUT = e.ContactUT;

    const double z = observer.ZoneOffsetMinutes / 1440.0;
    record.LocalMaximum = JulianToDateToMinute(e.MaximumUT + z);
    const std::string maximumText = DateTimeText(record.LocalMaximum);
    record.Maximum = text::SliceChars(maximumText, 0, 5);
    record.Date = text::SliceChars(maximumText, 10, 40);

    std::string* const texts[EclipseContactCount] = {&record.PenumbraEntered, &record.UmbraEntered,
                                                     &record.TotalityBegins,  &record.TotalityEnds,
                                                     &record.UmbraLeft,       &record.PenumbraLeft};
    // A record used again for another full moon keeps no contact of the earlier one.
    for (std::size_t c = 0; c < EclipseContactCount; ++c) {
        texts[c]->clear();
        if (e.ContactUT[c] != 0) AssignContact(*texts[c], record.WorkText, e.ContactUT[c] + z);
    }
    record.Visibility = CheckEclipseVisibility(e.ContactUT[FirstPenumbralContact],
                                               e.ContactUT[LastPenumbralContact], observer);
    return true;
}

MonthEclipseList MonthEclipses(const MonthPhaseList& events, int count, std::uint16_t year,
                               const Observer& observer) {
    ReleaseUpperVectorState();
    MonthEclipseList out;
    const int n = count < MaxMonthPhases ? count : MaxMonthPhases;
    for (int i = 0; i < n && out.Count < MaxMonthEclipses; ++i) {
        const PhaseEvent& phase = events[static_cast<std::size_t>(i)];
        if (!IsFullMoon(phase.K)) continue;
        EclipseCircumstances& slot = out.Eclipses[static_cast<std::size_t>(out.Count)];
        EclipseCalcs(phase, year, observer, slot);
        if (slot.Kind != NoEclipse)
            ++out.Count;
        else
            slot = EclipseCircumstances{};
    }
    return out;
}

EclipseCircumstances CheckForEclipse(const MonthPhaseList& events, int count, std::uint16_t year,
                                     const Observer& observer) {
    ReleaseUpperVectorState();
    EclipseCircumstances kept;
    EclipseCircumstances candidate;
    const int n = count < MaxMonthPhases ? count : MaxMonthPhases;
    for (int i = 0; i < n; ++i) {
        const PhaseEvent& phase = events[static_cast<std::size_t>(i)];
        if (!IsFullMoon(phase.K)) continue;
        EclipseCalcs(phase, year, observer, candidate);
        if (candidate.Kind != NoEclipse) kept = candidate;
    }
    return kept;
}

bool MoonAboveHorizon(JulianDay ut, const Observer& observer) {
    const MoonPlace moon = MoonApparentPlace(ut);
    const double hourAngle =
        HourAngle(MeanSiderealTime(ut), moon.Equatorial.RightAscension, observer);
    const HorizontalRec h =
        EquatorialToHorizontal(hourAngle, moon.Equatorial.Declination, observer);
    return h.Altitude > 0.7275 * moon.Parallax - 0.5667;
}

std::string_view CheckEclipseVisibility(JulianDay firstContactUt, JulianDay lastContactUt,
                                        const Observer& observer) {
    if (!std::isfinite(firstContactUt) || !std::isfinite(lastContactUt) ||
        lastContactUt < firstContactUt || lastContactUt - firstContactUt > 1)
        return "Not Visible";
    // The Moon's place at both ends and the middle, interpolated between (Meeus 3.3): over the
    // hours of an eclipse within a fraction of an arcsecond.
    const JulianDay middle = (firstContactUt + lastContactUt) / 2;
    const double half = (lastContactUt - firstContactUt) / 2;
    const MoonPlace places[3] = {MoonApparentPlace(firstContactUt), MoonApparentPlace(middle),
                                 MoonApparentPlace(lastContactUt)};
    double ra[3];
    for (int i = 0; i < 3; ++i)
        ra[i] = places[i].Equatorial.RightAscension;
    for (int i = 0; i < 3; i += 2) {
        if (ra[i] - ra[1] > 180) ra[i] -= 360;
        if (ra[i] - ra[1] < -180) ra[i] += 360;
    }
    constexpr double kStep = 10.0 / 1440;
    const int steps = std::max(1, static_cast<int>(std::ceil(2 * half / kStep)));
    int up = 0;
    for (int i = 0; i <= steps; ++i) {
        const JulianDay t = i == steps ? lastContactUt : firstContactUt + i * kStep;
        const double n = half > 0 ? (t - middle) / half : 0;
        const double raDeg = Interpolate3(n, ra[0], ra[1], ra[2]);
        const double decDeg =
            Interpolate3(n, places[0].Equatorial.Declination, places[1].Equatorial.Declination,
                         places[2].Equatorial.Declination);
        const double parallax =
            Interpolate3(n, places[0].Parallax, places[1].Parallax, places[2].Parallax);
        const double hourAngle = HourAngle(MeanSiderealTime(t), raDeg, observer);
        const HorizontalRec h = EquatorialToHorizontal(hourAngle, decDeg, observer);
        if (h.Altitude > 0.7275 * parallax - 0.5667) ++up;
    }
    if (up == steps + 1) return "Visible";
    return up > 0 ? "Partially Visible" : "Not Visible";
}

std::string_view EclipseKindName(std::uint8_t kind) {
    switch (kind) {
    case PenumbralEclipse:
        return "Penumbral Eclipse";
    case PartialEclipse:
        return "Partial Eclipse";
    case TotalEclipse:
        return "Total Eclipse";
    default:
        return "";
    }
}

} // namespace astro
