// SPDX-License-Identifier: GPL-3.0-or-later
// The Moon's physical ephemeris: phase, bright limb, librations, colongitude, and the sunrise
// and sunset search over a lunar feature.
#include "TestObservers.h"
#include "astro/fMoonPhysical.h"
#include "astro/fSidereal.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace astro;

namespace {

using astrotest::At;

// The Moon's elongation east of the Sun in apparent longitude, degrees 0..360.
double Elongation(JulianDay jd) {
    const MoonAndSun r = MoonPosition(jd, Observer{});
    return ReduceDegrees(RadToDeg(r.Moon.ApparentLongitude) - r.Sun.Longitude);
}

// First instant after `from` when the elongation reaches `target` (0, 90, 180, 270).
JulianDay NextPhase(JulianDay from, double target) {
    auto offset = [target](JulianDay jd) { return WrapTo180(Elongation(jd) - target); };
    JulianDay lo = from;
    for (int k = 0; k < 240; ++k, lo += 0.25) {
        if (offset(lo) < 0 && offset(lo + 0.25) >= 0) break;
    }
    JulianDay hi = lo + 0.25;
    for (int k = 0; k < 40; ++k) {
        const JulianDay mid = (lo + hi) / 2;
        (offset(mid) < 0 ? lo : hi) = mid;
    }
    return hi;
}

// Engine instant of a local civil time found by the feature search.
JulianDay InstantOf(const DateTimeRec& local, const Observer& observer) {
    return DateToJulian(local) - observer.ZoneOffsetMinutes / 1440.0;
}

// The Sun's altitude over a feature at an instant, and whether it is climbing.
double AltitudeOver(JulianDay jd, double lon, double lat, bool* rising = nullptr) {
    const MoonRec m = MoonPosition(jd, Observer{}).Moon;
    if (rising) *rising = std::cos(DegToRad(m.Colongitude + lon)) > 0;
    return SunAltitudeOverFeature(m.Colongitude, m.SunSelenographicLatitude, lon, lat);
}

// The instant within a few hours of `near` at which the Sun's altitude over the point changes
// sign, by bisection of the altitude alone.
JulianDay CrossingNear(JulianDay near, double lon, double lat) {
    JulianDay a = near - 0.2;
    JulianDay b = near + 0.2;
    const bool aboveAtA = AltitudeOver(a, lon, lat) > 0;
    for (int i = 0; i < 40; ++i) {
        const JulianDay mid = (a + b) / 2;
        ((AltitudeOver(mid, lon, lat) > 0) == aboveAtA ? a : b) = mid;
    }
    return (a + b) / 2;
}

} // namespace

TEST(PhysicalEphemeris, IlluminationAndOpticalLibrationRules) {
    EXPECT_EQ(IlluminatedPercentFor(0), 100);
    EXPECT_EQ(IlluminatedPercentFor(180), 0);
    EXPECT_EQ(IlluminatedPercentFor(90), 50);
    EXPECT_EQ(IlluminatedPercentFor(91.1), 49); // 49.04 rounds down, 49.5 would round up
    // A and F on either side of 0 give a small libration, not a near-full turn.
    EXPECT_DOUBLE_EQ(OpticalLibrationInLongitude(359, 2), -3);
    EXPECT_DOUBLE_EQ(OpticalLibrationInLongitude(2, 359), 3);
    EXPECT_DOUBLE_EQ(OpticalLibrationInLongitude(-1, 362), -3);
    // A feature under the Sun has it at the zenith.
    EXPECT_NEAR(SunAltitudeOverFeature(60, 0, 30, 0), 90, 1e-9);
    EXPECT_NEAR(SunAltitudeOverFeature(0, 0, 0, 0), 0, 1e-9);
}

TEST(PhysicalEphemeris, GeocentricLibrationsMatchMeeusExample) {
    // For an observer at the Earth's centre the topocentric terms vanish: an observer under the
    // Moon (hour angle 0, latitude = declination) sees the geocentric values of Meeus' example
    // 1992 April 12: l = -1.231, b = +4.200, P = 15.08, colongitude 22.11, b0 = 1.46.
    // The example is for 0h dynamical time; the routine takes UT.
    const JulianDay jd = 2448724.5 - DeltaTDays(2448724.5);
    const MoonRec geo = MoonPosition(jd, Observer{}).Moon;
    const Observer under =
        At(geo.Equatorial.Declination, MeanSiderealTime(jd) - geo.Equatorial.RightAscension);
    const MoonRec m = MoonPosition(jd, under).Moon;
    EXPECT_NEAR(m.LibrationLongitude, -1.231, 0.01);
    EXPECT_NEAR(m.LibrationLatitude, 4.200, 0.01);
    EXPECT_NEAR(m.AxisPositionAngle, 15.08, 0.01);
    EXPECT_NEAR(m.Colongitude, 22.11, 0.005);
    EXPECT_NEAR(RadToDeg(m.SunSelenographicLatitude), 1.46, 0.005);
}

TEST(PhysicalEphemeris, ColongitudeAndBrightLimbThroughARealMonth) {
    const JulianDay newMoon = NextPhase(2460340.5, 0); // February 2024
    const JulianDay firstQuarter = NextPhase(newMoon, 90);
    const JulianDay fullMoon = NextPhase(firstQuarter, 180);
    const JulianDay lastQuarter = NextPhase(fullMoon, 270);
    EXPECT_NEAR(lastQuarter - newMoon, 22.1, 1.5);

    auto colongitude = [](JulianDay jd) { return MoonPosition(jd, Observer{}).Moon.Colongitude; };
    EXPECT_NEAR(colongitude(newMoon), 270, 10);
    EXPECT_NEAR(WrapTo180(colongitude(firstQuarter)), 0, 10);
    EXPECT_NEAR(colongitude(fullMoon), 90, 10);
    EXPECT_NEAR(colongitude(lastQuarter), 180, 10);
    // About 12.19 degrees a day.
    EXPECT_NEAR(colongitude(fullMoon + 1) - colongitude(fullMoon), 12.19, 0.3);

    // Waxing in the evening sky: the bright limb faces west (270); waning: east (90).
    const MoonRec waxing = MoonPosition(firstQuarter - 2, At(50, 0)).Moon;
    const MoonRec waning = MoonPosition(lastQuarter + 2, At(50, 0)).Moon;
    EXPECT_NEAR(waxing.BrightLimbAngle, 270, 30);
    EXPECT_NEAR(waning.BrightLimbAngle, 90, 30);
    EXPECT_LT(MoonPosition(newMoon, Observer{}).Moon.IlluminatedPercent, 2);
    EXPECT_GT(MoonPosition(fullMoon, Observer{}).Moon.IlluminatedPercent, 98);
}

TEST(PhysicalEphemeris, LibrationsAndAxisStayInTheirRangesOverAYear) {
    const Observer observers[] = {At(50, 0), At(-35, -150), At(0, 75)};
    double maxL = 0, maxB = 0, maxP = 0;
    for (int hour = 0; hour < 366 * 24; ++hour) {
        const MoonRec m = MoonPosition(2460310.5 + hour / 24.0, observers[hour % 3]).Moon;
        maxL = std::max(maxL, std::fabs(m.LibrationLongitude));
        maxB = std::max(maxB, std::fabs(m.LibrationLatitude));
        maxP = std::max(maxP, std::fabs(m.AxisPositionAngle));
    }
    EXPECT_LE(maxL, 9);
    EXPECT_LE(maxB, 8);
    EXPECT_LE(maxP, 26);
    // and they do swing: the extremes are reached in a year
    EXPECT_GT(maxL, 6);
    EXPECT_GT(maxB, 6);
    EXPECT_GT(maxP, 18);
}

TEST(FeatureSunriseSunset, CentreOfTheDiscFollowsTheQuarters) {
    const JulianDay newMoon = NextPhase(2460340.5, 0);
    const JulianDay firstQuarter = NextPhase(newMoon, 90);
    const JulianDay lastQuarter = NextPhase(NextPhase(firstQuarter, 180), 270);
    const Observer utc{};

    // From new moon the Sun is down over 0,0: both searches step on to the coming lunar day.
    FeatureSunTimes t = FeatureSunriseSunset(newMoon, 0, 0, utc);
    ASSERT_TRUE(t.HasSunrise && t.HasSunset);
    EXPECT_NEAR(InstantOf(t.Sunrise, utc), firstQuarter, 1);
    EXPECT_NEAR(InstantOf(t.Sunset, utc), lastQuarter, 1);

    // From full moon the Sun is up: the sunrise found is the one that began this lunar day.
    const Observer zoned = At(0, 0, 120);
    t = FeatureSunriseSunset((firstQuarter + lastQuarter) / 2, 0, 0, zoned);
    ASSERT_TRUE(t.HasSunrise && t.HasSunset);
    EXPECT_NEAR(InstantOf(t.Sunrise, zoned), firstQuarter, 1);
    EXPECT_NEAR(InstantOf(t.Sunset, zoned), lastQuarter, 1);
    // The local times are the UT instants two hours on.
    const FeatureSunTimes utcTimes =
        FeatureSunriseSunset((firstQuarter + lastQuarter) / 2, 0, 0, utc);
    EXPECT_NEAR(DateToJulian(t.Sunrise) - DateToJulian(utcTimes.Sunrise), 2.0 / 24, 1e-5);
}

TEST(FeatureSunriseSunset, StartingAtSunriseStillFindsTheSunset) {
    // A start inside the horizon tolerance at sunrise must not report that sunrise as the sunset.
    const Observer utc{};
    const FeatureSunTimes first = FeatureSunriseSunset(2460340.5, -20, 10, utc);
    ASSERT_TRUE(first.HasSunrise);
    const JulianDay sunrise = InstantOf(first.Sunrise, utc);
    const FeatureSunTimes again = FeatureSunriseSunset(sunrise, -20, 10, utc);
    ASSERT_TRUE(again.HasSunrise && again.HasSunset);
    EXPECT_NEAR(InstantOf(again.Sunrise, utc), sunrise, 0.05);
    EXPECT_NEAR(InstantOf(again.Sunset, utc) - sunrise, 14.77, 1.0);
}

TEST(FeatureSunriseSunset, FoundTimesAreRealCrossingsAtEveryLatitude) {
    const Observer utc{};
    const double latitudes[] = {-90, -89.9, -80, -45, 0, 30, 75, 89.9, 90};
    const double twoMinutes = 2.0 / 1440;
    for (double lat : latitudes) {
        for (JulianDay start = 2460340.5; start < 2460370.5; start += 1.3) {
            const FeatureSunTimes t = FeatureSunriseSunset(start, 35, lat, utc);
            if (t.HasSunrise && t.HasSunset) {
                const JulianDay rise = InstantOf(t.Sunrise, utc);
                const JulianDay set = InstantOf(t.Sunset, utc);
                EXPECT_GT(set, rise) << lat << " " << start;
                EXPECT_LT(set - rise, 30) << lat << " " << start;
                if (std::fabs(lat) < 60) {
                    EXPECT_NEAR(rise, CrossingNear(rise, 35, lat), twoMinutes)
                        << lat << " " << start;
                    EXPECT_NEAR(set, CrossingNear(set, 35, lat), twoMinutes) << lat << " " << start;
                    // Day at the start: the sunrise began it; night: the next one comes.
                    EXPECT_EQ(rise <= start, AltitudeOver(start, 35, lat) > 0)
                        << lat << " " << start;
                }
            }
            if (t.HasSunrise) {
                bool rising = false;
                const double h = AltitudeOver(InstantOf(t.Sunrise, utc), 35, lat, &rising);
                EXPECT_LT(std::fabs(h), 0.26) << lat << " " << start;
                EXPECT_TRUE(rising || std::fabs(lat) > 89) << lat << " " << start;
            } else {
                EXPECT_EQ(t.Sunrise.Year, 0);
                EXPECT_EQ(t.Sunrise.Month, 0);
            }
            if (t.HasSunset) {
                bool rising = true;
                const double h = AltitudeOver(InstantOf(t.Sunset, utc), 35, lat, &rising);
                EXPECT_LT(std::fabs(h), 0.26) << lat << " " << start;
                EXPECT_TRUE(!rising || std::fabs(lat) > 89) << lat << " " << start;
            }
            if (std::fabs(lat) < 81) {
                EXPECT_TRUE(t.HasSunrise && t.HasSunset) << lat;
            }
            if (std::fabs(lat) == 90) {
                EXPECT_FALSE(t.HasSunrise || t.HasSunset) << lat;
            }
        }
    }
    // Archytas (58.7 N, 5.0 E) from 1 December 2026: the night falls just before the start; the
    // sunset is the one that ends the coming lunar day.
    const FeatureSunTimes archytas = FeatureSunriseSunset(2461375.5, 5.0, 58.7, utc);
    ASSERT_TRUE(archytas.HasSunrise && archytas.HasSunset);
    EXPECT_EQ(archytas.Sunrise.Day, 16);
    EXPECT_GT(InstantOf(archytas.Sunset, utc), InstantOf(archytas.Sunrise, utc));
    // Input the database should never hold gives no times rather than a crash or a hang.
    EXPECT_FALSE(FeatureSunriseSunset(2460340.5, 0, 120, utc).HasSunrise);
    EXPECT_FALSE(FeatureSunriseSunset(2460340.5, std::nan(""), 0, utc).HasSunset);
}
