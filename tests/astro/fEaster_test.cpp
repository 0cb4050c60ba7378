#include "astro/fEaster.h"
#include "astro/fGlobals.h"

#include <gtest/gtest.h>

#include <cmath>

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
}

TEST(Easter, EveryGregorianYearIsASundayBetween22MarchAnd25April) {
    for (int year = 1583; year <= 9999; ++year) {
        const EasterDate e = EasterSunday(static_cast<std::uint16_t>(year));
        const bool inRange = (e.Month == 3 && e.Day >= 22 && e.Day <= 31) ||
                             (e.Month == 4 && e.Day >= 1 && e.Day <= 25);
        ASSERT_TRUE(inRange) << year << ": " << e.Month << "/" << e.Day;
        DateTimeRec d;
        d.Year = static_cast<std::uint16_t>(year);
        d.Month = static_cast<std::uint16_t>(e.Month);
        d.Day = static_cast<std::uint16_t>(e.Day);
        // Weekday from the Julian Day at 0h: (JD + 1.5) mod 7 is 0 on Sunday.
        const auto weekday = static_cast<long long>(std::floor(DateToJulian(d) + 1.5)) % 7;
        ASSERT_EQ(weekday, 0) << year;
    }
}
