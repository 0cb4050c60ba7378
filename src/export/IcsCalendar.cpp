// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/IcsCalendar.h"

#include "astro/fEclipse.h"
#include "astro/fPhases.h"
#include "astro/fSeasons.h"
#include "export/CalendarTexts.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <utility>

namespace ics {
namespace {

// A UT instant to the minute in the proleptic Gregorian calendar (Meeus ch. 7 with the
// Gregorian correction at every date, as iCalendar counts days).
struct UtcMinute {
    long long Year = 0;
    int Month = 1;
    int Day = 1;
    int Hour = 0;
    int Minute = 0;
};

UtcMinute UtcMinuteOf(astro::JulianDay jd) {
    // Whole minutes from the start of the Julian Day count (noon) shifted to midnight.
    const long long minutes = std::llround((jd + 0.5) * 1440.0);
    const long long z = minutes >= 0 ? minutes / 1440 : -((-minutes + 1439) / 1440);
    const long long minuteOfDay = minutes - z * 1440;
    const long long alpha = static_cast<long long>(std::floor((z - 1867216.25) / 36524.25));
    const long long a = z + 1 + alpha - static_cast<long long>(std::floor(alpha / 4.0));
    const long long b = a + 1524;
    const long long c = static_cast<long long>(std::floor((b - 122.1) / 365.25));
    const long long d = static_cast<long long>(std::floor(365.25 * c));
    const long long e = static_cast<long long>(std::floor((b - d) / 30.6001));
    UtcMinute out;
    out.Day = static_cast<int>(b - d - static_cast<long long>(std::floor(30.6001 * e)));
    out.Month = static_cast<int>(e < 14 ? e - 1 : e - 13);
    out.Year = out.Month > 2 ? c - 4716 : c - 4715;
    out.Hour = static_cast<int>(minuteOfDay / 60);
    out.Minute = static_cast<int>(minuteOfDay % 60);
    return out;
}

std::string ClockText(astro::JulianDay jd) {
    const UtcMinute t = UtcMinuteOf(jd);
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d:%02d", t.Hour, t.Minute);
    return buffer;
}

std::string DayAndClockText(astro::JulianDay jd) {
    const UtcMinute t = UtcMinuteOf(jd);
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%04lld-%02d-%02d %02d:%02d UT", t.Year, t.Month, t.Day,
                  t.Hour, t.Minute);
    return buffer;
}

std::string PhaseTag(astro::PhaseKind kind) {
    switch (kind) {
    case astro::PhaseKind::NewMoon:
        return "newmoon";
    case astro::PhaseKind::FirstQuarter:
        return "firstquarter";
    case astro::PhaseKind::FullMoon:
        return "fullmoon";
    case astro::PhaseKind::LastQuarter:
        return "lastquarter";
    }
    return "phase";
}

std::string PhaseTitle(astro::PhaseKind kind) {
    switch (kind) {
    case astro::PhaseKind::NewMoon:
        return Text(QT_TRANSLATE_NOOP("Calendar", "New Moon"));
    case astro::PhaseKind::FirstQuarter:
        return Text(QT_TRANSLATE_NOOP("Calendar", "First Quarter"));
    case astro::PhaseKind::FullMoon:
        return Text(QT_TRANSLATE_NOOP("Calendar", "Full Moon"));
    case astro::PhaseKind::LastQuarter:
        return Text(QT_TRANSLATE_NOOP("Calendar", "Last Quarter"));
    }
    return Text(QT_TRANSLATE_NOOP("Calendar", "Moon Phase"));
}

// The visibility the engine gives an eclipse, in the installed language.
std::string VisibilityText(const std::string& visibility) {
    if (visibility == "Visible") return Text(QT_TRANSLATE_NOOP("Calendar", "Visible"));
    if (visibility == "Partially Visible")
        return Text(QT_TRANSLATE_NOOP("Calendar", "Partially Visible"));
    if (visibility == "Not Visible") return Text(QT_TRANSLATE_NOOP("Calendar", "Not Visible"));
    return visibility;
}

CalendarEvent Instant(std::string tag, std::string summary, std::string description,
                      astro::JulianDay ut) {
    return {std::move(tag), std::move(summary), std::move(description), ut, ut, ut};
}

std::string MagnitudeText(double magnitude) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.3f", magnitude);
    return buffer;
}

// The eclipse at the full moon `phase`, if there is one.
void AddEclipse(const astro::PhaseEvent& phase, int year, const astro::Observer& observer,
                std::vector<CalendarEvent>& out) {
    const auto y = static_cast<std::uint16_t>(year);
    const astro::EclipseElements g = astro::EclipseGeometry(phase.K, y);
    if (!g.NearNode || g.Kind == astro::NoEclipse) return;
    astro::EclipseCircumstances local;
    astro::EclipseCalcs(phase, y, observer, local);
    static const char* const tags[] = {"", "penumbraleclipse", "partialeclipse", "totaleclipse"};
    static const char* const titles[] = {"",
                                         QT_TRANSLATE_NOOP("Calendar", "Penumbral Lunar Eclipse"),
                                         QT_TRANSLATE_NOOP("Calendar", "Partial Lunar Eclipse"),
                                         QT_TRANSLATE_NOOP("Calendar", "Total Lunar Eclipse")};
    const double max = g.MaximumUT;
    const auto& c = g.ContactUT;
    const auto span = [&](const char* pattern, int first, int last) {
        return Format(Text(pattern), {ClockText(c[first]), ClockText(c[last])}) + "\n";
    };
    std::string text =
        Format(Text(QT_TRANSLATE_NOOP("Calendar", "Maximum %1 UT")), {ClockText(max)}) + "\n";
    text += span(QT_TRANSLATE_NOOP("Calendar", "Penumbra %1 - %2 UT"), astro::FirstPenumbralContact,
                 astro::LastPenumbralContact);
    if (g.Kind >= astro::PartialEclipse)
        text += span(QT_TRANSLATE_NOOP("Calendar", "Umbra %1 - %2 UT"), astro::FirstUmbralContact,
                     astro::LastUmbralContact);
    if (g.Kind == astro::TotalEclipse)
        text += span(QT_TRANSLATE_NOOP("Calendar", "Totality %1 - %2 UT"),
                     astro::TotalityBeginsContact, astro::TotalityEndsContact);
    text +=
        Format(Text(QT_TRANSLATE_NOOP("Calendar", "Umbral magnitude %1, penumbral magnitude %2")),
               {MagnitudeText(g.UmbralMagnitude), MagnitudeText(g.PenumbralMagnitude)}) +
        "\n";
    const std::string visibility = VisibilityText(local.Visibility);
    text +=
        Format(Text(QT_TRANSLATE_NOOP("Calendar", "From the observer's place: %1")), {visibility});
    CalendarEvent e;
    e.Tag = tags[g.Kind];
    e.Summary =
        Format(Text(QT_TRANSLATE_NOOP("Calendar", "%1 (%2)")), {Text(titles[g.Kind]), visibility});
    e.Description = text;
    e.Start = c[astro::FirstPenumbralContact];
    e.End = c[astro::LastPenumbralContact];
    e.Key = max;
    out.push_back(std::move(e));
}

// Local midnight of 1 January of `year` and of the year after, Julian Days of the local clock.
std::pair<astro::JulianDay, astro::JulianDay> YearSpan(int year) {
    astro::DateTimeRec jan1;
    jan1.Year = static_cast<std::uint16_t>(year);
    const astro::JulianDay start = astro::DateToJulian(jan1);
    astro::DateTimeRec nextJan1 = jan1;
    nextJan1.Year = static_cast<std::uint16_t>(year + 1);
    return {start, year < 9999 ? astro::DateToJulian(nextJan1) : start + 365}; // a common year
}

void AddPhasesAndEclipses(int year, const astro::Observer& observer, const OffsetAt& offsetAt,
                          std::vector<CalendarEvent>& out) {
    const auto [start, end] = YearSpan(year);
    std::vector<double> seen; // lunation numbers taken
    // The year's months and the months either side: a phase near New Year belongs to the year
    // of its local time in the offset in force at it.
    for (int m = 0; m <= 13; ++m) {
        const int y = year + (m == 0 ? -1 : m == 13 ? 1 : 0);
        if (y < 1 || y > 9999) continue;
        astro::DateTimeRec first;
        first.Year = static_cast<std::uint16_t>(y);
        first.Month = static_cast<std::uint16_t>(m == 0 ? 12 : m == 13 ? 1 : m);
        astro::MonthPhaseList events;
        const int count = astro::MonthPhases(first, observer, events);
        for (int i = 0; i < count; ++i) {
            const astro::PhaseEvent& p = events[static_cast<std::size_t>(i)];
            const double ut = p.UT;
            const double local = std::round((ut + offsetAt(ut) / 1440.0) * 1440) / 1440;
            if (local < start || local >= end ||
                std::find(seen.begin(), seen.end(), p.K) != seen.end())
                continue;
            seen.push_back(p.K);
            out.push_back(Instant(PhaseTag(p.Kind), PhaseTitle(p.Kind),
                                  Format(Text(QT_TRANSLATE_NOOP("Calendar", "%1 at %2")),
                                         {PhaseTitle(p.Kind), DayAndClockText(ut)}),
                                  ut));
            if (p.Kind == astro::PhaseKind::FullMoon) AddEclipse(p, year, observer, out);
        }
    }
}

void AddApsides(int year, const OffsetAt& offsetAt, std::vector<CalendarEvent>& out) {
    const auto [start, end] = YearSpan(year);
    // Half a month before the year in perigee-apogee steps of half an anomalistic month; a
    // year holds at most 28 apsides, so 34 steps cover it.
    double k = std::floor((year - 2000 - 0.05) * 13.2555 * 2) / 2;
    for (int step = 0; step < 34; ++step, k += 0.5) {
        const astro::ApsisRec a = astro::ApsisInstant(k);
        const astro::JulianDay ut = a.Jde - astro::DeltaTDays(a.Jde);
        const double local = ut + offsetAt(ut) / 1440.0;
        if (local < start || local >= end) continue;
        const std::string title = a.Perigee ? Text(QT_TRANSLATE_NOOP("Calendar", "Perigee"))
                                            : Text(QT_TRANSLATE_NOOP("Calendar", "Apogee"));
        char distance[48];
        std::snprintf(distance, sizeof distance, "%.0f km", std::round(a.DistanceKm));
        out.push_back(Instant(a.Perigee ? "perigee" : "apogee", title,
                              Format(Text(QT_TRANSLATE_NOOP("Calendar", "%1 at %2, distance %3")),
                                     {title, DayAndClockText(ut), distance}),
                              ut));
    }
}

void AddSeasons(int year, const astro::Observer& observer, std::vector<CalendarEvent>& out) {
    static const char* const tags[] = {"marchequinox", "junesolstice", "septemberequinox",
                                       "decembersolstice"};
    static const char* const titles[] = {QT_TRANSLATE_NOOP("Calendar", "March Equinox"),
                                         QT_TRANSLATE_NOOP("Calendar", "June Solstice"),
                                         QT_TRANSLATE_NOOP("Calendar", "September Equinox"),
                                         QT_TRANSLATE_NOOP("Calendar", "December Solstice")};
    const auto y = static_cast<std::uint16_t>(year);
    const astro::SeasonsRec s = astro::EquinoxesAndSolstices(y, observer);
    for (std::size_t i = 0; i < 4; ++i) {
        const double ut = s.Instants[i] - astro::DeltaTDays(s.Instants[i]);
        const std::string title = Text(titles[i]);
        out.push_back(Instant(
            tags[i], title,
            Format(Text(QT_TRANSLATE_NOOP("Calendar", "%1 at %2")), {title, DayAndClockText(ut)}),
            ut));
    }
}

std::string Line(const std::string& name, const std::string& value) {
    return FoldedLine(name + ":" + value);
}

std::string EventText(const CalendarEvent& e, const std::string& stamp) {
    std::string out = Line("BEGIN", "VEVENT");
    out += Line("UID", UtcDateTime(e.Key) + "-" + e.Tag + "@cresselle");
    out += Line("DTSTAMP", stamp);
    out += Line("DTSTART", UtcDateTime(e.Start));
    // An instant has no DTEND: the event ends when it starts.
    if (UtcDateTime(e.End) != UtcDateTime(e.Start)) out += Line("DTEND", UtcDateTime(e.End));
    out += Line("SUMMARY", EscapedText(e.Summary));
    out += Line("DESCRIPTION", EscapedText(e.Description));
    out += Line("CATEGORIES", "Moon");
    out += Line("TRANSP", "TRANSPARENT");
    out += Line("END", "VEVENT");
    return out;
}

} // namespace

std::vector<CalendarEvent> YearEvents(int year, const astro::Observer& observer,
                                      const OffsetAt& offsetAt) {
    std::vector<CalendarEvent> out;
    if (year < 1 || year > 9999) return out;
    const OffsetAt offset =
        offsetAt ? offsetAt : [&](astro::JulianDay) { return observer.ZoneOffsetMinutes; };
    AddPhasesAndEclipses(year, observer, offset, out);
    AddApsides(year, offset, out);
    AddSeasons(year, observer, out);
    std::stable_sort(out.begin(), out.end(), [](const CalendarEvent& a, const CalendarEvent& b) {
        return a.Start < b.Start;
    });
    return out;
}

std::string YearCalendarName(int year) {
    return Format(Text(QT_TRANSLATE_NOOP("Calendar", "Moon %1 (Cresselle)")),
                  {std::to_string(year)});
}

std::string CalendarText(const std::vector<CalendarEvent>& events, astro::JulianDay stampUt,
                         const std::string& version, const std::string& name) {
    const std::string stamp = UtcDateTime(stampUt);
    std::string out = Line("BEGIN", "VCALENDAR");
    out += Line("VERSION", "2.0");
    out += Line("PRODID", "-//Cresselle//Cresselle " + version + "//EN");
    out += Line("CALSCALE", "GREGORIAN");
    out += Line("METHOD", "PUBLISH");
    out += Line("X-WR-CALNAME", EscapedText(name));
    for (const CalendarEvent& e : events)
        out += EventText(e, stamp);
    out += Line("END", "VCALENDAR");
    return out;
}

std::string UtcDateTime(astro::JulianDay jd) {
    const UtcMinute t = UtcMinuteOf(jd);
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%04lld%02d%02dT%02d%02d00Z", t.Year, t.Month, t.Day,
                  t.Hour, t.Minute);
    return buffer;
}

std::string FoldedLine(const std::string& line) {
    constexpr std::size_t limit = 75; // octets of a line, CRLF not counted
    std::string out;
    std::size_t pos = 0;
    std::size_t room = limit;
    while (line.size() - pos > room) {
        std::size_t cut = pos + room;
        while (cut > pos && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80)
            --cut;                        // not inside a UTF-8 character
        if (cut == pos) cut = pos + room; // not UTF-8: cut anyway
        out.append(line, pos, cut - pos);
        out += "\r\n ";
        pos = cut;
        room = limit - 1; // the leading blank counts
    }
    out.append(line, pos, std::string::npos);
    out += "\r\n";
    return out;
}

std::string EscapedText(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        if (c == '\\' || c == ';' || c == ',') {
            out += '\\';
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else if (c != '\r') {
            out += c;
        }
    }
    return out;
}

} // namespace ics
