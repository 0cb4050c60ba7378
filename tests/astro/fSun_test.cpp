// SPDX-License-Identifier: GPL-3.0-or-later
// Nutation, obliquity, the change of coordinates and the Sun's position against Meeus' worked
// examples (ch. 22 and 25), and the observer's sign conventions.
#include "TestObservers.h"
#include "astro/fMoonCalcs.h"
#include "astro/fRiseSet.h"

#include <gtest/gtest.h>

using namespace astro;

namespace {

using astrotest::At;

} // namespace

TEST(Nutation, MeeusExample1987April10) {
    const JulianDay jd = 2446895.5;
    NutationRec nutation;
    const double trueObliquity = RadToDeg(TrueObliquity(jd, nutation));
    EXPECT_NEAR(nutation.DeltaPsi, -3.788, 0.0005);
    EXPECT_NEAR(nutation.DeltaEpsilon, 9.443, 0.0005);
    EXPECT_NEAR(trueObliquity, 23.4435692, 0.5e-7);
    EXPECT_NEAR(MeanObliquity(jd), 23.4409463, 0.5e-7);
    // The plain overload agrees with the one that hands back the nutation.
    EXPECT_DOUBLE_EQ(TrueObliquity(jd), DegToRad(trueObliquity));
}

TEST(Nutation, MeanObliquityAtJ2000IsTheConstant) {
    EXPECT_DOUBLE_EQ(MeanObliquity(2451545.0), 23.4392911111111111);
}

TEST(EclipticToEquatorial, RightAscensionWrapsIntoOneTurn) {
    // With no obliquity the right ascension is the longitude: -0.001 deg must come back as 359.999.
    const EquatorialRec e = EclipticToEquatorial(0, 0, DegToRad(-0.001));
    EXPECT_NEAR(e.RightAscension, 359.999, 1e-9);
    EXPECT_NEAR(e.Declination, 0, 1e-12);

    // An ecliptic point at 90 deg longitude lies at 6h and at the full obliquity north.
    const double eps = DegToRad(23.44);
    const EquatorialRec q = EclipticToEquatorial(eps, 0, DegToRad(90));
    EXPECT_NEAR(q.RightAscension, 90, 1e-9);
    EXPECT_NEAR(q.Declination, 23.44, 1e-9);
    EXPECT_EQ(q.RightAscensionText.Whole, "06");
    EXPECT_EQ(q.DeclinationText.Whole, "23");
    EXPECT_EQ(q.DeclinationText.Minutes, "26");
}

TEST(SunPosition, MeeusExample1992October13) {
    // The example is for 0h dynamical time; the routine takes UT.
    const SunRec sun = SunPosition(2448908.5 - DeltaTDays(2448908.5), Observer{});
    EXPECT_NEAR(sun.Longitude, 199.906060, 0.5e-6);
    EXPECT_NEAR(sun.DistanceKm / 149597900, 0.99760775, 0.5e-8);
    EXPECT_NEAR(sun.DistanceKm, 149240025, 1.0);
    EXPECT_NEAR(sun.Equatorial.RightAscension, 198.378178, 0.5e-6);
    EXPECT_NEAR(sun.Equatorial.Declination, -7.783871, 0.5e-6);
    EXPECT_NEAR(sun.Latitude, 0.0002, 0.0001); // +0.72 arcsecond in the example
    EXPECT_EQ(sun.Equatorial.DeclinationText.Sign, EnDash);
}

TEST(SunPosition, AltitudeAndAzimuthFollowTheWestPositiveLongitude) {
    // 2024 March 20, 06:00 UT: local noon at 90 deg EAST (longitude -90 in the engine's sense).
    const JulianDay jd = 2460389.75;
    const SunRec east = SunPosition(jd, At(40, -90));
    EXPECT_NEAR(east.Altitude, 50, 1.5);
    EXPECT_NEAR(east.Azimuth, 180, 5);

    // The same instant at 90 deg WEST is local midnight.
    const SunRec west = SunPosition(jd, At(40, 90));
    EXPECT_NEAR(west.Altitude, -50, 1.5);
    EXPECT_TRUE(west.Azimuth < 5 || west.Azimuth > 355) << west.Azimuth;

    // At Greenwich the Sun is then in the east, rising.
    const SunRec greenwich = SunPosition(jd, At(51.48, 0));
    EXPECT_NEAR(greenwich.Azimuth, 90, 5);
    EXPECT_NEAR(greenwich.Altitude, 0, 2);
}
