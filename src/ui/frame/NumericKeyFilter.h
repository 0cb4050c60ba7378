// SPDX-License-Identifier: GPL-3.0-or-later
// The key filter of numeric edit boxes. Mode 0 admits the digits, Backspace (8) and Enter (13);
// mode 1 also "." and "-"; any other mode admits every key.
#pragma once

#include <QObject>

class QLineEdit;

// The key as the box should receive it: the key itself, or 0 when the box swallows it.
int NumericKeyFilter(int key, int mode);

// Applies NumericKeyFilter to the character keys typed into a box. Keys that type no character
// (arrows, Delete, Tab) and control shortcuts pass untouched.
class TNumericKeyFilter : public QObject {
    Q_OBJECT
  public:
    TNumericKeyFilter(QLineEdit* box, int mode);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    int mode_;
};

// Installs the filter on a box; the box owns it.
void InstallNumericKeyFilter(QLineEdit* box, int mode);
