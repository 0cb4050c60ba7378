// SPDX-License-Identifier: GPL-3.0-or-later
// The clock: the one-second tick, the clock strip, the time editor and the keys.
#include "astro/fSidereal.h"
#include "platform/Platform.h"
#include "ui/LocalDateTime.h"
#include "ui/main/fCalendarLabels.h"
#include "ui/main/fMain.h"
#include "ui/style/Style.h"

#include <QApplication>
#include <QDate>
#include <QPainter>
#include <QTimer>

#include <array>
#include <cmath>

using namespace mainstyle;

namespace {

constexpr int SecondsPerDay = 86400;
const QColor OffsetColour{150, 0, 0};

int SecondsOfDay(const astro::DateTimeRec& d) {
    return d.Hour * 3600 + d.Minute * 60 + d.Second;
}

// The date `days` days after (or before) the date fields of `d`; the time fields stay. The
// calendar holds the years 1 to 9999: a move past either end leaves the date as it is (the
// clock then runs round on 31 December 9999).
void MoveDate(astro::DateTimeRec& d, int days) {
    astro::DateTimeRec noon = d;
    noon.Hour = 12;
    noon.Minute = 0;
    noon.Second = 0;
    const astro::JulianDay target = astro::DateToJulian(noon) + days;
    astro::DateTimeRec first;
    first.Year = 1;
    first.Hour = 12;
    astro::DateTimeRec last = first;
    last.Year = 9999;
    last.Month = 12;
    last.Day = 31;
    if (target < astro::DateToJulian(first) || target > astro::DateToJulian(last)) return;
    const astro::DateTimeRec moved = astro::JulianToDate(target);
    d.Day = moved.Day;
    d.Month = moved.Month;
    d.Year = moved.Year;
}

TClickLabel* EditorLabel(QWidget* parent, const char* name) {
    auto* label = new TClickLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(ArialPixels(16, true));
    SetTransparentLabelStyle(label, Qt::black);
    label->hide();
    return label;
}

QLabel* ColonLabel(QWidget* parent, const char* name) {
    auto* label = new QLabel(QStringLiteral(":"), parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(ArialPixels(16, true));
    label->setAttribute(Qt::WA_TranslucentBackground);
    SetTransparentLabelStyle(label, Qt::black);
    label->adjustSize();
    label->hide();
    return label;
}

} // namespace

void TMain::CreateClock() {
    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    // A coarse timer may drift by tens of milliseconds and let the shown seconds skip.
    Timer1->setTimerType(Qt::PreciseTimer);
    connect(Timer1, &QTimer::timeout, this, &TMain::Timer1Timer);
    CursorTimer = new QTimer(this);
    CursorTimer->setInterval(250);
    connect(CursorTimer, &QTimer::timeout, this, &TMain::CursorTimerTimer);

    imgTimeButton = new TClickLabel(this);
    imgTimeButton->setObjectName(QStringLiteral("imgTimeButton"));
    imgTimeButton->setPixmap(imgTimeButtonPicture);
    imgTimeButton->adjustSize();
    imgTimeButton->move(130, 41);
    imgTimeButton->hide();
    connect(imgTimeButton, &TClickLabel::mouseUp, this, &TMain::imgTimeButtonMouseUp);

    lblHour = EditorLabel(this, "lblHour");
    lblMinute = EditorLabel(this, "lblMinute");
    lblSecond = EditorLabel(this, "lblSecond");
    lblColon1 = ColonLabel(this, "lblColon1");
    lblColon2 = ColonLabel(this, "lblColon2");
    connect(lblHour, &TClickLabel::clicked, this, &TMain::lblHourClick);
    connect(lblMinute, &TClickLabel::clicked, this, &TMain::lblMinuteClick);
    connect(lblSecond, &TClickLabel::clicked, this, &TMain::lblSecondClick);

    lblCursor = new QLabel(QStringLiteral("|"), this);
    lblCursor->setObjectName(QStringLiteral("lblCursor"));
    lblCursor->setAttribute(Qt::WA_TranslucentBackground);
    lblCursor->setAttribute(Qt::WA_TransparentForMouseEvents);
    SetTransparentLabelStyle(lblCursor, Qt::black);
    lblCursor->setFont(ArialPoints(12, true));
    lblCursor->hide();
}

void TMain::Timer1Timer() {
    if (GetTime()) ShowSelectedMonth();
    RefreshPanel();
}

// Takes the system time of day into SelectedDate. The shown time (system time plus the clock
// offset) runs on continuously; the date fields always hold the shown date, so they move on
// when the shown time passes midnight. Returns true when the date changed.
bool TMain::GetTime() {
    const int before = SecondsOfDay(SelectedDate);
    const QDateTime system = State.LocalNow();
    const QTime now = system.time();
    SelectedDate.Hour = static_cast<std::uint16_t>(now.hour());
    SelectedDate.Minute = static_cast<std::uint16_t>(now.minute());
    SelectedDate.Second = static_cast<std::uint16_t>(now.second());
    SelectedDate.Millisecond = static_cast<std::uint16_t>(now.msec());
    const int after = SecondsOfDay(SelectedDate);

    long long offset = std::llround(ClockOffset * SecondsPerDay);
    // The system clock passed midnight: the offset takes over the day it lost. Only a later
    // system date counts; a clock set back within the day only moves the time.
    const bool passedMidnight =
        LastSystemDay.isValid() ? system.date() > LastSystemDay : after < before;
    if (passedMidnight) offset += SecondsPerDay;
    LastSystemDay = system.date();
    int days = 0;
    if (after + offset >= SecondsPerDay) {
        days = 1;
        offset -= SecondsPerDay;
    } else if (after + offset < 0) {
        days = -1;
        offset += SecondsPerDay;
    }
    ClockOffset = static_cast<double>(offset) / SecondsPerDay;
    if (days != 0) MoveDate(SelectedDate, days);
    SelectedDate.Julian = astro::DateToJulian(SelectedDate);
    return days != 0;
}

// Whole seconds throughout: a round trip through a Julian Day could land a hair below a
// minute and show 12:34:00 for 12:35:00.
astro::DateTimeRec TMain::ShownDate() const {
    astro::DateTimeRec shown = SelectedDate;
    const long long total = SecondsOfDay(SelectedDate) + std::llround(ClockOffset * SecondsPerDay);
    const long long days =
        total >= 0 ? total / SecondsPerDay : -((SecondsPerDay - 1 - total) / SecondsPerDay);
    const long long rest = total - days * SecondsPerDay;
    if (days != 0) MoveDate(shown, static_cast<int>(days));
    shown.Hour = static_cast<std::uint16_t>(rest / 3600);
    shown.Minute = static_cast<std::uint16_t>(rest / 60 % 60);
    shown.Second = static_cast<std::uint16_t>(rest % 60);
    shown.Julian = astro::DateToJulian(shown);
    return shown;
}

QString TMain::DisplayTime() const {
    return QString::fromStdString(astro::DateTimeText(ShownDate())) + QStringLiteral(" - ");
}

void TMain::DrawClockStrip() {
    {
        QPainter buffer(&imgClockBuf);
        buffer.drawPixmap(QRect(0, 0, 640, 24), imgClockBgnd);
        buffer.setFont(ArialPoints(11, true));
        buffer.setPen(Navy);
        TextOut(buffer, 420 + (200 - TextWidth(buffer, LstText)) / 2, 4, LstText);
        TextOut(buffer, 20 + (382 - TextWidth(buffer, ClockText)) / 2, 4, ClockText);
        // How far the shown time is from now, at the right end of the strip.
        const QString offset = OffsetText();
        if (!offset.isEmpty()) {
            buffer.setFont(ArialPoints(8, true));
            buffer.setPen(OffsetColour);
            TextOut(buffer, 620 - TextWidth(buffer, offset), 6, offset);
        }
    }
    QPainter canvas(&Canvas);
    canvas.drawPixmap(0, 40, imgClockBuf);
    RefreshArea(QRect(0, 40, 640, 24));
}

// The shown time less now, in the largest whole unit ("+3d", "-22h", "+5m", "+30s"); empty
// when the clock shows now.
QString TMain::OffsetText() const {
    const QDate today = State.Today();
    const QDate selected(SelectedDate.Year, SelectedDate.Month, SelectedDate.Day);
    const long long days = selected.isValid() ? today.daysTo(selected) : 0;
    const long long seconds = days * SecondsPerDay + std::llround(ClockOffset * SecondsPerDay);
    if (seconds == 0) return {};
    const long long size = seconds < 0 ? -seconds : seconds;
    const QString sign = seconds < 0 ? QStringLiteral("\u2212") : QStringLiteral("+");
    // The units are those of the Moon's age on the panel.
    if (size >= SecondsPerDay) return sign + QString::number(size / SecondsPerDay) + tr("d");
    if (size >= 3600) return sign + QString::number(size / 3600) + tr("h");
    if (size >= 60) return sign + QString::number(size / 60) + tr("m");
    return sign + QString::number(size) + tr("s");
}

// --- stepping through time ---

void TMain::StepDays(int days) {
    CancelEntries();
    const int month = SelectedDate.Month;
    const int year = SelectedDate.Year;
    MoveDate(SelectedDate, days);
    SelectedDate.Julian = astro::DateToJulian(SelectedDate);
    if (SelectedDate.Month != month || SelectedDate.Year != year) {
        ShowSelectedMonth();
        emit selectedMonthChanged();
    } else {
        for (TDateLabel* label : DateLabels)
            if (label->dayNumber() == SelectedDate.Day) DateSelect(label);
    }
    RecomputeDayData();
    RefreshPanel();
}

void TMain::StepHours(int hours) {
    CancelEntries();
    const int month = SelectedDate.Month;
    const int year = SelectedDate.Year;
    ClockOffset += hours * 3600.0 / SecondsPerDay;
    // The tick's rule: past midnight of the shown time the date fields move on.
    if (GetTime()) ShowSelectedMonth();
    if (SelectedDate.Month != month || SelectedDate.Year != year) emit selectedMonthChanged();
    RecomputeDayData();
    RefreshPanel();
}

// --- time editor ---

bool TMain::timeEditorOpen() const {
    return imgTimeButton && imgTimeButton->isVisibleTo(this);
}

void TMain::lblClockClick() {
    if (!AcceptYear()) return;
    const QString t = QString::fromStdString(astro::DateTimeText(ShownDate()));
    imgTimeButton->move(130, 41);
    Timer1->stop();
    const QPoint at = imgTimeButton->pos();
    lblHour->setText(t.mid(0, 2));
    lblMinute->setText(t.mid(3, 2));
    lblSecond->setText(t.mid(6, 2));
    for (QLabel* label : {static_cast<QLabel*>(lblHour), static_cast<QLabel*>(lblMinute),
                          static_cast<QLabel*>(lblSecond)})
        label->adjustSize();
    lblHour->move(at + QPoint(10, 3));
    lblMinute->move(at + QPoint(35, 3));
    lblSecond->move(at + QPoint(60, 3));
    lblColon1->move(at + QPoint(28, 2));
    lblColon2->move(at + QPoint(53, 2));
    if (EditedField == 3) EditedField = 0;
    typedFields_ = 0;
    setFocus(Qt::OtherFocusReason); // the keys, Enter too, go to the editor
    DisplayTimeEditor(true);
    WatchClicksOutsideEditor(true);
    // The hour is ready for typing: its text selected, so that typing replaces it.
    const std::array<TClickLabel*, 3> fields{lblHour, lblMinute, lblSecond};
    ChooseField(EditedField, fields[static_cast<std::size_t>(EditedField)]);
}

// Escape, a click elsewhere or Enter with nothing typed: the editor closes, the clock runs on
// with the offset it had.
void TMain::CancelTimeEditor() {
    DisplayTimeEditor(false);
    Timer1->start();
    Timer1Timer();
}

void TMain::WatchClicksOutsideEditor(bool watch) {
    if (!qApp) return;
    qApp->removeEventFilter(this);
    if (watch) qApp->installEventFilter(this);
}

void TMain::DisplayTimeEditor(bool visible) {
    for (QWidget* control : {static_cast<QWidget*>(imgTimeButton), static_cast<QWidget*>(lblHour),
                             static_cast<QWidget*>(lblMinute), static_cast<QWidget*>(lblSecond),
                             static_cast<QWidget*>(lblColon1), static_cast<QWidget*>(lblColon2)}) {
        control->setVisible(visible);
        if (visible) control->raise();
    }
    CursorTimer->stop();
    lblCursor->hide();
    if (!visible) {
        WatchClicksOutsideEditor(false);
        fieldSelected_ = false;
        MarkSelectedField();
    }
}

// Entering a field selects its text, as an edit box does: the first digit typed replaces it.
void TMain::ChooseField(int field, QLabel* label) {
    EditedField = field;
    fieldSelected_ = true;
    MarkSelectedField();
    lblCursor->setFont(ArialPoints(12, true));
    ShowCursor(label);
}

void TMain::StepField(int step) {
    const std::array<TClickLabel*, 3> fields{lblHour, lblMinute, lblSecond};
    const int field = ((EditedField + step) % 3 + 3) % 3;
    ChooseField(field, fields[static_cast<std::size_t>(field)]);
}

// The selected field shows white digits on navy, the others black on the entry boxes.
void TMain::MarkSelectedField() {
    const std::array<TClickLabel*, 3> fields{lblHour, lblMinute, lblSecond};
    for (int i = 0; i < 3; ++i) {
        const bool selected = fieldSelected_ && i == EditedField;
        fields[static_cast<std::size_t>(i)]->setStyleSheet(
            selected ? QStringLiteral("QLabel { background: rgb(0, 0, 128); color: white; }")
                     : TransparentLabelStyle(Qt::black));
    }
}

void TMain::lblHourClick() {
    ChooseField(0, lblHour);
}

void TMain::lblMinuteClick() {
    ChooseField(1, lblMinute);
}

void TMain::lblSecondClick() {
    ChooseField(2, lblSecond);
}

void TMain::ShowCursor(QLabel* label) {
    lblCursor->adjustSize();
    lblCursor->move(label->x() + label->width(), label->y() - 1);
    lblCursor->raise();
    CursorTimer->start();
}

void TMain::CursorTimerTimer() {
    lblCursor->setVisible(!lblCursor->isVisibleTo(this));
}

void TMain::FormKeyPress(int key) {
    if (EditedField == 3) {
        if (!yearEntryOpen()) return; // no entry open: keys change nothing
        if (key == 27)
            CancelEntries();
        else if (key == 13)
            AcceptYear();
        else
            EditLabel(lblSelectedYear, key, 4);
        return;
    }
    if (!timeEditorOpen()) return;
    QLabel* const fields[3] = {lblHour, lblMinute, lblSecond};
    if (key == 27) {
        CancelTimeEditor();
        return;
    }
    if (key == 9) {
        StepField(1);
        return;
    }
    if (key != 13) {
        QLabel* field = fields[EditedField];
        const bool edits = key == 8 || (key >= '0' && key <= '9');
        if (edits && fieldSelected_) field->clear(); // typing replaces the selected text
        EditLabel(field, key, 2);
        if (edits) {
            fieldSelected_ = false;
            MarkSelectedField();
            typedFields_ |= 1 << EditedField;
        }
        return;
    }
    // Enter with nothing typed keeps the running clock: the fields hold the time the editor
    // opened at, which is stale by now.
    if (typedFields_ == 0) {
        CancelTimeEditor();
        return;
    }
    // Each typed field must hold a time of day; the others are not taken.
    const int limits[3] = {24, 60, 60};
    for (int i = 0; i < 3; ++i) {
        if (!(typedFields_ & (1 << i))) continue;
        bool ok = false;
        const int value = fields[i]->text().toInt(&ok);
        if (!ok || value < 0 || value >= limits[i]) {
            platform::Beep();
            return;
        }
    }
    ApplyTime();
}

// The typed fields replace those of the shown time at this moment; the fields not typed run
// on with the clock. The offset is what the new shown time is ahead of the system time.
void TMain::ApplyTime() {
    const QTime now = State.LocalNow().time();
    SelectedDate.Hour = static_cast<std::uint16_t>(now.hour());
    SelectedDate.Minute = static_cast<std::uint16_t>(now.minute());
    SelectedDate.Second = static_cast<std::uint16_t>(now.second());
    SelectedDate.Millisecond = static_cast<std::uint16_t>(now.msec());
    SelectedDate.Julian = astro::DateToJulian(SelectedDate);
    // The shown time of day at this moment (the clock stood still while the editor was open).
    const long long running =
        ((SecondsOfDay(SelectedDate) + std::llround(ClockOffset * SecondsPerDay)) % SecondsPerDay +
         SecondsPerDay) %
        SecondsPerDay;
    const auto part = [this](int field, QLabel* label, long long value) {
        return (typedFields_ & (1 << field)) ? label->text().toInt() : static_cast<int>(value);
    };
    const int typed = part(0, lblHour, running / 3600) * 3600 +
                      part(1, lblMinute, running / 60 % 60) * 60 + part(2, lblSecond, running % 60);
    ClockOffset = static_cast<double>(typed - SecondsOfDay(SelectedDate)) / SecondsPerDay;
    Timer1->start();
    DisplayTimeEditor(false);
    // The age, the lunation and the apsides follow the new time at once.
    RecomputeDayData();
    RefreshPanel();
}

void TMain::imgTimeButtonMouseUp(Qt::MouseButton, QPoint pos) {
    if (pos.x() < 87 || pos.x() > 126 || pos.y() < 4 || pos.y() > 19) return;
    ClockOffset = 0;
    SetDateAndTime(SelectedDate, State.LocalNow());
    SelectedDate.Julian = astro::DateToJulian(SelectedDate);
    ShowSelectedMonth();
    Timer1->start();
    DisplayTimeEditor(false);
    RefreshPanel();
}
