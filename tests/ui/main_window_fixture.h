// SPDX-License-Identifier: GPL-3.0-or-later
// Test bench of the main window: a test clock, a beep counter, captured notices, the settings
// store in a temporary folder, and the main window with its two popups.
#pragma once

#include "astro/fGlobals.h"
#include "platform/Platform.h"
#include "settings/ObserverSettings.h"
#include "ui/Windows.h"
#include "ui/main/fCalendarLabels.h"
#include "ui/main/fDateInfo.h"
#include "ui/main/fMain.h"
#include "ui/main/fMonthList.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

class MainWindowTest : public ::testing::Test {
  protected:
    static inline QDateTime Clock;
    static inline int Beeps = 0;
    static inline QStringList Notices;

    std::unique_ptr<QTemporaryDir> folder;
    TMain* main = nullptr;

    // Observer: London without daylight saving, unless a test changes the settings.
    void SetUp() override {
        folder = std::make_unique<QTemporaryDir>();
        ASSERT_TRUE(folder->isValid());
        QDir::setCurrent(folder->path());
        settingsstore::SetLocationForTests(folder->filePath(QStringLiteral("cresselle.ini")));
        platform::Services().now = [] { return Clock; };
        platform::Services().beep = [] { ++Beeps; };
        platform::Services().message = [](QWidget*, const QString&, const QString& text) {
            Notices << text;
        };
        Beeps = 0;
        Notices.clear();
        SetClock(2024, 3, 15, 21, 30, 0);

        main = new TMain();
        Windows().Main = main;
        Windows().MonthList = new TMonthList();
        Windows().DateInfo = new TDateInfo();
        ObserverSettings.LatDeg = QStringLiteral("51");
        ObserverSettings.LatMin = QStringLiteral("30");
        ObserverSettings.LatSec = QStringLiteral("00");
        ObserverSettings.LatDir = QStringLiteral("North");
        ObserverSettings.LongDeg = QStringLiteral("000");
        ObserverSettings.LongMin = QStringLiteral("07");
        ObserverSettings.LongSec = QStringLiteral("00");
        ObserverSettings.LongDir = QStringLiteral("West");
        ObserverSettings.DayOrder = 0;
        main->ZoneMinutes = 0;
        main->DaylightMinutes = 0;
        main->RefreshLatAndLong();
    }

    void TearDown() override {
        delete Windows().DateInfo;
        delete Windows().MonthList;
        delete main;
        Windows() = AppWindows{};
        platform::ResetServices();
        settingsstore::SetLocationForTests({});
        QDir::setCurrent(QDir::tempPath());
    }

    static void SetClock(int year, int month, int day, int hour, int minute, int second) {
        Clock = QDateTime(QDate(year, month, day), QTime(hour, minute, second));
    }

    // Selects a date as a user would: the clock's date becomes the calendar's day.
    void SelectDate(int year, int month, int day) {
        main->SelectedDate.Year = static_cast<std::uint16_t>(year);
        main->SelectedDate.Month = static_cast<std::uint16_t>(month);
        main->SelectedDate.Day = static_cast<std::uint16_t>(day);
        main->SelectedDate.Julian = astro::DateToJulian(main->SelectedDate);
        main->ShowSelectedMonth();
    }

    TDateLabel* Cell(int index) const { return main->DateLabels[index]; }

    TDateLabel* CellOfDay(int day) const {
        for (TDateLabel* label : main->DateLabels)
            if (label->dayNumber() == day) return label;
        return nullptr;
    }

    void Click(QWidget* widget, QPoint at = {}, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(widget, button, {}, at.isNull() ? widget->rect().center() : at);
    }

    void Type(const char* keys) {
        for (const char* k = keys; *k; ++k) {
            if (*k == '\b')
                main->FormKeyPress(8);
            else if (*k == '\r')
                main->FormKeyPress(13);
            else
                main->FormKeyPress(*k);
        }
    }

    // The clock line's date and time as the window shows them.
    QString ShownClock() const { return main->ClockText.left(8); }
};
