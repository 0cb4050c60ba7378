// SPDX-License-Identifier: GPL-3.0-or-later
// Rise, set and twilight from 60 degrees to the poles: every shown instant against the body's
// own altitude, every "always up/down" day against hourly altitudes, and a table of days
// computed once with an independent ephemeris (tools/high_latitude_reference.py).
#include "TestObservers.h"
#include "astro/fMoonCalcs.h"
#include "astro/fRiseSet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

using namespace astro;

namespace {

DateTimeRec Day(int y, int m, int d) {
    DateTimeRec r;
    r.Year = static_cast<std::uint16_t>(y);
    r.Month = static_cast<std::uint16_t>(m);
    r.Day = static_cast<std::uint16_t>(d);
    return r;
}

// The body's geocentric altitude less its standard altitude at a UT instant, degrees.
double MoonLevel(JulianDay t, const Observer& o) {
    const MoonRec m = MoonPosition(t, o).Moon;
    return m.Altitude - (0.7275 * m.Parallax - 0.5667);
}
double SunLevel(JulianDay t, const Observer& o, double h0) {
    return SunPosition(t, o).Altitude - h0;
}

struct Checked {
    int events = 0;
    int allDay = 0;
};

// Every instant within 0.05 degrees of the level; an all-day state on one side of it at every
// hour of the local day and at the transit (the day's highest point) or half a day from it.
template <class Level>
void CheckDay(const RiseSetTimes& t, const Level& level, JulianDay start, Checked& count,
              const char* what, int lat, int doy) {
    for (JulianDay at : {t.Instants.Rise, t.Instants.Set, t.Instants.Rise2, t.Instants.Set2}) {
        if (std::isnan(at)) continue;
        ++count.events;
        ASSERT_GE(at, start) << what << " " << lat << " day " << doy;
        ASSERT_LT(at, start + 1) << what << " " << lat << " day " << doy;
        ASSERT_NEAR(level(at), 0, 0.05) << what << " " << lat << " day " << doy;
    }
    if (t.RiseState != EventState::AlwaysUp && t.RiseState != EventState::AlwaysDown) return;
    ++count.allDay;
    ASSERT_EQ(t.SetState, t.RiseState);
    const bool up = t.RiseState == EventState::AlwaysUp;
    std::vector<JulianDay> at;
    for (int h = 0; h <= 24; ++h)
        at.push_back(start + h / 24.0);
    if (!std::isnan(t.Instants.Transit)) {
        for (double shift : {0.0, -0.5, 0.5})
            if (t.Instants.Transit + shift >= start && t.Instants.Transit + shift <= start + 1)
                at.push_back(t.Instants.Transit + shift);
    }
    for (JulianDay x : at)
        ASSERT_EQ(level(x) > 0, up) << what << " " << lat << " day " << doy << " at " << x;
}

} // namespace

TEST(HighLatitude, EveryShownInstantIsOnTheLevelAndEveryAllDayStateHolds) {
    Checked count;
    for (int lat : {60, 66, 72, 78, 84, 89, -60, -66, -72, -78, -84, -89}) {
        const Observer o = astrotest::AtEast(lat, 15.6, 60);
        DateTimeRec date = Day(2026, 1, 1);
        for (int doy = 0; doy < 365; ++doy) {
            const JulianDay jd = JulianDayOfYearStart(2026) + doy;
            date = JulianToDate(jd);
            const JulianDay start = jd - o.ZoneOffsetMinutes / 1440.0;
            CheckDay(
                MoonRiseSet(date, o), [&](JulianDay t) { return MoonLevel(t, o); }, start, count,
                "moon", lat, doy);
            if (doy % 2) continue;
            for (double h0 : {SunriseAltitude, CivilTwilightAltitude, NauticalTwilightAltitude,
                              AstronomicalTwilightAltitude})
                CheckDay(
                    SunRiseSet(date, h0, o), [&](JulianDay t) { return SunLevel(t, o, h0); }, start,
                    count, "sun", lat, doy);
            if (HasFatalFailure()) return;
        }
    }
    // The sweep met both kinds of day in numbers.
    EXPECT_GT(count.events, 10000);
    EXPECT_GT(count.allDay, 3000);
}

namespace {

struct ReferenceDay {
    const char* place;
    bool moon;
    double lat, lonEast;
    int zone, y, m, d;
    bool up;                    // the side of the level on a day without events
    std::vector<double> events; // minutes after local 00:00, + rise, - set
};

const ReferenceDay kReference[] = {
#include "high_latitude_reference.inc"
};

} // namespace

TEST(HighLatitude, DaysOfAnIndependentEphemerisWithinTwoMinutesAndPresenceExact) {
    for (const ReferenceDay& r : kReference) {
        const Observer o = astrotest::AtEast(r.lat, r.lonEast, r.zone);
        const DateTimeRec date = Day(r.y, r.m, r.d);
        const RiseSetTimes t = r.moon ? MoonRiseSet(date, o) : SunRiseSet(date, -50.0 / 60, o);
        const JulianDay start = DateToJulian(date) - r.zone / 1440.0;
        std::vector<double> mine;
        for (JulianDay at : {t.Instants.Rise, t.Instants.Rise2})
            if (!std::isnan(at)) mine.push_back((at - start) * 1440);
        for (JulianDay at : {t.Instants.Set, t.Instants.Set2})
            if (!std::isnan(at)) mine.push_back(-(at - start) * 1440);
        std::sort(mine.begin(), mine.end(),
                  [](double a, double b) { return std::fabs(a) < std::fabs(b); });
        const std::string what = std::string(r.place) + (r.moon ? " moon " : " sun ") +
                                 std::to_string(r.y) + "-" + std::to_string(r.m) + "-" +
                                 std::to_string(r.d);
        ASSERT_EQ(mine.size(), r.events.size()) << what;
        for (std::size_t i = 0; i < mine.size(); ++i) {
            EXPECT_EQ(mine[i] > 0, r.events[i] > 0) << what << " event " << i;
            EXPECT_NEAR(std::fabs(mine[i]), std::fabs(r.events[i]), 2) << what << " event " << i;
        }
        if (r.events.empty()) {
            EXPECT_EQ(t.RiseState, r.up ? EventState::AlwaysUp : EventState::AlwaysDown) << what;
        }
    }
}
