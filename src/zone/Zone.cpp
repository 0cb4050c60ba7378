// SPDX-License-Identifier: GPL-3.0-or-later
#include "zone/Zone.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

namespace {

constexpr double UnixEpochJd = 2440587.5;

QDateTime UtcOf(astro::JulianDay ut) {
    const double ms = std::round((static_cast<double>(ut) - UnixEpochJd) * 86400000.0);
    return QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(ms), QTimeZone::utc());
}

astro::JulianDay JdOf(qint64 msecs) {
    return static_cast<double>(msecs) / 86400000.0 + UnixEpochJd;
}

// Minutes as "+05:45".
QString SignedHoursMinutes(int minutes) {
    const QChar sign = minutes < 0 ? QLatin1Char('-') : QLatin1Char('+');
    const int m = std::abs(minutes);
    return QStringLiteral("%1%2:%3")
        .arg(sign)
        .arg(m / 60, 2, 10, QLatin1Char('0'))
        .arg(m % 60, 2, 10, QLatin1Char('0'));
}

// "+513030" or "+5130" (degrees, minutes, seconds) into degrees; false when it does not parse.
bool IsoCoordinate(const QByteArray& text, int degreeDigits, double& degrees) {
    if (text.size() != 1 + degreeDigits + 2 && text.size() != 1 + degreeDigits + 4) return false;
    if (text[0] != '+' && text[0] != '-') return false;
    bool ok1 = false, ok2 = false, ok3 = true;
    const int d = text.mid(1, degreeDigits).toInt(&ok1);
    const int m = text.mid(1 + degreeDigits, 2).toInt(&ok2);
    const int s =
        text.size() > 1 + degreeDigits + 2 ? text.mid(3 + degreeDigits, 2).toInt(&ok3) : 0;
    if (!ok1 || !ok2 || !ok3) return false;
    degrees = d + m / 60.0 + s / 3600.0;
    if (text[0] == '-') degrees = -degrees;
    return true;
}

// Minutes of the day of an "HH:MM" text; -1 for "None", "*****" and the like.
int MinutesOf(const std::string& text) {
    if (text.size() != 5 || text[2] != ':') return -1;
    const QString q = QString::fromStdString(text);
    bool okH = false, okM = false;
    const int h = q.left(2).toInt(&okH), m = q.mid(3, 2).toInt(&okM);
    return okH && okM ? h * 60 + m : -1;
}

// One event of a day the clocks change: as computed with the offset before the change when it
// comes before the change, else as computed with the offset after it. A time of the repeated
// hour carries its zone abbreviation ("01:30 BST", "01:30 GMT").
std::string MergedText(const std::string& early, const std::string& late, const TDayChange& c) {
    const int changeOnNewClock = c.MinuteOfDay + c.After - c.Before;
    const int repeatedEnd = c.MinuteOfDay; // on either clock, the hour before it repeats
    const int e = MinutesOf(early), l = MinutesOf(late);
    const bool repeats = c.After < c.Before;
    if (e >= 0 && e < c.MinuteOfDay) {
        if (repeats && e >= changeOnNewClock)
            return early + " " + c.AbbreviationBefore.toStdString();
        return early;
    }
    if (l >= 0 && l >= changeOnNewClock) {
        if (repeats && l < repeatedEnd) return late + " " + c.AbbreviationAfter.toStdString();
        return late;
    }
    return e >= 0 ? late : early;
}

TZone& Current() {
    static TZone zone = TZone::Fixed(0);
    return zone;
}

} // namespace

TZone TZone::Fixed(int offsetMinutes) {
    TZone z;
    z.fixedMinutes_ = offsetMinutes;
    return z;
}

std::optional<TZone> TZone::Named(const QByteArray& id) {
    if (id.isEmpty() || !QTimeZone::isTimeZoneIdAvailable(id)) return std::nullopt;
    TZone z;
    z.zone_ = QTimeZone(id);
    if (!z.zone_.isValid()) return std::nullopt;
    z.named_ = true;
    return z;
}

TZone TZone::System() {
    const QByteArray id = QTimeZone::systemTimeZoneId();
    if (auto named = Named(id)) return *named;
    return Fixed(0);
}

bool TZone::SkipsDay(const astro::DateTimeRec& day) const {
    if (!named_) return false;
    astro::DateTimeRec midnight = day;
    midnight.Hour = midnight.Minute = midnight.Second = midnight.Millisecond = 0;
    const double start = static_cast<double>(astro::DateToJulian(midnight)); // local clock
    // Offsets lie within a day of UT: the transitions that can skip this day lie in these days.
    const auto changes = zone_.transitions(UtcOf(start - 2), UtcOf(start + 2));
    for (const QTimeZone::OffsetData& change : changes) {
        const double at = JdOf(change.atUtc.toMSecsSinceEpoch());
        const double before = at + zone_.offsetFromUtc(change.atUtc.addSecs(-1)) / 86400.0;
        const double after = at + change.offsetFromUtc / 86400.0;
        // The clock jumped from `before` to `after`: the day lies inside the jump.
        if (before <= start + 1e-9 && after >= start + 1 - 1e-9) return true;
    }
    return false;
}

int TZone::OffsetAt(astro::JulianDay ut) const {
    if (!named_) return fixedMinutes_;
    const double t = static_cast<double>(ut);
    if (t >= cachedFrom_ && t < cachedTo_) return cachedOffset_;
    const QDateTime at = UtcOf(ut);
    const int offset = zone_.offsetFromUtc(at) / 60;
    // The offset holds until the next transition and since the previous one.
    const QTimeZone::OffsetData next = zone_.nextTransition(at);
    const QTimeZone::OffsetData previous = zone_.previousTransition(at.addMSecs(1));
    cachedFrom_ = previous.atUtc.isValid() ? JdOf(previous.atUtc.toMSecsSinceEpoch()) : t;
    cachedTo_ = next.atUtc.isValid() ? JdOf(next.atUtc.toMSecsSinceEpoch()) : t + 1e9;
    if (!(t >= cachedFrom_ && t < cachedTo_)) cachedFrom_ = cachedTo_ = t;
    cachedOffset_ = offset;
    return offset;
}

int TZone::OffsetAtLocal(const astro::DateTimeRec& local) const {
    if (!named_) return fixedMinutes_;
    astro::DateTimeRec d = local;
    d.Millisecond = 0;
    return OffsetAtLocalJd(static_cast<double>(astro::DateToJulian(d)));
}

int TZone::OffsetAtLocalJd(double localJd) const {
    if (!named_) return fixedMinutes_;
    const double asUt = localJd;
    // The local time read with the offset of a day before, then with the offset found: the
    // second offset is the one in force unless the time lies in a skipped hour.
    const int before = OffsetAt(asUt - 1.0);
    const int first = OffsetAt(asUt - before / 1440.0);
    if (first == before) return first;
    const int second = OffsetAt(asUt - first / 1440.0);
    return second == first ? first : before;
}

int TZone::OffsetOnDay(const astro::DateTimeRec& local) const {
    if (!named_) return fixedMinutes_;
    astro::DateTimeRec noon = local;
    noon.Hour = 12;
    noon.Minute = noon.Second = noon.Millisecond = 0;
    return OffsetAtLocal(noon);
}

QString TZone::Abbreviation(astro::JulianDay ut) const {
    if (!named_) return OffsetText(fixedMinutes_);
    const QString name = zone_.abbreviation(UtcOf(ut));
    return name.isEmpty() ? OffsetText(OffsetAt(ut)) : name;
}

QString TZone::Description(astro::JulianDay ut) const {
    if (!named_) return OffsetText(fixedMinutes_);
    const int year = UtcOf(ut).date().year();
    const QDateTime january(QDate(year, 1, 15), QTime(12, 0), QTimeZone::utc());
    const QDateTime july(QDate(year, 7, 15), QTime(12, 0), QTimeZone::utc());
    QString a = zone_.abbreviation(january), b = zone_.abbreviation(july);
    if (zone_.isDaylightTime(january)) std::swap(a, b);
    const QString id = QString::fromLatin1(zone_.id());
    if (a == b) return QStringLiteral("%1, %2").arg(id, a);
    return QStringLiteral("%1, %2/%3").arg(id, a, b);
}

QString OffsetText(int minutes) {
    //: Universal Time as a zone's caption begins with it ("UT+01:00")
    const QString ut = QCoreApplication::translate("Zone", "UT");
    if (minutes == 0) return ut;
    return ut + SignedHoursMinutes(minutes);
}

const TZone& CurrentZone() {
    return Current();
}

void SetCurrentZone(const TZone& zone) {
    Current() = zone;
}

astro::Observer ObserverOnDay(astro::Observer observer, const astro::DateTimeRec& localDay) {
    if (CurrentZone().IsNamed()) observer.ZoneOffsetMinutes = CurrentZone().OffsetOnDay(localDay);
    return observer;
}

QList<TZonePlace> ParseZoneTable(const QByteArray& text) {
    QList<TZonePlace> places;
    for (const QByteArray& line : text.split('\n')) {
        if (line.isEmpty() || line.startsWith('#')) continue;
        const QList<QByteArray> fields = line.split('\t');
        if (fields.size() < 3) continue;
        const QByteArray& coordinates = fields[1];
        const qsizetype split = coordinates.indexOf('+', 1) > 0 ? coordinates.indexOf('+', 1)
                                                                : coordinates.indexOf('-', 1);
        if (split < 0) continue;
        TZonePlace place;
        if (!IsoCoordinate(coordinates.left(split), 2, place.Latitude) ||
            !IsoCoordinate(coordinates.mid(split), 3, place.Longitude))
            continue;
        place.ZoneId = fields[2].trimmed();
        const QByteArray last = place.ZoneId.mid(place.ZoneId.lastIndexOf('/') + 1);
        place.City = QString::fromUtf8(last).replace(QLatin1Char('_'), QLatin1Char(' '));
        places.append(place);
    }
    return places;
}

const QList<TZonePlace>& ZonePlaces() {
    static const QList<TZonePlace> places = [] {
        QFile file(QStringLiteral("/usr/share/zoneinfo/zone1970.tab"));
        if (!file.open(QIODevice::ReadOnly)) return QList<TZonePlace>();
        return ParseZoneTable(file.read(1 << 20));
    }();
    return places;
}

const TZonePlace* ZonePlaceOf(const QByteArray& id) {
    for (const TZonePlace& place : ZonePlaces())
        if (place.ZoneId == id) return &place;
    return nullptr;
}

TDayChange ChangeOnDay(const TZone& zone, const astro::DateTimeRec& day) {
    TDayChange change;
    if (!zone.IsNamed()) return change;
    astro::DateTimeRec midnight = day;
    midnight.Hour = midnight.Minute = midnight.Second = midnight.Millisecond = 0;
    const double localStart = static_cast<double>(astro::DateToJulian(midnight));
    const int before = zone.OffsetAtLocalJd(localStart);
    const double utStart = localStart - before / 1440.0;
    const QTimeZone::OffsetData next = zone.TimeZone().nextTransition(UtcOf(utStart));
    if (!next.atUtc.isValid()) return change;
    const double utChange = JdOf(next.atUtc.toMSecsSinceEpoch());
    const int minute = static_cast<int>(std::lround((utChange - utStart) * 1440.0));
    if (minute < 0 || minute >= 1440) return change;
    change.Changes = true;
    change.Before = before;
    change.After = next.offsetFromUtc / 60;
    change.MinuteOfDay = minute;
    change.AbbreviationBefore = zone.Abbreviation(utChange - 1.0 / 1440);
    change.AbbreviationAfter = zone.Abbreviation(utChange + 1.0 / 1440);
    return change;
}

// A phase belongs to the month in which its local time, in the offset in force at it, falls.
// The candidates are the month's phases in each offset in force near the month's edges; each
// is then taken from the list made with its own offset, or dropped when that list lacks it.
int MonthPhasesInZone(const astro::DateTimeRec& date, astro::Observer observer,
                      astro::MonthPhaseList& events) {
    const TZone& zone = CurrentZone();
    if (!zone.IsNamed()) return astro::MonthPhases(date, observer, events);
    astro::DateTimeRec first = date;
    first.Day = 1;
    first.Hour = first.Minute = first.Second = first.Millisecond = 0;
    const double jStart = astro::DateToJulian(first);
    astro::DateTimeRec next = first;
    next.Month = static_cast<std::uint16_t>(date.Month % 12 + 1);
    next.Year = static_cast<std::uint16_t>(date.Year + (date.Month == 12 ? 1 : 0));
    const double jEnd = astro::DateToJulian(next);

    // The lists already made, one per offset (a month sees at most a few offsets).
    struct List {
        int Offset = 0;
        int Count = 0;
        astro::MonthPhaseList Events{};
    };
    std::array<List, 8> lists{};
    int made = 0;
    auto listFor = [&](int offset) -> const List& {
        for (int i = 0; i < made; ++i)
            if (lists[static_cast<std::size_t>(i)].Offset == offset)
                return lists[static_cast<std::size_t>(i)];
        List& list = lists[static_cast<std::size_t>(std::min(made, 7))];
        made = std::min(made + 1, 8);
        list.Offset = offset;
        observer.ZoneOffsetMinutes = offset;
        list.Count = astro::MonthPhases(date, observer, list.Events);
        return list;
    };

    int count = 0;
    for (const double edge : {jStart - 1, jStart + 1, jEnd - 1, jEnd + 1}) {
        // A copy: the listFor below may reuse the slot it refers to.
        // NOLINTNEXTLINE(performance-unnecessary-copy-initialization)
        const List candidates = listFor(zone.OffsetAt(edge));
        for (int i = 0; i < candidates.Count; ++i) {
            const astro::PhaseEvent& e = candidates.Events[static_cast<std::size_t>(i)];
            bool known = false;
            for (int j = 0; j < count; ++j)
                known = known || events[static_cast<std::size_t>(j)].K == e.K;
            if (known || count >= astro::MaxMonthPhases) continue;
            const List& own = listFor(zone.OffsetAt(e.UT));
            for (int j = 0; j < own.Count; ++j)
                if (own.Events[static_cast<std::size_t>(j)].K == e.K)
                    events[static_cast<std::size_t>(count++)] =
                        own.Events[static_cast<std::size_t>(j)];
        }
    }
    std::sort(events.begin(), events.begin() + count,
              [](const astro::PhaseEvent& a, const astro::PhaseEvent& b) { return a.K < b.K; });
    return count;
}

astro::MonthEclipseList MonthEclipsesInZone(const astro::MonthPhaseList& events, int count,
                                            std::uint16_t year, astro::Observer observer,
                                            const TZone& zone) {
    astro::MonthEclipseList found = astro::MonthEclipses(events, count, year, observer);
    if (!zone.IsNamed()) return found;
    const int firstOffset = observer.ZoneOffsetMinutes;
    for (int i = 0; i < found.Count; ++i) {
        astro::EclipseCircumstances& eclipse = found.Eclipses[static_cast<std::size_t>(i)];
        const astro::JulianDay ut =
            astro::DateToJulian(eclipse.LocalMaximum) - firstOffset / 1440.0;
        const int offset = zone.OffsetAt(ut);
        if (offset == firstOffset) continue;
        observer.ZoneOffsetMinutes = offset;
        const astro::MonthEclipseList again = astro::MonthEclipses(events, count, year, observer);
        if (i < again.Count) eclipse = again.Eclipses[static_cast<std::size_t>(i)];
    }
    return found;
}

astro::DateTimeRec InOffsetOfItsInstant(const astro::DateTimeRec& date,
                                        const astro::Observer& observer, const TZone& zone) {
    if (!zone.IsNamed()) return date;
    const double local = astro::DateToJulian(date);
    const int offset = zone.OffsetAt(local - observer.ZoneOffsetMinutes / 1440.0);
    if (offset == observer.ZoneOffsetMinutes) return date;
    return astro::JulianToDate(local + (offset - observer.ZoneOffsetMinutes) / 1440.0);
}

int OffsetAtEvent(const TZone& zone, astro::JulianDay ut, int fixedMinutes) {
    return zone.IsNamed() ? zone.OffsetAt(ut) : fixedMinutes;
}

astro::RiseSetTimes MergedAtChange(const astro::RiseSetTimes& early,
                                   const astro::RiseSetTimes& late, const TDayChange& change) {
    astro::RiseSetTimes t = early;
    t.Rise = MergedText(early.Rise, late.Rise, change);
    t.Transit = MergedText(early.Transit, late.Transit, change);
    t.Set = MergedText(early.Set, late.Set, change);
    t.Rise2 = MergedText(early.Rise2, late.Rise2, change);
    t.Set2 = MergedText(early.Set2, late.Set2, change);
    return t;
}

astro::RiseSetTimes
RiseSetOnDay(const astro::DateTimeRec& day, const astro::Observer& observer,
             const std::function<astro::RiseSetTimes(const astro::Observer&)>& compute) {
    const TDayChange change = ChangeOnDay(CurrentZone(), day);
    if (!change.Changes) return compute(ObserverOnDay(observer, day));
    astro::Observer before = observer, after = observer;
    before.ZoneOffsetMinutes = change.Before;
    after.ZoneOffsetMinutes = change.After;
    return MergedAtChange(compute(before), compute(after), change);
}
