// SPDX-License-Identifier: GPL-3.0-or-later
// The clock: midnight, the time editor with its offset, its refusals and its reset, and the
// local sidereal time beside the clock.
#include "astro/fSidereal.h"
#include "main_window_fixture.h"

#include <QTimer>

namespace {

using ClockTest = MainWindowTest;

void Tick(TMain* main) {
    main->Timer1Timer();
}

TEST_F(ClockTest, DayAdvancesAtLocalMidnight) {
    SetClock(2024, 3, 15, 23, 59, 59);
    SelectDate(2024, 3, 15);
    Tick(main);
    EXPECT_EQ(main->SelectedDate.Day, 15);
    EXPECT_TRUE(main->ClockText.startsWith("23:59:59  15 March 2024 - "));
    SetClock(2024, 3, 16, 0, 0, 0);
    Tick(main);
    EXPECT_EQ(main->SelectedDate.Day, 16);
    EXPECT_EQ(main->imgCurrDate->pos(), CellOfDay(16)->pos() - QPoint(1, 3));
    EXPECT_TRUE(main->ClockText.startsWith("00:00:00  16 March 2024 - "));
    EXPECT_DOUBLE_EQ(main->ClockOffset, 0);

    // The clock set back an hour (end of daylight saving) is no midnight.
    SetClock(2024, 3, 16, 2, 59, 59);
    Tick(main);
    SetClock(2024, 3, 16, 2, 0, 0);
    Tick(main);
    EXPECT_EQ(main->SelectedDate.Day, 16);
    EXPECT_TRUE(main->ClockText.startsWith("02:00:00  16 March 2024 - "));
}

TEST_F(ClockTest, MonthAndYearFollowAtTheirEnds) {
    SetClock(2024, 12, 31, 23, 59, 59);
    SelectDate(2024, 12, 31);
    Tick(main);
    SetClock(2025, 1, 1, 0, 0, 1);
    Tick(main);
    EXPECT_EQ(main->SelectedDate.Day, 1);
    EXPECT_EQ(main->SelectedDate.Month, 1);
    EXPECT_EQ(main->SelectedDate.Year, 2025);
    EXPECT_EQ(main->lblSelectedmonth->text(), "January");
    EXPECT_EQ(main->lblSelectedYear->text(), "2025");
    EXPECT_EQ(Cell(main->MonthOffset)->text(), "1");
}

// Opens the editor and types a time into the three fields.
void TypeTime(MainWindowTest& t, TMain* main, const char* hh, const char* mm, const char* ss) {
    main->lblClockClick();
    main->lblHourClick();
    for (const char* field : {hh, mm, ss}) {
        main->FormKeyPress(8);
        main->FormKeyPress(8);
        for (const char* c = field; *c; ++c)
            main->FormKeyPress(*c);
        if (field == hh)
            main->lblMinuteClick();
        else if (field == mm)
            main->lblSecondClick();
    }
    (void)t;
}

TEST_F(ClockTest, TypedTimeSetsAnOffsetAndTheClockRunsOnFromIt) {
    SetClock(2024, 3, 15, 23, 0, 0);
    SelectDate(2024, 3, 15);
    Tick(main);
    TypeTime(*this, main, "01", "00", "00");
    EXPECT_FALSE(main->Timer1->isActive()); // the clock stands while the editor is open
    main->FormKeyPress(13);
    EXPECT_FALSE(main->timeEditorOpen());
    EXPECT_TRUE(main->Timer1->isActive());
    EXPECT_NEAR(main->ClockOffset, -22.0 / 24.0, 1e-12);
    EXPECT_TRUE(main->ClockText.startsWith("01:00:00  15 March 2024 - "));

    SetClock(2024, 3, 15, 23, 0, 1);
    Tick(main);
    EXPECT_EQ(ShownClock(), "01:00:01");

    // The system passes midnight: the shown time runs on within the same day.
    SetClock(2024, 3, 16, 0, 0, 5);
    Tick(main);
    EXPECT_TRUE(main->ClockText.startsWith("02:00:05  15 March 2024 - "));
    EXPECT_EQ(main->SelectedDate.Day, 15);

    // The shown time passes midnight: the calendar moves on with it.
    SetClock(2024, 3, 16, 21, 59, 59);
    Tick(main);
    EXPECT_TRUE(main->ClockText.startsWith("23:59:59  15 March 2024 - "));
    SetClock(2024, 3, 16, 22, 0, 0);
    Tick(main);
    EXPECT_TRUE(main->ClockText.startsWith("00:00:00  16 March 2024 - "));
    EXPECT_EQ(main->SelectedDate.Day, 16);
    EXPECT_EQ(main->imgCurrDate->pos(), CellOfDay(16)->pos() - QPoint(1, 3));
}

TEST_F(ClockTest, SiderealTimeFollowsTheShownTime) {
    SetClock(2024, 3, 15, 23, 0, 0);
    SelectDate(2024, 3, 15);
    TypeTime(*this, main, "06", "30", "00");
    main->FormKeyPress(13);
    const std::string lst = astro::LocalSiderealTimeText(main->ShownDate(), main->observer());
    EXPECT_EQ(main->LstText.toStdString(), "LST: " + lst);
    astro::DateTimeRec system = main->SelectedDate;
    EXPECT_NE(main->LstText.toStdString(),
              "LST: " + astro::LocalSiderealTimeText(system, main->observer()));
}

TEST_F(ClockTest, OutOfRangeFieldsBeepAndKeepTheEditorOpen) {
    SetClock(2024, 3, 15, 12, 0, 0);
    SelectDate(2024, 3, 15);
    TypeTime(*this, main, "24", "00", "00");
    main->lblHourClick();
    main->FormKeyPress(13);
    EXPECT_EQ(Beeps, 1);
    EXPECT_TRUE(main->timeEditorOpen());
    EXPECT_EQ(main->lblHour->text(), "24");

    main->FormKeyPress(8);
    main->FormKeyPress(8);
    main->FormKeyPress('2');
    main->FormKeyPress('3');
    main->lblMinuteClick();
    main->FormKeyPress(8);
    main->FormKeyPress(8);
    main->FormKeyPress('6');
    main->FormKeyPress('0');
    main->FormKeyPress(13);
    EXPECT_EQ(Beeps, 2);
    main->lblSecondClick();
    main->FormKeyPress(8);
    main->FormKeyPress(13); // an empty field is refused too
    EXPECT_EQ(Beeps, 3);
    EXPECT_TRUE(main->timeEditorOpen());
    EXPECT_DOUBLE_EQ(main->ClockOffset, 0);
}

TEST_F(ClockTest, ResetCountsOnlyInsideTheButton) {
    SetClock(2024, 3, 15, 12, 0, 0);
    SelectDate(2024, 3, 15);
    TypeTime(*this, main, "08", "00", "00");
    main->FormKeyPress(13);
    SelectDate(2024, 5, 2);
    main->lblClockClick();
    ASSERT_TRUE(main->timeEditorOpen());

    QTest::mouseRelease(main->imgTimeButton, Qt::LeftButton, {}, QPoint(86, 10));
    EXPECT_TRUE(main->timeEditorOpen());
    QTest::mouseRelease(main->imgTimeButton, Qt::LeftButton, {}, QPoint(100, 20));
    EXPECT_TRUE(main->timeEditorOpen());
    QTest::mouseRelease(main->imgTimeButton, Qt::LeftButton, {}, QPoint(87, 19));
    EXPECT_FALSE(main->timeEditorOpen());
    EXPECT_DOUBLE_EQ(main->ClockOffset, 0);
    EXPECT_EQ(main->SelectedDate.Day, 15);
    EXPECT_EQ(main->SelectedDate.Month, 3);
    EXPECT_TRUE(main->Timer1->isActive());
    EXPECT_TRUE(main->ClockText.startsWith("12:00:00  15 March 2024 - "));
}

TEST_F(ClockTest, EditorShowsTheShownTimeNotTheSystemTime) {
    SetClock(2024, 3, 15, 12, 0, 0);
    SelectDate(2024, 3, 15);
    TypeTime(*this, main, "08", "15", "30");
    main->FormKeyPress(13);
    main->lblClockClick();
    EXPECT_EQ(main->lblHour->text(), "08");
    EXPECT_EQ(main->lblMinute->text(), "15");
    EXPECT_EQ(main->lblSecond->text(), "30");
    EXPECT_EQ(main->lblHour->pos(), QPoint(140, 44));
    EXPECT_EQ(main->lblSecond->pos(), QPoint(190, 44));
}

TEST_F(ClockTest, ShownTimeIsExactToTheSecondAllDay) {
    SelectDate(2024, 3, 15);
    for (int offset : {0, -22 * 3600, 5 * 3600 + 17}) {
        main->ClockOffset = offset / 86400.0;
        for (int t = 0; t < 86400; ++t) {
            main->SelectedDate.Hour = static_cast<std::uint16_t>(t / 3600);
            main->SelectedDate.Minute = static_cast<std::uint16_t>(t / 60 % 60);
            main->SelectedDate.Second = static_cast<std::uint16_t>(t % 60);
            main->SelectedDate.Julian = astro::DateToJulian(main->SelectedDate);
            const astro::DateTimeRec shown = main->ShownDate();
            const int expected = ((t + offset) % 86400 + 86400) % 86400;
            ASSERT_EQ(shown.Hour * 3600 + shown.Minute * 60 + shown.Second, expected)
                << t << " " << offset;
            const int dayShift = t + offset < 0 ? -1 : (t + offset >= 86400 ? 1 : 0);
            ASSERT_EQ(shown.Day, 15 + dayShift) << t << " " << offset;
        }
    }
}

TEST_F(ClockTest, ClockStripIsDrawnAtItsPlace) {
    SelectDate(2024, 3, 15);
    Tick(main);
    // The strip's picture shows through where no text is drawn.
    const QImage surface = main->surface().toImage();
    const QImage strip(QStringLiteral(":/clock_strip.jpg"));
    ASSERT_FALSE(strip.isNull());
    EXPECT_EQ(surface.pixel(2, 40 + 12), strip.pixel(2, 12));
    EXPECT_EQ(surface.pixel(637, 40 + 1), strip.pixel(637, 1));
}

// The editor closes without a change on Escape, on a click elsewhere and on Enter with nothing
// typed (its fields then hold the time it opened at, stale by now); the clock runs on.
TEST_F(ClockTest, EditorClosesWithoutAStaleTime) {
    SetClock(2024, 3, 15, 12, 0, 0);
    QTest::keyClick(main, Qt::Key_Home);
    main->lblClockClick();
    main->FormKeyPress('7');
    QTest::keyClick(main, Qt::Key_Escape);
    EXPECT_FALSE(main->timeEditorOpen());
    EXPECT_TRUE(main->Timer1->isActive());
    EXPECT_DOUBLE_EQ(main->ClockOffset, 0);

    main->lblClockClick();
    SetClock(2024, 3, 15, 12, 10, 0);
    main->FormKeyPress(13);
    EXPECT_FALSE(main->timeEditorOpen());
    EXPECT_DOUBLE_EQ(main->ClockOffset, 0);
    EXPECT_TRUE(main->ClockText.startsWith("12:10:00  15 March 2024 - "));

    main->lblClockClick();
    QTest::mouseClick(main->lblHour, Qt::LeftButton);
    EXPECT_TRUE(main->timeEditorOpen()) << "a click on a field edits it";
    QTest::mouseClick(main->lblLibration, Qt::LeftButton);
    EXPECT_FALSE(main->timeEditorOpen());
    EXPECT_TRUE(main->Timer1->isActive());
}

// A field's text is selected on entry, so typing replaces it; Tab moves to the next field;
// Enter takes only the typed fields, the others run on with the clock.
TEST_F(ClockTest, TypingReplacesTheFieldAndEnterTakesOnlyWhatWasTyped) {
    SetClock(2024, 3, 15, 16, 20, 10);
    QTest::keyClick(main, Qt::Key_Home);
    main->lblClockClick();
    QTest::mouseClick(main->lblHour, Qt::LeftButton);
    QTest::keyClicks(main, QStringLiteral("23"));
    EXPECT_EQ(main->lblHour->text(), "23");
    SetClock(2024, 3, 15, 16, 20, 13); // three seconds pass while typing
    QTest::keyClick(main, Qt::Key_Return);
    EXPECT_FALSE(main->timeEditorOpen());
    EXPECT_TRUE(main->ClockText.startsWith("23:20:13  15 March 2024 - "))
        << main->ClockText.toStdString();
    EXPECT_NEAR(main->ClockOffset * 86400, 7 * 3600, 1e-6);

    // Tab to the minutes, type 5; Shift+Tab wraps back round to the seconds.
    main->lblClockClick();
    QTest::keyClick(main, Qt::Key_Tab);
    QTest::keyClicks(main, QStringLiteral("5"));
    QTest::keyClick(main, Qt::Key_Backtab);
    QTest::keyClick(main, Qt::Key_Backtab);
    EXPECT_EQ(main->EditedField, 2);
    SetClock(2024, 3, 15, 16, 20, 20);
    QTest::keyClick(main, Qt::Key_Enter);
    EXPECT_TRUE(main->ClockText.startsWith("23:05:20  15 March 2024 - "))
        << main->ClockText.toStdString();
}

// The strip tells how far the shown time is from now, and nothing when it shows now.
TEST_F(ClockTest, StripShowsTheOffsetFromNow) {
    SetClock(2024, 3, 15, 12, 0, 0);
    QTest::keyClick(main, Qt::Key_Home);
    const QImage now = main->surface().toImage().copy(575, 40, 60, 24);
    TypeTime(*this, main, "09", "00", "00");
    main->FormKeyPress(13);
    const QImage set = main->surface().toImage().copy(575, 40, 60, 24);
    EXPECT_NE(now, set);
    QTest::keyClick(main, Qt::Key_Home);
    EXPECT_EQ(main->surface().toImage().copy(575, 40, 60, 24), now);
}

} // namespace
