// SPDX-License-Identifier: GPL-3.0-or-later
// A popup menu made of a column of picture rows, 265 x 20 each, with a small arrow marking
// the row under the mouse. Shared by the reports menu and the links menu.
#pragma once

#include "ui/frame/TFrame.h"

#include <QLabel>
#include <QString>
#include <vector>

class TMenuFrame : public TFrame {
    Q_OBJECT
  public:
    static constexpr int RowWidth = 265;
    static constexpr int RowHeight = 20;

    // buttonLeft: left of the main window's toolbar button that opens the menu.
    TMenuFrame(int width, int height, int buttonLeft, QWidget* parent = nullptr);

    QLabel* imgArrow = nullptr;

  protected:
    // Adds the next row below the previous ones. `picture` is the row's resource name; when it
    // is missing the row is painted with `caption`. Headings only hide the arrow.
    TClickLabel* addRow(const QString& name, const QString& caption, const QString& picture,
                        bool heading = false);
    void FormShow() override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    std::vector<TClickLabel*> rows_; // the rows that open something, top first
    void rowMouseMove(TClickLabel* row, bool heading);

    int buttonLeft_ = 0;
    int nextTop_ = 0;
};

// A row picture painted in code: the caption in light text on a dark shaded bar.
QPixmap PaintedMenuRow(const QString& caption, bool heading);
