// SPDX-License-Identifier: GPL-3.0-or-later
// The planner: the Sun's altitude over a feature against an independent ephemeris, its sunrise
// crossing, and the good-night windows against their three conditions.
#include "TestObservers.h"
#include "astro/fLunarPlanner.h"
#include "astro/fSidereal.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace astro;

namespace {

using astrotest::AtEast;

struct Reference {
    double Jd, Longitude, Latitude, SunAltitude, Colongitude, SunLatitude;
};
const Reference kReference[] = {
#include "sun_over_feature_reference.inc"
};

// The Sun's altitude over a feature at a UT instant, from the full position.
double AltitudeOver(JulianDay jd, double lon, double lat) {
    return FeatureLightingAt(MoonPosition(jd, Observer{}).Moon, lon, lat).SunAltitude;
}

TEST(SunOverFeature, AgreesWithAnIndependentEphemerisWithinATenthOfADegree) {
    for (const Reference& r : kReference) {
        SCOPED_TRACE(testing::Message()
                     << "JD " << r.Jd << " at " << r.Longitude << ", " << r.Latitude);
        EXPECT_NEAR(AltitudeOver(r.Jd, r.Longitude, r.Latitude), r.SunAltitude, 0.1);
    }
}

TEST(SunOverFeature, CrossesTheHorizonAtTheListedSunriseAndSideFollowsTheRate) {
    // Copernicus, Plato, Langrenus, a limb feature at 67 degrees south: the sunrise the
    // features list shows (zone UT, so the local time is UT).
    const double features[][2] = {{-20.08, 9.62}, {-9.38, 51.62}, {60.93, -8.86}, {-50, -67}};
    const JulianDay start = DateToJulian(DateTimeRec{1, 9, 2026, 0, 0, 0, 0, 0});
    for (const auto& f : features) {
        SCOPED_TRACE(testing::Message() << f[0] << ", " << f[1]);
        const FeatureSunTimes t = FeatureSunriseSunset(start, f[0], f[1], Observer{});
        ASSERT_TRUE(t.HasSunrise);
        const JulianDay rise = DateToJulian(t.Sunrise);
        constexpr double twoMinutes = 2.0 / 1440;
        EXPECT_LT(AltitudeOver(rise - twoMinutes, f[0], f[1]), 0);
        EXPECT_GT(AltitudeOver(rise + twoMinutes, f[0], f[1]), 0);
        const FeatureLighting light =
            FeatureLightingAt(MoonPosition(rise, Observer{}).Moon, f[0], f[1]);
        EXPECT_TRUE(light.Morning);
        EXPECT_GT(light.Rate, 0);
    }
}

TEST(GoodNights, EachWindowBeginsAndEndsWhereAConditionChanges) {
    const Observer london = AtEast(51.48, -0.0, 0);
    const NightConditions c;
    const JulianDay from = DateToJulian(DateTimeRec{1, 9, 2026, 0, 0, 0, 0, 0});
    const JulianDay to = from + 61;
    GoodNight nights[40];
    // Copernicus, and Plato far north, whose Sun lingers in the band.
    for (const auto& f : {std::pair{-20.08, 9.62}, std::pair{-9.38, 51.62}}) {
        const int n = GoodNights(from, to, f.first, f.second, london, c, nights, 40);
        ASSERT_GE(n, 2);
        for (int i = 0; i < n; ++i) {
            const GoodNight& g = nights[i];
            SCOPED_TRACE(testing::Message() << "window " << i << " from JD " << g.Start);
            auto holds = [&](JulianDay jd) {
                return ConditionsHold(NightSampleAt(jd, f.first, f.second, london), c);
            };
            constexpr double minute = 1.0 / 1440;
            EXPECT_TRUE(holds(g.Start + minute));
            EXPECT_TRUE(holds(g.End - minute));
            EXPECT_FALSE(holds(g.Start - minute));
            EXPECT_FALSE(holds(g.End + minute));
            EXPECT_TRUE(holds((g.Start + g.End) / 2));
            EXPECT_GE(g.FeatureSunAltitudeMid, c.FeatureSunMin);
            EXPECT_LE(g.FeatureSunAltitudeMid, c.FeatureSunMax);
            EXPECT_GE(g.MoonAltitudeMid, c.MoonMinAltitude);
            if (i > 0) {
                EXPECT_GT(g.Start, nights[i - 1].End);
            }
        }
    }
}

TEST(GoodNights, NoWindowWhileTheMoonStaysBelowTheHorizonAllNight) {
    // New moon of 18 January 2026 seen from 60 degrees north: the Moon sets with the Sun and
    // stays down all night. The feature is placed where the Sun is 6 degrees over it at
    // midnight, so only the Moon's condition can fail.
    const Observer north = AtEast(60, 10, 60);
    const JulianDay evening = DateToJulian(DateTimeRec{18, 1, 2026, 15, 0, 0, 0, 0});
    const JulianDay morning = evening + 0.75;
    const MoonRec midnight = MoonPosition(evening + 0.375, north).Moon;
    const double lon = WrapTo180(6 - midnight.Colongitude);
    bool darkInBand = false;
    for (JulianDay jd = evening; jd <= morning; jd += 10.0 / 1440) {
        const NightSample s = NightSampleAt(jd, lon, 0, north);
        ASSERT_LT(s.MoonAltitude, 0);
        darkInBand = darkInBand ||
                     (s.SunAltitude < -6 && s.FeatureSunAltitude > 1 && s.FeatureSunAltitude < 12);
    }
    ASSERT_TRUE(darkInBand);
    GoodNight nights[4];
    EXPECT_EQ(GoodNights(evening, morning, lon, 0, north, NightConditions{}, nights, 4), 0);
    NightConditions anyMoon;
    anyMoon.MoonMinAltitude = -90; // the same night without the Moon's condition has one
    EXPECT_EQ(GoodNights(evening, morning, lon, 0, north, anyMoon, nights, 4), 1);
}

TEST(LibrationToward, IsTheLibrationsComponentTowardTheFeature) {
    EXPECT_NEAR(LibrationToward(5, 0, 90, 0), 5, 1e-9);
    EXPECT_NEAR(LibrationToward(-5, 0, 90, 0), -5, 1e-9);
    EXPECT_NEAR(LibrationToward(5, -6, 0, -85), 6, 0.2); // the south pole region
    EXPECT_NEAR(CrossingUncertaintyMinutes(12.19), 2.36, 0.01);
}

} // namespace
