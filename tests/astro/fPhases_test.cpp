// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/fPhases.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace astro;

namespace {

DateTimeRec monthOf(int year, int month) {
    DateTimeRec d;
    d.Year = static_cast<std::uint16_t>(year);
    d.Month = static_cast<std::uint16_t>(month);
    d.Day = 1;
    return d;
}

Observer zone(int minutes) {
    Observer o;
    o.ZoneOffsetMinutes = minutes;
    return o;
}

// Every phase whose local instant, to the minute, lies in the month, found by walking k over a
// wide span.
int bruteForcePhaseCount(int year, int month, int zoneMinutes) {
    const JulianDay start = DateToJulian(monthOf(year, month));
    const JulianDay end =
        DateToJulian(month == 12 ? monthOf(year + 1, 1) : monthOf(year, month + 1));
    const double k0 = std::floor((start - 2451550.1) / 29.530588853 * 4) / 4 - 2;
    int count = 0;
    for (double k = k0; k < k0 + 5; k += 0.25) {
        const JulianDay t = std::round((PhaseInstantUT(k) + zoneMinutes / 1440.0) * 1440) / 1440;
        if (t >= start && t < end) ++count;
    }
    return count;
}

} // namespace

TEST(Phases, ReferenceInstants) {
    PhasePowers p{};
    EXPECT_NEAR(MeanPhase(0, p), 2451550.09765, 1e-9);
    EXPECT_EQ(p[0], 0.0);
    EXPECT_NEAR(PhaseInstant(0), 2451550.26025, 1e-5);
    EXPECT_NEAR(PhaseInstant(0.25), 2451558.06608, 1e-5);
    EXPECT_NEAR(PhaseInstant(-283), 2443192.65117, 1e-5);
    MeanPhase(-283, p);
    EXPECT_NEAR(p[0], -283 / 1236.85, 1e-15);
    EXPECT_NEAR(p[3], std::pow(-283 / 1236.85, 4), 1e-15);
}

TEST(Phases, QuarterSignOfWBeforeAndAfter2000) {
    // First quarters take +W and last quarters -W whatever the sign of k; W is about 0.003 day.
    for (double first : {0.25, -0.75, -282.75}) {
        PhasePowers p{};
        MeanPhase(first, p);
        const int kind = static_cast<int>(std::trunc(std::fabs(first) * 4)) % 4;
        const double other = kind == 1 ? 3 : 1;
        const double diff = PhaseCorrection(p, kind, first) - PhaseCorrection(p, other, first);
        EXPECT_GT(diff, 0.005) << first;
        EXPECT_LT(diff, 0.008) << first;
    }
    // December 1999 (negative k): Kind 3 for the first quarter, 1 for the last quarter. The full
    // moon of 22 December 17:31 UT and the last quarter of 29 December 14:04 UT are the published
    // instants (US Naval Observatory phases table), in UT as the engine gives them.
    MonthPhaseList ev;
    ASSERT_EQ(MonthPhases(monthOf(1999, 12), zone(0), ev), 4);
    EXPECT_EQ(ev[1].K, -0.75);
    EXPECT_EQ(ev[1].Kind, PhaseKind::FirstQuarter);
    EXPECT_EQ(ev[2].Kind, PhaseKind::FullMoon);
    EXPECT_EQ(ev[2].Text, "17:31  22 December 1999");
    EXPECT_EQ(ev[3].K, -0.25);
    EXPECT_EQ(ev[3].Kind, PhaseKind::LastQuarter);
    EXPECT_EQ(ev[3].Text, "14:04  29 December 1999");
    // January 2000 (k >= 0): the first quarter k = 0.25 is stored as Kind 3 as well.
    ASSERT_EQ(MonthPhases(monthOf(2000, 1), zone(0), ev), 4);
    EXPECT_EQ(ev[0].K, 0);
    EXPECT_EQ(ev[0].Kind, PhaseKind::NewMoon);
    EXPECT_EQ(ev[1].K, 0.25);
    EXPECT_EQ(ev[1].Kind, PhaseKind::FirstQuarter);
    EXPECT_EQ(ev[2].Kind, PhaseKind::FullMoon);
    EXPECT_EQ(ev[3].K, 0.75);
    EXPECT_EQ(ev[3].Kind, PhaseKind::LastQuarter);
}

TEST(Phases, BlueMoonMonthAndPhaseNames) {
    // August 2023 had full moons on the 1st and the 31st.
    MonthPhaseList ev;
    const int n = MonthPhases(monthOf(2023, 8), zone(0), ev);
    ASSERT_EQ(n, 5);
    EXPECT_EQ(ev[0].Kind, PhaseKind::FullMoon);
    EXPECT_EQ(ev[4].Kind, PhaseKind::FullMoon);
    for (int i = 1; i < n; ++i)
        EXPECT_GT(ev[i].Julian, ev[i - 1].Julian);
    EXPECT_EQ(ev[4].Text, "01:36  31 August 2023"); // 01:35:3x UT, published as 01:36
    EXPECT_EQ(ev[4].Date.Day, 31);
    EXPECT_EQ(ev[4].Text.substr(0, 5),
              DateTimeText(JulianToDateToMinute(ev[4].Julian)).substr(0, 5));

    // One full moon, one name, fixed by its own instant (01:36 UT on the 31st).
    const JulianDay full = PhaseInstantUT(ev[4].K);
    EXPECT_EQ(PhaseNameAt(full - 11.0 / 24, zone(0)), "Full (Blue) Moon");
    EXPECT_EQ(PhaseNameAt(full + 11.0 / 24, zone(0)), "Full (Blue) Moon");
    EXPECT_EQ(PhaseNameAt(full + 13.0 / 24, zone(0)), "Waning Gibbous");
    // Eight hours west of Greenwich it falls on the 30th, still August's second full moon.
    EXPECT_EQ(PhaseNameAt(full, zone(-480)), "Full (Blue) Moon");
    EXPECT_EQ(PhaseNameAt(PhaseInstantUT(ev[0].K), zone(720)), "Full (Sturgeon) Moon");
}

// Every principal phase of 2026 carries its own name at its instant and until half a day on
// either side; between them the crescent and gibbous names follow.
TEST(Phases, PhaseNamesAgreeWithThePhaseList) {
    static const char* const names[4] = {"New Moon", "Last Quarter", "", "First Quarter"};
    int quarters = 0;
    for (int month = 1; month <= 12; ++month) {
        MonthPhaseList ev;
        const int n = MonthPhases(monthOf(2026, month), zone(0), ev);
        for (int i = 0; i < n; ++i) {
            const int kind = static_cast<int>(ev[i].Kind);
            const JulianDay at = PhaseInstantUT(ev[i].K);
            for (double offset : {-0.49, 0.0, 0.49}) {
                const std::string_view name = PhaseNameAt(at + offset, zone(0));
                if (kind == 2)
                    EXPECT_EQ(name.substr(0, 6), "Full (") << ev[i].Text;
                else
                    EXPECT_EQ(name, names[kind]) << ev[i].Text;
            }
            if (kind == 1 || kind == 3) ++quarters;
        }
    }
    EXPECT_EQ(quarters, 25);
    const JulianDay firstQuarter = PhaseInstantUT(333.25); // 17 December 2026, 05:43
    EXPECT_EQ(PhaseNameAt(firstQuarter, zone(0)), "First Quarter");
    EXPECT_EQ(PhaseNameAt(firstQuarter - 2, zone(0)), "Waxing Crescent");
    EXPECT_EQ(PhaseNameAt(firstQuarter + 2, zone(0)), "Waxing Gibbous");
}

// Far from 2000 Delta T grows to days (about 2.5 at 9999): every principal phase listed in the
// years 8000..9999 still carries its own name at its listed instant, in the list's own zone.
TEST(Phases, PhaseNamesFarFromTwoThousand) {
    static const char* const names[4] = {"New Moon", "Last Quarter", "", "First Quarter"};
    int checked = 0;
    for (int year : {8000, 8765, 9500, 9999}) {
        for (int month : {1, 6, 12}) {
            MonthPhaseList ev;
            const int n = MonthPhases(monthOf(year, month), zone(60), ev);
            for (int i = 0; i < n; ++i) {
                const JulianDay ut = ev[i].Julian - 60.0 / 1440; // the listed local instant
                const std::string_view name = PhaseNameAt(ut, zone(60));
                const int kind = static_cast<int>(ev[i].Kind);
                if (kind == 2)
                    EXPECT_EQ(name.substr(0, 6), "Full (") << ev[i].Text;
                else
                    EXPECT_EQ(name, names[kind]) << ev[i].Text;
                ++checked;
            }
        }
    }
    EXPECT_GT(checked, 40);
}

TEST(Phases, MonthBoundaryAtLocalMidnight) {
    // The full moon k = 22.5 falls on 2001 November 1 at 05:41:00 UT (341.00 minutes after 0h).
    MonthPhaseList ev;
    const JulianDay full = PhaseInstantUT(22.5);
    ASSERT_NEAR((full - 2452214.5) * 1440, 341.00, 0.01);
    // Local clock 3 s before midnight: shown as 00:00 on 1 November, so listed in November and
    // not in October.
    int n = MonthPhases(monthOf(2001, 11), zone(-341), ev);
    ASSERT_GE(n, 1);
    EXPECT_EQ(ev[0].K, 22.5);
    EXPECT_EQ(ev[0].Text, "00:00  01 November 2001");
    n = MonthPhases(monthOf(2001, 10), zone(-341), ev);
    EXPECT_NE(ev[n - 1].K, 22.5);
    // 63 s before midnight: the last event of October.
    n = MonthPhases(monthOf(2001, 10), zone(-342), ev);
    EXPECT_EQ(ev[n - 1].K, 22.5);
    EXPECT_EQ(ev[n - 1].Text, "23:59  31 October 2001");
    n = MonthPhases(monthOf(2001, 11), zone(-342), ev);
    EXPECT_NE(ev[0].K, 22.5);
}

TEST(Phases, EveryPhaseOfTheMonthOverTheWholeRange) {
    // The lunation estimate counts years of 365.25 days from 2000 and drifts by weeks before 1582
    // and in the far future; a phase a few hours before the month's end may lie more than half a
    // day before its mean instant. No phase is lost either way.
    for (int year : {1, 8, 1000, 1582, 2001, 2500, 5000, 9999}) {
        for (int month = 1; month <= 12; ++month) {
            for (int zoneMinutes : {-600, 0, 780}) {
                MonthPhaseList ev;
                const int n = MonthPhases(monthOf(year, month), zone(zoneMinutes), ev);
                EXPECT_EQ(n, bruteForcePhaseCount(year, month, zoneMinutes))
                    << year << "-" << month << " zone " << zoneMinutes;
            }
        }
    }
    // Year 8, April: the last quarter of 30 April 23:33 has its mean instant 0.6 day later.
    MonthPhaseList ev;
    const int n = MonthPhases(monthOf(8, 4), zone(0), ev);
    ASSERT_EQ(n, 5);
    EXPECT_EQ(ev[4].Date.Day, 30);
}

TEST(Phases, NewMoonsAroundBracketTheInstant) {
    DateTimeRec d = JulianToDate(PhaseInstantUT(0));
    d.Julian = PhaseInstantUT(0);
    LunationRec l = NewMoonsAround(d.Julian);
    EXPECT_EQ(l.PreviousNewMoon, PhaseInstantUT(0));
    EXPECT_EQ(l.NextNewMoon, PhaseInstantUT(1));
    d.Julian -= 1e-6;
    l = NewMoonsAround(d.Julian);
    EXPECT_EQ(l.PreviousNewMoon, PhaseInstantUT(-1));
    EXPECT_EQ(l.NextNewMoon, PhaseInstantUT(0));

    // Far from 2000 the estimate is off by more than a lunation; the bracket still holds.
    for (JulianDay j = 1721500; j < 5373000; j += 9973.37) {
        DateTimeRec at = JulianToDate(j);
        at.Julian = j;
        const LunationRec r = NewMoonsAround(at.Julian);
        EXPECT_LE(r.PreviousNewMoon, j);
        EXPECT_GT(r.NextNewMoon, j);
        EXPECT_LT(r.NextNewMoon - r.PreviousNewMoon, 30.0);
        const double p = LunationPercent(j, r);
        EXPECT_GE(p, 0);
        EXPECT_LT(p, 100);
    }
    const LunationRec r{2451550.0, 2451579.5};
    EXPECT_DOUBLE_EQ(MoonAgeDays(2451557.375, r), 7.375);
    EXPECT_DOUBLE_EQ(LunationPercent(2451557.375, r), 25);
}

TEST(Apsides, ReferenceValuesAndAtOrAfter) {
    const ApsisRec perigee = ApsisInstant(0);
    EXPECT_TRUE(perigee.Perigee);
    EXPECT_NEAR(perigee.Jde, 2451534.95877, 1e-5);
    EXPECT_NEAR(perigee.ParallaxArcsec, 3688.888, 5e-4);
    EXPECT_EQ(std::lround(perigee.DistanceKm), 356654);
    const ApsisRec apogee = ApsisInstant(-148.5);
    EXPECT_FALSE(apogee.Perigee);
    EXPECT_NEAR(apogee.Jde, 2447442.35430, 1e-5);
    EXPECT_NEAR(apogee.ParallaxArcsec, 3240.689, 5e-4);
    EXPECT_EQ(std::lround(apogee.DistanceKm), 405975);

    // An apsis at exactly the instant is produced; the texts are UT (dynamical time less
    // Delta T) to the minute.
    const auto ut = [](const ApsisRec& a) { return a.Jde - DeltaTDays(a.Jde); };
    DateTimeRec d = JulianToDate(ut(perigee));
    d.Julian = ut(perigee);
    ApsisTexts t = NextApsides(d.Julian, zone(0));
    EXPECT_EQ(t.PerigeeDistanceText, "356654 km  ");
    EXPECT_EQ(t.PerigeeTimeText, "11:00  22 Dec  ");
    EXPECT_EQ(t.ApogeeTimeText, "12:23  04 Jan  ");
    // A moment later the next perigee (k = 1) is given; the zone offset moves the clock text.
    d.Julian += 1e-6;
    t = NextApsides(d.Julian, zone(60));
    const DateTimeRec next = JulianToDateToMinute(ut(ApsisInstant(1)) + 1.0 / 24);
    EXPECT_EQ(t.PerigeeTimeText.substr(0, 5), DateTimeText(next).substr(0, 5));
    EXPECT_EQ(t.ApogeeTimeText, "13:23  04 Jan  ");

    // The first perigee and apogee at or after the instant, far from 2000 too.
    for (JulianDay j = 1721500; j < 5373000; j += 19937.3) {
        DateTimeRec at = JulianToDate(j);
        at.Julian = j;
        const ApsisTexts texts = NextApsides(at.Julian, zone(0));
        double k = std::floor((j - 2451534.6698) / 27.55454988 * 2) / 2 - 1;
        for (int i = 0; i < 8 && ut(ApsisInstant(k)) < j; ++i)
            k += 0.5;
        const ApsisRec first = ApsisInstant(k);
        const DateTimeRec when = JulianToDateToMinute(ut(first));
        const std::string expected =
            DateTimeText(when).substr(0, 5) + DateTimeText(when).substr(8, 8) + "  ";
        EXPECT_EQ(first.Perigee ? texts.PerigeeTimeText : texts.ApogeeTimeText, expected) << j;
    }
}
