// SPDX-License-Identifier: GPL-3.0-or-later
// The lunar eclipse of the month the main window shows: its kind and visibility, its date,
// the local times of every contact and its magnitude.
#pragma once

#include "astro/fEclipse.h"
#include "ui/frame/TFrame.h"

#include <QLabel>
#include <QString>

#include <vector>

class TEclipse : public TFrame {
    Q_OBJECT
  public:
    explicit TEclipse(QWidget* parent = nullptr);

    QLabel* lblEclipseType = nullptr;
    TClickLabel* lblDate = nullptr;
    QLabel* lblMaximum = nullptr;           // invisible: maximum time, two blanks, date
    TClickLabel* lblOtherEclipse = nullptr; // shown when the month holds two eclipses

    // The record painted: the main window's current eclipse.
    static const astro::EclipseCircumstances& CurrentEclipse();

  public slots:
    // Jumps the main window to the instant of maximum.
    void lblDateDblClick();
    // Shows the month's other eclipse.
    void lblOtherEclipseClick();

  protected:
    void FormShow() override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void UpdateLabels(const astro::EclipseCircumstances& eclipse);
    void UpdateOtherEclipse();
    void FitHeading();
    void DrawContacts(QPainter& canvas, const astro::EclipseCircumstances& eclipse);
};

// One line of the contacts table: its top, label and value.
struct EclipseLine {
    int Top = 0;
    QString Label;
    QString Value;
};

// The lines of an eclipse of kind 1..3, the contacts placed symmetrically about the maximum's
// line by rows of `lineHeight` pixels, then the magnitude (umbral; penumbral for kind 1).
std::vector<EclipseLine> EclipseLines(const astro::EclipseCircumstances& eclipse, int lineHeight);

// "Penumbral Eclipse (Visible)" and the like.
QString EclipseHeading(const astro::EclipseCircumstances& eclipse);
// A magnitude rounded to three decimals in its shortest form (0.5, 1, 1.324).
QString MagnitudeText(double magnitude);
