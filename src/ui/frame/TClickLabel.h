// SPDX-License-Identifier: GPL-3.0-or-later
// A transparent label over a painted button or title: shows the parent's picture through it
// and reports its mouse events in its own coordinates.
#pragma once

#include <QLabel>
#include <QPoint>

class TClickLabel : public QLabel {
    Q_OBJECT
  public:
    explicit TClickLabel(QWidget* parent, const QRect& geometry = {}, const QString& hint = {});
    // The keys held (Shift, Ctrl) at the last click.
    Qt::KeyboardModifiers clickModifiers() const { return clickModifiers_; }

  signals:
    void clicked(); // left button released inside the label
    void doubleClicked(QPoint pos);
    void rightClicked(QPoint pos);
    void mouseDown(Qt::MouseButton button, QPoint pos);
    void mouseMove(Qt::MouseButtons buttons, QPoint pos);
    void mouseUp(Qt::MouseButton button, QPoint pos);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    Qt::KeyboardModifiers clickModifiers_;
};
