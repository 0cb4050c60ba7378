#include "astro/fEaster.h"

#include "astro/fGlobals.h"

namespace astro {

EasterDate EasterSunday(std::uint16_t year) {
    const int y = year;
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
