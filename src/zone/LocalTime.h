// SPDX-License-Identifier: GPL-3.0-or-later
// The one step from an engine UT instant to the local clock: the offset in force at that
// instant, and the zone's abbreviation for a time of the hour repeated when the clocks go back.
// The day's events, the month's phases and eclipses and the ISO texts all go through it.
#pragma once

#include "astro/fEclipse.h"
#include "astro/fGlobals.h"
#include "astro/fPhases.h"
#include "astro/fRiseSet.h"
#include "zone/Zone.h"

#include <functional>
#include <string>

// The clock of `observer`'s times: `zone` when it is a named one, else the observer's own
// fixed offset.
class TObserverClock {
  public:
    explicit TObserverClock(const astro::Observer& observer, const TZone& zone = CurrentZone())
        : fixed_(TZone::Fixed(observer.ZoneOffsetMinutes)),
          zone_(zone.IsNamed() ? &zone : &fixed_) {}
    TObserverClock(const TObserverClock&) = delete;
    TObserverClock& operator=(const TObserverClock&) = delete;
    const TZone& Zone() const { return *zone_; }

  private:
    TZone fixed_;
    const TZone* zone_;
};

// A UT instant on a zone's clock.
struct TLocalInstant {
    astro::JulianDay Ut = 0;
    double LocalJd = 0;    // Julian Day of the local clock: UT plus the offset
    int OffsetMinutes = 0; // in force at the instant
    bool Repeated = false; // its clock time comes twice (the clocks went back)
    QString Abbreviation;  // the zone's at the instant when Repeated ("BST", "GMT")
};
TLocalInstant LocalInstant(astro::JulianDay ut, const TZone& zone);

// "HH:MM" of `ut` on `zone`'s clock, to the minute; in the repeated hour with the
// abbreviation, "01:30 BST" and then "01:30 GMT".
std::string LocalClockText(astro::JulianDay ut, const TZone& zone);
// The minute of the local day of `t` (0..1439), rounded; 23:59:40 stays 23:59 of its own date.
int LocalMinuteOfDay(const TLocalInstant& t);
// LocalClockText of an event of a local day, its minute as LocalMinuteOfDay.
std::string DayClockText(astro::JulianDay ut, const TZone& zone);
// The local date and time of `ut`, to the minute (23:59:40 reads 00:00 of the next date).
astro::DateTimeRec LocalDateTime(astro::JulianDay ut, const TZone& zone);
// "HH:MM  DD Month YYYY" of LocalDateTime, the abbreviation after the clock in the repeated hour.
std::string LocalDateTimeText(astro::JulianDay ut, const TZone& zone);
// "2026-09-03T21:14:05" of a Julian Day of any clock (local or UT, as given), rounded to the
// second, the date in the program's calendar.
std::string IsoText(double jd);
// "2026-09-03T21:14:05+01:00": to the second, with the offset in force at `ut`.
std::string LocalIsoText(astro::JulianDay ut, const TZone& zone);
// "2026-09-03T20:14:05Z".
std::string UtIsoText(astro::JulianDay ut);

// `compute` (MoonRiseSet or SunRiseSet) for the local day `day` in the current zone (the
// observer's fixed offset when it is not a named one), each
// event's text from its instant by DayClockText. On a day the clocks change (23 or 25 hours)
// the day is searched in the offsets before and after the change and the events inside the
// local day are kept, in time order.
astro::RiseSetTimes
RiseSetOnDay(const astro::DateTimeRec& day, const astro::Observer& observer,
             const std::function<astro::RiseSetTimes(const astro::Observer&)>& compute);

// The month's principal phases whose local time, to the minute, falls in the month of `date`,
// each with its local time, date and text from its UT instant in the current zone (or the
// observer's fixed offset).
int MonthPhasesInZone(const astro::DateTimeRec& date, const astro::Observer& observer,
                      astro::MonthPhaseList& events);

// The month's eclipses (astro::MonthEclipses), each time and the date of the maximum from the
// records' UT instants on `zone`'s clock (the observer's own offset for a fixed
// zone).
astro::MonthEclipseList MonthEclipsesInZone(const astro::MonthPhaseList& events, int count,
                                            std::uint16_t year, const astro::Observer& observer,
                                            const TZone& zone);
// The next perigee and apogee at or after the UT instant `instant` (astro::NextApsides), each
// time text from its instant on `zone`'s clock (the observer's own offset for a fixed zone).
astro::ApsisTexts NextApsidesInZone(astro::JulianDay instant, const astro::Observer& observer,
                                    const TZone& zone);
// The texts of one eclipse record from its UT instants on `zone`'s clock.
void SetEclipseTexts(astro::EclipseCircumstances& eclipse, const TZone& zone);
