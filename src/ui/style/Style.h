// SPDX-License-Identifier: GPL-3.0-or-later
// The program's look: fonts scaled to the screen, colours, embedded pictures and text drawing,
// shared by the main window, its popups, the report windows and the settings windows.
#pragma once

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QString>

class QLineEdit;

#include <functional>

class QPainter;
class QWidget;

namespace mainstyle {

inline const QColor Aqua{0, 255, 255};
inline const QColor Yellow{255, 255, 0};
inline const QColor Navy{0, 0, 128};
inline const QColor ValueTextColour{255, 255, 176};
inline const QColor HeadingColour{60, 60, 60};
inline const QColor HeadingShadowColour{210, 210, 210};
inline const QColor ShadingColour{30, 30, 30};
inline const QColor StripeGrey{70, 70, 70}; // odd rows of a list; even rows are black

// 96 / the screen's pixels per inch, computed once.
double FontScale();
// A nominal point size scaled by FontScale, rounded to the nearest (halves to even).
int ScaledPointSize(double nominal);
// Arial at a nominal point size (scaled), regular or bold.
QFont ArialPoints(double nominalPoints, bool bold = false);
// Arial at a size in pixels (not scaled: the pictures are in pixels too).
QFont ArialPixels(int pixels, bool bold = false);

// The embedded picture ":/<name>" ("main.jpg"). On a scaled display it is the picture drawn at
// twice the resolution (":/main@2x.jpg") with its device pixel ratio set to 2, where the
// artwork has one; sizes in points are then `deviceIndependentSize()`. Null when missing.
QPixmap SkinPicture(const QString& name);
// The name of the picture at twice the resolution: "main.jpg" -> "main@2x.jpg".
QString DoubleResolutionName(const QString& name);

// SkinPicture(name); when it is missing, a picture of `fallbackSize` painted by
// `paintFallback` (so the window still looks complete before the artwork lands).
QPixmap LoadPicture(const QString& name, QSize fallbackSize,
                    const std::function<void(QPainter&, QSize)>& paintFallback);

// The display's device pixel ratio (1 without scaling, 2 at 200 %).
qreal DisplayRatio();
// An off-screen picture of `size` points at the display's pixel ratio, filled with `fill`:
// what is drawn into it stays sharp on a scaled display.
QPixmap DisplayPixmap(QSize size, const QColor& fill = Qt::black);
// A copy of `picture` at the display's pixel ratio (smoothly enlarged when the display is
// scaled), so that what is drawn into it afterwards stays sharp.
QPixmap DisplayCopy(const QPixmap& picture);
// The size of a picture in points, whatever its pixel ratio.
QSize PointSize(const QPixmap& picture);
// Copies the part `source` (in points) of `picture` to `at` (in points), whatever the
// picture's pixel ratio.
void DrawPicturePart(QPainter& painter, QPoint at, const QPixmap& picture, const QRect& source);

// Draws `text` with its top-left corner at (x, y), as the window canvases do. When `opaque`,
// the text's cell is first filled with `background` so that it overwrites an older text.
void TextOut(QPainter& painter, int x, int y, const QString& text, bool opaque = false,
             const QColor& background = Qt::black);
// Width of `text` in the painter's current font.
int TextWidth(const QPainter& painter, const QString& text);

// Style sheet of a transparent label with a text colour. The label's hint (a child label)
// keeps dark text on a light ground.
QString TransparentLabelStyle(const QColor& colour);
void SetTransparentLabelStyle(QWidget* label, const QColor& colour);

// The width a line edit gives its text and its hint, in points.
int PlaceholderRoom(const QLineEdit& edit);
// Sets the hint shown in an empty `edit`; a hint wider than the field sets the field's face
// smaller (down to 6.5 points), so that it is read whole.
void SetFittingPlaceholder(QLineEdit* edit, const QString& text);

} // namespace mainstyle
