// SPDX-License-Identifier: GPL-3.0-or-later
// The captions painted into the windows' pictures (title plates, button faces, section
// captions) are English. In another language each is covered with the picture's own ground and
// painted again in that language, in the same place, colour and face, shrunk to fit.
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

#include <cstddef>

class QPixmap;

namespace paintedtexts {

// One caption painted into a picture: its English text (of the window class `Context`), the
// rectangle it was centred or aligned in, and a column of the picture's ground beside it.
struct PaintedText {
    const char* Context;
    const char* English;
    QRect Place; // picture points
    int GroundX; // a column of the same ground without text, copied over the place
    int Pixels;  // the picture's font size in pixels (Arial)
    bool Bold;
    QColor Ink;
    QColor Shadow; // invalid: none
    int Align;     // Qt::Alignment flags
};

// Whether `picture` holds the captions of window class `context` where they were painted: the
// painted picture's size, or its width and taller (a window that adds rows below them).
bool HasPaintedCaptions(const QPixmap& picture, const char* context);

// Covers and repaints in `picture` every caption of window class `context` whose translation
// differs from its English. A picture without them (HasPaintedCaptions) is left alone.
void TranslatePicture(QPixmap& picture, const char* context);

// The same for one caption (menu rows, the time editor's button).
void RepaintCaption(QPixmap& picture, const PaintedText& text, const QString& translated);

// Every caption painted into a picture; `count` receives their number.
const PaintedText* AllPaintedTexts(std::size_t& count);

// The largest font of `pixels` or less (down to 7) in which `text` fits `width`.
QFont FittingFont(const QString& text, int pixels, bool bold, int width);

} // namespace paintedtexts
