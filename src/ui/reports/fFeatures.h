// Framed window, not yet filled: its size, title and exit label.
#pragma once

#include "ui/frame/TFrame.h"

class TFeatures : public TFrame {
    Q_OBJECT
  public:
    explicit TFeatures(QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;
};
