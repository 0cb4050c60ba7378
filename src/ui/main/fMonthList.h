// Framed window, not yet filled: its size, title and exit label.
#pragma once

#include "ui/frame/TFrame.h"

class TMonthList : public TFrame {
    Q_OBJECT
  public:
    explicit TMonthList(QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;
};
