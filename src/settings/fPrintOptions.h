// Framed window, not yet filled: its size, title and exit label.
#pragma once

#include "ui/frame/TFrame.h"

class TPrintOptions : public TFrame {
    Q_OBJECT
  public:
    explicit TPrintOptions(QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;
};
