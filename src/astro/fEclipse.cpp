// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/fEclipse.h"

#include "astro/fMoonCalcs.h"
#include "astro/fRiseSet.h"
#include "astro/fTextParts.h"
#include "astro/fVectorState.h"

#include <cmath>

namespace astro {

namespace {

double ReducedRad(double deg) {
    return DegToRad(ReduceDegrees(deg));
}

// Semi-duration in days of the phase bounded by the limit `radius` (Meeus ch. 54).
double SemiDuration(double radius, double gamma, double n) {
    return std::sqrt(radius * radius - gamma * gamma) * 60 / n / 1440;
}

// "HH:MM" of a local instant, rounded to the minute, into `out`; also writes its DateTimeText
// into `work`.
void AssignContact(std::string& out, std::string& work, JulianDay localJd) {
    const DateTimeRec d = JulianToDateToMinute(localJd);
    text::AssignHourMinute(out, d);
    work = DateTimeText(d);
}

// Whether the Moon stands above its rising altitude (Meeus ch. 15, h0 = 0.7275 parallax -
// 0.5667 degrees, geocentric) at `instant` (UT): decides the visibility on a date on which it
// neither rises nor sets.
bool MoonUpAt(JulianDay instant, const Observer& observer) {
    const MoonRec moon = MoonPosition(instant, observer).Moon;
    return moon.Altitude > 0.7275 * moon.Parallax - 0.5667;
}

bool IsFullMoon(double k) {
    return std::fabs(k - std::trunc(k)) == 0.5;
}

} // namespace

EclipseElements EclipseGeometry(double k, std::uint16_t /*year*/) {
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
    e.MaximumJde = jde;
    e.MaximumUT = jde - DeltaTDays(jde);

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

    const double absGamma = std::fabs(e.Gamma);
    e.PenumbralMagnitude = (1.5573 + e.U - absGamma) / 0.545;
    e.UmbralMagnitude = (1.0128 - e.U - absGamma) / 0.545;
    const double penumbraLimit = 1.5573 + e.U;
    const double umbraLimit = 1.0128 - e.U;
    const double totalityLimit = 0.4678 - e.U;
    const double n = 0.5458 + 0.04 * std::cos(Mp);

    if (e.UmbralMagnitude > 0) {
        e.Kind = absGamma < totalityLimit ? TotalEclipse : PartialEclipse;
    } else if (e.PenumbralMagnitude > 0) {
        e.Kind = PenumbralEclipse;
    } else {
        return e;
    }
    e.PenumbralSemiDuration = SemiDuration(penumbraLimit, e.Gamma, n);
    if (e.Kind >= PartialEclipse) e.PartialSemiDuration = SemiDuration(umbraLimit, e.Gamma, n);
    if (e.Kind == TotalEclipse) e.TotalSemiDuration = SemiDuration(totalityLimit, e.Gamma, n);
    return e;
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

    const double z = observer.ZoneOffsetMinutes / 1440.0;
    record.LocalMaximum = JulianToDateToMinute(e.MaximumUT + z);
    const std::string maximumText = DateTimeText(record.LocalMaximum);
    record.Maximum = text::SliceChars(maximumText, 0, 5);
    record.Date = text::SliceChars(maximumText, 10, 40);

    RiseSetTimes moon = MoonRiseSet(record.LocalMaximum, observer);
    if (moon.Rise == "*****") moon.Rise = "00:00";
    if (moon.Set == "*****") moon.Set = "23:59";

    AssignContact(record.PenumbraEntered, record.WorkText,
                  e.MaximumUT - e.PenumbralSemiDuration + z);
    AssignContact(record.PenumbraLeft, record.WorkText, e.MaximumUT + e.PenumbralSemiDuration + z);
    if (moon.Rise == "None" && moon.Set == "None")
        record.Visibility = MoonUpAt(e.MaximumUT, observer) ? "Visible" : "Not Visible";
    else
        record.Visibility =
            VisibilityOverDay(moon.Rise, moon.Set, record.PenumbraEntered, record.PenumbraLeft);
    if (e.Kind >= PartialEclipse) {
        AssignContact(record.UmbraEntered, record.WorkText,
                      e.MaximumUT - e.PartialSemiDuration + z);
        AssignContact(record.UmbraLeft, record.WorkText, e.MaximumUT + e.PartialSemiDuration + z);
    }
    if (e.Kind == TotalEclipse) {
        AssignContact(record.TotalityBegins, record.WorkText,
                      e.MaximumUT - e.TotalSemiDuration + z);
        AssignContact(record.TotalityEnds, record.WorkText, e.MaximumUT + e.TotalSemiDuration + z);
    }
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

int TimeTextToMinutes(std::string_view text) {
    auto digit = [text](std::size_t i) {
        return i < text.size() && text[i] >= '0' && text[i] <= '9' ? text[i] - '0' : 0;
    };
    return (digit(0) * 10 + digit(1)) * 60 + digit(3) * 10 + digit(4);
}

std::string_view CheckEclipseVisibility(std::string_view rise, std::string_view set,
                                        std::string_view start, std::string_view end) {
    if (rise == "None" && set == "None") return "Not Visible";
    const int r = TimeTextToMinutes(rise);
    const int s = TimeTextToMinutes(set);
    const int a = TimeTextToMinutes(start);
    const int b = TimeTextToMinutes(end);
    if (a > r && a > s) return "Not Visible";
    if (r > a && r > b) return "Not Visible";
    if (r > a && s > b) return "Partially Visible";
    if (a > r && b > s) return "Partially Visible";
    return "Visible";
}

std::string_view VisibilityOverDay(std::string_view rise, std::string_view set,
                                   std::string_view start, std::string_view end) {
    if (set < rise) {
        const std::string_view early = CheckEclipseVisibility("00:00", set, start, end);
        if (early != "Not Visible") return early;
        return CheckEclipseVisibility(rise, "23:59", start, end);
    }
    return CheckEclipseVisibility(rise, set, start, end);
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
