// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliCommands.h"

#include "astro/fEaster.h"
#include "astro/fEclipse.h"
#include "astro/fMoonCalcs.h"
#include "astro/fPhases.h"
#include "astro/fRiseSet.h"
#include "astro/fSeasons.h"
#include "astro/fSidereal.h"
#include "cli/CliAltitude.h"
#include "cli/CliFeatures.h"
#include "cli/CliPlanner.h"
#include "export/IcsCalendar.h"
#include "settings/ObserverSettings.h"
#include "zone/LocalTime.h"
#include "zone/Zone.h"

#include <QDateTime>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSaveFile>
#include <QSettings>
#include <QStringList>
#include <QTemporaryFile>

#include <array>
#include <cmath>
#include <cstdio>

namespace cli {
namespace {

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}
QString qs(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

QString dayText(const astro::DateTimeRec& d) {
    return QString::asprintf("%04d-%02d-%02d", d.Year, d.Month, d.Day);
}

QString isoOfJulian(astro::JulianDay jd) {
    return QString::fromStdString(IsoText(jd));
}

// A shown text that is a marker rather than a value becomes null in JSON, with the reason
// beside it ("<key>_reason"); the text output shows the marker again.
const struct {
    const char* text;
    const char* reason;
} markers[] = {
    {"None", "not_crossed"},
    {"*****", "other_day"},
    {"No sunrise", "no_sunrise"},
    {"No sunset", "no_sunset"},
    {"invalid coordinates", "invalid_coordinates"},
    // Finer reasons the engine gives for "None"; read back to the same text.
    {"None", "always_up"},
    {"None", "always_down"},
    {"Outside years 1-9999", "outside_years_1_9999"},
};

void putMaybe(QJsonObject& o, const QString& key, const QString& text) {
    for (const auto& m : markers) {
        if (text == QLatin1String(m.text)) {
            o[key] = QJsonValue::Null;
            o[key + QStringLiteral("_reason")] = QLatin1String(m.reason);
            return;
        }
    }
    o[key] = text;
}

QString markerText(const QString& reason) {
    for (const auto& m : markers)
        if (reason == QLatin1String(m.reason)) return QLatin1String(m.text);
    return reason;
}

const char* phaseKey(astro::PhaseKind kind) {
    switch (kind) {
    case astro::PhaseKind::NewMoon:
        return "new_moon";
    case astro::PhaseKind::FirstQuarter:
        return "first_quarter";
    case astro::PhaseKind::FullMoon:
        return "full_moon";
    case astro::PhaseKind::LastQuarter:
        return "last_quarter";
    }
    return "";
}

// The stored settings, read by the program's own reader with its repairs made in memory
// only: nothing is created or written.
astro::Observer storedObserver() {
    TObserverSettings settings;
    if (!settingsstore::Peek(settings)) return {};
    SetCurrentZone(ZoneOfSettings(settings));
    return ObserverOfSettings(settings);
}

// A rise or set: its clock text, or null with the reason; a body that stays up or down all
// day says which.
void putEvent(QJsonObject& o, const QString& key, const std::string& text,
              astro::EventState state) {
    putMaybe(o, key, qs(text));
    if (state == astro::EventState::AlwaysUp)
        o[key + QStringLiteral("_reason")] = QStringLiteral("always_up");
    else if (state == astro::EventState::AlwaysDown)
        o[key + QStringLiteral("_reason")] = QStringLiteral("always_down");
}

// A second event of the same kind that day, as "<key>2"; absent on the days without one.
void putSecond(QJsonObject& o, const QString& key, const std::string& text) {
    if (!text.empty()) o[key + QLatin1Char('2')] = qs(text);
}

QJsonObject riseSetObject(const astro::RiseSetTimes& t, const char* first, const char* last) {
    QJsonObject o;
    putEvent(o, QLatin1String(first), t.Rise, t.RiseState);
    putSecond(o, QLatin1String(first), t.Rise2);
    if (std::string_view(first) == "rise") putMaybe(o, QStringLiteral("transit"), qs(t.Transit));
    putEvent(o, QLatin1String(last), t.Set, t.SetState);
    putSecond(o, QLatin1String(last), t.Set2);
    return o;
}

// The contacts of an eclipse as local date-times, each in the offset in force at it; null where
// the kind has none.
void putContacts(QJsonObject& o, const astro::EclipseElements& g, const TZone& zone) {
    static const char* const keys[astro::EclipseContactCount] = {
        "penumbra_entered", "umbra_entered", "totality_begins",
        "totality_ends",    "umbra_left",    "penumbra_left"};
    for (std::size_t c = 0; c < astro::EclipseContactCount; ++c) {
        const double ut = g.ContactUT[c];
        o[QLatin1String(keys[c])] =
            ut != 0 ? QJsonValue(isoOfJulian(LocalInstant(ut, zone).LocalJd)) : QJsonValue();
    }
}

} // namespace

namespace {

// The observer of --lat, --lon, --zone and --dst, else the stored one; sets the zone.
astro::Observer ObserverOfOptions(const Options& options) {
    SetCurrentZone(TZone::Fixed(options.zoneMinutes.value_or(0) + (options.dst ? 60 : 0)));
    if (!options.observerGiven()) return storedObserver();
    astro::Observer o;
    o.Latitude = astro::DegToRad(options.latitudeDeg.value_or(0));
    o.Longitude = astro::DegToRad(-options.longitudeDeg.value_or(0)); // engine: west positive
    o.ZoneOffsetMinutes = options.zoneMinutes.value_or(0) + (options.dst ? 60 : 0);
    return o;
}

} // namespace

astro::Observer ObserverFor(const Options& options) {
    astro::Observer o = ObserverOfOptions(options);
    if (options.tz.empty()) return o;
    const auto zone = TZone::Named(QByteArray::fromStdString(options.tz));
    if (!zone) throw UsageError{"unknown zone '" + options.tz + "'"};
    SetCurrentZone(*zone);
    return o;
}

namespace {

// `observer` with the offset of a named zone in force at the local time `local`; a fixed
// zone's observer as it is.
astro::Observer ObserverAtLocal(astro::Observer observer, const astro::DateTimeRec& local) {
    if (CurrentZone().IsNamed()) observer.ZoneOffsetMinutes = CurrentZone().OffsetAtLocal(local);
    return observer;
}

} // namespace

QJsonObject MoonCommand(const astro::DateTimeRec& local, const astro::Observer& observerAnyTime) {
    const astro::Observer observer = ObserverAtLocal(observerAnyTime, local);
    const astro::JulianDay instant = astro::EngineInstant(local, observer.ZoneOffsetMinutes);
    const astro::MoonAndSun pos = astro::MoonPosition(instant, observer);
    const astro::MoonRec& m = pos.Moon;
    const astro::SunRec& s = pos.Sun;

    const astro::LunationRec lunation = astro::NewMoonsAround(instant);
    const double lunationPercent = astro::LunationPercent(instant, lunation);

    QJsonObject moon;
    moon[QStringLiteral("ecliptic_longitude_deg")] = astro::RadToDeg(m.EclipticLongitude);
    moon[QStringLiteral("ecliptic_latitude_deg")] = astro::RadToDeg(m.EclipticLatitude);
    moon[QStringLiteral("apparent_longitude_deg")] = astro::RadToDeg(m.ApparentLongitude);
    moon[QStringLiteral("distance_km")] = m.DistanceKm;
    moon[QStringLiteral("parallax_deg")] = m.Parallax;
    moon[QStringLiteral("ra_deg")] = m.Equatorial.RightAscension;
    moon[QStringLiteral("dec_deg")] = m.Equatorial.Declination;
    moon[QStringLiteral("topo_ra_deg")] = m.Topocentric.RightAscension;
    moon[QStringLiteral("topo_dec_deg")] = m.Topocentric.Declination;
    moon[QStringLiteral("altitude_deg")] = m.Altitude;
    moon[QStringLiteral("azimuth_deg")] = m.Azimuth;
    moon[QStringLiteral("semidiameter_deg")] = m.SemiDiameter;
    moon[QStringLiteral("bright_limb_deg")] = m.BrightLimbAngle;
    moon[QStringLiteral("phase_angle_deg")] = m.PhaseAngle;
    moon[QStringLiteral("illuminated_percent")] = m.IlluminatedPercent;
    moon[QStringLiteral("libration_lon_deg")] = m.LibrationLongitude;
    moon[QStringLiteral("libration_lat_deg")] = m.LibrationLatitude;
    moon[QStringLiteral("axis_pa_deg")] = m.AxisPositionAngle;
    moon[QStringLiteral("colongitude_deg")] = m.Colongitude;
    moon[QStringLiteral("sun_selenographic_lat_deg")] = astro::RadToDeg(m.SunSelenographicLatitude);
    moon[QStringLiteral("age_days")] = astro::MoonAgeDays(instant, lunation);
    moon[QStringLiteral("lunation_percent")] = lunationPercent;
    moon[QStringLiteral("phase_name")] = qs(astro::PhaseNameAt(instant, observer));

    QJsonObject sun;
    sun[QStringLiteral("longitude_deg")] = s.Longitude;
    sun[QStringLiteral("latitude_deg")] = s.Latitude;
    sun[QStringLiteral("ra_deg")] = s.Equatorial.RightAscension;
    sun[QStringLiteral("dec_deg")] = s.Equatorial.Declination;
    sun[QStringLiteral("altitude_deg")] = s.Altitude;
    sun[QStringLiteral("azimuth_deg")] = s.Azimuth;
    sun[QStringLiteral("distance_km")] = s.DistanceKm;

    QJsonObject out;
    out[QStringLiteral("instant_jd")] = instant;
    out[QStringLiteral("moon")] = moon;
    out[QStringLiteral("sun")] = sun;
    out[QStringLiteral("lst")] = qs(astro::LocalSiderealTimeText(local, observer));
    return out;
}

QJsonObject PhasesCommand(const astro::DateTimeRec& month, const astro::Observer& observer) {
    astro::MonthPhaseList events;
    const int count = MonthPhasesInZone(month, observer, events);
    QJsonArray list;
    for (int i = 0; i < count; ++i) {
        const astro::PhaseEvent& e = events[static_cast<std::size_t>(i)];
        QJsonObject o;
        o[QStringLiteral("k")] = e.K;
        o[QStringLiteral("kind")] = static_cast<int>(e.Kind);
        o[QStringLiteral("phase")] = QLatin1String(phaseKey(e.Kind));
        o[QStringLiteral("local")] = isoOfJulian(e.Julian);
        o[QStringLiteral("ut")] = isoOfJulian(e.UT);
        o[QStringLiteral("jd_local")] = e.Julian;
        o[QStringLiteral("text")] = qs(e.Text);
        list.append(o);
    }
    return {{QStringLiteral("events"), list}};
}

QJsonObject ApsidesCommand(const astro::DateTimeRec& local, const astro::Observer& observer) {
    const astro::Observer atStart = ObserverAtLocal(observer, local);
    const astro::JulianDay startUt =
        astro::DateToJulian(local) - atStart.ZoneOffsetMinutes / 1440.0;
    // Each apsis in the offset in force at it.
    const TObserverClock clock(observer);
    const astro::ApsisTexts t = NextApsidesInZone(startUt, observer, clock.Zone());
    auto apsis = [&](bool perigee) {
        const std::string& time = perigee ? t.PerigeeTimeText : t.ApogeeTimeText;
        const astro::JulianDay ut = perigee ? t.PerigeeUT : t.ApogeeUT;
        QJsonObject o;
        if (qs(time) == QLatin1String("Outside years 1-9999")) {
            // The next apsis falls after 31 December 9999: no date to give.
            putMaybe(o, QStringLiteral("local"), qs(time));
            putMaybe(o, QStringLiteral("ut"), qs(time));
            putMaybe(o, QStringLiteral("time_text"), qs(time));
            return o;
        }
        o[QStringLiteral("local")] = isoOfJulian(LocalInstant(ut, clock.Zone()).LocalJd);
        o[QStringLiteral("ut")] = isoOfJulian(ut);
        o[QStringLiteral("time_text")] = qs(time).trimmed();
        o[QStringLiteral("distance_km")] =
            static_cast<qint64>(std::lround(perigee ? t.PerigeeDistanceKm : t.ApogeeDistanceKm));
        return o;
    };
    QJsonObject out;
    out[QStringLiteral("perigee")] = apsis(true);
    out[QStringLiteral("apogee")] = apsis(false);
    return out;
}

QJsonObject RiseSetCommand(const astro::DateTimeRec& day, const astro::Observer& observerAnyDay) {
    // Each event in the offset in force at it, as the panel and the times list show it.
    const astro::RiseSetTimes moonTimes = RiseSetOnDay(
        day, observerAnyDay, [&](const astro::Observer& o) { return astro::MoonRiseSet(day, o); });
    auto sunAt = [&](double altitude) {
        return RiseSetOnDay(day, observerAnyDay, [&](const astro::Observer& o) {
            return astro::SunRiseSet(day, altitude, o);
        });
    };
    QJsonObject moon = riseSetObject(moonTimes, "rise", "set");
    moon[QStringLiteral("illuminated_percent")] = moonTimes.IlluminatedPercent;
    QJsonObject out;
    out[QStringLiteral("moon")] = moon;
    out[QStringLiteral("sun")] = riseSetObject(sunAt(astro::SunriseAltitude), "rise", "set");
    out[QStringLiteral("civil")] =
        riseSetObject(sunAt(astro::CivilTwilightAltitude), "start", "end");
    out[QStringLiteral("nautical")] =
        riseSetObject(sunAt(astro::NauticalTwilightAltitude), "start", "end");
    out[QStringLiteral("astronomical")] =
        riseSetObject(sunAt(astro::AstronomicalTwilightAltitude), "start", "end");
    return out;
}

QJsonObject TimesCommand(const astro::DateTimeRec& month, const astro::Observer& observerAnyDay) {
    QJsonArray days;
    const int count = astro::DaysInMonth(month.Month, month.Year);
    for (int d = 1; d <= count; ++d) {
        if (!astro::DateExists(d, month.Month, month.Year)) continue; // 5-14 October 1582
        astro::DateTimeRec day = month;
        day.Day = static_cast<std::uint16_t>(d);
        day.Hour = day.Minute = day.Second = 0;
        if (CurrentZone().SkipsDay(day)) continue; // the zone's clocks jumped over it
        const astro::Observer midnight = ObserverAtLocalTime(observerAnyDay, day);
        auto sunAt = [&](double h0) {
            return RiseSetOnDay(day, observerAnyDay, [&](const astro::Observer& o) {
                return astro::SunRiseSet(day, h0, o);
            });
        };
        const astro::RiseSetTimes moon =
            RiseSetOnDay(day, observerAnyDay,
                         [&](const astro::Observer& o) { return astro::MoonRiseSet(day, o); });
        const astro::RiseSetTimes sun = sunAt(astro::SunriseAltitude);
        const astro::RiseSetTimes civil = sunAt(astro::CivilTwilightAltitude);
        const astro::RiseSetTimes nautical = sunAt(astro::NauticalTwilightAltitude);
        const astro::RiseSetTimes astronomical = sunAt(astro::AstronomicalTwilightAltitude);
        QJsonObject o;
        o[QStringLiteral("date")] = dayText(day);
        o[QStringLiteral("lst")] = qs(astro::LocalSiderealTimeText(day, midnight));
        putEvent(o, QStringLiteral("moon_rise"), moon.Rise, moon.RiseState);
        putSecond(o, QStringLiteral("moon_rise"), moon.Rise2);
        putMaybe(o, QStringLiteral("moon_transit"), qs(moon.Transit));
        putEvent(o, QStringLiteral("moon_set"), moon.Set, moon.SetState);
        putSecond(o, QStringLiteral("moon_set"), moon.Set2);
        o[QStringLiteral("illuminated_percent")] = moon.IlluminatedPercent;
        putEvent(o, QStringLiteral("astro_start"), astronomical.Rise, astronomical.RiseState);
        putSecond(o, QStringLiteral("astro_start"), astronomical.Rise2);
        putEvent(o, QStringLiteral("nautical_start"), nautical.Rise, nautical.RiseState);
        putSecond(o, QStringLiteral("nautical_start"), nautical.Rise2);
        putEvent(o, QStringLiteral("civil_start"), civil.Rise, civil.RiseState);
        putSecond(o, QStringLiteral("civil_start"), civil.Rise2);
        putEvent(o, QStringLiteral("sun_rise"), sun.Rise, sun.RiseState);
        putSecond(o, QStringLiteral("sun_rise"), sun.Rise2);
        putMaybe(o, QStringLiteral("sun_transit"), qs(sun.Transit));
        putEvent(o, QStringLiteral("sun_set"), sun.Set, sun.SetState);
        putSecond(o, QStringLiteral("sun_set"), sun.Set2);
        putEvent(o, QStringLiteral("civil_end"), civil.Set, civil.SetState);
        putSecond(o, QStringLiteral("civil_end"), civil.Set2);
        putEvent(o, QStringLiteral("nautical_end"), nautical.Set, nautical.SetState);
        putSecond(o, QStringLiteral("nautical_end"), nautical.Set2);
        putEvent(o, QStringLiteral("astro_end"), astronomical.Set, astronomical.SetState);
        putSecond(o, QStringLiteral("astro_end"), astronomical.Set2);
        days.append(o);
    }
    return {{QStringLiteral("days"), days}};
}

QJsonObject EclipsesCommand(int fromYear, int toYear, const astro::Observer& observer) {
    QJsonArray list;
    for (int year = fromYear; year <= toYear; ++year) {
        for (int month = 1; month <= 12; ++month) {
            astro::DateTimeRec first;
            first.Year = static_cast<std::uint16_t>(year);
            first.Month = static_cast<std::uint16_t>(month);
            astro::MonthPhaseList events;
            const int count = astro::MonthPhases(first, observer, events);
            // Every full moon on its own: a month can hold two eclipses.
            for (int i = 0; i < count; ++i) {
                const astro::PhaseEvent& p = events[static_cast<std::size_t>(i)];
                if (p.Kind != astro::PhaseKind::FullMoon) continue;
                const astro::EclipseElements g = astro::EclipseGeometry(p.K, first.Year);
                if (!g.NearNode || g.Kind == astro::NoEclipse) continue;
                // The place decides the visibility; each time is in the offset in force at it.
                astro::EclipseCircumstances e;
                astro::EclipseCalcs(p, first.Year, observer, e);
                const TObserverClock clock(observer);
                SetEclipseTexts(e, clock.Zone());
                QJsonObject o;
                putContacts(o, g, clock.Zone());
                o[QStringLiteral("kind")] = e.Kind;
                o[QStringLiteral("kind_name")] = qs(astro::EclipseKindName(e.Kind));
                o[QStringLiteral("max_local")] =
                    isoOfJulian(LocalInstant(g.MaximumUT, clock.Zone()).LocalJd);
                o[QStringLiteral("max_ut")] = isoOfJulian(g.MaximumUT);
                o[QStringLiteral("date")] = qs(e.Date);
                o[QStringLiteral("visibility")] = qs(e.Visibility);
                o[QStringLiteral("umbral_magnitude")] = e.UmbralMagnitude;
                o[QStringLiteral("penumbral_magnitude")] = e.PenumbralMagnitude;
                list.append(o);
            }
        }
    }
    return {{QStringLiteral("eclipses"), list}};
}

QJsonObject SeasonsCommand(int year, const astro::Observer& observer) {
    static const char* names[4] = {"march_equinox", "june_solstice", "september_equinox",
                                   "december_solstice"};
    const auto y = static_cast<std::uint16_t>(year);
    const astro::SeasonsRec s = astro::EquinoxesAndSolstices(y, observer);
    const TObserverClock clock(observer); // each event in the offset in force at it
    QJsonArray events;
    QJsonArray lengths;
    for (std::size_t i = 0; i < 4; ++i) {
        QJsonObject o;
        o[QStringLiteral("name")] = QLatin1String(names[i]);
        const double ut = s.Instants[i] - astro::DeltaTDays(s.Instants[i]);
        const double local = LocalInstant(ut, clock.Zone()).LocalJd;
        o[QStringLiteral("local")] = isoOfJulian(local);
        o[QStringLiteral("ut")] = isoOfJulian(ut);
        o[QStringLiteral("text")] = qs(astro::DateTimeText(astro::JulianToDate(local)));
        events.append(o);
        lengths.append(s.Lengths[i]);
    }
    return {{QStringLiteral("events"), events}, {QStringLiteral("lengths_days"), lengths}};
}

QJsonObject EasterCommand(int year) {
    const auto y = static_cast<std::uint16_t>(year);
    const astro::EasterDate e = astro::EasterSunday(y);
    return {{QStringLiteral("month"), e.Month},
            {QStringLiteral("day"), e.Day},
            {QStringLiteral("text"), qs(astro::Sunday(y))}};
}

namespace {

QString scalarText(const QJsonValue& v) {
    if (v.isString()) return v.toString();
    if (v.isDouble()) {
        const double d = v.toDouble();
        return d == static_cast<long long>(d) && std::abs(d) < 1e15
                   ? QString::number(static_cast<long long>(d))
                   : QString::number(d, 'f', 6);
    }
    if (v.isBool()) return v.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    return {};
}

// The text of a field for the text forms: a null with a reason shows the window's marker.
QString cellText(const QJsonObject& o, const QString& key) {
    const QJsonValue v = o[key];
    if (v.isNull()) return markerText(o[key + QStringLiteral("_reason")].toString());
    return scalarText(v);
}

// Reading order of the text forms: date, kind, maximum, contacts in time order, magnitudes,
// visibility, then the rest. Keys not listed follow in alphabetical order.
const char* const readingOrder[] = {"date",
                                    "local",
                                    "kind_name",
                                    "phase",
                                    "name",
                                    "max_local",
                                    "penumbra_entered",
                                    "umbra_entered",
                                    "totality_begins",
                                    "totality_ends",
                                    "umbra_left",
                                    "penumbra_left",
                                    "umbral_magnitude",
                                    "penumbral_magnitude",
                                    "visibility",
                                    "ut",
                                    "max_ut",
                                    "text",
                                    "time_text",
                                    "distance_km",
                                    "longitude",
                                    "latitude",
                                    "sunrise",
                                    "sunset",
                                    "moon",
                                    "sun",
                                    "civil",
                                    "nautical",
                                    "astronomical",
                                    "rise",
                                    "start",
                                    "transit",
                                    "set",
                                    "end",
                                    "illuminated_percent"};

int readingRank(const QString& key) {
    int rank = 0;
    for (const char* k : readingOrder) {
        if (key == QLatin1String(k)) return rank;
        ++rank;
    }
    return rank;
}

// The keys an object shows in text, in reading order. Reasons show in their field; a kind code
// is left out when the kind is also named.
QStringList textKeys(const QJsonObject& o) {
    QStringList keys;
    const bool named =
        o.contains(QStringLiteral("kind_name")) || o.contains(QStringLiteral("phase"));
    for (const QString& k : o.keys())
        if (!k.endsWith(QStringLiteral("_reason")) && !(named && k == QStringLiteral("kind")))
            keys << k;
    std::stable_sort(keys.begin(), keys.end(), [](const QString& a, const QString& b) {
        return readingRank(a) < readingRank(b);
    });
    return keys;
}

// A list of objects as an aligned table, one row an object.
void appendTable(QStringList& out, const QJsonArray& rows) {
    if (rows.isEmpty()) {
        out << QStringLiteral("(none)");
        return;
    }
    const QStringList keys = textKeys(rows.first().toObject());
    QVector<int> widths(keys.size());
    for (int c = 0; c < keys.size(); ++c)
        widths[c] = static_cast<int>(keys[c].size());
    for (const QJsonValue r : rows)
        for (int c = 0; c < keys.size(); ++c)
            widths[c] =
                std::max(widths[c], static_cast<int>(cellText(r.toObject(), keys[c]).size()));
    auto line = [&](auto cell) {
        QStringList cells;
        for (int c = 0; c < keys.size(); ++c)
            cells << cell(c).leftJustified(widths[c]);
        return cells.join(QStringLiteral("  ")).trimmed();
    };
    out << line([&](int c) { return keys[c]; });
    for (const QJsonValue r : rows)
        out << line([&](int c) { return cellText(r.toObject(), keys[c]); });
}

void appendObject(QStringList& out, const QJsonObject& o, const QString& indent) {
    const QStringList keys = textKeys(o);
    int width = 0;
    for (const QString& k : keys)
        width = std::max(width, static_cast<int>(k.size()));
    for (const QString& key : keys) {
        const QJsonValue v = o[key];
        if (v.isObject()) {
            out << indent + key + QLatin1Char(':');
            appendObject(out, v.toObject(), indent + QStringLiteral("  "));
        } else if (v.isArray()) {
            const QJsonArray a = v.toArray();
            if (!a.isEmpty() && a.first().isObject()) {
                appendTable(out, a);
            } else {
                QStringList items;
                for (const QJsonValue item : a)
                    items << scalarText(item);
                out << indent + (key + QLatin1Char(':')).leftJustified(width + 2) +
                           items.join(QStringLiteral("  "));
            }
        } else {
            out << indent + (key + QLatin1Char(':')).leftJustified(width + 2) + cellText(o, key);
        }
    }
}

} // namespace

QString TimesCsv(const QJsonObject& times) {
    static const char* columns[] = {"date",        "lst",
                                    "moon_rise",   "moon_transit",
                                    "moon_set",    "illuminated_percent",
                                    "astro_start", "nautical_start",
                                    "civil_start", "sun_rise",
                                    "sun_transit", "sun_set",
                                    "civil_end",   "nautical_end",
                                    "astro_end"};
    QStringList lines;
    QStringList header;
    for (const char* c : columns)
        header << QLatin1String(c);
    lines << header.join(QLatin1Char(','));
    for (const QJsonValue day : times[QStringLiteral("days")].toArray()) {
        QStringList cells;
        for (const char* c : columns)
            cells << cellText(day.toObject(), QLatin1String(c));
        lines << cells.join(QLatin1Char(','));
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QString AlignedText(const QJsonObject& result) {
    QStringList out;
    appendObject(out, result, QString());
    return out.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

namespace {

// Options that mean something only to some commands are refused elsewhere, so that a script's
// mistake shows instead of being ignored.
void checkOptionsApply(const Options& options) {
    const std::string& cmd = options.command;
    if (options.csv && cmd != "times" && cmd != "altitude")
        throw UsageError{"--csv applies only to times and altitude"};
    if (options.stepMinutes && cmd != "altitude")
        throw UsageError{"--step applies only to altitude"};
    if (options.csv && options.json) throw UsageError{"--csv and --json exclude each other"};
    const bool lunar = cmd == "features" || cmd == "terminator" || cmd == "plan";
    if (!options.file.empty() && !lunar)
        throw UsageError{"--file applies only to features, terminator and plan"};
    if (!options.output.empty() && cmd != "ical" && cmd != "plan")
        throw UsageError{"-o applies only to ical and plan"};
    if ((options.minDeg || options.maxDeg) && cmd != "terminator" && cmd != "plan")
        throw UsageError{"--min and --max apply only to terminator and plan"};
    if ((options.moonMinDeg || options.sunMaxDeg) && cmd != "plan")
        throw UsageError{"--moon-min and --sky apply only to plan"};
    if (options.json && cmd == "ical") throw UsageError{"--json does not apply to ical"};
}

// Without observer options and without stored settings the observer is 0 deg, 0 deg at UT:
// say so, since every time and visibility depends on it.
void noteFallbackObserver(const Options& options) {
    if (options.observerGiven() || settingsstore::Exists()) return;
    std::fputs("cresselle-cli: note: no stored settings; the observer is at latitude 0, "
               "longitude 0, zone UT (see --lat, --lon, --zone)\n",
               stderr);
}

// A local date the zone's clocks jumped over does not exist there, like 5-14 October 1582.
void refuseSkippedDay(const astro::DateTimeRec& day, const std::string& text) {
    if (!CurrentZone().SkipsDay(day)) return;
    throw UsageError{"invalid date " + Quoted(text) + ": the zone " +
                     CurrentZone().Id().toStdString() + " skipped that day"};
}

} // namespace

astro::JulianDay NowUt() {
    return static_cast<double>(QDateTime::currentSecsSinceEpoch()) / 86400.0 + 2440587.5;
}

std::string IcalText(int year, const astro::Observer& observer) {
    // Each event in the year of its local time in the offset in force at it.
    const TObserverClock clock(observer);
    const auto offsetAt = [&](astro::JulianDay ut) { return clock.Zone().OffsetAt(ut); };
    return ics::CalendarText(ics::YearEvents(year, observer, offsetAt), NowUt(), CRESSELLE_VERSION,
                             ics::YearCalendarName(year));
}

int WriteIcal(const std::string& text, const std::string& path) {
    if (path.empty() || path == "-") {
        std::fwrite(text.data(), 1, text.size(), stdout);
        return 0;
    }
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(text.data(), static_cast<qint64>(text.size())) !=
            static_cast<qint64>(text.size()) ||
        !file.commit()) {
        std::fprintf(stderr, "cresselle-cli: cannot write %s: %s\n", Quoted(path).c_str(),
                     file.errorString().toLocal8Bit().constData());
        return 1;
    }
    return 0;
}

int Run(const Options& options) {
    const std::string& cmd = options.command;
    auto needArgs = [&](std::size_t n) {
        if (options.args.size() != n)
            throw UsageError{cmd + " takes " + std::to_string(n) + " argument" +
                             (n == 1 ? "" : "s") + "; see --help"};
    };
    checkOptionsApply(options);
    QJsonObject result;
    if (cmd == "ical") {
        needArgs(1);
        const int year = ParseYear(options.args[0]);
        const std::string text = IcalText(year, ObserverFor(options));
        noteFallbackObserver(options);
        return WriteIcal(text, options.output);
    } else if (cmd == "moon") {
        needArgs(1);
        const astro::DateTimeRec at = ParseDateTime(options.args[0]);
        const astro::Observer observer = ObserverFor(options);
        refuseSkippedDay(at, options.args[0]);
        result = MoonCommand(at, observer);
    } else if (cmd == "phases") {
        needArgs(1);
        result = PhasesCommand(ParseMonth(options.args[0]), ObserverFor(options));
    } else if (cmd == "apsides") {
        needArgs(1);
        const astro::DateTimeRec at = ParseDateTime(options.args[0]);
        const astro::Observer observer = ObserverFor(options);
        refuseSkippedDay(at, options.args[0]);
        result = ApsidesCommand(at, observer);
    } else if (cmd == "riseset") {
        needArgs(1);
        const astro::DateTimeRec day = ParseDay(options.args[0]);
        const astro::Observer observer = ObserverFor(options);
        refuseSkippedDay(day, options.args[0]);
        result = RiseSetCommand(day, observer);
    } else if (cmd == "times") {
        needArgs(1);
        result = TimesCommand(ParseMonth(options.args[0]), ObserverFor(options));
    } else if (cmd == "eclipses") {
        needArgs(2);
        const int from = ParseYear(options.args[0]);
        const int to = ParseYear(options.args[1]);
        if (from > to)
            throw UsageError{"invalid range " + Quoted(options.args[0]) + " " +
                             Quoted(options.args[1]) + ": FROM must not be after TO"};
        result = EclipsesCommand(from, to, ObserverFor(options));
    } else if (cmd == "seasons") {
        needArgs(1);
        result = SeasonsCommand(ParseYear(options.args[0]), ObserverFor(options));
    } else if (cmd == "easter") {
        needArgs(1);
        result = EasterCommand(ParseYear(options.args[0]));
    } else if (cmd == "features") {
        needArgs(1);
        result = FeaturesCommand(ParseMonth(options.args[0]), ObserverFor(options), options.file);
    } else if (cmd == "terminator") {
        needArgs(1);
        result = TerminatorCommand(ParseDateTime(options.args[0]), ObserverFor(options), options);
    } else if (cmd == "plan") {
        if (options.args.size() < 2 || options.args.size() > 3)
            throw UsageError{"plan takes 2 or 3 arguments: NAME YYYY-MM [MONTHS]; see --help"};
        const astro::Observer observer = ObserverFor(options);
        const PlanResult plan = PlanCommand(options, observer);
        if (!options.output.empty() && WriteIcal(plan.Calendar, options.output) != 0) return 1;
        result = plan.Json;
    } else if (cmd == "altitude") {
        needArgs(1);
        const astro::DateTimeRec day = ParseDay(options.args[0]);
        const astro::Observer observer = ObserverFor(options);
        refuseSkippedDay(day, options.args[0]);
        result = AltitudeCommand(day, observer, options.stepMinutes.value_or(10));
    } else if (cmd.empty()) {
        throw UsageError{"no command given; see --help"};
    } else {
        throw UsageError{"unknown command " + Quoted(cmd) + "; see --help"};
    }
    if (cmd != "easter") noteFallbackObserver(options);
    const QByteArray text =
        options.json        ? QJsonDocument(result).toJson(QJsonDocument::Indented)
        : cmd == "times"    ? TimesCsv(result).toUtf8() // text form of the table
        : cmd == "altitude" ? (options.csv ? AltitudeCsv(result) : AltitudeText(result)).toUtf8()
                            : AlignedText(result).toUtf8();
    std::fwrite(text.constData(), 1, static_cast<std::size_t>(text.size()), stdout);
    return 0;
}

} // namespace cli
