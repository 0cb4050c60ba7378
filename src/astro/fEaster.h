// Date of Easter Sunday by the Gregorian computus (the anonymous algorithm given by Meeus,
// Astronomical Algorithms, chapter 8), applied to every year.
#pragma once

#include <cstdint>
#include <string>

namespace astro {

// The day Easter Sunday rests on.
struct EasterDate {
    int Month = 3; // 3 March or 4 April
    int Day = 22;  // 22 March .. 25 April
};

// Month and day of Easter Sunday in `year` (Gregorian rule for every year).
EasterDate EasterSunday(std::uint16_t year);

// "D Month YYYY": day without leading zero, the long month name, the year; at most 60
// characters (for example "31 March 2002").
std::string Sunday(std::uint16_t year);

} // namespace astro
