// SPDX-License-Identifier: GPL-3.0-or-later
// The month picker: twelve month names beside the calendar heading; a click sets the month.
#pragma once

#include "ui/frame/TFrame.h"

class QLabel;

class TMonthList : public TFrame {
    Q_OBJECT
  public:
    explicit TMonthList(QWidget* parent = nullptr);

    static constexpr int RowHeight = 29;

    TClickLabel* imgMonths = nullptr; // 100 x 348, one month per 29-pixel row
    QLabel* imgMonthArrow = nullptr;  // 12 x 29 marker at x 10

  public slots:
    void imgMonthsMouseMove(int y);
    void imgMonthsClick();

  protected:
    void FormShow() override;
    bool FormEnter() override;
    void keyPressEvent(QKeyEvent* event) override;
};
