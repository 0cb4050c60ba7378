// SPDX-License-Identifier: GPL-3.0-or-later
// Tonight's altitude graph: the Moon's and the Sun's altitudes from local noon of the selected
// day to the next noon, over bands of daylight, civil, nautical and astronomical twilight and
// night, with moonrise, transit and moonset and the Sun's events marked and listed. Follows the
// shared date, observer and zone; prints on the page frame and saves as PNG.
#pragma once

#include "ui/frame/TFrame.h"
#include "zone/Night.h"

#include <QColor>
#include <QPixmap>
#include <QRect>

class QPainter;

// Colours and sizes of one drawing of the graph.
struct TAltitudeGraphStyle {
    double Unit = 1;       // device pixels per screen pixel (1/96 inch)
    int CaptionPoints = 9; // font sizes, points
    int TextPoints = 8;
    QColor Background, Text, Grid, Horizon, MoonCurve, SunCurve;
    QColor Day, Civil, Nautical, Astronomical, Night; // the Sun above -0.8333, -6, -12, -18
    bool DashedSun = false;                           // printed: the Sun's curve dashed
};

TAltitudeGraphStyle ScreenGraphStyle();
// Printed at `dpi`: light bands on white, in greys.
TAltitudeGraphStyle PrintedGraphStyle(int dpi);

// Where the parts of the graph lie within `area`.
struct TAltitudeGraphLayout {
    QRect Area;
    QRect Plot;        // altitudes -30..90 degrees over the night's time
    int HoursTop = 0;  // top of the hour labels, under the plot
    int EventsTop = 0; // top of the list of events
};
TAltitudeGraphLayout GraphLayoutOf(const QRect& area, double unit);

inline constexpr double GraphLowestAltitude = -30; // degrees at the plot's bottom
inline constexpr double GraphHighestAltitude = 90;

// x of the UT instant `ut` on the plot (may fall outside it).
double GraphX(const TNight& night, const QRect& plot, astro::JulianDay ut);
// y of an altitude in degrees on the plot.
double GraphY(const QRect& plot, double altitudeDeg);
// The instants of the hour lines: each whole hour of the local clock within the night.
QList<astro::JulianDay> GraphHours(const TNight& night, const astro::Observer& observer);

// Draws the whole graph (caption, plot, hour labels, events) into `area` of `canvas`.
void DrawAltitudeGraph(QPainter& canvas, const QRect& area, const TNight& night,
                       const astro::Observer& observer, const QString& place,
                       const TAltitudeGraphStyle& style);

class TAltitudeGraph : public TFrame {
    Q_OBJECT
  public:
    explicit TAltitudeGraph(QWidget* parent = nullptr);

    // Shows the night that begins on the evening of `day` (its date only).
    void ShowNight(const astro::DateTimeRec& day);
    // Moves the shown night by `days`.
    void StepDays(int days);
    // Computes and draws the shown night again (observer, zone or date changed).
    void Redraw();

    // Prints the graph on the page frame; false when nothing was printed.
    bool PrintGraph();
    // Asks for a file and saves the graph as PNG; false when cancelled or not written (told).
    bool SavePicture();
    // The graph as the window shows it, for saving.
    QImage Picture() const;

    const TNight& Night() const { return night_; }
    const astro::DateTimeRec& Day() const { return night_.Day; }
    // The place line of the caption.
    static QString PlaceText(const astro::Observer& observer);

    static constexpr int GraphLeft = 20;
    static constexpr int GraphTop = 38;
    static constexpr int GraphWidth = 500;
    static constexpr int GraphHeight = 421;

    TClickLabel* lblPrint = nullptr;
    TClickLabel* lblSave = nullptr;

  protected:
    void FormShow() override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

  private:
    void FollowMain();
    astro::Observer observer_;
    TNight night_;
    QPixmap imgGraph; // the graph without the clock's mark
    int wheelRest_ = 0;
};

// The one graph window (null until the windows are created).
TAltitudeGraph* AltitudeGraphWindow();
// Opens the graph on the night that begins on the evening of `day`.
void OpenAltitudeGraph(const astro::DateTimeRec& day);
