// SPDX-License-Identifier: GPL-3.0-or-later
// The month table of rise, transit and set times: the Moon with its illuminated percentage,
// the Sun, and civil, nautical and astronomical twilight, one row per day. The table is drawn
// once into imgData; scrolling and repainting only copy a band of it into the window.
#pragma once

#include "astro/fGlobals.h"
#include "astro/fRiseSet.h"
#include "ui/frame/TFrame.h"

#include <QPixmap>
#include <QString>
#include <QStringList>

#include <vector>

// The five rise/set computations of one day.
struct TimesOfDay {
    astro::RiseSetTimes Moon;         // rise, transit, set and illuminated percentage
    astro::RiseSetTimes Sun;          // h0 = -0.8333
    astro::RiseSetTimes Civil;        // h0 = -6
    astro::RiseSetTimes Nautical;     // h0 = -12
    astro::RiseSetTimes Astronomical; // h0 = -18
};
TimesOfDay ComputeTimesOfDay(const astro::DateTimeRec& date, const astro::Observer& observer);
// The day's second rises and sets ("Moon rise 23:40, Sun set 00:10"), empty when there are none.
QString SecondEvents(const TimesOfDay& times);

// A date in the "DateFormat" pattern: d/dd day, m/mm month, mmm/mmmm month name, yy/yyyy year,
// ddd/dddd weekday name (letters in either case); "/" stands for `separator`; anything else is
// copied as it is.
QString FormatListDate(const astro::DateTimeRec& date, const QString& pattern,
                       const QString& separator);
// The system's date separator ("/" when the locale has none).
QString SystemDateSeparator();

class TTimesList : public TFrame {
    Q_OBJECT
  public:
    explicit TTimesList(QWidget* parent = nullptr);

    // Rebuilds the table for the month and year of `date` and shows it from its top. The
    // one-argument form takes the observer from the main window.
    void SetupDataBitmap(const astro::DateTimeRec& date);
    void SetupDataBitmap(const astro::DateTimeRec& date, const astro::Observer& observer);
    // Shows the band of imgData from the scroll offset down.
    void DisplayDataBitmap();
    // Prints the month of `date` on one landscape page.
    void PrintTimes(const astro::DateTimeRec& date);
    void PrintTimes(const astro::DateTimeRec& date, const astro::Observer& observer);

    int ScrollOffset() const { return Offset; }
    // Picture row at the top of the visible band right now (differs while dragging).
    int ShownOffset() const { return Shown; }
    int MaxOffset() const;
    int DayCount() const { return Days; }
    const QPixmap& DataPicture() const { return imgData; }
    // The table as tab-separated text, a heading line first (what Ctrl+C copies).
    QString TableAsText() const { return TableText.join(u'\n') + u'\n'; }
    // One text item a day for a screen reader ("Tuesday 17/03/2026: moonrise 05:10, ...").
    QList<TSpokenItem> SpokenItems() const override;
    // The second events of the row under a window point, empty elsewhere (the tooltip's text).
    QString NoteAt(QPoint pos) const;

    // Picture geometry.
    static constexpr int RowHeight = 14;
    static constexpr int DataWidth = 600;
    static constexpr int DataHeight = 434;
    static constexpr int BandLeft = 20;
    static constexpr int BandTop = 80;
    static constexpr int BandRows = 380;

    TClickLabel* lblPrint = nullptr;
    TClickLabel* lblScrollUp = nullptr;
    TClickLabel* lblScrollDown = nullptr;

  public slots:
    void lblScrollUpClick();
    void lblScrollDownClick();
    void lblPrintClick();

  protected:
    void FormShow() override;
    void FormActivate();
    void FormMouseDown(QPoint pos);
    void FormMouseMove(QPoint pos);
    void FormMouseUp(QPoint pos);

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool event(QEvent* event) override;

  private:
    bool placed_ = false; // the first showing opens over the main window
    int wheelRest_ = 0;   // wheel steps smaller than a notch
    void ScrollRows(int rows);
    int ClampOffset(int offset) const;
    static bool InVisibleBand(QPoint pos);
    void DrawSkippedDayRow(QPainter& canvas, const astro::DateTimeRec& date, int y);
    // The text in place of the times of a day the zone skipped.
    static QString SkippedDayText();
    void DrawDayRow(QPainter& canvas, const astro::DateTimeRec& date, const TimesOfDay& times,
                    int y);

    QPixmap imgData;
    QStringList TableText; // heading and one line per day, tab-separated
    std::vector<QString> rowNotes_; // SecondEvents of each row
    int Offset = 0;
    int Shown = 0;
    QStringList RowsSpoken; // the table's rows as text, one a day
    int Days = 31;
    bool Dragging = false;
    int DragY = 0;
};
