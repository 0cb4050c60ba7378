// SPDX-License-Identifier: GPL-3.0-or-later
// One day, one zone, four paths: the panel's labels, the times list's row, the printed
// calendar's cell and cresselle-cli (reading the same stored settings) must show the same
// times (and the panel and cresselle-cli the same phases and apsides), for a fixed offset, the
// system's zone, zones ahead of and behind it and one across the date line, on an ordinary day and
// on the days their clocks change. The test runs under TZ=Europe/Berlin (see CMakeLists.txt).
#include "ReportFixture.h"
#include "data/FeatureFile.h"
#include "export/IcsCalendar.h"
#include "print/PdfHelpers.h"
#include "print/fPrintCalendar.h"
#include "settings/fConfiguration.h"
#include "ui/reports/ReportContext.h"
#include "ui/reports/fFeatures.h"
#include "ui/reports/fObservingAid.h"
#include "ui/reports/fTimesList.h"
#include "ui/state/AppState.h"
#include "zone/Zone.h"

#include <QComboBox>
#include <QLineEdit>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace {

struct Day {
    int year, month, day;
};

struct Case {
    const char* zone;           // ZoneName: "" fixed offset, "Automatic" the system's, else a name
    int fixedMinutes;           // the fixed offset (TimeZone index 24 + minutes / 30)
    double latitude, longitude; // degrees, north and EAST positive
    Day days[3];                // ordinary, spring change, autumn change
};

const Case Cases[] = {
    {"", 60, 52.52, 13.40, {{2026, 2, 10}, {2026, 3, 29}, {2026, 10, 25}}},
    {"Automatic", 0, 52.52, 13.40, {{2026, 2, 10}, {2026, 3, 29}, {2026, 10, 25}}},
    {"Australia/Sydney", 0, -33.87, 151.21, {{2026, 2, 10}, {2026, 10, 4}, {2026, 4, 5}}},
    {"America/New_York", 0, 40.71, -74.01, {{2026, 2, 10}, {2026, 3, 8}, {2026, 11, 1}}},
    {"Pacific/Auckland", 0, -36.85, 174.76, {{2026, 2, 10}, {2026, 9, 27}, {2026, 4, 5}}},
};

// The times compared: sunrise, sunset and moonrise, "HH:MM" (a zone abbreviation cut off).
struct Times {
    QString sunRise, sunSet, moonRise;
};

// A time to the minute; the printout's "****" is the screen's "*****" (on another day).
QString Clock(const QString& text) {
    return text == QStringLiteral("****") ? QStringLiteral("*****") : text.left(5);
}

void Settle(TObserverSettings& s, const Case& c) {
    auto dms = [](double degrees, int digits, QString& d, QString& m, QString& sec) {
        const int seconds = static_cast<int>(std::lround(std::fabs(degrees) * 3600));
        d = QStringLiteral("%1").arg(seconds / 3600, digits, 10, QLatin1Char('0'));
        m = QStringLiteral("%1").arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'));
        sec = QStringLiteral("%1").arg(seconds % 60, 2, 10, QLatin1Char('0'));
    };
    dms(c.latitude, 2, s.LatDeg, s.LatMin, s.LatSec);
    s.LatDir = c.latitude < 0 ? QStringLiteral("South") : QStringLiteral("North");
    dms(c.longitude, 3, s.LongDeg, s.LongMin, s.LongSec);
    s.LongDir = c.longitude < 0 ? QStringLiteral("West") : QStringLiteral("East");
    s.ZoneName = QString::fromLatin1(c.zone);
    s.TimeZoneIndex = 24 + c.fixedMinutes / 30;
    s.DaylightSavings = false;
    s.PrintDailyPhases = false;
    s.PrintMajorPhases = false;
    s.PrintLunarTimes = true;
    s.PrintSunTimes = true;
}

class ZoneSeamTest : public ReportFixture {
  protected:
    Times Panel() const {
        Times t{main->lblSunRise->text(), main->lblSunSet->text(), {}};
        QLabel* titles[3] = {main->lblMoonTitle1, main->lblMoonTitle2, main->lblMoontitle3};
        QLabel* values[3] = {main->lblMoonValue1, main->lblMoonValue2, main->lblMoonValue3};
        for (int i = 0; i < 3; ++i)
            if (titles[i]->text() == QStringLiteral("Moonrise:")) t.moonRise = values[i]->text();
        return t;
    }

    static Times TimesListRow(const astro::DateTimeRec& day) {
        const TimesOfDay row = ComputeTimesOfDay(day, reportcontext::MainObserver());
        return {QString::fromStdString(row.Sun.Rise), QString::fromStdString(row.Sun.Set),
                QString::fromStdString(row.Moon.Rise)};
    }

    // The day's cell of the printed calendar: the n-th "SR:", "SS:" and "MR:" of the page
    // are those of day n.
    Times Printed(const astro::DateTimeRec& day) {
        const QString pdf = dir_.filePath(QStringLiteral("calendar.pdf"));
        pdftest::PrintTo(pdf);
        const TAppState* state = SharedState();
        EXPECT_TRUE(PrintCalendar(day.Month, day.Year, state->observer(),
                                  ShadingFrameOf(state->ZoneOffset(), 0), nullptr));
        const QStringList words =
            pdftest::Run(QStringLiteral("pdftotext"), {QStringLiteral("-raw"), pdf, "-"})
                .split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
        auto nth = [&](const QString& key) {
            int seen = 0;
            for (qsizetype i = 0; i + 1 < words.size(); ++i)
                if (words[i] == key && ++seen == day.Day) return words[i + 1];
            return QString();
        };
        return {nth(QStringLiteral("SR:")), nth(QStringLiteral("SS:")), nth(QStringLiteral("MR:"))};
    }

    // cresselle-cli --json with no observer options: it reads the settings the program saved.
    QJsonObject CliJson(const QStringList& args) const {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir_.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("XDG_DATA_HOME"), dir_.filePath(QStringLiteral("data")));
        p.setProcessEnvironment(env);
        p.start(qEnvironmentVariable("CRESSELLE_BUILD_DIR") + QStringLiteral("/cresselle-cli"),
                QStringList{QStringLiteral("--json")} + args);
        p.waitForFinished(60000);
        EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
        return QJsonDocument::fromJson(p.readAllStandardOutput()).object();
    }

    Times Cli(const astro::DateTimeRec& day) const {
        const QJsonObject o =
            CliJson({QStringLiteral("riseset"),
                     QString::asprintf("%04d-%02d-%02d", day.Year, day.Month, day.Day)});
        const QJsonObject sun = o[QStringLiteral("sun")].toObject();
        const QJsonObject moon = o[QStringLiteral("moon")].toObject();
        // A marker is null with its reason beside it.
        auto text = [](const QJsonObject& body, const char* key) {
            const QJsonValue v = body[QLatin1String(key)];
            if (!v.isNull()) return v.toString();
            const QString reason = body[QLatin1String(key) + QStringLiteral("_reason")].toString();
            return reason == QStringLiteral("other_day") ? QStringLiteral("*****")
                                                         : QStringLiteral("None");
        };
        return {text(sun, "rise"), text(sun, "set"), text(moon, "rise")};
    }
};

TEST_F(ZoneSeamTest, PanelTimesListPrintoutAndCliAgreeInEveryZoneOnEveryKindOfDay) {
    ASSERT_EQ(QTimeZone::systemTimeZoneId(), QByteArray("Europe/Berlin"));
    const QString ini = dir_.filePath(QStringLiteral("config/Cresselle/Cresselle.ini"));
    ASSERT_TRUE(QDir().mkpath(QFileInfo(ini).path()));
    settingsstore::SetLocationForTests(ini);
    for (const Case& c : Cases) {
        Settle(ObserverSettings, c);
        ASSERT_TRUE(settingsstore::SaveConfiguration(ObserverSettings));
        ASSERT_TRUE(settingsstore::SavePrintOptions(ObserverSettings));
        SharedState()->ApplySettings(ObserverSettings); // as the configuration window does
        for (const Day& d : c.days) {
            SelectDay(d.day, d.month, d.year);
            const astro::DateTimeRec day = main->SelectedDate;
            const Times panel = Panel();
            const std::string where = std::string(c.zone) + " " + std::to_string(d.year) + "-" +
                                      std::to_string(d.month) + "-" + std::to_string(d.day);
            // Sunrise at these places and dates is between 04:00 and 09:00 local time.
            EXPECT_GE(panel.sunRise, QStringLiteral("04:00")) << where;
            EXPECT_LE(panel.sunRise, QStringLiteral("09:00")) << where;
            for (const Times& other : {TimesListRow(day), Printed(day), Cli(day)}) {
                EXPECT_EQ(Clock(other.sunRise), Clock(panel.sunRise)) << where;
                EXPECT_EQ(Clock(other.sunSet), Clock(panel.sunSet)) << where;
                EXPECT_EQ(Clock(other.moonRise), Clock(panel.moonRise))
                    << where << " " << other.moonRise.toStdString();
            }
            // The month's phases: the panel's and cresselle-cli's, each from its UT instant.
            QStringList panelPhases, cliPhases;
            for (const TClickLabel* label : main->lblPhase)
                if (!label->isHidden()) panelPhases << label->text();
            const QJsonObject phases = CliJson(
                {QStringLiteral("phases"), QString::asprintf("%04d-%02d", d.year, d.month)});
            for (const auto& e : phases[QStringLiteral("events")].toArray())
                cliPhases << e.toObject()[QStringLiteral("text")].toString();
            EXPECT_GE(panelPhases.size(), 3) << where;
            EXPECT_EQ(cliPhases, panelPhases) << where;
            // The next perigee and apogee, each in the offset in force at it (after the change).
            const QJsonObject apsides =
                CliJson({QStringLiteral("apsides"),
                         QString::asprintf("%04d-%02d-%02dT00:00:00", d.year, d.month, d.day)});
            const auto cliApsis = [&](const char* kind) {
                return apsides[QLatin1String(kind)][QStringLiteral("time_text")]
                    .toString()
                    .toStdString();
            };
            EXPECT_EQ(cliApsis("perigee"),
                      QString::fromStdString(main->Apsides.PerigeeTimeText).trimmed().toStdString())
                << where;
            EXPECT_EQ(cliApsis("apogee"),
                      QString::fromStdString(main->Apsides.ApogeeTimeText).trimmed().toStdString())
                << where;
            // The calendar file holds the panel's perigee at its instant.
            const auto year = ics::YearEvents(d.year, main->observer(), [](astro::JulianDay ut) {
                return CurrentZone().OffsetAt(ut);
            });
            double nearest = 1e9;
            for (const ics::CalendarEvent& e : year)
                if (e.Tag == "perigee")
                    nearest = std::min(nearest, std::fabs(e.Start - main->Apsides.PerigeeUT));
            EXPECT_LT(nearest * 86400, 1) << where;
        }
    }
    SetCurrentZone(TZone::Fixed(0));
}

} // namespace

namespace {

// Open report windows follow a zone changed in the configuration window, without Home.
TEST_F(ReportFixture, OpenReportWindowsFollowTheZoneChosenInTheConfigurationWindow) {
    QString error;
    ASSERT_TRUE(WriteFeatureFile({{QStringLiteral("Copernicus"), "-020.08", "09.62"}}, error));
    ObserverSettings.LatDeg = QStringLiteral("51");
    ObserverSettings.LongDeg = QStringLiteral("000");
    ObserverSettings.ZoneName.clear();
    SharedState()->ApplySettings(ObserverSettings);
    SelectDay(15, 3, 2026);
    TTimesList* times = Windows().TimesList;
    TObservingAid* aid = Windows().ObservingAid;
    TFeatures* features = Windows().Features;
    times->show();
    aid->show();
    features->show();
    features->DisplaySunRiseSetTimes();
    features->WaitForTimes();
    const QImage timesBefore = times->DataPicture().toImage();
    const QImage aidBefore = aid->ChartPicture().toImage();
    const QString sunriseBefore = features->StringGrid1.Cell(3, 0);

    TConfiguration* cfg = Windows().Configuration;
    cfg->show();
    QApplication::setActiveWindow(cfg);
    cfg->activateWindow();
    QCoreApplication::processEvents();
    cfg->cmbZoneName->setFocus();
    cfg->cmbZoneName->lineEdit()->clear();
    QTest::keyClicks(cfg->cmbZoneName->lineEdit(), QStringLiteral("Asia/Tokyo"));
    QTest::mouseClick(cfg->lblExit, Qt::LeftButton);
    QCoreApplication::processEvents();
    ASSERT_EQ(CurrentZone().Id(), QByteArrayLiteral("Asia/Tokyo"));
    features->WaitForTimes();

    EXPECT_NE(times->DataPicture().toImage(), timesBefore);
    EXPECT_NE(aid->ChartPicture().toImage(), aidBefore);
    EXPECT_NE(features->StringGrid1.Cell(3, 0), sunriseBefore);
    SetCurrentZone(TZone::Fixed(0));
}

} // namespace
