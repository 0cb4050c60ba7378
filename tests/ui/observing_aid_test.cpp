// SPDX-License-Identifier: GPL-3.0-or-later
// The observing aid's chart: the Sun's bands at known hours, the Moon bar across midnight,
// polar summer and winter, the two views and the grid.
#include "astro/fRiseSet.h"
#include "print/Canvas.h"
#include "settings/ObserverSettings.h"
#include "support/ReportDates.h"
#include "ui/Windows.h"
#include "ui/main/fMain.h"
#include "ui/reports/fObservingAid.h"

#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using reporttest::Date;

astro::Observer At(double latitudeDeg) {
    return {astro::DegToRad(latitudeDeg), astro::DegToRad(0.12), 0};
}

const ChartStyle Screen = ScreenChartStyle();

// Chart x of a clock time in the daytime view (left margin 20, 480 pixels for 24 hours).
int DayViewX(int minutes) {
    return 20 + canvas::Nearest(minutes * 480.0 / 1440.0);
}

// The Moon bar never reaches the bottom of a row: sample there for the Sun's bands.
QColor BandAt(const QImage& chart, int row, int x) {
    return chart.pixelColor(x, row * 12 + 10);
}

int Middle(const std::string& a, const std::string& b) {
    return (HMToMins(a) + HMToMins(b)) / 2;
}

TEST(ObservingAidText, HMToMinsReadsClockTexts) {
    EXPECT_EQ(HMToMins("07:05"), 425);
    EXPECT_EQ(HMToMins("*****"), 0);
    EXPECT_EQ(HMToMins("None"), 0);
    EXPECT_EQ(HMToMins("ab:cd"), 0);
}

TEST(ObservingAidChart, SunBandsAtKnownHoursOfAMidLatitudeDay) {
    TObservingAid aid;
    aid.imgDayNightClick(); // daytime view: midnight to midnight
    ASSERT_EQ(aid.View(), 0);
    const astro::Observer london = At(51.5);
    aid.doa(Date(1, 3, 2026), london);
    const QImage chart = aid.ChartPicture().toImage();

    const int day = 10;
    const astro::DateTimeRec d = Date(day, 3, 2026);
    const auto astro = astro::SunRiseSet(d, astro::AstronomicalTwilightAltitude, london);
    const auto nautical = astro::SunRiseSet(d, astro::NauticalTwilightAltitude, london);
    const auto civil = astro::SunRiseSet(d, astro::CivilTwilightAltitude, london);
    const auto sun = astro::SunRiseSet(d, astro::SunriseAltitude, london);
    const int row = day - 1;

    EXPECT_EQ(BandAt(chart, row, DayViewX(HMToMins(astro.Rise) - 60)), Screen.BackgroundColour);
    EXPECT_EQ(BandAt(chart, row, DayViewX(Middle(astro.Rise, nautical.Rise))),
              Screen.AstronomicalColour);
    EXPECT_EQ(BandAt(chart, row, DayViewX(Middle(nautical.Rise, civil.Rise))),
              Screen.NauticalColour);
    EXPECT_EQ(BandAt(chart, row, DayViewX(Middle(civil.Rise, sun.Rise))), Screen.CivilColour);
    EXPECT_EQ(BandAt(chart, row, DayViewX(10 * 60)), Screen.DayColour);
    EXPECT_EQ(BandAt(chart, row, DayViewX(Middle(sun.Set, civil.Set))), Screen.CivilColour);
    EXPECT_EQ(BandAt(chart, row, DayViewX(Middle(astro.Set, "23:59"))), Screen.BackgroundColour);

    // The nighttime view puts a day's evening on the left half of the next row and its
    // morning on the right half of the row before.
    aid.imgDayNightClick();
    aid.doa(Date(1, 3, 2026), london);
    const QImage night = aid.ChartPicture().toImage();
    const int evening = Middle(sun.Set, civil.Set);
    EXPECT_EQ(BandAt(night, day, 20 + canvas::Nearest(evening * 480.0 / 1440.0) - 240),
              Screen.CivilColour);
    const int morning = Middle(civil.Rise, sun.Rise);
    EXPECT_EQ(BandAt(night, day - 1, 20 + 240 + canvas::Nearest(morning * 480.0 / 1440.0)),
              Screen.CivilColour);
    // The afternoon before day 1 is not drawn: row 0's left half is night.
    for (int x = 25; x < 255; x += 10)
        EXPECT_EQ(BandAt(night, 0, x), Screen.BackgroundColour);
    // The extra last row holds the last afternoon only: its right half is night.
    for (int x = 265; x < 500; x += 10)
        EXPECT_EQ(BandAt(night, 31, x), Screen.BackgroundColour);
}

TEST(ObservingAidChart, MoonBarRunsAcrossMidnightInTheNighttimeView) {
    TObservingAid aid;
    ASSERT_EQ(aid.View(), 1);
    const astro::Observer london = At(51.5);
    // A day whose Moon rises in the evening and sets after the next midnight, well lit.
    int day = 0;
    for (int d = 1; d < 31 && !day; ++d) {
        const auto today = astro::MoonRiseSet(Date(d, 3, 2026), london);
        const auto tomorrow = astro::MoonRiseSet(Date(d + 1, 3, 2026), london);
        if (today.Rise.size() == 5 && today.Rise != "*****" && HMToMins(today.Rise) > 13 * 60 &&
            HMToMins(today.Rise) < 22 * 60 && tomorrow.Set.size() == 5 && tomorrow.Set != "*****" &&
            HMToMins(tomorrow.Set) > 2 * 60 && HMToMins(tomorrow.Set) < 11 * 60 &&
            today.IlluminatedPercent > 30)
            day = d;
    }
    ASSERT_GT(day, 0);
    aid.doa(Date(1, 3, 2026), london);
    const QImage chart = aid.ChartPicture().toImage();
    const QColor moon(255, 255, 176);
    // Row `day` holds the night from day's noon to the next noon; midnight at x = 259.
    const int y = day * 12 + 1;
    EXPECT_EQ(chart.pixelColor(255, y), moon);
    EXPECT_EQ(chart.pixelColor(263, y), moon);
    // The bar stays within the top three quarters of the row.
    EXPECT_NE(chart.pixelColor(263, day * 12 + 10), moon);
}

TEST(ObservingAidChart, PolarSummerIsDayAndPolarWinterHasNoDayBand) {
    TObservingAid aid;
    aid.imgDayNightClick(); // daytime view
    const astro::Observer north = At(78);
    aid.doa(Date(1, 6, 2026), north);
    QImage chart = aid.ChartPicture().toImage();
    for (int row = 0; row < 30; ++row)
        for (int x = 25; x < 500; x += 25)
            ASSERT_EQ(BandAt(chart, row, x), Screen.DayColour) << row << " " << x;

    aid.doa(Date(1, 12, 2026), north);
    chart = aid.ChartPicture().toImage();
    for (int row = 0; row < 31; ++row)
        for (int x = 21; x < 500; ++x) {
            ASSERT_NE(BandAt(chart, row, x), Screen.DayColour) << row << " " << x;
            // The Sun never climbs to -6 degrees: no civil band, nor an all-day one.
            ASSERT_NE(BandAt(chart, row, x), Screen.CivilAllDayColour) << row << " " << x;
            ASSERT_NE(BandAt(chart, row, x), Screen.CivilColour) << row << " " << x;
        }
    // The Moon stays up all day around the full moon of 24 December: its bar spans the row.
    const QColor moon(255, 255, 176);
    for (int day = 21; day <= 26; ++day) {
        ASSERT_EQ(astro::MoonRiseSet(Date(day, 12, 2026), north).RiseState,
                  astro::EventState::AlwaysUp);
        for (int minutes : {60, 720, 1380})
            EXPECT_EQ(chart.pixelColor(DayViewX(minutes), (day - 1) * 12 + 1), moon) << day;
    }

    // In the south the seasons turn round: December is the midnight sun.
    aid.doa(Date(1, 12, 2026), At(-78));
    chart = aid.ChartPicture().toImage();
    for (int row = 0; row < 31; ++row)
        ASSERT_EQ(BandAt(chart, row, DayViewX(0)), Screen.DayColour) << row;
}

TEST(ObservingAidChart, TogglesChangeTheirPicturesAndTheGridShowsHours) {
    TObservingAid aid;
    aid.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&aid));
    EXPECT_EQ(aid.View(), 1);
    EXPECT_FALSE(aid.GridOn());
    const QImage nightPicture = aid.imgDayNight->pixmap().toImage();
    const QImage linesPicture = aid.imgLinesGrid->pixmap().toImage();

    QTest::mouseClick(aid.imgDayNight, Qt::LeftButton);
    EXPECT_EQ(aid.View(), 0);
    EXPECT_NE(aid.imgDayNight->pixmap().toImage(), nightPicture);

    // The hour strip carries the hour labels with the grid and without it.
    auto litPixels = [&aid] {
        const QImage strip = aid.grab(QRect(21, 60, 498, 15)).toImage();
        int lit = 0;
        for (int y = 0; y < strip.height(); ++y)
            for (int x = 0; x < strip.width(); ++x)
                if (strip.pixelColor(x, y) != QColor(Qt::black)) ++lit;
        return lit;
    };
    const int withoutGrid = litPixels();
    EXPECT_GT(withoutGrid, 100);
    QTest::mouseClick(aid.imgLinesGrid, Qt::LeftButton);
    EXPECT_TRUE(aid.GridOn());
    EXPECT_NE(aid.imgLinesGrid->pixmap().toImage(), linesPicture);
    EXPECT_EQ(litPixels(), withoutGrid);

    // Showing again resets the view and the grid.
    aid.hide();
    aid.show();
    EXPECT_EQ(aid.View(), 1);
    EXPECT_FALSE(aid.GridOn());
}

TEST(ObservingAidChart, RedrawsForTheMainWindowsMonthWhileVisible) {
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    settingsstore::SetLocationForTests(home.filePath(QStringLiteral("Cresselle.ini")));
    const TObserverSettings saved = ObserverSettings;
    DestroyWindows();
    CreateWindows();
    TMain* main = Windows().Main;
    TObservingAid* aid = Windows().ObservingAid;
    ASSERT_TRUE(main && aid);
    main->ObserverLatitude = astro::DegToRad(51.5);

    main->SelectedDate = Date(3, 1, 2026);
    aid->show();
    const QImage january = aid->ChartPicture().toImage();
    main->SelectedDate = Date(3, 6, 2026);
    emit main->selectedMonthChanged();
    const QImage june = aid->ChartPicture().toImage();
    EXPECT_NE(june, january);
    aid->doa(Date(1, 6, 2026), main->observer());
    EXPECT_EQ(aid->ChartPicture().toImage(), june);

    aid->hide();
    main->SelectedDate = Date(3, 1, 2026);
    emit main->selectedMonthChanged();
    EXPECT_EQ(aid->ChartPicture().toImage(), june);

    DestroyWindows();
    ObserverSettings = saved;
    settingsstore::SetLocationForTests(QString());
}

} // namespace
