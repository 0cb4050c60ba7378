// SPDX-License-Identifier: GPL-3.0-or-later
// The month calendar: grid layout by the first weekday, day selection, the heading and the
// year entry.
#include "astro/fRiseSet.h"
#include "main_window_fixture.h"

namespace {

using CalendarTest = MainWindowTest;

TEST_F(CalendarTest, StartsOnTheClocksDate) {
    EXPECT_EQ(main->SelectedDate.Day, 15);
    EXPECT_EQ(main->SelectedDate.Month, 3);
    EXPECT_EQ(main->SelectedDate.Year, 2024);
    EXPECT_EQ(main->lblSelectedmonth->text(), "March");
    EXPECT_EQ(main->lblSelectedYear->text(), "2024");
    EXPECT_EQ(main->DayLabels.size(), 7);
    EXPECT_EQ(main->DateLabels.size(), 42);
    EXPECT_EQ(Cell(0)->objectName(), "lblDateAA");
    EXPECT_EQ(Cell(41)->objectName(), "lblDateFG");
    EXPECT_EQ(Cell(41)->geometry(), QRect(420 + 29 * 6, 316 + 25 * 5, 20, 16));
}

// March 2026 begins on a Sunday.
TEST_F(CalendarTest, MondayFirstPutsASundayFirstOfTheMonthInTheLastColumn) {
    ObserverSettings.DayOrder = 1;
    main->SetDayTitles(1);
    SelectDate(2026, 3, 10);
    EXPECT_EQ(main->FirstWeekday, 0);
    EXPECT_EQ(main->MonthOffset, 6);
    EXPECT_EQ(Cell(5)->text(), " ");
    EXPECT_EQ(Cell(6)->text(), "1");
    EXPECT_EQ(Cell(35)->text(), "30"); // the sixth row is used
    EXPECT_EQ(Cell(36)->text(), "31");
    EXPECT_EQ(Cell(37)->text(), " ");
    EXPECT_EQ(main->DayLabels[0]->text(), QLocale::system().dayName(1, QLocale::ShortFormat));
    EXPECT_EQ(main->DayLabels[6]->text(), QLocale::system().dayName(7, QLocale::ShortFormat));
}

TEST_F(CalendarTest, SundayFirstStartsTheGridWithDayOne) {
    SelectDate(2026, 3, 10);
    EXPECT_EQ(main->MonthOffset, 0);
    EXPECT_EQ(Cell(0)->text(), "1");
    EXPECT_EQ(Cell(30)->text(), "31");
    EXPECT_EQ(Cell(31)->text(), " ");
}

TEST_F(CalendarTest, ClickingADaySelectsItAndRecomputesTheRiseAndSetTimes) {
    SelectDate(2024, 3, 15);
    const QString before = main->lblSunRise->text();
    TDateLabel* day2 = CellOfDay(2);
    ASSERT_NE(day2, nullptr);
    Click(day2);
    EXPECT_EQ(main->SelectedDate.Day, 2);
    EXPECT_EQ(main->imgCurrDate->pos(), day2->pos() - QPoint(1, 3));
    EXPECT_DOUBLE_EQ(main->SelectedDate.Julian, astro::DateToJulian(main->SelectedDate));

    const astro::RiseSetTimes sun =
        astro::SunRiseSet(main->SelectedDate, astro::SunriseAltitude, main->observer());
    EXPECT_EQ(main->lblSunRise->text().toStdString(), sun.Rise);
    EXPECT_EQ(main->lblSunSet->text().toStdString(), sun.Set);
    EXPECT_NE(main->lblSunRise->text(), before);
}

TEST_F(CalendarTest, ClickingABlankCellChangesNothing) {
    SelectDate(2024, 3, 15); // March 2024 begins on a Friday: cells 0..4 are blank
    const QPoint marker = main->imgCurrDate->pos();
    const astro::DateTimeRec before = main->SelectedDate;
    Click(Cell(0));
    Click(Cell(41));
    EXPECT_EQ(main->SelectedDate.Day, before.Day);
    EXPECT_EQ(main->imgCurrDate->pos(), marker);
}

TEST_F(CalendarTest, TypedYearChangesTheCalendarAndTellsTheMonthWindows) {
    QSignalSpy changed(main, &TMain::selectedMonthChanged);
    SelectDate(2024, 3, 15);
    Click(main->lblSelectedYear);
    EXPECT_TRUE(main->yearEntryOpen());
    EXPECT_EQ(main->EditedField, 3);
    Type("\b\b\b\b20231"); // a fifth digit is ignored
    EXPECT_EQ(main->lblSelectedYear->text(), "2023");
    Type("\r");
    EXPECT_FALSE(main->yearEntryOpen());
    EXPECT_EQ(main->SelectedDate.Year, 2023);
    EXPECT_EQ(main->SelectedDate.Month, 3);
    EXPECT_EQ(main->SelectedDate.Day, 15);
    EXPECT_EQ(main->lblSelectedYear->text(), "2023");
    EXPECT_EQ(main->lblSelectedYearShadow->text(), "2023");
    EXPECT_EQ(main->MonthOffset, 3); // 1 March 2023 was a Wednesday
    EXPECT_EQ(changed.count(), 1);
}

TEST_F(CalendarTest, EmptyOrZeroYearIsRefusedAndTheEntryStaysOpen) {
    SelectDate(2024, 3, 15);
    Click(main->lblSelectedYear);
    Type("\b\b\b\b\r");
    EXPECT_TRUE(main->yearEntryOpen());
    EXPECT_EQ(Notices.size(), 1);
    EXPECT_EQ(main->SelectedDate.Year, 2024);
    Type("0\r");
    EXPECT_TRUE(main->yearEntryOpen());
    EXPECT_EQ(Notices.size(), 2);
    EXPECT_EQ(main->SelectedDate.Year, 2024);
    Type("\b1999\r");
    EXPECT_FALSE(main->yearEntryOpen());
    EXPECT_EQ(main->SelectedDate.Year, 1999);
}

TEST_F(CalendarTest, ActivationKeepsAHalfTypedYear) {
    SelectDate(2024, 3, 15);
    Click(main->lblSelectedYear);
    Type("\b\b\b\b19");
    main->RefreshLatAndLong(); // what every activation does
    EXPECT_EQ(main->lblSelectedYear->text(), "19");
    EXPECT_TRUE(main->yearEntryOpen());
}

TEST_F(CalendarTest, YearChangeBringsTheDayWithinTheMonth) {
    SelectDate(2024, 2, 29);
    Click(main->lblSelectedYear);
    Type("\b\b\b\b2023\r");
    EXPECT_EQ(main->SelectedDate.Day, 28);
    EXPECT_EQ(main->imgCurrDate->pos(), CellOfDay(28)->pos() - QPoint(1, 3));

    // Before the reform the Julian calendar: 1500 has a 29 February.
    SelectDate(1500, 2, 29);
    EXPECT_EQ(main->SelectedDate.Day, 29);
    ASSERT_NE(CellOfDay(29), nullptr);
    // 10 October of a year typed as 1582 did not exist: the 15th, which follows the 4th.
    SelectDate(2024, 10, 10);
    Click(main->lblSelectedYear);
    Type("\b\b\b\b1582\r");
    EXPECT_EQ(main->SelectedDate.Day, 15);
    EXPECT_EQ(main->imgCurrDate->pos(), CellOfDay(15)->pos() - QPoint(1, 3));
    EXPECT_EQ(CellOfDay(10), nullptr);
    EXPECT_EQ(main->DateLabels.indexOf(CellOfDay(15)), main->DateLabels.indexOf(CellOfDay(4)) + 1);
}

TEST_F(CalendarTest, KeysChangeNothingWhileNoEntryIsOpen) {
    SelectDate(2024, 3, 15);
    Click(main->lblSelectedYear);
    Type("\b\b\b\b2020\r");
    ASSERT_EQ(main->SelectedDate.Year, 2020);
    Type("\b\b7\r");
    EXPECT_EQ(main->lblSelectedYear->text(), "2020");
    EXPECT_EQ(main->SelectedDate.Year, 2020);
    EXPECT_FALSE(main->timeEditorOpen());
}

TEST_F(CalendarTest, MonthNameEndsAHalfTypedYearAndOpensThePicker) {
    SelectDate(2024, 3, 15);
    Click(main->lblSelectedYear);
    Type("\b\b1");
    Click(main->lblSelectedmonth);
    EXPECT_EQ(main->SelectedDate.Year, 201);
    EXPECT_FALSE(main->yearEntryOpen());
    EXPECT_TRUE(Windows().MonthList->isVisible());
    Windows().MonthList->hide();
}

// Page Up/Down a month, with Ctrl a year, the wheel over the calendar, the heading's arrows;
// the day stays within the month and the year turns over at either end.
TEST_F(CalendarTest, KeysWheelAndArrowsMoveThroughTheMonths) {
    SelectDate(2024, 1, 31);
    QTest::keyClick(main, Qt::Key_PageDown);
    EXPECT_EQ(main->SelectedDate.Month, 2);
    EXPECT_EQ(main->SelectedDate.Day, 29);
    QTest::keyClick(main, Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(main->SelectedDate.Year, 2025);
    EXPECT_EQ(main->SelectedDate.Day, 28);
    EXPECT_EQ(main->lblSelectedYear->text(), "2025");
    QTest::keyClick(main, Qt::Key_PageUp);
    QTest::keyClick(main, Qt::Key_PageUp);
    EXPECT_EQ(main->SelectedDate.Month, 12);
    EXPECT_EQ(main->SelectedDate.Year, 2024);
    EXPECT_EQ(main->lblSelectedmonth->text(), "December");

    auto wheel = [this](QPoint at, int delta) {
        QWheelEvent event(at, main->mapToGlobal(at), {}, QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(main, &event);
    };
    wheel(QPoint(500, 380), -120); // towards the user: on in time
    EXPECT_EQ(main->SelectedDate.Month, 1);
    EXPECT_EQ(main->SelectedDate.Year, 2025);
    wheel(QPoint(100, 380), 120); // over the data panel: nothing
    EXPECT_EQ(main->SelectedDate.Month, 1);
    wheel(QPoint(500, 380), 60); // half a notch waits for the other half
    EXPECT_EQ(main->SelectedDate.Month, 1);
    wheel(QPoint(500, 380), 60);
    EXPECT_EQ(main->SelectedDate.Month, 12);

    Click(main->lblNextMonth);
    EXPECT_EQ(main->SelectedDate.Month, 1);
    Click(main->lblPrevMonth);
    EXPECT_EQ(main->SelectedDate.Month, 12);
    EXPECT_TRUE(main->lblPrevMonth->isVisibleTo(main));
}

// Home: today and now, and the clock offset gone; today keeps its frame when another day
// is selected, and the frame leaves with the month.
TEST_F(CalendarTest, HomeReturnsToTodayWhichStaysFramedApartFromTheSelection) {
    main->ClockOffset = 0.25;
    SelectDate(2023, 7, 4);
    EXPECT_FALSE(main->imgToday->isVisibleTo(main));
    QTest::keyClick(main, Qt::Key_Home);
    EXPECT_EQ(main->SelectedDate.Year, 2024);
    EXPECT_EQ(main->SelectedDate.Month, 3);
    EXPECT_EQ(main->SelectedDate.Day, 15);
    EXPECT_EQ(main->ClockOffset, 0);
    EXPECT_TRUE(main->imgToday->isVisibleTo(main));
    Click(CellOfDay(20));
    EXPECT_TRUE(main->imgToday->isVisibleTo(main));
    EXPECT_TRUE(main->imgToday->geometry().contains(CellOfDay(15)->geometry()));
    EXPECT_FALSE(main->imgToday->geometry().intersects(main->imgCurrDate->geometry()));
}

// A day clicked while a year is half typed: the typed year is dropped and the heading shows
// the year whose data the panel shows.
TEST_F(CalendarTest, ClickingADayWhileAYearIsTypedKeepsTheHeadingOnTheShownYear) {
    SelectDate(2024, 3, 15);
    Click(main->lblSelectedYear);
    Type("\b\b\b\b19");
    Click(CellOfDay(3));
    EXPECT_FALSE(main->yearEntryOpen());
    EXPECT_EQ(main->SelectedDate.Day, 3);
    EXPECT_EQ(main->lblSelectedYear->text(), "2024");
    Click(main->lblSelectedYear);
    Type("\b\b7");
    main->FormKeyPress(27); // Escape
    EXPECT_FALSE(main->yearEntryOpen());
    EXPECT_EQ(main->lblSelectedYear->text(), "2024");
}

} // namespace
