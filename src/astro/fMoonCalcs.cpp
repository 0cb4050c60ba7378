// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/fMoonCalcs.h"
#include "astro/fMoonPlace.h"

#include "astro/fMoonPhysical.h"
#include "astro/fSidereal.h"
#include "astro/fVectorState.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace astro {

namespace {

// ---------------------------------------------------------------------------------------------
// Nutation (Meeus ch. 22)
// ---------------------------------------------------------------------------------------------

// One row of the IAU 1980 nutation series: multipliers of D, M, M', F, Omega, then the sine
// amplitude of the nutation in longitude and the cosine amplitude of the nutation in obliquity,
// each a constant and a T-coefficient, in 0.0001 arcsecond.
struct NutationTerm {
    int d, m, mp, f, om;
    double psi0, psi1, eps0, eps1;
};

// Meeus table 22.A, row for row.
// clang-format off
constexpr NutationTerm kNutationTerms[] = {
    {0, 0, 0, 0, 1, -171996, -174.2, 92025, 8.9},
    {-2, 0, 0, 2, 2, -13187, -1.6, 5736, -3.1},
    {0, 0, 0, 2, 2, -2274, -0.2, 977, -0.5},
    {0, 0, 0, 0, 2, 2062, 0.2, -895, 0.5},
    {0, 1, 0, 0, 0, 1426, -3.4, 54, -0.1},
    {0, 0, 1, 0, 0, 712, 0.1, -7, 0},
    {-2, 1, 0, 2, 2, -517, 1.2, 224, -0.6},
    {0, 0, 0, 2, 1, -386, -0.4, 200, 0},
    {0, 0, 1, 2, 2, -301, 0, 129, -0.1},
    {-2, -1, 0, 2, 2, 217, -0.5, -95, 0.3},
    {-2, 0, 1, 0, 0, -158, 0, 0, 0},
    {-2, 0, 0, 2, 1, 129, 0.1, -70, 0},
    {0, 0, -1, 2, 2, 123, 0, -53, 0},
    {2, 0, 0, 0, 0, 63, 0, 0, 0},
    {0, 0, 1, 0, 1, 63, 0.1, -33, 0},
    {2, 0, -1, 2, 2, -59, 0, 26, 0},
    {0, 0, -1, 0, 1, -58, -0.1, 32, 0},
    {0, 0, 1, 2, 1, -51, 0, 27, 0},
    {-2, 0, 2, 0, 0, 48, 0, 0, 0},
    {0, 0, -2, 2, 1, 46, 0, -24, 0},
    {2, 0, 0, 2, 2, -38, 0, 16, 0},
    {0, 0, 2, 2, 2, -31, 0, 13, 0},
    {0, 0, 2, 0, 0, 29, 0, 0, 0},
    {-2, 0, 1, 2, 2, 29, 0, -12, 0},
    {0, 0, 0, 2, 0, 26, 0, 0, 0},
    {-2, 0, 0, 2, 0, -22, 0, 0, 0},
    {0, 0, -1, 2, 1, 21, 0, -10, 0},
    {0, 2, 0, 0, 0, 17, -0.1, 0, 0},
    {2, 0, -1, 0, 1, 16, 0, -8, 0},
    {-2, 2, 0, 2, 2, -16, 0.1, 7, 0},
    {0, 1, 0, 0, 1, -15, 0, 9, 0},
    {-2, 0, 1, 0, 1, -13, 0, 7, 0},
    {0, -1, 0, 0, 1, -12, 0, 6, 0},
    {0, 0, 2, -2, 0, 11, 0, 0, 0},
    {2, 0, -1, 2, 1, -10, 0, 5, 0},
    {2, 0, 1, 2, 2, -8, 0, 3, 0},
    {0, 1, 0, 2, 2, 7, 0, -3, 0},
    {-2, 1, 1, 0, 0, -7, 0, 0, 0},
    {0, -1, 0, 2, 2, -7, 0, 3, 0},
    {2, 0, 0, 2, 1, -7, 0, 3, 0},
    {2, 0, 1, 0, 0, 6, 0, 0, 0},
    {-2, 0, 2, 2, 2, 6, 0, -3, 0},
    {-2, 0, 1, 2, 1, 6, 0, -3, 0},
    {2, 0, -2, 0, 1, -6, 0, 3, 0},
    {2, 0, 0, 0, 1, -6, 0, 3, 0},
    {0, -1, 1, 0, 0, 5, 0, 0, 0},
    {-2, -1, 0, 2, 1, -5, 0, 3, 0},
    {-2, 0, 0, 0, 1, -5, 0, 3, 0},
    {0, 0, 2, 2, 1, -5, 0, 3, 0},
    {-2, 0, 2, 0, 1, 4, 0, 0, 0},
    {-2, 1, 0, 2, 1, 4, 0, 0, 0},
    {0, 0, 1, -2, 0, 4, 0, 0, 0},
    {-1, 0, 1, 0, 0, -4, 0, 0, 0},
    {-2, 1, 0, 0, 0, -4, 0, 0, 0},
    {1, 0, 0, 0, 0, -4, 0, 0, 0},
    {0, 0, 1, 2, 0, 3, 0, 0, 0},
    {0, 0, -2, 2, 2, -3, 0, 0, 0},
    {-1, -1, 1, 0, 0, -3, 0, 0, 0},
    {0, 1, 1, 0, 0, -3, 0, 0, 0},
    {0, -1, 1, 2, 2, -3, 0, 0, 0},
    {2, -1, -1, 2, 2, -3, 0, 0, 0},
    {0, 0, 3, 2, 2, -3, 0, 0, 0},
    {2, -1, 0, 2, 2, -3, 0, 0, 0},
};
// clang-format on
static_assert(std::size(kNutationTerms) == 63);

// ---------------------------------------------------------------------------------------------
// The Moon's periodic terms (Meeus ch. 47)
// ---------------------------------------------------------------------------------------------

// Meeus table 47.A: multipliers of D, M, M', F; longitude coefficient in 1e-6 degree; distance
// coefficient in 0.001 km.
struct MoonLonDistTerm {
    int d, m, mp, f;
    double l, r;
};

// clang-format off
constexpr MoonLonDistTerm kMoonLonDist[] = {
    {0, 0, 1, 0, 6288774, -20905355},
    {2, 0, -1, 0, 1274027, -3699111},
    {2, 0, 0, 0, 658314, -2955968},
    {0, 0, 2, 0, 213618, -569925},
    {0, 1, 0, 0, -185116, 48888},
    {0, 0, 0, 2, -114332, -3149},
    {2, 0, -2, 0, 58793, 246158},
    {2, -1, -1, 0, 57066, -152138},
    {2, 0, 1, 0, 53322, -170733},
    {2, -1, 0, 0, 45758, -204586},
    {0, 1, -1, 0, -40923, -129620},
    {1, 0, 0, 0, -34720, 108743},
    {0, 1, 1, 0, -30383, 104755},
    {2, 0, 0, -2, 15327, 10321},
    {0, 0, 1, 2, -12528, 0},
    {0, 0, 1, -2, 10980, 79661},
    {4, 0, -1, 0, 10675, -34782},
    {0, 0, 3, 0, 10034, -23210},
    {4, 0, -2, 0, 8548, -21636},
    {2, 1, -1, 0, -7888, 24208},
    {2, 1, 0, 0, -6766, 30824},
    {1, 0, -1, 0, -5163, -8379},
    {1, 1, 0, 0, 4987, -16675},
    {2, -1, 1, 0, 4036, -12831},
    {2, 0, 2, 0, 3994, -10445},
    {4, 0, 0, 0, 3861, -11650},
    {2, 0, -3, 0, 3665, 14403},
    {0, 1, -2, 0, -2689, -7003},
    {2, 0, -1, 2, -2602, 0},
    {2, -1, -2, 0, 2390, 10056},
    {1, 0, 1, 0, -2348, 6322},
    {2, -2, 0, 0, 2236, -9884},
    {0, 1, 2, 0, -2120, 5751},
    {0, 2, 0, 0, -2069, 0},
    {2, -2, -1, 0, 2048, -4950},
    {2, 0, 1, -2, -1773, 4130},
    {2, 0, 0, 2, -1595, 0},
    {4, -1, -1, 0, 1215, -3958},
    {0, 0, 2, 2, -1110, 0},
    {3, 0, -1, 0, -892, 3258},
    {2, 1, 1, 0, -810, 2616},
    {4, -1, -2, 0, 759, -1897},
    {0, 2, -1, 0, -713, -2117},
    {2, 2, -1, 0, -700, 2354},
    {2, 1, -2, 0, 691, 0},
    {2, -1, 0, -2, 596, 0},
    {4, 0, 1, 0, 549, -1423},
    {0, 0, 4, 0, 537, -1117},
    {4, -1, 0, 0, 520, -1571},
    {1, 0, -2, 0, -487, -1739},
    {2, 1, 0, -2, -399, 0},
    {0, 0, 2, -2, -381, -4421},
    {1, 1, 1, 0, 351, 0},
    {3, 0, -2, 0, -340, 0},
    {4, 0, -3, 0, 330, 0},
    {2, -1, 2, 0, 327, 0},
    {0, 2, 1, 0, -323, 1165},
    {1, 1, -1, 0, 299, 0},
    {2, 0, 3, 0, 294, 0},
    {2, 0, -1, -2, 0, 8752},
};
// clang-format on
static_assert(std::size(kMoonLonDist) == 60);

// Meeus table 47.B: multipliers of D, M, M', F; latitude coefficient in 1e-6 degree.
struct MoonLatTerm {
    int d, m, mp, f;
    double b;
};

// clang-format off
constexpr MoonLatTerm kMoonLat[] = {
    {0, 0, 0, 1, 5128122},
    {0, 0, 1, 1, 280602},
    {0, 0, 1, -1, 277693},
    {2, 0, 0, -1, 173237},
    {2, 0, -1, 1, 55413},
    {2, 0, -1, -1, 46271},
    {2, 0, 0, 1, 32573},
    {0, 0, 2, 1, 17198},
    {2, 0, 1, -1, 9266},
    {0, 0, 2, -1, 8822},
    {2, -1, 0, -1, 8216},
    {2, 0, -2, -1, 4324},
    {2, 0, 1, 1, 4200},
    {2, 1, 0, -1, -3359},
    {2, -1, -1, 1, 2463},
    {2, -1, 0, 1, 2211},
    {2, -1, -1, -1, 2065},
    {0, 1, -1, -1, -1870},
    {4, 0, -1, -1, 1828},
    {0, 1, 0, 1, -1794},
    {0, 0, 0, 3, -1749},
    {0, 1, -1, 1, -1565},
    {1, 0, 0, 1, -1491},
    {0, 1, 1, 1, -1475},
    {0, 1, 1, -1, -1410},
    {0, 1, 0, -1, -1344},
    {1, 0, 0, -1, -1335},
    {0, 0, 3, 1, 1107},
    {4, 0, 0, -1, 1021},
    {4, 0, -1, 1, 833},
    {0, 0, 1, -3, 777},
    {4, 0, -2, 1, 671},
    {2, 0, 0, -3, 607},
    {2, 0, 2, -1, 596},
    {2, -1, 1, -1, 491},
    {2, 0, -2, 1, -451},
    {0, 0, 3, -1, 439},
    {2, 0, 2, 1, 422},
    {2, 0, -3, -1, 421},
    {2, 1, -1, 1, -366},
    {2, 1, 0, 1, -351},
    {4, 0, 0, 1, 331},
    {2, -1, 1, 1, 315},
    {2, -2, 0, -1, 302},
    {0, 0, 1, 3, -283},
    {2, 1, 1, -1, -229},
    {1, 1, 0, -1, 223},
    {1, 1, 0, 1, 223},
    {0, 1, -2, -1, -220},
    {2, 1, -1, -1, -220},
    {1, 0, 1, 1, -185},
    {2, -1, -2, -1, 181},
    {0, 1, 2, 1, -177},
    {4, 0, -2, -1, 176},
    {4, -1, -1, -1, 166},
    {1, 0, 1, -1, -164},
    {4, 0, 1, -1, 132},
    {1, 0, -1, -1, -119},
    {4, -1, 0, -1, 115},
    {2, -2, 0, 1, 107},
};
// clang-format on
static_assert(std::size(kMoonLat) == 60);

// Height of the observer above sea level and the Earth's equatorial radius, metres; the ratio of
// the polar to the equatorial radius (Meeus ch. 11).
constexpr double kObserverHeightM = 75;
constexpr double kEarthRadiusM = 6378140;
constexpr double kPolarAxisRatio = 0.99664719;

// Ratio of the Moon's radius to the Earth's equatorial radius (Meeus ch. 55).
constexpr double kMoonRadiusRatio = 0.272481;

// Degrees to radians after bringing the angle into 0..360.
double ReducedRad(double deg) {
    return DegToRad(ReduceDegrees(deg));
}

// Arcsine and arccosine that tolerate an argument a rounding step outside -1..1.
double SafeAsin(double x) {
    return std::asin(std::clamp(x, -1.0, 1.0));
}

// The eccentricity factor for a term with Sun's-anomaly multiplier m (E, E^2 or 1).
double EccentricityScale(int m, double e) {
    const int n = m < 0 ? -m : m;
    if (n == 1) return e;
    if (n == 2) return e * e;
    return 1;
}

// Fundamental arguments of the Moon's theory, radians (Meeus 47.1 .. 47.6), with the powers of T.
MoonArguments ComputeMoonArguments(JulianDay jd) {
    MoonArguments a;
    a.T = JulianCenturies(jd);
    const double t = a.T;
    const double t2 = t * t;
    const double t3 = t * t2;
    const double t4 = t * t3;
    a.T2 = t2;
    a.T3 = t3;
    a.T4 = t4;
    a.Lp = ReducedRad(218.3164477 + 481267.88123421 * t - 0.0015786 * t2 + t3 / 538841 -
                      t4 / 65194000);
    a.D = ReducedRad(297.8501921 + 445267.1114034 * t - 0.0018819 * t2 + t3 / 545868 -
                     t4 / 113065000);
    a.M = ReducedRad(357.5291092 + 35999.0502909 * t - 0.0001536 * t2 + t3 / 24490000);
    a.Mp =
        ReducedRad(134.9633964 + 477198.8675055 * t + 0.0087414 * t2 + t3 / 69699 - t4 / 14712000);
    a.F = ReducedRad(93.2720950 + 483202.0175233 * t - 0.0036539 * t2 - t3 / 3526000 +
                     t4 / 863310000);
    a.A1 = ReducedRad(119.75 + 131.849 * t);
    a.A2 = ReducedRad(53.09 + 479264.29 * t);
    a.A3 = ReducedRad(313.45 + 481266.484 * t);
    a.E = 1 - 0.002516 * t - 0.0000074 * t2;
    return a;
}

// Sums of the periodic terms, with the additive terms of Venus, Jupiter and the Earth's
// flattening: longitude and latitude in 1e-6 degree, distance in 0.001 km.
struct MoonSums {
    double l = 0, r = 0, b = 0;
};

MoonSums SumMoonTerms(const MoonArguments& a) {
    MoonSums s;
    for (std::size_t k = 0; k < std::size(kMoonLonDist); ++k) {
        const MoonLonDistTerm& row = kMoonLonDist[k];
        const double arg = row.d * a.D + row.m * a.M + row.mp * a.Mp + row.f * a.F;
        const double scale = EccentricityScale(row.m, a.E);
        s.l += std::sin(arg) * row.l * scale;
        s.r += std::cos(arg) * row.r * scale;

        const MoonLatTerm& lat = kMoonLat[k];
        const double argB = lat.d * a.D + lat.m * a.M + lat.mp * a.Mp + lat.f * a.F;
        s.b += std::sin(argB) * lat.b * EccentricityScale(lat.m, a.E);
    }
    s.l += 3958 * std::sin(a.A1) + 1962 * std::sin(a.Lp - a.F) + 318 * std::sin(a.A2);
    s.b += -2235 * std::sin(a.Lp) + 382 * std::sin(a.A3) + 175 * std::sin(a.A1 - a.F) +
           175 * std::sin(a.A1 + a.F) + 127 * std::sin(a.Lp - a.Mp) - 115 * std::sin(a.Lp + a.Mp);
    return s;
}

// The observer's geocentric place: rho sin phi' and rho cos phi' (Meeus ch. 11).
struct GeocentricPlace {
    double rhoSinPhi = 0, rhoCosPhi = 0;
};

GeocentricPlace ObserverPlace(double latitudeRad) {
    const double u = std::atan2(kPolarAxisRatio * std::tan(latitudeRad), 1.0);
    const double h = kObserverHeightM / kEarthRadiusM;
    return {kPolarAxisRatio * std::sin(u) + h * std::sin(latitudeRad),
            std::cos(u) + h * std::cos(latitudeRad)};
}

EquatorialRec MakeEquatorial(double raDeg, double decDeg) {
    EquatorialRec e;
    e.RightAscensionText = HoursToDms(raDeg / 15);
    e.DeclinationText = DecimalToDms(decDeg);
    e.RightAscension = raDeg;
    e.Declination = decDeg;
    return e;
}

// Topocentric right ascension and declination (Meeus 40.2, 40.3) from the geocentric ones and the
// hour angle, all degrees; the right ascension is left unreduced.
EquatorialRec TopocentricPosition(const EquatorialRec& geo, double hourAngleDeg, double parallaxDeg,
                                  const GeocentricPlace& place) {
    const double dec = DegToRad(geo.Declination);
    const double h = DegToRad(hourAngleDeg);
    const double sinPi = std::sin(DegToRad(parallaxDeg));
    const double denom = std::cos(dec) - place.rhoCosPhi * sinPi * std::cos(h);
    const double dAlpha = std::atan2(-place.rhoCosPhi * sinPi * std::sin(h), denom);
    const double decTopo =
        std::atan2((std::sin(dec) - place.rhoSinPhi * sinPi) * std::cos(dAlpha), denom);
    return MakeEquatorial(geo.RightAscension + RadToDeg(dAlpha), RadToDeg(decTopo));
}

// Topocentric semidiameter (Meeus ch. 55 with the observer's place of ch. 40), degrees.
double TopocentricSemiDiameter(double decDeg, double hourAngleDeg, double parallaxDeg,
                               const GeocentricPlace& place) {
    const double dec = DegToRad(decDeg);
    const double h = DegToRad(hourAngleDeg);
    const double sinPi = std::sin(DegToRad(parallaxDeg));
    const double x = std::cos(dec) * std::sin(h);
    const double y = std::cos(dec) * std::cos(h) - place.rhoCosPhi * sinPi;
    const double z = std::sin(dec) - place.rhoSinPhi * sinPi;
    const double q = std::sqrt(x * x + y * y + z * z);
    return RadToDeg(SafeAsin(kMoonRadiusRatio * sinPi / q));
}

} // namespace

NutationRec Nutation(JulianDay jd) {
    const double t = JulianCenturies(jd);
    const double t2 = t * t;
    const double t3 = t * t2;
    const double d = ReducedRad(297.85036 + 445267.11148 * t - 0.0019142 * t2 + t3 / 189474);
    const double m = ReducedRad(357.52772 + 35999.05034 * t - 0.0001603 * t2 - t3 / 300000);
    const double mp = ReducedRad(134.96298 + 477198.867398 * t + 0.0086972 * t2 + t3 / 56250);
    const double f = ReducedRad(93.27191 + 483202.017538 * t - 0.0036825 * t2 + t3 / 327270);
    const double om = ReducedRad(125.04452 - 1934.136261 * t + 0.0020708 * t2 + t3 / 450000);

    double psi = 0;
    double eps = 0;
    for (const NutationTerm& row : kNutationTerms) {
        const double a = row.d * d + row.m * m + row.mp * mp + row.f * f + row.om * om;
        psi += std::sin(a) * (row.psi0 + row.psi1 * t);
        eps += std::cos(a) * (row.eps0 + row.eps1 * t);
    }
    return {psi / 10000, eps / 10000};
}

double MeanObliquity(JulianDay jd) {
    const double u = JulianCenturies(jd) / 100;
    double p[11];
    p[0] = 1;
    for (int k = 1; k <= 10; ++k)
        p[k] = p[k - 1] * u;
    const double arcsec = -4680.93 * p[1] - 1.55 * p[2] + 1999.25 * p[3] - 51.38 * p[4] -
                          249.67 * p[5] - 39.05 * p[6] + 7.12 * p[7] + 27.87 * p[8] + 5.79 * p[9] +
                          2.45 * p[10];
    return 23.4392911111111111 + arcsec / 3600;
}

double TrueObliquity(JulianDay jd, NutationRec& nutation) {
    nutation = Nutation(jd);
    return DegToRad(MeanObliquity(jd) + nutation.DeltaEpsilon / 3600);
}

double TrueObliquity(JulianDay jd) {
    NutationRec unused;
    return TrueObliquity(jd, unused);
}

EquatorialRec EclipticToEquatorial(double obliquity, double latitude, double longitude) {
    const double alpha = std::atan2(std::sin(longitude) * std::cos(obliquity) -
                                        std::tan(latitude) * std::sin(obliquity),
                                    std::cos(longitude));
    double raDeg = ReduceDegrees(RadToDeg(alpha));
    if (raDeg < 0) raDeg += 360;
    const double delta = SafeAsin(std::sin(latitude) * std::cos(obliquity) +
                                  std::cos(latitude) * std::sin(obliquity) * std::sin(longitude));
    return MakeEquatorial(raDeg, RadToDeg(delta));
}

MoonPlace MoonApparentPlace(JulianDay jd) {
    ReleaseUpperVectorState();
    const JulianDay jde = jd + DeltaTDays(jd);
    const MoonArguments args = ComputeMoonArguments(jde);
    const MoonSums sums = SumMoonTerms(args);
    NutationRec nutation;
    const double obliquity = TrueObliquity(jde, nutation);
    const double longitude = DegToRad(ReduceDegrees(RadToDeg(args.Lp) + sums.l / 1e6)) +
                             DegToRad(nutation.DeltaPsi / 3600);
    MoonPlace out;
    out.Equatorial = EclipticToEquatorial(obliquity, DegToRad(sums.b / 1e6), longitude);
    out.Parallax = RadToDeg(SafeAsin(6378.14 / (385000.56 + sums.r / 1000)));
    return out;
}

MoonAndSun MoonPosition(JulianDay jd, const Observer& observer) {
    ReleaseUpperVectorState();
    MoonAndSun out;
    MoonRec& moon = out.Moon;
    // The series run in dynamical time; the Earth's rotation in UT.
    const JulianDay jde = jd + DeltaTDays(jd);
    const MoonArguments args = ComputeMoonArguments(jde);
    const MoonSums sums = SumMoonTerms(args);

    NutationRec nutation;
    const double obliquity = TrueObliquity(jde, nutation);

    moon.EclipticLongitude = DegToRad(ReduceDegrees(RadToDeg(args.Lp) + sums.l / 1e6));
    moon.ApparentLongitude = moon.EclipticLongitude + DegToRad(nutation.DeltaPsi / 3600);
    moon.EclipticLatitude = DegToRad(sums.b / 1e6);
    moon.DistanceKm = 385000.56 + sums.r / 1000;
    moon.Parallax = RadToDeg(SafeAsin(6378.14 / moon.DistanceKm));
    moon.Equatorial =
        EclipticToEquatorial(obliquity, moon.EclipticLatitude, moon.ApparentLongitude);

    const GeocentricPlace place = ObserverPlace(observer.Latitude);
    const double hourAngle =
        HourAngle(MeanSiderealTime(jd), moon.Equatorial.RightAscension, observer);
    moon.Topocentric = TopocentricPosition(moon.Equatorial, hourAngle, moon.Parallax, place);

    const HorizontalRec horizontal =
        EquatorialToHorizontal(hourAngle, moon.Equatorial.Declination, observer);
    moon.Altitude = horizontal.Altitude;
    moon.Azimuth = horizontal.Azimuth;
    moon.SemiDiameter =
        TopocentricSemiDiameter(moon.Equatorial.Declination, hourAngle, moon.Parallax, place);

    out.Sun = SunPosition(jd, observer, obliquity, nutation.DeltaPsi);

    PhysicalEphemerisInput in;
    in.Args = args;
    in.DeltaPsi = nutation.DeltaPsi;
    in.Obliquity = obliquity;
    in.HourAngle = hourAngle;
    in.Latitude = observer.Latitude;
    FillPhysicalEphemeris(in, out.Sun, moon);
    return out;
}

} // namespace astro
