// SPDX-License-Identifier: GPL-3.0-or-later
#include "zone/Night.h"

#include "astro/fMoonCalcs.h"
#include "astro/fPhases.h"
#include "astro/fRiseSet.h"
#include "zone/LocalTime.h"
#include "zone/Zone.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace {

constexpr int Noon = 720; // minutes after midnight

astro::DateTimeRec Midnight(astro::DateTimeRec d) {
    d.Hour = d.Minute = d.Second = d.Millisecond = 0;
    d.Julian = 0;
    return d;
}

astro::DateTimeRec NextDay(const astro::DateTimeRec& day) {
    // Noon avoids any doubt about the date of a Julian Day's midnight.
    astro::DateTimeRec next = astro::JulianToDate(astro::DateToJulian(day) + 1.5);
    return Midnight(next);
}

// UT of the local clock minute `minutes` of `day`.
astro::JulianDay UtOfLocal(const astro::DateTimeRec& day, int minutes,
                           const astro::Observer& observer) {
    const double localJd = static_cast<double>(astro::DateToJulian(day)) + minutes / 1440.0;
    const TZone& zone = CurrentZone();
    const int offset = zone.IsNamed() ? zone.OffsetAtLocalJd(localJd) : observer.ZoneOffsetMinutes;
    return localJd - offset / 1440.0;
}

// Adds the event at the UT instant `ut` (NaN: none) when its local minute lies in [from, to)
// of its day.
void AddEvent(QList<TNightEvent>& events, TNightEventKind kind, double ut, int from, int to,
              const astro::Observer& observer) {
    if (!std::isfinite(ut)) return;
    const TObserverClock clock(observer);
    const TLocalInstant local = LocalInstant(ut, clock.Zone());
    const int minutes = LocalMinuteOfDay(local);
    if (minutes < from || minutes >= to) return;
    TNightEvent e;
    e.Kind = kind;
    // To the minute of its clock text.
    e.Instant = ut + (std::floor(local.LocalJd + 0.5) - 0.5 + minutes / 1440.0 - local.LocalJd);
    e.Time = QString::fromStdString(DayClockText(ut, clock.Zone()).substr(0, 5));
    events.append(e);
}

// The evening's (afternoon on) or the morning's (before noon) events of one local day.
void AddDayEvents(QList<TNightEvent>& events, const astro::DateTimeRec& day, bool evening,
                  const astro::Observer& observer) {
    const int from = evening ? Noon : 0;
    const int to = evening ? 1440 : Noon;
    using K = TNightEventKind;
    struct Band {
        double h0;
        K dawn, dusk;
    };
    const Band bands[] = {
        {astro::SunriseAltitude, K::Sunrise, K::Sunset},
        {astro::CivilTwilightAltitude, K::CivilDawn, K::CivilDusk},
        {astro::NauticalTwilightAltitude, K::NauticalDawn, K::NauticalDusk},
        {astro::AstronomicalTwilightAltitude, K::AstronomicalDawn, K::AstronomicalDusk},
    };
    for (const Band& b : bands) {
        const astro::RiseSetTimes t = RiseSetOnDay(day, observer, [&](const astro::Observer& o) {
            return astro::SunRiseSet(day, b.h0, o);
        });
        AddEvent(events, b.dawn, t.Instants.Rise, from, to, observer);
        AddEvent(events, b.dusk, t.Instants.Set, from, to, observer);
    }
    const astro::RiseSetTimes moon = RiseSetOnDay(
        day, observer, [&](const astro::Observer& o) { return astro::MoonRiseSet(day, o); });
    AddEvent(events, K::Moonrise, moon.Instants.Rise, from, to, observer);
    AddEvent(events, K::MoonTransit, moon.Instants.Transit, from, to, observer);
    AddEvent(events, K::Moonset, moon.Instants.Set, from, to, observer);
}

} // namespace

QString NightEventName(TNightEventKind kind) {
    switch (kind) {
    case TNightEventKind::Sunset:
        return QCoreApplication::translate("TNightEvent", "Sunset");
    case TNightEventKind::CivilDusk:
        return QCoreApplication::translate("TNightEvent", "Civil dusk");
    case TNightEventKind::NauticalDusk:
        return QCoreApplication::translate("TNightEvent", "Nautical dusk");
    case TNightEventKind::AstronomicalDusk:
        return QCoreApplication::translate("TNightEvent", "Astronomical dusk");
    case TNightEventKind::AstronomicalDawn:
        return QCoreApplication::translate("TNightEvent", "Astronomical dawn");
    case TNightEventKind::NauticalDawn:
        return QCoreApplication::translate("TNightEvent", "Nautical dawn");
    case TNightEventKind::CivilDawn:
        return QCoreApplication::translate("TNightEvent", "Civil dawn");
    case TNightEventKind::Sunrise:
        return QCoreApplication::translate("TNightEvent", "Sunrise");
    case TNightEventKind::Moonrise:
        return QCoreApplication::translate("TNightEvent", "Moonrise");
    case TNightEventKind::MoonTransit:
        return QCoreApplication::translate("TNightEvent", "Moon transit");
    case TNightEventKind::Moonset:
        return QCoreApplication::translate("TNightEvent", "Moonset");
    }
    return {};
}

int NightOffsetAt(astro::JulianDay ut, const astro::Observer& observer) {
    return TObserverClock(observer).Zone().OffsetAt(ut);
}

double NightLocalJd(astro::JulianDay ut, const astro::Observer& observer) {
    return LocalInstant(ut, TObserverClock(observer).Zone()).LocalJd;
}

QString NightClockText(astro::JulianDay ut, const astro::Observer& observer) {
    return QString::fromStdString(LocalClockText(ut, TObserverClock(observer).Zone()).substr(0, 5));
}

TNight NightOf(const astro::DateTimeRec& day, const astro::Observer& observer, double stepMinutes) {
    TNight night;
    night.Day = Midnight(day);
    night.StepMinutes = std::clamp(std::isfinite(stepMinutes) ? stepMinutes : 10.0, 1.0, 240.0);
    const astro::DateTimeRec next = NextDay(night.Day);
    night.FromUt = UtOfLocal(night.Day, Noon, observer);
    night.ToUt = UtOfLocal(next, Noon, observer);

    night.Samples.resize(astro::MaxAltitudeSamples);
    const int n =
        astro::AltitudeCurve(night.FromUt, night.ToUt, night.StepMinutes, observer,
                             night.Samples.data(), static_cast<int>(night.Samples.size()));
    night.Samples.resize(static_cast<std::size_t>(n));

    AddDayEvents(night.Events, night.Day, true, observer);
    AddDayEvents(night.Events, next, false, observer);
    std::stable_sort(
        night.Events.begin(), night.Events.end(),
        [](const TNightEvent& a, const TNightEvent& b) { return a.Instant < b.Instant; });
    for (TNightEvent& e : night.Events)
        if (e.Kind == TNightEventKind::MoonTransit)
            e.Altitude = astro::AltitudeAt(e.Instant, observer).MoonAltitude;

    const astro::JulianDay midnight = UtOfLocal(next, 0, observer);
    const astro::MoonAndSun m = astro::MoonPosition(midnight, observer);
    night.IlluminatedPercent = m.Moon.IlluminatedPercent;
    night.MoonRiseAltitude = astro::MoonRiseAltitude(m.Moon.Parallax);
    const std::string_view phase = astro::PhaseNameAt(midnight, observer);
    night.PhaseName = QString::fromUtf8(phase.data(), static_cast<qsizetype>(phase.size()));
    night.ZoneText = CurrentZone().IsNamed() ? CurrentZone().Description(midnight)
                                             : OffsetText(observer.ZoneOffsetMinutes);
    return night;
}
