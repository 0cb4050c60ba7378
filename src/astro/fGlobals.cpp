// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/fGlobals.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace astro {

bool IsJulianCalendar(int day, int month, int year) {
    if (year < 1582) return true;
    if (year == 1582 && month < 10) return true;
    return year == 1582 && month == 10 && day < 15;
}

JulianDay DateToJulian(const DateTimeRec& date) {
    long double y = date.Year;
    long double m = date.Month;
    const long double d =
        date.Day + date.Hour / 24.0L + date.Minute / 1440.0L + date.Second / 86400.0L;
    if (m <= 2) {
        m += 12;
        y -= 1;
    }
    long double b = 0;
    if (!IsJulianCalendar(date.Day, static_cast<int>(m), static_cast<int>(y))) {
        const long double a = std::trunc(y / 100);
        b = 2 - a + std::trunc(a / 4);
    }
    const long double jd =
        std::trunc(365.25L * (y + 4716)) + std::trunc(30.6001L * (m + 1)) + d + b - 1524.5L;
    return static_cast<double>(jd);
}

namespace {

// Date and time of an instant rounded once to a whole number of `unitSeconds`, the carry taken
// on into the date (Meeus ch. 7 for the date of the day number).
DateTimeRec JulianToDateRounded(JulianDay jd, int unitSeconds) {
    DateTimeRec out;
    out.Day = out.Month = out.Year = 0;
    if (!std::isfinite(jd) || std::fabs(jd) > 1e9) return out;
    const double j = jd + 0.5;
    double z = std::floor(j);
    long long seconds = std::llround((j - z) * 86400 / unitSeconds) * unitSeconds;
    if (seconds >= 86400) {
        z += 1;
        seconds -= 86400;
    }
    double a = z;
    if (z >= 2299161) {
        const auto alpha = static_cast<long long>(std::floor((z - 1867216.25) / 36524.25));
        a = z + 1 + static_cast<double>(alpha) - std::floor(static_cast<double>(alpha) / 4);
    }
    const double b = a + 1524;
    const double c = std::floor((b - 122.1) / 365.25);
    const double d = std::floor(365.25L * c);
    const double e = std::floor((b - d) / 30.6001);

    out.Day = static_cast<std::uint16_t>(std::trunc(b - d - std::trunc(30.6001L * e)));
    const int month = e < 14 ? static_cast<int>(e) - 1 : static_cast<int>(e) - 13;
    out.Month = static_cast<std::uint16_t>(month);
    out.Year = static_cast<std::uint16_t>(month > 2 ? c - 4716 : c - 4715);
    out.Hour = static_cast<std::uint16_t>(seconds / 3600);
    out.Minute = static_cast<std::uint16_t>(seconds / 60 % 60);
    out.Second = static_cast<std::uint16_t>(seconds % 60);
    out.Millisecond = 0;
    out.Julian = 0;
    return out;
}

} // namespace

DateTimeRec JulianToDate(JulianDay jd) {
    return JulianToDateRounded(jd, 1);
}

DateTimeRec JulianToDateToMinute(JulianDay jd) {
    return JulianToDateRounded(jd, 60);
}

double JulianCenturies(JulianDay jd) {
    return (jd - 2451545.0) / 36525;
}

JulianDay JulianDayOfYearStart(std::uint16_t year) {
    DateTimeRec d;
    d.Day = 1;
    d.Month = 1;
    d.Year = year;
    return DateToJulian(d);
}

double ReduceDegrees(double x) {
    const double n = std::trunc(x / 360);
    const double r = x - 360 * n;
    return x >= 0 ? r : r + 360;
}

double DegToRad(double deg) {
    return static_cast<double>(deg * Pi / 180);
}
double RadToDeg(double rad) {
    return static_cast<double>(rad * 180 / Pi);
}

std::string TwoDigits(int n) {
    return (n < 10 && n >= 0 ? "0" : "") + std::to_string(n);
}

std::string CutToCapacity(const std::string& text, std::size_t capacity) {
    std::size_t chars = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if ((byte & 0xC0) != 0x80) {
            if (chars == capacity) return text.substr(0, i);
            ++chars;
        }
    }
    return text;
}

DmsRec DecimalToDms(double x) {
    DmsRec out;
    out.Sign = x >= 0 ? " " : EnDash;
    x = std::fabs(x);
    // Beyond any angle or hour the program shows; keeps the rounding in range.
    const long long seconds = std::isfinite(x) ? std::llround(std::min(x, 1e6) * 3600) : 0;
    out.Whole = CutToCapacity(TwoDigits(static_cast<int>(seconds / 3600)), 3);
    out.Minutes = TwoDigits(static_cast<int>(seconds / 60 % 60));
    out.Seconds = TwoDigits(static_cast<int>(seconds % 60));
    return out;
}

DmsRec HoursToDms(double hours) {
    const double h = std::isfinite(hours) ? std::fmod(hours, 24.0) : 0;
    long long seconds = std::llround(h * 3600) % 86400;
    if (seconds < 0) seconds += 86400;
    DmsRec out;
    out.Sign = " ";
    out.Whole = TwoDigits(static_cast<int>(seconds / 3600));
    out.Minutes = TwoDigits(static_cast<int>(seconds / 60 % 60));
    out.Seconds = TwoDigits(static_cast<int>(seconds % 60));
    return out;
}

std::string ClockText(double hours) {
    if (!std::isfinite(hours)) hours = 0;
    const long long minutes = std::clamp<long long>(std::llround(hours * 60), 0, 24 * 60 - 1);
    return TwoDigits(static_cast<int>(minutes / 60)) + ":" +
           TwoDigits(static_cast<int>(minutes % 60));
}

std::string DateTimeText(const DateTimeRec& date) {
    std::string text = TwoDigits(date.Hour) + ":" + TwoDigits(date.Minute) + ":" +
                       TwoDigits(date.Second) + "  " + TwoDigits(date.Day) + " " +
                       LongMonthName(date.Month) + " " + std::to_string(date.Year);
    return CutToCapacity(text, 60);
}

std::uint8_t DaysInMonth(int month, int year) {
    static constexpr std::uint8_t lengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    const bool leap =
        year < 1582 ? year % 4 == 0 : (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return static_cast<std::uint8_t>(lengths[month - 1] + (month == 2 && leap ? 1 : 0));
}

bool DateExists(int day, int month, int year) {
    if (year < 1 || year > 9999 || day < 1 || day > DaysInMonth(month, year)) return false;
    return !(year == 1582 && month == 10 && day > 4 && day < 15);
}

int ExistingDay(int day, int month, int year) {
    const int last = DaysInMonth(month, year);
    day = std::clamp(day, 1, std::max(last, 1));
    if (year == 1582 && month == 10 && day > 4 && day < 15) day = 15;
    return day;
}

int Weekday(int day, int month, int year) {
    DateTimeRec d;
    d.Day = static_cast<std::uint16_t>(day);
    d.Month = static_cast<std::uint16_t>(month);
    d.Year = static_cast<std::uint16_t>(year);
    // Julian Day 0.5 (the day of JD 0 at noon) was a Monday.
    const auto n = static_cast<long long>(std::floor(DateToJulian(d) + 1.5));
    return static_cast<int>(((n % 7) + 7) % 7);
}

MonthGridDays MonthGrid(int month, int year, int firstWeekday) {
    MonthGridDays cells{};
    int cell = (Weekday(1, month, year) - firstWeekday % 7 + 7) % 7;
    const int last = DaysInMonth(month, year);
    for (int day = 1; day <= last && cell < static_cast<int>(cells.size()); ++day)
        if (DateExists(day, month, year)) cells[static_cast<std::size_t>(cell++)] = day;
    return cells;
}

namespace {

// Observed Delta T (TT - UT1) at the start of each year 2000..2026, seconds: 32.184 s +
// (TAI - UTC) - (UT1 - UTC) on 1 January. 2000..2022 agree to 0.01 s with the IERS EOP 14 C04
// series (eopc04_IAU2000.62-now as Debian's python3-astropy 5.2.1 ships it; compared by
// tools/check_delta_t.py), 2000..2018 also with python3-ephem 4.1.4's table; 2023..2026 are
// IERS Bulletin A values, not in that file.
constexpr double kObservedDeltaT[] = {63.83, 64.09, 64.30, 64.47, 64.57, 64.69, 64.85,
                                      65.15, 65.46, 65.78, 66.07, 66.32, 66.60, 66.91,
                                      67.28, 67.64, 68.10, 68.59, 68.97, 69.22, 69.36,
                                      69.36, 69.29, 69.20, 69.18, 69.14, 69.11};
constexpr int kFirstObservedYear = 2000;
constexpr int kLastObservedYear =
    kFirstObservedYear + static_cast<int>(std::size(kObservedDeltaT)) - 1;

// Espenak and Meeus's long-term parabola, seconds.
double LongTermDeltaT(double y) {
    const double u = (y - 1820) / 100;
    return -20 + 32 * u * u;
}

// Espenak and Meeus's expression for 2050..2150, seconds.
double DeltaT2050To2150(double y) {
    return LongTermDeltaT(y) - 0.5628 * (2150 - y);
}

} // namespace

double DeltaTSeconds(double y) {
    if (!std::isfinite(y)) return 0;
    if (y < -500 || y >= 2150) return LongTermDeltaT(y);
    if (y < 500) {
        const double u = y / 100;
        return 10583.6 +
               u * (-1014.41 +
                    u * (33.78311 + u * (-5.952053 +
                                         u * (-0.1798452 + u * (0.022174192 + u * 0.0090316521)))));
    }
    if (y < 1600) {
        const double u = (y - 1000) / 100;
        return 1574.2 +
               u * (-556.01 +
                    u * (71.23472 + u * (0.319781 + u * (-0.8503463 +
                                                         u * (-0.005050998 + u * 0.0083572073)))));
    }
    if (y < 1700) {
        const double t = y - 1600;
        return 120 + t * (-0.9808 + t * (-0.01532 + t / 7129));
    }
    if (y < 1800) {
        const double t = y - 1700;
        return 8.83 + t * (0.1603 + t * (-0.0059285 + t * (0.00013336 - t / 1174000)));
    }
    if (y < 1860) {
        const double t = y - 1800;
        return 13.72 +
               t * (-0.332447 +
                    t * (0.0068612 +
                         t * (0.0041116 +
                              t * (-0.00037436 + t * (0.0000121272 +
                                                      t * (-0.0000001699 + t * 0.000000000875))))));
    }
    if (y < 1900) {
        const double t = y - 1860;
        return 7.62 +
               t * (0.5737 + t * (-0.251754 + t * (0.01680668 + t * (-0.0004473624 + t / 233174))));
    }
    if (y < 1920) {
        const double t = y - 1900;
        return -2.79 + t * (1.494119 + t * (-0.0598939 + t * (0.0061966 - t * 0.000197)));
    }
    if (y < 1941) {
        const double t = y - 1920;
        return 21.20 + t * (0.84493 + t * (-0.076100 + t * 0.0020936));
    }
    if (y < 1961) {
        const double t = y - 1950;
        return 29.07 + t * (0.407 + t * (-1 / 233.0 + t / 2547));
    }
    if (y < 1986) {
        const double t = y - 1975;
        return 45.45 + t * (1.067 + t * (-1 / 260.0 - t / 718));
    }
    if (y < kFirstObservedYear) {
        const double t = y - 2000;
        return 63.86 + t * (0.3345 + t * (-0.060374 +
                                          t * (0.0017275 + t * (0.000651814 + t * 0.00002373599))));
    }
    if (y < kLastObservedYear) {
        const double at = y - kFirstObservedYear;
        const auto i = static_cast<std::size_t>(at);
        const double f = at - static_cast<double>(i);
        return kObservedDeltaT[i] + f * (kObservedDeltaT[i + 1] - kObservedDeltaT[i]);
    }
    if (y < 2050) {
        // From the last observed value straight to the 2050 expression.
        const double last = kObservedDeltaT[std::size(kObservedDeltaT) - 1];
        const double f = (y - kLastObservedYear) / (2050 - kLastObservedYear);
        return last + f * (DeltaT2050To2150(2050) - last);
    }
    return DeltaT2050To2150(y);
}

double DecimalYear(JulianDay jd) {
    return 2000 + (jd - 2451544.5) / 365.2425;
}

double DeltaTDays(JulianDay jd) {
    if (!std::isfinite(jd)) return 0;
    return DeltaTSeconds(DecimalYear(jd)) / 86400;
}

JulianDay EngineInstant(const DateTimeRec& local, int zoneOffsetMinutes, double clockOffsetDays) {
    return DateToJulian(local) - zoneOffsetMinutes / 1440.0 + clockOffsetDays;
}

namespace {
MonthNameList& longNames() {
    static MonthNameList names = {"January",   "February", "March",    "April",
                                  "May",       "June",     "July",     "August",
                                  "September", "October",  "November", "December"};
    return names;
}
MonthNameList& shortNames() {
    static MonthNameList names = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                  "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    return names;
}
const std::string& emptyName() {
    static const std::string empty;
    return empty;
}
} // namespace

const MonthNameList& LongMonthNames() {
    return longNames();
}
const MonthNameList& ShortMonthNames() {
    return shortNames();
}

void SetMonthNames(const MonthNameList& longList, const MonthNameList& shortList) {
    longNames() = longList;
    shortNames() = shortList;
}

const std::string& LongMonthName(int month) {
    return month >= 1 && month <= 12 ? longNames()[month - 1] : emptyName();
}
const std::string& ShortMonthName(int month) {
    return month >= 1 && month <= 12 ? shortNames()[month - 1] : emptyName();
}

} // namespace astro
