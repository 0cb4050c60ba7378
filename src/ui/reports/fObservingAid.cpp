// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/reports/fObservingAid.h"
#include "ui/reports/PlainSkin.h"

#include "astro/fRiseSet.h"
#include "platform/Platform.h"
#include "print/Canvas.h"
#include "print/PrintJob.h"
#include "print/fPrint.h"
#include "settings/ObserverSettings.h"
#include "ui/Windows.h"
#include "ui/reports/ReportContext.h"
#include "ui/reports/fAltitudeGraph.h"
#include "ui/style/Style.h"
#include "zone/Zone.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace {

using reportcontext::DayOf;
using reportcontext::MainObserver;
using reportcontext::SelectedDate;

constexpr int Noon = 720; // minutes after midnight
constexpr int MinutesPerDay = 1440;
using mainstyle::ValueTextColour;

bool IsNone(const std::string& text) {
    return text == "None";
}

// With no rise and no set the Sun stays on one side of h0 all day; it stays above when
// sin h0 < sin(latitude) sin(declination) (the numerator of cos H0 is negative).
bool SunStaysAbove(const astro::DateTimeRec& day, double h0Deg, const astro::Observer& observer) {
    const astro::JulianDay jd0 = astro::DateToJulian(day);
    const double decDeg = astro::SunPosition(jd0, observer).Equatorial.Declination;
    return std::sin(astro::DegToRad(h0Deg)) <
           std::sin(observer.Latitude) * std::sin(astro::DegToRad(decDeg));
}

// Places clock intervals of a day on the chart's rows for one view.
struct ChartPlacer {
    int a;      // left margin
    int q;      // half the chart width
    int R;      // row height
    int y0;     // top of the first row
    int width;  // right edge
    double ppm; // pixels per minute
    int view;   // 1 nighttime, 0 daytime

    int x(int minutes) const { return canvas::Nearest(minutes * ppm); }

    void FillRow(QPainter& c, int row, int x1, int x2, int bottomCut, const QColor& colour) const {
        const int top = y0 + row * R;
        canvas::FillRect(c, x1, top, x2, top + R - bottomCut, colour);
    }

    // The interval [t1, t2] of day d (1-based); in the nighttime view mornings go to the right
    // half of row d - 1 and afternoons to the left half of row d.
    void Interval(QPainter& c, int d, int t1, int t2, int bottomCut, const QColor& colour) const {
        if (view == 0) {
            FillRow(c, d - 1, a + x(t1), a + x(t2), bottomCut, colour);
        } else if (t2 <= Noon) {
            FillRow(c, d - 1, a + q + x(t1), a + q + x(t2), bottomCut, colour);
        } else if (t1 >= Noon) {
            FillRow(c, d, a + x(t1) - q, a + x(t2) - q, bottomCut, colour);
        } else {
            FillRow(c, d - 1, a + q + x(t1), width, bottomCut, colour);
            FillRow(c, d, a, a + x(t2) - q, bottomCut, colour);
        }
    }

    void WholeDay(QPainter& c, int d, const QColor& colour) const {
        if (view == 0) {
            FillRow(c, d - 1, a, width, 0, colour);
        } else {
            FillRow(c, d - 1, a + q, width, 0, colour);
            FillRow(c, d, a, a + q, 0, colour);
        }
    }
};

void DrawSunBands(QPainter& c, const ChartPlacer& place, int d, const astro::DateTimeRec& day,
                  const ChartStyle& s, const astro::Observer& observer) {
    struct Band {
        double h0;
        QColor colour;
        QColor allDay;
    };
    const Band bands[] = {
        {astro::AstronomicalTwilightAltitude, s.AstronomicalColour, s.AstronomicalColour},
        {astro::NauticalTwilightAltitude, s.NauticalColour, s.NauticalColour},
        {astro::CivilTwilightAltitude, s.CivilColour, s.CivilAllDayColour},
        {astro::SunriseAltitude, s.DayColour, s.DayColour},
    };
    for (const Band& band : bands) {
        const astro::RiseSetTimes t = astro::SunRiseSet(day, band.h0, observer);
        const bool noRise = IsNone(t.Rise);
        const bool noSet = IsNone(t.Set);
        if (!noRise && !noSet) {
            const int rise = HMToMins(t.Rise);
            int set = HMToMins(t.Set);
            if (set < rise) set = MinutesPerDay;
            place.Interval(c, d, rise, set, 0, band.colour);
        } else if (noRise && noSet && SunStaysAbove(day, band.h0, observer)) {
            place.WholeDay(c, d, band.allDay);
        }
    }
}

void DrawMoonBar(QPainter& c, const ChartPlacer& place, int d, const astro::DateTimeRec& day,
                 const astro::Observer& observer) {
    const astro::RiseSetTimes t = astro::MoonRiseSet(day, observer);
    const int R = place.R;
    const int percent = t.IlluminatedPercent;
    int inset = R - canvas::Nearest(R * 0.75 * percent / 100.0);
    if (inset > canvas::Nearest(0.8 * R) && percent > 1) inset = canvas::Nearest(0.8 * R);
    if (t.RiseState == astro::EventState::AlwaysUp && t.SetState == astro::EventState::AlwaysUp) {
        place.Interval(c, d, 0, MinutesPerDay, inset, ValueTextColour);
        return;
    }
    if (IsNone(t.Rise) || IsNone(t.Set)) return;
    const int rise = HMToMins(t.Rise);
    const int set = t.Set == "*****" ? MinutesPerDay : HMToMins(t.Set);
    if (rise < set) {
        place.Interval(c, d, rise, set, inset, ValueTextColour);
    } else { // up across midnight
        place.Interval(c, d, 0, set, inset, ValueTextColour);
        place.Interval(c, d, rise, MinutesPerDay, inset, ValueTextColour);
    }
}

// The label of hour line i (0..24): hours from midnight, or from noon in the nighttime view.
QString HourLabel(int i, int view) {
    return QString::number(std::abs(i - 12 * view)).left(3);
}

QPixmap PlainSkin() {
    return PlainReportSkin({540, 480}, 60, TObservingAid::tr("Observing Aid"), {150, 10, 240, 23},
                           {{{20, 16, 24, 22}, QStringLiteral("P")},
                            {{492, 14, 15, 17}, QStringLiteral("_")},
                            {{514, 14, 15, 17}, QStringLiteral("x")}});
}

// Toggle pictures drawn when the painted ones are missing.
QPixmap PlainToggle(const char* kind) {
    QPixmap pic(24, 22);
    pic.fill(QColor(20, 20, 50));
    QPainter p(&pic);
    p.setRenderHint(QPainter::Antialiasing);
    const QString k = QString::fromLatin1(kind);
    if (k == QLatin1String("night")) {
        p.setBrush(ValueTextColour);
        p.setPen(Qt::NoPen);
        p.drawEllipse(6, 4, 13, 13);
        p.setBrush(QColor(20, 20, 50));
        p.drawEllipse(10, 2, 13, 13);
    } else if (k == QLatin1String("day")) {
        p.fillRect(pic.rect(), QColor(170, 170, 233));
        p.setBrush(QColor(255, 255, 0));
        p.setPen(Qt::NoPen);
        p.drawEllipse(7, 6, 10, 10);
    } else {
        p.setPen(QColor(128, 128, 128));
        for (int y = 5; y < 22; y += 5)
            p.drawLine(2, y, 21, y);
        if (k == QLatin1String("grid"))
            for (int x = 4; x < 24; x += 5)
                p.drawLine(x, 2, x, 19);
    }
    return pic;
}

QPixmap Picture(const QString& name, const char* fallbackKind) {
    const QPixmap pic = mainstyle::SkinPicture(name);
    return pic.isNull() ? PlainToggle(fallbackKind) : pic;
}

} // namespace

int HMToMins(const std::string& text) {
    if (text == "*****" || text == "None") return 0;
    const std::size_t colon = text.find(':');
    if (colon == std::string::npos) return 0;
    int hours = 0;
    int minutes = 0;
    const char* begin = text.data();
    const char* end = text.data() + text.size();
    const auto h = std::from_chars(begin, begin + colon, hours);
    const auto m = std::from_chars(begin + colon + 1, end, minutes);
    if (h.ec != std::errc() || m.ec != std::errc()) return 0;
    return hours * 60 + minutes;
}

ChartStyle ScreenChartStyle(int rowHeight) {
    ChartStyle s;
    s.Width = TObservingAid::ChartWidth;
    s.Height = TObservingAid::ChartHeight;
    s.RowHeight = rowHeight;
    s.PixelsPerMinute = (s.Width - 20) / 1440.0;
    s.Top = 0;
    s.ExtraTop = 0;
    s.FontSize = 8;
    s.PenWidth = 1;
    s.DayColour = QColor(170, 170, 233);
    s.CivilAllDayColour = QColor(135, 135, 192);
    s.CivilColour = QColor(100, 100, 150);
    s.NauticalColour = QColor(75, 75, 115);
    s.AstronomicalColour = QColor(50, 50, 90);
    s.BackgroundColour = Qt::black;
    s.TextColour = QColor(0, 255, 255);
    s.GridColour = QColor(128, 128, 128);
    return s;
}

ChartStyle PrintedChartStyle(int pageWidth, int pageHeight, int headerBottom, int footerHeight,
                             const QString& printerType, int dpi) {
    const auto inches = [dpi](double length) { return canvas::Nearest(length * dpi); };
    ChartStyle s = ScreenChartStyle();
    s.LeftMargin = inches(0.4); // room for "31" at 9 points
    s.TextLeft = inches(0.05);
    s.Width = pageWidth - inches(0.12); // half of "24" at 9 points and some
    s.Height = pageHeight - headerBottom - footerHeight;
    s.RowHeight = s.Height / 33;
    s.PixelsPerMinute = (s.Width - s.LeftMargin) / 1440.0;
    s.Top = headerBottom;
    s.ExtraTop = s.Height / 33; // one row for the hour labels
    s.FontSize = 9;
    s.PenWidth = std::max(1, inches(1.0 / 150)); // a sixth of a millimetre
    s.TextColour = Qt::white;
    s.GridColour = Qt::white;
    if (printerType == QStringLiteral("Colour Inkjet")) {
        s.BackgroundColour = QColor(25, 25, 25);
    } else {
        s.DayColour = QColor(165, 165, 165);
        s.CivilAllDayColour = QColor(150, 150, 130);
        s.CivilColour = QColor(130, 130, 130);
        s.NauticalColour = QColor(105, 105, 105);
        s.AstronomicalColour = QColor(80, 80, 80);
        s.BackgroundColour = QColor(50, 50, 50);
    }
    return s;
}

TObservingAid::TObservingAid(QWidget* parent) : TFrame(parent) {
    setWindowTitle(TObservingAid::tr("Observing Aid"));
    const QPixmap skin = mainstyle::SkinPicture(QStringLiteral("obsaid.jpg"));
    setBackground(skin.isNull() ? PlainSkin() : skin, false);
    setFixedSize(540, 480);

    addTitleLabel(QRect(152, 10, 236, 23));
    addMinimiseLabel(QRect(492, 14, 15, 15), MinimiseScope::Window,
                     TObservingAid::tr("Minimize Cresselle"));
    addExitLabel(QRect(514, 14, 13, 15), TObservingAid::tr("Exit Cresselle"));
    lblPrint =
        new TClickLabel(this, QRect(20, 16, 24, 19), TObservingAid::tr("Print this diagram"));
    imgDayNight = new TClickLabel(this, QRect(52, 14, 24, 22),
                                  TObservingAid::tr("Toggle between Daytime and Nighttime view"));
    imgLinesGrid =
        new TClickLabel(this, QRect(80, 14, 24, 22), TObservingAid::tr("Toggle grid on and off"));
    for (TClickLabel* l : {lblPrint, imgDayNight, imgLinesGrid}) {
        l->setCursor(Qt::PointingHandCursor);
        l->setKeyboardButton(Qt::Horizontal);
    }

    imgNight = Picture(QStringLiteral(":/obsaid_night.png"), "night");
    imgDay = Picture(QStringLiteral(":/obsaid_day.png"), "day");
    imgGrid = Picture(QStringLiteral(":/obsaid_grid.png"), "grid");
    imgLines = Picture(QStringLiteral(":/obsaid_lines.png"), "lines");
    ShowTogglePictures();

    connect(lblPrint, &TClickLabel::clicked, this, [this] {
        PrintFromClick(this, lblPrint->clickModifiers(), PrintJob::Orientation::Current,
                       [this] { lblPrintClick(); });
    });
    connect(imgDayNight, &TClickLabel::clicked, this, &TObservingAid::imgDayNightClick);
    connect(imgLinesGrid, &TClickLabel::clicked, this, &TObservingAid::imgLinesGridClick);

    Image1 = mainstyle::DisplayPixmap(QSize(ChartWidth, ChartHeight));
    Image2 = Image1;

    reportcontext::FollowSharedState(this, [this] { doa(); });
}

void TObservingAid::ShowTogglePictures() {
    imgDayNight->setPixmap(view == 1 ? imgNight : imgDay);
    imgLinesGrid->setPixmap(grid ? imgGrid : imgLines);
}

void TObservingAid::FormShow() {
    RowHeight = 12;
    view = 1;
    grid = false;
    if (const QWidget* main = MainWidget()) {
        const int left = placed_ ? x() : CentredOn(*main, size()).x();
        placed_ = true;
        move(left, main->y());
    }
    move(Clamp(pos(), size(), screenArea(pos()), ClampOrder::LeftFirst));
    // Drawn here as well as on activation, so that the chart is there even where the window
    // is shown without being activated.
    FormActivate();
}

void TObservingAid::FormActivate() {
    ShowTogglePictures();
    doa();
}

void TObservingAid::changeEvent(QEvent* event) {
    TFrame::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) FormActivate();
}

void TObservingAid::imgDayNightClick() {
    view = 1 - view;
    ShowTogglePictures();
    doa();
}

void TObservingAid::imgLinesGridClick() {
    grid = !grid;
    ShowTogglePictures();
    doa();
}

void TObservingAid::doa() {
    doa(SelectedDate(), MainObserver());
}

void TObservingAid::doa(const astro::DateTimeRec& date, const astro::Observer& observer) {
    const ChartStyle style = ScreenChartStyle(RowHeight);
    shownMonth_ = date;
    caption_ = CaptionText(date, observer);
    {
        QPainter canvas(&Image1);
        DrawGraphic(ChartLeft, date, style, canvas, observer);
    }
    Image2 = Image1;
    update();
}

void TObservingAid::DrawGraphic(int a, const astro::DateTimeRec& date, const ChartStyle& s,
                                QPainter& c, const astro::Observer& observer) const {
    const int days = astro::DaysInMonth(date.Month, date.Year);
    const ChartPlacer place{a,       (s.Width - a) / 2, s.RowHeight, s.Top + s.ExtraTop,
                            s.Width, s.PixelsPerMinute, view};
    const int y0 = place.y0;
    const int R = s.RowHeight;

    canvas::FillRect(c, 0, s.Top, s.Width, s.Top + s.Height, s.BackgroundColour);

    // The days lost in October 1582 keep their rows, left dark.
    const auto exists = [&date](int d) { return astro::DateExists(d, date.Month, date.Year); };
    for (int d = 1; d <= days; ++d)
        if (exists(d))
            DrawSunBands(c, place, d, DayOf(date, d), s, ObserverOnDay(observer, DayOf(date, d)));
    for (int d = 1; d <= days; ++d)
        if (exists(d))
            DrawMoonBar(c, place, d, DayOf(date, d), ObserverOnDay(observer, DayOf(date, d)));

    canvas::SetFont(c, QStringLiteral("Arial"), canvas::ScreenPointSize(s.FontSize));
    QPen gridPen(s.GridColour);
    gridPen.setWidth(s.PenWidth);
    c.setBrush(Qt::NoBrush);
    for (int n = 1; n <= days; ++n) {
        c.setPen(gridPen);
        c.drawLine(1, y0 + n * R, s.Width - 1, y0 + n * R);
        canvas::TextOut(c, s.TextLeft, y0 + (n - 1) * R, QString::number(n), s.TextColour);
    }

    const int bottom = y0 + (days + view) * R;
    c.setPen(gridPen);
    if (grid) {
        const double step = (s.Width - a) / 24.0;
        for (int i = 0; i <= 24; ++i) {
            const int x = a + canvas::Nearest(i * step);
            c.drawLine(x, y0, x, bottom);
        }
        c.drawLine(view * a, y0, s.Width, y0);
        c.drawLine(a, bottom, s.Width, bottom);
    }
    // Midnight in the nighttime view, noon in the daytime view.
    c.drawLine(a + place.q - 1, y0, a + place.q - 1, bottom);
}

void TObservingAid::DisplayHours(QPainter& c, int width, const QColor& colour, int y, int o,
                                 int a) const {
    c.setBrush(Qt::NoBrush);
    const double step = (width - a) / 24.0;
    for (int i = 0; i <= 24; ++i) {
        const QString label = HourLabel(i, view);
        canvas::TextOutRight(c, o + canvas::Nearest((i + 1) * step), y, label, colour);
    }
}

void TObservingAid::PrintHours(QPainter& c, const ChartStyle& s) const {
    c.setBrush(Qt::NoBrush);
    const double step = (s.Width - s.LeftMargin) / 24.0;
    const int y = s.Top + (s.ExtraTop - canvas::TextHeight(c, QStringLiteral("8"))) / 2;
    for (int i = 0; i <= 24; ++i) {
        const QString label = HourLabel(i, view);
        const int x = s.LeftMargin + canvas::Nearest(i * step);
        canvas::TextOut(c, x - canvas::TextWidth(c, label) / 2, y, label, s.TextColour);
    }
}

void TObservingAid::paintEvent(QPaintEvent* event) {
    TFrame::paintEvent(event);
    QPainter painter(this);
    canvas::FillRect(painter, 21, 60, 519, 75, Qt::black); // the hour-label strip
    painter.drawPixmap(ChartLeft, ChartTop, Image2);
    canvas::SetFont(painter, QStringLiteral("Arial"), canvas::ScreenPointSize(8));
    DisplayHours(painter, ChartWidth, ValueTextColour, 61, 20, 20);
    // The month, the place and the zone, right of the buttons.
    canvas::SetFont(painter, QStringLiteral("Arial"), canvas::ScreenPointSize(8));
    const int w = std::min(400, canvas::TextWidth(painter, caption_) + 8);
    canvas::FillRect(painter, 520 - w, 41, 520, 57, Qt::black);
    canvas::TextOutRight(painter, 516, 42, caption_, ValueTextColour);
}

QString TObservingAid::CaptionText(const astro::DateTimeRec& date,
                                   const astro::Observer& observer) {
    const astro::JulianDay mid =
        astro::DateToJulian(DayOf(date, 15)) - observer.ZoneOffsetMinutes / 1440.0;
    const QString zone = CurrentZone().IsNamed() ? CurrentZone().Description(mid)
                                                 : OffsetText(observer.ZoneOffsetMinutes);
    return QStringLiteral("%1 %2    %3    %4")
        .arg(QString::fromStdString(astro::LongMonthName(date.Month)))
        .arg(date.Year)
        .arg(TAltitudeGraph::PlaceText(observer), zone);
}

astro::DateTimeRec TObservingAid::NightAt(QPoint pos) const {
    astro::DateTimeRec none;
    none.Day = 0;
    const int x = pos.x() - ChartLeft;
    const int y = pos.y() - ChartTop;
    const ChartStyle s = ScreenChartStyle(RowHeight);
    if (x < s.LeftMargin || x >= s.Width || y < 0 || s.RowHeight <= 0) return none;
    const int row = y / s.RowHeight;
    const astro::DateTimeRec month = shownMonth_;
    const int days = astro::DaysInMonth(month.Month, month.Year);
    if (row >= days + view) return none;
    // The row's first instant: noon of day `row` in the nighttime view (row 0 is the afternoon
    // before the 1st), midnight of day row + 1 in the daytime view; then the minutes across.
    const double minutes = (x - s.LeftMargin) / s.PixelsPerMinute;
    const double startJd =
        static_cast<double>(astro::DateToJulian(DayOf(month, 1))) + row + (view == 1 ? -0.5 : 0.0);
    // The night that holds the instant began on the evening of the day half a day earlier.
    astro::DateTimeRec day = astro::JulianToDate(startJd + minutes / 1440.0 - 0.5);
    day.Hour = day.Minute = day.Second = day.Millisecond = 0;
    return day;
}

void TObservingAid::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        const astro::DateTimeRec day = NightAt(event->position().toPoint());
        if (day.Day != 0) {
            OpenAltitudeGraph(day);
            return;
        }
    }
    TFrame::mousePressEvent(event);
}

void TObservingAid::lblPrintClick() {
    PrintChart(SelectedDate(), MainObserver());
}

void TObservingAid::PrintChart(const astro::DateTimeRec& date, const astro::Observer& observer) {
    PrintJob job(this, SuggestedPdfName(TObservingAid::tr("Observing Aid"), date.Month, date.Year),
                 PrintJob::Orientation::Current);
    if (!job.Started()) return;
    QPainter& c = job.Canvas();
    PrintPageHeader(c, date.Month, date.Year);
    PrintPageFooter(c);
    const ChartStyle style =
        PrintedChartStyle(job.PageWidth(), job.PageHeight(), HeaderBottom, FooterHeight,
                          ObserverSettings.PrinterType, c.device()->logicalDpiX());
    // The night colour runs on to the page's edge, behind the last hour label.
    canvas::FillRect(c, style.Width, style.Top, job.PageWidth(), style.Top + style.Height,
                     style.BackgroundColour);
    DrawGraphic(style.LeftMargin, date, style, c, observer);
    canvas::SetFont(c, QStringLiteral("Arial"), 9);
    PrintHours(c, style);
    job.Finish();
}
