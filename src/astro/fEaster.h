// SPDX-License-Identifier: GPL-3.0-or-later
// Date of Easter Sunday (Meeus, Astronomical Algorithms, chapter 8): the Julian computus up to
// 1582, a date of the Julian calendar; the Gregorian computus (the anonymous algorithm) from 1583.
#pragma once

#include <cstdint>
#include <string>

namespace astro {

// The day Easter Sunday rests on.
struct EasterDate {
    int Month = 3; // 3 March or 4 April
    int Day = 22;  // 22 March .. 25 April of the calendar of the year
};

// Month and day of Easter Sunday in `year`: Julian rule before 1583, Gregorian from 1583.
EasterDate EasterSunday(std::uint16_t year);

// "D Month YYYY": day without leading zero, the long month name, the year; at most 60
// characters (for example "31 March 2002").
std::string Sunday(std::uint16_t year);

} // namespace astro
