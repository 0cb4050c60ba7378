// Time base of the engine: Julian Days, civil dates, angle reduction and display splits.
// Methods follow Meeus, Astronomical Algorithms (2nd ed.), chapter 7 for the calendar.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace astro {

// Julian Day: days and fraction, J2000.0 = 2451545.0; Universal Time unless stated otherwise.
using JulianDay = double;

// Civil date and time as the windows keep it. Conversions ignore Millisecond and Julian.
struct DateTimeRec {
    std::uint16_t Day = 1;         // 1..31
    std::uint16_t Month = 1;       // 1..12
    std::uint16_t Year = 2000;     // full year, 1..9999
    std::uint16_t Hour = 0;        // 0..23
    std::uint16_t Minute = 0;      // 0..59
    std::uint16_t Second = 0;      // 0..59, whole seconds
    std::uint16_t Millisecond = 0; // from the system clock; set to 0 by JulianToDate
    JulianDay Julian = 0;          // local Julian Day of the fields above (kept by the main window)
};

// A decimal angle or hour split for display. Texts are UTF-8; capacities count characters.
struct DmsRec {
    std::string Sign;    // " " for x >= 0, en dash (U+2013) for x < 0; capacity 1
    std::string Whole;   // whole degrees or hours, "0"-padded below 10; capacity 3
    std::string Minutes; // two digits; capacity 2
    std::string Seconds; // two digits; capacity 2
};

// The observer as the engine takes it.
struct Observer {
    double Latitude = 0;       // radians, north positive
    double Longitude = 0;      // radians, WEST positive (east is negative)
    int ZoneOffsetMinutes = 0; // zone plus daylight-saving minutes, local ahead of UT
};

// pi to full extended precision.
inline constexpr long double Pi = 3.1415926535897932385L;

// The en dash used as the negative sign, and the degree sign (UTF-8).
inline constexpr const char* EnDash = "\u2013";
inline constexpr const char* DegreeSign = "\u00B0";

// Julian Day of the date and time in the record's first six fields (Meeus ch. 7,
// Julian calendar before 1582-10-15, products in extended precision).
JulianDay DateToJulian(const DateTimeRec& date);

// True for a date before 15 October 1582 (after the Jan/Feb -> months 13/14 shift).
bool IsJulianCalendar(int day, int month, int year);

// Calendar date and time of an instant (Meeus ch. 7). Seconds round to nearest, ties to even;
// a rounded 60 is stored as 0 without advancing the minute. Millisecond = 0, Julian untouched (0).
DateTimeRec JulianToDate(JulianDay jd);

// Julian centuries from J2000.0.
double JulianCenturies(JulianDay jd);

// DateToJulian of 1 January of the year at 0h.
JulianDay JulianDayOfYearStart(std::uint16_t year);

// x brought into 0..360; a negative exact multiple of 360 gives 360.
double ReduceDegrees(double x);

// Degrees <-> radians with extended-precision pi.
double DegToRad(double deg);
double RadToDeg(double rad);

// x split into sign, whole, minutes, seconds. Seconds are Trunc(s + 1); 60 carries into the
// minutes only (not on into the whole part).
DmsRec DecimalToDms(double x);

// "HH:MM:SS  DD MonthName YYYY", at most 60 characters.
std::string DateTimeText(const DateTimeRec& date);

// Length of a month 1..12; Gregorian leap rule for every year.
std::uint8_t DaysInMonth(int month, int year);

// Delta T estimate in seconds: 0.00225 * (year - 1810)^2 - 15, the square as a whole number.
double DeltaTSeconds(std::uint16_t year);

// Engine instant (UT) of a local date and time: DateToJulian(local) - zoneOffset/1440 + offset.
JulianDay EngineInstant(const DateTimeRec& local, int zoneOffsetMinutes,
                        double clockOffsetDays = 0);

// Text helpers shared by the engine's text routines.
// Cut a UTF-8 text to at most `capacity` characters (code points).
std::string CutToCapacity(const std::string& text, std::size_t capacity);
// Two-digit text with a leading "0" below 10.
std::string TwoDigits(int n);

// Month names: the one place the engine's text routines take them from.
// English by default; the program installs the system locale's names at start-up.
using MonthNameList = std::array<std::string, 12>;
const MonthNameList& LongMonthNames();
const MonthNameList& ShortMonthNames();
void SetMonthNames(const MonthNameList& longNames, const MonthNameList& shortNames);
// Name of month 1..12 (out-of-range months give an empty text).
const std::string& LongMonthName(int month);
const std::string& ShortMonthName(int month);

} // namespace astro
