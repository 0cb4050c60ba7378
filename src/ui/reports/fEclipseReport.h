// Framed window, not yet filled: its size, title and exit label.
#pragma once

#include "ui/frame/TFrame.h"

class TEclipseReport : public TFrame {
    Q_OBJECT
  public:
    explicit TEclipseReport(QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;
};
