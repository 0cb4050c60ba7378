// SPDX-License-Identifier: GPL-3.0-or-later
// The month picker: placement beside the calendar heading, the marker, and picking a month.
#include "main_window_fixture.h"

namespace {

using MonthListTest = MainWindowTest;

QPoint RowCentre(int row) {
    return {50, row * TMonthList::RowHeight + 14};
}

TEST_F(MonthListTest, PickingFebruaryBringsTheThirtyFirstWithinTheMonth) {
    QSignalSpy changed(main, &TMain::selectedMonthChanged);
    TMonthList* picker = Windows().MonthList;
    SelectDate(2023, 1, 31);
    picker->show();
    QTest::mouseMove(picker->imgMonths, RowCentre(1));
    Click(picker->imgMonths, RowCentre(1));
    EXPECT_FALSE(picker->isVisible());
    EXPECT_EQ(main->SelectedDate.Month, 2);
    EXPECT_EQ(main->SelectedDate.Day, 28);
    EXPECT_EQ(main->lblSelectedmonth->text(), "February");
    EXPECT_EQ(changed.count(), 1);

    SelectDate(2024, 1, 31);
    picker->show();
    Click(picker->imgMonths, RowCentre(1));
    EXPECT_EQ(main->SelectedDate.Day, 29);
    EXPECT_EQ(main->imgCurrDate->pos(), CellOfDay(29)->pos() - QPoint(1, 3));

    SelectDate(2024, 1, 15);
    picker->show();
    Click(picker->imgMonths, RowCentre(11));
    EXPECT_EQ(main->SelectedDate.Month, 12);
    EXPECT_EQ(main->SelectedDate.Day, 15);
}

TEST_F(MonthListTest, MarkerFollowsThePointerRowByRow) {
    TMonthList* picker = Windows().MonthList;
    picker->show();
    EXPECT_FALSE(picker->imgMonthArrow->isVisible());
    picker->imgMonthsMouseMove(3 * 29 + 28);
    EXPECT_TRUE(picker->imgMonthArrow->isVisible());
    EXPECT_EQ(picker->imgMonthArrow->pos(), QPoint(10, 3 * 29));
    picker->imgMonthsMouseMove(4 * 29);
    EXPECT_EQ(picker->imgMonthArrow->y(), 4 * 29);
    picker->hide();
}

TEST_F(MonthListTest, OpensBesideTheHeadingWithinTheScreen) {
    TMonthList* picker = Windows().MonthList;
    main->move(100, 50);
    picker->show();
    EXPECT_EQ(picker->pos(), main->pos() + QPoint(580, 50));
    EXPECT_EQ(picker->size(), QSize(100, 348));
    picker->hide();

    const QSize screen = picker->screenSize();
    main->move(screen.width() - 620, screen.height() - 100);
    picker->show();
    EXPECT_EQ(picker->x(), screen.width() - 100);
    EXPECT_EQ(picker->y(), screen.height() - 348);
    picker->hide();
}

TEST_F(MonthListTest, LosingActivationClosesWithoutAChange) {
    TMonthList* picker = Windows().MonthList;
    SelectDate(2024, 5, 5);
    picker->show();
    QApplication::setActiveWindow(picker);
    QApplication::setActiveWindow(main);
    QCoreApplication::processEvents();
    EXPECT_FALSE(picker->isVisible());
    EXPECT_EQ(main->SelectedDate.Month, 5);
}

} // namespace
