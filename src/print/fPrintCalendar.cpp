// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/fPrintCalendar.h"

#include "astro/fMoonCalcs.h"
#include "print/Canvas.h"
#include "print/EventText.h"
#include "print/PrintJob.h"
#include "print/fPrint.h"
#include "settings/ObserverSettings.h"
#include "zone/EngineText.h"
#include "zone/LocalTime.h"
#include "zone/Zone.h"

#include <QCoreApplication>
#include <QLocale>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>

namespace {

const QString PageFont = QStringLiteral("Times New Roman");
const QColor WeekdayYellow{255, 255, 0};
constexpr int GridCells = 42;

// The page's measures in device pixels.
struct PageMeasures {
    int PW = 0; // printable width
    int PH = 0; // printable height
    int cw = 0; // column width, PW div 7

    // A length of k per mille of the page width.
    int u(double k) const { return static_cast<int>(std::trunc(PW * k / 1000.0)); }
    // Row height of the day cells below the (moved) header.
    int ch() const { return (PH - HeaderBottom - FooterHeight) / 6; }
};

PageMeasures MeasuresOf(const QPainter& canvas) {
    PageMeasures m;
    if (const QPaintDevice* device = canvas.device()) {
        m.PW = device->width();
        m.PH = device->height();
    }
    m.cw = m.PW / 7;
    return m;
}

// Weekday 0 Sunday .. 6 Saturday of a date (the Julian Day at noon, counted from a Monday).
int WeekdayOf(int day, int month, int year) {
    astro::DateTimeRec d;
    d.Day = static_cast<std::uint16_t>(day);
    d.Month = static_cast<std::uint16_t>(month);
    d.Year = static_cast<std::uint16_t>(year);
    return static_cast<int>(static_cast<long long>(astro::DateToJulian(d) + 1.5) % 7);
}

QString LongWeekdayName(int weekday) {
    return QLocale().dayName(weekday == 0 ? 7 : weekday, QLocale::LongFormat);
}

astro::DateTimeRec DayOf(int day, int month, int year) {
    astro::DateTimeRec date;
    date.Day = static_cast<std::uint16_t>(day);
    date.Month = static_cast<std::uint16_t>(month);
    date.Year = static_cast<std::uint16_t>(year);
    date.Julian = astro::DateToJulian(date);
    return date;
}

// --- weekday row --------------------------------------------------------------------------

void PrintWeekdayRow(QPainter& c, const PageMeasures& m, int dayOrder) {
    canvas::SetFont(c, PageFont, 12, true);
    const int g = m.u(12.86);
    const int rh = canvas::TextHeight(c, QStringLiteral("Tg")) + g;
    c.setBrush(WeekdayYellow);
    c.setPen(Qt::black);
    for (int i = 0; i < 7; ++i) {
        const int x = i * m.cw;
        canvas::Rectangle(c, x, HeaderBottom, x + m.cw, HeaderBottom + rh);
        const QString name = LongWeekdayName((dayOrder + i) % 7).left(10);
        canvas::TextOut(c, x + (m.cw - canvas::TextWidth(c, name)) / 2, HeaderBottom + g / 2, name);
    }
    HeaderBottom = static_cast<std::uint16_t>(HeaderBottom + rh);
    c.setBrush(Qt::white);
}

// --- day cells ----------------------------------------------------------------------------

void PrintTimeLines(QPainter& c, const PageMeasures& m, int right,
                    const std::array<TimeLine, 3>& lines, const std::array<int, 3>& tops) {
    for (std::size_t j = 0; j < lines.size(); ++j) {
        canvas::TextOut(c, right - m.u(41.8), tops[j], lines[j].Label);
        canvas::TextOut(c, right - m.u(24.12), tops[j], lines[j].Time);
    }
}

void PrintPhaseDrawing(QPainter& c, const PageMeasures& m, int cx, int cy,
                       const astro::DateTimeRec& date, const CalendarPage& page, int density) {
    const int illuminated = astro::MoonPosition(date.Julian, page.Observer).Moon.IlluminatedPercent;
    const int g = PhaseGrey(density);
    const int R = m.u(28.94);
    c.setPen(QColor(g, g, g));
    c.setBrush(Qt::white);
    c.drawEllipse(cx - R, cy - R, 2 * R - 1, 2 * R - 1);
    DrawPhaseShading(c, cx, cy, R, illuminated, g, date, page.Shading);
}

void PrintDayCell(QPainter& c, const PageMeasures& m, int n, const CalendarPage& page,
                  const TObserverSettings& s) {
    const int ch = m.ch();
    const int x = m.cw * (n % 7);
    const int y = HeaderBottom + ch * (n / 7);
    c.setPen(Qt::black);
    c.setBrush(Qt::white);
    canvas::Rectangle(c, x, y, x + m.cw, y + ch);

    canvas::SetFont(c, PageFont, 12, true);
    canvas::TextOut(c, x + m.u(3.86), y + m.u(3.86), page.Cells[n]);

    const astro::DateTimeRec date = DayOf(page.Cells[n].trimmed().toInt(), page.Month, page.Year);
    const astro::Observer& observer = page.Observer;
    const int cx = x + m.cw / 2;
    const int cy = y + ch / 2;
    if (s.PrintDailyPhases) PrintPhaseDrawing(c, m, cx, cy, date, page, s.PhaseDensity);

    canvas::SetFont(c, PageFont, 7);
    c.setPen(Qt::black);
    const int right = cx + m.cw / 2;
    if (s.PrintLunarTimes) {
        const int top = cy - ch / 2;
        // Each time in the offset in force at it, as on the screen.
        const astro::RiseSetTimes moon = RiseSetOnDay(
            date, observer, [&](const astro::Observer& o) { return astro::MoonRiseSet(date, o); });
        PrintTimeLines(c, m, right, MoonLines(moon),
                       {top + m.u(3.22), top + m.u(12.86), top + m.u(22.51)});
    }
    if (s.PrintSunTimes) {
        const int bottom = cy + ch / 2;
        const astro::RiseSetTimes sun = RiseSetOnDay(date, observer, [&](const astro::Observer& o) {
            return astro::SunRiseSet(date, astro::SunriseAltitude, o);
        });
        PrintTimeLines(c, m, right, SunLines(sun),
                       {bottom - m.u(32.15), bottom - m.u(22.51), bottom - m.u(12.86)});
    }
}

void PrintDayCells(QPainter& c, const PageMeasures& m, const CalendarPage& page,
                   const TObserverSettings& s) {
    for (int n = 0; n < GridCells; ++n)
        if (page.Cells[n].left(3) != QStringLiteral(" ")) PrintDayCell(c, m, n, page, s);
}

// --- principal phases ---------------------------------------------------------------------

void Disc(QPainter& c, int x, int y, int size, const QColor& fill) {
    c.setPen(Qt::black);
    c.setBrush(fill);
    c.drawEllipse(x, y, size - 1, size - 1);
}

// Two half-discs, outlined black: the first quarter is dark on the left where the Moon is seen
// from the north, the last quarter on the right; both mirror in the south.
void QuarterPicture(QPainter& c, int x, int y, int size, bool firstQuarter, bool north) {
    const bool leftDark = firstQuarter == north;
    const QRect box(x, y, size - 1, size - 1);
    constexpr int Up = 90 * 16;
    constexpr int Down = -90 * 16;
    constexpr int Half = 180 * 16;
    c.setPen(Qt::black);
    c.setBrush(leftDark ? Qt::black : Qt::white);
    c.drawPie(box, Up, Half); // left half
    c.setBrush(leftDark ? Qt::white : Qt::black);
    c.drawPie(box, Down, Half); // right half
}

void PhasePicture(QPainter& c, int x, int y, int size, astro::PhaseKind kind, bool north) {
    switch (kind) {
    case astro::PhaseKind::NewMoon:
        Disc(c, x, y, size, Qt::black);
        break;
    case astro::PhaseKind::FullMoon:
        Disc(c, x, y, size, Qt::white);
        break;
    case astro::PhaseKind::FirstQuarter:
        QuarterPicture(c, x, y, size, true, north);
        break;
    case astro::PhaseKind::LastQuarter:
        QuarterPicture(c, x, y, size, false, north);
        break;
    }
}

void PrintPhaseLegend(QPainter& c, const PageMeasures& m, bool north) {
    c.setPen(Qt::black);
    const int x0 = m.PW - m.u(80.39);
    const int s = m.u(9.65);
    const int v = m.u(6.43);
    const int textX = x0 + s + m.u(9.65);
    const std::pair<astro::PhaseKind, QString> entries[] = {
        {astro::PhaseKind::NewMoon, EngineText("New Moon")},
        {astro::PhaseKind::FirstQuarter, EngineText("First Quarter")},
        {astro::PhaseKind::FullMoon, EngineText("Full Moon")},
        {astro::PhaseKind::LastQuarter, EngineText("Last Quarter")},
    };
    // Longer names (other languages) are set smaller, to stay within the page's right edge.
    const int room = m.PW - textX - m.u(4);
    for (int points = 7; points >= 5; --points) {
        canvas::SetFont(c, PageFont, points);
        int widest = 0;
        for (const auto& entry : entries)
            widest = std::max(widest, canvas::TextWidth(c, entry.second));
        if (widest <= room) break;
    }
    const int th = canvas::TextHeight(c, QStringLiteral("N"));

    int y = m.u(24.12);
    for (const auto& [kind, text] : entries) {
        PhasePicture(c, x0, y, s, kind, north);
        canvas::TextOut(c, textX, y + (s - th) / 2, text, Qt::black);
        y += s + v;
    }
}

void PrintPhaseMarker(QPainter& c, const PageMeasures& m, const astro::PhaseEvent& event,
                      int firstColumnOffset, bool north) {
    const int b = m.u(19.29);
    const int e = m.u(4.8);
    const QString text = QString::fromStdString(event.Text);
    bool ok = false;
    const int day = text.mid(7, 2).trimmed().toInt(&ok);
    const int k = day + firstColumnOffset - 1;
    if (!ok || k < 0 || k >= GridCells) return;
    const int y = HeaderBottom + m.ch() * (k / 7 + 1) - b - e;
    const int x = e + m.cw * (k % 7);
    PhasePicture(c, x, y, b, event.Kind, north);
    canvas::SetFont(c, PageFont, 8);
    const int th = canvas::TextHeight(c, QStringLiteral("8"));
    canvas::TextOut(c, x + b + e, y + (b - th) / 2, text.left(5), Qt::black);
    c.setBrush(Qt::white);
}

} // namespace

CalendarPage CalendarPageFor(int month, int year, const astro::Observer& observer,
                             const PhaseShadingFrame& shading) {
    CalendarPage page;
    page.Month = month;
    page.Year = year;
    page.Observer = observer;
    page.Shading = shading;

    page.FirstColumnOffset = (WeekdayOf(1, month, year) - ObserverSettings.DayOrder % 7 + 7) % 7;
    const astro::MonthGridDays grid = astro::MonthGrid(month, year, ObserverSettings.DayOrder);
    for (int i = 0; i < GridCells; ++i) {
        const int day = i < static_cast<int>(grid.size()) ? grid[static_cast<std::size_t>(i)] : 0;
        page.Cells[i] = day == 0 ? QStringLiteral(" ") : QString::number(day);
    }

    astro::DateTimeRec date;
    date.Day = 1;
    date.Month = static_cast<std::uint16_t>(month);
    date.Year = static_cast<std::uint16_t>(year);
    page.PhaseCount = MonthPhasesInZone(date, page.Observer, page.Phases);
    return page;
}

std::array<TimeLine, 3> MoonLines(const astro::RiseSetTimes& moon) {
    struct Slot {
        const char* Label;
        std::string Text;
        astro::EventState State;
    };
    std::array<Slot, 3> slot{{
        {QT_TRANSLATE_NOOP("PrintCalendar", "TR:"), moon.Transit, astro::EventState::Time},
        {QT_TRANSLATE_NOOP("PrintCalendar", "MR:"), moon.Rise, moon.RiseState},
        {QT_TRANSLATE_NOOP("PrintCalendar", "MS"), moon.Set, moon.SetState},
    }};
    // Three exchanges put the three texts in order, compared byte by byte.
    if (slot[0].Text > slot[2].Text) std::swap(slot[0], slot[2]);
    if (slot[0].Text > slot[1].Text) std::swap(slot[0], slot[1]);
    if (slot[1].Text > slot[2].Text) std::swap(slot[1], slot[2]);
    std::array<TimeLine, 3> lines;
    for (std::size_t j = 0; j < slot.size(); ++j) {
        const QString time = EventText(slot[j].Text, slot[j].State);
        lines[j] = {QCoreApplication::translate("PrintCalendar", slot[j].Label),
                    time == QStringLiteral("*****") ? QStringLiteral("****") : time};
    }
    return lines;
}

std::array<TimeLine, 3> SunLines(const astro::RiseSetTimes& sun) {
    return {
        {{QCoreApplication::translate("PrintCalendar", "SR:"), EventText(sun.Rise, sun.RiseState)},
         {QCoreApplication::translate("PrintCalendar", "TR:"), EngineText(sun.Transit)},
         {QCoreApplication::translate("PrintCalendar", "SS:"), EventText(sun.Set, sun.SetState)}}};
}

int PhaseGrey(int density) {
    const int d = density < 0 ? 0 : (density > 100 ? 100 : density);
    return (25500 - d * 255) / 100;
}

void DrawCalendarPage(QPainter& canvas, const CalendarPage& page) {
    const TObserverSettings& s = ObserverSettings;
    const PageMeasures m = MeasuresOf(canvas);
    // The place line keeps clear of the phase legend at the right (and as far from the left).
    PrintPageHeader(canvas, page.Month, page.Year, s.PrintMajorPhases ? m.u(80.39) + m.u(6) : 0);
    PrintWeekdayRow(canvas, m, s.DayOrder % 7);
    PrintDayCells(canvas, m, page, s);
    if (s.PrintMajorPhases) {
        const bool north = s.LatDir == QStringLiteral("North");
        canvas.setPen(Qt::black);
        PrintPhaseLegend(canvas, m, north);
        for (int i = 0; i < page.PhaseCount && i < astro::MaxMonthPhases; ++i)
            PrintPhaseMarker(canvas, m, page.Phases[i], page.FirstColumnOffset, north);
    }
    PrintPageFooter(canvas);
}

bool PrintCalendar(int month, int year, const astro::Observer& observer,
                   const PhaseShadingFrame& shading, QWidget* parent) {
    const CalendarPage page = CalendarPageFor(month, year, observer, shading);
    PrintJob job(
        parent,
        SuggestedPdfName(QCoreApplication::translate("PrintCalendar", "Calendar"), month, year),
        PrintJob::Orientation::Landscape);
    if (!job.Started()) return false;
    DrawCalendarPage(job.Canvas(), page);
    return job.Finish();
}
