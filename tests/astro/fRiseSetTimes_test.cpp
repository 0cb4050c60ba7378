// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestObservers.h"
#include "astro/fMoonCalcs.h"
#include "astro/fRiseSet.h"
#include "astro/fSidereal.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

using namespace astro;

namespace {

// Longitudes east positive, as atlases give them.
constexpr auto place = astrotest::AtEast;

DateTimeRec day(int y, int m, int d) {
    DateTimeRec r;
    r.Year = static_cast<std::uint16_t>(y);
    r.Month = static_cast<std::uint16_t>(m);
    r.Day = static_cast<std::uint16_t>(d);
    return r;
}

int minutesOf(const std::string& hhmm) {
    return std::stoi(hhmm.substr(0, 2)) * 60 + std::stoi(hhmm.substr(3, 2));
}

bool isClockText(const std::string& t) {
    return t.size() == 5 && t[2] == ':' && std::isdigit(static_cast<unsigned char>(t[0])) &&
           std::isdigit(static_cast<unsigned char>(t[1])) &&
           std::isdigit(static_cast<unsigned char>(t[3])) &&
           std::isdigit(static_cast<unsigned char>(t[4])) && minutesOf(t) <= 24 * 60 &&
           std::stoi(t.substr(3, 2)) < 60;
}

// Circumpolar body (never sets at 80 N) whose unrefined transit falls at `secondsOfDay` UT.
TabulatedPositions circumpolarTransitAt(double secondsOfDay, JulianDay jd0) {
    const double ra = ReduceDegrees(MeanSiderealTime0h(jd0) + 360 * secondsOfDay / 86400);
    return {{{ra, 80}, {ra, 80}, {ra, 80}}};
}

// Local clock minute of the Moon's crossing of its standard altitude on the local date,
// found by stepping and bisecting on the Moon's own geocentric altitude.
std::optional<double> moonCrossingMinutes(const DateTimeRec& date, const Observer& o, bool rising) {
    const JulianDay jd0 = DateToJulian(date);
    const double h0 = 0.7275 * MoonPosition(jd0, o).Moon.Parallax - 0.5667;
    const JulianDay localStart = jd0 - o.ZoneOffsetMinutes / 1440.0;
    auto f = [&](JulianDay t) { return MoonPosition(t, o).Moon.Altitude - h0; };
    const double step = 10.0 / 1440;
    for (int i = 0; i < 144; ++i) {
        JulianDay a = localStart + i * step;
        JulianDay b = a + step;
        const double fa = f(a);
        const double fb = f(b);
        if (rising ? !(fa < 0 && fb >= 0) : !(fa >= 0 && fb < 0)) continue;
        for (int k = 0; k < 30; ++k) {
            const JulianDay mid = (a + b) / 2;
            if ((f(mid) < 0) == (fa < 0))
                a = mid;
            else
                b = mid;
        }
        return (a - localStart) * 1440;
    }
    return std::nullopt;
}

} // namespace

TEST(RiseSet, InterpolationAndTheWorkedExample) {
    // Meeus, Astronomical Algorithms, example 3.a (the Moon's distance).
    EXPECT_NEAR(Interpolate3(0.18125, 0.884226, 0.877366, 0.870531), 0.876125, 5e-7);
    // Meeus example 15.a: Venus at Boston on 1988 March 20: rise 12h25m, transit 19h41m, set
    // 2h55m UT.
    const TabulatedPositions venus = {
        {{40.68021, 18.04761}, {41.73129, 18.44092}, {42.78204, 18.82742}}};
    const RiseSetTimes t =
        RiseTransitSet(venus, 56, -0.5667, 2447240.5, place(42.3333, -71.0833, 0));
    EXPECT_EQ(t.Rise, "12:25");
    EXPECT_EQ(t.Transit, "19:41");
    EXPECT_EQ(t.Set, "02:55");
    EXPECT_EQ(t.IlluminatedPercent, 0);
}

TEST(RiseSet, PublishedSunriseAndSunset) {
    // Sunrise and sunset as published for the solstices of 2000 (HM Nautical Almanac Office
    // tables for London; US Naval Observatory tables for New York), to within two minutes.
    struct Case {
        double lat, lonEast;
        int zone, y, m, d;
        const char* rise;
        const char* set;
    };
    const Case cases[] = {
        {51.5, 0.0, 60, 2000, 6, 21, "04:43", "21:21"},           // London, BST
        {51.5, 0.0, 0, 2000, 12, 21, "08:04", "15:53"},           // London, GMT
        {40.7128, -74.006, -240, 2000, 6, 21, "05:25", "20:31"},  // New York, EDT
        {40.7128, -74.006, -300, 2000, 12, 21, "07:16", "16:32"}, // New York, EST
    };
    for (const Case& c : cases) {
        const RiseSetTimes t =
            SunRiseSet(day(c.y, c.m, c.d), SunriseAltitude, place(c.lat, c.lonEast, c.zone));
        ASSERT_TRUE(isClockText(t.Rise) && isClockText(t.Set)) << t.Rise << " " << t.Set;
        EXPECT_NEAR(minutesOf(t.Rise), minutesOf(c.rise), 2) << c.lat << " " << c.m;
        EXPECT_NEAR(minutesOf(t.Set), minutesOf(c.set), 2) << c.lat << " " << c.m;
    }
    // Twilight ends lie outside sunrise and sunset, in order.
    const Observer london = place(51.5, 0, 0);
    const RiseSetTimes sun = SunRiseSet(day(2000, 3, 20), SunriseAltitude, london);
    const RiseSetTimes civil = SunRiseSet(day(2000, 3, 20), CivilTwilightAltitude, london);
    const RiseSetTimes nautical = SunRiseSet(day(2000, 3, 20), NauticalTwilightAltitude, london);
    EXPECT_LT(minutesOf(nautical.Rise), minutesOf(civil.Rise));
    EXPECT_LT(minutesOf(civil.Rise), minutesOf(sun.Rise));
    EXPECT_GT(minutesOf(civil.Set), minutesOf(sun.Set));
    EXPECT_GT(minutesOf(nautical.Set), minutesOf(civil.Set));
    EXPECT_EQ(civil.Transit, sun.Transit);
}

TEST(RiseSet, MoonAgreesWithADirectSearchOfItsAltitude) {
    // London, January 2000, and Sydney (zone +10 h), July 2000: each day's rise and set against
    // the crossing found directly from the Moon's altitude, within two minutes.
    struct Where {
        Observer o;
        int y, m;
    };
    const Where places[] = {{place(51.5, 0, 0), 2000, 1}, {place(-33.87, 151.21, 600), 2000, 7}};
    for (const Where& w : places) {
        for (int d = 1; d <= 28; d += 3) {
            const DateTimeRec date = day(w.y, w.m, d);
            const RiseSetTimes t = MoonRiseSet(date, w.o);
            const std::optional<double> rise = moonCrossingMinutes(date, w.o, true);
            const std::optional<double> set = moonCrossingMinutes(date, w.o, false);
            if (rise)
                EXPECT_NEAR(minutesOf(t.Rise), *rise, 2) << d;
            else
                EXPECT_EQ(t.Rise, "*****") << d;
            if (set)
                EXPECT_NEAR(minutesOf(t.Set), *set, 2) << d;
            else
                EXPECT_EQ(t.Set, "*****") << d;
            EXPECT_EQ(t.IlluminatedPercent,
                      MoonPosition(DateToJulian(date), w.o).Moon.IlluminatedPercent);
        }
    }
}

TEST(RiseSet, DayWithoutMoonrise) {
    // London, January 2000: the Moon rises at 23:20 on the 26th and next at 00:28 on the 28th.
    const Observer london = place(51.5, 0, 0);
    const RiseSetTimes before = MoonRiseSet(day(2000, 1, 26), london);
    const RiseSetTimes without = MoonRiseSet(day(2000, 1, 27), london);
    const RiseSetTimes after = MoonRiseSet(day(2000, 1, 28), london);
    EXPECT_TRUE(isClockText(before.Rise));
    EXPECT_GT(minutesOf(before.Rise), 23 * 60);
    EXPECT_EQ(without.Rise, "*****");
    EXPECT_TRUE(isClockText(without.Set));
    EXPECT_TRUE(isClockText(after.Rise));
    EXPECT_LT(minutesOf(after.Rise), 60);
}

TEST(RiseSet, PolarDayAndNightAndDeepTwilight) {
    // Tromso (69.65 N, 18.96 E): midnight sun and polar night, each with a transit.
    const RiseSetTimes summer =
        SunRiseSet(day(2000, 6, 21), SunriseAltitude, place(69.65, 18.96, 120));
    EXPECT_EQ(summer.Rise, "None");
    EXPECT_EQ(summer.Set, "None");
    EXPECT_TRUE(isClockText(summer.Transit));
    EXPECT_NEAR(minutesOf(summer.Transit), 12 * 60 + 46, 2);
    const RiseSetTimes winter =
        SunRiseSet(day(2000, 12, 21), SunriseAltitude, place(69.65, 18.96, 60));
    EXPECT_EQ(winter.Rise, "None");
    EXPECT_EQ(winter.Set, "None");
    EXPECT_TRUE(isClockText(winter.Transit));
    // The two "None" are told apart.
    EXPECT_EQ(summer.RiseState, EventState::AlwaysUp);
    EXPECT_EQ(summer.SetState, EventState::AlwaysUp);
    EXPECT_EQ(winter.RiseState, EventState::AlwaysDown);
    EXPECT_EQ(winter.SetState, EventState::AlwaysDown);
    // At 78 N the Moon stays up through 23 December 2026.
    EXPECT_EQ(MoonRiseSet(day(2026, 12, 23), place(78, 15.6, 60)).RiseState, EventState::AlwaysUp);
    // The poles themselves, for the Sun and the Moon.
    for (double lat : {90.0, -90.0}) {
        const RiseSetTimes sun = SunRiseSet(day(2000, 3, 1), SunriseAltitude, place(lat, 0, 0));
        EXPECT_EQ(sun.Rise, "None");
        EXPECT_EQ(sun.Set, "None");
        EXPECT_TRUE(isClockText(sun.Transit));
        const RiseSetTimes moon = MoonRiseSet(day(2000, 3, 1), place(lat, 0, 0));
        EXPECT_EQ(moon.Rise, "None");
        EXPECT_EQ(moon.Set, "None");
    }
    // London at midsummer: the Sun never gets 18 degrees below the horizon.
    const RiseSetTimes astro =
        SunRiseSet(day(2000, 6, 21), AstronomicalTwilightAltitude, place(51.5, 0, 60));
    EXPECT_EQ(astro.Rise, "None");
    EXPECT_EQ(astro.Set, "None");
    EXPECT_EQ(astro.SetState, EventState::AlwaysUp);
    EXPECT_TRUE(isClockText(astro.Transit));
}

TEST(RiseSet, EdgeOfCircumpolarity) {
    // The Sun of 2000 June 21 at 65.728868 N: the rise and set of the grazing Sun run together
    // near midnight and the refinement does not settle within its bound: "None", with the transit.
    const TabulatedPositions sun = {{{88.881631538758967, 23.433892393268266},
                                     {89.92141719421538, 23.437831177383263},
                                     {90.961121978615012, 23.434888714225064}}};
    const JulianDay jd0 = 2451716.5;
    const Observer edge = place(65.728868, 0, 0);
    const RiseSetTimes t = RiseTransitSet(sun, 64, SunriseAltitude, jd0, edge);
    EXPECT_EQ(t.Rise, "None");
    EXPECT_EQ(t.Set, "None");
    EXPECT_EQ(t.Transit, "12:02");
    // Just south of it the Sun dips below the horizon for a few minutes around midnight.
    const RiseSetTimes south = RiseTransitSet(sun, 64, SunriseAltitude, jd0, place(65.72, 0, 0));
    EXPECT_EQ(south.Rise, "00:08");
    EXPECT_EQ(south.Set, "23:54");
    // A scan across the edge gives only clock times or "None".
    for (double lat = 65.70; lat < 65.75; lat += 0.0005) {
        const RiseSetTimes s = RiseTransitSet(sun, 64, SunriseAltitude, jd0, place(lat, 0, 0));
        EXPECT_TRUE(s.Rise == "None" || isClockText(s.Rise)) << lat;
        EXPECT_TRUE(s.Set == "None" || isClockText(s.Set)) << lat;
        EXPECT_EQ((s.Rise == "None"), (s.Set == "None")) << lat;
    }
    // Starting the rise on the meridian (sin H = 0) never converges; the bound ends it.
    const double theta0 = MeanSiderealTime0h(jd0);
    const double transit = (sun[1].RightAscension - theta0) / 360 + 1;
    EventFractions m = {transit, transit, transit};
    EXPECT_FALSE(RefineEventTimes(m, sun, theta0, 64, SunriseAltitude, edge));
}

TEST(RiseSet, RightAscensionUnwrappedAcrossZero) {
    // The same body tabulated across 0h and 10 degrees further on, seen from a place 10 degrees
    // further east: identical hour angles, so identical times.
    const TabulatedPositions across = {{{359.0, 5.0}, {0.5, 5.4}, {1.5, 5.8}}};
    const TabulatedPositions shifted = {{{9.0, 5.0}, {10.5, 5.4}, {11.5, 5.8}}};
    const JulianDay jd0 = 2451623.5;
    const RiseSetTimes a = RiseTransitSet(across, 64, 0.125, jd0, place(30, 0, 0));
    const RiseSetTimes b = RiseTransitSet(shifted, 64, 0.125, jd0, place(30, 10, 0));
    ASSERT_TRUE(isClockText(a.Rise) && isClockText(a.Transit) && isClockText(a.Set));
    EXPECT_EQ(a.Rise, b.Rise);
    EXPECT_EQ(a.Transit, b.Transit);
    EXPECT_EQ(a.Set, b.Set);
}

TEST(RiseSet, RoundedToTheMinuteAndNeverPastTheDay) {
    const JulianDay jd0 = 2451716.5;
    const Observer north = place(80, 0, 0);
    // Rounded once to the nearest minute: 12:00:29.5 shows 12:00, 12:00:30.5 shows 12:01,
    // 10:59:30.5 shows 11:00 (never 10:60).
    EXPECT_EQ(RiseTransitSet(circumpolarTransitAt(43229.5, jd0), 0, -0.8333, jd0, north).Transit,
              "12:00");
    EXPECT_EQ(RiseTransitSet(circumpolarTransitAt(43230.5, jd0), 0, -0.8333, jd0, north).Transit,
              "12:01");
    EXPECT_EQ(RiseTransitSet(circumpolarTransitAt(39570.5, jd0), 0, -0.8333, jd0, north).Transit,
              "11:00");
    // 23:59:45 stays in its day as 23:59 (never 24:00), for the Moon and the Sun alike.
    const TabulatedPositions late = circumpolarTransitAt(86385, jd0);
    EXPECT_EQ(RiseTransitSet(late, 0, 0.125, jd0, north).Transit, "23:59");
    EXPECT_EQ(RiseTransitSet(late, 0, -0.8333, jd0, north).Transit, "23:59");
    EXPECT_EQ(RiseTransitSet(late, 0, -0.8333, jd0, north).Rise, "None");
}
