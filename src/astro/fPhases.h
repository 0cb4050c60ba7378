// SPDX-License-Identifier: GPL-3.0-or-later
// Principal phases of the Moon, the new moons around an instant, the Moon's age and phase name,
// and the next perigee and apogee.
// Phases: Meeus, Astronomical Algorithms, 1st ed. chapter 47 (2nd ed. chapter 49).
// Apsides: Meeus 1st ed. chapter 48 (2nd ed. chapter 50).
// The instants are dynamical time taken as Universal Time (no Delta T is subtracted).
#pragma once

#include "astro/fGlobals.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace astro {

// Code of a principal phase as stored in PhaseEvent (not the order within a lunation).
enum class PhaseKind : std::int32_t {
    NewMoon = 0,
    LastQuarter = 1,
    FullMoon = 2,
    FirstQuarter = 3,
};

// One principal phase of a month.
struct PhaseEvent {
    double K = 0; // lunation number: .0 new, .25 first q., .5 full, .75 last q.
    PhaseKind Kind = PhaseKind::NewMoon; // 3 for every first quarter, 1 for every last quarter
    JulianDay Julian = 0;                // LOCAL civil time (zone offset added)
    JulianDay UT = 0;                    // the same instant in Universal Time
    DateTimeRec Date;                    // JulianToDate(Julian)
    std::string Text;                    // "HH:MM  DD Month YYYY", at most 60 characters
};

// No calendar month holds more than five principal phases.
inline constexpr int MaxMonthPhases = 5;
using MonthPhaseList = std::array<PhaseEvent, MaxMonthPhases>;

// The new moons that bracket an instant, Universal Time (no zone offset).
struct LunationRec {
    JulianDay PreviousNewMoon = 0; // at or before the instant
    JulianDay NextNewMoon = 0;     // after the instant
};

// The next perigee and apogee as panel texts (each at most 25 characters).
struct ApsisTexts {
    std::string PerigeeDistanceText; // whole km + " km  "
    std::string PerigeeTimeText;     // "HH:MM  DD Mon  " local time, rounded to the minute;
                                     // "Outside years 1-9999" past 31 December 9999
    std::string ApogeeDistanceText;
    std::string ApogeeTimeText;
    JulianDay PerigeeUT = 0; // the instants, UT
    JulianDay ApogeeUT = 0;
    double PerigeeDistanceKm = 0;
    double ApogeeDistanceKm = 0;
};

// One apsis of the Moon (Meeus 1st ed. ch. 48).
struct ApsisRec {
    JulianDay Jde = 0;         // instant, dynamical time (less DeltaTDays for UT)
    double ParallaxArcsec = 0; // equatorial horizontal parallax, arcseconds
    double DistanceKm = 0;     // 6378.14 / sin(parallax), kilometres (not rounded)
    bool Perigee = true;       // integer k: perigee; k + 0.5: apogee
};

// T, T^2, T^3, T^4 with T = k / 1236.85 (Julian centuries, roughly).
using PhasePowers = std::array<double, 4>;

// Mean phase instant (JDE) of lunation number k (Meeus 1st ed. 47.1); fills the powers of T.
JulianDay MeanPhase(double k, PhasePowers& powers);

// Correction in days to add to MeanPhase(k) (Meeus 1st ed. ch. 47, periodic and planetary
// terms). kind = Trunc(|k| * 4) mod 4: 0 new, 2 full, 1 or 3 a quarter; first quarters get +W,
// last quarters -W, for negative k too.
double PhaseCorrection(const PhasePowers& powers, int kind, double k);

// True instant (JDE, dynamical time) of the phase with lunation number k.
JulianDay PhaseInstant(double k);

// The same instant in Universal Time: PhaseInstant(k) less Delta T.
JulianDay PhaseInstantUT(double k);

// Every principal phase whose local time falls in the calendar month of `date` (Month and Year
// only), in time order, written to events[0..count); returns count (0..5).
int MonthPhases(const DateTimeRec& date, const Observer& observer, MonthPhaseList& events);

// The new moons before (at or before) and after `instant` (UT, the engine instant).
LunationRec NewMoonsAround(JulianDay instant);

// Apsis with number k: integer k a perigee, k + 0.5 an apogee (Meeus 1st ed. ch. 48, the four
// series summed in the order of the tables).
ApsisRec ApsisInstant(double k);

// The first perigee and the first apogee at or after `instant` (UT, the engine instant), as
// local-time texts.
ApsisTexts NextApsides(JulianDay instant, const Observer& observer);

// Age of the Moon in days at `instant` (UT): instant - PreviousNewMoon.
double MoonAgeDays(JulianDay instant, const LunationRec& lunation);

// Fraction of the lunation elapsed at `instant`, percent (0..100 when the lunation brackets it).
double LunationPercent(JulianDay instant, const LunationRec& lunation);

// Traditional name of the full moon of month 1..12, "Full (Wolf) Moon" ... "Full (Cold) Moon".
std::string_view FullMoonName(int month);

// Days on each side of a principal phase's instant in which the Moon carries that phase's name.
inline constexpr double PrincipalPhaseWindowDays = 0.5;

// Phase name at `instant` (UT): within PrincipalPhaseWindowDays of the listed instant
// (PhaseInstantUT, as MonthPhases shows it) of a new moon, quarter or full moon that phase's
// name; between them "Waxing Crescent", "Waxing Gibbous", "Waning Gibbous", "Waning Crescent"
// (the quadrant of the elongation). A full moon is named after the month of its own local
// instant, "Full (Blue) Moon" when it is the second of that month.
std::string_view PhaseNameAt(JulianDay instant, const Observer& observer);

} // namespace astro
