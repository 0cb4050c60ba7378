// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing on a canvas (an off-screen picture or the printer) the way the program's layouts are
// measured: a text is placed by the top-left corner of its cell, a rectangle from (x1, y1) to
// (x2, y2) covers the pixels x1 .. x2 - 1 and y1 .. y2 - 1, sizes are device pixels.
#pragma once

#include <QColor>
#include <QString>

class QPainter;

namespace canvas {

// Nearest integer, halves to the even neighbour (the rounding of font sizes and chart places).
int Nearest(double v);

// 96 / the screen's pixels per inch, taken once from the primary screen (1 without a screen).
double FontScale();
// A nominal point size for the screen: FontScale × size, rounded to the nearest.
int ScreenPointSize(double nominal);

// Device pixels of a length in points (1/72 inch) on the canvas' device; lays printed pages out
// alike at any printer resolution.
int Dots(const QPainter& canvas, double points);

// Sets the canvas font; sizes in points.
void SetFont(QPainter& canvas, const QString& family, int pointSize, bool bold = false,
             bool italic = false);

// The text with its cell's top-left corner at (x, y), in the pen's colour, background left as
// it is.
void TextOut(QPainter& canvas, int x, int y, const QString& text);
void TextOut(QPainter& canvas, int x, int y, const QString& text, const QColor& colour);
// The text so that its right edge is at `right`.
void TextOutRight(QPainter& canvas, int right, int y, const QString& text, const QColor& colour);

// Advance width and cell height (ascent + descent) of a text in the canvas font.
int TextWidth(const QPainter& canvas, const QString& text);
int TextHeight(const QPainter& canvas, const QString& text);

// Outline in the pen, inside filled with the brush; covers x1 .. x2 - 1, y1 .. y2 - 1.
void Rectangle(QPainter& canvas, int x1, int y1, int x2, int y2);
// A solid fill of the same area, leaving pen and brush alone.
void FillRect(QPainter& canvas, int x1, int y1, int x2, int y2, const QColor& colour);
// Pen and brush of one colour (the program's filled bands).
void SetPenAndBrush(QPainter& canvas, const QColor& colour, int penWidth = 1);

} // namespace canvas
