// SPDX-License-Identifier: GPL-3.0-or-later
// Fonts, text and the surfaces every window is built from: frames, panels, plates, tiles.
#include "Artwork.h"

namespace artwork {

namespace {
int ratio_ = 1;
} // namespace

int pixelRatio() {
    return ratio_;
}

void setPixelRatio(int ratio) {
    ratio_ = std::max(1, ratio);
}

QSize pointSize(const QImage& image) {
    return image.deviceIndependentSize().toSize();
}

QImage part(const QImage& image, const QRect& points) {
    const qreal r = image.devicePixelRatio();
    QImage piece = image.copy(
        QRect((QPointF(points.topLeft()) * r).toPoint(), (QSizeF(points.size()) * r).toSize()));
    piece.setDevicePixelRatio(r);
    return piece;
}

QString rectText(const QRect& r) {
    return QString("(%1, %2, %3, %4)").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// ---- fonts and text --------------------------------------------------------------------------

QFont arial(int pixels, bool bold) {
    QFont f("Arial");
    f.setPixelSize(pixels);
    f.setBold(bold);
    f.setStyleStrategy(QFont::PreferAntialias);
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

// The largest font up to `pixels` whose text fits in `width`.
QFont fittingFont(const QString& text, int pixels, bool bold, int width) {
    QFont f = arial(pixels, bold);
    while (pixels > 7 && QFontMetrics(f).horizontalAdvance(text) > width)
        f = arial(--pixels, bold);
    return f;
}

void drawText(QPainter& p, const QRect& r, int flags, const QString& text, const QFont& font,
              const QColor& ink, const QColor& shadow) {
    p.setFont(font);
    if (shadow.isValid()) {
        p.setPen(shadow);
        p.drawText(r.translated(1, 1), flags, text);
    }
    p.setPen(ink);
    p.drawText(r, flags, text);
}

// ---- surfaces --------------------------------------------------------------------------------

QImage newImage(int w, int h, bool transparent) {
    QImage image(w * ratio_, h * ratio_, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio_);
    image.fill(transparent ? Qt::transparent : Qt::black);
    return image;
}

void starField(QPainter& p, const QRect& r, quint32 seed, int density) {
    QRandomGenerator rng(seed);
    const int count = r.width() * r.height() / density;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const double x = r.x() + rng.bounded(r.width()) + 0.5;
        const double y = r.y() + rng.bounded(r.height()) + 0.5;
        const int level = 70 + rng.bounded(110);
        const int tint = rng.bounded(3);
        QColor c(level - (tint == 0 ? 20 : 0), level, std::min(255, level + 25));
        if (rng.bounded(14) == 0) { // a brighter star with a little glow
            QRadialGradient glow(QPointF(x, y), 2.2);
            glow.setColorAt(0, QColor(230, 235, 255, 230));
            glow.setColorAt(1, QColor(230, 235, 255, 0));
            p.setBrush(glow);
            p.drawEllipse(QPointF(x, y), 2.2, 2.2);
        } else {
            p.setBrush(c);
            p.drawEllipse(QPointF(x, y), 0.55, 0.55);
        }
    }
    p.restore();
}

// The midnight-blue frame of every window, with a faint star field and a raised outer edge.
void chrome(QPainter& p, const QRect& r, quint32 seed) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, kChromeTop);
    g.setColorAt(0.45, QColor(18, 24, 52));
    g.setColorAt(1, kChromeBottom);
    p.fillRect(r, g);
    starField(p, r, seed);
}

void bevel(QPainter& p, const QRect& r, const QColor& light, const QColor& dark) {
    p.setPen(light);
    p.drawLine(r.left(), r.bottom(), r.left(), r.top());
    p.drawLine(r.left(), r.top(), r.right(), r.top());
    p.setPen(dark);
    p.drawLine(r.right(), r.top() + 1, r.right(), r.bottom());
    p.drawLine(r.left() + 1, r.bottom(), r.right(), r.bottom());
}

void windowEdge(QPainter& p, const QSize& size) {
    const QRect r(0, 0, size.width(), size.height());
    bevel(p, r, QColor(132, 148, 205), QColor(0, 0, 0));
    bevel(p, r.adjusted(1, 1, -1, -1), QColor(70, 82, 132), QColor(12, 14, 30));
}

// A black panel sunk into the frame; lists, tables and values sit on it.
void panel(QPainter& p, const QRect& r) {
    p.fillRect(r, Qt::black);
    bevel(p, r, QColor(4, 5, 12), kPanelEdge);
    bevel(p, r.adjusted(-1, -1, 1, 1), QColor(10, 12, 26), QColor(50, 60, 100));
}

// A light silver plate: titles and headings written in dark text sit on it.
void silverPlate(QPainter& p, const QRectF& r, double radius) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(236, 240, 250));
    g.setColorAt(0.5, QColor(200, 208, 228));
    g.setColorAt(1, QColor(168, 176, 204));
    p.setPen(QPen(QColor(22, 26, 52), 1));
    p.setBrush(g);
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    p.setPen(QPen(QColor(255, 255, 255, 170), 1));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(r.left() + radius, r.top() + 1.5),
               QPointF(r.right() - radius, r.top() + 1.5));
    p.restore();
}

void titlePlate(QPainter& p, const QRect& r, const QString& text) {
    silverPlate(p, r);
    const QFont f = fittingFont(text, 15, true, r.width() - 12);
    drawText(p, r, Qt::AlignCenter, text, f, kNavy, QColor(255, 255, 255, 150));
}

// A raised button face, midnight blue.
void tile(QPainter& p, const QRectF& r, double radius) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(104, 120, 176));
    g.setColorAt(0.5, QColor(58, 70, 120));
    g.setColorAt(1, QColor(30, 37, 72));
    p.setPen(QPen(QColor(6, 8, 20), 1));
    p.setBrush(g);
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    p.setPen(QPen(QColor(190, 204, 250, 150), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(r.adjusted(1.5, 1.5, -1.5, -1.5), radius - 1, radius - 1);
    p.restore();
}

void textButton(QPainter& p, const QRect& r, const QString& caption, int pixels) {
    tile(p, r, 4);
    drawText(p, r, Qt::AlignCenter, caption, fittingFont(caption, pixels, true, r.width() - 6),
             kGlyph, QColor(0, 0, 0, 200));
}

// An entry box with a sunken edge, filled with the colour of edited values.
void entryBox(QPainter& p, const QRect& r) {
    p.fillRect(r, kValue);
    bevel(p, r, QColor(70, 70, 60), QColor(255, 255, 255));
    bevel(p, r.adjusted(1, 1, -1, -1), QColor(150, 150, 120), QColor(235, 235, 200));
}

} // namespace artwork
