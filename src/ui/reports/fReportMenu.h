// SPDX-License-Identifier: GPL-3.0-or-later
// The reports popup: seven rows, each opening one report window, and a row that saves the
// selected year's events as an iCalendar file.
#pragma once

#include "ui/reports/fMenuFrame.h"

class TReportMenu : public TMenuFrame {
    Q_OBJECT
  public:
    explicit TReportMenu(QWidget* parent = nullptr);

    TClickLabel* imgLunarVisibility = nullptr;
    TClickLabel* imgFindEclipses = nullptr;
    TClickLabel* imgDisplayPhases = nullptr;
    TClickLabel* imgLunarFeatures = nullptr;
    TClickLabel* imgEquinoxInfo = nullptr;
    TClickLabel* imgEaster = nullptr;
    TClickLabel* imgAltitudes = nullptr;
    TClickLabel* imgSaveCalendar = nullptr;

  public slots:
    void imgLunarVisibilityClick();
    void imgFindEclipsesClick();
    void imgDisplayPhasesClick();
    void imgLunarFeaturesClick();
    void imgEquinoxInfoClick();
    void imgEasterClick();
    void imgAltitudesClick();
    void imgSaveCalendarClick();
};
