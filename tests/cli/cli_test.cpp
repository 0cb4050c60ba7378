// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the built cresselle-cli as a user would and reads its output.
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cmath>

namespace {

struct Result {
    int exitCode = -1;
    QByteArray out;
    QString err;
};

Result runCli(const QStringList& args) {
    static QTemporaryDir home; // never read the developer's own settings
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home.path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path() + QStringLiteral("/config"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), home.path() + QStringLiteral("/data"));
    p.setProcessEnvironment(env);
    p.start(qEnvironmentVariable("CRESSELLE_BUILD_DIR") + QStringLiteral("/cresselle-cli"), args);
    p.waitForFinished(60000);
    return {p.exitCode(), p.readAllStandardOutput(), QString::fromUtf8(p.readAllStandardError())};
}

QJsonObject runJson(QStringList args) {
    args.prepend(QStringLiteral("--json"));
    const Result r = runCli(args);
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    return QJsonDocument::fromJson(r.out).object();
}

const QStringList greenwich = {QStringLiteral("--lat"),  QStringLiteral("51.4769"),
                               QStringLiteral("--lon"),  QStringLiteral("0"),
                               QStringLiteral("--zone"), QStringLiteral("0")};

} // namespace

TEST(Cli, EasterAndSeasons) {
    const QJsonObject easter = runJson({QStringLiteral("easter"), QStringLiteral("2002")});
    EXPECT_EQ(easter[QStringLiteral("month")].toInt(), 3);
    EXPECT_EQ(easter[QStringLiteral("day")].toInt(), 31);
    EXPECT_EQ(easter[QStringLiteral("text")].toString(), QStringLiteral("31 March 2002"));

    const QJsonObject seasons = runJson(greenwich + QStringList{"seasons", "2000"});
    const QJsonObject march = seasons[QStringLiteral("events")].toArray()[0].toObject();
    EXPECT_EQ(march[QStringLiteral("name")].toString(), QStringLiteral("march_equinox"));
    // Published: 2000 March 20, 07:35 UT.
    EXPECT_TRUE(
        march[QStringLiteral("local")].toString().startsWith(QStringLiteral("2000-03-20T07:3")))
        << march[QStringLiteral("local")].toString().toStdString();
    EXPECT_EQ(seasons[QStringLiteral("lengths_days")].toArray().size(), 4);
}

TEST(Cli, PhasesAndEclipsesOfJanuary2000) {
    const QJsonObject phases = runJson(greenwich + QStringList{"phases", "2000-01"});
    const QJsonArray events = phases[QStringLiteral("events")].toArray();
    ASSERT_GE(events.size(), 4);
    bool sawNewMoon = false;
    for (const QJsonValue& e : events) {
        if (e[QStringLiteral("kind")].toInt() == 0) {
            sawNewMoon = true;
            // New moon k = 0: 2000 January 6, 18:14 UT (18:13:41; dynamical time 18:14:46).
            EXPECT_TRUE(e[QStringLiteral("text")].toString().startsWith(
                QStringLiteral("18:14  06 January 2000")));
            EXPECT_NEAR(e[QStringLiteral("jd_local")].toDouble(), 2451550.25951, 1e-5);
        }
    }
    EXPECT_TRUE(sawNewMoon);

    const QJsonObject eclipses = runJson(greenwich + QStringList{"eclipses", "2000", "2000"});
    const QJsonArray list = eclipses[QStringLiteral("eclipses")].toArray();
    ASSERT_FALSE(list.isEmpty());
    const QJsonObject jan = list[0].toObject();
    EXPECT_EQ(jan[QStringLiteral("kind")].toInt(), 3);
    EXPECT_EQ(jan[QStringLiteral("kind_name")].toString(), QStringLiteral("Total Eclipse"));
    EXPECT_TRUE(
        jan[QStringLiteral("max_local")].toString().startsWith(QStringLiteral("2000-01-21T04:4")));
    EXPECT_NEAR(jan[QStringLiteral("umbral_magnitude")].toDouble(), 1.324, 0.002);
    EXPECT_FALSE(jan[QStringLiteral("totality_begins")].toString().isEmpty());
}

TEST(Cli, RiseSetTimesAndMoonAgree) {
    const QJsonObject rs = runJson(greenwich + QStringList{"riseset", "2024-06-21"});
    // Greenwich on the June solstice: sunrise 03:43, sunset 20:21 UT (published almanac).
    EXPECT_EQ(rs[QStringLiteral("sun")][QStringLiteral("rise")].toString(),
              QStringLiteral("03:43"));
    EXPECT_EQ(rs[QStringLiteral("sun")][QStringLiteral("set")].toString(), QStringLiteral("20:21"));

    const QJsonObject times = runJson(greenwich + QStringList{"times", "2024-06"});
    const QJsonArray days = times[QStringLiteral("days")].toArray();
    ASSERT_EQ(days.size(), 30);
    EXPECT_EQ(days[20][QStringLiteral("sun_rise")].toString(), QStringLiteral("03:43"));

    const Result csv = runCli(greenwich + QStringList{"--csv", "times", "2024-02"});
    EXPECT_EQ(csv.exitCode, 0);
    EXPECT_EQ(csv.out.count('\n'), 30); // header and 29 days
    EXPECT_TRUE(csv.out.startsWith("date,lst,moon_rise"));

    const QJsonObject moon = runJson(greenwich + QStringList{"moon", "2000-01-21T04:44:00"});
    EXPECT_EQ(moon[QStringLiteral("moon")][QStringLiteral("illuminated_percent")].toInt(), 100);
    EXPECT_EQ(moon[QStringLiteral("lst")].toString().size(), 8);
}

TEST(Cli, BadInputIsOneLineAndStatusTwo) {
    const struct {
        QStringList args;
        const char* message;
    } cases[] = {
        {{"moon", "2026-13-01T00:00:00"}, "invalid date '2026-13-01': month must be 1-12"},
        {{"riseset", "2026-02-30"}, "invalid date '2026-02-30': day must be 1-28"},
        {{"frobnicate"}, "unknown command 'frobnicate'"},
        {{"--lat", "91", "easter", "2000"}, "invalid latitude '91'"},
        {{"--lon", "-181", "easter", "2000"}, "invalid longitude '-181'"},
        {{"--zone", "50", "easter", "2000"}, "multiple of 15"},
        {{"--zone", "870", "easter", "2000"}, "must be -720 to 840"},
        {{"--zone", "1e300", "easter", "2000"}, "must be -720 to 840"},
        {{"--zone", "60", "--tz", "Europe/London", "easter", "2000"}, "contradict"},
        {{"--dst", "--tz", "Europe/London", "easter", "2000"}, "contradict"},
        {{"eclipses", "2001", "2000"}, "FROM must not be after TO"},
        {{"easter", "10000"}, "invalid year '10000'"},
        {{"easter", "0"}, "year must be 1-9999"},
        {{"phases", "2000-1"}, "expected YYYY-MM"},
        // Numbers as typed, nothing else: no hexadecimal, no blanks.
        {{"--lat", "0x10", "easter", "2000"}, "invalid latitude '0x10': not a number"},
        {{"--lon", " 5", "easter", "2000"}, "invalid longitude ' 5': not a number"},
        {{"--zone", "+-60", "easter", "2000"}, "not a number"},
        // Options that the command would ignore.
        {{"--csv", "eclipses", "2000", "2000"}, "--csv applies only to times and altitude"},
        {{"--step", "5", "riseset", "2026-03-01"}, "--step applies only to altitude"},
        {{"altitude", "2026-03-01", "--step", "0"}, "must be a whole number of minutes, 1 to 240"},
        {{"altitude", "2026-03-01", "--step", "241"}, "1 to 240"},
        {{"altitude", "2026-03-01", "--step", "2.5"}, "1 to 240"},
        {{"-o", "x.ics", "easter", "2000"}, "-o applies only to ical and plan"},
        // A long argument is cut in the message.
        {{QString(500, QLatin1Char('x'))},
         "unknown command 'xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx...'"},
        // Not a features file: a folder, and a text file read as records.
        {{"features", "2024-06", "--file", qEnvironmentVariable("CRESSELLE_SOURCE_DIR")},
         "is a folder"},
        {{"features", "2024-06", "--file",
          qEnvironmentVariable("CRESSELLE_SOURCE_DIR") + QStringLiteral("/CMakeLists.txt")},
         "is not a lunar features file"},
    };
    for (const auto& c : cases) {
        const Result r = runCli(c.args);
        EXPECT_EQ(r.exitCode, 2) << c.args.join(' ').toStdString();
        EXPECT_TRUE(r.err.contains(QLatin1String(c.message))) << r.err.toStdString();
        EXPECT_EQ(r.err.count('\n'), 1) << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty());
    }
    const Result help = runCli({QStringLiteral("--help")});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.contains("Usage: cresselle-cli"));
    const Result version = runCli({QStringLiteral("--version")});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_TRUE(version.out.startsWith("cresselle-cli 2.")) << version.out.toStdString();
}

TEST(Cli, ScriptsLearnOfLostOutputAndOfTheFallbackObserver) {
    QProcess p;
    p.setStandardOutputFile(QStringLiteral("/dev/full"));
    p.start(qEnvironmentVariable("CRESSELLE_BUILD_DIR") + QStringLiteral("/cresselle-cli"),
            {QStringLiteral("easter"), QStringLiteral("2000")});
    p.waitForFinished(60000);
    EXPECT_NE(p.exitCode(), 0);
    EXPECT_TRUE(p.readAllStandardError().contains("cannot write"));

    // No stored settings in the test's home: the observer at 0, 0 is said on stderr.
    const Result fallback = runCli({QStringLiteral("seasons"), QStringLiteral("2026")});
    EXPECT_EQ(fallback.exitCode, 0);
    EXPECT_TRUE(fallback.err.contains(QLatin1String("no stored settings")))
        << fallback.err.toStdString();
    EXPECT_TRUE(runCli(greenwich + QStringList{"seasons", "2026"}).err.isEmpty());
}

TEST(Cli, EveryJsonEventHasItsDateAndMarkersAreNull) {
    // Zone +12 h: the total eclipse of 3 March 2026 peaks at 23:34 local and ends on the 4th.
    const QStringList tarawa = {"--lat", "1.4", "--lon", "173", "--zone", "720"};
    const QJsonArray list =
        runJson(tarawa + QStringList{"eclipses", "2026", "2026"})[QStringLiteral("eclipses")]
            .toArray();
    ASSERT_EQ(list.size(), 2);
    const QJsonObject march = list[0].toObject();
    EXPECT_TRUE(march[QStringLiteral("max_local")].toString().startsWith(
        QStringLiteral("2026-03-03T23:3")));
    EXPECT_TRUE(
        march[QStringLiteral("max_ut")].toString().startsWith(QStringLiteral("2026-03-03T11:3")));
    EXPECT_TRUE(march[QStringLiteral("penumbra_left")].toString().startsWith(
        QStringLiteral("2026-03-04T02:2")));
    EXPECT_TRUE(list[1][QStringLiteral("totality_begins")].isNull()); // a partial eclipse

    // A month with two eclipses lists both.
    const QJsonArray twice =
        runJson(greenwich + QStringList{"eclipses", "1904", "1904"})[QStringLiteral("eclipses")]
            .toArray();
    QStringList maxima;
    for (const QJsonValue& e : twice)
        maxima << e[QStringLiteral("max_ut")].toString().left(10);
    EXPECT_TRUE(maxima.contains(QStringLiteral("1904-03-02"))) << maxima.join(' ').toStdString();
    EXPECT_TRUE(maxima.contains(QStringLiteral("1904-03-31"))) << maxima.join(' ').toStdString();

    // Phases in local time and UT; the next apsides with their year.
    const QJsonObject phase =
        runJson(tarawa + QStringList{"phases", "2026-01"})[QStringLiteral("events")]
            .toArray()[0]
            .toObject();
    EXPECT_EQ(phase[QStringLiteral("local")].toString(), QStringLiteral("2026-01-03T22:02:55"));
    EXPECT_EQ(phase[QStringLiteral("ut")].toString(), QStringLiteral("2026-01-03T10:02:55"));
    const QJsonObject apsides = runJson(greenwich + QStringList{"apsides", "2026-12-28T00:00:00"});
    EXPECT_TRUE(apsides[QStringLiteral("apogee")][QStringLiteral("local")].toString().startsWith(
        QStringLiteral("2027-01-07T08:1")));

    // The Moon neither rises nor sets at 78° N in late December: null with a reason in JSON,
    // "None" in the text.
    const QStringList svalbard = {"--lat", "78.2", "--lon", "15.6", "--zone", "60"};
    const QJsonObject moon =
        runJson(svalbard + QStringList{"riseset", "2026-12-24"})[QStringLiteral("moon")].toObject();
    EXPECT_TRUE(moon[QStringLiteral("rise")].isNull());
    EXPECT_FALSE(moon[QStringLiteral("rise_reason")].toString().isEmpty());
    const Result text = runCli(svalbard + QStringList{"riseset", "2026-12-24"});
    EXPECT_TRUE(text.out.contains("rise:") && text.out.contains("None")) << text.out.toStdString();
    EXPECT_FALSE(text.out.contains("reason"));
}

TEST(Cli, TextColumnsInReadingOrder) {
    const Result eclipses = runCli(greenwich + QStringList{"eclipses", "2026", "2026"});
    const QByteArray header = eclipses.out.left(eclipses.out.indexOf('\n'));
    const char* order[] = {"date",          "kind_name",        "max_local",     "penumbra_entered",
                           "umbra_entered", "totality_begins",  "totality_ends", "umbra_left",
                           "penumbra_left", "umbral_magnitude", "visibility"};
    qsizetype last = -1;
    for (const char* column : order) {
        const qsizetype at = header.indexOf(QByteArray(column) + ' ');
        EXPECT_GT(at, last) << column << " in " << header.toStdString();
        last = at;
    }
}

TEST(Cli, FeaturesOfTheShippedDatabase) {
    const QString file =
        qEnvironmentVariable("CRESSELLE_SOURCE_DIR") + QStringLiteral("/runtime/data.dat");
    const QJsonObject result =
        runJson(greenwich + QStringList{"features", "2024-06", "--file", file});
    const QJsonArray features = result[QStringLiteral("features")].toArray();
    ASSERT_GT(features.size(), 300);
    for (const QJsonValue& f : features) {
        // An ISO local date-time, or null with the reason.
        const QJsonValue sunrise = f[QStringLiteral("sunrise")];
        if (sunrise.isNull()) {
            ASSERT_EQ(f[QStringLiteral("sunrise_reason")].toString(), QStringLiteral("no_sunrise"));
            continue;
        }
        ASSERT_TRUE(sunrise.toString().startsWith(QStringLiteral("2024-0")))
            << sunrise.toString().toStdString();
        ASSERT_EQ(sunrise.toString().size(), 19);
    }
    const Result missing = runCli({"features", "2024-06", "--file", "/nonexistent/data.dat"});
    EXPECT_EQ(missing.exitCode, 2);
}

// Age and apsides from the UT instant far from Greenwich; every eclipse of a month; the two
// kinds of "None".
TEST(Cli, EventsInEveryZone) {
    const QStringList east = {QStringLiteral("--lat"),  QStringLiteral("0"),
                              QStringLiteral("--lon"),  QStringLiteral("170"),
                              QStringLiteral("--zone"), QStringLiteral("720")};
    const QJsonObject moon = runJson(east + QStringList{"moon", "2000-01-07T01:00:00"});
    EXPECT_GT(moon[QStringLiteral("moon")][QStringLiteral("age_days")].toDouble(), 0);
    const QJsonObject apsides = runJson(east + QStringList{"apsides", "2026-12-24T18:00:00"});
    EXPECT_TRUE(apsides[QStringLiteral("perigee")][QStringLiteral("time_text")].toString().contains(
        QStringLiteral("24 Dec")));

    const QJsonArray eclipses =
        runJson(greenwich + QStringList{"eclipses", "1904", "1904"})[QStringLiteral("eclipses")]
            .toArray();
    QStringList dates;
    for (const QJsonValue& e : eclipses)
        dates << e[QStringLiteral("date")].toString();
    EXPECT_TRUE(dates.contains(QStringLiteral("02 March 1904"))) << dates.join(',').toStdString();
    EXPECT_TRUE(dates.contains(QStringLiteral("31 March 1904")));

    const QStringList north = {QStringLiteral("--lat"),  QStringLiteral("78"),
                               QStringLiteral("--lon"),  QStringLiteral("15.6"),
                               QStringLiteral("--zone"), QStringLiteral("60")};
    const QJsonObject winter = runJson(north + QStringList{"riseset", "2026-12-23"});
    EXPECT_EQ(winter[QStringLiteral("moon")][QStringLiteral("rise_reason")].toString(),
              QStringLiteral("always_up"));
    EXPECT_EQ(winter[QStringLiteral("sun")][QStringLiteral("set_reason")].toString(),
              QStringLiteral("always_down"));
}

// A year's calendar holds the events of that year on the zone's clock: the last quarter of
// 1 January 2054, 01:10:40 UT, falls on 31 December 2053 in New York.
TEST(Cli, CalendarYearOnTheZonesClock) {
    const QStringList newYork = {QStringLiteral("--lat"), QStringLiteral("40.71"),
                                 QStringLiteral("--lon"), QStringLiteral("-74.01"),
                                 QStringLiteral("--tz"),  QStringLiteral("America/New_York")};
    const QByteArray start = "DTSTART:20540101T011100Z";
    EXPECT_TRUE(runCli(newYork + QStringList{"ical", "2053"}).out.contains(start));
    EXPECT_FALSE(runCli(newYork + QStringList{"ical", "2054"}).out.contains(start));
}

// With a named zone each event is in the offset of its own instant, not of the first one.
TEST(Cli, LondonEventsEachInTheOffsetOfTheirInstant) {
    auto hoursAhead = [](const QJsonObject& o, const char* local, const char* ut) {
        const auto at = [&](const char* key) {
            return QDateTime::fromString(o[QLatin1String(key)].toString(), Qt::ISODate);
        };
        return at(ut).secsTo(at(local)) / 3600.0;
    };
    const QStringList london = {QStringLiteral("--tz"), QStringLiteral("Europe/London")};
    const QJsonArray eclipses =
        runJson(london + QStringList{"eclipses", "2026", "2026"})[QStringLiteral("eclipses")]
            .toArray();
    ASSERT_EQ(eclipses.size(), 2);
    EXPECT_EQ(hoursAhead(eclipses[0].toObject(), "max_local", "max_ut"), 0); // 3 March
    EXPECT_EQ(hoursAhead(eclipses[1].toObject(), "max_local", "max_ut"), 1); // 28 August

    const QJsonArray seasons =
        runJson(london + QStringList{"seasons", "2026"})[QStringLiteral("events")].toArray();
    const double expected[4] = {0, 1, 1, 0};
    for (int i = 0; i < 4; ++i) {
        const QJsonObject e = seasons[i].toObject();
        EXPECT_EQ(hoursAhead(e, "local", "ut"), expected[i]) << i;
        EXPECT_TRUE(e[QStringLiteral("text")].toString().startsWith(
            e[QStringLiteral("local")].toString().mid(11, 5)))
            << e[QStringLiteral("text")].toString().toStdString();
    }

    // The sidereal time at each local midnight gains 3m56s a day; the first midnight after a
    // change comes an hour sooner or later (the change day's own midnight keeps the old offset).
    const struct {
        const char* month;
        int firstDayMoved;
        int shift; // seconds
    } changes[] = {{"2026-03", 30, -3600}, {"2026-10", 26, 3600}};
    for (const auto& c : changes) {
        const QJsonArray days = runJson(london + QStringList{"times", c.month})["days"].toArray();
        const auto seconds = [&](qsizetype i) {
            return QTime::fromString(days[i].toObject()["lst"].toString(), "HH:mm:ss")
                       .msecsSinceStartOfDay() /
                   1000;
        };
        for (qsizetype d = 1; d < days.size(); ++d) {
            const int solar = 86400 + (d + 1 == c.firstDayMoved ? c.shift : 0);
            const int expected = static_cast<int>(std::lround(solar * 1.00273791)) - 86400;
            const int gain = ((seconds(d) - seconds(d - 1) - expected) % 86400 + 86400) % 86400;
            EXPECT_TRUE(gain <= 1 || gain >= 86399) << c.month << " day " << d + 1;
        }
    }
}

namespace {

Result runWithHome(const QString& home, const QStringList& args) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home);
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/config"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/data"));
    p.setProcessEnvironment(env);
    p.start(qEnvironmentVariable("CRESSELLE_BUILD_DIR") + QStringLiteral("/cresselle-cli"), args);
    p.waitForFinished(60000);
    return {p.exitCode(), p.readAllStandardOutput(), QString::fromUtf8(p.readAllStandardError())};
}

} // namespace

// The stored settings are read by the program's own reader: an unusable latitude is repaired
// in memory as the program repairs it, and the file is left as it was.
TEST(Cli, StoredSettingsReadWithTheProgramsRepairsAndNothingWritten) {
    QTemporaryDir home;
    ASSERT_TRUE(QDir().mkpath(home.filePath(QStringLiteral("config/Cresselle"))));
    const QString ini = home.filePath(QStringLiteral("config/Cresselle/Cresselle.ini"));
    const QByteArray stored = "[General]\nLatDeg=95\nLatMin=00\nLatSec=00\nLatDir=North\n"
                              "LongDeg=000\nLongMin=00\nLongSec=00\nLongDir=West\nTimeZone=12\n"
                              "DaylightSavings=False\nZoneName=Europe/London\n";
    QFile file(ini);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(stored);
    file.close();
    const Result fromStore = runWithHome(home.path(), {"--json", "riseset", "2026-06-21"});
    const Result explicitly =
        runWithHome(home.path(), {"--json", "--lat", "0", "--lon", "0", "--tz", "Europe/London",
                                  "riseset", "2026-06-21"});
    EXPECT_EQ(fromStore.exitCode, 0) << fromStore.err.toStdString();
    EXPECT_EQ(fromStore.out, explicitly.out);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), stored);
    EXPECT_EQ(QDir(home.filePath(QStringLiteral("config/Cresselle"))).count(), 3u); // . .. ini
}

// Without --file, features reads the user's database in the working folder
// ($XDG_DATA_HOME/Cresselle/data.dat), not a folder of another name.
TEST(Cli, FeaturesReadTheUsersDatabaseInTheWorkingFolder) {
    QTemporaryDir home;
    ASSERT_TRUE(QDir().mkpath(home.filePath(QStringLiteral("data/Cresselle"))));
    QFile shipped(qEnvironmentVariable("CRESSELLE_SOURCE_DIR") +
                  QStringLiteral("/runtime/data.dat"));
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    QFile own(home.filePath(QStringLiteral("data/Cresselle/data.dat")));
    ASSERT_TRUE(own.open(QIODevice::WriteOnly));
    own.write(shipped.read(103)); // one record
    own.close();
    const Result result = runWithHome(
        home.path(), {"--json", "--lat", "0", "--lon", "0", "--zone", "0", "features", "2026-12"});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_EQ(QJsonDocument::fromJson(result.out).object()["features"].toArray().size(), 1);
}

// Zone offsets in use today, a day a zone skipped, features in a named zone from the shipped
// database in a fresh home.
TEST(Cli, ZonesAsTheyAre) {
    for (const char* minutes : {"345", "765", "780", "840", "-720"})
        EXPECT_EQ(runCli({"--zone", minutes, "easter", "2000"}).exitCode, 0) << minutes;
    const QStringList apia = {"--lat", "-13.83", "--lon", "-171.76", "--tz", "Pacific/Apia"};
    const Result skipped = runCli(apia + QStringList{"riseset", "2011-12-30"});
    EXPECT_EQ(skipped.exitCode, 2);
    EXPECT_TRUE(skipped.err.contains(QLatin1String("skipped that day")))
        << skipped.err.toStdString();
    const QJsonArray days = runJson(apia + QStringList{"times", "2011-12"})["days"].toArray();
    ASSERT_EQ(days.size(), 30);
    EXPECT_EQ(days[28].toObject()["date"].toString(), QStringLiteral("2011-12-29"));
    EXPECT_EQ(days[29].toObject()["date"].toString(), QStringLiteral("2011-12-31"));

    // The phases' UT is UT in a named zone too: 19:28:59 UT is 15:28:59 in New York.
    const QJsonArray phases = runJson({"--lat", "40", "--lon", "-74", "--tz", "America/New_York",
                                       "phases", "2026-07"})["events"]
                                  .toArray();
    EXPECT_EQ(phases[0].toObject()["local"].toString(), QStringLiteral("2026-07-07T15:28:59"));
    EXPECT_EQ(phases[0].toObject()["ut"].toString(), QStringLiteral("2026-07-07T19:28:59"));

    // Features: the shipped database; each time in the offset in force at it.
    QTemporaryDir fresh;
    const Result features =
        runWithHome(fresh.path(), {"--json", "--lat", "51.5", "--lon", "0", "--tz", "Europe/London",
                                   "features", "2026-07"});
    ASSERT_EQ(features.exitCode, 0) << features.err.toStdString();
    const QJsonArray list = QJsonDocument::fromJson(features.out).object()["features"].toArray();
    EXPECT_GT(list.size(), 900);
    const Result utc = runWithHome(fresh.path(), {"--json", "--lat", "51.5", "--lon", "0", "--zone",
                                                  "0", "features", "2026-07"});
    const QJsonObject first = list[0].toObject();
    const QJsonObject firstUt =
        QJsonDocument::fromJson(utc.out).object()["features"].toArray()[0].toObject();
    const auto at = [](const QJsonObject& o) {
        return QDateTime::fromString(o["sunrise"].toString(), Qt::ISODate);
    };
    EXPECT_EQ(at(firstUt).secsTo(at(first)), 3600) << first["sunrise"].toString().toStdString();
}

// The command-line program stays off the window system: Qt Core only.
TEST(Cli, LinksNoQtGuiOrWidgets) {
    QProcess ldd;
    ldd.start(QStringLiteral("ldd"),
              {qEnvironmentVariable("CRESSELLE_BUILD_DIR") + QStringLiteral("/cresselle-cli")});
    ASSERT_TRUE(ldd.waitForFinished(60000));
    const QByteArray libraries = ldd.readAllStandardOutput();
    EXPECT_TRUE(libraries.contains("libQt6Core")) << libraries.toStdString();
    EXPECT_FALSE(libraries.contains("libQt6Gui")) << libraries.toStdString();
    EXPECT_FALSE(libraries.contains("libQt6Widgets")) << libraries.toStdString();
}
