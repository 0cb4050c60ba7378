// SPDX-License-Identifier: GPL-3.0-or-later
// A spin button without a value of its own: two small arrow buttons, one above the other,
// that report clicks. The window that owns it decides what an up or down click changes.
#pragma once

#include <QWidget>

class QToolButton;

class TSpinButton : public QWidget {
    Q_OBJECT
  public:
    explicit TSpinButton(QWidget* parent, const QRect& geometry);

    QToolButton* upButton() const { return up_; }
    QToolButton* downButton() const { return down_; }

  signals:
    void upClick();
    void downClick();

  protected:
    // With the focus, the Up and Down keys click the arrows.
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    QToolButton* up_;
    QToolButton* down_;
};
