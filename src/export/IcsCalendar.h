// SPDX-License-Identifier: GPL-3.0-or-later
// The year's lunar events as an iCalendar file (RFC 5545): principal phases, lunar eclipses with
// their visibility for the observer, perigees and apogees, equinoxes and solstices. Standard C++
// over the engine; used by cresselle-cli and the reports menu.
#pragma once

#include "astro/fGlobals.h"

#include <functional>
#include <string>
#include <vector>

namespace ics {

// One calendar entry.
struct CalendarEvent {
    std::string Tag;            // kind in the UID: "fullmoon", "perigee", "totaleclipse", ...
    std::string Summary;        // title, e.g. "Full Moon" or "Total Lunar Eclipse (Visible)"
    std::string Description;    // plain text, may hold line breaks
    astro::JulianDay Start = 0; // UT; an eclipse starts at its first penumbral contact
    astro::JulianDay End = 0;   // UT; equal to Start for an instant
    astro::JulianDay Key = 0;   // UT instant named by the UID (the maximum of an eclipse)
};

// Minutes the local clock is ahead of UT at a UT instant: the offset in force then.
using OffsetAt = std::function<int(astro::JulianDay ut)>;

// Every event whose local time falls in `year` (1..9999), in time order: each event's local time
// in the offset `offsetAt` gives for its instant (the observer's fixed offset when empty).
std::vector<CalendarEvent> YearEvents(int year, const astro::Observer& observer,
                                      const OffsetAt& offsetAt = {});

// The calendar file: CRLF line ends, lines folded at 75 octets, times in UTC rounded to the
// minute. `stampUt` (UT) goes into every DTSTAMP; `version` into PRODID; `name` into
// X-WR-CALNAME, the name a calendar program gives the imported calendar.
std::string CalendarText(const std::vector<CalendarEvent>& events, astro::JulianDay stampUt,
                         const std::string& version, const std::string& name);

// "Moon 2026 (Cresselle)": the name of the calendar of a year's events.
std::string YearCalendarName(int year);

// "YYYYMMDDTHHMMSSZ" of the UT instant rounded to the minute, proleptic Gregorian calendar.
std::string UtcDateTime(astro::JulianDay jd);

// A content line cut into lines of at most 75 octets, never inside a UTF-8 character; each
// continuation begins with a blank. Every line ends with CRLF.
std::string FoldedLine(const std::string& line);

// A TEXT value with backslash, semicolon, comma and line breaks escaped.
std::string EscapedText(const std::string& text);

} // namespace ics
