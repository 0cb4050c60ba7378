// SPDX-License-Identifier: GPL-3.0-or-later
// Builds the default lunar features database from the gazetteer table:
//   tool_make_features_db <lunar-nomenclature.tsv> <data.dat>
// Keeps what an observer can see from the Earth, libration zones included (|longitude| <= 98
// degrees), nothing beyond: every named mare, oceanus, sinus, lacus, palus, mons/montes,
// promontorium, rupes, vallis, rima, dorsum and albedo feature, the craters of 20 km and more,
// and the smaller craters observers look for by name (kSmallTargets).
// Coordinates are rounded to 0.01 degree and written as the editor's exit checks leave them.
// Every feature of the popular names table (src/data/FeatureNames.cpp) must be in the result.
#include "data/FeatureFile.h"
#include "data/FeatureNames.h"

#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <QSet>
#include <QTextStream>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

const QSet<QString> kEveryFeatureOf = {"ME", "OC", "SI", "LC", "PA", "MO",
                                       "PR", "RU", "VA", "RI", "DO", "AL"};
constexpr double kMinCraterKm = 20;
constexpr double kVisibleLongitude = 98; // the near side and the libration zones

// Craters under 20 km that observers seek out: small but sharp, odd, or on a classic route.
const QSet<QString> kSmallTargets = {
    "Ariadaeus", "Bancroft",     "Beer",        "Bessarion",  "Bessel",    "Birt",
    "Bode",      "Brayley",      "Carrel",      "Cauchy",     "Cayley",    "Censorinus",
    "Chladni",   "Dawes",        "Dionysius",   "Diophantus", "Draper",    "Euclides",
    "Feuillée",  "Galilaei",     "Gruithuisen", "Hortensius", "Hyginus",   "Kirch",
    "Kunowsky",  "Lichtenberg",  "Linné",       "Messier",    "Milichius", "Moltke",
    "Peirce",    "Piazzi Smyth", "Pickering",   "Pytheas",    "Sosigenes", "Sulpicius Gallus"};

// The text the exit check leaves for a coordinate rounded to hundredths.
QString CoordinateText(double degrees, CoordinateAxis axis) {
    const double rounded = std::round(degrees * 100) / 100;
    const QString typed = QString::number(rounded, 'f', QLocale::FloatingPointShortest);
    return VerifyCoordinate(typed, axis).Text;
}

bool Wanted(const QString& name, const QString& type, double longitude, double diameterKm) {
    if (std::fabs(longitude) > kVisibleLongitude) return false;
    if (kEveryFeatureOf.contains(type)) return true;
    return type == QLatin1String("AA") &&
           (diameterKm >= kMinCraterKm || kSmallTargets.contains(name));
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <lunar-nomenclature.tsv> <data.dat>\n", argv[0]);
        return 2;
    }
    QFile table(QString::fromLocal8Bit(argv[1]));
    if (!table.open(QIODevice::ReadOnly | QIODevice::Text)) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    QTextStream in(&table);
    in.readLine(); // header
    std::vector<FeatureTexts> features;
    QSet<QString> missingTargets = kSmallTargets;
    while (!in.atEnd()) {
        const QStringList cells = in.readLine().split(QLatin1Char('\t'));
        if (cells.size() < 5) continue;
        bool latOk = false, lonOk = false, diaOk = false;
        const double latitude = cells[2].toDouble(&latOk);
        const double longitude = cells[3].toDouble(&lonOk);
        const double diameter = cells[4].toDouble(&diaOk);
        if (!latOk || !lonOk || !diaOk || !Wanted(cells[0], cells[1], longitude, diameter))
            continue;
        const FeatureTexts feature{FoldToWindows1252(cells[0]),
                                   CoordinateText(longitude, CoordinateAxis::Longitude),
                                   CoordinateText(latitude, CoordinateAxis::Latitude)};
        double check = 0;
        if (!ParseCoordinate(feature.Longitude, CoordinateAxis::Longitude, check) ||
            !ParseCoordinate(feature.Latitude, CoordinateAxis::Latitude, check)) {
            std::fprintf(stderr, "skipped %s: coordinates out of range\n", qPrintable(cells[0]));
            continue;
        }
        missingTargets.remove(cells[0]);
        features.push_back(feature);
    }
    for (const QString& name : missingTargets)
        std::fprintf(stderr, "not in the table: %s\n", qPrintable(name));
    int unknownPopular = 0;
    for (const PopularName& p : PopularNames()) {
        if (FindFeatureNamed(features, QString::fromUtf8(p.Feature)) >= 0) continue;
        std::fprintf(stderr, "popular name %s: %s is not in the database\n", p.Popular, p.Feature);
        ++unknownPopular;
    }
    if (unknownPopular > 0) return 1;
    std::stable_sort(features.begin(), features.end(),
                     [](const FeatureTexts& a, const FeatureTexts& b) {
                         return FeatureNameLess(a.Name, b.Name);
                     });
    QString error;
    if (!WriteFeatureFile(features, error, QString::fromLocal8Bit(argv[2]))) {
        std::fprintf(stderr, "cannot write %s: %s\n", argv[2], qPrintable(error));
        return 1;
    }
    std::printf("%zu features written to %s\n", features.size(), argv[2]);
    return 0;
}
