// SPDX-License-Identifier: GPL-3.0-or-later
// Lunar eclipses at a full moon: the quick rejection by the Moon's distance from the node, the
// instant of maximum, gamma, magnitudes, kind, contact times and visibility from the observer's
// place (Meeus, Astronomical Algorithms, 2nd ed. chapter 54, "Eclipses").
#pragma once

#include "astro/fGlobals.h"
#include "astro/fPhases.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace astro {

// Kind codes of EclipseCircumstances::Kind.
inline constexpr std::uint8_t NoEclipse = 0;
inline constexpr std::uint8_t PenumbralEclipse = 1;
inline constexpr std::uint8_t PartialEclipse = 2;
inline constexpr std::uint8_t TotalEclipse = 3;

// The eclipse of a month. Only Kind is meaningful when Kind is 0. Clock texts are local time,
// "HH:MM"; contacts on another local date than the maximum keep only their clock time.
struct EclipseCircumstances {
    std::string WorkText;        // DateTimeText of the last contact formatted; at most 60
    std::string Maximum;         // greatest eclipse, 5 characters
    std::string PenumbraEntered; // first penumbral contact
    std::string PenumbraLeft;    // last penumbral contact
    std::string UmbraEntered;    // first umbral contact (partial and total only)
    std::string UmbraLeft;       // last umbral contact (partial and total only)
    std::string TotalityBegins;  // (total only)
    std::string TotalityEnds;    // (total only)
    std::string Date;            // local date of maximum, "DD Month YYYY"; at most 40
    double UmbralMagnitude = 0;
    double PenumbralMagnitude = 0;
    std::uint8_t Kind = NoEclipse; // 0 none, 1 penumbral, 2 partial, 3 total
    std::string Visibility;        // "Visible", "Partially Visible", "Not Visible"; at most 18
    DateTimeRec LocalMaximum;      // local date and time of maximum, rounded to the minute
};

// The geometry of the eclipse at the full moon k (Meeus ch. 54), before any local time.
struct EclipseElements {
    bool NearNode = false;         // false: |sin F| > 0.36, no eclipse possible (nothing else set)
    JulianDay MaximumJde = 0;      // instant of maximum, Julian Ephemeris Day
    JulianDay MaximumUT = 0;       // MaximumJde - DeltaT / 86400 (DeltaTSeconds of the year)
    double Gamma = 0;              // least distance of the shadow axis from the Moon's centre,
                                   // equatorial Earth radii
    double U = 0;                  // radius of the umbral cone in the fundamental plane
    double PenumbralMagnitude = 0; // (1.5573 + u - |gamma|) / 0.545
    double UmbralMagnitude = 0;    // (1.0128 - u - |gamma|) / 0.545
    std::uint8_t Kind = NoEclipse;
    double PenumbralSemiDuration = 0; // days (penumbral, partial, total eclipses)
    double PartialSemiDuration = 0;   // days (partial and total)
    double TotalSemiDuration = 0;     // days (total)
};

// Eclipse geometry of the full moon with lunation number k (a fractional part of 0.5); the
// maximum in UT with the Delta T of its own instant (`year` is not needed for it).
EclipseElements EclipseGeometry(double k, std::uint16_t year);

// Evaluates the full moon `phase` (only K is read) into `record` for the observer (zone offset;
// moonrise and moonset for the visibility). Sets Kind to 0 first. Returns false when the full
// moon is far from the node: the eclipse window closes; the rest of the record is left as it
// was. Returns true otherwise (Kind may still be 0).
bool EclipseCalcs(const PhaseEvent& phase, std::uint16_t year, const Observer& observer,
                  EclipseCircumstances& record);

// The eclipse of the month whose phases are events[0..count): every full moon is evaluated; when
// a month holds two full moons the one with an eclipse is kept (the later if both have one).
// Kind 0: the month has no eclipse.
EclipseCircumstances CheckForEclipse(const MonthPhaseList& events, int count, std::uint16_t year,
                                     const Observer& observer);

// Every eclipse of a month: a month holding two full moons can hold two eclipses.
inline constexpr int MaxMonthEclipses = 2;
struct MonthEclipseList {
    std::array<EclipseCircumstances, MaxMonthEclipses> Eclipses; // [0..Count), in time order
    int Count = 0;
};

// The eclipses of the month whose phases are events[0..count), each full moon evaluated on its
// own record.
MonthEclipseList MonthEclipses(const MonthPhaseList& events, int count, std::uint16_t year,
                               const Observer& observer);

// Whether an eclipse from `start` to `end` is seen while the Moon is up from `rise` to `set`
// (all "HH:MM"): "Visible", "Partially Visible" or "Not Visible". Comparisons are strict.
std::string_view CheckEclipseVisibility(std::string_view rise, std::string_view set,
                                        std::string_view start, std::string_view end);

// Visibility over the date: when the Moon sets before it rises (it is up across both
// midnights) the window 00:00..set is judged first, then rise..23:59 if that gives "Not Visible".
std::string_view VisibilityOverDay(std::string_view rise, std::string_view set,
                                   std::string_view start, std::string_view end);

// Minutes of the day of an "HH:MM" text (characters 1-2 hours, 4-5 minutes); a character that is
// not a digit counts as 0.
int TimeTextToMinutes(std::string_view text);

// "Penumbral Eclipse", "Partial Eclipse", "Total Eclipse"; empty for 0.
std::string_view EclipseKindName(std::uint8_t kind);

} // namespace astro
