#include "astro/fGlobals.h"

#include <cmath>

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

DateTimeRec JulianToDate(JulianDay jd) {
    const double j = jd + 0.5;
    const double z = std::trunc(j);
    const double f = j - z;
    double a = z;
    if (z >= 2299161) {
        const auto alpha = static_cast<long long>(std::trunc((z - 1867216.25) / 36524.25));
        a = z + 1 + static_cast<double>(alpha) - static_cast<double>(alpha / 4);
    }
    const double b = a + 1524;
    const double c = std::trunc((b - 122.1) / 365.25);
    const double d = std::trunc(365.25L * c);
    const double e = std::trunc((b - d) / 30.6001);

    DateTimeRec out;
    out.Day = static_cast<std::uint16_t>(std::trunc(b - d - std::trunc(30.6001L * e)));
    const int month = e < 14 ? static_cast<int>(e) - 1 : static_cast<int>(e) - 13;
    out.Month = static_cast<std::uint16_t>(month);
    out.Year = static_cast<std::uint16_t>(month > 2 ? c - 4716 : c - 4715);

    const double h = f * 24;
    out.Hour = static_cast<std::uint16_t>(std::trunc(h));
    const double mins = (h - out.Hour) * 60;
    out.Minute = static_cast<std::uint16_t>(std::trunc(mins));
    const double secs = std::nearbyint((mins - out.Minute) * 60);
    out.Second = secs >= 60 ? 0 : static_cast<std::uint16_t>(secs);
    out.Millisecond = 0;
    out.Julian = 0;
    return out;
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
    const double w = std::trunc(x);
    out.Whole = CutToCapacity(TwoDigits(static_cast<int>(w)), 3);
    const double m = (x - w) * 60;
    int minutes = static_cast<int>(std::trunc(m));
    int s = static_cast<int>(std::trunc((m - minutes) * 60 + 1));
    if (s == 60) {
        ++minutes;
        s = 0;
    }
    out.Minutes = CutToCapacity(TwoDigits(minutes), 2);
    out.Seconds = CutToCapacity(TwoDigits(s), 2);
    return out;
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
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return static_cast<std::uint8_t>(lengths[month - 1] + (month == 2 && leap ? 1 : 0));
}

double DeltaTSeconds(std::uint16_t year) {
    const long long n = static_cast<long long>(year) - 1810;
    return 0.00225 * static_cast<double>(n * n) - 15;
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
