// SPDX-License-Identifier: GPL-3.0-or-later
// The weekday names and the day numbers of the main window's month calendar.
#pragma once

#include "ui/frame/TClickLabel.h"

#include <QLabel>

// One of the seven weekday names above the grid (lblDay0 .. lblDay6).
class TDayLabel : public QLabel {
    Q_OBJECT
  public:
    TDayLabel(QWidget* parent, int index);
};

// One of the 42 day cells of the grid, row-major (lblDateAA .. lblDateFG). Shows a day number
// or one blank.
class TDateLabel : public TClickLabel {
    Q_OBJECT
  public:
    TDateLabel(QWidget* parent, int row, int column);

    // The day number shown, 0 for a blank cell.
    int dayNumber() const;
};
