// SPDX-License-Identifier: GPL-3.0-or-later
// Paints the dark part of the Moon over a picture of the full Moon, on any canvas (window
// bitmap, saved page, printer). Used by the monthly phases page and the printed calendar.
#pragma once

#include "astro/fGlobals.h"

class QPainter;

// What the shading needs besides the day: the observer's clock and hemisphere.
struct PhaseShadingFrame {
    int ZoneOffsetMinutes = 0;  // zone plus daylight-saving minutes, local ahead of UT
    double ClockOffsetDays = 0; // shift of the shown instant against the clock, days
    bool North = true;          // LatDir is "North": the dark side is not mirrored
};

// The frame of a clock (zone offset in minutes, clock offset in days) with the hemisphere of
// the LatDir setting.
PhaseShadingFrame ShadingFrameOf(int zoneOffsetMinutes, double clockOffsetDays);

// Which side of the disc the shadow lies on.
enum class DarkSide { Left, Right };

// Waning when at least half of the lunation around date.Julian has elapsed (the local Julian
// Day of the day taken as UT, less the zone offset, plus the clock offset).
bool IsWaning(const astro::DateTimeRec& date, const PhaseShadingFrame& frame);
DarkSide DarkSideOf(bool waning, bool north);

// Paints, in grey level `grey` (0..255) with outlines only, the dark part of a Moon centred
// at (cx, cy) with radius r that is `illuminatedPercent` (0..100, clamped) lit on `date`
// (date.Julian must be filled in). On bitmaps the half-ellipse outlines lie one pixel apart, so
// the dark part comes out solid; the disc covers columns cx - r .. cx + r - 1 and rows
// cy - r .. cy + r - 1. On printer and PDF canvases the same region is filled as one path.
// Changes nothing else on the canvas (its pen and brush are restored).
void DrawPhaseShading(QPainter& canvas, int cx, int cy, int r, int illuminatedPercent, int grey,
                      const astro::DateTimeRec& date, const PhaseShadingFrame& frame);

// The shading itself once the dark side is known (no astronomy): for tests and callers that
// already know the side.
void DrawPhaseShadingOnSide(QPainter& canvas, int cx, int cy, int r, int illuminatedPercent,
                            int grey, DarkSide dark);
