// SPDX-License-Identifier: GPL-3.0-or-later
// The print options window: what the printed month calendar carries and how dark its phase
// drawings print. OK stores the choices and prints the month the main calendar shows.
#pragma once

#include <QGuiApplication>

#include "ui/frame/TFrame.h"

class QCheckBox;
class QLineEdit;
class TSpinButton;

class TPrintOptions : public TFrame {
    Q_OBJECT
  public:
    explicit TPrintOptions(QWidget* parent = nullptr);

    QCheckBox* chkDailyPhases = nullptr;
    QCheckBox* chkMajorPhases = nullptr;
    QCheckBox* chkMoonTimes = nullptr;
    QCheckBox* chkSunTimes = nullptr;
    QLineEdit* txtDensity = nullptr; // 0..100, at most 3 digits
    TSpinButton* DensitySpinButton = nullptr;
    TClickLabel* lblOK = nullptr;

    // The density the box holds: its number, 0 when it is empty.
    int Density() const;

    // Fills the controls from ObserverSettings (once per showing).
    void FormActivate();

  public slots:
    void DensitySpinButtonUpClick();
    void DensitySpinButtonDownClick();
    // Leaving the box: a number above 100 becomes 100, an empty box 0.
    void txtDensityExit();
    // Saves the options (in memory and in the store), prints the month and closes.
    void lblOKClick();

  protected:
    void FormShow() override;
    // Enter prints like the OK button; Escape and the close button leave without printing.
    bool FormEnter() override {
        printModifiers_ = QGuiApplication::keyboardModifiers();
        lblOKClick();
        return true;
    }
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void SetDensity(int density);

    bool filled_ = false;                  // controls filled since the window was shown
    Qt::KeyboardModifiers printModifiers_; // the keys held with the OK click or Enter
};
