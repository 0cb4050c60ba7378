// SPDX-License-Identifier: GPL-3.0-or-later
// Sidereal time, hour angles and horizontal coordinates.
#include "TestObservers.h"
#include "astro/fMoonCalcs.h"
#include "astro/fSidereal.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace astro;

namespace {

using astrotest::At;

DateTimeRec Local(int day, int month, int year, int hour, int minute, int second) {
    DateTimeRec d;
    d.Day = static_cast<std::uint16_t>(day);
    d.Month = static_cast<std::uint16_t>(month);
    d.Year = static_cast<std::uint16_t>(year);
    d.Hour = static_cast<std::uint16_t>(hour);
    d.Minute = static_cast<std::uint16_t>(minute);
    d.Second = static_cast<std::uint16_t>(second);
    return d;
}

} // namespace

TEST(SiderealTime, MeeusReferenceValues) {
    EXPECT_NEAR(MeanSiderealTime(2451545.0), 280.46061837, 0.5e-8);
    EXPECT_NEAR(MeanSiderealTime0h(2446895.5), 197.693195, 0.5e-6);
    // At 0h UT both formulas agree.
    EXPECT_NEAR(MeanSiderealTime(2446895.5), MeanSiderealTime0h(2446895.5), 1e-6);
}

TEST(SiderealTime, HourAngleWrapsIntoHalfTurns) {
    EXPECT_DOUBLE_EQ(WrapTo180(190), -170);
    EXPECT_DOUBLE_EQ(WrapTo180(-200), 160);
    EXPECT_DOUBLE_EQ(WrapTo180(180), 180);
    EXPECT_DOUBLE_EQ(WrapTo180(-180), -180);
    EXPECT_DOUBLE_EQ(WrapTo180(540), 180);
    EXPECT_NEAR(WrapTo180(1e9 + 10), std::fmod(1e9 + 10, 360.0) - 360, 1e-6);
    // West-positive longitude: 30 deg west takes 30 deg off the local sidereal time.
    EXPECT_DOUBLE_EQ(HourAngle(100, 20, At(0, 30)), 50);
    EXPECT_DOUBLE_EQ(HourAngle(100, 20, At(0, -30)), 110);
    EXPECT_DOUBLE_EQ(HourAngle(10, 20, At(0, -100)), 90);
    EXPECT_DOUBLE_EQ(HourAngle(350, 20, At(0, -50)), 20);
}

TEST(SiderealTime, HorizontalCoordinates) {
    // On the meridian south of the zenith.
    const HorizontalRec south = EquatorialToHorizontal(0, 10, At(50, 0));
    EXPECT_NEAR(south.Azimuth, 180, 1e-9);
    EXPECT_NEAR(south.Altitude, 50, 1e-9);
    // On the equator six hours before the meridian: rising due east.
    const HorizontalRec east = EquatorialToHorizontal(-90, 0, At(50, 0));
    EXPECT_NEAR(east.Azimuth, 90, 1e-9);
    EXPECT_NEAR(east.Altitude, 0, 1e-9);
    const HorizontalRec west = EquatorialToHorizontal(90, 0, At(50, 0));
    EXPECT_NEAR(west.Azimuth, 270, 1e-9);
    // Lower culmination of a circumpolar star: due north.
    const HorizontalRec north = EquatorialToHorizontal(180, 80, At(50, 0));
    EXPECT_NEAR(north.Azimuth, 0, 1e-9);
    EXPECT_NEAR(north.Altitude, 40, 1e-9);
}

TEST(LocalSiderealTime, AgreesWithTheMeanSiderealTimeOfTheInstant) {
    // 1987 April 10, 19:21 UT at Washington (77.0656 W), local clock five hours behind UT.
    const Observer washington = At(38.92, 77.0656, -300);
    const DateTimeRec local = Local(10, 4, 1987, 14, 21, 0);
    const JulianDay ut = EngineInstant(local, washington.ZoneOffsetMinutes);
    const double meanHours = ReduceDegrees(MeanSiderealTime(ut) - 77.0656) / 15;
    // The apparent time differs from the mean by the equation of the equinoxes (about -0.23 s).
    EXPECT_NEAR(LocalSiderealTimeHours(local, washington), meanHours, 1.0 / 3600);
    const std::string text = LocalSiderealTimeText(local, washington);
    EXPECT_EQ(text.size(), 8u);
    EXPECT_EQ(text[2], ':');
    EXPECT_EQ(text[5], ':');
}

TEST(LocalSiderealTime, ContinuousAcrossLocalMidnightInAnEasternZone) {
    // Zone +10 h: shortly after local midnight the UT of day is negative.
    const Observer sydney = At(-33.87, -151.21, 600);
    const double before = LocalSiderealTimeHours(Local(5, 6, 2023, 23, 59, 0), sydney);
    const double after = LocalSiderealTimeHours(Local(6, 6, 2023, 0, 1, 0), sydney);
    double step = after - before;
    if (step < 0) step += 24;
    EXPECT_NEAR(step, 2 * 1.00273790935 / 60, 2.0 / 3600);
    for (int minute = 0; minute < 1440; minute += 37) {
        const double h =
            LocalSiderealTimeHours(Local(6, 6, 2023, minute / 60, minute % 60, 0), sydney);
        EXPECT_GE(h, 0);
        EXPECT_LE(h, 24);
    }
}
