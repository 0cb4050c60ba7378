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

// Contacts in time order: indexes of the ContactUT arrays.
enum EclipseContact : std::uint8_t {
    FirstPenumbralContact = 0, // the Moon enters the penumbra
    FirstUmbralContact,        // enters the umbra (partial and total)
    TotalityBeginsContact,     // wholly inside the umbra (total)
    TotalityEndsContact,       // (total)
    LastUmbralContact,         // leaves the umbra (partial and total)
    LastPenumbralContact,      // leaves the penumbra
    EclipseContactCount
};
using EclipseContactTimes = std::array<JulianDay, EclipseContactCount>; // UT; 0: not reached

// The eclipse of a month. Only Kind is meaningful when Kind is 0. Clock texts are local time,
// "HH:MM"; contacts on another local date than the maximum keep only their clock time. The same
// instants are held as numbers (MaximumUT, ContactUT) for every decision made from them.
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
    std::uint8_t Kind = NoEclipse;   // 0 none, 1 penumbral, 2 partial, 3 total
    std::string Visibility;          // "Visible", "Partially Visible", "Not Visible"; at most 18
    DateTimeRec LocalMaximum;        // local date and time of maximum, rounded to the minute
    JulianDay MaximumUT = 0;         // greatest eclipse, Julian Day UT
    EclipseContactTimes ContactUT{}; // Julian Days UT; 0 for a contact the kind has not
};

// The geometry of the eclipse at the full moon k, before any local time. The series of Meeus
// ch. 54 give the first estimate (NearNode, Gamma, U); the maximum and the contacts are then
// found from the Moon's apparent place (ch. 47) and the Sun's (ch. 25) against the shadow's radii
// by Danjon's rule: penumbra 1.01 pi_M + pi_S + s_S, umbra 1.01 pi_M + pi_S - s_S (pi the
// equatorial horizontal parallaxes, s_S the Sun's semidiameter; the factor 1.01 enlarges the
// Earth for its atmosphere and reduces it for its flattening).
struct EclipseElements {
    bool NearNode = false;         // false: |sin F| > 0.36, no eclipse possible (nothing else set)
    JulianDay MaximumJde = 0;      // least distance of the Moon from the shadow axis, JDE
    JulianDay MaximumUT = 0;       // the same in UT (MaximumJde - DeltaTDays)
    double Gamma = 0;              // series estimate of the least distance of the shadow axis from
                                   // the Moon's centre, equatorial Earth radii (Meeus ch. 54)
    double U = 0;                  // series radius of the umbral cone in the fundamental plane
    double LeastDistance = 0;      // degrees, Moon's centre from the shadow axis at maximum
    double PenumbralMagnitude = 0; // fraction of the Moon's diameter in the penumbra at maximum
    double UmbralMagnitude = 0;    // the same for the umbra (negative: outside it)
    std::uint8_t Kind = NoEclipse;
    EclipseContactTimes ContactUT{}; // UT; 0 where the kind has no such contact
};

// The shadow at one instant, degrees, from apparent geocentric places.
struct ShadowState {
    double Distance = 0;   // Moon's centre from the shadow axis (the point opposite the Sun)
    double Penumbra = 0;   // penumbral radius (Danjon)
    double Umbra = 0;      // umbral radius (Danjon)
    double MoonRadius = 0; // Moon's geocentric semidiameter, asin(0.2725076 sin pi_M)
};

// The shadow and the Moon at the UT instant.
ShadowState ShadowAt(JulianDay ut);

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

// Whether the Moon is above the horizon at the UT instant for the observer: its geocentric
// altitude above the standard altitude of moonrise, 0.7275 parallax - 0.5667 degrees (Meeus
// ch. 15), the level MoonRiseSet uses.
bool MoonAboveHorizon(JulianDay ut, const Observer& observer);

// Whether the eclipse from the first to the last penumbral contact (UT) is seen from the
// observer: "Visible" when the Moon is up throughout, "Partially Visible" when it is up for part
// of it, "Not Visible" otherwise (also for a span that runs backwards or over a day). Judged at
// both contacts and at most 10 minutes apart between, the Moon's place interpolated from three.
std::string_view CheckEclipseVisibility(JulianDay firstContactUt, JulianDay lastContactUt,
                                        const Observer& observer);

// "Penumbral Eclipse", "Partial Eclipse", "Total Eclipse"; empty for 0.
std::string_view EclipseKindName(std::uint8_t kind);

} // namespace astro
