// SPDX-License-Identifier: GPL-3.0-or-later
#include "zone/LocalTime.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

// "HH:MM", with the abbreviation of a repeated clock time.
std::string ClockOf(int hour, int minute, const TLocalInstant& t) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "%02d:%02d", hour % 100, minute % 100);
    std::string text = buffer;
    if (t.Repeated) text += " " + t.Abbreviation.toStdString();
    return text;
}

// A local day as UT instants [From, To): 24 hours, or 23 or 25 on a day the clocks change.
struct TLocalDay {
    double From = 0, To = 0;
    int OffsetFrom = 0, OffsetTo = 0; // minutes ahead of UT at its start and at its end
};

TLocalDay LocalDayOf(const TZone& zone, const astro::DateTimeRec& day) {
    astro::DateTimeRec midnight = day;
    midnight.Hour = midnight.Minute = midnight.Second = midnight.Millisecond = 0;
    const double start = static_cast<double>(astro::DateToJulian(midnight)); // local clock
    TLocalDay d;
    d.OffsetFrom = zone.OffsetAtLocalJd(start);
    d.OffsetTo = zone.OffsetAtLocalJd(start + 1);
    d.From = start - d.OffsetFrom / 1440.0;
    d.To = start + 1 - d.OffsetTo / 1440.0;
    return d;
}

// The texts of a day's record from its instants (a text with no instant stays as it is).
void SetDayTexts(astro::RiseSetTimes& t, const TZone& zone) {
    const auto set = [&](std::string& text, double ut) {
        if (std::isfinite(ut)) text = DayClockText(ut, zone);
    };
    if (t.RiseState == astro::EventState::Time) set(t.Rise, t.Instants.Rise);
    if (t.SetState == astro::EventState::Time) set(t.Set, t.Instants.Set);
    set(t.Transit, t.Instants.Transit);
    set(t.Rise2, t.Instants.Rise2);
    set(t.Set2, t.Instants.Set2);
}

enum class TEventKind : std::uint8_t { Rise, Set, Transit };

struct TDayEvent {
    double Ut = 0;
    TEventKind Kind = TEventKind::Rise;
    int Search = 0; // which of the two searches found it
};

// The events of the searches `a` (offset before the change) and `b` (after it) inside the
// local day `d`, in time order; an event both found is kept once.
astro::RiseSetTimes EventsOfChangeDay(const astro::RiseSetTimes& a, const astro::RiseSetTimes& b,
                                      const TLocalDay& d, const TZone& zone) {
    std::array<TDayEvent, 10> found{};
    std::size_t n = 0;
    const auto take = [&](const astro::RiseSetTimes& r, int search) {
        const std::array<std::pair<double, TEventKind>, 5> all = {{
            {r.Instants.Rise, TEventKind::Rise},
            {r.Instants.Rise2, TEventKind::Rise},
            {r.Instants.Set, TEventKind::Set},
            {r.Instants.Set2, TEventKind::Set},
            {r.Instants.Transit, TEventKind::Transit},
        }};
        for (const auto& [ut, kind] : all) {
            if (!(ut >= d.From && ut < d.To)) continue; // NaN: no such event
            bool known = false;
            for (std::size_t i = 0; i < n; ++i)
                known = known || (found[i].Kind == kind && found[i].Search != search &&
                                  std::fabs(found[i].Ut - ut) < 10.0 / 1440);
            if (!known && n < found.size()) found[n++] = {ut, kind, search};
        }
    };
    take(a, 0);
    take(b, 1);
    std::sort(found.begin(), found.begin() + static_cast<std::ptrdiff_t>(n),
              [](const TDayEvent& x, const TDayEvent& y) { return x.Ut < y.Ut; });

    astro::RiseSetTimes out;
    out.IlluminatedPercent = a.IlluminatedPercent;
    int rises = 0, sets = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const TDayEvent& e = found[i];
        if (e.Kind == TEventKind::Transit) {
            if (std::isnan(out.Instants.Transit)) out.Instants.Transit = e.Ut;
            continue;
        }
        int& seen = e.Kind == TEventKind::Rise ? rises : sets;
        auto& first = e.Kind == TEventKind::Rise ? out.Instants.Rise : out.Instants.Set;
        auto& second = e.Kind == TEventKind::Rise ? out.Instants.Rise2 : out.Instants.Set2;
        if (seen == 0) first = e.Ut;
        if (seen == 1) second = e.Ut;
        ++seen;
    }
    const auto text = [&](double ut) {
        return std::isnan(ut) ? std::string("*****") : DayClockText(ut, zone);
    };
    out.Transit = text(out.Instants.Transit);
    if (rises == 0 && sets == 0) {
        // On one side all day when a search says so; else the crossings lie outside the day.
        const auto allDay = [](const astro::RiseSetTimes& r) {
            return r.RiseState == astro::EventState::AlwaysUp ||
                   r.RiseState == astro::EventState::AlwaysDown;
        };
        const astro::RiseSetTimes* side = allDay(a) ? &a : allDay(b) ? &b : nullptr;
        out.Rise = out.Set = side ? "None" : "*****";
        out.RiseState = out.SetState = side ? side->RiseState : astro::EventState::OutsideDay;
        return out;
    }
    out.Rise = text(out.Instants.Rise);
    out.Set = text(out.Instants.Set);
    if (rises > 1) out.Rise2 = text(out.Instants.Rise2);
    if (sets > 1) out.Set2 = text(out.Instants.Set2);
    out.RiseState = rises ? astro::EventState::Time : astro::EventState::OutsideDay;
    out.SetState = sets ? astro::EventState::Time : astro::EventState::OutsideDay;
    return out;
}

} // namespace

TLocalInstant LocalInstant(astro::JulianDay ut, const TZone& zone) {
    TLocalInstant t;
    t.Ut = ut;
    t.OffsetMinutes = zone.OffsetAt(ut);
    t.LocalJd = static_cast<double>(ut) + t.OffsetMinutes / 1440.0;
    t.Repeated = zone.RepeatsAt(ut);
    if (t.Repeated) t.Abbreviation = zone.Abbreviation(ut);
    return t;
}

std::string LocalClockText(astro::JulianDay ut, const TZone& zone) {
    const TLocalInstant t = LocalInstant(ut, zone);
    const astro::DateTimeRec d = astro::JulianToDateToMinute(t.LocalJd);
    return ClockOf(d.Hour, d.Minute, t);
}

int LocalMinuteOfDay(const TLocalInstant& t) {
    if (!std::isfinite(t.LocalJd)) return 0;
    const double j = t.LocalJd + 0.5;
    return static_cast<int>(
        std::clamp<long long>(std::llround((j - std::floor(j)) * 1440), 0, 24 * 60 - 1));
}

std::string DayClockText(astro::JulianDay ut, const TZone& zone) {
    const TLocalInstant t = LocalInstant(ut, zone);
    const int minute = LocalMinuteOfDay(t);
    return ClockOf(minute / 60, minute % 60, t);
}

astro::DateTimeRec LocalDateTime(astro::JulianDay ut, const TZone& zone) {
    return astro::JulianToDateToMinute(static_cast<double>(ut) + zone.OffsetAt(ut) / 1440.0);
}

std::string LocalDateTimeText(astro::JulianDay ut, const TZone& zone) {
    const TLocalInstant t = LocalInstant(ut, zone);
    const astro::DateTimeRec d = astro::JulianToDateToMinute(t.LocalJd);
    // DateTimeText's date after the clock: "  DD Month YYYY".
    return (ClockOf(d.Hour, d.Minute, t) + astro::DateTimeText(d).substr(8)).substr(0, 60);
}

std::string IsoText(double jd) {
    const astro::DateTimeRec d = astro::JulianToDate(jd);
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02dT%02d:%02d:%02d", d.Year, d.Month, d.Day,
                  d.Hour, d.Minute, d.Second);
    return buffer;
}

std::string LocalIsoText(astro::JulianDay ut, const TZone& zone) {
    const int offset = zone.OffsetAt(ut);
    const int a = std::abs(offset);
    char suffix[16];
    std::snprintf(suffix, sizeof suffix, "%c%02d:%02d", offset < 0 ? '-' : '+', a / 60 % 100,
                  a % 60);
    return IsoText(static_cast<double>(ut) + offset / 1440.0) + suffix;
}

std::string UtIsoText(astro::JulianDay ut) {
    return IsoText(ut) + "Z";
}

astro::RiseSetTimes
RiseSetOnDay(const astro::DateTimeRec& day, const astro::Observer& observer,
             const std::function<astro::RiseSetTimes(const astro::Observer&)>& compute) {
    const TObserverClock clock(observer);
    const TZone& zone = clock.Zone();
    const TLocalDay d = LocalDayOf(zone, day);
    astro::Observer before = observer;
    before.ZoneOffsetMinutes = d.OffsetFrom;
    astro::RiseSetTimes early = compute(before);
    if (d.OffsetFrom == d.OffsetTo) {
        SetDayTexts(early, zone);
        return early;
    }
    astro::Observer after = observer;
    after.ZoneOffsetMinutes = d.OffsetTo;
    return EventsOfChangeDay(early, compute(after), d, zone);
}

int MonthPhasesInZone(const astro::DateTimeRec& date, const astro::Observer& observer,
                      astro::MonthPhaseList& events) {
    const TObserverClock clock(observer);
    const TZone& zone = clock.Zone();
    astro::DateTimeRec first = date;
    first.Day = 1;
    first.Hour = first.Minute = first.Second = first.Millisecond = 0;
    const double jStart = astro::DateToJulian(first);
    astro::DateTimeRec next = first;
    next.Month = static_cast<std::uint16_t>(date.Month % 12 + 1);
    next.Year = static_cast<std::uint16_t>(date.Year + (date.Month == 12 ? 1 : 0));
    const double jEnd = astro::DateToJulian(next);

    // The candidates: the month's phases as listed in each offset in force near its edges.
    // Each belongs to the month when its own local time, to the minute, falls in it.
    std::array<int, 4> offsets{};
    std::size_t tried = 0;
    int count = 0;
    for (const double edge : {jStart - 1, jStart + 1, jEnd - 1, jEnd + 1}) {
        const int offset = zone.OffsetAt(edge);
        if (std::find(offsets.begin(), offsets.begin() + static_cast<std::ptrdiff_t>(tried),
                      offset) != offsets.begin() + static_cast<std::ptrdiff_t>(tried))
            continue;
        offsets[tried++] = offset;
        astro::Observer o = observer;
        o.ZoneOffsetMinutes = offset;
        astro::MonthPhaseList list;
        const int n = astro::MonthPhases(date, o, list);
        for (int i = 0; i < n && count < astro::MaxMonthPhases; ++i) {
            const astro::PhaseEvent& e = list[static_cast<std::size_t>(i)];
            bool known = false;
            for (int j = 0; j < count; ++j)
                known = known || events[static_cast<std::size_t>(j)].K == e.K;
            const double local = static_cast<double>(e.UT) + zone.OffsetAt(e.UT) / 1440.0;
            const double shown = std::round(local * 1440) / 1440;
            if (known || shown < jStart || shown >= jEnd) continue;
            astro::PhaseEvent& p = events[static_cast<std::size_t>(count++)];
            p = e;
            p.Julian = local;
            p.Date = astro::JulianToDate(local);
            p.Text = LocalDateTimeText(e.UT, zone);
        }
    }
    std::sort(events.begin(), events.begin() + count,
              [](const astro::PhaseEvent& a, const astro::PhaseEvent& b) { return a.K < b.K; });
    return count;
}

void SetEclipseTexts(astro::EclipseCircumstances& eclipse, const TZone& zone) {
    if (eclipse.Kind == astro::NoEclipse) return;
    eclipse.LocalMaximum = LocalDateTime(eclipse.MaximumUT, zone);
    eclipse.Maximum = LocalClockText(eclipse.MaximumUT, zone);
    const std::string maximum = astro::DateTimeText(eclipse.LocalMaximum);
    eclipse.Date = maximum.size() > 10 ? maximum.substr(10, 40) : std::string();
    std::string* const texts[astro::EclipseContactCount] = {
        &eclipse.PenumbraEntered, &eclipse.UmbraEntered, &eclipse.TotalityBegins,
        &eclipse.TotalityEnds,    &eclipse.UmbraLeft,    &eclipse.PenumbraLeft};
    for (std::size_t c = 0; c < astro::EclipseContactCount; ++c) {
        const astro::JulianDay ut = eclipse.ContactUT[c];
        texts[c]->clear();
        if (ut == 0) continue;
        *texts[c] = LocalClockText(ut, zone);
        eclipse.WorkText = astro::DateTimeText(LocalDateTime(ut, zone));
    }
}

astro::MonthEclipseList MonthEclipsesInZone(const astro::MonthPhaseList& events, int count,
                                            std::uint16_t year, const astro::Observer& observer,
                                            const TZone& zone) {
    astro::MonthEclipseList found = astro::MonthEclipses(events, count, year, observer);
    const TObserverClock clock(observer, zone);
    for (int i = 0; i < found.Count; ++i)
        SetEclipseTexts(found.Eclipses[static_cast<std::size_t>(i)], clock.Zone());
    return found;
}

astro::ApsisTexts NextApsidesInZone(astro::JulianDay instant, const astro::Observer& observer,
                                    const TZone& zone) {
    astro::ApsisTexts t = astro::NextApsides(instant, observer);
    const TObserverClock clock(observer, zone);
    // "HH:MM  DD Mon  ", as the engine writes it; past the year 9999 its text stays.
    const auto text = [&](std::string& out, astro::JulianDay ut) {
        if (ut == 0) return;
        const TLocalInstant local = LocalInstant(ut, clock.Zone());
        const astro::DateTimeRec d = astro::JulianToDateToMinute(local.LocalJd);
        if (d.Year < 1 || d.Year > 9999) return;
        const std::string full = astro::DateTimeText(d);
        out = (ClockOf(d.Hour, d.Minute, local) + full.substr(8, 8) + "  ").substr(0, 25);
    };
    text(t.PerigeeTimeText, t.PerigeeUT);
    text(t.ApogeeTimeText, t.ApogeeUT);
    return t;
}
