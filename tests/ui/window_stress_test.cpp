// SPDX-License-Identifier: GPL-3.0-or-later
// The windows under stress: clock ticks with the time editor opened and closed in between,
// rapid month changes with every report window open, and every window opened and closed over
// and over. Nothing may fail and the heap may not keep growing. ctest runs a short round;
// CRESSELLE_FULL_STRESS=1 runs the long one (10,000 ticks, 100 rounds of every window), which
// is also the one to run under heaptrack or valgrind --tool=massif.
#include "ReportFixture.h"

#include "ui/frame/TFrame.h"
#include "ui/reports/fReportMenu.h"
#include "ui/reports/fTimesList.h"

#include <QCoreApplication>
#include <QFile>
#include <QKeyEvent>
#include <QPixmapCache>
#include <QTimer>

#include <cstdlib>
#include <iostream>
#include <malloc.h>
#include <string_view>

namespace {

bool FullStress() {
    const char* full = std::getenv("CRESSELLE_FULL_STRESS");
    return full && std::string_view(full) == "1";
}

// Bytes the heap holds in use (small blocks and mapped ones), without Qt's picture cache:
// the style keeps its drawn controls there, up to the cache's limit.
long long HeapInUse() {
    QPixmapCache::clear();
    malloc_trim(0);
    const struct mallinfo2 info = mallinfo2();
    return static_cast<long long>(info.uordblks + info.hblkhd);
}

class WindowStress : public ReportFixture {
  protected:
    void SetUp() override {
        ReportFixture::SetUp();
        // The shipped features file, so that the feature windows have their full lists.
        const QString shipped =
            qEnvironmentVariable("CRESSELLE_SOURCE_DIR") + QStringLiteral("/runtime/data.dat");
        QFile::copy(shipped, dir_.filePath(QStringLiteral("data.dat")));
        Clock = QDateTime(QDate(2024, 3, 15), QTime(23, 58, 0));
        platform::Services().now = [] { return Clock; };
        platform::Services().beep = [] {};
        SelectDay(15, 3, 2024);
        main->show();
        main->Timer1->stop(); // the ticks come from the test
        QCoreApplication::processEvents();
    }

    void Key(int key, const QString& text) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QCoreApplication::sendEvent(main, &press);
    }
    void Tick() {
        Clock = Clock.addSecs(1);
        main->Timer1Timer();
        main->Timer1->stop();
    }
    // Opens the time editor, types an hour and either applies it or resets the clock.
    void UseTimeEditor(int round) {
        main->lblClockClick();
        main->lblHourClick();
        Key(Qt::Key_Backspace, QString());
        Key(Qt::Key_Backspace, QString());
        Key(Qt::Key_1, QStringLiteral("1"));
        Key(Qt::Key_0 + round % 10, QString::number(round % 10));
        if (round % 2)
            Key(Qt::Key_Return, QStringLiteral("\r"));
        else
            main->imgTimeButtonMouseUp(Qt::LeftButton, QPoint(100, 10));
        main->Timer1->stop();
    }
    void TypeYear(int year) {
        main->lblSelectedYearClick();
        for (int i = 0; i < 4; ++i)
            Key(Qt::Key_Backspace, QString());
        for (const QChar c : QString::number(year))
            Key(Qt::Key_0 + c.digitValue(), QString(c));
        Key(Qt::Key_Return, QStringLiteral("\r"));
    }
    void OpenEveryReport() {
        main->lblTimesListClick();
        TReportMenu* menu = Windows().ReportMenu;
        menu->imgLunarVisibilityClick();
        menu->imgFindEclipsesClick();
        menu->imgDisplayPhasesClick();
        menu->imgLunarFeaturesClick();
        menu->imgEquinoxInfoClick();
        menu->imgEasterClick();
        QCoreApplication::processEvents();
    }
    static void Report(const char* what, long long before, long long after, int rounds) {
        std::cout << what << ": heap " << before / 1024 << " KiB after the first round, "
                  << after / 1024 << " KiB after " << rounds << " (" << (after - before) / 1024
                  << " KiB more)\n";
    }

    static inline QDateTime Clock;
};

TEST_F(WindowStress, ClockTicksWithTheTimeEditorOpenedAndClosed) {
    const int ticks = FullStress() ? 10000 : 1000;
    long long settled = 0;
    for (int i = 1; i <= ticks; ++i) {
        Tick();
        if (i % 50 == 0) UseTimeEditor(i / 50);
        if (i % 20 == 0) QCoreApplication::processEvents();
        if (i == ticks / 10) settled = HeapInUse();
        const astro::DateTimeRec shown = main->ShownDate();
        ASSERT_TRUE(shown.Month >= 1 && shown.Month <= 12 && shown.Hour < 24) << i;
    }
    const long long end = HeapInUse();
    Report("clock ticks", settled, end, ticks);
    EXPECT_LT(end - settled, 512 * 1024);
    EXPECT_FALSE(main->timeEditorOpen());
}

TEST_F(WindowStress, RapidMonthChangesWithEveryReportWindowOpen) {
    OpenEveryReport();
    const int changes = FullStress() ? 1200 : 96;
    long long settled = 0;
    for (int i = 1; i <= changes; ++i) {
        main->SelectMonth(1 + i % 12);
        if (i % 12 == 0) TypeYear(1900 + i / 12 * 7 % 200);
        QCoreApplication::processEvents();
        if (i == 24) settled = HeapInUse();
    }
    const long long end = HeapInUse();
    Report("month changes", settled, end, changes);
    EXPECT_LT(end - settled, 1024 * 1024);
    EXPECT_TRUE(Windows().TimesList->isVisible());
    EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
}

TEST_F(WindowStress, EveryWindowOpenedAndClosedRepeatedly) {
    const int rounds = FullStress() ? 100 : 6;
    int count = 0;
    QWidget* const* windows = CreatedWindowsInOrder(count);
    ASSERT_EQ(count, 17);
    long long settled = 0;
    for (int round = 1; round <= rounds; ++round) {
        // Last created first: closing the database editor brings the features list back up,
        // which is closed after it. The main window stays open.
        for (int i = count - 1; i >= 1; --i) {
            QWidget* window = windows[i];
            window->show();
            QCoreApplication::processEvents();
            if (auto* frame = qobject_cast<TFrame*>(window))
                frame->lblExitClick();
            else
                window->hide();
            window->hide();
            QCoreApplication::processEvents();
        }
        main->Timer1->stop();
        if (round == 2) settled = HeapInUse();
    }
    const long long end = HeapInUse();
    Report("open and close", settled, end, rounds);
    EXPECT_LT(end - settled, 1024 * 1024);
    for (int i = 1; i < count; ++i)
        EXPECT_FALSE(windows[i]->isVisible()) << windows[i]->metaObject()->className();
}

} // namespace
