// SPDX-License-Identifier: GPL-3.0-or-later
// The date of Easter Sunday of the main window's year. A popup: it closes when it loses
// activation.
#pragma once

#include "ui/frame/TFrame.h"

#include <QLabel>

class TEaster : public TFrame {
    Q_OBJECT
  public:
    explicit TEaster(QWidget* parent = nullptr);

    QLabel* lblEaster = nullptr;
    TClickLabel* Label1 = nullptr; // the drag area, in the place of a title label

  protected:
    void FormShow() override;
};
