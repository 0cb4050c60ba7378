// Framed window, not yet filled: its size, title and exit label.
#pragma once

#include "ui/frame/TFrame.h"

class TEclipse : public TFrame {
    Q_OBJECT
  public:
    explicit TEclipse(QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;
};
