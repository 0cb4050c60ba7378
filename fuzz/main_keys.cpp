// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: the main window's time editor and year entry driven by any sequence of
// keys, clicks and clock ticks. The first seven bytes set the system clock (any instant of
// the years 1 to 9999); each following byte is one action, some taking the next byte as
// their argument. After every action the shown date must be a real date and the editor
// fields must hold what the keys may put there.
#include "FuzzQt.h"
#include "astro/fGlobals.h"
#include "settings/ObserverSettings.h"
#include "ui/Windows.h"
#include "ui/main/fCalendarLabels.h"
#include "ui/main/fDateInfo.h"
#include "ui/main/fMain.h"
#include "ui/main/fMonthList.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

QDateTime Clock;

// Names the broken rule and the state before aborting, so that a crash file explains itself.
#define Require(condition) Check(condition, #condition, main)

void Check(bool condition, const char* rule, const TMain* main) {
    if (condition) return;
    const astro::DateTimeRec& d = main->SelectedDate;
    std::fprintf(stderr, "broken: %s\nselected %04d-%02d-%02d %02d:%02d:%02d, offset %.9f days\n",
                 rule, d.Year, d.Month, d.Day, d.Hour, d.Minute, d.Second, main->ClockOffset);
    std::abort();
}

class Input {
  public:
    Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool AtEnd() const { return pos_ >= size_; }
    int Next() { return pos_ < size_ ? data_[pos_++] : 0; }

  private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

QDateTime ClockOf(Input& in) {
    const int year = (in.Next() << 8 | in.Next()) % 9999 + 1;
    const int month = in.Next() % 12 + 1;
    const QDate first(year, month, 1);
    const int day = in.Next() % first.daysInMonth() + 1;
    const int hour = in.Next() % 24;
    const int minute = in.Next() % 60;
    const int second = in.Next() % 60;
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second));
}

void SendKey(TMain* main, int key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(main, &press);
}

bool ValidDate(const astro::DateTimeRec& d) {
    return d.Year >= 1 && d.Year <= 9999 && d.Month >= 1 && d.Month <= 12 && d.Day >= 1 &&
           d.Day <= astro::DaysInMonth(d.Month, d.Year) && d.Hour < 24 && d.Minute < 60 &&
           d.Second < 60;
}

bool DigitsAtMost(const QString& text, int count) {
    if (text.size() > count) return false;
    for (const QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return false;
    return true;
}

void CheckState(TMain* main) {
    Require(ValidDate(main->SelectedDate));
    Require(std::isfinite(main->ClockOffset) && std::fabs(main->ClockOffset) < 1);
    Require(ValidDate(main->ShownDate()));
    if (main->timeEditorOpen())
        Require(DigitsAtMost(main->lblHour->text(), 2) &&
                DigitsAtMost(main->lblMinute->text(), 2) &&
                DigitsAtMost(main->lblSecond->text(), 2));
    if (main->yearEntryOpen()) Require(DigitsAtMost(main->lblSelectedYear->text().trimmed(), 4));
}

void Act(TMain* main, Input& in) {
    const int action = in.Next() % 26;
    switch (action) {
    case 0:
        main->lblClockClick();
        break;
    case 1:
        main->lblHourClick();
        break;
    case 2:
        main->lblMinuteClick();
        break;
    case 3:
        main->lblSecondClick();
        break;
    case 4:
        main->lblSelectedYearClick();
        break;
    case 5:
        main->lblSelectedmonthClick();
        Windows().MonthList->hide();
        break;
    case 6:
        main->Timer1Timer();
        break;
    case 7:
        main->CursorTimerTimer();
        break;
    case 8:
        SendKey(main, Qt::Key_Backspace, QString());
        break;
    case 9:
        SendKey(main, Qt::Key_Return, QStringLiteral("\r"));
        break;
    case 20: { // any character
        const char16_t c = static_cast<char16_t>(in.Next() << 8 | in.Next());
        SendKey(main, 0, QString(QChar(c)));
        break;
    }
    case 21:
        main->imgTimeButtonMouseUp(Qt::LeftButton, QPoint(100, 10));
        break;
    case 22:
        main->DateSelect(main->DateLabels[in.Next() % main->DateLabels.size()]);
        break;
    case 23:
        main->SelectMonth(in.Next() % 14);
        break;
    default: { // 10..19 digits; 24, 25 the system clock running on by up to a day and a half
        const int digit = action - 10;
        if (digit < 10) {
            SendKey(main, Qt::Key_0 + digit, QString(QChar('0' + digit)));
        } else {
            // The system clock itself stays within the calendar's years.
            const QDateTime last(QDate(9999, 12, 31), QTime(23, 59, 59));
            Clock = std::min(Clock.addSecs(in.Next() * 500), last);
            main->Timer1Timer();
        }
    }
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    fuzzqt::Start(argc, argv);
    FuzzInitResources();
    settingsstore::SetLocationForTests(fuzzqt::Folder().filePath(QStringLiteral("main.ini")));
    platform::Services().now = [] { return Clock; };
    Clock = QDateTime(QDate(2024, 3, 15), QTime(21, 30, 0));
    Windows().MonthList = new TMonthList();
    Windows().DateInfo = new TDateInfo();
    Windows().Main = new TMain();
    Windows().Main->show();
    return 0;
}

// One main window for the whole run (creating one per input would cost most of the time):
// each input starts from the clock reset with both editors closed.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Input in(data, size);
    Clock = ClockOf(in);
    TMain* main = Windows().Main;
    if (main->yearEntryOpen()) {
        main->lblSelectedYear->setText(QString::number(main->SelectedDate.Year));
        main->AcceptYear();
    }
    main->EditedField = 0;
    main->imgTimeButtonMouseUp(Qt::LeftButton, QPoint(100, 10));
    main->Timer1->stop(); // ticks come from the input only
    CheckState(main);
    for (int step = 0; step < 400 && !in.AtEnd(); ++step) {
        Act(main, in);
        main->Timer1->stop();
        CheckState(main);
    }
    return 0;
}
