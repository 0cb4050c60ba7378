// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/fPhaseShading.h"

#include "astro/fPhases.h"
#include "settings/ObserverSettings.h"

#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPoint>
#include <QVarLengthArray>

#include <algorithm>
#include <cmath>
#include <cstdlib>

PhaseShadingFrame ShadingFrameOf(int zoneOffsetMinutes, double clockOffsetDays) {
    PhaseShadingFrame frame;
    frame.ZoneOffsetMinutes = zoneOffsetMinutes;
    frame.ClockOffsetDays = clockOffsetDays;
    frame.North = ObserverSettings.LatDir == QStringLiteral("North");
    return frame;
}

bool IsWaning(const astro::DateTimeRec& date, const PhaseShadingFrame& frame) {
    const astro::JulianDay instant =
        date.Julian - frame.ZoneOffsetMinutes / 1440.0 + frame.ClockOffsetDays;
    const astro::LunationRec lunation = astro::NewMoonsAround(instant);
    const double elapsed = instant - lunation.PreviousNewMoon;
    const double q = elapsed / (lunation.NextNewMoon - lunation.PreviousNewMoon) * 100;
    return q >= 50;
}

DarkSide DarkSideOf(bool waning, bool north) {
    const bool left = (!waning && north) || (waning && !north);
    return left ? DarkSide::Left : DarkSide::Right;
}

namespace {

// One half of the outline of the ellipse whose box covers columns cx - j .. cx + j - 1 and
// rows cy - r .. cy + r - 1, from pole to pole. The left half ends on column cx - 1 at the
// poles, the right half on column cx, so the two halves mirror each other exactly. A zero or
// negative j gives the same as |j|; j = 0 is the centre column of its side.
void HalfEllipse(QPainter& canvas, int cx, int cy, int r, int j, DarkSide side) {
    if (r <= 0) return;
    const double a = std::max(std::abs(j) - 0.5, 0.0); // half-width between pixel centres
    const double b = std::max(r - 0.5, 0.5);           // half-height between pixel centres
    const double yc = cy - 0.5;
    QVarLengthArray<QPoint, 256> points;
    points.reserve(2 * r);
    for (int y = cy - r; y < cy + r; ++y) {
        const double t = std::clamp((y - yc) / b, -1.0, 1.0);
        const int k = std::max(0, static_cast<int>(std::lround(a * std::sqrt(1 - t * t) - 0.5)));
        points.append(QPoint(side == DarkSide::Left ? cx - 1 - k : cx + k, y));
    }
    canvas.drawPolyline(points.constData(), static_cast<int>(points.size()));
}

// Vertical line from (x, cy - r) to (x, cy + r), end point excluded.
void CentreLine(QPainter& canvas, int x, int cy, int r) {
    if (r <= 0) return;
    canvas.drawLine(x, cy - r, x, cy + r - 1);
}

// On a printer or PDF canvas a device pixel is tiny and hundreds of arcs per drawing would
// swell the document: the same region, from the limb to the terminator, is filled as one path
// and the dark limb outlined. The terminator is the half-ellipse of half-width |i|, on the dark
// side while more than half is lit, on the lit side while less is.
void FillDarkRegion(QPainter& canvas, int cx, int cy, int r, int i, DarkSide dark,
                    const QColor& colour) {
    const QRectF limb(cx - r, cy - r, 2.0 * r, 2.0 * r);
    const double t = std::abs(i);
    const QRectF terminator(cx - t, cy - r, 2 * t, 2.0 * r);
    // Angles run counter-clockwise from three o'clock: the left half is 90 -> 270.
    const bool left = dark == DarkSide::Left;
    const double limbSweep = left ? 180 : -180;
    const bool terminatorOnLeft = (i > 0) == left;
    QPainterPath path(QPointF(cx, cy - r));
    path.arcTo(limb, 90, limbSweep);
    path.arcTo(terminator, 270, terminatorOnLeft ? -180 : 180);
    path.closeSubpath();
    canvas.fillPath(path, colour);
    canvas.drawArc(limb, 90 * 16, static_cast<int>(limbSweep * 16));
}

} // namespace

void DrawPhaseShadingOnSide(QPainter& canvas, int cx, int cy, int r, int illuminatedPercent,
                            int grey, DarkSide dark) {
    const int p = std::clamp(illuminatedPercent, 0, 100);
    const int g = std::clamp(grey, 0, 255);
    canvas.save();
    canvas.setRenderHint(QPainter::Antialiasing, false);
    canvas.setPen(QPen(QColor(g, g, g), 0));
    canvas.setBrush(Qt::NoBrush);

    // Width of the dark part across the disc, and the terminator's half-width on the dark side
    // (negative: the terminator lies on the lit side, less than half is lit).
    const int m = static_cast<int>(std::trunc((2 * r * (100 - p)) / 100.0));
    const int i = r - m;
    const DarkSide lit = dark == DarkSide::Left ? DarkSide::Right : DarkSide::Left;
    const int xDark = dark == DarkSide::Left ? cx - 1 : cx;
    const int xLit = dark == DarkSide::Left ? cx : cx - 1;

    const QPaintEngine* engine = canvas.paintEngine();
    if (engine && engine->type() != QPaintEngine::Raster) {
        FillDarkRegion(canvas, cx, cy, r, i, dark, QColor(g, g, g));
        canvas.restore();
        return;
    }
    if (m >= 0)
        for (int j = i; j <= r; ++j)
            HalfEllipse(canvas, cx, cy, r, j, dark);
    if (i <= 0) CentreLine(canvas, xDark, cy, r);
    if (i < 0) {
        CentreLine(canvas, xLit, cy, r);
        for (int j = 0; j <= -i; ++j)
            HalfEllipse(canvas, cx, cy, r, j, lit);
    }
    canvas.restore();
}

void DrawPhaseShading(QPainter& canvas, int cx, int cy, int r, int illuminatedPercent, int grey,
                      const astro::DateTimeRec& date, const PhaseShadingFrame& frame) {
    const DarkSide dark = DarkSideOf(IsWaning(date, frame), frame.North);
    DrawPhaseShadingOnSide(canvas, cx, cy, r, illuminatedPercent, grey, dark);
}
