// SPDX-License-Identifier: GPL-3.0-or-later
// The order of the windows and the helpers that several windows share.
#include "Artwork.h"

namespace artwork {

void Painter::all() {
    mainWindow();
    moonPictures();
    timesList();
    configuration();
    printOptions();
    monthList();
    dateInfo();
    about();
    eclipse();
    eclipseReport();
    equinox();
    easter();
    monthlyPhases();
    menus();
    observingAid();
    features();
    featuresDatabase();
}

// Saves the whole window and, where the window is put together from pieces, each piece.
void Painter::saveWithPieces(const QImage& whole, const QString& stem, const QString& window,
                             const QString& notes,
                             const std::vector<std::pair<QString, QRect>>& pieces) {
    out_.save(whole, stem + ".jpg", window, "whole window", notes);
    for (const auto& [control, rect] : pieces) {
        const QString suffix = control.section(':', 1).trimmed();
        out_.save(part(whole, rect), stem + "_" + suffix + ".jpg", window,
                  control.section(':', 0, 0), "at " + rectText(rect));
    }
}

void Painter::bands(QPainter& p, int left, int right, int top, int rows, int height) {
    for (int i = 0; i < rows; ++i)
        p.fillRect(QRect(left, top + i * height, right - left, height), i % 2 ? kBand : Qt::black);
}

void Painter::caption(QPainter& p, int x, int y, const QString& text) {
    drawText(p, QRect(x, y, 200, 16), Qt::AlignLeft | Qt::AlignVCenter, text, arial(11, true),
             kMuted);
}

QImage Painter::frame(const Frame& f) {
    QImage image = newImage(f.size.width(), f.size.height());
    QPainter p(&image);
    chrome(p, QRect(QPoint(0, 0), f.size), f.seed);
    if (!f.titleRect.isEmpty()) titlePlate(p, f.titleRect, f.title);
    if (!f.exit.isEmpty()) closeButton(p, f.exit);
    if (!f.minimise.isEmpty()) minimiseButton(p, f.minimise);
    windowEdge(p, f.size);
    return image;
}

QString Painter::frameNotes(const Frame& f, const QString& titleControl) {
    QString s;
    if (!f.titleRect.isEmpty())
        s += QString("%1 over the title plate %2").arg(titleControl, rectText(f.titleRect));
    if (!f.exit.isEmpty()) s += QString("; close button %1").arg(rectText(f.exit));
    if (!f.minimise.isEmpty()) s += QString("; minimise button %1").arg(rectText(f.minimise));
    return s;
}

QImage Painter::menuRow(const QString& caption, bool heading) {
    QImage image = newImage(265, 20);
    const QRect all(0, 0, 265, 20);
    QPainter p(&image);
    QLinearGradient g(0, 0, 0, 20);
    if (heading) {
        g.setColorAt(0, QColor(16, 20, 44));
        g.setColorAt(1, QColor(2, 3, 10));
    } else {
        g.setColorAt(0, QColor(66, 80, 134));
        g.setColorAt(0.5, QColor(40, 49, 92));
        g.setColorAt(1, QColor(20, 25, 52));
    }
    p.fillRect(all, g);
    bevel(p, all, heading ? QColor(40, 48, 84) : QColor(120, 136, 196), QColor(4, 5, 14));
    if (heading) {
        drawText(p, all, Qt::AlignCenter, caption, arial(12, true), kValue);
        p.setPen(QColor(0, 140, 160));
        p.drawLine(20, 18, 244, 18);
    } else {
        drawText(p, all.adjusted(26, 0, -4, 0), Qt::AlignLeft | Qt::AlignVCenter, caption,
                 fittingFont(caption, 12, false, 233), QColor(236, 240, 255), QColor(0, 0, 0));
    }
    return image;
}

// "imgLunarVisibility" -> "report_lunar_visibility.png"
QString Painter::rowFile(const QString& prefix, const QString& control) {
    QString name = control.mid(3);
    QString snake;
    for (int i = 0; i < name.size(); ++i) {
        const QChar c = name[i];
        const bool boundary =
            i > 0 && c.isUpper() &&
            (name[i - 1].isLower() || (i + 1 < name.size() && name[i + 1].isLower()));
        if (boundary) snake += '_';
        snake += c.toLower();
    }
    return prefix + "_" + snake + ".png";
}

} // namespace artwork
