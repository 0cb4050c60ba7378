// SPDX-License-Identifier: GPL-3.0-or-later
#include "zone/Night.h"

#include "astro/fMoonCalcs.h"
#include "astro/fPhases.h"
#include "astro/fRiseSet.h"
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

// Minutes after midnight of a clock text "HH:MM" (with or without a zone abbreviation), or -1
// for "None", "*****" or anything else.
int MinutesOf(const std::string& text) {
    if (text.size() < 5 || text[2] != ':') return -1;
    const auto digit = [&text](int i) { return text[i] >= '0' && text[i] <= '9'; };
    if (!digit(0) || !digit(1) || !digit(3) || !digit(4)) return -1;
    const int h = (text[0] - '0') * 10 + (text[1] - '0');
    const int m = (text[3] - '0') * 10 + (text[4] - '0');
    if (h > 23 || m > 59) return -1;
    return h * 60 + m;
}

// UT of the local clock minute `minutes` of `day`.
astro::JulianDay UtOfLocal(const astro::DateTimeRec& day, int minutes,
                           const astro::Observer& observer) {
    const double localJd = static_cast<double>(astro::DateToJulian(day)) + minutes / 1440.0;
    const TZone& zone = CurrentZone();
    const int offset = zone.IsNamed() ? zone.OffsetAtLocalJd(localJd) : observer.ZoneOffsetMinutes;
    return localJd - offset / 1440.0;
}

// Adds the event of `text` when its local minute lies in [from, to) of `day`.
void AddEvent(QList<TNightEvent>& events, TNightEventKind kind, const std::string& text,
              const astro::DateTimeRec& day, int from, int to, const astro::Observer& observer) {
    const int minutes = MinutesOf(text);
    if (minutes < from || minutes >= to) return;
    TNightEvent e;
    e.Kind = kind;
    e.Instant = UtOfLocal(day, minutes, observer);
    e.Time = QString::fromStdString(text.substr(0, 5));
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
        AddEvent(events, b.dawn, t.Rise, day, from, to, observer);
        AddEvent(events, b.dusk, t.Set, day, from, to, observer);
    }
    const astro::RiseSetTimes moon = RiseSetOnDay(
        day, observer, [&](const astro::Observer& o) { return astro::MoonRiseSet(day, o); });
    AddEvent(events, K::Moonrise, moon.Rise, day, from, to, observer);
    AddEvent(events, K::MoonTransit, moon.Transit, day, from, to, observer);
    AddEvent(events, K::Moonset, moon.Set, day, from, to, observer);
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
    return OffsetAtEvent(CurrentZone(), ut, observer.ZoneOffsetMinutes);
}

double NightLocalJd(astro::JulianDay ut, const astro::Observer& observer) {
    return static_cast<double>(ut) + NightOffsetAt(ut, observer) / 1440.0;
}

QString NightClockText(astro::JulianDay ut, const astro::Observer& observer) {
    const astro::DateTimeRec local = astro::JulianToDateToMinute(NightLocalJd(ut, observer));
    return QStringLiteral("%1:%2")
        .arg(local.Hour, 2, 10, QLatin1Char('0'))
        .arg(local.Minute, 2, 10, QLatin1Char('0'));
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
