// SPDX-License-Identifier: GPL-3.0-or-later
// cresselle-cli terminator and plan as a user runs them: the lists against the engine's own
// definitions, names as observers type them, and the refusals of bad input.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct Result {
    int exitCode = -1;
    QByteArray out;
    QString err;
};

Result runCli(QStringList args) {
    static QTemporaryDir home; // never read the developer's own settings
    args =
        QStringList{"--lat",  "51.4769",
                    "--lon",  "0",
                    "--zone", "60",
                    "--file", qEnvironmentVariable("CRESSELLE_SOURCE_DIR") + "/runtime/data.dat"} +
        args;
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", home.path());
    env.insert("XDG_CONFIG_HOME", home.path() + "/config");
    env.insert("XDG_DATA_HOME", home.path() + "/data");
    p.setProcessEnvironment(env);
    p.start(qEnvironmentVariable("CRESSELLE_BUILD_DIR") + "/cresselle-cli", args);
    p.waitForFinished(60000);
    return {p.exitCode(), p.readAllStandardOutput(), QString::fromUtf8(p.readAllStandardError())};
}

QJsonObject runJson(const QStringList& args) {
    const Result r = runCli(QStringList{"--json"} + args);
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    return QJsonDocument::fromJson(r.out).object();
}

} // namespace

TEST(CliPlanner, TerminatorListsTheBandLowestFirstWithItsSide) {
    // 3 September 2026, two days before last quarter: the evening terminator near 0 degrees.
    const QJsonObject r =
        runJson({"terminator", "2026-09-03T23:00:00", "--min", "0", "--max", "3"});
    EXPECT_EQ(r["instant_ut"].toString(), "2026-09-03T22:00:00Z");
    const QJsonArray list = r["features"].toArray();
    ASSERT_GT(list.size(), 5);
    double previous = -90;
    const double colongitude = r["colongitude_deg"].toDouble();
    for (const QJsonValue& v : list) {
        const QJsonObject f = v.toObject();
        const double h = f["sun_altitude_deg"].toDouble();
        EXPECT_GE(h, 0);
        EXPECT_LE(h, 3);
        EXPECT_GE(h, previous);
        previous = h;
        // Morning where the Sun's hour angle c0 + longitude is within 90 degrees of sunrise.
        const double angle = std::fmod(colongitude + f["longitude_deg"].toDouble() + 720, 360);
        EXPECT_EQ(f["side"].toString(),
                  angle < 90 || angle > 270 ? QString("morning") : QString("evening"))
            << f["name"].toString().toStdString();
    }
}

TEST(CliPlanner, PlanFindsPopularNamesAndRefusesBadInput) {
    const QJsonObject plan = runJson({"plan", "Straight Wall", "2026-09", "2"});
    EXPECT_EQ(plan["feature"].toObject()["name"].toString(), "Rupes Recta");
    const QJsonArray nights = plan["nights"].toArray();
    ASSERT_GE(nights.size(), 2);
    for (const QJsonValue& v : nights) {
        const QJsonObject n = v.toObject();
        EXPECT_TRUE(n["start_local"].toString().endsWith("+01:00"));
        EXPECT_TRUE(n["end_ut"].toString().endsWith("Z"));
        EXPECT_GE(n["sun_altitude_mid_deg"].toDouble(), 1);
        EXPECT_LE(n["sun_altitude_mid_deg"].toDouble(), 12);
        EXPECT_GE(n["moon_altitude_mid_deg"].toDouble(), 15);
    }

    const Result unknown = runCli({"plan", "copernics", "2026-09"});
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_TRUE(unknown.err.contains("unknown feature 'copernics'")) << unknown.err.toStdString();
    EXPECT_TRUE(unknown.err.contains("Copernicus")) << unknown.err.toStdString();
    const QStringList refused[] = {
        {"plan", "Plato", "2026-09", "--min", "12", "--max", "1"},
        {"plan", "Plato", "2026-09", "--moon-min", "91"},
        {"plan", "Plato", "9999-12", "2"},
        {"plan", "Plato", "2026-09", "0"},
        {"plan", "Plato", "2026-09", "--sky", "dusk"},
        {"terminator", "2026-09-03T23:00:00", "--min", "5", "--max", "5"},
        {"moon", "2026-09-03T23:00:00", "--min", "1"},
    };
    for (const QStringList& args : refused) {
        const Result r = runCli(args);
        EXPECT_EQ(r.exitCode, 2) << args.join(' ').toStdString();
        EXPECT_FALSE(r.err.isEmpty());
    }
}
