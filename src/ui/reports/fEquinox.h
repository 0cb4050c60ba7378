// SPDX-License-Identifier: GPL-3.0-or-later
// The equinoxes and solstices of the main window's year, named for the observer's hemisphere,
// with the length of each season. A popup: it closes when it loses activation.
#pragma once

#include "astro/fSeasons.h"
#include "ui/frame/TFrame.h"

#include <QLabel>
#include <QString>

#include <string>

class TEquinox : public TFrame {
    Q_OBJECT
  public:
    explicit TEquinox(QWidget* parent = nullptr);

    // Computes the four events of `year` for the main window's observer, fills the labels and
    // shows the window.
    void EquinoxesAndSolstices(int year);

    QLabel* Label8 = nullptr; // "Spring Equinox:"
    QLabel* Label7 = nullptr; // "Summer Solstice:"
    QLabel* Label6 = nullptr; // "Autumn Equinox:"
    QLabel* Label5 = nullptr; // "Winter Solstice:"
    QLabel* lblSpring = nullptr;
    QLabel* lblSummer = nullptr;
    QLabel* lblAutumn = nullptr;
    QLabel* lblWinter = nullptr;
    QLabel* lblSpringDur = nullptr;
    QLabel* lblSummerDur = nullptr;
    QLabel* lblAutumnDur = nullptr;
    QLabel* lblWinterDur = nullptr;

  protected:
    void FormShow() override;
};

// "HH:MM:SS  DD Month YYYY" shortened to "HH:MM   DD Mon".
QString ShortEventText(const std::string& eventText);
// A season length in its shortest decimal form with " days" ("92.75 days").
QString SeasonLengthText(double days);
