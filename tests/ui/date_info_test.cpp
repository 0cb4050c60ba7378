// SPDX-License-Identifier: GPL-3.0-or-later
// The date information popup: day number, ISO week, days till Christmas, and which clicks on
// the calendar open it.
#include "main_window_fixture.h"

#include <QLabel>

namespace {

astro::DateTimeRec Date(int day, int month, int year) {
    astro::DateTimeRec d;
    d.Day = static_cast<std::uint16_t>(day);
    d.Month = static_cast<std::uint16_t>(month);
    d.Year = static_cast<std::uint16_t>(year);
    d.Hour = 17; // the time of day plays no part
    d.Minute = 45;
    return d;
}

struct WeekCase {
    int day, month, year;
    int week, weekYear, weekday;
};

TEST(DateInformation, IsoWeeksAtTheTurnOfTheYear) {
    const WeekCase cases[] = {
        {1, 1, 2001, 1, 2001, 1},    // a Monday
        {31, 12, 2003, 1, 2004, 3},  // a Wednesday in week 1 of the next year
        {1, 1, 2005, 53, 2004, 6},   // a Saturday in week 53 of the year before
        {1, 1, 2003, 1, 2003, 3},    // a Wednesday
        {28, 12, 2026, 53, 2026, 1}, // a long year
        {4, 1, 2021, 1, 2021, 1},    // 1..3 January 2021 belong to 2020-W53
        {3, 1, 2021, 53, 2020, 7},
    };
    for (const WeekCase& c : cases) {
        const DateInformation info = ComputeDateInformation(Date(c.day, c.month, c.year));
        EXPECT_EQ(info.Week, c.week) << c.day << "." << c.month << "." << c.year;
        EXPECT_EQ(info.WeekYear, c.weekYear) << c.day << "." << c.month << "." << c.year;
        EXPECT_EQ(info.Weekday, c.weekday) << c.day << "." << c.month << "." << c.year;
    }
}

TEST(DateInformation, DayNumberJulianDayAndChristmas) {
    DateInformation info = ComputeDateInformation(Date(1, 1, 2001));
    EXPECT_EQ(info.DayNumber, 1);
    EXPECT_DOUBLE_EQ(info.Julian, 2451910.5);
    EXPECT_EQ(ComputeDateInformation(Date(31, 12, 2004)).DayNumber, 366);
    EXPECT_EQ(ComputeDateInformation(Date(25, 12, 2003)).DaysTillChristmas, 0);
    EXPECT_EQ(ComputeDateInformation(Date(24, 12, 2003)).DaysTillChristmas, 1);
    EXPECT_EQ(ComputeDateInformation(Date(26, 12, 2003)).DaysTillChristmas, 365); // 2004 is leap
    EXPECT_EQ(ComputeDateInformation(Date(1, 1, 2003)).DaysTillChristmas, 358);
}

using DateInfoTest = MainWindowTest;

TEST_F(DateInfoTest, RightClickOnADayShowsItsInformation) {
    SelectDate(2003, 1, 15);
    TDateInfo* info = Windows().DateInfo;
    Click(CellOfDay(1), {}, Qt::RightButton);
    ASSERT_TRUE(info->isVisible());
    EXPECT_EQ(info->lblSelectedDate->text(), "01 January 2003");
    EXPECT_EQ(info->lblSelectedDate->x(), (info->width() - info->lblSelectedDate->width()) / 2);
    EXPECT_EQ(info->Label1->text(), "2452640.5");
    EXPECT_EQ(info->Label2->text(), "1");
    EXPECT_EQ(info->Label3->text(), "1  (2003-W1-3)");
    EXPECT_EQ(info->Label4->text(), "358");
    EXPECT_EQ(info->pos(), TFrame::CentredOn(*main, info->size()));
    EXPECT_EQ(main->SelectedDate.Day, 15); // the selection stays
    info->hide();
}

TEST_F(DateInfoTest, LeftClicksAndBlankCellsOpenNothing) {
    SelectDate(2024, 3, 15); // cells 0..4 are blank
    TDateInfo* info = Windows().DateInfo;
    Click(Cell(0), {}, Qt::RightButton);
    EXPECT_FALSE(info->isVisible());
    Click(CellOfDay(9), {}, Qt::LeftButton);
    EXPECT_FALSE(info->isVisible());
    EXPECT_EQ(main->SelectedDate.Day, 9);
}

} // namespace
