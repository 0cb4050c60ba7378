// SPDX-License-Identifier: GPL-3.0-or-later
// The observing aid: one row per day of the month across 24 hours, shaded by the Sun's
// altitude (night, astronomical, nautical and civil twilight, day) with a bar for the hours the
// Moon is up, thicker as more of it is lit. The daytime view runs each row from midnight to
// midnight, the nighttime view from noon to noon so that a night stays in one row. The same
// drawing serves the screen picture and the printed page.
#pragma once

#include "astro/fGlobals.h"
#include "ui/frame/TFrame.h"

#include <QColor>
#include <QPixmap>

#include <string>

class QPainter;

// Drawing parameters of DrawGraphic.
struct ChartStyle {
    int Width = 500;            // chart width, pixels
    int Height = 384;           // chart height, pixels
    int RowHeight = 12;         // one day's row
    double PixelsPerMinute = 0; // horizontal scale of the 24 hours
    int Top = 0;                // y of the chart's top
    int ExtraTop = 0;           // rows kept free above the first day (hour labels on paper)
    int FontSize = 8;           // nominal points of the day numbers
    int PenWidth = 1;           // row and grid lines
    int LeftMargin = 20;        // column of the day numbers left of the hours, pixels
    int TextLeft = 3;           // x of the day numbers, pixels
    QColor DayColour;           // Sun above -0.8333 degrees
    QColor CivilAllDayColour;   // Sun above -6 degrees all day
    QColor CivilColour;         // Sun between -6 and -0.8333 degrees
    QColor NauticalColour;      // between -12 and -6
    QColor AstronomicalColour;  // between -18 and -12
    QColor BackgroundColour;    // night
    QColor TextColour;          // day numbers
    QColor GridColour;          // row and hour lines
};

// The screen chart: 500 x 384 with rows of `rowHeight`.
ChartStyle ScreenChartStyle(int rowHeight = 12);
// The printed chart below the page header, palette by the "PrinterType" setting. Margins and
// lines are physical lengths turned into pixels at the printer's `dpi`; the chart stops short of
// the page's right edge by half an hour label.
ChartStyle PrintedChartStyle(int pageWidth, int pageHeight, int headerBottom, int footerHeight,
                             const QString& printerType, int dpi = 300);

// Minutes after midnight of an "HH:MM" text; 0 for "*****", "None" or anything unreadable.
int HMToMins(const std::string& text);

class TObservingAid : public TFrame {
    Q_OBJECT
  public:
    explicit TObservingAid(QWidget* parent = nullptr);

    // Redraws the screen chart for the main window's selected month (or the given one).
    void doa();
    void doa(const astro::DateTimeRec& date, const astro::Observer& observer);

    // Draws the chart of the month of `date` on `canvas` with left margin `leftMargin`.
    void DrawGraphic(int leftMargin, const astro::DateTimeRec& date, const ChartStyle& style,
                     QPainter& canvas, const astro::Observer& observer) const;
    // Writes the 25 hour labels ending at x offset + nearest((i + 1) * step).
    void DisplayHours(QPainter& canvas, int width, const QColor& colour, int y, int xOffset,
                      int leftMargin) const;

    // The 25 printed hour labels, each centred on its hour line, in the row above the first day.
    void PrintHours(QPainter& canvas, const ChartStyle& style) const;

    // Prints the chart of the month of `date` in the printer's current orientation.
    void PrintChart(const astro::DateTimeRec& date, const astro::Observer& observer);

    int View() const { return view; } // 1 nighttime (noon to noon), 0 daytime
    bool GridOn() const { return grid; }
    const QPixmap& ChartPicture() const { return Image1; }
    // The caption over the chart: month, place and zone.
    const QString& Caption() const { return caption_; }
    static QString CaptionText(const astro::DateTimeRec& date, const astro::Observer& observer);
    // The night (its evening's date) under the window point `pos` of the chart; Day 0 when
    // the point lies outside the rows.
    astro::DateTimeRec NightAt(QPoint pos) const;

    static constexpr int ChartLeft = 20;
    static constexpr int ChartTop = 75;
    static constexpr int ChartWidth = 500;
    static constexpr int ChartHeight = 384;

    TClickLabel* lblPrint = nullptr;
    TClickLabel* imgDayNight = nullptr;
    TClickLabel* imgLinesGrid = nullptr;

  public slots:
    void imgDayNightClick();
    void imgLinesGridClick();
    void lblPrintClick();

  protected:
    void FormShow() override;
    void FormActivate();
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    bool placed_ = false; // the first showing opens beside the main window
    void ShowTogglePictures();

    int view = 1;
    bool grid = false;
    int RowHeight = 12;
    astro::DateTimeRec shownMonth_;
    QString caption_;

    // The chart picture (drawn into) and its visible copy at (20, 75). This Image1 is the
    // chart; the window's skin is the frame's background.
    QPixmap Image1;
    QPixmap Image2;
    QPixmap imgNight, imgDay, imgGrid, imgLines;
};
