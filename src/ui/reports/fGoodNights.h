// SPDX-License-Identifier: GPL-3.0-or-later
// The good nights for one lunar feature: the windows of the coming months when the Sun stands
// low over it while the Moon is up in a dark sky at the observer's place. Opened from the
// features list for its selected feature.
#pragma once

#include "astro/fLunarPlanner.h"
#include "data/FeatureFile.h"
#include "ui/frame/TFrame.h"

#include <QPixmap>

#include <vector>

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QScrollBar;
class QSpinBox;

class TGoodNights : public TFrame {
    Q_OBJECT
  public:
    explicit TGoodNights(QWidget* parent = nullptr);

    // Computes and shows the windows for `feature` from the 1st of the month of `from` (local)
    // for the observer; false (and nothing shown) when the feature's coordinates are not numbers.
    bool ShowFor(const FeatureTexts& feature, const astro::DateTimeRec& from,
                 const astro::Observer& observer);
    // Searches again with the conditions of the boxes.
    void Recompute();
    const std::vector<astro::GoodNight>& Nights() const { return nights_; }
    // The windows as an iCalendar file (CRLF line ends).
    std::string CalendarText() const;
    // Asks for a file and writes CalendarText to it; false when cancelled or not written (told).
    bool SaveCalendar();
    // Prints the list in the page frame; false when nothing was printed.
    bool PrintList();
    // The row texts: night, start, end, length, Sun over the feature, Moon.
    QStringList RowTexts(int index) const;
    void DisplayDataBitmap();

    static constexpr int VisibleRows = 16;
    static constexpr int MaxMonths = 12; // a year: the search stays well under 50 ms

    QLabel* lblFeature = nullptr;
    QDoubleSpinBox* txtSunMin = nullptr; // Sun over the feature, degrees
    QDoubleSpinBox* txtSunMax = nullptr;
    QDoubleSpinBox* txtMoonMin = nullptr; // the Moon's least altitude here
    QComboBox* cmbSky = nullptr;          // civil, nautical, astronomical darkness
    QSpinBox* txtMonths = nullptr;
    QLabel* lblStatus = nullptr; // "No window ..." or the count
    QScrollBar* ScrollBar1 = nullptr;
    TClickLabel* lblPrint = nullptr;
    TClickLabel* lblCalendar = nullptr;
    QPixmap imgData;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

  private:
    astro::NightConditions Conditions() const;
    QString LocalText(astro::JulianDay ut, const char* format) const;
    FeatureTexts feature_;
    double longitude_ = 0, latitude_ = 0;
    astro::DateTimeRec from_;
    astro::Observer observer_;
    std::vector<astro::GoodNight> nights_;
    int wheelDelta_ = 0;
};
