// Framed window, not yet filled: its size, title and exit label.
#pragma once

#include "ui/frame/TFrame.h"

class TDateInfo : public TFrame {
    Q_OBJECT
  public:
    explicit TDateInfo(QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;
};
