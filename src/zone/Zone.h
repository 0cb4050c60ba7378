// SPDX-License-Identifier: GPL-3.0-or-later
// The observer's zone: a named zone of the system's zone database (its offset and daylight
// saving at each instant), or a fixed offset from UT. Also the places of the zone table.
#pragma once

#include "astro/fGlobals.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QTimeZone>

#include <optional>

class TZone {
  public:
    // A fixed offset, local ahead of UT, in minutes (zone plus daylight saving).
    static TZone Fixed(int offsetMinutes);
    // The named zone `id` ("Europe/London"); null when the database does not know it.
    static std::optional<TZone> Named(const QByteArray& id);
    // The system's own zone (UT when the system names none).
    static TZone System();

    bool IsNamed() const { return named_; }
    QByteArray Id() const { return named_ ? zone_.id() : QByteArray(); }
    const QTimeZone& TimeZone() const { return zone_; }

    // Minutes local ahead of UT at the UT instant `ut`.
    int OffsetAt(astro::JulianDay ut) const;
    // Minutes local ahead of UT in force at the local date and time `local` (first six fields).
    // A time in the hour skipped when the clocks go forward takes the offset before the change;
    // a time in the repeated hour takes the first of its two offsets.
    int OffsetAtLocal(const astro::DateTimeRec& local) const;
    // The same for a local time given as a Julian Day of the local clock.
    int OffsetAtLocalJd(double localJd) const;
    // True when the zone's clocks jumped over the whole local day of `day` (Pacific/Apia,
    // 30 December 2011): no instant has that date there.
    bool SkipsDay(const astro::DateTimeRec& day) const;
    // Offset in force at local noon of the day of `local`.
    int OffsetOnDay(const astro::DateTimeRec& local) const;
    // True when the local clock time of `ut` comes twice, as in the hour repeated when the
    // clocks go back; never for a fixed offset.
    bool RepeatsAt(astro::JulianDay ut) const;
    // The zone's abbreviation at `ut` ("GMT", "BST"); "UT+05:30" for a fixed offset.
    QString Abbreviation(astro::JulianDay ut) const;
    // "Europe/London, GMT/BST" (standard and daylight abbreviations of the year of `ut`), or
    // "UT+05:30" for a fixed offset.
    QString Description(astro::JulianDay ut) const;

  private:
    bool named_ = false;
    QTimeZone zone_;
    int fixedMinutes_ = 0;
    // The interval of UT instants [from, to) with one offset last asked for.
    mutable double cachedFrom_ = 1, cachedTo_ = 0;
    mutable int cachedOffset_ = 0;
};

// "UT+05:45", "UT-03:30", "UT"; in the shown language in the windows ("TU+01:00" in French),
// English where no translation is installed, as in the CLI.
QString OffsetText(int minutes);

// The zone the program computes with (the settings' zone, or the command line's).
const TZone& CurrentZone();
void SetCurrentZone(const TZone& zone);

// An observer with the offset in force at local noon of `localDay` (a named zone's change
// shows from the day it happens).
astro::Observer ObserverOnDay(astro::Observer observer, const astro::DateTimeRec& localDay);
// An observer with the offset in force at the local time `local` (first six fields): the
// sidereal time at 0h of a clock-change day is that of its own midnight.
astro::Observer ObserverAtLocalTime(astro::Observer observer, const astro::DateTimeRec& local);

// One row of the system's zone table (zone1970.tab).
struct TZonePlace {
    QByteArray ZoneId;    // "Europe/London"
    QString City;         // "London", from the zone's name
    double Latitude = 0;  // degrees, north positive
    double Longitude = 0; // degrees, east positive
};

// The rows of the zone table (read once); empty when the system has none.
const QList<TZonePlace>& ZonePlaces();
// The row of zone `id`, or null.
const TZonePlace* ZonePlaceOf(const QByteArray& id);
// Reads the rows of a zone table text; lines that do not parse are skipped.
QList<TZonePlace> ParseZoneTable(const QByteArray& text);
