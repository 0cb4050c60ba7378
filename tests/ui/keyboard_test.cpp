// SPDX-License-Identifier: GPL-3.0-or-later
// The program by keyboard alone: arrows, time steps, F1, Ctrl+G, the toolbar, a menu and the
// month picker.
#include "ReportFixture.h"
#include "ui/main/fMonthList.h"
#include "ui/reports/fEclipseReport.h"
#include "ui/reports/fReportMenu.h"

#include <QApplication>
#include <QLineEdit>

namespace {

class Keyboard : public ReportFixture {
  protected:
    static void Key(QWidget* w, Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QTest::keyClick(w, key, mods);
    }
    QString Selected() const {
        const astro::DateTimeRec& d = main->SelectedDate;
        return QStringLiteral("%1-%2-%3").arg(d.Year).arg(d.Month).arg(d.Day);
    }
    static void ShowActive(QWidget* w) {
        w->show();
        QApplication::setActiveWindow(w);
        QCoreApplication::processEvents();
    }
};

TEST_F(Keyboard, ArrowsStepDaysAndCtrlStepsTheShownTime) {
    platform::Services().now = [] { return QDateTime(QDate(2024, 3, 1), QTime(10, 0)); };
    SelectDay(1, 3, 2024);
    Key(main, Qt::Key_Left);
    EXPECT_EQ(Selected(), "2024-2-29"); // into the month before
    EXPECT_EQ(main->lblSelectedmonth->text(), "February");
    Key(main, Qt::Key_Down);
    EXPECT_EQ(Selected(), "2024-3-7");
    Key(main, Qt::Key_Up, Qt::ControlModifier);
    EXPECT_EQ(Selected(), "2024-3-6");
    for (int i = 0; i < 24; ++i)
        Key(main, Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(main->ShownDate().Day, 7); // 24 hours on land on the next day
    Key(main, Qt::Key_F1);
    ASSERT_EQ(urls.size(), 1u);
    EXPECT_TRUE(urls[0].toString().endsWith("docs/cresselle.htm"));
}

TEST_F(Keyboard, GoToDateTakesATypedDateAndRefusesOthers) {
    ShowActive(main);
    Key(main, Qt::Key_G, Qt::ControlModifier);
    ASSERT_TRUE(main->txtGoToDate->isVisible());
    QTest::keyClicks(main->txtGoToDate, QStringLiteral("1969-07-20"));
    Key(main->txtGoToDate, Qt::Key_Return);
    EXPECT_EQ(Selected(), "1969-7-20");
    EXPECT_FALSE(main->txtGoToDate->isVisible());
    EXPECT_TRUE(main->GoToTypedDate(QStringLiteral("4 oct 1582")));
    for (const char* bad : {"2023-02-29", "10 October 1582", "0-1-1", "soon"})
        EXPECT_FALSE(main->GoToTypedDate(QString::fromLatin1(bad))) << bad;
    EXPECT_EQ(Selected(), "1582-10-4");
}

TEST_F(Keyboard, ToolbarMenuAndMonthPickerByKeys) {
    SelectDay(15, 3, 2024);
    ShowActive(main);
    main->setFocus();
    bool reachedHelp = false;
    for (int i = 0; i < 12; ++i) {
        Key(QApplication::focusWidget(), Qt::Key_Tab);
        reachedHelp = reachedHelp || QApplication::focusWidget() == main->lblHelp;
    }
    EXPECT_TRUE(reachedHelp);
    // The clock picture opens the editor, which then takes the digits and Enter.
    main->lblClock->setFocus(Qt::TabFocusReason);
    Key(main->lblClock, Qt::Key_Space);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("7"));
    Key(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_FALSE(main->timeEditorOpen());
    EXPECT_EQ(main->ShownDate().Hour, 7);

    TMonthList* picker = Windows().MonthList;
    ShowActive(picker);
    Key(picker, Qt::Key_Down); // the marker starts on the shown month
    Key(picker, Qt::Key_Down);
    Key(picker, Qt::Key_Return);
    EXPECT_EQ(Selected(), "2024-4-15");

    TReportMenu* menu = Windows().ReportMenu;
    ShowActive(menu);
    Key(menu, Qt::Key_Down);
    Key(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget(), menu->imgFindEclipses);
    EXPECT_EQ(menu->imgArrow->y(), menu->imgFindEclipses->y());
    Key(menu->imgFindEclipses, Qt::Key_Return);
    EXPECT_TRUE(Windows().EclipseReport->isVisible());
}

} // namespace
