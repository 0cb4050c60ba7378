// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/fEaster.h"

#include "astro/fGlobals.h"

namespace astro {

namespace {

// The Julian computus (Meeus ch. 8): a date of the Julian calendar.
EasterDate JulianEaster(int y) {
    const int a = y % 4;
    const int b = y % 7;
    const int c = y % 19;
    const int d = (19 * c + 15) % 30;
    const int e = (2 * a + 4 * b - d + 34) % 7;
    const int n = d + e + 114;
    return {n / 31, n % 31 + 1};
}

} // namespace

EasterDate EasterSunday(std::uint16_t year) {
    const int y = year;
    if (y < 1583) return JulianEaster(y);
    const int a = y % 19;
    const int b = y / 100;
    const int c = y % 100;
    const int d = b / 4;
    const int e = b % 4;
    const int f = (b + 8) / 25;
    const int g = (b - f + 1) / 3;
    const int h = (19 * a + b - d - g + 15) % 30;
    const int i = c / 4;
    const int k = c % 4;
    const int l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    const int n = h + l - 7 * m + 114;
    EasterDate out;
    out.Month = n / 31;
    out.Day = n % 31 + 1;
    return out;
}

std::string Sunday(std::uint16_t year) {
    const EasterDate date = EasterSunday(year);
    return CutToCapacity(std::to_string(date.Day) + " " + LongMonthName(date.Month) + " " +
                             std::to_string(year),
                         60);
}

} // namespace astro
