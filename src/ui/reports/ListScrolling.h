// SPDX-License-Identifier: GPL-3.0-or-later
// Scrolling a list drawn as a picture beside its scroll bar: the mouse wheel, the arrow keys,
// PgUp/PgDn, Home and End move the scroll bar.
#pragma once

#include <QKeyEvent>
#include <QScrollBar>
#include <QWheelEvent>

namespace listscrolling {

inline constexpr int WheelRows = 3; // rows per notch of the wheel

// Moves the scroll bar for a list key; false for any other key.
inline bool ScrollByKey(QScrollBar& bar, int key) {
    switch (key) {
    case Qt::Key_Up:
        bar.setValue(bar.value() - 1);
        return true;
    case Qt::Key_Down:
        bar.setValue(bar.value() + 1);
        return true;
    case Qt::Key_PageUp:
        bar.setValue(bar.value() - bar.pageStep());
        return true;
    case Qt::Key_PageDown:
        bar.setValue(bar.value() + bar.pageStep());
        return true;
    case Qt::Key_Home:
        bar.setValue(bar.minimum());
        return true;
    case Qt::Key_End:
        bar.setValue(bar.maximum());
        return true;
    default:
        return false;
    }
}

// Whole notches move WheelRows rows; a touchpad's small steps add up until they make a notch.
inline void ScrollByWheel(QScrollBar& bar, const QWheelEvent& event, int& pendingDelta) {
    pendingDelta += event.angleDelta().y();
    const int notches = pendingDelta / 120;
    pendingDelta -= notches * 120;
    bar.setValue(bar.value() - notches * WheelRows);
}

} // namespace listscrolling
