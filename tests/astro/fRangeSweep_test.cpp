// SPDX-License-Identifier: GPL-3.0-or-later
// Whole-range sweep at the awkward places: the poles, a hair from the poles, the polar circles
// and the equator, at the date line from both sides and at Greenwich, with the extreme zone
// offsets. Every routine of a day, a month and a year must end with finite, in-range results.
// ctest takes a sample; CRESSELLE_FULL_SWEEP=1 takes every day of the years 1 to 9999, every
// month and every year (about an hour of processor time: run by hand, nice'd).
#include "astro/fEaster.h"
#include "astro/fEclipse.h"
#include "astro/fMoonCalcs.h"
#include "astro/fPhases.h"
#include "astro/fRiseSet.h"
#include "astro/fSeasons.h"
#include "astro/fSidereal.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <iostream>
#include <string_view>
#include <vector>

using namespace astro;

namespace {

constexpr double Latitudes[] = {-90, -89.99, -66.56, 0, 66.56, 89.99, 90};
constexpr double Longitudes[] = {-180, 0, 180};   // degrees, east positive
constexpr int ZoneOfLongitude[] = {-720, 0, 780}; // the extremes, daylight saving included
constexpr double SunAltitudes[] = {SunriseAltitude, CivilTwilightAltitude, NauticalTwilightAltitude,
                                   AstronomicalTwilightAltitude};

bool FullSweep() {
    const char* full = std::getenv("CRESSELLE_FULL_SWEEP");
    return full && std::string_view(full) == "1";
}

std::vector<Observer> Observers() {
    std::vector<Observer> all;
    for (double lat : Latitudes)
        for (int i = 0; i < 3; ++i)
            all.push_back({DegToRad(lat), DegToRad(-Longitudes[i]), ZoneOfLongitude[i]});
    return all;
}

std::string Where(const DateTimeRec& d, const Observer& o) {
    return std::to_string(d.Year) + "-" + std::to_string(d.Month) + "-" + std::to_string(d.Day) +
           " lat " + std::to_string(RadToDeg(o.Latitude)) + " lon(W) " +
           std::to_string(RadToDeg(o.Longitude)) + " zone " + std::to_string(o.ZoneOffsetMinutes);
}

// "HH:MM" of a time of day: never 24:00, never :60.
bool IsClock(std::string_view t) {
    if (t.size() != 5 || t[2] != ':') return false;
    for (std::size_t i : {0u, 1u, 3u, 4u})
        if (!std::isdigit(static_cast<unsigned char>(t[i]))) return false;
    const int hours = (t[0] - '0') * 10 + (t[1] - '0');
    const int minutes = (t[3] - '0') * 10 + (t[4] - '0');
    return hours < 24 && minutes < 60;
}

// "HH:MM:SS" likewise.
bool IsClockWithSeconds(std::string_view t) {
    return t.size() == 8 && t[5] == ':' && IsClock(t.substr(0, 5)) &&
           std::isdigit(static_cast<unsigned char>(t[6])) && t[6] < '6' &&
           std::isdigit(static_cast<unsigned char>(t[7]));
}

bool IsEventText(std::string_view t) {
    return t == "None" || t == "*****" || IsClock(t);
}

// A date of the calendar in force: Julian before 15 October 1582, where every fourth year has a
// 29 February, Gregorian from then on; 5-14 October 1582 do not exist.
bool IsRealDate(const DateTimeRec& d) {
    if (d.Year < 1 || d.Year > 9999 || d.Month < 1 || d.Month > 12 || d.Day < 1 || d.Hour >= 24 ||
        d.Minute >= 60 || d.Second >= 60)
        return false;
    const int y = d.Year;
    const bool leap = y < 1582 ? y % 4 == 0 : (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
    static constexpr int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const int length = lengths[d.Month - 1] + (d.Month == 2 && leap ? 1 : 0);
    const bool lostDays = y == 1582 && d.Month == 10 && d.Day > 4 && d.Day < 15;
    return !lostDays && d.Day <= length;
}

bool Within(double x, double low, double high) {
    return std::isfinite(x) && x >= low && x <= high;
}

// --- one day ---------------------------------------------------------------------------------

void CheckRiseSet(const RiseSetTimes& t, const char* what, const DateTimeRec& d,
                  const Observer& o) {
    EXPECT_TRUE(IsEventText(t.Rise) && IsEventText(t.Transit) && IsEventText(t.Set))
        << what << " " << Where(d, o) << ": " << t.Rise << " " << t.Transit << " " << t.Set;
}

void CheckPosition(const MoonAndSun& p, const DateTimeRec& d, const Observer& o) {
    const MoonRec& m = p.Moon;
    const SunRec& s = p.Sun;
    const bool moonOk =
        Within(m.DistanceKm, 340000, 420000) && Within(m.Altitude, -90, 90) &&
        Within(m.Azimuth, 0, 360) && Within(m.Equatorial.RightAscension, 0, 360) &&
        Within(m.Equatorial.Declination, -90, 90) && Within(m.Topocentric.Declination, -90, 90) &&
        Within(m.Topocentric.RightAscension, -5, 365) && Within(m.Parallax, 0.8, 1.1) &&
        Within(m.SemiDiameter, 0.2, 0.3) && Within(m.PhaseAngle, 0, 180) &&
        Within(m.BrightLimbAngle, 0, 360) && Within(m.Colongitude, 0, 360) &&
        m.IlluminatedPercent >= 0 && m.IlluminatedPercent <= 100 &&
        Within(m.LibrationLatitude, -10, 10) && Within(m.LibrationLongitude, -10, 10) &&
        Within(m.AxisPositionAngle, -360, 360) && Within(m.SunSelenographicLatitude, -0.1, 0.1);
    const bool sunOk = Within(s.DistanceKm, 1.45e8, 1.53e8) && Within(s.Altitude, -90, 90) &&
                       Within(s.Azimuth, 0, 360) && Within(s.Equatorial.RightAscension, 0, 360) &&
                       Within(s.Equatorial.Declination, -24, 24) && std::isfinite(s.Longitude);
    EXPECT_TRUE(moonOk) << "Moon " << Where(d, o) << " dist " << m.DistanceKm << " alt "
                        << m.Altitude << " az " << m.Azimuth << " lib " << m.LibrationLatitude
                        << "/" << m.LibrationLongitude << " axis " << m.AxisPositionAngle;
    EXPECT_TRUE(sunOk) << "Sun " << Where(d, o) << " dist " << s.DistanceKm << " alt " << s.Altitude
                       << " az " << s.Azimuth;
}

void CheckDay(const DateTimeRec& day, const Observer& o) {
    const RiseSetTimes moon = MoonRiseSet(day, o);
    CheckRiseSet(moon, "moon", day, o);
    EXPECT_TRUE(moon.IlluminatedPercent >= 0 && moon.IlluminatedPercent <= 100) << Where(day, o);
    for (double h0 : SunAltitudes)
        CheckRiseSet(SunRiseSet(day, h0, o), "sun", day, o);
    DateTimeRec noon = day;
    noon.Hour = 12;
    const MoonAndSun position = MoonPosition(EngineInstant(noon, o.ZoneOffsetMinutes), o);
    CheckPosition(position, noon, o);
    const DmsRec& ra = position.Moon.Topocentric.RightAscensionText;
    EXPECT_TRUE(IsClockWithSeconds(ra.Whole + ":" + ra.Minutes + ":" + ra.Seconds) &&
                IsClockWithSeconds(LocalSiderealTimeText(noon, o)))
        << Where(day, o) << " R.A. " << ra.Whole << ":" << ra.Minutes << ":" << ra.Seconds;
}

// --- one month -------------------------------------------------------------------------------

bool IsApsisDistance(const std::string& text) {
    const double km = std::atof(text.c_str());
    return text.size() <= 25 && km > 350000 && km < 410000;
}

void CheckMonth(int year, int month, const Observer& o) {
    DateTimeRec date;
    date.Year = static_cast<std::uint16_t>(year);
    date.Month = static_cast<std::uint16_t>(month);
    date.Day = static_cast<std::uint16_t>(1 + (year + month) % DaysInMonth(month, year));
    date.Julian = DateToJulian(date);

    MonthPhaseList events;
    const int n = MonthPhases(date, o, events);
    ASSERT_TRUE(n >= 3 && n <= MaxMonthPhases) << Where(date, o) << " " << n;
    for (int i = 0; i < n; ++i) {
        const PhaseEvent& e = events[static_cast<std::size_t>(i)];
        EXPECT_TRUE(std::isfinite(e.Julian) && e.Date.Year == year && IsRealDate(e.Date) &&
                    IsClock(e.Text.substr(0, 5)) && e.Text.size() <= 60)
            << Where(date, o) << " " << e.Text;
        if (i > 0) {
            EXPECT_GT(e.Julian, events[static_cast<std::size_t>(i - 1)].Julian);
        }
    }

    const EclipseCircumstances eclipse =
        CheckForEclipse(events, n, static_cast<std::uint16_t>(year), o);
    EXPECT_LE(eclipse.Kind, TotalEclipse);
    if (eclipse.Kind != NoEclipse) {
        EXPECT_TRUE(Within(eclipse.PenumbralMagnitude, 0, 3) &&
                    Within(eclipse.UmbralMagnitude, -1.2, 2) && IsClock(eclipse.Maximum) &&
                    IsClock(eclipse.PenumbraEntered) && IsClock(eclipse.PenumbraLeft) &&
                    IsRealDate(eclipse.LocalMaximum) &&
                    (eclipse.Visibility == "Visible" || eclipse.Visibility == "Not Visible" ||
                     eclipse.Visibility == "Partially Visible"))
            << "eclipse " << Where(date, o) << " " << eclipse.Date << " "
            << eclipse.PenumbralMagnitude << " " << eclipse.Visibility;
        // The maximum and the full moon that causes it are the same instant within hours, in
        // every century (both in UT).
        const JulianDay maximum = DateToJulian(eclipse.LocalMaximum);
        double nearest = 99;
        for (int i = 0; i < n; ++i)
            if (events[static_cast<std::size_t>(i)].Kind == PhaseKind::FullMoon)
                nearest = std::min(nearest,
                                   std::fabs(events[static_cast<std::size_t>(i)].Julian - maximum));
        EXPECT_LT(nearest, 0.2) << "eclipse " << Where(date, o) << " " << eclipse.Date;
    }

    const ApsisTexts apsides = NextApsides(date.Julian, o);
    EXPECT_TRUE(IsApsisDistance(apsides.PerigeeDistanceText) &&
                IsApsisDistance(apsides.ApogeeDistanceText) &&
                // An apsis past 31 December 9999 has no date to show.
                (IsClock(apsides.PerigeeTimeText.substr(0, 5)) ||
                 apsides.PerigeeTimeText == "Outside years 1-9999") &&
                (IsClock(apsides.ApogeeTimeText.substr(0, 5)) ||
                 apsides.ApogeeTimeText == "Outside years 1-9999") &&
                apsides.PerigeeTimeText.size() <= 25 && apsides.ApogeeTimeText.size() <= 25)
        << "apsides " << Where(date, o) << " " << apsides.PerigeeDistanceText << "|"
        << apsides.PerigeeTimeText << "|" << apsides.ApogeeTimeText;

    const LunationRec lunation = NewMoonsAround(date.Julian);
    const double percent = LunationPercent(date.Julian, lunation);
    EXPECT_TRUE(Within(percent, 0, 100) &&
                Within(lunation.NextNewMoon - lunation.PreviousNewMoon, 29.2, 29.9))
        << Where(date, o) << " " << percent;
}

// --- one year --------------------------------------------------------------------------------

void CheckYear(int year, const Observer& o) {
    const SeasonsRec s = EquinoxesAndSolstices(static_cast<std::uint16_t>(year), o);
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_TRUE(std::isfinite(s.Instants[i]) && IsRealDate(s.LocalDates[i]) &&
                    Within(s.Lengths[i], 85, 97) && !s.Texts[i].empty())
            << year << " event " << i << " " << s.Texts[i] << " " << s.Lengths[i];
        if (i > 0) {
            EXPECT_GT(s.Instants[i], s.Instants[i - 1]) << year;
        }
    }
    const EasterDate easter = EasterSunday(static_cast<std::uint16_t>(year));
    EXPECT_TRUE((easter.Month == 3 && easter.Day >= 22 && easter.Day <= 31) ||
                (easter.Month == 4 && easter.Day >= 1 && easter.Day <= 25))
        << year;
    DateTimeRec sunday;
    sunday.Year = static_cast<std::uint16_t>(year);
    sunday.Month = static_cast<std::uint16_t>(easter.Month);
    sunday.Day = static_cast<std::uint16_t>(easter.Day);
    // Julian Day 0 began on a Monday at noon: (JD + 1.5) mod 7 is 0 on a Sunday.
    EXPECT_EQ(static_cast<long long>(std::floor(DateToJulian(sunday) + 1.5)) % 7, 0)
        << "Easter " << year;
}

// The month lengths agree with the Julian Days of the first days of the months: the Julian
// 29 February before the reform is there, 5-14 October 1582 are not.
void CheckMonthLengths(int year) {
    const auto first = [](int y, int m) {
        DateTimeRec d;
        d.Year = static_cast<std::uint16_t>(y);
        d.Month = static_cast<std::uint16_t>(m);
        return DateToJulian(d);
    };
    for (int m = 1; m <= 12; ++m) {
        const double days = (m == 12 ? first(year + 1, 1) : first(year, m + 1)) - first(year, m);
        int listed = 0;
        for (int d = 1; d <= DaysInMonth(m, year); ++d)
            listed += DateExists(d, m, year) ? 1 : 0;
        ASSERT_EQ(days, listed) << year << "-" << m;
        DateTimeRec last;
        last.Year = static_cast<std::uint16_t>(year);
        last.Month = static_cast<std::uint16_t>(m);
        last.Day = static_cast<std::uint16_t>(DaysInMonth(m, year));
        ASSERT_TRUE(IsRealDate(last)) << year << "-" << m;
    }
}

// --- a point of the Moon -----------------------------------------------------------------------

void CheckFeature(JulianDay start, double lonDeg, double latDeg, const Observer& o) {
    const FeatureSunTimes t = FeatureSunriseSunset(start, lonDeg, latDeg, o);
    const auto check = [&](bool has, const DateTimeRec& d, const char* what) {
        if (!has) {
            EXPECT_TRUE(d.Day == 0 && d.Month == 0 && d.Year == 0) << what;
            return;
        }
        const double jd = DateToJulian(d);
        // At night the next lunar day begins within a lunation and ends within another. Near
        // a pole the Sun's selenographic latitude decides, which swings over the eclipse
        // year: the lunar day there may last months.
        const double span = std::fabs(latDeg) > 85 ? 366 : 60;
        EXPECT_TRUE(IsRealDate(d) && std::fabs(jd - start) < span)
            << what << " at " << lonDeg << "/" << latDeg << " from " << start << ": " << d.Year
            << "-" << d.Month << "-" << d.Day;
    };
    check(t.HasSunrise, t.Sunrise, "feature sunrise");
    check(t.HasSunset, t.Sunset, "feature sunset");
    if (t.HasSunrise && t.HasSunset) {
        EXPECT_GT(DateToJulian(t.Sunset), DateToJulian(t.Sunrise))
            << "sunset before sunrise at " << lonDeg << "/" << latDeg << " from " << start;
    }
}

// Day indices from 1 January of the year 1 to 31 December 9999.
JulianDay FirstDay() {
    DateTimeRec d;
    d.Year = 1;
    return DateToJulian(d);
}

JulianDay LastDay() {
    DateTimeRec d;
    d.Year = 9999;
    d.Month = 12;
    d.Day = 31;
    return DateToJulian(d);
}

DateTimeRec DayAt(JulianDay jd) {
    DateTimeRec d = JulianToDate(jd);
    d.Hour = d.Minute = d.Second = 0;
    d.Julian = DateToJulian(d);
    return d;
}

// Calendar edges every run takes whatever the stride: the first and last days, the Julian to
// Gregorian change, leap days of both calendars.
const DateTimeRec EdgeDays[] = {
    {1, 1, 1},    {31, 12, 9999}, {30, 12, 9999}, {4, 10, 1582}, {15, 10, 1582}, {28, 2, 1500},
    {1, 3, 1500}, {29, 2, 2000},  {28, 2, 2100},  {1, 3, 1900},  {31, 12, 1},
};

} // namespace

TEST(RangeSweep, DaysAtThePolesPolarCirclesAndEquator) {
    const std::vector<Observer> observers = Observers();
    // Sampled: a prime stride walks through the months, weekdays and both calendars, and the
    // observers take the sampled days in turn, three a day. Full: every day, one observer a day
    // in turn (every observer sees every 21st day).
    const bool full = FullSweep();
    const int stride = full ? 1 : 1931;
    long long days = 0;
    const auto started = std::chrono::steady_clock::now();
    for (const DateTimeRec& edge : EdgeDays)
        for (const Observer& o : observers)
            CheckDay(edge, o);
    std::size_t turn = 0;
    for (JulianDay jd = FirstDay(); jd <= LastDay(); jd += stride, ++days) {
        const DateTimeRec day = DayAt(jd);
        for (int k = 0; k < (full ? 1 : 3); ++k)
            CheckDay(day, observers[turn++ % observers.size()]);
        if (HasFailure()) break;
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::cout << "days " << days << " (stride " << stride << ") in " << seconds << " s\n";
    EXPECT_GT(days, 1800);
}

TEST(RangeSweep, MonthsAndYears) {
    const std::vector<Observer> observers = Observers();
    const bool full = FullSweep();
    const int monthStride = full ? 1 : 97; // months
    const int yearStride = full ? 1 : 37;
    std::size_t turn = 0;
    int months = 0;
    for (int index = 0; index < 9999 * 12; index += monthStride, ++months) {
        const int year = 1 + index / 12;
        const int month = 1 + index % 12;
        if (full) {
            for (const Observer& o : observers)
                CheckMonth(year, month, o);
        } else {
            CheckMonth(year, month, observers[turn++ % observers.size()]);
        }
        if (HasFailure()) break;
    }
    for (int month = 1; month <= 12; ++month)
        for (const Observer& o : observers) {
            CheckMonth(1, month, o);
            CheckMonth(9999, month, o);
        }
    for (int year = 1; year <= 9999; year += yearStride)
        CheckYear(year, observers[turn++ % observers.size()]);
    // Cheap enough for every year: the calendar and Easter.
    for (int year = 1; year <= 9999; ++year) {
        CheckMonthLengths(year);
        const EasterDate easter = EasterSunday(static_cast<std::uint16_t>(year));
        ASSERT_EQ(Weekday(easter.Day, easter.Month, year), 0) << "Easter " << year;
    }
    CheckYear(9999, observers.back());
    std::cout << "months " << months << "\n";
    EXPECT_GT(months, 1000);
}

TEST(RangeSweep, FeatureSunriseAndSunsetFromPoleToPole) {
    const std::vector<Observer> observers = Observers();
    const bool full = FullSweep();
    const double featureLongitudes[] = {-180, -90, -0.01, 0, 90, 180};
    std::vector<double> featureLatitudes = {-90, -89.99, -60, 0, 60, 89.99, 90};
    if (full)
        for (int lat = -88; lat <= 88; lat += 2)
            featureLatitudes.push_back(lat);
    // Each start takes every latitude, the longitudes and the observers in turn.
    const int stride = full ? 97 : 9973; // days
    std::size_t turn = 0;
    int starts = 0;
    for (JulianDay jd = FirstDay(); jd <= LastDay(); jd += stride, ++starts) {
        for (double lat : featureLatitudes) {
            const double lon = featureLongitudes[turn % std::size(featureLongitudes)];
            CheckFeature(jd + 0.3, lon, lat, observers[turn++ % observers.size()]);
        }
        if (HasFailure()) break;
    }
    std::cout << "feature starts " << starts << "\n";
    EXPECT_GT(starts, 300);
}
