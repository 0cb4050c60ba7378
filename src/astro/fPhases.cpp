// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/fPhases.h"

#include "astro/fTextParts.h"
#include "astro/fVectorState.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace astro {

namespace {

// Degrees reduced into range, then radians.
double ReducedRad(double deg) {
    return DegToRad(ReduceDegrees(deg));
}

// Arguments of the phase series (Meeus 1st ed. 47.4 - 47.7), radians except E.
struct PhaseArguments {
    double M;     // Sun's mean anomaly
    double Mp;    // Moon's mean anomaly
    double F;     // Moon's argument of latitude
    double Omega; // longitude of the ascending node
    double E;     // eccentricity factor of the Earth's orbit
};

PhaseArguments ComputePhaseArguments(const PhasePowers& p, double k) {
    const double t = p[0], t2 = p[1], t3 = p[2], t4 = p[3];
    PhaseArguments a{};
    a.M = ReducedRad(2.5534 + 29.10535669 * k - 0.0000218 * t2 - 0.00000011 * t3);
    a.Mp = ReducedRad(201.5643 + 385.81693528 * k + 0.0107438 * t2 + 0.00001239 * t3 -
                      0.000000058 * t4);
    a.F = ReducedRad(160.7108 + 390.67050274 * k - 0.0016341 * t2 - 0.00000227 * t3 +
                     0.000000011 * t4);
    a.Omega = ReducedRad(124.7746 - 1.5637558 * k + 0.0020691 * t2 + 0.00000215 * t3);
    a.E = 1 - 0.002516 * t - 0.0000074 * t2;
    return a;
}

// New and full moon series; the first seven coefficients differ between the two.
double NewOrFullMoonTerms(const PhaseArguments& a, bool full) {
    const double M = a.M, Mp = a.Mp, F = a.F, E = a.E;
    const double c1 = full ? -0.40614 : -0.40720;
    const double c2 = full ? 0.17302 : 0.17241;
    const double c3 = full ? 0.01614 : 0.01608;
    const double c4 = full ? 0.01043 : 0.01039;
    const double c5 = full ? 0.00734 : 0.00739;
    const double c6 = full ? -0.00515 : -0.00514;
    const double c7 = full ? 0.00209 : 0.00208;
    double c = c1 * std::sin(Mp);
    c += c2 * E * std::sin(M);
    c += c3 * std::sin(2 * Mp);
    c += c4 * std::sin(2 * F);
    c += c5 * E * std::sin(Mp - M);
    c += c6 * E * std::sin(Mp + M);
    c += c7 * E * E * std::sin(2 * M);
    c += -0.00111 * std::sin(Mp - 2 * F);
    c += -0.00057 * std::sin(Mp + 2 * F);
    c += 0.00056 * E * std::sin(2 * Mp + M);
    c += -0.00042 * std::sin(3 * Mp);
    c += 0.00042 * E * std::sin(M + 2 * F);
    c += 0.00038 * E * std::sin(M - 2 * F);
    c += -0.00024 * E * std::sin(2 * Mp - M);
    c += -0.00017 * std::sin(a.Omega);
    c += -0.00007 * std::sin(Mp + 2 * M);
    c += 0.00004 * std::sin(2 * Mp - 2 * F);
    c += 0.00004 * std::sin(3 * M);
    c += 0.00003 * std::sin(Mp + M - 2 * F);
    c += 0.00003 * std::sin(2 * Mp + 2 * F);
    c += -0.00003 * std::sin(Mp + M + 2 * F);
    c += 0.00003 * std::sin(Mp - M + 2 * F);
    c += -0.00002 * std::sin(Mp - M - 2 * F);
    c += -0.00002 * std::sin(3 * Mp + M);
    c += 0.00002 * std::sin(4 * Mp);
    return c;
}

// Quarter series without the W term.
double QuarterTerms(const PhaseArguments& a) {
    const double M = a.M, Mp = a.Mp, F = a.F, E = a.E;
    double c = -0.62801 * std::sin(Mp);
    c += 0.17172 * E * std::sin(M);
    c += -0.01183 * E * std::sin(Mp + M);
    c += 0.00862 * std::sin(2 * Mp);
    c += 0.00804 * std::sin(2 * F);
    c += 0.00454 * E * std::sin(Mp - M);
    c += 0.00204 * E * E * std::sin(2 * M);
    c += -0.00180 * std::sin(Mp - 2 * F);
    c += -0.00070 * std::sin(Mp + 2 * F);
    c += -0.00040 * std::sin(3 * Mp);
    c += -0.00034 * E * std::sin(2 * Mp - M);
    c += 0.00032 * E * std::sin(M + 2 * F);
    c += 0.00032 * E * std::sin(M - 2 * F);
    c += -0.00028 * E * E * std::sin(Mp + 2 * M);
    c += 0.00027 * E * std::sin(2 * Mp + M);
    c += -0.00017 * std::sin(a.Omega);
    c += -0.00005 * std::sin(Mp - M - 2 * F);
    c += 0.00004 * std::sin(2 * Mp + 2 * F);
    c += -0.00004 * std::sin(Mp + M + 2 * F);
    c += 0.00004 * std::sin(Mp - 2 * M);
    c += 0.00003 * std::sin(Mp + M - 2 * F);
    c += 0.00003 * std::sin(3 * M);
    c += 0.00002 * std::sin(2 * Mp - 2 * F);
    c += 0.00002 * std::sin(Mp - M + 2 * F);
    c += -0.00002 * std::sin(3 * Mp + M);
    return c;
}

// The quarters' W term (Meeus 1st ed. ch. 47).
double QuarterW(const PhaseArguments& a) {
    return 0.00306 - 0.00038 * a.E * std::cos(a.M) + 0.00026 * std::cos(a.Mp) -
           0.00002 * std::cos(a.Mp - a.M) + 0.00002 * std::cos(a.Mp + a.M) +
           0.00002 * std::cos(2 * a.F);
}

// Additional corrections of the planetary arguments A1..A14, degrees converted without reduction.
double PlanetaryTerms(double k, double t2) {
    static constexpr double amplitude[14] = {0.000325, 0.000165, 0.000164, 0.000126, 0.000110,
                                             0.000062, 0.000060, 0.000056, 0.000047, 0.000042,
                                             0.000040, 0.000037, 0.000035, 0.000023};
    static constexpr double base[14] = {299.77, 251.88, 251.83, 349.42, 84.66,  141.74, 207.14,
                                        154.84, 34.52,  207.19, 291.34, 161.72, 239.56, 331.55};
    static constexpr double rate[14] = {0.107408,  0.016321,  26.651886, 36.412478, 18.206239,
                                        53.303771, 2.453732,  7.306860,  27.261239, 0.121824,
                                        1.844379,  24.198154, 25.513099, 3.592518};
    double sum = 0;
    for (int i = 0; i < 14; ++i) {
        double deg = base[i] + rate[i] * k;
        if (i == 0) deg -= 0.009173 * t2;
        sum += amplitude[i] * std::sin(DegToRad(deg));
    }
    return sum;
}

// Writes "HH:MM  DD Month YYYY" (DateTimeText without its seconds) into `out`, at most 60
// characters; the buffer keeps the common case free of allocation when `out` is reused.
void AssignPhaseText(std::string& out, const DateTimeRec& d) {
    char buf[160];
    const std::string& month = LongMonthName(d.Month);
    const int n =
        std::snprintf(buf, sizeof buf, "%02d:%02d  %02d %.100s %d", d.Hour % 100, d.Minute % 100,
                      static_cast<int>(d.Day), month.c_str(), static_cast<int>(d.Year));
    text::AssignCut(out, buf, n > 0 ? static_cast<std::size_t>(n) : 0, 60);
}

DateTimeRec FirstOfMonth(int month, int year) {
    DateTimeRec d;
    d.Day = 1;
    d.Month = static_cast<std::uint16_t>(month);
    d.Year = static_cast<std::uint16_t>(year);
    return d;
}

// Approximate lunation count of a local instant from the year (Meeus 1st ed. 47.2).
double LunationEstimate(JulianDay j, std::uint16_t year) {
    const JulianDay j0 = JulianDayOfYearStart(year);
    return ((j - j0) / 365.25 + year - 2000) * 12.3685;
}

JulianDay MeanPhaseInstant(double k) {
    PhasePowers unused{};
    return MeanPhase(k, unused);
}

// Mean instant of apsis number k (Meeus 1st ed. 48.1).
JulianDay MeanApsisInstant(double k) {
    const double t = k / 1325.55;
    const double t2 = t * t, t3 = t2 * t, t4 = t3 * t;
    return 2451534.6698 + 27.55454988 * k - 0.0006886 * t2 - 0.000001098 * t3 + 0.0000000052 * t4;
}

// The year-based estimates of k count years of 365.25 days from 2000, which drifts by weeks
// before the Gregorian reform and in the far future. Moves k in steps of `step` so that its mean
// instant lies at or before `limit` and the next one after it; near 2000 the estimate already
// satisfies this and k is kept (or one earlier step is added, which yields nothing before
// `limit`). Corrections to the mean instants stay well inside the caller's margin.
double StartNearInstant(double k, double step, JulianDay limit, JulianDay (*meanInstant)(double)) {
    for (int i = 0; i < 64 && meanInstant(k) > limit; ++i)
        k -= step;
    for (int i = 0; i < 64 && meanInstant(k + step) <= limit; ++i)
        k += step;
    return k;
}

} // namespace

JulianDay MeanPhase(double k, PhasePowers& powers) {
    const double t = k / 1236.85;
    powers[0] = t;
    powers[1] = t * t;
    powers[2] = powers[1] * t;
    powers[3] = powers[2] * t;
    return 2451550.09765 + 29.530588853 * k + 0.0001337 * powers[1] - 0.00000015 * powers[2] +
           0.00000000073 * powers[3];
}

double PhaseCorrection(const PhasePowers& powers, int kind, double k) {
    const PhaseArguments a = ComputePhaseArguments(powers, k);
    double c;
    if (kind == 0 || kind == 2) {
        c = NewOrFullMoonTerms(a, kind == 2);
    } else {
        c = QuarterTerms(a);
        double w = QuarterW(a);
        if (k > 0) w = -w;
        c = kind == 1 ? c - w : c + w;
    }
    return c + PlanetaryTerms(k, powers[1]);
}

JulianDay PhaseInstant(double k) {
    PhasePowers p{};
    const JulianDay mean = MeanPhase(k, p);
    const int kind = static_cast<int>(std::trunc(std::fabs(k) * 4)) % 4;
    return mean + PhaseCorrection(p, kind, k);
}

JulianDay PhaseInstantUT(double k) {
    const JulianDay jde = PhaseInstant(k);
    return jde - DeltaTDays(jde);
}

int MonthPhases(const DateTimeRec& date, const Observer& observer, MonthPhaseList& events) {
    ReleaseUpperVectorState();
    const int year = date.Year;
    const int month = date.Month;
    const JulianDay jStart = DateToJulian(FirstOfMonth(month, year));
    const JulianDay jEnd = month >= 12 ? DateToJulian(FirstOfMonth(1, year + 1))
                                       : DateToJulian(FirstOfMonth(month + 1, year));
    const double b = LunationEstimate(jStart, date.Year);
    const double p = b < 0 ? 4 * b - 1 : 4 * b;
    double k = std::trunc(p) / 4;
    k = StartNearInstant(k, 0.25, jStart - 2, MeanPhaseInstant);
    const double zoneDays = observer.ZoneOffsetMinutes / 1440.0;
    const double deltaT = std::max(DeltaTDays(jStart), 0.0);

    // The start lies within a quarter or two before the month; 16 quarter steps span more
    // than any month and bound the walk.
    int count = 0;
    for (int step = 0; step < 16; ++step, k += 0.25) {
        PhasePowers powers{};
        const JulianDay mean = MeanPhase(k, powers);
        // A phase lies within 0.9 day of its mean instant and local time within 14 hours of
        // UT, which is Delta T before the mean instant's dynamical time: nothing at or after
        // this mean instant can fall before the month's end.
        if (!(mean - deltaT < jEnd + 1.5)) break;
        const int kind = static_cast<int>(std::trunc(std::fabs(k) * 4)) % 4;
        const JulianDay jde = mean + PhaseCorrection(powers, kind, k);
        const JulianDay t = jde - DeltaTDays(jde) + zoneDays;
        // The instant as shown, to the minute, decides the month: 23:59:40 on the last day
        // reads 00:00 on the 1st and belongs to the next month.
        const JulianDay shown = std::round(t * 1440) / 1440;
        if (shown < jStart || shown >= jEnd || count >= MaxMonthPhases) continue;
        PhaseEvent& e = events[static_cast<std::size_t>(count)];
        int stored = kind;
        if (k >= 0 && kind == 1)
            stored = 3;
        else if (k >= 0 && kind == 3)
            stored = 1;
        e.K = k;
        e.Kind = static_cast<PhaseKind>(stored);
        e.Julian = t;
        e.UT = t - zoneDays;
        e.Date = JulianToDate(t);
        AssignPhaseText(e.Text, JulianToDateToMinute(t));
        ++count;
    }
    return count;
}

LunationRec NewMoonsAround(JulianDay instant) {
    const JulianDay j = instant;
    const double x = LunationEstimate(j, JulianToDate(j).Year);
    double k = std::trunc(x);
    if (x < 0) k -= 1;
    LunationRec out;
    const JulianDay n = PhaseInstantUT(k);
    double kPrevious = k;
    if (n > j) {
        out.NextNewMoon = n;
        kPrevious = k - 1;
        out.PreviousNewMoon = PhaseInstantUT(kPrevious);
    } else {
        out.PreviousNewMoon = n;
        out.NextNewMoon = PhaseInstantUT(k + 1);
    }
    // Far from 2000 the year-based estimate can be a lunation or more off; walk until the two
    // new moons really bracket the instant (age and lunation percentage depend on it).
    for (int i = 0; i < 8 && out.PreviousNewMoon > j; ++i) {
        kPrevious -= 1;
        out.NextNewMoon = out.PreviousNewMoon;
        out.PreviousNewMoon = PhaseInstantUT(kPrevious);
    }
    for (int i = 0; i < 8 && out.NextNewMoon <= j; ++i) {
        kPrevious += 1;
        out.PreviousNewMoon = out.NextNewMoon;
        out.NextNewMoon = PhaseInstantUT(kPrevious + 1);
    }
    return out;
}

ApsisRec ApsisInstant(double k) {
    const double t = k / 1325.55;
    const double t2 = t * t, t3 = t2 * t, t4 = t3 * t;
    const double meanJde = MeanApsisInstant(k);
    const double D =
        ReducedRad(171.9179 + 335.9106046 * k - 0.010025 * t2 - 0.00001156 * t3 + 0.000000055 * t4);
    const double M = ReducedRad(347.3477 + 27.1577721 * k - 0.0008323 * t2 - 0.000001 * t3);
    const double F = ReducedRad(316.6109 + 364.5287911 * k - 0.0125131 * t2 - 0.0000148 * t3);

    ApsisRec out;
    out.Perigee = std::trunc(k) == k;
    double dt = 0;
    double par = 0;
    if (out.Perigee) {
        dt += -1.6769 * std::sin(2 * D);
        dt += 0.4589 * std::sin(4 * D);
        dt += -0.1856 * std::sin(6 * D);
        dt += 0.0883 * std::sin(8 * D);
        dt += (-0.0773 + 0.00019 * t) * std::sin(2 * D - M);
        dt += (0.0502 - 0.00013 * t) * std::sin(M);
        dt += -0.0460 * std::sin(10 * D);
        dt += (0.0422 - 0.00011 * t) * std::sin(4 * D - M);
        dt += -0.0256 * std::sin(6 * D - M);
        dt += 0.0253 * std::sin(12 * D);
        dt += 0.0237 * std::sin(D);
        dt += 0.0162 * std::sin(8 * D - M);
        dt += -0.0145 * std::sin(14 * D);
        dt += 0.0129 * std::sin(2 * F);
        dt += -0.0112 * std::sin(3 * D);
        dt += -0.0104 * std::sin(10 * D - M);
        dt += 0.0086 * std::sin(16 * D);
        dt += 0.0069 * std::sin(12 * D - M);
        dt += 0.0066 * std::sin(5 * D);
        dt += -0.0053 * std::sin(2 * D + 2 * F);
        dt += -0.0052 * std::sin(18 * D);
        dt += -0.0046 * std::sin(14 * D - M);
        dt += -0.0041 * std::sin(7 * D);
        dt += 0.0040 * std::sin(2 * D + M);
        dt += 0.0032 * std::sin(20 * D);
        dt += -0.0032 * std::sin(D + M);
        dt += 0.0031 * std::sin(16 * D - M);
        dt += -0.0029 * std::sin(4 * D + M);
        dt += 0.0027 * std::sin(9 * D);
        dt += 0.0027 * std::sin(4 * D + 2 * F);
        dt += -0.0027 * std::sin(2 * D - 2 * M);
        dt += 0.0024 * std::sin(4 * D - 2 * M);
        dt += -0.0021 * std::sin(6 * D - 2 * M);
        dt += -0.0021 * std::sin(22 * D);
        dt += -0.0021 * std::sin(18 * D - M);
        dt += 0.0019 * std::sin(6 * D + M);
        dt += -0.0018 * std::sin(11 * D);
        dt += -0.0014 * std::sin(8 * D + M);
        dt += -0.0014 * std::sin(4 * D - 2 * F);
        dt += -0.0014 * std::sin(6 * D + 2 * F);
        dt += 0.0014 * std::sin(3 * D + M);
        dt += -0.0014 * std::sin(5 * D + M);
        dt += 0.0013 * std::sin(13 * D);
        dt += 0.0013 * std::sin(20 * D - M);
        dt += 0.0011 * std::sin(3 * D + 2 * M);
        dt += -0.0011 * std::sin(4 * D + 2 * F - 2 * M);
        dt += -0.0010 * std::sin(D + 2 * M);
        dt += -0.0009 * std::sin(22 * D - M);
        dt += -0.0008 * std::sin(4 * F);
        dt += 0.0008 * std::sin(6 * D - 2 * F);
        dt += 0.0008 * std::sin(2 * D - 2 * F + M);
        dt += 0.0007 * std::sin(2 * M);
        dt += 0.0007 * std::sin(2 * F - M);
        dt += 0.0007 * std::sin(2 * D + 4 * F);
        dt += -0.0006 * std::sin(2 * F - 2 * M);
        dt += -0.0006 * std::sin(2 * D - 2 * F + 2 * M);
        dt += 0.0006 * std::sin(24 * D);
        dt += 0.0005 * std::sin(4 * D - 4 * F);
        dt += 0.0005 * std::sin(2 * D + 2 * M);
        dt += -0.0004 * std::sin(D - M);

        par += 63.224 * std::cos(2 * D);
        par += -6.990 * std::cos(4 * D);
        par += (2.834 - 0.0071 * t) * std::cos(2 * D - M);
        par += 1.927 * std::cos(6 * D);
        par += -1.263 * std::cos(D);
        par += -0.702 * std::cos(8 * D);
        par += (0.696 - 0.0017 * t) * std::cos(M);
        par += -0.690 * std::cos(2 * F);
        par += (-0.629 + 0.0016 * t) * std::cos(4 * D - M);
        par += -0.392 * std::cos(2 * D - 2 * F);
        par += 0.297 * std::cos(10 * D);
        par += 0.260 * std::cos(6 * D - M);
        par += 0.201 * std::cos(3 * D);
        par += -0.161 * std::cos(2 * D + M);
        par += 0.157 * std::cos(D + M);
        par += -0.138 * std::cos(12 * D);
        par += -0.127 * std::cos(8 * D - M);
        par += 0.104 * std::cos(2 * D + 2 * F);
        par += 0.104 * std::cos(2 * D - 2 * M);
        par += -0.079 * std::cos(5 * D);
        par += 0.068 * std::cos(14 * D);
        par += 0.067 * std::cos(10 * D - M);
        par += 0.054 * std::cos(4 * D + M);
        par += -0.038 * std::cos(12 * D - M);
        par += -0.038 * std::cos(4 * D - 2 * M);
        par += 0.037 * std::cos(7 * D);
        par += -0.037 * std::cos(4 * D + 2 * F);
        par += -0.035 * std::cos(16 * D);
        par += -0.030 * std::cos(3 * D + M);
        par += 0.029 * std::cos(D - M);
        par += -0.025 * std::cos(6 * D + M);
        par += 0.023 * std::cos(2 * M);
        par += 0.023 * std::cos(14 * D - M);
        par += -0.023 * std::cos(2 * D + 2 * M);
        par += 0.022 * std::cos(6 * D - 2 * M);
        par += -0.021 * std::cos(2 * D - 2 * F - M);
        par += -0.020 * std::cos(9 * D);
        par += 0.019 * std::cos(18 * D);
        par += 0.017 * std::cos(6 * D + 2 * F);
        par += 0.014 * std::cos(2 * F - M);
        par += -0.014 * std::cos(16 * D - M);
        par += 0.013 * std::cos(4 * D - 2 * F);
        par += 0.012 * std::cos(8 * D + M);
        par += 0.011 * std::cos(11 * D);
        par += 0.010 * std::cos(5 * D + M);
        par += -0.010 * std::cos(20 * D);
        out.ParallaxArcsec = 3629.215 + par;
    } else {
        dt += 0.4392 * std::sin(2 * D);
        dt += 0.0684 * std::sin(4 * D);
        dt += (0.0456 - 0.00011 * t) * std::sin(M);
        dt += (0.0426 - 0.00011 * t) * std::sin(2 * D - M);
        dt += 0.0212 * std::sin(2 * F);
        dt += -0.0189 * std::sin(D);
        dt += 0.0144 * std::sin(6 * D);
        dt += 0.0113 * std::sin(4 * D - M);
        dt += 0.0047 * std::sin(2 * D + 2 * F);
        dt += 0.0036 * std::sin(D + M);
        dt += 0.0035 * std::sin(8 * D);
        dt += 0.0034 * std::sin(6 * D - M);
        dt += -0.0034 * std::sin(2 * D - 2 * F);
        dt += 0.0022 * std::sin(2 * D - 2 * M);
        dt += -0.0017 * std::sin(3 * D);
        dt += 0.0013 * std::sin(4 * D + 2 * F);
        dt += 0.0011 * std::sin(8 * D - M);
        dt += 0.0010 * std::sin(4 * D - 2 * M);
        dt += 0.0009 * std::sin(10 * D);
        dt += 0.0007 * std::sin(3 * D + M);
        dt += 0.0006 * std::sin(2 * M);
        dt += 0.0005 * std::sin(2 * D + M);
        dt += 0.0005 * std::sin(2 * D + 2 * M);
        dt += 0.0004 * std::sin(6 * D + 2 * F);
        dt += 0.0004 * std::sin(6 * D - 2 * M);
        dt += 0.0004 * std::sin(10 * D - M);
        dt += -0.0004 * std::sin(5 * D);
        dt += -0.0004 * std::sin(4 * D - 2 * F);
        dt += 0.0003 * std::sin(2 * F + M);
        dt += 0.0003 * std::sin(12 * D);
        dt += 0.0003 * std::sin(2 * D + 2 * F - M);
        dt += -0.0003 * std::sin(D - M);

        par += -9.147 * std::cos(2 * D);
        par += -0.841 * std::cos(D);
        par += 0.697 * std::cos(2 * F);
        par += (-0.656 + 0.0016 * t) * std::cos(M);
        par += 0.335 * std::cos(4 * D);
        par += 0.159 * std::cos(2 * D - M);
        par += 0.127 * std::cos(D + M);
        par += 0.065 * std::cos(4 * D - M);
        par += 0.052 * std::cos(6 * D);
        par += 0.043 * std::cos(2 * D + M);
        par += 0.031 * std::cos(2 * D + 2 * F);
        par += -0.023 * std::cos(2 * D - 2 * F);
        par += 0.022 * std::cos(2 * D - 2 * M);
        par += 0.019 * std::cos(2 * D + 2 * M);
        par += -0.016 * std::cos(2 * M);
        par += 0.014 * std::cos(6 * D - M);
        par += 0.010 * std::cos(8 * D);
        out.ParallaxArcsec = 3245.251 + par;
    }
    out.Jde = meanJde + dt;
    out.DistanceKm = 6378.14 / std::sin(DegToRad(out.ParallaxArcsec / 3600));
    return out;
}

namespace {

// "HH:MM  DD Mon  ": characters 1-5 and 9-16 of DateTimeText, then two blanks.
std::string ApsisTimeText(JulianDay localJd) {
    const DateTimeRec date = JulianToDateToMinute(localJd);
    if (date.Year < 1 || date.Year > 9999) return "Outside years 1-9999";
    const std::string full = DateTimeText(date);
    return text::SliceChars(full, 0, 5) + text::SliceChars(full, 8, 8) + "  ";
}

std::string ApsisDistanceText(double km) {
    return std::to_string(static_cast<long long>(std::lround(km))) + " km  ";
}

} // namespace

ApsisTexts NextApsides(JulianDay instant, const Observer& observer) {
    const JulianDay j = instant;
    const int year = JulianToDate(j).Year;
    double k =
        std::trunc(2 * 13.2555 * ((j - JulianDayOfYearStart(year)) / 365.25 + year - 2000)) / 2;
    // An apsis lies at most about two days from its mean instant.
    k = StartNearInstant(k, 0.5, j - 3, MeanApsisInstant);
    const double zoneDays = observer.ZoneOffsetMinutes / 1440.0;
    ApsisTexts out;
    int produced = 0;
    // Two events come within three half-steps of the start; eight bound the walk.
    for (int step = 0; step < 8 && produced < 2; ++step, k += 0.5) {
        const ApsisRec a = ApsisInstant(k);
        const JulianDay ut = a.Jde - DeltaTDays(a.Jde);
        if (!(ut >= j)) continue;
        const std::string when = ApsisTimeText(ut + zoneDays);
        const std::string distance = ApsisDistanceText(a.DistanceKm);
        if (a.Perigee) {
            out.PerigeeTimeText = text::SliceChars(when, 0, 25);
            out.PerigeeDistanceText = text::SliceChars(distance, 0, 25);
            out.PerigeeUT = ut;
            out.PerigeeDistanceKm = a.DistanceKm;
        } else {
            out.ApogeeTimeText = text::SliceChars(when, 0, 25);
            out.ApogeeDistanceText = text::SliceChars(distance, 0, 25);
            out.ApogeeUT = ut;
            out.ApogeeDistanceKm = a.DistanceKm;
        }
        ++produced;
    }
    return out;
}

double MoonAgeDays(JulianDay instant, const LunationRec& lunation) {
    return instant - lunation.PreviousNewMoon;
}

double LunationPercent(JulianDay instant, const LunationRec& lunation) {
    return MoonAgeDays(instant, lunation) / (lunation.NextNewMoon - lunation.PreviousNewMoon) * 100;
}

std::string_view FullMoonName(int month) {
    static constexpr std::string_view names[12] = {
        "Full (Wolf) Moon",     "Full (Snow) Moon",     "Full (Worm) Moon",
        "Full (Pink) Moon",     "Full (Flower) Moon",   "Full (Strawberry) Moon",
        "Full (Buck) Moon",     "Full (Sturgeon) Moon", "Full (Harvest) Moon",
        "Full (Hunter's) Moon", "Full (Beaver) Moon",   "Full (Cold) Moon"};
    if (month < 1 || month > 12) return "Full Moon";
    return names[month - 1];
}

namespace {

// Quarter-step lunation number k of the principal phase at or before `instant` (UT), so that
// PhaseInstantUT(k) <= instant < PhaseInstantUT(k + 0.25): the instants the phase list shows.
double PhaseAtOrBefore(JulianDay instant) {
    double k = std::floor(LunationEstimate(instant, JulianToDate(instant).Year) * 4) / 4;
    // The estimate is within a few quarters even far from 2000; the walks are bounded.
    for (int i = 0; i < 64 && PhaseInstantUT(k) > instant; ++i)
        k -= 0.25;
    for (int i = 0; i < 64 && PhaseInstantUT(k + 0.25) <= instant; ++i)
        k += 0.25;
    return k;
}

// 0 new, 1 first quarter, 2 full, 3 last quarter, for negative k too.
int QuarterOf(double k) {
    const double q = (k - std::floor(k)) * 4;
    return static_cast<int>(std::lround(q)) % 4;
}

// A full moon is named by the month of its own local instant; the second full moon of a local
// calendar month is the blue moon.
std::string_view FullMoonNameOf(double k, const Observer& observer) {
    const double zone = observer.ZoneOffsetMinutes / 1440.0;
    const DateTimeRec own = JulianToDate(PhaseInstantUT(k) + zone);
    const DateTimeRec previous = JulianToDate(PhaseInstantUT(k - 1) + zone);
    if (previous.Month == own.Month && previous.Year == own.Year) return "Full (Blue) Moon";
    return FullMoonName(own.Month);
}

std::string_view PrincipalPhaseName(double k, const Observer& observer) {
    static constexpr std::string_view names[4] = {"New Moon", "First Quarter", "", "Last Quarter"};
    const int q = QuarterOf(k);
    return q == 2 ? FullMoonNameOf(k, observer) : names[q];
}

} // namespace

std::string_view PhaseNameAt(JulianDay instant, const Observer& observer) {
    const double k = PhaseAtOrBefore(instant);
    if (instant - PhaseInstantUT(k) <= PrincipalPhaseWindowDays)
        return PrincipalPhaseName(k, observer);
    if (PhaseInstantUT(k + 0.25) - instant <= PrincipalPhaseWindowDays)
        return PrincipalPhaseName(k + 0.25, observer);
    static constexpr std::string_view between[4] = {"Waxing Crescent", "Waxing Gibbous",
                                                    "Waning Gibbous", "Waning Crescent"};
    return between[QuarterOf(k)];
}

} // namespace astro
