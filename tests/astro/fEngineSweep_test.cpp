// SPDX-License-Identifier: GPL-3.0-or-later
// A sampled sweep over the whole calendar range at the poles, the polar circles and the equator:
// every computation of a month finishes with finite values and well-formed texts.
#include "astro/fEclipse.h"
#include "astro/fPhases.h"
#include "astro/fRiseSet.h"
#include "astro/fSeasons.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>

using namespace astro;

namespace {

bool isEventText(const std::string& t) {
    if (t == "None" || t == "*****") return true;
    if (t.size() != 5 || t[2] != ':') return false;
    for (std::size_t i : {0u, 1u, 3u, 4u})
        if (!std::isdigit(static_cast<unsigned char>(t[i]))) return false;
    const int hours = (t[0] - '0') * 10 + (t[1] - '0');
    const int minutes = (t[3] - '0') * 10 + (t[4] - '0');
    return minutes < 60 && hours * 60 + minutes <= 24 * 60;
}

void expectWellFormed(const RiseSetTimes& t, const char* what, int year, int month) {
    EXPECT_TRUE(isEventText(t.Rise)) << what << " " << year << "-" << month << " " << t.Rise;
    EXPECT_TRUE(isEventText(t.Transit)) << what << " " << year << "-" << month << " " << t.Transit;
    EXPECT_TRUE(isEventText(t.Set)) << what << " " << year << "-" << month << " " << t.Set;
}

} // namespace

TEST(Sweep, EveryMonthOfSampledYearsAtFiveLatitudes) {
    const double latitudes[] = {-90, -66.6, 0, 66.6, 90};
    int years = 0;
    for (int step = 0; step < 200; ++step) {
        const int year = std::min(1 + 61 * step, 9999);
        ++years;
        for (int month = 1; month <= 12; ++month) {
            for (double lat : latitudes) {
                Observer o;
                o.Latitude = DegToRad(lat);
                o.Longitude = DegToRad(((year * 7 + month * 31) % 360) - 180.0);
                o.ZoneOffsetMinutes = ((year + month) % 27 - 13) * 60;
                DateTimeRec date;
                date.Year = static_cast<std::uint16_t>(year);
                date.Month = static_cast<std::uint16_t>(month);
                date.Day =
                    static_cast<std::uint16_t>(1 + (year * 13 + month) % DaysInMonth(month, year));
                date.Julian = DateToJulian(date) + 0.3;

                MonthPhaseList events;
                const int n = MonthPhases(date, o, events);
                EXPECT_GE(n, 3);
                EXPECT_LE(n, 5);
                for (int i = 0; i < n; ++i) {
                    EXPECT_TRUE(std::isfinite(events[static_cast<std::size_t>(i)].Julian));
                    EXPECT_EQ(events[static_cast<std::size_t>(i)].Date.Month, month) << year;
                }
                const LunationRec lunation = NewMoonsAround(date.Julian);
                const double percent = LunationPercent(date.Julian, lunation);
                EXPECT_TRUE(percent >= 0 && percent < 100) << year << "-" << month;
                const ApsisTexts apsides = NextApsides(date.Julian, o);
                EXPECT_FALSE(apsides.PerigeeTimeText.empty());
                EXPECT_FALSE(apsides.ApogeeTimeText.empty());

                const EclipseCircumstances e =
                    CheckForEclipse(events, n, static_cast<std::uint16_t>(year), o);
                if (e.Kind != NoEclipse) {
                    EXPECT_TRUE(std::isfinite(e.UmbralMagnitude) &&
                                std::isfinite(e.PenumbralMagnitude));
                    EXPECT_FALSE(e.Visibility.empty());
                }

                expectWellFormed(MoonRiseSet(date, o), "moon", year, month);
                expectWellFormed(SunRiseSet(date, SunriseAltitude, o), "sun", year, month);
                expectWellFormed(SunRiseSet(date, AstronomicalTwilightAltitude, o), "twilight",
                                 year, month);
            }
        }
        if (year % 5 == 1) {
            const SeasonsRec s =
                EquinoxesAndSolstices(static_cast<std::uint16_t>(year), Observer{});
            for (double length : s.Lengths)
                EXPECT_TRUE(length > 85 && length < 97) << year;
        }
        if (year == 9999) break;
    }
    EXPECT_GE(years, 100);
}
