// SPDX-License-Identifier: GPL-3.0-or-later
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

// Calendar date and time of an instant (Meeus ch. 7), Julian calendar before 15 October 1582.
// Rounded once to the nearest second (halves up), carried on into the minute, hour and date.
// Millisecond = 0, Julian = 0.
DateTimeRec JulianToDate(JulianDay jd);

// JulianToDate rounded to the nearest minute instead (Second = 0): the form of every instant
// shown to the minute. 23:59:30 and later becomes 00:00 of the next day.
DateTimeRec JulianToDateToMinute(JulianDay jd);

// Julian centuries from J2000.0.
double JulianCenturies(JulianDay jd);

// DateToJulian of 1 January of the year at 0h.
JulianDay JulianDayOfYearStart(std::uint16_t year);

// x brought into 0..360; a negative exact multiple of 360 gives 360.
double ReduceDegrees(double x);

// Degrees <-> radians with extended-precision pi.
double DegToRad(double deg);
double RadToDeg(double rad);

// x split into sign, whole, minutes, seconds, rounded once to the nearest second with the
// carries made (59.5 seconds show as the next minute, never as 60).
DmsRec DecimalToDms(double x);

// DecimalToDms of an hour of the day or a right ascension in hours, taken into 0..24 after the
// rounding (23:59:59.6 shows 00:00:00, never 24:00:00); the sign is always blank.
DmsRec HoursToDms(double hours);

// "HH:MM" of a local time of day in hours (0 <= hours < 24), rounded to the nearest minute.
// The last half minute of the day shows 23:59: the text belongs to the day it was found in.
std::string ClockText(double hours);

// "HH:MM:SS  DD MonthName YYYY", at most 60 characters.
std::string DateTimeText(const DateTimeRec& date);

// Length of a month 1..12: Julian leap rule (every fourth year) before 1582, Gregorian from
// 1582 on. October 1582 counts to 31 although 5-14 October do not exist (see DateExists).
std::uint8_t DaysInMonth(int month, int year);

// True for a date of the calendar in force in the years 1..9999: not 5-14 October 1582.
bool DateExists(int day, int month, int year);

// The nearest existing day of the month at or after `day` (the month's last day when `day` is
// past it): 29 February in a common year gives 28, 10 October 1582 gives 15.
int ExistingDay(int day, int month, int year);

// Weekday of a date, 0 Sunday .. 6 Saturday, in the calendar of the date.
int Weekday(int day, int month, int year);

// Day numbers of a month laid out in 6 rows of 7 days whose first column is weekday
// `firstWeekday` (0 Sunday); 0 for a blank cell. The days that do not exist are left out.
using MonthGridDays = std::array<int, 42>;
MonthGridDays MonthGrid(int month, int year, int firstWeekday);

// Delta T = TT - UT in seconds at a decimal year (a whole year is its 1 January): the
// polynomial expressions of Espenak and Meeus (Five Millennium Canon of Solar Eclipses, 2006)
// up to 2000, the observed yearly values 2000..2026 interpolated linearly, then a straight line
// to their 2050..2150 expression, and their parabola -20 + 32 u^2 (u = (year - 1820) / 100)
// after 2150.
double DeltaTSeconds(double year);

// Decimal year of an instant: 2000.0 at 1 January 2000 0h, 365.2425 days a year.
double DecimalYear(JulianDay jd);

// Delta T in days at an instant (UT or dynamical time alike: Delta T moves by well under a
// second a day): dynamical time = UT + DeltaTDays. The one Delta T of the engine.
double DeltaTDays(JulianDay jd);

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
