// SPDX-License-Identifier: GPL-3.0-or-later
// The seventeen windows over a temporary settings store and working folder, with the message
// box, the browser and the save dialog replaced by recorders.
#pragma once

#include "platform/Platform.h"
#include "settings/ObserverSettings.h"
#include "ui/Windows.h"
#include "ui/main/fMain.h"

#include <QDir>
#include <QMouseEvent>
#include <QPrinter>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>

#include <vector>

class ReportFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        oldCurrent_ = QDir::currentPath();
        QDir::setCurrent(dir_.path());
        settingsstore::SetLocationForTests(dir_.filePath(QStringLiteral("Cresselle.ini")));
        saved_ = ObserverSettings;
        platform::Services().message = [this](QWidget*, const QString&, const QString& text) {
            messages.append(text);
        };
        platform::Services().openUrl = [this](const QUrl& url) {
            urls.push_back(url);
            return true;
        };
        platform::Services().saveFileName =
            [this](QWidget*, const QString&, const QString& suggested, const QString& filter) {
                suggestedNames.append(suggested);
                filters.append(filter);
                return saveAnswer;
            };
        platform::Services().ask = [this](QWidget*, const QString&, const QString& text) {
            questions.append(text);
            return askAnswer;
        };
        platform::Services().note = [this](QWidget*, const QString& text) { notes.append(text); };
        platform::Services().copyText = [this](const QString& text) { copied.append(text); };
        CreateWindows();
        main = Windows().Main;
        ASSERT_TRUE(main);
        ObserverSettings.LatDir = QStringLiteral("North");
        ObserverSettings.DayOrder = 0;
        ObserverSettings.TimeZoneIndex = 24;
        ObserverSettings.DaylightSavings = false;
        main->ZoneMinutes = 0;
        main->DaylightMinutes = 0;
        main->ClockOffset = 0;
    }

    void TearDown() override {
        DestroyWindows();
        platform::ResetServices();
        ObserverSettings = saved_;
        settingsstore::SetLocationForTests(QString());
        QDir::setCurrent(oldCurrent_);
    }

    // Puts the main window on a day (0h local) and lays its month out.
    void SelectDay(int day, int month, int year) {
        main->SelectedDate = astro::DateTimeRec{};
        main->SelectedDate.Day = static_cast<std::uint16_t>(day);
        main->SelectedDate.Month = static_cast<std::uint16_t>(month);
        main->SelectedDate.Year = static_cast<std::uint16_t>(year);
        main->SelectedDate.Julian = astro::DateToJulian(main->SelectedDate);
        main->ClockOffset = 0;
        main->ShowSelectedMonth();
    }

    static void MoveMouseOver(QWidget* widget, QPoint at = {10, 10}) {
        QMouseEvent move(QEvent::MouseMove, QPointF(at), QPointF(widget->mapToGlobal(at)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &move);
    }

    QTemporaryDir dir_;
    TMain* main = nullptr;
    QStringList messages;
    std::vector<QUrl> urls;
    QStringList suggestedNames, filters;
    QString saveAnswer; // empty: the dialog is cancelled
    QStringList questions, notes, copied;
    bool askAnswer = false; // the answer to every question

  private:
    QString oldCurrent_;
    TObserverSettings saved_;
};
