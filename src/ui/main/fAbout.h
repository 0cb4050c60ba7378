// SPDX-License-Identifier: GPL-3.0-or-later
// The version window: the program's name and version painted on its picture, a hidden
// version label, and a close button. It is not dragged.
#pragma once

#include "ui/frame/TFrame.h"

class QLabel;

class TAbout : public TFrame {
    Q_OBJECT
  public:
    explicit TAbout(QWidget* parent = nullptr);

    QLabel* lblVersion = nullptr; // hidden, "Cresselle V2.50"

  protected:
    // Centred on the main window.
    void FormShow() override;
};
