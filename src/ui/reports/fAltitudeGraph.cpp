// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/reports/fAltitudeGraph.h"
#include "ui/reports/PlainSkin.h"

#include "astro/fRiseSet.h"
#include "platform/Platform.h"
#include "print/Canvas.h"
#include "print/PrintJob.h"
#include "print/fPrint.h"
#include "settings/ObserverSettings.h"
#include "ui/Windows.h"
#include "ui/reports/ReportContext.h"
#include "ui/state/AppState.h"
#include "ui/style/Style.h"
#include "zone/EngineText.h"
#include "zone/Zone.h"

#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QSaveFile>
#include <QTimer>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace {

using mainstyle::ValueTextColour;

QPixmap PlainSkin() {
    return PlainReportSkin({540, 480}, 38, TAltitudeGraph::tr("Tonight: Moon and Sun Altitudes"),
                           {100, 8, 340, 23},
                           {{{20, 10, 24, 22},
                             //: the Print button's letter; one letter, the word's first
                             TAltitudeGraph::tr("P", "Print button")},
                            {{50, 10, 24, 22},
                             //: the Save button's letter; one letter, the word's first
                             TAltitudeGraph::tr("S", "Save button")},
                            {{492, 12, 15, 17}, QStringLiteral("_")},
                            {{514, 12, 15, 17}, QStringLiteral("x")}});
}

int U(double unit, double pixels) {
    return canvas::Nearest(unit * pixels);
}

QString DegreesText(double deg) {
    return QString::number(static_cast<int>(std::lround(deg))) + QChar(0x00B0);
}

QString DateText(const astro::DateTimeRec& d) {
    return QStringLiteral("%1 %2 %3")
        .arg(d.Day)
        .arg(QString::fromStdString(astro::LongMonthName(d.Month)))
        .arg(d.Year);
}

astro::DateTimeRec NextDay(const astro::DateTimeRec& day) {
    astro::DateTimeRec next = astro::JulianToDate(astro::DateToJulian(day) + 1.5);
    next.Hour = next.Minute = next.Second = next.Millisecond = 0;
    return next;
}

// The band colour of the Sun's altitude.
const QColor& BandColour(const TAltitudeGraphStyle& s, double sunAltitude) {
    if (sunAltitude >= astro::SunRiseAltitudeDeg) return s.Day;
    if (sunAltitude >= astro::CivilTwilightAltitude) return s.Civil;
    if (sunAltitude >= astro::NauticalTwilightAltitude) return s.Nautical;
    if (sunAltitude >= astro::AstronomicalTwilightAltitude) return s.Astronomical;
    return s.Night;
}

// Altitudes of the samples interpolated at the instant `ut`.
double SunAltitudeAt(const TNight& night, astro::JulianDay ut) {
    const auto& s = night.Samples;
    if (s.empty()) return 0;
    if (ut <= s.front().Instant) return s.front().SunAltitude;
    const auto next = std::lower_bound(
        s.begin(), s.end(), ut,
        [](const astro::AltitudeSample& a, astro::JulianDay t) { return a.Instant < t; });
    if (next == s.end()) return s.back().SunAltitude;
    const auto prev = next - 1;
    const double span = next->Instant - prev->Instant;
    const double f = span > 0 ? (ut - prev->Instant) / span : 0;
    return prev->SunAltitude + f * (next->SunAltitude - prev->SunAltitude);
}

void DrawCurve(QPainter& c, const TNight& night, const QRect& plot, bool moon, const QPen& pen) {
    QPainterPath path;
    bool first = true;
    for (const astro::AltitudeSample& s : night.Samples) {
        const QPointF p(GraphX(night, plot, s.Instant),
                        GraphY(plot, moon ? s.MoonAltitude : s.SunAltitude));
        if (first)
            path.moveTo(p);
        else
            path.lineTo(p);
        first = false;
    }
    c.save();
    c.setClipRect(plot);
    c.setRenderHint(QPainter::Antialiasing);
    c.setPen(pen);
    c.setBrush(Qt::NoBrush);
    c.drawPath(path);
    c.restore();
}

bool IsMoonEvent(TNightEventKind k) {
    return k == TNightEventKind::Moonrise || k == TNightEventKind::MoonTransit ||
           k == TNightEventKind::Moonset;
}

} // namespace

TAltitudeGraphStyle ScreenGraphStyle() {
    TAltitudeGraphStyle s;
    s.Unit = 1;
    s.CaptionPoints = canvas::ScreenPointSize(9);
    s.TextPoints = canvas::ScreenPointSize(8);
    s.Background = Qt::black;
    s.Text = QColor(0, 255, 255);
    s.Grid = QColor(128, 128, 128);
    s.Horizon = Qt::white;
    s.MoonCurve = ValueTextColour;
    s.SunCurve = QColor(255, 170, 0);
    s.Day = QColor(135, 135, 192);
    s.Civil = QColor(100, 100, 150);
    s.Nautical = QColor(75, 75, 115);
    s.Astronomical = QColor(50, 50, 90);
    s.Night = QColor(10, 10, 30);
    return s;
}

TAltitudeGraphStyle PrintedGraphStyle(int dpi) {
    TAltitudeGraphStyle s;
    s.Unit = dpi / 96.0;
    s.CaptionPoints = 10;
    s.TextPoints = 8;
    s.Background = Qt::white;
    s.Text = Qt::black;
    s.Grid = QColor(120, 120, 120);
    s.Horizon = Qt::black;
    s.MoonCurve = Qt::black;
    s.SunCurve = QColor(60, 60, 60);
    s.DashedSun = true;
    s.Day = Qt::white;
    s.Civil = QColor(232, 232, 232);
    s.Nautical = QColor(210, 210, 210);
    s.Astronomical = QColor(188, 188, 188);
    s.Night = QColor(165, 165, 165);
    return s;
}

TAltitudeGraphLayout GraphLayoutOf(const QRect& area, double unit) {
    TAltitudeGraphLayout l;
    l.Area = area;
    const int left = area.left() + U(unit, 34);
    const int right = area.right() - U(unit, 10);
    const int top = area.top() + U(unit, 36);
    const int bottom = area.bottom() - U(unit, 92);
    l.Plot = QRect(QPoint(left, top), QPoint(right, bottom));
    l.HoursTop = bottom + U(unit, 3);
    l.EventsTop = bottom + U(unit, 22);
    return l;
}

double GraphX(const TNight& night, const QRect& plot, astro::JulianDay ut) {
    const double span = night.ToUt - night.FromUt;
    if (!(span > 0)) return plot.left();
    return plot.left() + (ut - night.FromUt) / span * plot.width();
}

double GraphY(const QRect& plot, double altitudeDeg) {
    const double f =
        (altitudeDeg - GraphLowestAltitude) / (GraphHighestAltitude - GraphLowestAltitude);
    return plot.top() + plot.height() - f * plot.height();
}

QList<astro::JulianDay> GraphHours(const TNight& night, const astro::Observer& observer) {
    QList<astro::JulianDay> hours;
    // Local noon is a whole hour of the clock; so is each hour after it, across a change of
    // the clocks by an hour too.
    for (int k = 0; k <= 26; ++k) {
        const astro::JulianDay t = night.FromUt + k / 24.0;
        if (t > night.ToUt + 1e-9) break;
        const double local = NightLocalJd(t, observer) * 1440.0;
        if (std::fabs(local - std::nearbyint(local / 60.0) * 60.0) > 0.01) continue;
        hours.append(t);
    }
    return hours;
}

void DrawAltitudeGraph(QPainter& c, const QRect& area, const TNight& night,
                       const astro::Observer& observer, const QString& place,
                       const TAltitudeGraphStyle& s) {
    const double u = s.Unit;
    const TAltitudeGraphLayout l = GraphLayoutOf(area, u);
    const QRect& plot = l.Plot;
    c.save();
    c.fillRect(area, s.Background);

    // Caption: the night, the place and zone, the Moon.
    canvas::SetFont(c, QStringLiteral("Arial"), s.CaptionPoints, true);
    const QString nights = TAltitudeGraph::tr("Night of %1 \u2013 %2")
                               .arg(DateText(night.Day), DateText(NextDay(night.Day)));
    canvas::TextOut(c, area.left() + U(u, 4), area.top() + U(u, 2), nights, s.Text);
    canvas::SetFont(c, QStringLiteral("Arial"), s.TextPoints);
    const QString moon = TAltitudeGraph::tr("Moon %1% illuminated, %2")
                             .arg(night.IlluminatedPercent)
                             .arg(EngineText(night.PhaseName));
    canvas::TextOutRight(c, area.right() - U(u, 4), area.top() + U(u, 4), moon, s.Text);
    canvas::TextOut(c, area.left() + U(u, 4), area.top() + U(u, 19),
                    QStringLiteral("%1    %2").arg(place, night.ZoneText), s.Text);

    // Bands of the Sun's altitude, column by column.
    for (int x = plot.left(); x <= plot.right(); ++x) {
        const double f = (x + 0.5 - plot.left()) / plot.width();
        const astro::JulianDay t = night.FromUt + f * (night.ToUt - night.FromUt);
        c.fillRect(QRect(x, plot.top(), 1, plot.height()), BandColour(s, SunAltitudeAt(night, t)));
    }

    // Altitude lines every 15 degrees, labelled every 30; the horizon bold.
    QPen grid(s.Grid);
    grid.setWidth(std::max(1, U(u, 1)));
    c.setPen(grid);
    for (int alt = static_cast<int>(GraphLowestAltitude); alt <= GraphHighestAltitude; alt += 15) {
        const int y = canvas::Nearest(GraphY(plot, alt));
        if (alt != 0) c.drawLine(plot.left(), y, plot.right(), y);
        if (alt % 30 == 0) {
            const QString label = QString::number(alt) + QChar(0x00B0);
            const int h = canvas::TextHeight(c, label);
            canvas::TextOutRight(c, plot.left() - U(u, 3), y - h / 2, label, s.Text);
        }
    }
    // Hour lines and their labels under them.
    const QList<astro::JulianDay> hours = GraphHours(night, observer);
    for (const astro::JulianDay t : hours) {
        const int x = canvas::Nearest(GraphX(night, plot, t));
        c.setPen(grid);
        c.drawLine(x, plot.top(), x, plot.bottom());
        const QString label = NightClockText(t, observer).left(2);
        canvas::TextOut(c, x - canvas::TextWidth(c, label) / 2, l.HoursTop, label, s.Text);
    }
    QPen horizon(s.Horizon);
    horizon.setWidth(std::max(1, U(u, 2)));
    c.setPen(horizon);
    const int y0 = canvas::Nearest(GraphY(plot, 0));
    c.drawLine(plot.left(), y0, plot.right(), y0);
    c.setPen(grid);
    c.setBrush(Qt::NoBrush);
    c.drawRect(plot);

    // The curves: the Sun under the Moon.
    QPen sun(s.SunCurve);
    sun.setWidthF(2 * u);
    if (s.DashedSun) sun.setStyle(Qt::DashLine);
    DrawCurve(c, night, plot, false, sun);
    QPen moonPen(s.MoonCurve);
    moonPen.setWidthF(2 * u);
    DrawCurve(c, night, plot, true, moonPen);

    // Marks of the Moon's events and of sunset and sunrise on the plot.
    c.setRenderHint(QPainter::Antialiasing);
    for (const TNightEvent& e : night.Events) {
        const bool moonEvent = IsMoonEvent(e.Kind);
        if (!moonEvent && e.Kind != TNightEventKind::Sunset && e.Kind != TNightEventKind::Sunrise)
            continue;
        const double x = GraphX(night, plot, e.Instant);
        const QColor& colour = moonEvent ? s.MoonCurve : s.SunCurve;
        c.setPen(QPen(colour, std::max(1.0, u)));
        c.setBrush(colour);
        QString label = e.Time;
        double y = y0;
        if (e.Kind == TNightEventKind::MoonTransit) {
            y = GraphY(plot, e.Altitude);
            label += QStringLiteral(" ") + DegreesText(e.Altitude);
        }
        const double r = 3 * u;
        c.drawEllipse(QPointF(x, y), r, r);
        const int w = canvas::TextWidth(c, label);
        const int h = canvas::TextHeight(c, label);
        int tx = canvas::Nearest(x) - w / 2;
        tx = std::clamp(tx, plot.left() + 1, std::max(plot.left() + 1, plot.right() - w - 1));
        // Moon labels above the mark, the Sun's below it.
        int ty =
            moonEvent ? canvas::Nearest(y - r) - h - U(u, 1) : canvas::Nearest(y + r) + U(u, 1);
        ty = std::clamp(ty, plot.top() + 1, std::max(plot.top() + 1, plot.bottom() - h - 1));
        canvas::TextOut(c, tx, ty, label, colour);
    }

    // The list of events in three columns.
    canvas::SetFont(c, QStringLiteral("Arial"), s.TextPoints);
    const int rowHeight = U(u, 14);
    const int columnWidth = (area.width() - U(u, 8)) / 3;
    int n = 0;
    for (const TNightEvent& e : night.Events) {
        const int column = n / 4;
        const int row = n % 4;
        if (column > 2) break;
        QString text = QStringLiteral("%1  %2").arg(e.Time, NightEventName(e.Kind));
        if (e.Kind == TNightEventKind::MoonTransit)
            text += TAltitudeGraph::tr(", altitude ") + DegreesText(e.Altitude);
        canvas::TextOut(c, area.left() + U(u, 4) + column * columnWidth,
                        l.EventsTop + row * rowHeight, text,
                        IsMoonEvent(e.Kind) ? s.MoonCurve : s.Text);
        ++n;
    }
    if (night.Events.isEmpty()) {
        canvas::TextOut(c, area.left() + U(u, 4), l.EventsTop,
                        TAltitudeGraph::tr("No rise, set or twilight this night"), s.Text);
    }
    c.restore();
}

TAltitudeGraph::TAltitudeGraph(QWidget* parent) : TFrame(parent) {
    setWindowTitle(TAltitudeGraph::tr("Tonight: Moon and Sun Altitudes"));
    setBackground(PlainSkin(), false);
    setFixedSize(540, 480);
    setFocusPolicy(Qt::StrongFocus);
    addTitleLabel(QRect(100, 8, 340, 23));
    addMinimiseLabel(QRect(492, 12, 15, 17), MinimiseScope::Window,
                     TAltitudeGraph::tr("Minimize Cresselle"));
    addExitLabel(QRect(514, 12, 15, 17), TAltitudeGraph::tr("Exit Cresselle"));
    lblPrint = new TClickLabel(this, QRect(20, 10, 24, 22), TAltitudeGraph::tr("Print this graph"));
    lblSave = new TClickLabel(this, QRect(50, 10, 24, 22),
                              TAltitudeGraph::tr("Save this graph as a PNG picture"));
    for (TClickLabel* l : {lblPrint, lblSave})
        l->setCursor(Qt::PointingHandCursor);
    connect(lblPrint, &TClickLabel::clicked, this, &TAltitudeGraph::PrintGraph);
    connect(lblSave, &TClickLabel::clicked, this, &TAltitudeGraph::SavePicture);

    imgGraph = mainstyle::DisplayPixmap(QSize(GraphWidth, GraphHeight));
    night_.Day = reportcontext::SelectedDate();

    // The clock's mark moves on while the window is open.
    auto* minute = new QTimer(this);
    minute->setInterval(60000);
    connect(minute, &QTimer::timeout, this, [this] {
        if (isVisible()) update();
    });
    minute->start();

    reportcontext::FollowSharedState(this, [this] { FollowMain(); });
    if (TAppState* state = SharedState())
        connect(state, &TAppState::dayChanged, this, [this] {
            if (isVisible()) FollowMain();
        });
}

void TAltitudeGraph::FollowMain() {
    ShowNight(reportcontext::SelectedDate());
}

void TAltitudeGraph::FormShow() {
    if (const QWidget* main = MainWidget()) move(CentredOn(*main, size()));
    move(Clamp(pos(), size(), screenArea(pos()), ClampOrder::LeftFirst));
}

void TAltitudeGraph::ShowNight(const astro::DateTimeRec& day) {
    astro::DateTimeRec d = day;
    d.Hour = d.Minute = d.Second = d.Millisecond = 0;
    night_.Day = d;
    Redraw();
}

void TAltitudeGraph::StepDays(int days) {
    const astro::DateTimeRec d = astro::JulianToDate(astro::DateToJulian(night_.Day) + days + 0.5);
    if (d.Year < 1 || d.Year > 9998) return;
    ShowNight(d);
}

QString TAltitudeGraph::PlaceText(const astro::Observer& observer) {
    const double lat = astro::RadToDeg(observer.Latitude);
    const double lonEast = -astro::RadToDeg(observer.Longitude);
    QString text =
        QStringLiteral("%1\u00B0 %2, %3\u00B0 %4")
            .arg(ShownNumber(std::fabs(lat), 'f', 2), lat < 0 ? tr("S") : tr("N"),
                 ShownNumber(std::fabs(lonEast), 'f', 2), lonEast < 0 ? tr("W") : tr("E"));

    const QString location = ObserverSettings.Location.trimmed();
    return location.isEmpty() ? text : location + QStringLiteral(", ") + text;
}

void TAltitudeGraph::Redraw() {
    observer_ = reportcontext::MainObserver();
    night_ = NightOf(night_.Day, observer_);
    QPainter c(&imgGraph);
    DrawAltitudeGraph(c, QRect(0, 0, GraphWidth, GraphHeight), night_, observer_,
                      PlaceText(observer_), ScreenGraphStyle());
    update();
}

QImage TAltitudeGraph::Picture() const {
    // The saved picture has the window's size in pixels, whatever the display's scaling.
    QImage picture(GraphWidth, GraphHeight, QImage::Format_RGB32);
    picture.fill(Qt::black);
    QPainter c(&picture);
    DrawAltitudeGraph(c, QRect(0, 0, GraphWidth, GraphHeight), night_, observer_,
                      PlaceText(observer_), ScreenGraphStyle());
    return picture;
}

void TAltitudeGraph::paintEvent(QPaintEvent* event) {
    TFrame::paintEvent(event);
    QPainter painter(this);
    painter.drawPixmap(GraphLeft, GraphTop, imgGraph);
    // The instant the clock shows, when it falls in this night.
    const TAppState* state = SharedState();
    if (!state) return;
    const astro::JulianDay now = state->EngineInstant();
    if (now < night_.FromUt || now > night_.ToUt) return;
    const QRect plot =
        GraphLayoutOf(QRect(0, 0, GraphWidth, GraphHeight), 1).Plot.translated(GraphLeft, GraphTop);
    const int x = canvas::Nearest(GraphX(night_, plot, now));
    QPen pen(QColor(0, 255, 255));
    pen.setStyle(Qt::DashLine);
    painter.setPen(pen);
    painter.drawLine(x, plot.top(), x, plot.bottom());
}

void TAltitudeGraph::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
        switch (event->key()) {
        case Qt::Key_Left:
        case Qt::Key_Up:
        case Qt::Key_PageUp:
            StepDays(-1);
            return;
        case Qt::Key_Right:
        case Qt::Key_Down:
        case Qt::Key_PageDown:
            StepDays(1);
            return;
        default:
            break;
        }
    }
    TFrame::keyPressEvent(event);
}

// Towards the user is on in time, as in the lists.
void TAltitudeGraph::wheelEvent(QWheelEvent* event) {
    const int notches = WheelNotches(*event, wheelRest_);
    if (notches != 0) StepDays(notches);
    event->accept();
}

bool TAltitudeGraph::PrintGraph() {
    const astro::DateTimeRec& d = night_.Day;
    PrintJob job(this, SuggestedPdfName(TAltitudeGraph::tr("Altitudes"), d.Month, d.Year),
                 PrintJob::Orientation::Landscape);
    if (!job.Started()) return false;
    QPainter& c = job.Canvas();
    PrintPageHeader(c, d.Month, d.Year);
    PrintPageFooter(c);
    const int dpi = c.device()->logicalDpiX();
    const int margin = canvas::Nearest(dpi * 0.1);
    const QRect area(margin, HeaderBottom + margin, job.PageWidth() - 2 * margin,
                     job.PageHeight() - FooterHeight - HeaderBottom - 2 * margin);
    DrawAltitudeGraph(c, area, night_, observer_, PlaceText(observer_), PrintedGraphStyle(dpi));
    return job.Finish();
}

bool TAltitudeGraph::SavePicture() {
    const QString suggested = QDir(platform::PdfFolder())
                                  .filePath(TAltitudeGraph::tr("Altitudes %1-%2-%3.png")
                                                .arg(night_.Day.Year, 4, 10, QLatin1Char('0'))
                                                .arg(night_.Day.Month, 2, 10, QLatin1Char('0'))
                                                .arg(night_.Day.Day, 2, 10, QLatin1Char('0')));
    QString path = platform::GetSaveFileName(this, TAltitudeGraph::tr("Save the graph"), suggested,
                                             TAltitudeGraph::tr("PNG picture (*.png)"));
    if (path.isEmpty()) return false;
    if (!path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive)) path += QStringLiteral(".png");
    // Written whole or not at all.
    QSaveFile file(path);
    QString error;
    if (!file.open(QIODevice::WriteOnly)) {
        error = file.errorString();
    } else {
        QImageWriter writer(&file, "PNG");
        if (!writer.write(Picture())) {
            error = writer.errorString();
            file.cancelWriting();
        } else if (!file.commit()) {
            error = file.errorString();
        }
    }
    if (error.isEmpty()) return true;
    platform::ShowMessage(this, TAltitudeGraph::tr("The picture could not be saved as \"%1\": %2")
                                    .arg(QDir::toNativeSeparators(path), error));
    return false;
}

TAltitudeGraph* AltitudeGraphWindow() {
    return Windows().AltitudeGraph;
}

void OpenAltitudeGraph(const astro::DateTimeRec& day) {
    TAltitudeGraph* graph = AltitudeGraphWindow();
    if (!graph) return;
    graph->ShowNight(day);
    graph->show();
    graph->raise();
    graph->activateWindow();
}
