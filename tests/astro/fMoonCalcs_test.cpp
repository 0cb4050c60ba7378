// SPDX-License-Identifier: GPL-3.0-or-later
// The Moon's position against Meeus' worked example (ch. 47), the topocentric correction, and
// the whole routine over two centuries: finite values in range and no allocation.
#include "../../bench/allocation_count.h"

#include "TestObservers.h"
#include "astro/fMoonCalcs.h"
#include "astro/fSidereal.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace astro;

namespace {

using astrotest::At;

} // namespace

TEST(MoonPosition, MeeusExample1992April12) {
    // The example's instant is 0h dynamical time; the routine takes UT.
    const JulianDay ut = 2448724.5 - DeltaTDays(2448724.5);
    const MoonAndSun r = MoonPosition(ut, Observer{});
    const MoonRec& m = r.Moon;
    EXPECT_NEAR(RadToDeg(m.EclipticLongitude), 133.162655, 0.5e-6);
    EXPECT_NEAR(RadToDeg(m.EclipticLatitude), -3.229126, 0.5e-6);
    EXPECT_NEAR(m.DistanceKm, 368409.7, 0.05);
    EXPECT_NEAR(m.Parallax, 0.991990, 0.5e-6);
    EXPECT_NEAR(RadToDeg(m.ApparentLongitude), 133.167264, 0.5e-6);
    EXPECT_NEAR(m.Equatorial.RightAscension, 134.688469, 0.5e-6);
    EXPECT_NEAR(m.Equatorial.Declination, 13.768367, 0.5e-6);
    // The phase of that night (Meeus ch. 48): i = 69.0756 deg, 68 % lit, bright limb at 285.0 deg.
    EXPECT_NEAR(m.PhaseAngle, 69.0756, 0.00005);
    EXPECT_EQ(m.IlluminatedPercent, 68);
    EXPECT_NEAR(m.BrightLimbAngle, 285.0, 0.05);
    // The Sun of the same instant comes back with it.
    EXPECT_DOUBLE_EQ(r.Sun.Longitude, SunPosition(ut, Observer{}).Longitude);
}

TEST(MoonPosition, TopocentricCorrection) {
    // Seen from the equator with the Moon at the horizon, the parallax shifts it by about its
    // full horizontal parallax; on the meridian overhead by nothing.
    const JulianDay jd = 2448724.5;
    const MoonRec geo = MoonPosition(jd, Observer{}).Moon;
    const double theta = MeanSiderealTime(jd);
    // Observer whose meridian holds the Moon (hour angle 0), and one that sees it setting.
    Observer onMeridian = At(geo.Equatorial.Declination, theta - geo.Equatorial.RightAscension);
    const MoonRec overhead = MoonPosition(jd, onMeridian).Moon;
    EXPECT_NEAR(overhead.Altitude, 90, 0.01);
    EXPECT_NEAR(overhead.Topocentric.RightAscension, overhead.Equatorial.RightAscension, 1e-6);
    EXPECT_NEAR(overhead.Topocentric.Declination, overhead.Equatorial.Declination, 0.01);
    // The semidiameter grows toward the zenith (the observer is nearer the Moon).
    Observer setting = At(0, theta - geo.Equatorial.RightAscension - 90);
    const MoonRec low = MoonPosition(jd, setting).Moon;
    EXPECT_GT(overhead.SemiDiameter, low.SemiDiameter);
    EXPECT_NEAR(overhead.SemiDiameter - low.SemiDiameter, low.SemiDiameter / 60, 0.0005);
    // Setting in the west, the parallax lowers the Moon toward the horizon: its topocentric right
    // ascension is smaller by about the parallax.
    const double shift = low.Equatorial.RightAscension - low.Topocentric.RightAscension;
    EXPECT_NEAR(shift * std::cos(DegToRad(low.Equatorial.Declination)), low.Parallax, 0.03);
}

TEST(MoonPosition, TopocentricRightAscensionNearZeroHoursMayGoNegative) {
    // Find an instant of March 2024 when the geocentric right ascension is just above 0.
    JulianDay lo = 0, hi = 0;
    for (JulianDay jd = 2460370.5; jd < 2460400.5; jd += 0.25) {
        const double a = MoonPosition(jd, Observer{}).Moon.Equatorial.RightAscension;
        const double b = MoonPosition(jd + 0.25, Observer{}).Moon.Equatorial.RightAscension;
        if (a > 300 && b < 60) {
            lo = jd;
            hi = jd + 0.25;
            break;
        }
    }
    ASSERT_GT(hi, 0);
    for (int k = 0; k < 60; ++k) {
        const JulianDay mid = (lo + hi) / 2;
        const double ra = MoonPosition(mid, Observer{}).Moon.Equatorial.RightAscension;
        (ra > 180 ? lo : hi) = mid;
    }
    const JulianDay jd = hi + 0.002; // a few arcminutes past 0h
    const MoonRec geo = MoonPosition(jd, Observer{}).Moon;
    ASSERT_GT(geo.Equatorial.RightAscension, 0);
    ASSERT_LT(geo.Equatorial.RightAscension, 0.2);
    // An observer that sees the Moon in the west: the parallax pulls it back past 0h.
    const Observer west = At(0, MeanSiderealTime(jd) - geo.Equatorial.RightAscension - 60);
    const MoonRec topo = MoonPosition(jd, west).Moon;
    EXPECT_LT(topo.Topocentric.RightAscension, 0);
    EXPECT_GT(topo.Topocentric.RightAscension, -1);
    // The text shows the hour of the circle: 23h 5xm, no sign.
    EXPECT_EQ(topo.Topocentric.RightAscensionText.Sign, " ");
    EXPECT_EQ(topo.Topocentric.RightAscensionText.Whole, "23");
    EXPECT_EQ(topo.Equatorial.RightAscensionText.Whole, "00");
}

TEST(MoonPosition, TwoCenturiesGiveFiniteValuesInRange) {
    // Every 13th hour from 1900 to 2100 (all hours of the day come round), four observers.
    const Observer observers[] = {At(0, 0), At(51.5, 0.1), At(-45, -170), At(89.99, 120)};
    const JulianDay first = 2415020.5;
    const JulianDay last = 2488069.5;
    long long n = 0;
    for (JulianDay jd = first; jd < last; jd += 13.0 / 24, ++n) {
        const MoonAndSun r = MoonPosition(jd, observers[n % 4]);
        const MoonRec& m = r.Moon;
        const double values[] = {m.EclipticLatitude,
                                 m.EclipticLongitude,
                                 m.ApparentLongitude,
                                 m.DistanceKm,
                                 m.Parallax,
                                 m.Altitude,
                                 m.Azimuth,
                                 m.SemiDiameter,
                                 m.BrightLimbAngle,
                                 m.PhaseAngle,
                                 m.Equatorial.RightAscension,
                                 m.Topocentric.RightAscension,
                                 m.Topocentric.Declination,
                                 m.LibrationLatitude,
                                 m.LibrationLongitude,
                                 m.AxisPositionAngle,
                                 m.Colongitude,
                                 m.SunSelenographicLatitude,
                                 r.Sun.Altitude,
                                 r.Sun.Azimuth};
        bool finite = true;
        for (double v : values)
            finite = finite && std::isfinite(v);
        ASSERT_TRUE(finite) << "jd " << jd;
        ASSERT_GE(m.IlluminatedPercent, 0) << jd;
        ASSERT_LE(m.IlluminatedPercent, 100) << jd;
        ASSERT_GE(m.Colongitude, 0) << jd;
        ASSERT_LE(m.Colongitude, 360) << jd;
        ASSERT_GE(m.PhaseAngle, 0) << jd;
        ASSERT_LE(m.PhaseAngle, 180) << jd;
        ASSERT_GE(m.EclipticLongitude, 0) << jd;
        ASSERT_LE(m.EclipticLongitude, 2 * Pi) << jd;
        ASSERT_NEAR(m.DistanceKm, 384400, 30000) << jd;
    }
    EXPECT_GT(n, 130000);
}

TEST(MoonPosition, AllocatesNothing) {
    const Observer observer = At(48.2, -16.4);
    MoonAndSun warm = MoonPosition(2460000.5, observer);
    const long long before = bench::allocations.load();
    for (int k = 0; k < 200; ++k)
        warm = MoonPosition(2460000.5 + k * 0.37, observer);
    EXPECT_EQ(bench::allocations.load() - before, 0);
    EXPECT_TRUE(std::isfinite(warm.Moon.DistanceKm));
}
