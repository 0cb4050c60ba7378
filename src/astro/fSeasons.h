// SPDX-License-Identifier: GPL-3.0-or-later
// Equinoxes and solstices of a year and the lengths of the four seasons (Meeus, Astronomical
// Algorithms, chapter 27: mean instants from the polynomials of table 27.B, corrected by
// iterating on the Sun's apparent longitude).
#pragma once

#include "astro/fGlobals.h"

#include <array>
#include <cstdint>
#include <string>

namespace astro {

// Index of the four events: 0 March equinox, 1 June solstice, 2 September equinox,
// 3 December solstice.
struct SeasonsRec {
    std::array<JulianDay, 5> MeanInstants{}; // dynamical time; [4] is the next March equinox
    std::array<JulianDay, 4> Instants{};     // corrected, dynamical time
    std::array<DateTimeRec, 4> LocalDates{}; // local civil time, rounded to the second
    std::array<std::string, 4> Texts;        // DateTimeText of LocalDates, at most 60 characters
    std::array<double, 4> Lengths{};         // days, truncated to two decimals; [3] ends at the
                                             // uncorrected next March equinox
};

// Mean instant (JDE) of event 0..3 of `year`, or event 0 of year + 1 for index 4.
JulianDay MeanSeasonInstant(int year, int index);

// The four events of `year` in local time (observer's zone offset; the Delta T of each instant) and
// the season lengths. Each correction takes at most 50 rounds.
SeasonsRec EquinoxesAndSolstices(std::uint16_t year, const Observer& observer);

} // namespace astro
