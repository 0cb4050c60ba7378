// SPDX-License-Identifier: GPL-3.0-or-later
// The configuration and print options windows.
#include "Artwork.h"

namespace artwork {

void Painter::groupFrame(QPainter& p, const QRect& r) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(kPanelEdge, 1));
    p.setBrush(QColor(0, 0, 0, 215));
    p.drawRoundedRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);
    p.restore();
}

QImage Painter::radio(bool set) {
    QImage image = newImage(13, 13, true);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    QRadialGradient well(QPointF(5.5, 5.0), 7);
    well.setColorAt(0, QColor(60, 70, 110));
    well.setColorAt(1, QColor(14, 16, 34));
    p.setPen(QPen(QColor(170, 184, 230), 1));
    p.setBrush(well);
    p.drawEllipse(QPointF(6.5, 6.5), 5.8, 5.8);
    if (set) {
        QRadialGradient dot(QPointF(5.8, 5.6), 3.6);
        dot.setColorAt(0, QColor(210, 255, 255));
        dot.setColorAt(1, kAqua);
        p.setPen(Qt::NoPen);
        p.setBrush(dot);
        p.drawEllipse(QPointF(6.5, 6.5), 3.1, 3.1);
    }
    return image;
}

void Painter::configuration() {
    const Frame f{{284, 400}, "Configuration", {40, 10, 204, 23}, {257, 14, 15, 15}, {}, 31};
    QImage image = frame(f);
    QPainter p(&image);
    const std::vector<QRect> groups{
        {10, 52, 264, 94}, {10, 154, 264, 64}, {10, 292, 264, 38}, {10, 338, 264, 46}};
    for (const QRect& g : groups)
        groupFrame(p, g);
    // a crescent over a dark horizon fills the space between the groups
    MoonLook look;
    look.sunX = 0.9;
    look.sunZ = -0.45;
    look.earthshine = 0.12;
    const QImage moon = renderMoon(map_, {44, 44}, {22, 22}, 20, look);
    p.drawImage(200, 232, moon);
    p.end();
    QString notes = frameNotes(f) +
                    "; group frames (10, 52, 264, 94) rows 66/94/120, (10, 154, 264, 64)"
                    " rows 168/192, (10, 292, 264, 38) row 306, (10, 338, 264, 46) row 350;"
                    " lblExit (258, 14, 13, 15); lblTitle (40, 10, 204, 23)";
    out_.save(image, "config.jpg", "TConfiguration", "Image1", notes);
    out_.save(radio(true), "radio_set.png", "TConfiguration", "imgRBSet",
              "13 x 13, transparent corners");
    out_.save(radio(false), "radio_unset.png", "TConfiguration", "imgRBUnset",
              "13 x 13, transparent corners");
}

void Painter::printOptions() {
    const Frame f{{220, 260}, "", {}, {}, {}, 41};
    QImage image = frame(f);
    QPainter p(&image);
    titlePlate(p, QRect(30, 12, 160, 26), "Print Options");
    groupFrame(p, QRect(14, 56, 192, 96));
    groupFrame(p, QRect(14, 160, 192, 40));
    const char* captions[] = {"Daily Phases", "Major Phases", "Moon's Rise/Transit/Set Times",
                              "Sun's Rise/Transit/Set Times"};
    const QFont font = fittingFont(captions[2], 12, false, 206 - 50 - 4);
    for (int i = 0; i < 4; ++i)
        drawText(p, QRect(50, 68 + 20 * i, 154, 17), Qt::AlignLeft | Qt::AlignVCenter, captions[i],
                 font, kAqua);
    drawText(p, QRect(20, 170, 118, 21), Qt::AlignRight | Qt::AlignVCenter,
             "Daily Phase Density:", font, kAqua);
    textButton(p, QRect(62, 210, 99, 29), "OK", 14);
    p.end();
    out_.save(image, "printoptions.jpg", "TPrintOptions", "Image1",
              "title plate (30, 12, 160, 26); groups (14, 56, 192, 96) and (14, 160, 192, 40);"
              " captions at x 50 beside the check boxes (30, 70/90/110/130, 13, 13);"
              " density caption right-aligned to x 138 beside txtDensity (142, 170);"
              " OK button (62, 210, 99, 29) under lblOK");
}

} // namespace artwork
