// SPDX-License-Identifier: GPL-3.0-or-later
// Tonight's altitude graph: its curve against the engine's rises and sets at a mid-latitude
// and a polar place, the maximum at the transit, the way in from the observing aid, following
// the main window, the printed hour labels at two resolutions, and cresselle-cli's table.
#include "astro/fRiseSet.h"
#include "print/PdfHelpers.h"
#include "support/ReportDates.h"
#include "ui/ReportFixture.h"
#include "ui/main/fCalendarLabels.h"
#include "ui/reports/fAltitudeGraph.h"
#include "ui/reports/fObservingAid.h"
#include "ui/reports/fReportMenu.h"
#include "zone/Night.h"
#include "zone/Zone.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QProcess>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace {

using reporttest::Date;
using reporttest::London;

constexpr double Minute = 1.0 / 1440;

// UT instants where `altitude` of the samples crosses `level`, by linear interpolation.
QList<double> Crossings(const TNight& night, bool moon, double level) {
    QList<double> out;
    const auto& s = night.Samples;
    for (std::size_t i = 1; i < s.size(); ++i) {
        const double a = (moon ? s[i - 1].MoonAltitude : s[i - 1].SunAltitude) - level;
        const double b = (moon ? s[i].MoonAltitude : s[i].SunAltitude) - level;
        if ((a < 0) == (b < 0)) continue;
        const double f = a / (a - b);
        out.append(s[i - 1].Instant + f * (s[i].Instant - s[i - 1].Instant));
    }
    return out;
}

// Every event of the kinds has a crossing within 2 minutes, and every crossing an event (the
// events are to the minute: half a minute of rounding is inside the 2 minutes).
void ExpectCrossingsAtEvents(const TNight& night, bool moon, double level,
                             std::initializer_list<TNightEventKind> kinds, const char* where) {
    QList<double> events;
    for (const TNightEvent& e : night.Events)
        if (std::find(kinds.begin(), kinds.end(), e.Kind) != kinds.end()) events.append(e.Instant);
    const QList<double> crossings = Crossings(night, moon, level);
    // A crossing within two minutes of either end may belong to an event of the next night.
    auto inside = [&night](double t) {
        return t > night.FromUt + 2 * Minute && t < night.ToUt - 2 * Minute;
    };
    for (const double e : events) {
        const auto nearest =
            std::min_element(crossings.begin(), crossings.end(), [e](double a, double b) {
                return std::fabs(a - e) < std::fabs(b - e);
            });
        ASSERT_NE(nearest, crossings.end()) << where;
        EXPECT_LT(std::fabs(*nearest - e) / Minute, 2.0) << where;
    }
    for (const double c : crossings) {
        if (!inside(c)) continue;
        const bool matched = std::any_of(events.begin(), events.end(),
                                         [c](double e) { return std::fabs(e - c) < 2 * Minute; });
        EXPECT_TRUE(matched) << where << ": a crossing without an event at UT "
                             << (c - night.FromUt) * 24 << " h after noon";
    }
}

class AltitudeCurveTest : public ::testing::Test {
  protected:
    void SetUp() override { SetCurrentZone(TZone::Fixed(0)); }
};

TEST_F(AltitudeCurveTest, CurveCrossesTheHorizonAtTheEnginesRisesAndSets) {
    using K = TNightEventKind;
    struct Place {
        const char* name;
        astro::Observer observer;
        int month;
    };
    const Place places[] = {
        {"London", London(), 3},
        {"Tromso", {astro::DegToRad(69.65), astro::DegToRad(-18.96), 60}, 1},
        {"Longyearbyen", {astro::DegToRad(78.22), astro::DegToRad(-15.65), 60}, 6},
    };
    for (const Place& p : places) {
        SetCurrentZone(TZone::Fixed(p.observer.ZoneOffsetMinutes));
        for (int day = 1; day <= 28; day += 3) {
            const TNight night = NightOf(Date(day, p.month, 2026), p.observer, 2);
            const std::string where = std::string(p.name) + " day " + std::to_string(day);
            ExpectCrossingsAtEvents(night, true, night.MoonRiseAltitude, {K::Moonrise, K::Moonset},
                                    where.c_str());
            ExpectCrossingsAtEvents(night, false, astro::SunRiseAltitudeDeg,
                                    {K::Sunrise, K::Sunset}, where.c_str());
            ExpectCrossingsAtEvents(night, false, astro::CivilTwilightAltitude,
                                    {K::CivilDawn, K::CivilDusk}, where.c_str());
        }
    }
    // Midsummer at 78 degrees north: the Sun up all night, no Sun event at all.
    SetCurrentZone(TZone::Fixed(60));
    const TNight polar = NightOf(Date(21, 6, 2026), places[2].observer, 10);
    for (const astro::AltitudeSample& s : polar.Samples)
        EXPECT_GT(s.SunAltitude, 5);
    for (const TNightEvent& e : polar.Events)
        EXPECT_TRUE(e.Kind == K::Moonrise || e.Kind == K::MoonTransit || e.Kind == K::Moonset);
}

TEST_F(AltitudeCurveTest, MaximumIsAtTheTransit) {
    int seen = 0;
    for (int day = 1; day <= 28; ++day) {
        const TNight night = NightOf(Date(day, 3, 2026), London(), 1);
        for (const TNightEvent& e : night.Events) {
            if (e.Kind != TNightEventKind::MoonTransit) continue;
            // A transit near either end of the night has its maximum outside it.
            if (e.Instant < night.FromUt + 0.05 || e.Instant > night.ToUt - 0.05) continue;
            const auto top = std::max_element(
                night.Samples.begin(), night.Samples.end(),
                [](const auto& a, const auto& b) { return a.MoonAltitude < b.MoonAltitude; });
            EXPECT_LT(std::fabs(top->Instant - e.Instant) / Minute, 8.0) << "day " << day;
            EXPECT_NEAR(top->MoonAltitude, e.Altitude, 0.05) << "day " << day;
            ++seen;
        }
    }
    EXPECT_GT(seen, 20);
}

TEST_F(AltitudeCurveTest, ANightWhenTheClocksGoBackLastsTwentyFiveHours) {
    const std::optional<TZone> london = TZone::Named("Europe/London");
    if (!london) GTEST_SKIP() << "no zone database";
    SetCurrentZone(*london);
    astro::Observer observer = London();
    observer.ZoneOffsetMinutes = 60;
    const TNight night = NightOf(Date(24, 10, 2026), observer, 10);
    EXPECT_NEAR((night.ToUt - night.FromUt) * 24, 25.0, 1e-6);
    QStringList labels;
    for (const astro::JulianDay t : GraphHours(night, observer))
        labels << NightClockText(t, observer).left(2);
    EXPECT_EQ(labels.size(), 26);
    EXPECT_EQ(labels.count(QStringLiteral("01")), 2) << labels.join(' ').toStdString();
    EXPECT_EQ(labels.first(), QStringLiteral("12"));
    EXPECT_EQ(labels.last(), QStringLiteral("12"));
    // The morning's events are on the clock after the change.
    for (const TNightEvent& e : night.Events) {
        if (e.Kind == TNightEventKind::Sunrise) {
            EXPECT_EQ(e.Time, NightClockText(e.Instant, observer));
        }
    }
    SetCurrentZone(TZone::Fixed(0));
}

class AltitudeGraphWindowTest : public ReportFixture {
  protected:
    void SetUp() override {
        ReportFixture::SetUp();
        main->ObserverLatitude = London().Latitude;
        main->ObserverLongitude = London().Longitude;
        SetCurrentZone(TZone::Fixed(0));
        SelectDay(1, 3, 2026);
        graph = AltitudeGraphWindow();
        ASSERT_TRUE(graph);
    }
    TAltitudeGraph* graph = nullptr;
};

TEST_F(AltitudeGraphWindowTest, ClickingANightInTheObservingAidOpensItOnThatDate) {
    TObservingAid* aid = Windows().ObservingAid;
    aid->show();
    aid->doa();
    const int rowMiddle = TObservingAid::ChartTop + 9 * 12 + 6;
    // Nighttime view: row 9 runs from noon of the 9th to noon of the 10th.
    for (const int x : {60, 300, 500}) {
        graph->hide();
        QTest::mouseClick(aid, Qt::LeftButton, Qt::NoModifier, QPoint(x, rowMiddle));
        ASSERT_TRUE(graph->isVisible()) << x;
        EXPECT_EQ(graph->Day().Day, 9) << x;
        EXPECT_EQ(graph->Day().Month, 3);
    }
    // Daytime view: row 9 is the 10th; its morning belongs to the night of the 9th.
    aid->imgDayNightClick();
    QTest::mouseClick(aid, Qt::LeftButton, Qt::NoModifier,
                      QPoint(TObservingAid::ChartLeft + 20 + 60, rowMiddle)); // 03:00
    EXPECT_EQ(graph->Day().Day, 9);
    QTest::mouseClick(aid, Qt::LeftButton, Qt::NoModifier,
                      QPoint(TObservingAid::ChartLeft + 20 + 400, rowMiddle)); // 20:00
    EXPECT_EQ(graph->Day().Day, 10);
    // Row 0 of the nighttime view is the night of the last day of February.
    aid->imgDayNightClick();
    QTest::mouseClick(aid, Qt::LeftButton, Qt::NoModifier,
                      QPoint(TObservingAid::ChartLeft + 100, TObservingAid::ChartTop + 6));
    EXPECT_EQ(graph->Day().Day, 28);
    EXPECT_EQ(graph->Day().Month, 2);
    // The caption names the month, the place and the zone.
    EXPECT_TRUE(aid->Caption().startsWith(QStringLiteral("March 2026")))
        << aid->Caption().toStdString();
    EXPECT_TRUE(aid->Caption().contains(QStringLiteral("51.50\u00B0 N")))
        << aid->Caption().toStdString();
    EXPECT_TRUE(aid->Caption().contains(QStringLiteral("UT"))) << aid->Caption().toStdString();
}

TEST_F(AltitudeGraphWindowTest, FollowsTheMainWindowAndMovesByDays) {
    main->imgAltitudesClick();
    ASSERT_TRUE(graph->isVisible());
    EXPECT_EQ(graph->Day().Day, 1);
    for (TDateLabel* label : main->DateLabels)
        if (label->dayNumber() == 12) main->DateSelect(label);
    EXPECT_EQ(graph->Day().Day, 12);
    QTest::keyClick(graph, Qt::Key_Right);
    EXPECT_EQ(graph->Day().Day, 13);
    QTest::keyClick(graph, Qt::Key_PageUp);
    QTest::keyClick(graph, Qt::Key_Up);
    EXPECT_EQ(graph->Day().Day, 11);
    QWheelEvent wheel(QPointF(200, 200), graph->mapToGlobal(QPointF(200, 200)), QPoint(),
                      QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(graph, &wheel);
    EXPECT_EQ(graph->Day().Day, 12);
    // Another month in the main window: the graph follows it.
    main->StepMonths(1);
    EXPECT_EQ(graph->Day().Month, 4);
    QTest::keyClick(graph, Qt::Key_Escape);
    EXPECT_FALSE(graph->isVisible());
    // Key G in the main window opens it again.
    QTest::keyClick(main, Qt::Key_G);
    EXPECT_TRUE(graph->isVisible());
    // The reports menu has the row too.
    graph->hide();
    Windows().ReportMenu->imgAltitudesClick();
    EXPECT_TRUE(graph->isVisible());
}

TEST_F(AltitudeGraphWindowTest, SavesAPngPicture) {
    graph->ShowNight(Date(5, 3, 2026));
    saveAnswer = dir_.filePath(QStringLiteral("night"));
    ASSERT_TRUE(graph->SavePicture());
    const QImage saved(dir_.filePath(QStringLiteral("night.png")));
    ASSERT_FALSE(saved.isNull());
    EXPECT_EQ(saved.size(), QSize(TAltitudeGraph::GraphWidth, TAltitudeGraph::GraphHeight));
    // Into a folder that does not exist: told, nothing claimed.
    saveAnswer = dir_.filePath(QStringLiteral("missing/night.png"));
    EXPECT_FALSE(graph->SavePicture());
    EXPECT_EQ(messages.size(), 1);
}

TEST_F(AltitudeGraphWindowTest, PrintedHourLabelsStandUnderTheirLinesAtAnyResolution) {
    graph->ShowNight(Date(1, 3, 2026));
    for (const int dpi : {300, 1200}) {
        const QString pdf = dir_.filePath(QStringLiteral("graph%1.pdf").arg(dpi));
        pdftest::PrintTo(pdf, nullptr, dpi);
        ASSERT_TRUE(graph->PrintGraph()) << dpi;
        QMap<int, QList<pdftest::Word>> hoursByLine;
        double y90 = -1, y60 = -1;
        for (const pdftest::Word& w : pdftest::Words(pdf)) {
            if (w.text == QStringLiteral("90\u00B0")) y90 = (w.yMin + w.yMax) / 2;
            if (w.text == QStringLiteral("60\u00B0")) y60 = (w.yMin + w.yMax) / 2;
            if (w.text.size() == 2 && w.text.at(0).isDigit() && w.text.at(1).isDigit())
                hoursByLine[qRound(w.yMin)].append(w);
        }
        QList<pdftest::Word> hours;
        for (const auto& line : hoursByLine)
            if (line.size() > hours.size()) hours = line;
        ASSERT_EQ(hours.size(), 25) << dpi;
        std::sort(hours.begin(), hours.end(),
                  [](const auto& a, const auto& b) { return a.xMin < b.xMin; });
        EXPECT_EQ(hours.first().text, QStringLiteral("12"));
        EXPECT_EQ(hours.at(12).text, QStringLiteral("00"));
        ASSERT_GT(y90, 0);
        ASSERT_GT(y60, y90);

        // The hour lines across the row of 80 degrees, where no curve runs: grey on the bands.
        const double pointsPerPixel = 0.5;
        const QImage page = pdftest::Page(pdf, 144, pdf);
        ASSERT_FALSE(page.isNull());
        const int y = qRound((y90 + (y60 - y90) / 3) / pointsPerPixel);
        QList<double> lines;
        for (int x = 0; x < page.width(); ++x) {
            if (std::abs(qGray(page.pixel(x, y)) - 120) > 25) continue;
            const int start = x;
            while (x < page.width() && std::abs(qGray(page.pixel(x, y)) - 120) <= 25)
                ++x;
            lines.append((start + x - 1) / 2.0 * pointsPerPixel);
        }
        // The frame's two sides are the first and last hour lines.
        ASSERT_EQ(lines.size(), 25) << dpi;
        for (int i = 0; i < 25; ++i)
            EXPECT_NEAR(hours[i].centre(), lines[i], 1.5) << dpi << " dpi, hour " << i;
        EXPECT_GT(hours.first().yMin, y60) << "labels under the plot";
    }
}

TEST_F(AltitudeGraphWindowTest, CommandLineTableAgreesWithTheWindow) {
    graph->ShowNight(Date(1, 3, 2026));
    const TNight& night = graph->Night();
    QProcess p;
    p.start(qEnvironmentVariable("CRESSELLE_BUILD_DIR") + QStringLiteral("/cresselle-cli"),
            {QStringLiteral("--lat"), QStringLiteral("51.5"), QStringLiteral("--lon"),
             QStringLiteral("-0.12"), QStringLiteral("--zone"), QStringLiteral("0"),
             QStringLiteral("--json"), QStringLiteral("altitude"), QStringLiteral("2026-03-01")});
    ASSERT_TRUE(p.waitForFinished(60000));
    ASSERT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    const QJsonObject out = QJsonDocument::fromJson(p.readAllStandardOutput()).object();
    const QJsonArray rows = out.value(QStringLiteral("samples")).toArray();
    ASSERT_EQ(rows.size(), static_cast<qsizetype>(night.Samples.size()));
    EXPECT_EQ(rows.first().toObject().value(QStringLiteral("local")).toString(),
              QStringLiteral("2026-03-01T12:00"));
    EXPECT_EQ(rows.last().toObject().value(QStringLiteral("local")).toString(),
              QStringLiteral("2026-03-02T12:00"));
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const QJsonObject r = rows.at(i).toObject();
        const astro::AltitudeSample& s = night.Samples[static_cast<std::size_t>(i)];
        EXPECT_NEAR(r.value(QStringLiteral("moon_altitude")).toDouble(), s.MoonAltitude, 0.006);
        EXPECT_NEAR(r.value(QStringLiteral("sun_azimuth")).toDouble(), s.SunAzimuth, 0.006);
    }
    const QJsonArray events = out.value(QStringLiteral("events")).toArray();
    ASSERT_EQ(events.size(), night.Events.size());
    for (qsizetype i = 0; i < events.size(); ++i) {
        EXPECT_EQ(events.at(i).toObject().value(QStringLiteral("time")).toString(),
                  night.Events.at(i).Time);
        EXPECT_EQ(events.at(i).toObject().value(QStringLiteral("event")).toString(),
                  NightEventName(night.Events.at(i).Kind));
    }
    EXPECT_EQ(out.value(QStringLiteral("illuminated_percent")).toInt(), night.IlluminatedPercent);
}

} // namespace
