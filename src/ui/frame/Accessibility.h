// SPDX-License-Identifier: GPL-3.0-or-later
// What assistive technology (a screen reader, through the platform's accessibility bus) is
// told about the frame's windows: click labels are buttons with a name, and what a window
// paints itself (values, tables, the Moon drawing) is read as text items.
#pragma once

#include <QAccessible>
#include <QRect>
#include <QString>

// One painted thing read as text: "Moonrise 05:10", "Saturday 28 March 2026, selected".
struct TSpokenItem {
    TSpokenItem(const QString& name, const QRect& rect,
                QAccessible::Role role = QAccessible::StaticText)
        : Name(name), Rect(rect), Role(role) {}
    QString Name;
    QRect Rect; // in the window's coordinates; empty when out of view
    QAccessible::Role Role;
};

namespace accessibility {

// Installs the interfaces of the frame's windows and click labels (once; harmless again).
void Install();

// The name a click label is read by: its accessible name, else its hint, else its text.
QString ClickLabelName(const QWidget& label);

} // namespace accessibility
