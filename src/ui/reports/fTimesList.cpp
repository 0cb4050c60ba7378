// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/reports/fTimesList.h"
#include "ui/reports/PlainSkin.h"

#include "astro/fSidereal.h"
#include "platform/Platform.h"
#include "print/Canvas.h"
#include "print/EventText.h"
#include "print/PrintJob.h"
#include "print/fPrint.h"
#include "settings/ObserverSettings.h"
#include "ui/Windows.h"
#include "ui/reports/ReportContext.h"
#include "ui/style/PaintedTexts.h"
#include "ui/style/Style.h"
#include "zone/EngineText.h"
#include "zone/LocalTime.h"
#include "zone/Zone.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QPrinter>
#include <QStringList>
#include <QToolTip>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

using reportcontext::DayOf;
using reportcontext::DaysOfMonth;
using reportcontext::MainObserver;
using reportcontext::SelectedDate;

using mainstyle::Aqua;
using mainstyle::StripeGrey;
using mainstyle::ValueTextColour;
const QColor SunYellow = mainstyle::Yellow;

// A time text as shown: "HH:MM", or the engine's "None" in the program's language.
QString Text(const std::string& s) {
    return EngineText(s);
}

// A time drawn within `room` pixels: a longer text ("01:04 GMT" in the repeated hour) is
// narrowed to fit rather than run into the next column.
void TimeOut(QPainter& canvas, int x, int y, const QString& text, const QColor& colour, int room) {
    const int width = canvas::TextWidth(canvas, text);
    if (width <= room || room <= 0) {
        canvas::TextOut(canvas, x, y, text, colour);
        return;
    }
    canvas.save();
    canvas.translate(x, y);
    canvas.scale(static_cast<double>(room) / width, 1.0);
    canvas::TextOut(canvas, 0, 0, text, colour);
    canvas.restore();
}

// A rise or set cell: "Up" / "Down" for a body above or below its level all day, the time with
// a "+" when a second event of the kind follows that day.
QString Cell(const std::string& text, const std::string& second, astro::EventState state) {
    const QString shown = EventText(text, state);
    return second.empty() || state != astro::EventState::Time ? shown : shown + QLatin1Char('+');
}
QString RiseCell(const astro::RiseSetTimes& t) {
    return Cell(t.Rise, t.Rise2, t.RiseState);
}
QString SetCell(const astro::RiseSetTimes& t) {
    return Cell(t.Set, t.Set2, t.SetState);
}

} // namespace

// The day's second events, as "Moon rise 23:40, Sun set 00:10", empty when there are none.
QString SecondEvents(const TimesOfDay& t) {
    const struct {
        const astro::RiseSetTimes& times;
        const char* rise;
        const char* set;
    } bodies[] = {{t.Moon, QT_TRANSLATE_NOOP("TTimesList", "Moon rise %1"),
                   QT_TRANSLATE_NOOP("TTimesList", "Moon set %1")},
                  {t.Sun, QT_TRANSLATE_NOOP("TTimesList", "Sun rise %1"),
                   QT_TRANSLATE_NOOP("TTimesList", "Sun set %1")},
                  {t.Civil, QT_TRANSLATE_NOOP("TTimesList", "Civil twilight start %1"),
                   QT_TRANSLATE_NOOP("TTimesList", "Civil twilight end %1")},
                  {t.Nautical, QT_TRANSLATE_NOOP("TTimesList", "Nautical twilight start %1"),
                   QT_TRANSLATE_NOOP("TTimesList", "Nautical twilight end %1")},
                  {t.Astronomical,
                   QT_TRANSLATE_NOOP("TTimesList", "Astronomical twilight start %1"),
                   QT_TRANSLATE_NOOP("TTimesList", "Astronomical twilight end %1")}};
    QStringList parts;
    for (const auto& b : bodies) {
        if (!b.times.Rise2.empty()) parts << TTimesList::tr(b.rise).arg(Text(b.times.Rise2));
        if (!b.times.Set2.empty()) parts << TTimesList::tr(b.set).arg(Text(b.times.Set2));
    }
    return parts.join(QStringLiteral(", "));
}

namespace {

// What the marks of the table stand for.
const char* const Legend =
    QT_TRANSLATE_NOOP("TTimesList", "Up / Down: above / below the level all day   +: a second "
                                    "one that day");

// The illuminated percentage as the table shows it: at most three digits.
QString PercentDigits(std::int32_t percent) {
    return QString::number(percent).left(3);
}

// The columns as the copied table names them.
QString TableHeadings() {
    return TTimesList::tr(
        "Date\tMoonrise\tMoon transit\tMoonset\tIlluminated\t"
        "Astronomical start\tNautical start\tCivil start\t"
        "Sunrise\tSun transit\tSunset\tCivil end\tNautical end\tAstronomical end");
}

// Column headings over the table, in window coordinates (table x + 20).
void DrawColumnHeadings(QPainter& p) {
    // The headings where the painted picture has them, each shrunk to its place.
    std::size_t count = 0;
    const paintedtexts::PaintedText* texts = paintedtexts::AllPaintedTexts(count);
    for (std::size_t i = 0; i < count; ++i) {
        const paintedtexts::PaintedText& t = texts[i];
        // The title plate is the stand-in skin's own.
        if (std::strcmp(t.Context, "TTimesList") != 0 || t.Place.top() < 40) continue;
        const QString text = QCoreApplication::translate(t.Context, t.English);
        p.setFont(paintedtexts::FittingFont(text, t.Pixels, t.Bold, t.Place.width()));
        p.setPen(t.Ink);
        p.drawText(t.Place, t.Align, text);
    }
}

// A stand-in skin for when the painted picture is missing: title band with the column
// headings and the button glyphs, plain edges.
QPixmap PlainSkin() {
    QPixmap skin =
        PlainReportSkin({640, 481}, 80, TTimesList::tr("Rise / Set Times"), {202, 10, 236, 23},
                        {{{20, 14, 25, 18}, QStringLiteral("P")},
                         {{54, 14, 16, 18}, QStringLiteral("\u25B2")},
                         {{74, 14, 16, 18}, QStringLiteral("\u25BC")},
                         {{592, 14, 16, 18}, QStringLiteral("_")},
                         {{614, 14, 16, 18}, QStringLiteral("x")}});
    QPainter p(&skin);
    DrawColumnHeadings(p);
    return skin;
}

// Printed row tint of even days by printer type.
QColor PrintedTint(const QString& printerType) {
    if (printerType == QStringLiteral("BW Inkjet")) return {160, 160, 255};
    if (printerType == QStringLiteral("Colour Inkjet")) return {220, 220, 255};
    return {220, 220, 220};
}

// Horizontal places of the printed table for a page width W: u = W div 22, v = trunc(W / 3),
// p(n) = trunc(W * n / 1000).
struct PrintColumns {
    explicit PrintColumns(int w) : W(w), u(w / 22), v(static_cast<int>(std::trunc(w / 3.0))) {}
    int p(double n) const { return static_cast<int>(std::trunc(W * n / 1000.0)); }
    int lst() const { return u + p(75); }
    int moon(double n) const { return 2 * u + p(n); }
    int dawn(double n) const { return 3 * u + v + p(n); }
    int sun(double n) const { return 4 * u + v + p(n); }
    int dusk(double n) const { return 5 * u + v + p(n); }
    int W, u, v;
};

void PrintHeadings(QPainter& c, const PrintColumns& col, int upper, int lower) {
    auto put = [&](int x, int y, const char* text) {
        canvas::TextOut(c, x, y, TTimesList::tr(text), Qt::black);
    };
    put(col.lst(), upper, QT_TRANSLATE_NOOP("TTimesList", "LST at"));
    put(col.lst(), lower, QT_TRANSLATE_NOOP("TTimesList", "Midnight"));
    put(col.moon(204.18), upper, QT_TRANSLATE_NOOP("TTimesList", "Moon"));
    put(col.moon(131.83), lower, QT_TRANSLATE_NOOP("TTimesList", "Rise"));
    put(col.moon(168.81), lower, QT_TRANSLATE_NOOP("TTimesList", "Transit"));
    put(col.moon(230.51), lower, QT_TRANSLATE_NOOP("TTimesList", "Set"));
    put(col.moon(278.13), lower, QT_TRANSLATE_NOOP("TTimesList", "illum"));
    put(col.dawn(38.58), upper, QT_TRANSLATE_NOOP("TTimesList", "Twilight"));
    put(col.dawn(2.57), lower, QT_TRANSLATE_NOOP("TTimesList", "Ast."));
    put(col.dawn(48.23), lower, QT_TRANSLATE_NOOP("TTimesList", "Naut."));
    put(col.dawn(96.46), lower, QT_TRANSLATE_NOOP("TTimesList", "Civil"));
    put(col.sun(197.75), upper, QT_TRANSLATE_NOOP("TTimesList", "Sun"));
    put(col.sun(147.91), lower, QT_TRANSLATE_NOOP("TTimesList", "Rise"));
    put(col.sun(186.6), lower, QT_TRANSLATE_NOOP("TTimesList", "Transit"));
    put(col.sun(244.37), lower, QT_TRANSLATE_NOOP("TTimesList", "Set"));
    put(col.dusk(327.97), upper, QT_TRANSLATE_NOOP("TTimesList", "Twilight"));
    put(col.dusk(289.39), lower, QT_TRANSLATE_NOOP("TTimesList", "Civil"));
    put(col.dusk(337.62), lower, QT_TRANSLATE_NOOP("TTimesList", "Naut."));
    put(col.dusk(388.42), lower, QT_TRANSLATE_NOOP("TTimesList", "Ast."));
}

void PrintDayTexts(QPainter& c, const PrintColumns& col, int y, const QString& date,
                   const QString& lst, const TimesOfDay& t) {
    const int room = col.p(46);
    auto put = [&](int x, const QString& text) { TimeOut(c, x, y, text, Qt::black, room); };
    canvas::TextOut(c, col.p(30), y, date, Qt::black);
    canvas::TextOut(c, col.lst(), y, lst, Qt::black);
    put(col.moon(128.62), RiseCell(t.Moon));
    put(col.moon(176.85), Text(t.Moon.Transit));
    put(col.moon(225.08), SetCell(t.Moon));
    const QString digits = PercentDigits(t.Moon.IlluminatedPercent);
    canvas::TextOut(c, col.moon(305.47) - canvas::TextWidth(c, digits), y,
                    digits + QStringLiteral("%"), Qt::black);
    put(col.dawn(0), RiseCell(t.Astronomical));
    put(col.dawn(48.23), RiseCell(t.Nautical));
    put(col.dawn(96.46), RiseCell(t.Civil));
    put(col.sun(144.69), RiseCell(t.Sun));
    put(col.sun(192.93), Text(t.Sun.Transit));
    put(col.sun(241.16), SetCell(t.Sun));
    put(col.dusk(289.39), SetCell(t.Civil));
    put(col.dusk(337.62), SetCell(t.Nautical));
    put(col.dusk(385.85), SetCell(t.Astronomical));
}

} // namespace

TimesOfDay ComputeTimesOfDay(const astro::DateTimeRec& date, const astro::Observer& observer) {
    // Each event in the offset in force at it (RiseSetOnDay), as the panel and the CLI do.
    auto onDay = [&](const std::function<astro::RiseSetTimes(const astro::Observer&)>& compute) {
        return RiseSetOnDay(date, observer, compute);
    };
    TimesOfDay t;
    t.Moon = onDay([&](const astro::Observer& o) { return astro::MoonRiseSet(date, o); });
    auto sunAt = [&](double altitude) {
        return onDay(
            [&](const astro::Observer& o) { return astro::SunRiseSet(date, altitude, o); });
    };
    t.Sun = sunAt(astro::SunriseAltitude);
    t.Civil = sunAt(astro::CivilTwilightAltitude);
    t.Nautical = sunAt(astro::NauticalTwilightAltitude);
    t.Astronomical = sunAt(astro::AstronomicalTwilightAltitude);
    return t;
}

QString SystemDateSeparator() {
    const QString format = QLocale().dateFormat(QLocale::ShortFormat);
    for (QChar ch : format)
        if (!ch.isLetter() && ch != QLatin1Char('\'') && !ch.isSpace()) return QString(ch);
    return QStringLiteral("/");
}

QString FormatListDate(const astro::DateTimeRec& date, const QString& pattern,
                       const QString& separator) {
    const QLocale locale = QLocale();
    // Qt numbers the weekdays 1 Monday .. 7 Sunday; the engine's weekday follows the calendar
    // of the date (Julian before the reform), which QDate does not.
    const int weekday = astro::Weekday(date.Day, date.Month, date.Year);
    const int qtWeekday = weekday == 0 ? 7 : weekday;
    QString out;
    for (qsizetype i = 0; i < pattern.size();) {
        const QChar ch = pattern[i].toLower();
        qsizetype run = 1;
        while (i + run < pattern.size() && pattern[i + run].toLower() == ch)
            ++run;
        if (ch == QLatin1Char('d')) {
            if (run == 1)
                out += QString::number(date.Day);
            else if (run == 2)
                out += QString::number(date.Day).rightJustified(2, QLatin1Char('0'));
            else if (run == 3)
                out += locale.dayName(qtWeekday, QLocale::ShortFormat);
            else
                out += locale.dayName(qtWeekday, QLocale::LongFormat);
        } else if (ch == QLatin1Char('m')) {
            if (run == 1)
                out += QString::number(date.Month);
            else if (run == 2)
                out += QString::number(date.Month).rightJustified(2, QLatin1Char('0'));
            else if (run == 3)
                out += Text(astro::ShortMonthName(date.Month));
            else
                out += Text(astro::LongMonthName(date.Month));
        } else if (ch == QLatin1Char('y')) {
            const QString year = QString::number(date.Year).rightJustified(4, QLatin1Char('0'));
            out += run <= 2 ? year.right(2) : year;
        } else if (ch == QLatin1Char('/')) {
            out += separator.repeated(run);
        } else {
            out += pattern.mid(i, run);
        }
        i += run;
    }
    return out;
}

TTimesList::TTimesList(QWidget* parent) : TFrame(parent) {
    setWindowTitle(tr("Rise/Set Times"));
    const QPixmap skin = mainstyle::SkinPicture(QStringLiteral("timeslist.jpg"));
    setBackground(skin.isNull() ? PlainSkin() : skin, false);
    setFixedSize(640, 481);

    addTitleLabel(QRect(202, 10, 236, 23));
    lblPrint = new TClickLabel(this, QRect(20, 16, 24, 19),
                               tr("Send the information on this screen to the printer"));
    lblScrollUp =
        new TClickLabel(this, QRect(54, 14, 18, 22), tr("Scroll information up on screen"));
    lblScrollDown =
        new TClickLabel(this, QRect(74, 14, 18, 22), tr("Scroll information down on screen"));
    addMinimiseLabel(QRect(592, 14, 15, 15), MinimiseScope::Window, tr("Minimise this window"));
    addExitLabel(QRect(614, 14, 13, 15), tr("Close this window"));
    for (TClickLabel* l : {lblPrint, lblScrollUp, lblScrollDown}) {
        l->setCursor(Qt::PointingHandCursor);
        l->setKeyboardButton(Qt::Horizontal);
    }

    connect(lblPrint, &TClickLabel::clicked, this, [this] {
        PrintFromClick(this, lblPrint->clickModifiers(), PrintJob::Orientation::Landscape,
                       [this] { lblPrintClick(); });
    });
    connect(lblScrollUp, &TClickLabel::clicked, this, &TTimesList::lblScrollUpClick);
    connect(lblScrollDown, &TClickLabel::clicked, this, &TTimesList::lblScrollDownClick);

    imgData = mainstyle::DisplayPixmap(QSize(DataWidth, DataHeight));

    reportcontext::FollowSharedState(this, [this] { SetupDataBitmap(SelectedDate()); });
}

void TTimesList::SetupDataBitmap(const astro::DateTimeRec& date) {
    SetupDataBitmap(date, MainObserver());
}

void TTimesList::SetupDataBitmap(const astro::DateTimeRec& date, const astro::Observer& observer) {
    Offset = 0;
    const std::vector<int> dayNumbers = DaysOfMonth(date);
    Days = static_cast<int>(dayNumbers.size());
    rowNotes_.assign(dayNumbers.size(), QString());

    imgData = mainstyle::DisplayPixmap(QSize(DataWidth, DataHeight));
    TableText = QStringList{TableHeadings()};
    QPainter canvas(&imgData);
    for (int i = 0; i < 32; ++i)
        canvas::FillRect(canvas, 0, RowHeight * i, DataWidth, RowHeight * i + RowHeight,
                         i % 2 == 0 ? QColor(Qt::black) : StripeGrey);
    canvas.setBrush(Qt::NoBrush);
    canvas::SetFont(canvas, QStringLiteral("Arial"), canvas::ScreenPointSize(8));
    RowsSpoken.clear();
    for (int row = 0; row < Days; ++row) {
        const astro::DateTimeRec day = DayOf(date, dayNumbers[static_cast<std::size_t>(row)]);
        const QString dateText =
            FormatListDate(day, QStringLiteral("dddd dd/mm/yyyy"), SystemDateSeparator());
        if (CurrentZone().SkipsDay(day)) {
            DrawSkippedDayRow(canvas, day, RowHeight * row);
            RowsSpoken << dateText + tr(": no such day here");
            continue;
        }
        const TimesOfDay t = ComputeTimesOfDay(day, observer);
        rowNotes_[static_cast<std::size_t>(row)] = SecondEvents(t);
        DrawDayRow(canvas, day, t, RowHeight * row);
        RowsSpoken << tr("%1: moonrise %2, Moon's transit %3, moonset %4, %5% lit; astronomical "
                         "dawn %6, nautical dawn %7, civil dawn %8, sunrise %9, Sun's transit "
                         "%10, sunset %11, civil dusk %12, nautical dusk %13, astronomical dusk "
                         "%14")
                          .arg(dateText, RiseCell(t.Moon), Text(t.Moon.Transit), SetCell(t.Moon),
                               PercentDigits(t.Moon.IlluminatedPercent), RiseCell(t.Astronomical),
                               RiseCell(t.Nautical), RiseCell(t.Civil), RiseCell(t.Sun))
                          .arg(Text(t.Sun.Transit), SetCell(t.Sun), SetCell(t.Civil),
                               SetCell(t.Nautical), SetCell(t.Astronomical));
    }
    canvas.end();
    DisplayDataBitmap();
}

void TTimesList::DrawDayRow(QPainter& canvas, const astro::DateTimeRec& date, const TimesOfDay& t,
                            int y) {
    canvas::TextOut(canvas, 10, y,
                    FormatListDate(date, ObserverSettings.DateFormat, SystemDateSeparator()),
                    Qt::white);

    // Each time keeps to its column: up to 3 pixels short of the next one.
    const QString digits = PercentDigits(t.Moon.IlluminatedPercent);
    const int percentLeft = 212 - canvas::TextWidth(canvas, digits);
    TimeOut(canvas, 84, y, RiseCell(t.Moon), Aqua, 124 - 84 - 3);
    TimeOut(canvas, 124, y, Text(t.Moon.Transit), Aqua, 162 - 124 - 3);
    TimeOut(canvas, 162, y, SetCell(t.Moon), Aqua, percentLeft - 162 - 3);
    canvas::TextOut(canvas, percentLeft, y, digits + QStringLiteral("%"), Aqua);

    TimeOut(canvas, 369, y, RiseCell(t.Sun), SunYellow, 409 - 369 - 3);
    TimeOut(canvas, 409, y, Text(t.Sun.Transit), SunYellow, 447 - 409 - 3);
    TimeOut(canvas, 447, y, SetCell(t.Sun), SunYellow, 491 - 447 - 3);

    TimeOut(canvas, 245, y, RiseCell(t.Astronomical), ValueTextColour, 284 - 245 - 3);
    TimeOut(canvas, 284, y, RiseCell(t.Nautical), ValueTextColour, 323 - 284 - 3);
    TimeOut(canvas, 323, y, RiseCell(t.Civil), ValueTextColour, 369 - 323 - 3);
    TimeOut(canvas, 491, y, SetCell(t.Civil), ValueTextColour, 529 - 491 - 3);
    TimeOut(canvas, 529, y, SetCell(t.Nautical), ValueTextColour, 567 - 529 - 3);
    TimeOut(canvas, 567, y, SetCell(t.Astronomical), ValueTextColour, DataWidth - 567 - 3);

    // The same row as text, in the order of the columns.
    TableText << QStringList{FormatListDate(date, ObserverSettings.DateFormat,
                                            SystemDateSeparator()),
                             RiseCell(t.Moon),
                             Text(t.Moon.Transit),
                             SetCell(t.Moon),
                             PercentDigits(t.Moon.IlluminatedPercent) + u'%',
                             RiseCell(t.Astronomical),
                             RiseCell(t.Nautical),
                             RiseCell(t.Civil),
                             RiseCell(t.Sun),
                             Text(t.Sun.Transit),
                             SetCell(t.Sun),
                             SetCell(t.Civil),
                             SetCell(t.Nautical),
                             SetCell(t.Astronomical)}
                     .join(u'\t');
}

// A day the zone's clocks jumped over (Pacific/Apia, 30 December 2011) keeps its row, marked.
void TTimesList::DrawSkippedDayRow(QPainter& canvas, const astro::DateTimeRec& date, int y) {
    const QString day = FormatListDate(date, ObserverSettings.DateFormat, SystemDateSeparator());
    const QString note = SkippedDayText();
    canvas::TextOut(canvas, 10, y, day, Qt::white);
    canvas::TextOut(canvas, 84, y, note, Aqua);
    TableText << day + u'\t' + note;
}

QString TTimesList::SkippedDayText() {
    return tr("No such day here: the clocks of %1 skipped it")
        .arg(QString::fromLatin1(CurrentZone().Id()));
}

QList<TSpokenItem> TTimesList::SpokenItems() const {
    QList<TSpokenItem> items;
    for (int row = 0; row < RowsSpoken.size(); ++row) {
        // Rows scrolled out of the band have no place on the screen.
        const QRect place(BandLeft, BandTop + RowHeight * row - Shown, DataWidth, RowHeight);
        const bool inBand = place.top() >= BandTop && place.bottom() < BandTop + BandRows;
        items.append({RowsSpoken[row], inBand ? place : QRect(), QAccessible::Row});
    }
    return items;
}

void TTimesList::DisplayDataBitmap() {
    Shown = Offset;
    update(BandLeft, BandTop, DataWidth, BandRows);
}

int TTimesList::MaxOffset() const {
    return std::max(0, RowHeight * Days - 381);
}

int TTimesList::ClampOffset(int offset) const {
    return std::clamp(offset, 0, MaxOffset());
}

bool TTimesList::InVisibleBand(QPoint pos) {
    return pos.x() >= BandLeft && pos.x() <= BandLeft + DataWidth && pos.y() >= BandTop &&
           pos.y() <= BandTop + BandRows;
}

void TTimesList::lblScrollUpClick() {
    Offset = ClampOffset(Offset - RowHeight);
    DisplayDataBitmap();
}

void TTimesList::lblScrollDownClick() {
    Offset = ClampOffset(Offset + RowHeight);
    DisplayDataBitmap();
}

// Arrows a row, Page Up/Down a band's worth of rows, the wheel three rows a notch.
void TTimesList::ScrollRows(int rows) {
    Offset = ClampOffset(Offset + rows * RowHeight);
    DisplayDataBitmap();
}

void TTimesList::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        CopyToClipboard(TableAsText());
        return;
    }
    if (const int rows = ScrollRowsForKey(*event, BandRows / RowHeight - 1)) {
        ScrollRows(rows);
        return;
    }
    TFrame::keyPressEvent(event);
}

void TTimesList::wheelEvent(QWheelEvent* event) {
    if (const int notches = WheelNotches(*event, wheelRest_)) ScrollRows(3 * notches);
    event->accept();
}

void TTimesList::FormMouseDown(QPoint pos) {
    Dragging = true;
    DragY = pos.y();
}

// While dragging inside the band the table follows the pointer at once; the stored offset
// changes only when the button is released.
void TTimesList::FormMouseMove(QPoint pos) {
    if (!Dragging || !InVisibleBand(pos)) return;
    Shown = ClampOffset(Offset + DragY - pos.y());
    update(BandLeft, BandTop, DataWidth, BandRows);
}

void TTimesList::FormMouseUp(QPoint pos) {
    if (!Dragging) return;
    Dragging = false;
    Offset = ClampOffset(Offset + DragY - pos.y());
    DisplayDataBitmap();
}

void TTimesList::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) FormMouseDown(event->position().toPoint());
}

void TTimesList::mouseMoveEvent(QMouseEvent* event) {
    FormMouseMove(event->position().toPoint());
}

void TTimesList::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) FormMouseUp(event->position().toPoint());
}

void TTimesList::FormShow() {
    QPoint at = pos();
    if (!placed_) {
        placed_ = true;
        if (const QWidget* main = MainWidget()) at = CentredOn(*main, size());
    }
    move(Clamp(at, size(), screenArea(at), ClampOrder::LeftFirst));
}

void TTimesList::FormActivate() {
    DisplayDataBitmap();
}

void TTimesList::changeEvent(QEvent* event) {
    TFrame::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) FormActivate();
}

void TTimesList::paintEvent(QPaintEvent* event) {
    TFrame::paintEvent(event);
    QPainter painter(this);
    mainstyle::DrawPicturePart(painter, QPoint(BandLeft, BandTop), imgData,
                               QRect(0, Shown, DataWidth, BandRows));
    canvas::SetFont(painter, QStringLiteral("Arial"), canvas::ScreenPointSize(7));
    painter.setPen(ValueTextColour);
    painter.drawText(QRect(BandLeft, BandTop + BandRows, DataWidth, height() - BandTop - BandRows),
                     Qt::AlignCenter, TTimesList::tr(Legend));
}

QString TTimesList::NoteAt(QPoint pos) const {
    if (!InVisibleBand(pos)) return {};
    const int row = (pos.y() - BandTop + Shown) / RowHeight;
    if (row < 0 || row >= static_cast<int>(rowNotes_.size())) return {};
    return rowNotes_[static_cast<std::size_t>(row)];
}

bool TTimesList::event(QEvent* e) {
    if (e->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(e);
        const QString note = NoteAt(help->pos());
        if (note.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), tr("Also that day: %1").arg(note), this);
        return true;
    }
    return TFrame::event(e);
}

void TTimesList::lblPrintClick() {
    PrintTimes(SelectedDate());
}

void TTimesList::PrintTimes(const astro::DateTimeRec& date) {
    PrintTimes(date, MainObserver());
}

void TTimesList::PrintTimes(const astro::DateTimeRec& date, const astro::Observer& observer) {
    PrintJob job(this, SuggestedPdfName(tr("Times"), date.Month, date.Year),
                 PrintJob::Orientation::Landscape);
    if (!job.Started()) return;
    QPainter& c = job.Canvas();
    const QString font = QStringLiteral("Times New Roman");
    const int w = job.PageWidth();
    const int h = job.PageHeight();

    canvas::SetFont(c, font, 10, true);
    c.setPen(Qt::black);
    const int q = static_cast<int>(std::trunc(1.8 * canvas::TextHeight(c, QStringLiteral("Tg"))));
    PrintPageHeader(c, date.Month, date.Year);
    const int top = HeaderBottom;
    const int foot = FooterHeight;
    canvas::SetFont(c, font, 10, true);

    // Gaps in points, so that the page looks alike at any printer resolution.
    const int boxTop = top - canvas::Dots(c, 7.2);
    const int inset = canvas::Dots(c, 0.5);
    c.setPen(Qt::black);
    c.setBrush(Qt::white);
    canvas::Rectangle(c, 0, boxTop, w, top + q);
    const PrintColumns col(w);
    PrintHeadings(c, col, boxTop + inset, boxTop + inset + q / 2);

    // Always 31 slots, whatever the month's length.
    const int rowHeight = (h - q - top - foot - inset) / 31;
    canvas::SetFont(c, font, 10);
    const QColor tint = PrintedTint(ObserverSettings.PrinterType);
    const QString separator = SystemDateSeparator();
    const std::vector<int> dayNumbers = DaysOfMonth(date);
    for (std::size_t row = 0; row < dayNumbers.size(); ++row) {
        const int rowTop = top + q + static_cast<int>(row) * rowHeight + inset;
        canvas::SetPenAndBrush(c, row % 2 == 0 ? QColor(Qt::white) : tint);
        canvas::Rectangle(c, inset, rowTop, w - inset, rowTop + rowHeight);
        c.setBrush(Qt::NoBrush);

        const astro::DateTimeRec day = DayOf(date, dayNumbers[row]);
        const int textTop = rowTop + (rowHeight - canvas::TextHeight(c, QStringLiteral("8"))) / 2;
        const QString dateText = FormatListDate(day, ObserverSettings.DateFormat, separator);
        if (CurrentZone().SkipsDay(day)) {
            canvas::TextOut(c, col.p(30), textTop, dateText, Qt::black);
            canvas::TextOut(c, col.moon(128.62), textTop, SkippedDayText(), Qt::black);
            continue;
        }
        const QString lst = QString::fromStdString(astro::LocalSiderealTimeText(
                                                       day, ObserverAtLocalTime(observer, day)))
                                .left(10);
        PrintDayTexts(c, col, textTop, dateText, lst, ComputeTimesOfDay(day, observer));
    }

    // The marks, and the month's second events by day, under the table.
    QStringList seconds;
    for (int d : dayNumbers) {
        const astro::DateTimeRec day = DayOf(date, d);
        if (CurrentZone().SkipsDay(day)) continue;
        const QString note = SecondEvents(ComputeTimesOfDay(day, observer));
        if (!note.isEmpty()) seconds << QStringLiteral("%1: %2").arg(d).arg(note);
    }
    canvas::SetFont(c, font, 7);
    QString legend = TTimesList::tr(Legend);
    if (!seconds.isEmpty())
        legend += TTimesList::tr(".   Second events: %1").arg(seconds.join(QStringLiteral("; ")));

    const int legendTop = top + q + 31 * rowHeight + inset + canvas::Dots(c, 1);
    c.setPen(Qt::black);
    c.drawText(QRect(col.p(30), legendTop, w - 2 * col.p(30), h - legendTop),
               Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, legend);

    PrintPageFooter(c);
    job.Finish();
}
