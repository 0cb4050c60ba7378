// SPDX-License-Identifier: GPL-3.0-or-later
#include "zone/FeatureMonth.h"

#include "zone/LocalTime.h"

#include <cmath>
#include <limits>

namespace {

constexpr int kLunarDaysSearched = 4; // a month of 31 days touches at most three
// From a sunset this far on, the Sun is below the feature's horizon: the next search finds
// the sunrise that follows.
constexpr double kIntoTheNightDays = 1;

struct UtCrossing {
    bool Found = false;
    bool OutOfRange = false;
    astro::JulianDay Ut = std::numeric_limits<double>::quiet_NaN();
};

UtCrossing AsUt(bool has, bool outOfRange, const astro::DateTimeRec& local, double zoneDays) {
    UtCrossing c;
    c.Found = has;
    c.OutOfRange = outOfRange;
    if (has) c.Ut = astro::DateToJulian(local) - zoneDays;
    return c;
}

TFeatureCrossing Shown(const UtCrossing& c, const astro::Observer& observer, const TZone& zone) {
    TFeatureCrossing out;
    out.Found = c.Found;
    out.OutOfRange = c.OutOfRange;
    if (!c.Found) return out;
    out.Ut = c.Ut;
    out.Local =
        astro::JulianToDate(LocalInstant(c.Ut, TObserverClock(observer, zone).Zone()).LocalJd);
    return out;
}

// UT of local 0h on the 1st of the month `month` of `year` (month 13 is January after).
astro::JulianDay MonthStartUt(int month, int year, const TZone& zone) {
    if (month > 12) {
        month = 1;
        ++year;
    }
    astro::DateTimeRec first;
    first.Year = static_cast<decltype(first.Year)>(year);
    first.Month = static_cast<decltype(first.Month)>(month);
    first.Day = 1;
    first.Hour = first.Minute = first.Second = 0;
    return astro::DateToJulian(first) - zone.OffsetAtLocal(first) / 1440.0;
}

} // namespace

TFeatureMonth FeatureSunTimesOfMonth(const astro::DateTimeRec& month, double longitude,
                                     double latitude, const astro::Observer& observer,
                                     const TZone& zone) {
    const astro::JulianDay from = MonthStartUt(month.Month, month.Year, zone);
    const astro::JulianDay to = MonthStartUt(month.Month + 1, month.Year, zone);
    const double zoneDays = observer.ZoneOffsetMinutes / 1440.0;

    UtCrossing rises[kLunarDaysSearched];
    UtCrossing sets[kLunarDaysSearched];
    int days = 0;
    astro::JulianDay start = from;
    while (days < kLunarDaysSearched) {
        const astro::FeatureSunTimes t =
            astro::FeatureSunriseSunset(start, longitude, latitude, observer);
        rises[days] = AsUt(t.HasSunrise, t.SunriseOutOfRange, t.Sunrise, zoneDays);
        sets[days] = AsUt(t.HasSunset, t.SunsetOutOfRange, t.Sunset, zoneDays);
        ++days;
        if (!t.HasSunset || sets[days - 1].Ut >= to) break;
        start = sets[days - 1].Ut + kIntoTheNightDays;
    }

    // The first two of a kind in [from, to); else the day in progress's.
    auto pick = [&](const UtCrossing* list, TFeatureCrossing& first, TFeatureCrossing& second) {
        int inMonth = 0;
        for (int i = 0; i < days && inMonth < 2; ++i) {
            if (!list[i].Found || list[i].Ut < from || list[i].Ut >= to) continue;
            (inMonth == 0 ? first : second) = Shown(list[i], observer, zone);
            ++inMonth;
        }
        if (inMonth == 0) first = Shown(list[0], observer, zone);
    };
    TFeatureMonth out;
    pick(rises, out.Sunrise, out.Sunrise2);
    pick(sets, out.Sunset, out.Sunset2);
    return out;
}
