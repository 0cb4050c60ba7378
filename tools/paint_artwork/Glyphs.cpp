// SPDX-License-Identifier: GPL-3.0-or-later
// The button symbols and the buttons that carry them.
#include "Artwork.h"

namespace artwork {

// ---- button symbols (each in a box of about 16 x 16) ------------------------------------------

QPen glyphPen(double width, const QColor& c) {
    QPen pen(c, width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

void glyphPrinter(QPainter& p, const QRectF& b) {
    const double x = b.x(), y = b.y();
    p.setPen(QPen(QColor(20, 24, 48), 1));
    p.setBrush(QColor(250, 250, 255));
    p.drawRect(QRectF(x + 4.5, y + 0.5, 7, 5));
    p.setBrush(QColor(196, 206, 236));
    p.drawRoundedRect(QRectF(x + 0.5, y + 5.5, 15, 7), 1.5, 1.5);
    p.setBrush(QColor(250, 250, 255));
    p.drawRect(QRectF(x + 3.5, y + 10.5, 9, 5));
    p.setPen(QPen(QColor(90, 100, 140), 1));
    p.drawLine(QPointF(x + 5, y + 12.5), QPointF(x + 11, y + 12.5));
    p.drawLine(QPointF(x + 5, y + 14.2), QPointF(x + 9.5, y + 14.2));
    p.setPen(Qt::NoPen);
    p.setBrush(kAqua);
    p.drawEllipse(QPointF(x + 13, y + 7.8), 1, 1);
}

void glyphBinoculars(QPainter& p, const QRectF& b) {
    const double x = b.x(), y = b.y();
    p.setPen(QPen(QColor(10, 12, 26), 1));
    p.setBrush(QColor(206, 214, 240));
    p.drawRoundedRect(QRectF(x + 2.5, y + 1.5, 4, 5), 1, 1);
    p.drawRoundedRect(QRectF(x + 9.5, y + 1.5, 4, 5), 1, 1);
    p.drawRoundedRect(QRectF(x + 0.5, y + 5.5, 7, 10), 2.5, 2.5);
    p.drawRoundedRect(QRectF(x + 8.5, y + 5.5, 7, 10), 2.5, 2.5);
    p.drawRect(QRectF(x + 6.5, y + 6.5, 3, 3));
    p.setBrush(QColor(0, 170, 220));
    p.drawEllipse(QPointF(x + 4, y + 12.6), 2.2, 2.2);
    p.drawEllipse(QPointF(x + 12, y + 12.6), 2.2, 2.2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawEllipse(QPointF(x + 3.3, y + 11.9), 0.7, 0.7);
    p.drawEllipse(QPointF(x + 11.3, y + 11.9), 0.7, 0.7);
}

void glyphTelescope(QPainter& p, const QRectF& b) {
    const double x = b.x(), y = b.y();
    p.setPen(glyphPen(1.3, QColor(206, 214, 240)));
    p.drawLine(QPointF(x + 8, y + 9.5), QPointF(x + 3.5, y + 15.5));
    p.drawLine(QPointF(x + 8, y + 9.5), QPointF(x + 12.5, y + 15.5));
    p.drawLine(QPointF(x + 8, y + 9.5), QPointF(x + 8, y + 15.5));
    p.save();
    p.translate(x + 8, y + 8);
    p.rotate(-28);
    p.setPen(QPen(QColor(10, 12, 26), 1));
    p.setBrush(QColor(206, 214, 240));
    p.drawRoundedRect(QRectF(-8, -2.2, 14, 4.4), 1, 1);
    p.drawRect(QRectF(5.5, -3, 2.5, 6));    // dew cap
    p.drawRect(QRectF(-9.5, -1.2, 2, 2.4)); // eyepiece
    p.setBrush(QColor(0, 170, 220));
    p.drawRect(QRectF(7.6, -2.4, 1, 4.8));
    p.restore();
}

void glyphTable(QPainter& p, const QRectF& b) {
    const double x = b.x(), y = b.y();
    p.setPen(QPen(QColor(10, 12, 26), 1));
    p.setBrush(QColor(236, 240, 252));
    p.drawRect(QRectF(x + 0.5, y + 1.5, 15, 13));
    p.setBrush(QColor(0, 190, 230));
    p.drawRect(QRectF(x + 0.5, y + 1.5, 15, 3.5));
    p.setPen(QPen(QColor(80, 90, 130), 1));
    for (double yy : {8.5, 11.5})
        p.drawLine(QPointF(x + 1, y + yy), QPointF(x + 15, y + yy));
    for (double xx : {5.5, 10.5})
        p.drawLine(QPointF(x + xx, y + 5), QPointF(x + xx, y + 14));
}

void glyphLinks(QPainter& p, const QRectF& b) {
    const QPointF c = b.center();
    p.setBrush(Qt::NoBrush);
    for (int side : {-1, 1}) {
        p.save();
        p.translate(c + QPointF(side * 2.8, -side * 2.8));
        p.rotate(-45);
        p.setPen(glyphPen(3.2, QColor(10, 12, 26)));
        p.drawRoundedRect(QRectF(-5.2, -2.6, 10.4, 5.2), 2.6, 2.6);
        p.setPen(glyphPen(1.7, side < 0 ? kGlyph : kAqua));
        p.drawRoundedRect(QRectF(-5.2, -2.6, 10.4, 5.2), 2.6, 2.6);
        p.restore();
    }
}

void glyphClock(QPainter& p, const QRectF& b) {
    const QPointF c = b.center();
    p.setPen(QPen(QColor(10, 12, 26), 1));
    p.setBrush(QColor(236, 240, 252));
    p.drawEllipse(c, 7.6, 7.6);
    p.setPen(glyphPen(1.0, QColor(40, 50, 90)));
    for (int i = 0; i < 12; ++i) {
        const double a = i * kPi / 6;
        const double r0 = i % 3 == 0 ? 4.8 : 5.8;
        p.drawLine(c + QPointF(r0 * std::sin(a), -r0 * std::cos(a)),
                   c + QPointF(6.6 * std::sin(a), -6.6 * std::cos(a)));
    }
    p.setPen(glyphPen(1.5, kNavy));
    p.drawLine(c, c + QPointF(-3.0, -2.2));
    p.drawLine(c, c + QPointF(0, -5.4));
    p.setPen(glyphPen(0.9, QColor(200, 0, 0)));
    p.drawLine(c, c + QPointF(3.8, 3.0));
}

void glyphReports(QPainter& p, const QRectF& b) {
    const double x = b.x(), y = b.y();
    QPainterPath sheet;
    sheet.moveTo(x + 2.5, y + 0.5);
    sheet.lineTo(x + 10.5, y + 0.5);
    sheet.lineTo(x + 14.5, y + 4.5);
    sheet.lineTo(x + 14.5, y + 15.5);
    sheet.lineTo(x + 2.5, y + 15.5);
    sheet.closeSubpath();
    p.setPen(QPen(QColor(10, 12, 26), 1));
    p.setBrush(QColor(240, 243, 252));
    p.drawPath(sheet);
    p.setBrush(QColor(170, 180, 215));
    QPainterPath fold;
    fold.moveTo(x + 10.5, y + 0.5);
    fold.lineTo(x + 10.5, y + 4.5);
    fold.lineTo(x + 14.5, y + 4.5);
    fold.closeSubpath();
    p.drawPath(fold);
    p.setPen(QPen(QColor(60, 70, 120), 1));
    for (double yy : {6.5, 9.0, 11.5})
        p.drawLine(QPointF(x + 4.5, y + yy), QPointF(x + 12.5, y + yy));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 170, 220));
    p.drawRect(QRectF(x + 4.5, y + 12.8, 3, 1.8));
}

void glyphEclipse(QPainter& p, const QRectF& b) {
    const QPointF c = b.center();
    QPainterPath disc;
    disc.addEllipse(c, 7.2, 7.2);
    QRadialGradient moon(c + QPointF(-1.5, -1.5), 8);
    moon.setColorAt(0, QColor(250, 246, 236));
    moon.setColorAt(1, QColor(196, 190, 180));
    p.setPen(Qt::NoPen);
    p.setBrush(moon);
    p.drawPath(disc);
    p.save();
    p.setClipPath(disc);
    QRadialGradient umbra(c + QPointF(-5.5, -3.5), 9.5);
    umbra.setColorAt(0, QColor(120, 28, 12, 250));
    umbra.setColorAt(0.85, QColor(170, 60, 24, 240));
    umbra.setColorAt(1, QColor(190, 90, 40, 0));
    p.setBrush(umbra);
    p.drawEllipse(c + QPointF(-5.5, -3.5), 9.5, 9.5);
    p.restore();
    p.setPen(QPen(QColor(10, 12, 26), 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(disc);
}

void glyphGlobe(QPainter& p, const QRectF& b) {
    const QPointF c = b.center();
    p.setPen(QPen(QColor(10, 12, 26), 1));
    p.setBrush(QColor(20, 80, 150));
    p.drawEllipse(c, 7.4, 7.4);
    p.setPen(glyphPen(1.0, kAqua));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 7.0, 7.0);
    p.drawEllipse(c, 3.2, 7.0);
    p.drawLine(c + QPointF(0, -7), c + QPointF(0, 7));
    p.drawLine(c + QPointF(-7, 0), c + QPointF(7, 0));
    p.drawLine(c + QPointF(-6, -3.6), c + QPointF(6, -3.6));
    p.drawLine(c + QPointF(-6, 3.6), c + QPointF(6, 3.6));
}

void glyphGear(QPainter& p, const QRectF& b) {
    const QPointF c = b.center();
    QPainterPath gear;
    const int teeth = 8;
    for (int i = 0; i < teeth * 4; ++i) {
        const double a = i * 2 * kPi / (teeth * 4);
        const double r = (i % 4 == 0 || i % 4 == 1) ? 7.6 : 5.6;
        const QPointF pt = c + QPointF(r * std::cos(a), r * std::sin(a));
        if (i == 0)
            gear.moveTo(pt);
        else
            gear.lineTo(pt);
    }
    gear.closeSubpath();
    QPainterPath hole;
    hole.addEllipse(c, 2.3, 2.3);
    p.setPen(QPen(QColor(10, 12, 26), 1));
    p.setBrush(QColor(214, 222, 246));
    p.drawPath(gear.subtracted(hole));
}

void glyphLetterInCircle(QPainter& p, const QRectF& b, const QString& letter, const QColor& fill) {
    const QPointF c = b.center();
    p.setPen(QPen(QColor(10, 12, 26), 1));
    p.setBrush(fill);
    p.drawEllipse(c, 7.6, 7.6);
    p.setFont(arial(13, true));
    p.setPen(QColor(255, 255, 255));
    p.drawText(QRectF(c.x() - 8, c.y() - 8, 16, 16.5), Qt::AlignCenter, letter);
}

void glyphMinimise(QPainter& p, const QRectF& b) {
    const double inset = b.width() * 0.2;
    p.setPen(glyphPen(b.width() > 14 ? 2.2 : 1.8));
    p.drawLine(QPointF(b.left() + inset, b.bottom() - inset),
               QPointF(b.right() - inset, b.bottom() - inset));
}

void glyphClose(QPainter& p, const QRectF& b) {
    const double inset = b.width() * 0.2;
    const QRectF r = b.adjusted(inset, inset, -inset, -inset);
    p.setPen(glyphPen(b.width() > 14 ? 2.0 : 1.6));
    p.drawLine(r.topLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomLeft());
}

void glyphSave(QPainter& p, const QRectF& b) { // a floppy disk, 11 x 11
    const double x = b.x(), y = b.y();
    p.setPen(QPen(QColor(10, 12, 26), 1));
    p.setBrush(QColor(40, 120, 210));
    p.drawRect(QRectF(x + 0.5, y + 0.5, 10, 10));
    p.setBrush(QColor(236, 240, 252));
    p.drawRect(QRectF(x + 2.5, y + 0.5, 6, 3.5));
    p.drawRect(QRectF(x + 2, y + 6, 7, 4.5));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 120, 210));
    p.drawRect(QRectF(x + 6.2, y + 1.2, 1.4, 2.2));
}

void glyphDatabase(QPainter& p, const QRectF& b) {
    const double x = b.x(), y = b.y(), w = b.width();
    p.setPen(QPen(QColor(10, 12, 26), 1));
    for (int i = 2; i >= 0; --i) {
        const double top = y + 2 + i * 4.2;
        p.setBrush(i == 0 ? QColor(236, 240, 252) : QColor(190, 200, 232));
        QPainterPath drum;
        drum.moveTo(x + 1, top + 1.8);
        drum.lineTo(x + 1, top + 5.6);
        drum.arcTo(QRectF(x + 1, top + 3.8, w - 2, 3.6), 180, 180);
        drum.lineTo(x + w - 1, top + 1.8);
        drum.closeSubpath();
        p.drawPath(drum);
        p.drawEllipse(QRectF(x + 1, top, w - 2, 3.6));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(kAqua);
    p.drawEllipse(QPointF(x + w - 4, y + 9.6), 0.9, 0.9);
}

void glyphArrow(QPainter& p, const QRectF& b, bool up) {
    const QPointF c = b.center();
    QPolygonF tri;
    const double h = up ? -1 : 1;
    tri << c + QPointF(-4.5, -2.6 * h) << c + QPointF(4.5, -2.6 * h) << c + QPointF(0, 3.4 * h);
    p.setPen(QPen(QColor(10, 12, 26), 1));
    p.setBrush(kGlyph);
    p.drawPolygon(tri);
}

void glyphSun(QPainter& p, const QRectF& b) {
    const QPointF c = b.center();
    p.setPen(glyphPen(1.3, QColor(255, 220, 60)));
    for (int i = 0; i < 8; ++i) {
        const double a = i * kPi / 4;
        p.drawLine(c + QPointF(5.2 * std::cos(a), 5.2 * std::sin(a)),
                   c + QPointF(7.6 * std::cos(a), 7.6 * std::sin(a)));
    }
    p.setPen(QPen(QColor(120, 70, 0), 1));
    p.setBrush(QColor(255, 214, 40));
    p.drawEllipse(c, 4, 4);
}

void glyphCrescent(QPainter& p, const QRectF& b) {
    const QPointF c = b.center() + QPointF(-1, 0.5);
    QPainterPath moon;
    moon.addEllipse(c, 6.2, 6.2);
    QPainterPath bite;
    bite.addEllipse(c + QPointF(3.4, -2.2), 5.4, 5.4);
    p.setPen(Qt::NoPen);
    p.setBrush(kValue);
    p.drawPath(moon.subtracted(bite));
    p.setBrush(QColor(255, 255, 255));
    p.drawEllipse(c + QPointF(6.8, 4.2), 0.9, 0.9);
    p.drawEllipse(c + QPointF(5.2, -5.6), 0.7, 0.7);
}

void glyphGrid(QPainter& p, const QRectF& b, bool withHourLines) {
    const QRectF r = b.adjusted(1.5, 2.5, -1.5, -2.5);
    p.setPen(QPen(QColor(10, 12, 26), 1));
    p.setBrush(QColor(12, 14, 40));
    p.drawRect(r);
    p.setPen(QPen(kValue, 1));
    for (int i = 1; i < 4; ++i) {
        const double y = r.top() + i * r.height() / 4;
        p.drawLine(QPointF(r.left() + 1, y), QPointF(r.right() - 1, y));
    }
    if (!withHourLines) return;
    p.setPen(QPen(kAqua, 1));
    for (int i = 1; i < 4; ++i) {
        const double x = std::round(r.left() + i * r.width() / 4) + 0.5;
        p.drawLine(QPointF(x, r.top() + 1), QPointF(x, r.bottom() - 1));
    }
}

void glyphUpDown(QPainter& p, const QRectF& b) {
    const QPointF c = b.center();
    QPolygonF up, down;
    up << c + QPointF(-3.5, -1.5) << c + QPointF(3.5, -1.5) << c + QPointF(0, -6);
    down << c + QPointF(-3.5, 1.5) << c + QPointF(3.5, 1.5) << c + QPointF(0, 6);
    p.setPen(Qt::NoPen);
    p.setBrush(kGlyph);
    p.drawPolygon(up);
    p.setBrush(kAqua);
    p.drawPolygon(down);
}

// A button face filling `r` with a 16 x 16 symbol in its middle.
void iconButton(QPainter& p, const QRect& r, const Glyph& glyph, double box) {
    tile(p, r);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    const QRectF b(r.x() + (r.width() - box) / 2.0, r.y() + (r.height() - box) / 2.0, box, box);
    glyph(p, b);
    p.restore();
}

void closeButton(QPainter& p, const QRect& r) {
    iconButton(p, r, glyphClose, r.height() - 3);
}
void minimiseButton(QPainter& p, const QRect& r) {
    iconButton(p, r, glyphMinimise, r.height() - 3);
}

} // namespace artwork
