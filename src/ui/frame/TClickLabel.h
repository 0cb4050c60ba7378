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

    // Makes the label a button of the keyboard too: reached by Tab, started by Enter or
    // Space, framed while it has the focus. `arrows` (Qt::Horizontal or Qt::Vertical) move
    // the focus to the neighbouring button of the same row or column.
    void setKeyboardButton(Qt::Orientations arrows);

    // Makes the label one of a group of radio buttons, chosen or not: a screen reader reads
    // its role and its checked state.
    void setRadioChecked(bool checked);
    bool isRadioButton() const { return radio_; }
    bool isRadioChecked() const { return radioChecked_; }

  signals:
    void clicked(); // left button released inside the label
    void doubleClicked(QPoint pos);
    void rightClicked(QPoint pos);
    void mouseDown(Qt::MouseButton button, QPoint pos);
    void mouseMove(Qt::MouseButtons buttons, QPoint pos);
    void mouseUp(Qt::MouseButton button, QPoint pos);
    void focused(); // the keyboard reached the label

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    Qt::KeyboardModifiers clickModifiers_;
    Qt::Orientations arrows_;
    bool keyboardButton_ = false;
    bool radio_ = false;
    bool radioChecked_ = false;
};
