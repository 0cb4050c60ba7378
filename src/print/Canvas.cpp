// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/Canvas.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include <cmath>

namespace canvas {

int Nearest(double v) {
    return static_cast<int>(std::nearbyint(v));
}

double FontScale() {
    static const double scale = [] {
        const QScreen* screen = QGuiApplication::primaryScreen();
        const double dpi = screen ? screen->logicalDotsPerInchY() : 96.0;
        return dpi > 0 ? 96.0 / dpi : 1.0;
    }();
    return scale;
}

int ScreenPointSize(double nominal) {
    return Nearest(FontScale() * nominal);
}

int Dots(const QPainter& canvas, double points) {
    const QPaintDevice* device = canvas.device();
    const int dpi = device ? device->logicalDpiY() : 96;
    return Nearest(points * (dpi > 0 ? dpi : 96) / 72.0);
}

void SetFont(QPainter& canvas, const QString& family, int pointSize, bool bold, bool italic) {
    QFont font(family);
    font.setPointSize(pointSize > 0 ? pointSize : 1);
    font.setBold(bold);
    font.setItalic(italic);
    canvas.setFont(font);
}

void TextOut(QPainter& canvas, int x, int y, const QString& text) {
    canvas.drawText(x, y + canvas.fontMetrics().ascent(), text);
}

void TextOut(QPainter& canvas, int x, int y, const QString& text, const QColor& colour) {
    const QPen pen = canvas.pen();
    canvas.setPen(colour);
    TextOut(canvas, x, y, text);
    canvas.setPen(pen);
}

void TextOutRight(QPainter& canvas, int right, int y, const QString& text, const QColor& colour) {
    TextOut(canvas, right - TextWidth(canvas, text), y, text, colour);
}

int TextWidth(const QPainter& canvas, const QString& text) {
    return canvas.fontMetrics().horizontalAdvance(text);
}

int TextHeight(const QPainter& canvas, const QString&) {
    // The cell height does not depend on the characters: ascent plus descent of the font.
    return canvas.fontMetrics().height();
}

void Rectangle(QPainter& canvas, int x1, int y1, int x2, int y2) {
    if (x2 <= x1 || y2 <= y1) return;
    if (canvas.pen().style() == Qt::NoPen) {
        canvas.fillRect(x1, y1, x2 - x1, y2 - y1, canvas.brush());
        return;
    }
    // A one-pixel outline of QRect(x, y, w, h) covers w + 1 pixels; one less gives x1 .. x2 - 1.
    canvas.drawRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1);
}

void FillRect(QPainter& canvas, int x1, int y1, int x2, int y2, const QColor& colour) {
    if (x2 <= x1 || y2 <= y1) return;
    canvas.fillRect(x1, y1, x2 - x1, y2 - y1, colour);
}

void SetPenAndBrush(QPainter& canvas, const QColor& colour, int penWidth) {
    QPen pen(colour);
    pen.setWidth(penWidth);
    canvas.setPen(pen);
    canvas.setBrush(colour);
}

} // namespace canvas
