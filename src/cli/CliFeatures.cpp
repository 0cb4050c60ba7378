#include "cli/CliFeatures.h"

#include "astro/fMoonCalcs.h"
#include "cli/CliArgs.h"
#include "ui/reports/FeatureFile.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QStandardPaths>

namespace cli {
namespace {

// "HH:MM  DD Month YYYY": the date-time text rounded to the minute.
QString shortTimeText(const astro::DateTimeRec& d) {
    const astro::DateTimeRec rounded = astro::JulianToDateToMinute(astro::DateToJulian(d));
    const QString full = QString::fromStdString(astro::DateTimeText(rounded));
    return full.left(5) + full.mid(8);
}

QString defaultFeaturesFile() {
    const QString dataFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    const QString inData = QDir(dataFolder).filePath(FeatureFileName);
    return QFileInfo::exists(inData) ? inData : FeatureFileName;
}

} // namespace

QJsonObject FeaturesCommand(const astro::DateTimeRec& month, const astro::Observer& observer,
                            const std::string& file) {
    const QString path = file.empty() ? defaultFeaturesFile() : QString::fromStdString(file);
    if (!QFileInfo::exists(path))
        throw UsageError{"features file '" + path.toStdString() + "' not found"};
    astro::DateTimeRec start = month;
    start.Day = 1;
    start.Hour = start.Minute = start.Second = 0;
    const astro::JulianDay startJd = astro::DateToJulian(start);

    QJsonArray list;
    for (const FeatureTexts& f : ReadFeatureFile(path)) {
        bool lonOk = false;
        bool latOk = false;
        const double lon = f.Longitude.trimmed().toDouble(&lonOk);
        const double lat = f.Latitude.trimmed().toDouble(&latOk);
        QJsonObject o;
        o[QStringLiteral("name")] = f.Name;
        o[QStringLiteral("longitude")] = f.Longitude;
        o[QStringLiteral("latitude")] = f.Latitude;
        if (!lonOk || !latOk) {
            o[QStringLiteral("sunrise")] = QStringLiteral("invalid coordinates");
            o[QStringLiteral("sunset")] = QStringLiteral("invalid coordinates");
        } else {
            const astro::FeatureSunTimes t =
                astro::FeatureSunriseSunset(startJd, lon, lat, observer);
            const QString outside = QStringLiteral("Outside years 1-9999");
            o[QStringLiteral("sunrise")] = t.SunriseOutOfRange ? outside
                                           : t.HasSunrise      ? shortTimeText(t.Sunrise)
                                                               : QStringLiteral("No sunrise");
            o[QStringLiteral("sunset")] = t.SunsetOutOfRange ? outside
                                          : t.HasSunset      ? shortTimeText(t.Sunset)
                                                             : QStringLiteral("No sunset");
        }
        list.append(o);
    }
    return {{QStringLiteral("features"), list}};
}

} // namespace cli
