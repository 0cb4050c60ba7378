// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/fRiseSet.h"
#include "astro/fSeasons.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace astro;

namespace {

Observer zone(int minutes) {
    Observer o;
    o.ZoneOffsetMinutes = minutes;
    return o;
}

} // namespace

TEST(Seasons, Year2000StartsFromTheConstantTerms) {
    const SeasonsRec s = EquinoxesAndSolstices(2000, zone(0));
    EXPECT_EQ(s.MeanInstants[0], 2451623.80984);
    EXPECT_EQ(s.MeanInstants[1], 2451716.56767);
    EXPECT_EQ(s.MeanInstants[2], 2451810.21715);
    EXPECT_EQ(s.MeanInstants[3], 2451900.05952);
    EXPECT_NEAR(s.MeanInstants[4], 2451623.80984 + 365.24237404, 1e-6);
    // Corrected instants put the Sun at 0, 90, 180, 270 degrees.
    for (int i = 0; i < 4; ++i) {
        const double lambda =
            SunPosition(s.Instants[i] - DeltaTDays(s.Instants[i]), zone(0)).Longitude;
        EXPECT_NEAR(std::remainder(lambda - 90.0 * i, 360.0), 0, 1e-6) << i;
    }
    // Shown to the second, rounded once (no half minute added).
    EXPECT_EQ(s.Texts[0], "07:35:21  20 March 2000");
    EXPECT_EQ(s.Texts[3], "13:37:31  21 December 2000");
    // Lengths truncated to two decimals; the fourth ends at the uncorrected next March equinox.
    EXPECT_DOUBLE_EQ(s.Lengths[0], 92.75);
    EXPECT_DOUBLE_EQ(s.Lengths[1], 93.65);
    EXPECT_DOUBLE_EQ(s.Lengths[2], 89.84);
    EXPECT_DOUBLE_EQ(s.Lengths[3], std::trunc((s.MeanInstants[4] - s.Instants[3]) * 100) / 100);
    const SeasonsRec next = EquinoxesAndSolstices(2001, zone(0));
    EXPECT_NE(next.Instants[0], s.MeanInstants[4]);
}

TEST(Seasons, ZoneOffsetMovesAllFourAlike) {
    const SeasonsRec utc = EquinoxesAndSolstices(2024, zone(0));
    const SeasonsRec summer = EquinoxesAndSolstices(2024, zone(60 + 60));
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(summer.LocalDates[i].Minute, utc.LocalDates[i].Minute);
        EXPECT_EQ((summer.LocalDates[i].Hour + 24 - utc.LocalDates[i].Hour) % 24, 2);
        EXPECT_EQ(summer.Instants[i], utc.Instants[i]);
    }
}

TEST(Seasons, MeeusExampleAndConvergence) {
    // Meeus, Astronomical Algorithms, example 27.a: the June solstice of 1962 by the complete
    // VSOP87 theory is 21h 24m 42s dynamical time on June 21.
    const SeasonsRec s1962 = EquinoxesAndSolstices(1962, zone(0));
    EXPECT_NEAR((s1962.Instants[1] - 2437837.39215) * 86400, 0, 10);

    // Over 1950 .. 2050 every event converges onto its longitude within the bound of rounds,
    // and the seasons keep their familiar lengths.
    for (int year = 1950; year <= 2050; year += 5) {
        const SeasonsRec s = EquinoxesAndSolstices(static_cast<std::uint16_t>(year), zone(0));
        for (int i = 0; i < 4; ++i) {
            const double ut = s.Instants[i] - DeltaTDays(s.Instants[i]);
            const double lambda = SunPosition(ut, zone(0)).Longitude;
            EXPECT_NEAR(std::remainder(lambda - 90.0 * i, 360.0), 0, 1e-6) << year;
        }
        EXPECT_NEAR(s.Lengths[0], 92.8, 0.2);
        EXPECT_NEAR(s.Lengths[1], 93.6, 0.2);
        EXPECT_NEAR(s.Lengths[2], 89.8, 0.2);
        EXPECT_NEAR(s.Lengths[3], 89.0, 0.2);
    }
}
