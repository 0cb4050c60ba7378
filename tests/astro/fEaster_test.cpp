// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/fEaster.h"
#include "astro/fGlobals.h"

#include <gtest/gtest.h>

using namespace astro;

TEST(Easter, KnownYears) {
    EXPECT_EQ(Sunday(2000), "23 April 2000");
    EXPECT_EQ(Sunday(2002), "31 March 2002");
    EXPECT_EQ(Sunday(2038), "25 April 2038");
    EXPECT_EQ(Sunday(2285), "22 March 2285");
    // Published dates (ecclesiastical tables): 1961 and 2011 rest on the same day.
    EXPECT_EQ(Sunday(1961), "2 April 1961");
    EXPECT_EQ(Sunday(2011), "24 April 2011");
    EXPECT_EQ(Sunday(2024), "31 March 2024");
    // Before 1583 the Julian rule and calendar (Meeus' examples; 1500 was a Wednesday under the
    // Gregorian rule).
    EXPECT_EQ(Sunday(179), "12 April 179");
    EXPECT_EQ(Sunday(711), "12 April 711");
    EXPECT_EQ(Sunday(1243), "12 April 1243");
    EXPECT_EQ(Sunday(1500), "19 April 1500");
}

TEST(Easter, EveryYearIsASundayBetween22MarchAnd25April) {
    for (int year = 1; year <= 9999; ++year) {
        const EasterDate e = EasterSunday(static_cast<std::uint16_t>(year));
        const bool inRange = (e.Month == 3 && e.Day >= 22 && e.Day <= 31) ||
                             (e.Month == 4 && e.Day >= 1 && e.Day <= 25);
        ASSERT_TRUE(inRange) << year << ": " << e.Month << "/" << e.Day;
        ASSERT_EQ(Weekday(e.Day, e.Month, year), 0) << year;
    }
}
