// SPDX-License-Identifier: GPL-3.0-or-later
#include "zone/Zone.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>

#include <algorithm>
#include <cmath>

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

bool TZone::RepeatsAt(astro::JulianDay ut) const {
    if (!named_) return false;
    const double t = static_cast<double>(ut);
    const int offset = OffsetAt(ut);
    // No change within a day of the instant: its clock time comes once.
    if (t - cachedFrom_ > 1 && cachedTo_ - t > 1) return false;
    const double local = t + offset / 1440.0;
    // Another offset near the instant that reads the same clock time at another instant.
    for (const double near : {t - 1, t + 1}) {
        const int other = OffsetAt(near);
        if (other != offset && OffsetAt(local - other / 1440.0) == other) return true;
    }
    return false;
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
    QString ut = QCoreApplication::translate("Zone", "UT");
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

astro::Observer ObserverAtLocalTime(astro::Observer observer, const astro::DateTimeRec& local) {
    if (CurrentZone().IsNamed()) observer.ZoneOffsetMinutes = CurrentZone().OffsetAtLocal(local);
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
