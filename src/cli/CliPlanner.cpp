// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliPlanner.h"

#include "astro/fLunarPlanner.h"
#include "cli/CliCommands.h"
#include "cli/CliFeatures.h"
#include "data/FeatureNames.h"
#include "export/GoodNightsCalendar.h"
#include "zone/LocalTime.h"
#include "zone/Zone.h"

#include <QJsonArray>

#include <algorithm>
#include <cmath>
#include <vector>

namespace cli {
namespace {

constexpr int kMaxPlanMonths = 48;
constexpr int kDefaultPlanMonths = 3;

double rounded(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    return std::round(value * scale) / scale;
}

void checkBand(double low, double high) {
    if (!(low < high))
        throw UsageError{"invalid band: --min (" + QString::number(low).toStdString() +
                         ") must be below --max (" + QString::number(high).toStdString() + ")"};
}

struct Located {
    FeatureTexts Feature;
    double Longitude = 0, Latitude = 0;
};

Located featureNamed(const std::vector<FeatureTexts>& features, const std::string& name) {
    const QString typed = QString::fromStdString(name);
    const int at = FindFeatureNamed(features, typed);
    if (at < 0) {
        const QStringList near = NearestFeatureNames(features, typed, 5);
        throw UsageError{
            "unknown feature " + Quoted(name) +
            (near.isEmpty() ? std::string()
                            : "; nearest names: " + near.join(QStringLiteral(", ")).toStdString())};
    }
    Located out;
    out.Feature = features[static_cast<std::size_t>(at)];
    ParseCoordinate(out.Feature.Longitude, CoordinateAxis::Longitude, out.Longitude);
    ParseCoordinate(out.Feature.Latitude, CoordinateAxis::Latitude, out.Latitude);
    return out;
}

int planMonths(const Options& options) {
    if (options.args.size() < 3) return kDefaultPlanMonths;
    const std::string& text = options.args[2];
    const bool digits =
        !text.empty() && text.size() <= 2 &&
        std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    const int months = digits ? std::stoi(text) : 0;
    if (months < 1 || months > kMaxPlanMonths)
        throw UsageError{"invalid months " + Quoted(text) + ": must be 1-" +
                         std::to_string(kMaxPlanMonths)};
    return months;
}

// UT instant of 0h local on the 1st of the month `months` after `first`.
astro::JulianDay monthStartUt(astro::DateTimeRec first, int months,
                              const astro::Observer& observer) {
    const int index = first.Year * 12 + (first.Month - 1) + months;
    first.Year = static_cast<std::uint16_t>(index / 12);
    first.Month = static_cast<std::uint16_t>(index % 12 + 1);
    first.Day = 1;
    first.Hour = first.Minute = first.Second = 0;
    const int offset =
        CurrentZone().IsNamed() ? CurrentZone().OffsetAtLocal(first) : observer.ZoneOffsetMinutes;
    return astro::DateToJulian(first) - offset / 1440.0;
}

} // namespace

QJsonObject TerminatorCommand(const astro::DateTimeRec& local, const astro::Observer& observerIn,
                              const Options& options) {
    const double low = options.minDeg.value_or(0);
    const double high = options.maxDeg.value_or(8);
    checkBand(low, high);
    astro::Observer observer = observerIn;
    if (CurrentZone().IsNamed()) observer.ZoneOffsetMinutes = CurrentZone().OffsetAtLocal(local);
    const astro::JulianDay ut = astro::EngineInstant(local, observer.ZoneOffsetMinutes);
    const astro::MoonRec moon = astro::MoonPosition(ut, observer).Moon;

    struct Row {
        QJsonObject Json;
        double Altitude;
    };
    std::vector<Row> rows;
    for (const FeatureTexts& f : CheckedFeatures(options.file)) {
        double lon = 0, lat = 0;
        ParseCoordinate(f.Longitude, CoordinateAxis::Longitude, lon);
        ParseCoordinate(f.Latitude, CoordinateAxis::Latitude, lat);
        const astro::FeatureLighting light = astro::FeatureLightingAt(moon, lon, lat);
        if (light.SunAltitude < low || light.SunAltitude > high) continue;
        QJsonObject o;
        o[QStringLiteral("name")] = f.Name;
        o[QStringLiteral("longitude_deg")] = lon;
        o[QStringLiteral("latitude_deg")] = lat;
        o[QStringLiteral("sun_altitude_deg")] = rounded(light.SunAltitude, 2);
        o[QStringLiteral("side")] =
            light.Morning ? QStringLiteral("morning") : QStringLiteral("evening");
        rows.push_back({o, light.SunAltitude});
    }
    std::stable_sort(rows.begin(), rows.end(),
                     [](const Row& a, const Row& b) { return a.Altitude < b.Altitude; });
    QJsonArray list;
    for (const Row& r : rows)
        list.append(r.Json);
    QJsonObject out;
    out[QStringLiteral("instant_ut")] = QString::fromStdString(UtIsoText(ut));
    out[QStringLiteral("colongitude_deg")] = rounded(moon.Colongitude, 3);
    out[QStringLiteral("sun_latitude_deg")] =
        rounded(astro::RadToDeg(moon.SunSelenographicLatitude), 3);
    out[QStringLiteral("features")] = list;
    return out;
}

PlanResult PlanCommand(const Options& options, const astro::Observer& observer) {
    astro::NightConditions c;
    c.FeatureSunMin = options.minDeg.value_or(c.FeatureSunMin);
    c.FeatureSunMax = options.maxDeg.value_or(c.FeatureSunMax);
    c.MoonMinAltitude = options.moonMinDeg.value_or(c.MoonMinAltitude);
    c.SunMaxAltitude = options.sunMaxDeg.value_or(c.SunMaxAltitude);
    checkBand(c.FeatureSunMin, c.FeatureSunMax);

    const astro::DateTimeRec first = ParseMonth(options.args[1]);
    const int months = planMonths(options);
    if (first.Year * 12 + first.Month - 1 + months > 10000 * 12)
        throw UsageError{"invalid months " + Quoted(options.args[2]) +
                         ": the plan would pass the end of the year 9999"};
    const Located f = featureNamed(CheckedFeatures(options.file), options.args[0]);

    const astro::JulianDay from = monthStartUt(first, 0, observer);
    const astro::JulianDay to = monthStartUt(first, months, observer);
    std::vector<astro::GoodNight> nights(static_cast<std::size_t>(months) * 40);
    const int count = astro::GoodNights(from, to, f.Longitude, f.Latitude, observer, c,
                                        nights.data(), static_cast<int>(nights.size()));
    QJsonArray list;
    for (int i = 0; i < count; ++i) {
        const astro::GoodNight& g = nights[static_cast<std::size_t>(i)];
        const TObserverClock clock(observer);
        QJsonObject o;
        o[QStringLiteral("start_local")] =
            QString::fromStdString(LocalIsoText(g.Start, clock.Zone()));
        o[QStringLiteral("end_local")] = QString::fromStdString(LocalIsoText(g.End, clock.Zone()));
        o[QStringLiteral("start_ut")] = QString::fromStdString(UtIsoText(g.Start));
        o[QStringLiteral("end_ut")] = QString::fromStdString(UtIsoText(g.End));
        o[QStringLiteral("length_minutes")] =
            static_cast<qint64>(std::lround((g.End - g.Start) * 1440));
        o[QStringLiteral("sun_altitude_mid_deg")] = rounded(g.FeatureSunAltitudeMid, 2);
        o[QStringLiteral("moon_altitude_mid_deg")] = rounded(g.MoonAltitudeMid, 2);
        list.append(o);
    }
    QJsonObject feature;
    feature[QStringLiteral("name")] = f.Feature.Name;
    feature[QStringLiteral("longitude_deg")] = f.Longitude;
    feature[QStringLiteral("latitude_deg")] = f.Latitude;
    QJsonObject conditions;
    conditions[QStringLiteral("sun_over_feature_min_deg")] = c.FeatureSunMin;
    conditions[QStringLiteral("sun_over_feature_max_deg")] = c.FeatureSunMax;
    conditions[QStringLiteral("moon_min_altitude_deg")] = c.MoonMinAltitude;
    conditions[QStringLiteral("sun_max_altitude_deg")] = c.SunMaxAltitude;
    PlanResult out;
    out.Json[QStringLiteral("feature")] = feature;
    out.Json[QStringLiteral("conditions")] = conditions;
    out.Json[QStringLiteral("nights")] = list;
    out.Calendar = ics::CalendarText(
        ics::GoodNightEvents(f.Feature.Name.toStdString(), nights.data(), count, c), NowUt(),
        CRESSELLE_VERSION, "Good nights for " + f.Feature.Name.toStdString() + " (Cresselle)");
    return out;
}

} // namespace cli
