#include "cli/CliCommands.h"

#include "astro/fEaster.h"
#include "astro/fEclipse.h"
#include "astro/fMoonCalcs.h"
#include "astro/fPhases.h"
#include "astro/fRiseSet.h"
#include "astro/fSeasons.h"
#include "astro/fSidereal.h"
#include "cli/CliFeatures.h"
#include "settings/ObserverSettings.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSettings>
#include <QStringList>
#include <QTemporaryFile>

#include <cstdio>

namespace cli {
namespace {

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}
QString qs(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

QString isoText(const astro::DateTimeRec& d) {
    return QString::asprintf("%04d-%02d-%02dT%02d:%02d:%02d", d.Year, d.Month, d.Day, d.Hour,
                             d.Minute, d.Second);
}

QString dayText(const astro::DateTimeRec& d) {
    return QString::asprintf("%04d-%02d-%02d", d.Year, d.Month, d.Day);
}

double degreesOf(const QString& deg, const QString& min, const QString& sec) {
    return deg.toInt() + min.toInt() / 60.0 + sec.toInt() / 3600.0;
}

// The stored settings, read without creating or repairing the store.
astro::Observer storedObserver() {
    if (!settingsstore::Exists()) return {};
    QString where = settingsstore::Location();
    const bool ini = where.endsWith(QStringLiteral(".ini"), Qt::CaseInsensitive);
    // The INI file is read from a copy without binary values, which a damaged file could make
    // QSettings ask gigabytes for.
    QTemporaryFile copy;
    if (ini) {
        QFile file(where);
        const QByteArray texts = settingsstore::WithoutBinaryValues(
            file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
        if (!copy.open() || copy.write(texts) != texts.size() || !copy.flush()) return {};
        where = copy.fileName();
    }
    QSettings store(where, ini ? QSettings::IniFormat : QSettings::NativeFormat);
    auto text = [&](const char* key) { return store.value(QLatin1String(key)).toString(); };
    double lat = degreesOf(text("LatDeg"), text("LatMin"), text("LatSec"));
    if (text("LatDir") == QLatin1String("South")) lat = -lat;
    double lonWest = degreesOf(text("LongDeg"), text("LongMin"), text("LongSec"));
    if (text("LongDir") == QLatin1String("East")) lonWest = -lonWest;
    QString zoneText = text("TimeZone");
    zoneText.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double stored = zoneText.toDouble(&ok);
    const int index = ok && stored >= 0 && stored <= 24 ? static_cast<int>(stored * 2) : 24;
    const int zone =
        (index - 24) * 30 + (text("DaylightSavings") == QLatin1String("True") ? 60 : 0);
    return {astro::DegToRad(lat), astro::DegToRad(lonWest), zone};
}

// Why an event has no clock time: "always_up", "always_down", "outside_day"; empty for a time.
QString reasonText(astro::EventState state) {
    switch (state) {
    case astro::EventState::AlwaysUp:
        return QStringLiteral("always_up");
    case astro::EventState::AlwaysDown:
        return QStringLiteral("always_down");
    case astro::EventState::OutsideDay:
        return QStringLiteral("outside_day");
    default:
        return {};
    }
}

QJsonObject riseSetObject(const astro::RiseSetTimes& t, const char* first, const char* last) {
    QJsonObject o;
    o[QLatin1String(first)] = qs(t.Rise);
    if (std::string_view(first) == "rise") o[QStringLiteral("transit")] = qs(t.Transit);
    o[QLatin1String(last)] = qs(t.Set);
    const QString firstReason = reasonText(t.RiseState);
    const QString lastReason = reasonText(t.SetState);
    if (!firstReason.isEmpty()) o[QLatin1String(first) + QStringLiteral("_reason")] = firstReason;
    if (!lastReason.isEmpty()) o[QLatin1String(last) + QStringLiteral("_reason")] = lastReason;
    return o;
}

QJsonObject contactFields(const astro::EclipseCircumstances& e) {
    const bool partial = e.Kind >= astro::PartialEclipse;
    const bool total = e.Kind == astro::TotalEclipse;
    QJsonObject o;
    o[QStringLiteral("penumbra_entered")] = qs(e.PenumbraEntered);
    o[QStringLiteral("penumbra_left")] = qs(e.PenumbraLeft);
    o[QStringLiteral("umbra_entered")] = partial ? qs(e.UmbraEntered) : QString();
    o[QStringLiteral("umbra_left")] = partial ? qs(e.UmbraLeft) : QString();
    o[QStringLiteral("totality_begins")] = total ? qs(e.TotalityBegins) : QString();
    o[QStringLiteral("totality_ends")] = total ? qs(e.TotalityEnds) : QString();
    return o;
}

QJsonObject eclipseObject(const astro::EclipseCircumstances& e) {
    QJsonObject o = contactFields(e);
    o[QStringLiteral("kind")] = e.Kind;
    o[QStringLiteral("kind_name")] = qs(astro::EclipseKindName(e.Kind));
    o[QStringLiteral("max_local")] = isoText(e.LocalMaximum);
    o[QStringLiteral("text")] = qs(e.Maximum);
    o[QStringLiteral("date")] = qs(e.Date);
    o[QStringLiteral("visibility")] = qs(e.Visibility);
    o[QStringLiteral("umbral_magnitude")] = e.UmbralMagnitude;
    o[QStringLiteral("penumbral_magnitude")] = e.PenumbralMagnitude;
    return o;
}

} // namespace

astro::Observer ObserverFor(const Options& options) {
    if (!options.observerGiven()) return storedObserver();
    astro::Observer o;
    o.Latitude = astro::DegToRad(options.latitudeDeg.value_or(0));
    o.Longitude = astro::DegToRad(-options.longitudeDeg.value_or(0)); // engine: west positive
    o.ZoneOffsetMinutes = options.zoneMinutes.value_or(0) + (options.dst ? 60 : 0);
    return o;
}

QJsonObject MoonCommand(const astro::DateTimeRec& local, const astro::Observer& observer) {
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
    const int count = astro::MonthPhases(month, observer, events);
    QJsonArray list;
    for (int i = 0; i < count; ++i) {
        const astro::PhaseEvent& e = events[static_cast<std::size_t>(i)];
        QJsonObject o;
        o[QStringLiteral("k")] = e.K;
        o[QStringLiteral("kind")] = static_cast<int>(e.Kind);
        o[QStringLiteral("jd_local")] = e.Julian;
        o[QStringLiteral("text")] = qs(e.Text);
        list.append(o);
    }
    return {{QStringLiteral("events"), list}};
}

QJsonObject ApsidesCommand(const astro::DateTimeRec& local, const astro::Observer& observer) {
    const astro::ApsisTexts t =
        astro::NextApsides(astro::EngineInstant(local, observer.ZoneOffsetMinutes), observer);
    auto apsis = [](const std::string& time, const std::string& distance) {
        QJsonObject o;
        o[QStringLiteral("time_text")] = qs(time).trimmed();
        o[QStringLiteral("distance_km")] = qs(distance).section(QLatin1Char(' '), 0, 0).toInt();
        return o;
    };
    QJsonObject out;
    out[QStringLiteral("perigee")] = apsis(t.PerigeeTimeText, t.PerigeeDistanceText);
    out[QStringLiteral("apogee")] = apsis(t.ApogeeTimeText, t.ApogeeDistanceText);
    return out;
}

QJsonObject RiseSetCommand(const astro::DateTimeRec& day, const astro::Observer& observer) {
    const astro::RiseSetTimes moonTimes = astro::MoonRiseSet(day, observer);
    QJsonObject moon = riseSetObject(moonTimes, "rise", "set");
    moon[QStringLiteral("illuminated_percent")] = moonTimes.IlluminatedPercent;
    QJsonObject out;
    out[QStringLiteral("moon")] = moon;
    out[QStringLiteral("sun")] =
        riseSetObject(astro::SunRiseSet(day, astro::SunriseAltitude, observer), "rise", "set");
    out[QStringLiteral("civil")] = riseSetObject(
        astro::SunRiseSet(day, astro::CivilTwilightAltitude, observer), "start", "end");
    out[QStringLiteral("nautical")] = riseSetObject(
        astro::SunRiseSet(day, astro::NauticalTwilightAltitude, observer), "start", "end");
    out[QStringLiteral("astronomical")] = riseSetObject(
        astro::SunRiseSet(day, astro::AstronomicalTwilightAltitude, observer), "start", "end");
    return out;
}

QJsonObject TimesCommand(const astro::DateTimeRec& month, const astro::Observer& observer) {
    QJsonArray days;
    const int count = astro::DaysInMonth(month.Month, month.Year);
    for (int d = 1; d <= count; ++d) {
        astro::DateTimeRec day = month;
        day.Day = static_cast<std::uint16_t>(d);
        day.Hour = day.Minute = day.Second = 0;
        const astro::RiseSetTimes moon = astro::MoonRiseSet(day, observer);
        const astro::RiseSetTimes sun = astro::SunRiseSet(day, astro::SunriseAltitude, observer);
        const astro::RiseSetTimes civil =
            astro::SunRiseSet(day, astro::CivilTwilightAltitude, observer);
        const astro::RiseSetTimes nautical =
            astro::SunRiseSet(day, astro::NauticalTwilightAltitude, observer);
        const astro::RiseSetTimes astronomical =
            astro::SunRiseSet(day, astro::AstronomicalTwilightAltitude, observer);
        QJsonObject o;
        o[QStringLiteral("date")] = dayText(day);
        o[QStringLiteral("lst")] = qs(astro::LocalSiderealTimeText(day, observer));
        o[QStringLiteral("moon_rise")] = qs(moon.Rise);
        o[QStringLiteral("moon_transit")] = qs(moon.Transit);
        o[QStringLiteral("moon_set")] = qs(moon.Set);
        o[QStringLiteral("illuminated_percent")] = moon.IlluminatedPercent;
        o[QStringLiteral("astro_start")] = qs(astronomical.Rise);
        o[QStringLiteral("nautical_start")] = qs(nautical.Rise);
        o[QStringLiteral("civil_start")] = qs(civil.Rise);
        o[QStringLiteral("sun_rise")] = qs(sun.Rise);
        o[QStringLiteral("sun_transit")] = qs(sun.Transit);
        o[QStringLiteral("sun_set")] = qs(sun.Set);
        o[QStringLiteral("civil_end")] = qs(civil.Set);
        o[QStringLiteral("nautical_end")] = qs(nautical.Set);
        o[QStringLiteral("astro_end")] = qs(astronomical.Set);
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
            const astro::MonthEclipseList found =
                astro::MonthEclipses(events, count, first.Year, observer);
            for (int i = 0; i < found.Count; ++i)
                list.append(eclipseObject(found.Eclipses[static_cast<std::size_t>(i)]));
        }
    }
    return {{QStringLiteral("eclipses"), list}};
}

QJsonObject SeasonsCommand(int year, const astro::Observer& observer) {
    static const char* names[4] = {"march_equinox", "june_solstice", "september_equinox",
                                   "december_solstice"};
    const astro::SeasonsRec s =
        astro::EquinoxesAndSolstices(static_cast<std::uint16_t>(year), observer);
    QJsonArray events;
    QJsonArray lengths;
    for (std::size_t i = 0; i < 4; ++i) {
        QJsonObject o;
        o[QStringLiteral("name")] = QLatin1String(names[i]);
        o[QStringLiteral("local")] = isoText(s.LocalDates[i]);
        o[QStringLiteral("text")] = qs(s.Texts[i]);
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
    for (const QJsonValue& day : times[QStringLiteral("days")].toArray()) {
        QStringList cells;
        for (const char* c : columns)
            cells << day[QLatin1String(c)].toVariant().toString();
        lines << cells.join(QLatin1Char(','));
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
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

// A list of objects as an aligned table, one row an object.
void appendTable(QStringList& out, const QJsonArray& rows) {
    if (rows.isEmpty()) {
        out << QStringLiteral("(none)");
        return;
    }
    const QStringList keys = rows.first().toObject().keys();
    QVector<int> widths(keys.size());
    for (int c = 0; c < keys.size(); ++c)
        widths[c] = static_cast<int>(keys[c].size());
    for (const QJsonValue& r : rows)
        for (int c = 0; c < keys.size(); ++c)
            widths[c] = std::max(widths[c], static_cast<int>(scalarText(r[keys[c]]).size()));
    auto line = [&](auto cell) {
        QStringList cells;
        for (int c = 0; c < keys.size(); ++c)
            cells << cell(c).leftJustified(widths[c]);
        return cells.join(QStringLiteral("  ")).trimmed();
    };
    out << line([&](int c) { return keys[c]; });
    for (const QJsonValue& r : rows)
        out << line([&](int c) { return scalarText(r[keys[c]]); });
}

void appendObject(QStringList& out, const QJsonObject& o, const QString& indent) {
    int width = 0;
    for (const QString& k : o.keys())
        width = std::max(width, static_cast<int>(k.size()));
    for (auto it = o.begin(); it != o.end(); ++it) {
        if (it->isObject()) {
            out << indent + it.key() + QLatin1Char(':');
            appendObject(out, it->toObject(), indent + QStringLiteral("  "));
        } else if (it->isArray()) {
            const QJsonArray a = it->toArray();
            if (!a.isEmpty() && a.first().isObject()) {
                appendTable(out, a);
            } else {
                QStringList items;
                for (const QJsonValue& v : a)
                    items << scalarText(v);
                out << indent + (it.key() + QLatin1Char(':')).leftJustified(width + 2) +
                           items.join(QStringLiteral("  "));
            }
        } else {
            out << indent + (it.key() + QLatin1Char(':')).leftJustified(width + 2) +
                       scalarText(*it);
        }
    }
}

} // namespace

QString AlignedText(const QJsonObject& result) {
    QStringList out;
    appendObject(out, result, QString());
    return out.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

int Run(const Options& options) {
    const std::string& cmd = options.command;
    auto needArgs = [&](std::size_t n) {
        if (options.args.size() != n)
            throw UsageError{cmd + " takes " + std::to_string(n) + " argument" +
                             (n == 1 ? "" : "s") + "; see --help"};
    };
    QJsonObject result;
    if (cmd == "moon") {
        needArgs(1);
        const astro::DateTimeRec at = ParseDateTime(options.args[0]);
        result = MoonCommand(at, ObserverFor(options));
    } else if (cmd == "phases") {
        needArgs(1);
        result = PhasesCommand(ParseMonth(options.args[0]), ObserverFor(options));
    } else if (cmd == "apsides") {
        needArgs(1);
        result = ApsidesCommand(ParseDateTime(options.args[0]), ObserverFor(options));
    } else if (cmd == "riseset") {
        needArgs(1);
        result = RiseSetCommand(ParseDay(options.args[0]), ObserverFor(options));
    } else if (cmd == "times") {
        needArgs(1);
        result = TimesCommand(ParseMonth(options.args[0]), ObserverFor(options));
        if (!options.json) {
            std::fputs(TimesCsv(result).toUtf8().constData(), stdout);
            return 0;
        }
    } else if (cmd == "eclipses") {
        needArgs(2);
        const int from = ParseYear(options.args[0]);
        const int to = ParseYear(options.args[1]);
        if (from > to)
            throw UsageError{"invalid range " + options.args[0] + " " + options.args[1] +
                             ": FROM must not be after TO"};
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
    } else if (cmd.empty()) {
        throw UsageError{"no command given; see --help"};
    } else {
        throw UsageError{"unknown command '" + cmd + "'; see --help"};
    }
    const QByteArray text = options.json ? QJsonDocument(result).toJson(QJsonDocument::Indented)
                                         : AlignedText(result).toUtf8();
    std::fwrite(text.constData(), 1, static_cast<std::size_t>(text.size()), stdout);
    return 0;
}

} // namespace cli
