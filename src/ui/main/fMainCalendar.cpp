// SPDX-License-Identifier: GPL-3.0-or-later
// The month calendar: weekday names, the day grid, the heading and the year entry.
#include "platform/Platform.h"
#include "settings/ObserverSettings.h"
#include "ui/LocalDateTime.h"
#include "ui/Windows.h"
#include "ui/main/fCalendarLabels.h"
#include "ui/main/fDateInfo.h"
#include "ui/main/fMain.h"
#include "ui/main/fMonthList.h"
#include "ui/style/Style.h"

#include <QGuiApplication>
#include <QLocale>
#include <QPainter>
#include <QTimer>

using namespace mainstyle;

namespace {

// Month name of the heading in the program's language, with a capital ("Décembre").
QString HeadingMonthName(int month) {
    QString name = QLocale().standaloneMonthName(month, QLocale::LongFormat);
    if (!name.isEmpty()) name[0] = name[0].toUpper();
    return name;
}

// Weekday of a date, 0 Sunday .. 6 Saturday, in the calendar of the date.
int WeekdayOf(int day, int month, int year) {
    return astro::Weekday(day, month, year);
}

QLabel* HeadingLabel(QWidget* parent, const char* name, const QColor& colour) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(ArialPixels(19, true));
    label->setAlignment(Qt::AlignCenter);
    label->setAttribute(Qt::WA_TranslucentBackground);
    SetTransparentLabelStyle(label, colour);
    label->move(420, 256);
    return label;
}

TClickLabel* ClickHeadingLabel(QWidget* parent, const char* name, const QColor& colour) {
    auto* label = new TClickLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(ArialPixels(19, true));
    label->setAlignment(Qt::AlignCenter);
    SetTransparentLabelStyle(label, colour);
    label->setCursor(Qt::PointingHandCursor);
    label->move(420, 256);
    return label;
}

const QColor TodayColour{255, 200, 0};

// Pictures painted here are sharp under display scaling.
qreal DeviceRatio() {
    return qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
}

// A small triangle pointing left or right in the heading's colours, over a light shadow.
QPixmap MonthArrowPicture(bool pointsLeft) {
    QPixmap picture(QSize(16, 20) * DeviceRatio());
    picture.setDevicePixelRatio(DeviceRatio());
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    const auto triangle = [pointsLeft](QPointF shift) {
        QPolygonF t;
        if (pointsLeft)
            t << QPointF(3, 10) << QPointF(12, 4) << QPointF(12, 16);
        else
            t << QPointF(13, 10) << QPointF(4, 4) << QPointF(4, 16);
        t.translate(shift);
        return t;
    };
    p.setPen(Qt::NoPen);
    p.setBrush(HeadingShadowColour);
    p.drawPolygon(triangle(QPointF(1, 1)));
    p.setBrush(HeadingColour);
    p.drawPolygon(triangle(QPointF(0, 0)));
    return picture;
}

// Today's cell: a frame a little larger than the selection marker, so both show on one day.
QPixmap TodayFramePicture() {
    QPixmap picture(QSize(29, 25) * DeviceRatio());
    picture.setDevicePixelRatio(DeviceRatio());
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setPen(QPen(TodayColour, 2));
    p.drawRect(QRectF(1, 1, 27, 23));
    return picture;
}

} // namespace

void TMain::CreateMonthArrows() {
    lblPrevMonth = new TClickLabel(this, QRect(424, 257, 16, 20),
                                   tr("Previous month (Page Up; Ctrl+Page Up: year)"));
    lblNextMonth = new TClickLabel(this, QRect(604, 257, 16, 20),
                                   tr("Next month (Page Down; Ctrl+Page Down: year)"));
    lblPrevMonth->setObjectName(QStringLiteral("lblPrevMonth"));
    lblNextMonth->setObjectName(QStringLiteral("lblNextMonth"));
    lblPrevMonth->setPixmap(MonthArrowPicture(true));
    lblNextMonth->setPixmap(MonthArrowPicture(false));
    for (TClickLabel* arrow : {lblPrevMonth, lblNextMonth})
        arrow->setCursor(Qt::PointingHandCursor);
    connect(lblPrevMonth, &TClickLabel::clicked, this, [this] { StepMonths(-1); });
    connect(lblNextMonth, &TClickLabel::clicked, this, [this] { StepMonths(1); });
}

void TMain::CreateCalendar() {
    // Pictures that lie under the texts come first.
    imgCurrDate = new QLabel(this);
    imgCurrDate->setObjectName(QStringLiteral("imgCurrDate"));
    imgCurrDate->setPixmap(
        LoadPicture(QStringLiteral("date_marker.png"), QSize(25, 23), [](QPainter& p, QSize s) {
            p.fillRect(QRect(QPoint(0, 0), s), QColor(0, 70, 110));
            p.setPen(Aqua);
            p.drawRect(QRect(QPoint(0, 0), s - QSize(1, 1)));
        }));
    imgCurrDate->adjustSize();
    imgCurrDate->hide();
    imgToday = new QLabel(this);
    imgToday->setObjectName(QStringLiteral("imgToday"));
    imgToday->setPixmap(TodayFramePicture());
    imgToday->setAttribute(Qt::WA_TransparentForMouseEvents);
    imgToday->setToolTip(tr("Today"));
    imgToday->adjustSize();
    imgToday->hide();
    imgYearButton = new QLabel(this);
    imgYearButton->setObjectName(QStringLiteral("imgYearButton"));
    imgYearButton->setPixmap(
        LoadPicture(QStringLiteral("year_entry.png"), QSize(64, 28), [](QPainter& p, QSize s) {
            p.fillRect(QRect(QPoint(0, 0), s), Qt::white);
            p.setPen(Qt::gray);
            p.drawRect(QRect(QPoint(0, 0), s - QSize(1, 1)));
        }));
    imgYearButton->adjustSize();
    imgYearButton->hide();

    // 7. Heading: dark texts over light shadows one pixel right and below.
    lblSelectedMonthShadow = HeadingLabel(this, "lblSelectedMonthShadow", HeadingShadowColour);
    lblSelectedYearShadow = HeadingLabel(this, "lblSelectedYearShadow", HeadingShadowColour);
    lblSelectedmonth = ClickHeadingLabel(this, "lblSelectedmonth", HeadingColour);
    lblSelectedYear = ClickHeadingLabel(this, "lblSelectedYear", HeadingColour);
    lblSelectedYear->move(lblSelectedYear->x(), lblSelectedmonth->y());
    connect(lblSelectedmonth, &TClickLabel::clicked, this, &TMain::lblSelectedmonthClick);
    connect(lblSelectedYear, &TClickLabel::clicked, this, &TMain::lblSelectedYearClick);
    CreateMonthArrows();
    // The heading by keyboard: Tab reaches the arrows, the month (its picker) and the year.
    for (TClickLabel* button : {lblPrevMonth, lblSelectedmonth, lblSelectedYear, lblNextMonth})
        button->setKeyboardButton(Qt::Horizontal);

    for (int i = 0; i < 7; ++i)
        DayLabels.append(new TDayLabel(this, i));
    SetDayTitles(ObserverSettings.DayOrder);
    for (int r = 0; r < 6; ++r) {
        for (int c = 0; c < 7; ++c) {
            auto* label = new TDateLabel(this, r, c);
            // A year half typed is dropped: the heading shows the year of the clicked day.
            connect(label, &TClickLabel::clicked, this, [this, label] {
                if (label->dayNumber() > 0 && yearEntryOpen()) CancelEntries();
                DateSelect(label);
            });
            connect(
                label, &TClickLabel::mouseDown, this,
                [this, label](Qt::MouseButton button, QPoint) { DisplayDateInfo(label, button); });
            DateLabels.append(label);
        }
    }
}

void TMain::SetDayTitles(int first) {
    const QLocale locale;

    for (int i = 0; i < DayLabels.size(); ++i) {
        const int weekday = (first + i) % 7; // 0 Sunday
        DayLabels[i]->setText(locale.dayName(weekday == 0 ? 7 : weekday, QLocale::ShortFormat));
    }
}

void TMain::ShowSelectedMonth() {
    const int month = SelectedDate.Month;
    const int year = SelectedDate.Year;
    FirstWeekday = WeekdayOf(1, month, year);
    MonthOffset = (FirstWeekday - ObserverSettings.DayOrder + 7) % 7;
    MonthDays = astro::DaysInMonth(month, year);
    // 5-14 October 1582 do not exist: the grid goes on from the 4th to the 15th.
    const astro::MonthGridDays grid = astro::MonthGrid(month, year, ObserverSettings.DayOrder);
    int selectedCell = -1;
    for (int i = 0; i < DateLabels.size(); ++i) {
        const int day = i < static_cast<int>(grid.size()) ? grid[static_cast<std::size_t>(i)] : 0;
        DateLabels[i]->setText(day == 0 ? QStringLiteral(" ") : QString::number(day));
        if (day != 0 && day == SelectedDate.Day) selectedCell = i;
    }
    const QString yearText = QString::number(year);
    const QString monthText = HeadingMonthName((month + 11) % 12 + 1);
    // A year being typed keeps its text until it is accepted.
    if (!yearEntryOpen()) lblSelectedYear->setText(yearText);
    lblSelectedYearShadow->setText(yearText);
    lblSelectedmonth->setText(monthText);
    lblSelectedMonthShadow->setText(monthText);
    LayOutHeading();

    PlaceTodayMarker();
    if (selectedCell >= 0) DateSelect(DateLabels[selectedCell]);
    DisplayPhaseTimes();
}

void TMain::PlaceTodayMarker() {
    const QDate today = State.Today();
    const int cell = MonthOffset + today.day() - 1;
    const bool shown = today.month() == SelectedDate.Month && today.year() == SelectedDate.Year &&
                       cell >= 0 && cell < DateLabels.size();
    if (shown) {
        const TDateLabel* label = DateLabels[cell];
        imgToday->move(label->x() - 3, label->y() - 4);
    }
    imgToday->setVisible(shown);
}

void TMain::StepMonths(int months) {
    CancelEntries();
    const int index = SelectedDate.Year * 12 + (SelectedDate.Month - 1) + months;
    const int year = index / 12;
    if (year < 1 || year > 9999) return; // the calendar holds the years 1 to 9999
    SelectedDate.Year = static_cast<std::uint16_t>(year);
    SelectMonth(index % 12 + 1);
}

void TMain::GoToToday() {
    CancelEntries();
    ClockOffset = 0;
    const QDateTime now = State.LocalNow();
    SetDateAndTime(SelectedDate, now);
    SelectedDate.Millisecond = static_cast<std::uint16_t>(now.time().msec());
    SelectedDate.Julian = astro::DateToJulian(SelectedDate);
    ShowSelectedMonth();
    emit selectedMonthChanged();
    RefreshPanel();
}

void TMain::CancelEntries() {
    if (yearEntryOpen()) {
        lblSelectedYear->setText(QString::number(SelectedDate.Year));
        CloseYearEntry();
        LayOutHeading();
    }
    if (timeEditorOpen()) CancelTimeEditor();
}

void TMain::LayOutHeading() {
    for (QLabel* label :
         {static_cast<QLabel*>(lblSelectedmonth), static_cast<QLabel*>(lblSelectedYear),
          lblSelectedMonthShadow, lblSelectedYearShadow})
        label->adjustSize();
    const int d = width() - 420 - 20 - lblSelectedmonth->width() - 10 - lblSelectedYear->width();
    const int top = lblSelectedmonth->y();
    lblSelectedmonth->move(420 + d / 2, top);
    lblSelectedMonthShadow->move(lblSelectedmonth->x() + 1, top + 1);
    lblSelectedYear->move(lblSelectedmonth->x() + lblSelectedmonth->width() + 10, top);
    lblSelectedYearShadow->move(lblSelectedYear->x() + 1, lblSelectedYear->y() + 1);
}

void TMain::DateSelect(TDateLabel* label) {
    const int day = label ? label->dayNumber() : 0;
    if (day <= 0) return;
    SelectedDate.Day = static_cast<std::uint16_t>(day);
    imgCurrDate->move(label->x() - 1, label->y() - 3);
    imgCurrDate->show();
    SelectedDate.Julian = astro::DateToJulian(SelectedDate);
    RecomputeDayData();
    DisplayLunarRiseSetTimes(SelectedDate);
    DisplaySolarRiseSetTimes(SelectedDate);
    NameSpokenControls();
    // With the clock running the panel follows the new day at once, not at the next tick.
    if (Timer1->isActive()) RefreshPanel();
    emit State.dayChanged();
}

void TMain::DisplayDateInfo(TDateLabel* label, Qt::MouseButton button) {
    if (button != Qt::RightButton || !label) return;
    const int day = label->dayNumber();
    if (day <= 0) return;
    astro::DateTimeRec date = SelectedDate;
    date.Day = static_cast<std::uint16_t>(day);
    if (Windows().DateInfo) Windows().DateInfo->ShowDateInfo(date);
}

bool TMain::yearEntryOpen() const {
    return imgYearButton && imgYearButton->isVisibleTo(this);
}

void TMain::lblSelectedYearClick() {
    EditedField = 3;
    setFocus(Qt::OtherFocusReason); // the keys, Enter too, go to the entry
    lblCursor->setFont(ArialPoints(14, true));
    ShowCursor(lblSelectedYear);
    imgYearButton->move(lblSelectedYear->x() - 8, lblSelectedYear->y() - 3);
    imgYearButton->show();
    SetTransparentLabelStyle(lblSelectedYear, Qt::black);
    lblSelectedYearShadow->hide();
}

bool TMain::AcceptYear() {
    if (yearEntryOpen()) {
        const QString typed = lblSelectedYear->text().trimmed();
        const int year = typed.toInt();
        if (year < 1 || year > 9999) {
            // The entry stays open with what was typed.
            platform::ShowMessage(this, tr("Please type a year from 1 to 9999."));
            return false;
        }
        lblSelectedYearShadow->setText(typed);
        SelectedDate.Year = static_cast<std::uint16_t>(year);
        // 29 February of a leap year becomes 28 February in a common year, a day lost in
        // October 1582 the 15th.
        SelectedDate.Day = static_cast<std::uint16_t>(
            astro::ExistingDay(SelectedDate.Day, SelectedDate.Month, year));
        SelectedDate.Julian = astro::DateToJulian(SelectedDate);
        CloseYearEntry();
        ShowSelectedMonth();
        emit selectedMonthChanged();
        return true;
    }
    CloseYearEntry();
    return true;
}

void TMain::CloseYearEntry() {
    SetTransparentLabelStyle(lblSelectedYear, HeadingColour);
    lblSelectedYearShadow->show();
    imgYearButton->hide();
    CursorTimer->stop();
    lblCursor->hide();
}

void TMain::lblSelectedmonthClick() {
    if (!AcceptYear()) return;
    if (auto* picker = Windows().MonthList) {
        picker->show();
        picker->raise();
        picker->activateWindow();
    }
}

void TMain::SelectMonth(int month) {
    if (month < 1 || month > 12) return;
    SelectedDate.Month = static_cast<std::uint16_t>(month);
    SelectedDate.Day =
        static_cast<std::uint16_t>(astro::ExistingDay(SelectedDate.Day, month, SelectedDate.Year));
    SelectedDate.Julian = astro::DateToJulian(SelectedDate);
    ShowSelectedMonth();
    emit selectedMonthChanged();
}

void TMain::EditLabel(QLabel* label, int key, int limit) {
    QString text = label->text();
    if (key == 8) {
        if (!text.isEmpty()) text.chop(1);
    } else if (key >= '0' && key <= '9') {
        if (text.size() < limit) text.append(QChar(key));
    }
    label->setText(text);
    label->adjustSize();
    ShowCursor(label);
}
