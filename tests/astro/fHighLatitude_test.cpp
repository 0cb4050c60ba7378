// SPDX-License-Identifier: GPL-3.0-or-later
// Rise, set and twilight from 60 degrees to the poles: every shown instant against the body's
// own altitude, every "always up/down" day against hourly altitudes, and a table of days
// computed once with an independent ephemeris (tools/high_latitude_reference.py).
#include "TestObservers.h"
#include "astro/fMoonCalcs.h"
#include "astro/fRiseSet.h"

#include <gtest/gtest.h>

#include <cmath>
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
