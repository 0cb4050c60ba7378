// Framed window, not yet filled: its size, title and exit label.
#pragma once

#include "ui/frame/TFrame.h"

class TEaster : public TFrame {
    Q_OBJECT
  public:
    explicit TEaster(QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;
};
