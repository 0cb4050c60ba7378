#include "astro/fGlobals.h"

#include <gtest/gtest.h>

using namespace astro;

namespace {
DateTimeRec date(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
    DateTimeRec r;
    r.Year = static_cast<std::uint16_t>(y);
    r.Month = static_cast<std::uint16_t>(mo);
    r.Day = static_cast<std::uint16_t>(d);
    r.Hour = static_cast<std::uint16_t>(h);
    r.Minute = static_cast<std::uint16_t>(mi);
    r.Second = static_cast<std::uint16_t>(s);
    return r;
}
} // namespace

TEST(TimeBase, GregorianSwitchAndJ2000) {
    EXPECT_EQ(DateToJulian(date(1582, 10, 4)), 2299159.5);
    EXPECT_EQ(DateToJulian(date(1582, 10, 15)), 2299160.5);
    EXPECT_EQ(DateToJulian(date(2000, 1, 1, 12)), 2451545.0);
    const DateTimeRec back = JulianToDate(2451545.0);
    EXPECT_EQ(back.Year, 2000);
    EXPECT_EQ(back.Month, 1);
    EXPECT_EQ(back.Day, 1);
    EXPECT_EQ(back.Hour, 12);
    EXPECT_EQ(back.Minute, 0);
    EXPECT_EQ(back.Second, 0);
    const DateTimeRec oct4 = JulianToDate(2299159.5);
    EXPECT_EQ(oct4.Day, 4);
    const DateTimeRec oct15 = JulianToDate(2299160.5);
    EXPECT_EQ(oct15.Day, 15);
    EXPECT_EQ(oct15.Month, 10);
    EXPECT_EQ(JulianDayOfYearStart(2002), 2452275.5);
    // Meeus' worked examples.
    EXPECT_EQ(DateToJulian(date(1957, 10, 4, 19, 26, 24)), 2436116.31);
    EXPECT_EQ(DateToJulian(date(333, 1, 27, 12)), 1842713.0);
    EXPECT_EQ(DateToJulian(date(-0 + 1, 1, 1, 12)), 1721424.0);
}

TEST(TimeBase, SecondsRoundingToSixtyKeepsTheMinute) {
    // 12:34:59.7 on 1 January 2000.
    const JulianDay jd = 2451544.5 + (12 * 3600 + 34 * 60 + 59.7) / 86400.0;
    const DateTimeRec d = JulianToDate(jd);
    EXPECT_EQ(d.Hour, 12);
    EXPECT_EQ(d.Minute, 34);
    EXPECT_EQ(d.Second, 0);
}

TEST(TimeBase, RoundTripEveryYear) {
    for (int y = 1; y <= 9999; ++y) {
        for (int m = 1; m <= 12; m += 11) {
            const int d = m == 1 ? 1 : 31;
            const DateTimeRec in = date(y, m, d, 13, 45, 30);
            const DateTimeRec out = JulianToDate(DateToJulian(in));
            ASSERT_EQ(out.Year, y);
            ASSERT_EQ(out.Month, m);
            ASSERT_EQ(out.Day, d);
            ASSERT_EQ(out.Hour, 13);
            ASSERT_EQ(out.Minute, 45);
            ASSERT_EQ(out.Second, 30);
        }
    }
}

TEST(TimeBase, ReduceDegreesKeepsItsAsymmetry) {
    EXPECT_EQ(ReduceDegrees(-360), 360);
    EXPECT_EQ(ReduceDegrees(-30), 330);
    EXPECT_EQ(ReduceDegrees(725), 5);
    EXPECT_EQ(ReduceDegrees(0), 0);
    EXPECT_NEAR(ReduceDegrees(-0.001), 359.999, 1e-9);
}

TEST(TimeBase, DecimalToDmsSecondsRule) {
    const DmsRec half = DecimalToDms(-0.5);
    EXPECT_EQ(half.Sign, "\u2013");
    EXPECT_EQ(half.Whole, "00");
    EXPECT_EQ(half.Minutes, "30");
    EXPECT_EQ(half.Seconds, "01");
    const DmsRec carry = DecimalToDms(10.99999);
    EXPECT_EQ(carry.Sign, " ");
    EXPECT_EQ(carry.Whole, "10");
    EXPECT_EQ(carry.Minutes, "60");
    EXPECT_EQ(carry.Seconds, "00");
    EXPECT_EQ(DecimalToDms(123.25).Whole, "123");
    EXPECT_EQ(DecimalToDms(7).Whole, "07");
}

TEST(TimeBase, CalendarHelpers) {
    EXPECT_EQ(DaysInMonth(2, 1900), 28);
    EXPECT_EQ(DaysInMonth(2, 2000), 29);
    EXPECT_EQ(DaysInMonth(2, 1500), 28);
    EXPECT_EQ(DaysInMonth(12, 2001), 31);
    EXPECT_NEAR(DeltaTSeconds(2002), 67.944, 1e-9);
    EXPECT_EQ(DateTimeText(date(2002, 12, 7, 9, 5, 3)), "09:05:03  07 December 2002");
    // 1 January 2003 00:30 local, GMT+1 with daylight saving: 31 December 2002 22:30 UT.
    EXPECT_NEAR(EngineInstant(date(2003, 1, 1, 0, 30), 120),
                DateToJulian(date(2002, 12, 31, 22, 30)), 1e-9);
}

TEST(TimeBase, CutCountsCharactersNotBytes) {
    EXPECT_EQ(CutToCapacity("\u2013"
                            "12\u00B0",
                            3),
              "\u201312");
    EXPECT_EQ(CutToCapacity("abc", 5), "abc");
}
