// SPDX-License-Identifier: GPL-3.0-or-later
// The date information popup: Julian Day, day of the year, ISO week and the days left until
// Christmas of a day of the calendar, opened by the right mouse button.
#pragma once

#include "astro/fGlobals.h"
#include "ui/frame/TFrame.h"

class QLabel;

// What the popup shows for one date (its time of day is ignored).
struct DateInformation {
    astro::JulianDay Julian = 0; // at 0h of the date
    int DayNumber = 0;           // 1 on 1 January
    int Week = 0;                // ISO 8601 week, 1..53
    int WeekYear = 0;            // the year the week belongs to
    int Weekday = 0;             // 1 Monday .. 7 Sunday
    int DaysTillChristmas = 0;   // 0 on 25 December
};
DateInformation ComputeDateInformation(const astro::DateTimeRec& date);

class TDateInfo : public TFrame {
    Q_OBJECT
  public:
    explicit TDateInfo(QWidget* parent = nullptr);

    // Fills the popup for `date` and shows it centred on the main window.
    void ShowDateInfo(const astro::DateTimeRec& date);

    QLabel* lblSelectedDate = nullptr;
    QLabel* Label1 = nullptr; // Julian Day
    QLabel* Label2 = nullptr; // day number
    QLabel* Label3 = nullptr; // ISO week
    QLabel* Label4 = nullptr; // days till Christmas

  protected:
    void FormShow() override;
};
