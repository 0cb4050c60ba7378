// SPDX-License-Identifier: GPL-3.0-or-later
// The times list: the month table's rows and cells, scrolling by the labels and by dragging,
// and following the main window's month.
#include "astro/fRiseSet.h"
#include "print/Canvas.h"
#include "settings/ObserverSettings.h"
#include "support/ReportDates.h"
#include "ui/Windows.h"
#include "ui/main/fMain.h"
#include "ui/reports/fTimesList.h"
#include "zone/Zone.h"

#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using reporttest::Date;
using reporttest::London;

QColor StripeOf(int day) {
    return (day - 1) % 2 == 0 ? QColor(Qt::black) : QColor(70, 70, 70);
}

// The cell of the table picture as the table draws it: text on the day's stripe.
QImage ExpectedCell(const QString& text, const QColor& colour, int day, QSize size) {
    QPixmap cell(size);
    cell.fill(StripeOf(day));
    QPainter p(&cell);
    canvas::SetFont(p, QStringLiteral("Arial"), canvas::ScreenPointSize(8));
    canvas::TextOut(p, 0, 0, text, colour);
    p.end();
    return cell.toImage();
}

QImage Cell(const QPixmap& data, int x, int day, QSize size) {
    return data.copy(x, 14 * (day - 1), size.width(), size.height()).toImage();
}

class TimesListTest : public ::testing::Test {
  protected:
    void SetUp() override {
        saved_ = ObserverSettings;
        ObserverSettings.DateFormat = QStringLiteral("dd/mm/yyyy");
    }
    void TearDown() override { ObserverSettings = saved_; }
    TObserverSettings saved_;
};

TEST_F(TimesListTest, ScrollLimitsFollowTheMonthLength) {
    TTimesList list;
    list.SetupDataBitmap(Date(10, 2, 2026), London());
    EXPECT_EQ(list.DayCount(), 28);
    EXPECT_EQ(list.MaxOffset(), 11);
    list.lblScrollUpClick(); // at the top already
    EXPECT_EQ(list.ScrollOffset(), 0);
    list.lblScrollDownClick();
    EXPECT_EQ(list.ScrollOffset(), 11);
    list.lblScrollDownClick();
    EXPECT_EQ(list.ScrollOffset(), 11);

    list.SetupDataBitmap(Date(1, 1, 2026), London());
    EXPECT_EQ(list.ScrollOffset(), 0); // a rebuild starts at the top
    EXPECT_EQ(list.MaxOffset(), 53);
    for (int i = 0; i < 5; ++i)
        list.lblScrollDownClick();
    EXPECT_EQ(list.ScrollOffset(), 53);
    list.lblScrollUpClick();
    EXPECT_EQ(list.ScrollOffset(), 39);
    // The labels do the same when clicked.
    QTest::mouseClick(list.lblScrollUp, Qt::LeftButton);
    EXPECT_EQ(list.ScrollOffset(), 25);
}

TEST_F(TimesListTest, RowsPastTheMonthStayEmptyStripes) {
    TTimesList list;
    list.SetupDataBitmap(Date(1, 2, 2026), London());
    const QImage data = list.DataPicture().toImage();
    ASSERT_EQ(data.size(), QSize(600, 434));
    for (int day = 29; day <= 31; ++day)
        for (int y = 14 * (day - 1); y < std::min(14 * day, 434); ++y)
            for (int x = 0; x < 600; x += 3)
                ASSERT_EQ(data.pixelColor(x, y), StripeOf(day)) << day << " " << x << "," << y;
}

TEST_F(TimesListTest, CellsShowTheEngineTextsInTheirColumns) {
    TTimesList list;
    const astro::DateTimeRec month = Date(1, 3, 2026);
    list.SetupDataBitmap(month, London());
    const QPixmap& data = list.DataPicture();

    // A day on which the Moon does not rise shows "*****" in the rise column.
    int skipDay = 0;
    for (int d = 1; d <= 31 && !skipDay; ++d)
        if (astro::MoonRiseSet(Date(d, 3, 2026), London()).Rise == "*****") skipDay = d;
    ASSERT_GT(skipDay, 0);
    const QColor aqua(0, 255, 255);
    EXPECT_EQ(Cell(data, 84, skipDay, {40, 14}),
              ExpectedCell(QStringLiteral("*****"), aqua, skipDay, {40, 14}));

    // Any day: date in white, Moon set in aqua, sunrise in yellow, end of astronomical dusk.
    const int day = 17;
    const TimesOfDay t = ComputeTimesOfDay(Date(day, 3, 2026), London());
    EXPECT_EQ(Cell(data, 10, day, {70, 14}),
              ExpectedCell(FormatListDate(Date(day, 3, 2026), ObserverSettings.DateFormat,
                                          SystemDateSeparator()),
                           Qt::white, day, {70, 14}));
    EXPECT_EQ(Cell(data, 162, day, {30, 14}),
              ExpectedCell(QString::fromStdString(t.Moon.Set), aqua, day, {30, 14}));
    EXPECT_EQ(Cell(data, 369, day, {36, 14}),
              ExpectedCell(QString::fromStdString(t.Sun.Rise), QColor(255, 255, 0), day, {36, 14}));
    EXPECT_EQ(Cell(data, 567, day, {33, 14}),
              ExpectedCell(QString::fromStdString(t.Astronomical.Set), QColor(255, 255, 176), day,
                           {33, 14}));
}

TEST_F(TimesListTest, UpAndDownApartAndASecondEventMarked) {
    // 78 N, December 2026: the Moon up all day on the 23rd, the Sun down all day; 26 May 2026
    // has two moonsets.
    astro::Observer north;
    north.Latitude = astro::DegToRad(78);
    north.Longitude = astro::DegToRad(-15.6);
    north.ZoneOffsetMinutes = 60;
    TTimesList list;
    list.SetupDataBitmap(Date(1, 12, 2026), north);
    const QColor aqua(0, 255, 255);
    EXPECT_EQ(Cell(list.DataPicture(), 84, 23, {40, 14}),
              ExpectedCell(QStringLiteral("Up"), aqua, 23, {40, 14}));
    EXPECT_EQ(Cell(list.DataPicture(), 369, 23, {36, 14}),
              ExpectedCell(QStringLiteral("Down"), QColor(255, 255, 0), 23, {36, 14}));
    // The 9th, near the new moon: the Moon down all day, as the panel and the printed calendar
    // show it.
    ASSERT_EQ(ComputeTimesOfDay(Date(9, 12, 2026), north).Moon.RiseState,
              astro::EventState::AlwaysDown);
    EXPECT_EQ(Cell(list.DataPicture(), 84, 9, {40, 14}),
              ExpectedCell(QStringLiteral("Down"), aqua, 9, {40, 14}));

    list.SetupDataBitmap(Date(1, 5, 2026), north);
    const TimesOfDay t = ComputeTimesOfDay(Date(26, 5, 2026), north);
    ASSERT_FALSE(t.Moon.Set2.empty());
    EXPECT_EQ(
        Cell(list.DataPicture(), 162, 26, {34, 14}),
        ExpectedCell(QString::fromStdString(t.Moon.Set) + QLatin1Char('+'), aqua, 26, {34, 14}));
    // The row's tooltip names the second one; rows without any have none.
    list.lblScrollDownClick(); // row 26 is below the first band only when scrolled: pick it
    const int y26 = TTimesList::BandTop + 25 * TTimesList::RowHeight - list.ScrollOffset() + 5;
    EXPECT_TRUE(
        list.NoteAt({200, y26})
            .contains(QStringLiteral("Moon set %1").arg(QString::fromStdString(t.Moon.Set2))));
    EXPECT_TRUE(list.NoteAt({200, TTimesList::BandTop - 5}).isEmpty());
}

TEST_F(TimesListTest, DateFollowsTheDateFormatSetting) {
    const astro::DateTimeRec d = Date(5, 7, 2026);
    EXPECT_EQ(FormatListDate(d, QStringLiteral("dd/mm/yyyy"), QStringLiteral("/")),
              QStringLiteral("05/07/2026"));
    EXPECT_EQ(FormatListDate(d, QStringLiteral("MM/DD/YYYY"), QStringLiteral(".")),
              QStringLiteral("07.05.2026"));
}

TEST_F(TimesListTest, DragMovesTheBandOnlyInsideItAndAppliesTheWholeMoveOnRelease) {
    TTimesList list;
    list.SetupDataBitmap(Date(1, 1, 2026), London());
    list.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));

    // Down outside the band (left edge), moving outside: nothing moves.
    QTest::mousePress(&list, Qt::LeftButton, {}, QPoint(8, 300));
    QTest::mouseMove(&list, QPoint(8, 280));
    EXPECT_EQ(list.ShownOffset(), 0);
    // Inside the band the table follows at once; the stored offset stays.
    QTest::mouseMove(&list, QPoint(300, 270));
    EXPECT_EQ(list.ShownOffset(), 30);
    EXPECT_EQ(list.ScrollOffset(), 0);
    // Released outside the band: the whole movement counts, clamped to the maximum.
    QTest::mouseRelease(&list, Qt::LeftButton, {}, QPoint(8, 200));
    EXPECT_EQ(list.ScrollOffset(), 53);
    EXPECT_EQ(list.ShownOffset(), 53);

    // Dragging down moves back up, not below 0.
    QTest::mousePress(&list, Qt::LeftButton, {}, QPoint(300, 100));
    QTest::mouseMove(&list, QPoint(300, 120));
    EXPECT_EQ(list.ShownOffset(), 33);
    QTest::mouseRelease(&list, Qt::LeftButton, {}, QPoint(300, 400));
    EXPECT_EQ(list.ScrollOffset(), 0);

    // The window shows the band from the offset: its first visible row is the picture's row.
    list.lblScrollDownClick();
    const QImage shown = list.grab(QRect(20, 80, 600, 380)).toImage();
    EXPECT_EQ(shown.copy(0, 0, 600, 100),
              list.DataPicture().copy(0, 14, 600, 100).toImage().convertToFormat(shown.format()));
}

TEST_F(TimesListTest, FollowsTheMainWindowsMonthWhileVisible) {
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    settingsstore::SetLocationForTests(home.filePath(QStringLiteral("Cresselle.ini")));
    DestroyWindows();
    CreateWindows();
    TMain* main = Windows().Main;
    TTimesList* list = Windows().TimesList;
    ASSERT_TRUE(main && list);

    main->SelectedDate = Date(3, 2, 2026);
    emit main->selectedMonthChanged(); // hidden: nothing rebuilt
    list->SetupDataBitmap(Date(1, 1, 2026));
    EXPECT_EQ(list->DayCount(), 31);

    list->show();
    main->SelectedDate = Date(3, 4, 2026);
    emit main->selectedMonthChanged();
    EXPECT_EQ(list->DayCount(), 30);
    list->lblScrollDownClick();
    main->SelectedDate = Date(3, 2, 2026);
    emit main->selectedMonthChanged();
    EXPECT_EQ(list->DayCount(), 28);
    EXPECT_EQ(list->ScrollOffset(), 0);

    list->hide();
    main->SelectedDate = Date(3, 5, 2026);
    emit main->selectedMonthChanged();
    EXPECT_EQ(list->DayCount(), 28);
    DestroyWindows();
    settingsstore::SetLocationForTests(QString());
}

} // namespace

// Where the clocks go back, a time in the repeated hour carries its zone ("01:04 GMT", London,
// 27 October 2024) and still keeps to its column: the three pixels before the next column
// stay the row's stripe.
TEST_F(TimesListTest, RepeatedHourLabelKeepsToItsColumn) {
    SetCurrentZone(*TZone::Named("Europe/London"));
    TTimesList list;
    list.SetupDataBitmap(Date(1, 10, 2024), London());
    const TimesOfDay t = ComputeTimesOfDay(Date(27, 10, 2024), London());
    SetCurrentZone(TZone::Fixed(0));
    ASSERT_TRUE(QString::fromStdString(t.Moon.Rise).endsWith(QStringLiteral(" GMT")))
        << t.Moon.Rise;
    const QImage row = list.DataPicture().copy(0, 14 * 26, 600, 14).toImage();
    const QColor stripe = StripeOf(27);
    for (int next : {124, 162, 245, 284, 323, 369, 409, 447, 491, 529, 567})
        for (int x = next - 3; x < next; ++x)
            for (int y = 0; y < 14; ++y)
                ASSERT_EQ(row.pixelColor(x, y), stripe) << "before column " << next << ", y " << y;
}
