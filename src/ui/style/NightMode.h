// SPDX-License-Identifier: GPL-3.0-or-later
// Night mode: every window, popup, menu, message box, hint and dialog of the program in dim
// red on black, for eyes adapted to the dark. One event filter on the application does it for
// all of them: each widget's painting is taken into a picture of the part being painted,
// turned to red and put on the screen; a dark palette serves the standard dialogs. The key N
// toggles it in every window. Printouts and saved pictures are never tinted.
#pragma once

#include <QColor>
#include <QImage>
#include <QObject>
#include <QPixmap>

namespace nightmode {

// The brightest red a pixel may have in night mode (green and blue stay 0).
inline constexpr int MaxRed = 190;

bool On();
// Turns night mode on or off for every window; with `save`, keeps it in the settings.
void Set(bool on, bool save = true);
void Toggle();
// Installs the filter and applies the stored setting (once, after the settings are read).
void Install();

// `colour` as night mode shows it.
QColor Tint(const QColor& colour);
// Tints `image` in place (any format; it is converted to premultiplied ARGB32 if needed).
void Tint(QImage& image);

// The toolbar picture of the toggle: a red crescent, 24 x 25.
QPixmap TogglePicture();

// Tells the windows that want to know (the toolbar's picture) that the mode changed.
class TNotifier : public QObject {
    Q_OBJECT
  signals:
    void changed(bool on);
};
TNotifier& Notifier();

} // namespace nightmode
