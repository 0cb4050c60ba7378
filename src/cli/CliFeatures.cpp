// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliFeatures.h"

#include "astro/fMoonCalcs.h"
#include "cli/CliArgs.h"
#include "data/FeatureFile.h"
#include "data/Folders.h"
#include "zone/FeatureMonth.h"
#include "zone/Zone.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QStandardPaths>

#include <algorithm>

namespace cli {
namespace {

QString isoText(const astro::DateTimeRec& d) {
    return QString::asprintf("%04d-%02d-%02dT%02d:%02d:%02d", d.Year, d.Month, d.Day, d.Hour,
                             d.Minute, d.Second);
}

// A features file is whole records whose length bytes fit their fields and whose coordinates
// are numbers in range; an empty file is an empty list. Anything else is refused rather than
// read as rows of garbage.
void checkFeaturesFile(const QString& path) {
    const std::string shown = Quoted(path.toStdString());
    const QFileInfo info(path);
    if (!info.exists()) throw UsageError{"features file " + shown + " not found"};
    if (info.isDir()) throw UsageError{"features file " + shown + " is a folder"};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw UsageError{"cannot read features file " + shown + ": " +
                         file.errorString().toStdString()};
    const qint64 size = file.size();
    const QByteArray bytes = file.read(std::min<qint64>(size, qint64(64) << 20));
    const bool whole = size % FeatureRecordSize == 0 && bytes.size() == size;
    bool fits = whole;
    for (qint64 at = 0; fits && at + FeatureRecordSize <= bytes.size(); at += FeatureRecordSize) {
        auto length = [&](int offset) { return static_cast<unsigned char>(bytes[at + offset]); };
        fits = length(FeatureRecord::NameOffset) <= FeatureNameCapacity &&
               length(FeatureRecord::LongitudeOffset) <= FeatureCoordinateCapacity &&
               length(FeatureRecord::LatitudeOffset) <= FeatureCoordinateCapacity;
    }
    if (fits) {
        for (const FeatureTexts& f : ReadFeatureFile(path)) {
            double degrees = 0;
            fits = fits && ParseCoordinate(f.Longitude, CoordinateAxis::Longitude, degrees) &&
                   ParseCoordinate(f.Latitude, CoordinateAxis::Latitude, degrees);
        }
    }
    if (!fits) throw UsageError{"features file " + shown + " is not a lunar features file"};
}

// The program's: the working folder's data.dat, else the current folder's, else the shipped one.
QString defaultFeaturesFile() {
    const QString inData = QDir(folders::DataFolder()).filePath(FeatureFileName);
    if (QFileInfo::exists(inData) || QFileInfo::exists(FeatureFileName))
        return QFileInfo::exists(inData) ? inData : FeatureFileName;
    const QString shipped = folders::ShippedRuntimeFolder();
    const QString inShipped = QDir(shipped).filePath(FeatureFileName);
    return !shipped.isEmpty() && QFileInfo::exists(inShipped) ? inShipped : inData;
}

} // namespace

std::vector<FeatureTexts> CheckedFeatures(const std::string& file) {
    const QString path = file.empty() ? defaultFeaturesFile() : QString::fromStdString(file);
    checkFeaturesFile(path);
    return ReadFeatureFile(path);
}

QJsonObject FeaturesCommand(const astro::DateTimeRec& month, const astro::Observer& observer,
                            const std::string& file) {
    const QString path = file.empty() ? defaultFeaturesFile() : QString::fromStdString(file);
    checkFeaturesFile(path);
    astro::DateTimeRec start = month;
    start.Day = 1;
    start.Hour = start.Minute = start.Second = 0;
    const astro::Observer onDay = ObserverOnDay(observer, start);

    QJsonArray list;
    for (const FeatureTexts& f : ReadFeatureFile(path)) {
        double lon = 0;
        double lat = 0;
        ParseCoordinate(f.Longitude, CoordinateAxis::Longitude, lon);
        ParseCoordinate(f.Latitude, CoordinateAxis::Latitude, lat);
        QJsonObject o;
        o[QStringLiteral("name")] = f.Name;
        o[QStringLiteral("longitude")] = f.Longitude;
        o[QStringLiteral("latitude")] = f.Latitude;
        const TFeatureMonth t = FeatureSunTimesOfMonth(start, lon, lat, onDay, CurrentZone());
        auto put = [&](const QString& key, const TFeatureCrossing& c, const char* reason) {
            o[key] = c.Found ? QJsonValue(isoText(c.Local)) : QJsonValue();
            if (c.OutOfRange)
                o[key + QStringLiteral("_reason")] = QLatin1String("outside_years_1_9999");
            else if (!c.Found && reason)
                o[key + QStringLiteral("_reason")] = QLatin1String(reason);
        };
        put(QStringLiteral("sunrise"), t.Sunrise, "no_sunrise");
        put(QStringLiteral("sunset"), t.Sunset, "no_sunset");
        // A second of a kind within the month; null when the month holds one.
        put(QStringLiteral("sunrise2"), t.Sunrise2, nullptr);
        put(QStringLiteral("sunset2"), t.Sunset2, nullptr);
        list.append(o);
    }
    return {{QStringLiteral("features"), list}};
}

} // namespace cli
