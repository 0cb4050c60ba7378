// SPDX-License-Identifier: GPL-3.0-or-later
// One night at the observer's place: the Moon's and the Sun's altitudes from local noon to the
// next local noon in the current zone, with the night's rises, transits, sets and twilight
// ends. The altitude graph and `cresselle-cli altitude` both read it.
#pragma once

#include "astro/fAltitudeCurve.h"
#include "astro/fGlobals.h"

#include <QList>
#include <QString>

#include <vector>

enum class TNightEventKind {
    Sunset,
    CivilDusk,        // evening civil twilight ends
    NauticalDusk,     // evening nautical twilight ends
    AstronomicalDusk, // evening astronomical twilight ends
    AstronomicalDawn, // morning astronomical twilight begins
    NauticalDawn,
    CivilDawn,
    Sunrise,
    Moonrise,
    MoonTransit,
    Moonset,
};

struct TNightEvent {
    TNightEventKind Kind = TNightEventKind::Sunset;
    astro::JulianDay Instant = 0; // UT, to the minute of its clock text
    QString Time;                 // local clock text as the times list shows it, "21:07"
    double Altitude = 0;          // MoonTransit: the Moon's topocentric altitude then, degrees
};

// "Moonrise", "Astronomical dusk", ...
QString NightEventName(TNightEventKind kind);

struct TNight {
    astro::DateTimeRec Day;                     // the evening's local date (time fields zero)
    astro::JulianDay FromUt = 0;                // local noon of Day
    astro::JulianDay ToUt = 0;                  // local noon of the next day
    double StepMinutes = 10;                    // between samples
    std::vector<astro::AltitudeSample> Samples; // FromUt .. ToUt, both ends included
    QList<TNightEvent> Events;                  // in time order, all within [FromUt, ToUt)
    double MoonRiseAltitude = 0; // topocentric altitude of the Moon's centre at its rise
    int IlluminatedPercent = 0;  // at local midnight, 0..100
    QString PhaseName;           // at local midnight
    QString ZoneText;            // "Europe/London, GMT/BST" or "UT+01:00"
};

// The night that begins on the evening of `day` for the observer (its ZoneOffsetMinutes is the
// fixed offset when the current zone is not a named one). `stepMinutes` is kept within 1..240.
TNight NightOf(const astro::DateTimeRec& day, const astro::Observer& observer,
               double stepMinutes = 10);

// Minutes local ahead of UT at the instant `ut` in the current zone (the observer's own offset
// for a fixed zone).
int NightOffsetAt(astro::JulianDay ut, const astro::Observer& observer);
// "HH:MM" of the instant `ut` on the current zone's clock.
QString NightClockText(astro::JulianDay ut, const astro::Observer& observer);
// The local clock time of `ut` as a Julian Day of the local clock.
double NightLocalJd(astro::JulianDay ut, const astro::Observer& observer);
