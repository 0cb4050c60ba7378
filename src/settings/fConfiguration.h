// Framed window, not yet filled: its size, title and exit label.
#pragma once

#include "ui/frame/TFrame.h"

class TConfiguration : public TFrame {
    Q_OBJECT
  public:
    explicit TConfiguration(QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;
};
