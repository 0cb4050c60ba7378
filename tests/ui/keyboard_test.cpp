// SPDX-License-Identifier: GPL-3.0-or-later
// The program by keyboard alone: the arrows move the selected day, Ctrl with the arrows steps
// the shown time, F1 opens the help, Ctrl+G takes a typed date, Tab and the arrows reach the
// toolbar, the menus and the month picker, and Enter or Space starts what they reach.
#include "ReportFixture.h"
#include "ui/main/fCalendarLabels.h"
#include "ui/main/fMonthList.h"
#include "ui/reports/fObservingAid.h"
#include "ui/reports/fReportMenu.h"

#include <QApplication>
#include <QLineEdit>

namespace {

class Keyboard : public ReportFixture {
  protected:
    void Key(QWidget* w, Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QTest::keyClick(w, key, mods);
    }
    QString Selected() const {
        const astro::DateTimeRec& d = main->SelectedDate;
        return QStringLiteral("%1-%2-%3").arg(d.Year).arg(d.Month).arg(d.Day);
    }
    void ShowActive(QWidget* w) {
        w->show();
        w->activateWindow();
        QApplication::setActiveWindow(w);
        QCoreApplication::processEvents();
    }
    int helpOpened() const {
        int n = 0;
        for (const QUrl& url : urls)
            if (url.toString().endsWith(QStringLiteral("docs/cresselle.htm"))) ++n;
        return n;
    }
};

TEST_F(Keyboard, ArrowsMoveTheDayAcrossMonthsAndCtrlStepsTheShownTime) {
    platform::Services().now = [] { return QDateTime(QDate(2024, 3, 1), QTime(10, 0)); };
    SelectDay(1, 3, 2024);
    Key(main, Qt::Key_Left);
    EXPECT_EQ(Selected(), "2024-2-29"); // a leap day, in the month before
    EXPECT_EQ(main->lblSelectedmonth->text(), "February");
    Key(main, Qt::Key_Down);
    EXPECT_EQ(Selected(), "2024-3-7");
    Key(main, Qt::Key_Up);
    Key(main, Qt::Key_Right);
    EXPECT_EQ(Selected(), "2024-3-1");
    // The marker sits on the selected day's cell.
    const TDateLabel* cell = main->DateLabels[main->MonthOffset];
    EXPECT_EQ(main->imgCurrDate->pos(), cell->pos() - QPoint(1, 3));

    // Ctrl+Right an hour on, Ctrl+Left back; Ctrl+Up a day back, the time of day kept.
    const double offset = main->ClockOffset;
    Key(main, Qt::Key_Right, Qt::ControlModifier);
    EXPECT_NEAR(main->ClockOffset - offset, 1.0 / 24, 1e-9);
    Key(main, Qt::Key_Left, Qt::ControlModifier);
    EXPECT_NEAR(main->ClockOffset, offset, 1e-9);
    Key(main, Qt::Key_Up, Qt::ControlModifier);
    EXPECT_EQ(Selected(), "2024-2-29");
    Key(main, Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(Selected(), "2024-3-1");
    // 24 hours on by the hour key land on the next day.
    for (int i = 0; i < 24; ++i)
        Key(main, Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(main->ShownDate().Day, 2);
    EXPECT_EQ(main->ShownDate().Month, 3);
}

TEST_F(Keyboard, GoToDateTakesATypedDateAndRefusesOthers) {
    SelectDay(15, 3, 2024);
    ShowActive(main);
    Key(main, Qt::Key_G, Qt::ControlModifier);
    ASSERT_TRUE(main->txtGoToDate->isVisible());
    QTest::keyClicks(main->txtGoToDate, QStringLiteral("1969-07-20"));
    Key(main->txtGoToDate, Qt::Key_Return);
    EXPECT_EQ(Selected(), "1969-7-20");
    EXPECT_EQ(main->lblSelectedYear->text(), "1969");
    EXPECT_FALSE(main->txtGoToDate->isVisible());

    EXPECT_TRUE(main->GoToTypedDate(QStringLiteral("4 oct 1582")));
    EXPECT_EQ(Selected(), "1582-10-4");
    const int messagesBefore = messages.size();
    for (const char* bad : {"2023-02-29", "10 October 1582", "0-1-1", "31 Smarch 2020", "soon"})
        EXPECT_FALSE(main->GoToTypedDate(QString::fromLatin1(bad))) << bad;
    EXPECT_EQ(Selected(), "1582-10-4");
    EXPECT_EQ(messages.size(), messagesBefore); // a beep, no message box

    // Escape closes the entry and leaves the day.
    Key(main, Qt::Key_G, Qt::ControlModifier);
    QTest::keyClicks(main->txtGoToDate, QStringLiteral("2000-01-01"));
    Key(main->txtGoToDate, Qt::Key_Escape);
    EXPECT_FALSE(main->txtGoToDate->isVisible());
    EXPECT_EQ(Selected(), "1582-10-4");
}

TEST_F(Keyboard, F1OpensTheHelpFromAnyWindow) {
    Key(main, Qt::Key_F1);
    EXPECT_EQ(helpOpened(), 1);
    Key(Windows().ObservingAid, Qt::Key_F1);
    EXPECT_EQ(helpOpened(), 2);
}

TEST_F(Keyboard, TabReachesTheToolbarAndEnterOrSpaceStartsIt) {
    ShowActive(main);
    main->setFocus();
    QWidget* reached[20] = {};
    int count = 0;
    for (int i = 0; i < 20 && count < 20; ++i) {
        Key(QApplication::focusWidget() ? QApplication::focusWidget() : main, Qt::Key_Tab);
        reached[count++] = QApplication::focusWidget();
    }
    auto wasReached = [&](const QWidget* w) {
        return std::find(reached, reached + count, w) != reached + count;
    };
    for (QWidget* button :
         {static_cast<QWidget*>(main->lblPrint), static_cast<QWidget*>(main->lblTimesList),
          static_cast<QWidget*>(main->lblReports), static_cast<QWidget*>(main->lblHelp),
          static_cast<QWidget*>(main->lblSelectedmonth)})
        EXPECT_TRUE(wasReached(button)) << button->objectName().toStdString();

    // The arrows walk along the toolbar; Enter starts the picture, Space too.
    main->lblHelp->setFocus(Qt::TabFocusReason);
    Key(main->lblHelp, Qt::Key_Left);
    EXPECT_EQ(QApplication::focusWidget(), main->lblConfig);
    Key(main->lblConfig, Qt::Key_Right);
    EXPECT_EQ(QApplication::focusWidget(), main->lblHelp);
    Key(main->lblHelp, Qt::Key_Return);
    EXPECT_EQ(helpOpened(), 1);
    Key(main->lblHelp, Qt::Key_Space);
    EXPECT_EQ(helpOpened(), 2);
    // The clock picture opens the time editor, which then takes the keys and Enter.
    main->lblClock->setFocus(Qt::TabFocusReason);
    Key(main->lblClock, Qt::Key_Space);
    ASSERT_TRUE(main->timeEditorOpen());
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("7"));
    Key(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_FALSE(main->timeEditorOpen());
    EXPECT_EQ(main->ShownDate().Hour, 7);
    main->lblReports->setFocus(Qt::TabFocusReason);
    Key(main->lblReports, Qt::Key_Space);
    EXPECT_TRUE(Windows().ReportMenu->isVisible());
}

TEST_F(Keyboard, MenuRowsTakeArrowsAndEnter) {
    SelectDay(15, 3, 2024);
    TReportMenu* menu = Windows().ReportMenu;
    ShowActive(menu);
    Key(menu, Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget(), menu->imgLunarVisibility);
    EXPECT_TRUE(menu->imgArrow->isVisible());
    EXPECT_EQ(menu->imgArrow->y(), menu->imgLunarVisibility->y());
    Key(menu->imgLunarVisibility, Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget(), menu->imgFindEclipses);
    EXPECT_EQ(menu->imgArrow->y(), menu->imgFindEclipses->y());
    Key(menu->imgFindEclipses, Qt::Key_Up);
    Key(menu->imgLunarVisibility, Qt::Key_Return);
    EXPECT_TRUE(Windows().ObservingAid->isVisible());
}

TEST_F(Keyboard, MonthPickerTakesArrowsAndEnter) {
    SelectDay(15, 3, 2024);
    TMonthList* picker = Windows().MonthList;
    ShowActive(picker);
    Key(picker, Qt::Key_Down); // the marker starts on the shown month
    EXPECT_EQ(picker->imgMonthArrow->y(), 2 * TMonthList::RowHeight);
    Key(picker, Qt::Key_Down);
    Key(picker, Qt::Key_Down);
    Key(picker, Qt::Key_Up);
    EXPECT_EQ(picker->imgMonthArrow->y(), 3 * TMonthList::RowHeight);
    EXPECT_TRUE(picker->isVisible());
    Key(picker, Qt::Key_Return);
    EXPECT_FALSE(picker->isVisible());
    EXPECT_EQ(Selected(), "2024-4-15");
}

} // namespace
