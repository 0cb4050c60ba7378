// SPDX-License-Identifier: GPL-3.0-or-later
// The monthly phases page: one cell per day of the month the main calendar shows, each with
// a small picture of the Moon shaded for that day. The page can be saved as a bitmap.
#pragma once

#include "astro/fGlobals.h"
#include "ui/frame/TFrame.h"

#include <QImage>
#include <QPixmap>
#include <QString>
#include <QStringList>

class TMonthlyPhases : public TFrame {
    Q_OBJECT
  public:
    explicit TMonthlyPhases(QWidget* parent = nullptr);

    static constexpr int PageWidth = 461;
    static constexpr int PageHeight = 414;

    // Draws the whole page into imgPhases and shows it.
    void DrawMoonPhases();
    // The page as last drawn.
    const QPixmap& page() const { return imgPhases; }
    int pageTop() const { return PageTop; }

    // Writes the page as a bitmap under the name the save dialog gives; cancel writes nothing.
    void lblSaveClick();

    TClickLabel* lblSave = nullptr;

  protected:
    void FormShow() override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void PrintTitle(QPainter& canvas, const astro::DateTimeRec& selected);
    void PrintDayNames(QPainter& canvas, int dayOrder);
    void PrintDayCells(QPainter& canvas, const astro::DateTimeRec& selected, bool north);
    void DrawBevel(QPainter& canvas);
    void PaintFallbackFrame(QPainter& painter);

    QPixmap imgPhases;  // the page, 461 x 414
    QImage imgOriginal; // the full Moon, 50 x 49
    QImage imgMiniMoon; // working copy, turned for the southern hemisphere
    int PageTop = 32;
    bool placed_ = false;
};

// The 42 texts of the month grid as the main calendar lays it out ("N" or " "), the first
// column being weekday dayOrder (0 Sunday .. 6 Saturday).
QStringList MonthGridTexts(int month, int year, int dayOrder);
