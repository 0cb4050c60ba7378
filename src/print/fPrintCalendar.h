// SPDX-License-Identifier: GPL-3.0-or-later
// The printed month calendar: one landscape page with the page frame, a yellow row of weekday
// names, a cell per day with the day number and, as the print options choose, the Moon's phase
// drawing, the Moon's and the Sun's rise, transit and set times, and a legend and markers of the
// month's principal phases.
#pragma once

#include "astro/fGlobals.h"
#include "astro/fPhases.h"
#include "astro/fRiseSet.h"
#include "print/fPhaseShading.h"
#include "settings/ObserverSettings.h"

#include <QString>

#include <array>

class QPainter;
class QWidget;

// What one calendar page shows besides the settings.
struct CalendarPage {
    int Month = 1;                  // 1..12
    int Year = 2000;                // 1..9999
    std::array<QString, 42> Cells;  // grid in rows of seven: " " for an empty cell, else the day
    int FirstColumnOffset = 0;      // grid cell of day 1, 0..6
    astro::MonthPhaseList Phases{}; // the month's principal phases, local time
    int PhaseCount = 0;             // entries of Phases in use, 0..5
    astro::Observer Observer{};     // radians west and north positive; zone offset in minutes
    PhaseShadingFrame Shading;      // zone and clock offsets and hemisphere of the drawings
};

// The page of a month for an observer: the grid laid out from DayOrder as the main calendar
// lays it out, and the month's phases; the drawings shaded for `shading`.
CalendarPage CalendarPageFor(int month, int year, const astro::Observer& observer,
                             const PhaseShadingFrame& shading);

// One line of a cell's Moon or Sun block.
struct TimeLine {
    QString Label; // "TR:", "MR:", "MS", "SR:", "SS:"
    QString Time;  // "HH:MM", "Up" / "Down" (above / below the level all day) or "****"
};

// The Moon lines of a day in the order in which the events happen: transit, rise and set sorted
// by their texts byte by byte ("*****" first, "None" last), "*****" then printed as "****" and
// "None" as "Up" or "Down".
std::array<TimeLine, 3> MoonLines(const astro::RiseSetTimes& moon);
// The Sun lines in their fixed order: rise, transit, set, texts as they come.
std::array<TimeLine, 3> SunLines(const astro::RiseSetTimes& sun);

// Grey level of the phase drawings for a density 0..100: 100 black, 0 white.
int PhaseGrey(int density);

// Draws the whole page (frame, weekday row, day cells, legend and markers, footer) on a canvas
// whose device is the page, with the place and the print options of ObserverSettings; sizes are
// the device's pixels.
void DrawCalendarPage(QPainter& canvas, const CalendarPage& page);

// Prints the month on the printer the platform chooses, in landscape, giving the printer its
// orientation back. False when nothing was printed (cancelled, or a printer error, which has
// been shown in a message box).
bool PrintCalendar(int month, int year, const astro::Observer& observer,
                   const PhaseShadingFrame& shading, QWidget* parent = nullptr);
