// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliAltitude.h"

#include "zone/Night.h"

#include <QJsonArray>
#include <QStringList>

#include <cmath>

namespace cli {

namespace {

double Hundredths(double deg) {
    return std::round(deg * 100) / 100;
}

QString LocalStamp(astro::JulianDay ut, const astro::Observer& observer) {
    const astro::DateTimeRec d = astro::JulianToDateToMinute(NightLocalJd(ut, observer));
    return QStringLiteral("%1-%2-%3T%4:%5")
        .arg(d.Year, 4, 10, QLatin1Char('0'))
        .arg(d.Month, 2, 10, QLatin1Char('0'))
        .arg(d.Day, 2, 10, QLatin1Char('0'))
        .arg(d.Hour, 2, 10, QLatin1Char('0'))
        .arg(d.Minute, 2, 10, QLatin1Char('0'));
}

const char* const Columns[] = {"local", "moon_altitude", "moon_azimuth", "sun_altitude",
                               "sun_azimuth"};

} // namespace

QJsonObject AltitudeCommand(const astro::DateTimeRec& day, const astro::Observer& observer,
                            double stepMinutes) {
    const TNight night = NightOf(day, observer, stepMinutes);
    QJsonArray rows;
    for (const astro::AltitudeSample& s : night.Samples) {
        QJsonObject row;
        row[QStringLiteral("local")] = LocalStamp(s.Instant, observer);
        row[QStringLiteral("moon_altitude")] = Hundredths(s.MoonAltitude);
        row[QStringLiteral("moon_azimuth")] = Hundredths(s.MoonAzimuth);
        row[QStringLiteral("sun_altitude")] = Hundredths(s.SunAltitude);
        row[QStringLiteral("sun_azimuth")] = Hundredths(s.SunAzimuth);
        rows.append(row);
    }
    QJsonArray events;
    for (const TNightEvent& e : night.Events) {
        QJsonObject o;
        o[QStringLiteral("event")] = NightEventName(e.Kind);
        o[QStringLiteral("time")] = e.Time;
        if (e.Kind == TNightEventKind::MoonTransit)
            o[QStringLiteral("altitude")] = Hundredths(e.Altitude);
        events.append(o);
    }
    QJsonObject out;
    out[QStringLiteral("date")] = QStringLiteral("%1-%2-%3")
                                      .arg(night.Day.Year, 4, 10, QLatin1Char('0'))
                                      .arg(night.Day.Month, 2, 10, QLatin1Char('0'))
                                      .arg(night.Day.Day, 2, 10, QLatin1Char('0'));
    out[QStringLiteral("zone")] = night.ZoneText;
    out[QStringLiteral("step_minutes")] = night.StepMinutes;
    out[QStringLiteral("illuminated_percent")] = night.IlluminatedPercent;
    out[QStringLiteral("phase")] = night.PhaseName;
    out[QStringLiteral("moon_rise_altitude")] = Hundredths(night.MoonRiseAltitude);
    out[QStringLiteral("samples")] = rows;
    out[QStringLiteral("events")] = events;
    return out;
}

QString AltitudeCsv(const QJsonObject& altitude) {
    QStringList lines;
    QStringList head;
    for (const char* c : Columns)
        head << QLatin1String(c);
    lines << head.join(QLatin1Char(','));
    for (const QJsonValue v : altitude.value(QStringLiteral("samples")).toArray()) {
        const QJsonObject row = v.toObject();
        QStringList cells;
        cells << row.value(QStringLiteral("local")).toString();
        for (int i = 1; i < 5; ++i)
            cells << QString::number(row.value(QLatin1String(Columns[i])).toDouble(), 'f', 2);
        lines << cells.join(QLatin1Char(','));
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QString AltitudeText(const QJsonObject& altitude) {
    QStringList lines;
    lines << QStringLiteral("%1  %2  Moon %3%  %4")
                 .arg(altitude.value(QStringLiteral("date")).toString(),
                      altitude.value(QStringLiteral("zone")).toString())
                 .arg(altitude.value(QStringLiteral("illuminated_percent")).toInt())
                 .arg(altitude.value(QStringLiteral("phase")).toString());
    lines << QStringLiteral("local               moon alt  moon az   sun alt   sun az");
    for (const QJsonValue v : altitude.value(QStringLiteral("samples")).toArray()) {
        const QJsonObject row = v.toObject();
        QString line = row.value(QStringLiteral("local")).toString().leftJustified(18);
        for (int i = 1; i < 5; ++i)
            line += QString::number(row.value(QLatin1String(Columns[i])).toDouble(), 'f', 2)
                        .rightJustified(10);
        lines << line;
    }
    lines << QString();
    for (const QJsonValue v : altitude.value(QStringLiteral("events")).toArray()) {
        const QJsonObject e = v.toObject();
        QString line = e.value(QStringLiteral("event")).toString().leftJustified(19) +
                       e.value(QStringLiteral("time")).toString();
        if (e.contains(QStringLiteral("altitude")))
            line += QStringLiteral("  altitude %1")
                        .arg(e.value(QStringLiteral("altitude")).toDouble(), 0, 'f', 1);
        lines << line;
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

} // namespace cli
