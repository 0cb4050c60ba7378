// SPDX-License-Identifier: GPL-3.0-or-later
// The Moon's phase drawing: the dark part of the disc shaded over the photograph of the full
// Moon with elliptical arcs one pixel apart.
#pragma once

#include <QPixmap>

// Shades `picture` (156 x 156, the disc between x 3..153 and y 3..154) for an illuminated
// percent q (0..100) and a lunation percent p: a waxing Moon (p < 50) is lit on the right, a
// waning Moon on the left; the terminator is the half-ellipse of half-width |75 - 150 (100 - q) /
// 100|.
void ShadeMoonPicture(QPixmap& picture, int illuminatedPercent, double lunationPercent);

// True when the picture is shown turned by 180 degrees: binoculars in the south, or a telescope
// in the north.
bool MoonTurned(bool south, bool telescope);
