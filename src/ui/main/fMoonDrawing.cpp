// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/fMoonDrawing.h"

#include "settings/ObserverSettings.h"
#include "ui/main/fMain.h"
#include "ui/style/Style.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include <cmath>
#include <cstdlib>

namespace {

constexpr int CentreX = 78;
constexpr int Top = 3;
constexpr int Bottom = 154;

// The half of the ellipse of half-width |e| between the top and the bottom of the disc: the
// left half (drawn counter-clockwise from the top) or the right half (from the bottom).
void HalfEllipse(QPainter& painter, int e, bool leftHalf) {
    const int half = std::abs(e);
    const QRect box(CentreX - half, Top, 2 * half, Bottom - Top);
    painter.drawArc(box, (leftHalf ? 90 : 270) * 16, 180 * 16);
}

// The dark part as one region, from the limb to the terminator (the half-ellipse of half-width
// |b|): the arcs alone, a pixel apart, leave single photo pixels between them.
void FillDarkSide(QPainter& painter, int b, bool waxing) {
    const QRectF limb(CentreX - 75, Top, 150, Bottom - Top);
    const QRectF terminator(CentreX - std::abs(b), Top, 2.0 * std::abs(b), Bottom - Top);
    // Angles run counter-clockwise from three o'clock: the left half is 90 -> 270.
    const double limbSweep = waxing ? 180 : -180;
    const bool terminatorOnDarkSide = b > 0;
    QPainterPath path(QPointF(CentreX, Top));
    path.arcTo(limb, 90, limbSweep);
    path.arcTo(terminator, 270, terminatorOnDarkSide == waxing ? -180 : 180);
    path.closeSubpath();
    painter.fillPath(path, mainstyle::ShadingColour);
}

} // namespace

void ShadeMoonPicture(QPixmap& picture, int q, double p) {
    QPainter painter(&picture);
    painter.setPen(QPen(mainstyle::ShadingColour, 1));
    painter.setBrush(Qt::NoBrush);
    const int b = 75 - static_cast<int>(std::trunc((100 - q) * 150 / 100.0));
    const bool waxing = p < 50;
    if (b < 75) FillDarkSide(painter, b, waxing);
    // The dark side: left halves while waxing, right halves while waning.
    for (int e = b; e <= 75; ++e)
        HalfEllipse(painter, e, waxing);
    if (b <= 0)
        painter.drawLine(waxing ? CentreX - 1 : CentreX, Top, waxing ? CentreX - 1 : CentreX,
                         Bottom);
    if (b < 0) {
        // A crescent: the dark side reaches over the centre line to the terminator.
        painter.drawLine(waxing ? CentreX : CentreX - 1, Top, waxing ? CentreX : CentreX - 1,
                         Bottom);
        for (int k = 0; k <= -b; ++k)
            HalfEllipse(painter, k, !waxing);
    }
    // The arcs' right edges fall half a pixel inside the photograph's disc: a dark right limb
    // (waning) takes one arc more, or a dotted rim of the photograph shows on the wrong side.
    if (!waxing && b < 75)
        painter.drawArc(QRectF(CentreX - 75, Top, 150.5, Bottom - Top + 0.5), 270 * 16, 180 * 16);
}

bool MoonTurned(bool south, bool telescope) {
    return south != telescope;
}

void TMain::DrawMoonGraphic(int illuminatedPercent, double lunationPercent) {
    const bool waxing = lunationPercent < 50;
    // The shading changes only with the whole percent and the side; most ticks reuse it.
    if (illuminatedPercent != drawnIlluminated_ || waxing != drawnWaxing_) {
        // At the display's pixel ratio: the terminator is drawn at the display's resolution.
        imgMoon = mainstyle::DisplayCopy(imgMoonOriginal);
        ShadeMoonPicture(imgMoon, illuminatedPercent, lunationPercent);
        drawnIlluminated_ = illuminatedPercent;
        drawnWaxing_ = waxing;
    }
    DrawMoon();
}

void TMain::DrawMoon() {
    const bool south = ObserverSettings.LatDir == QLatin1String("South");
    const QRect target(26, 80, 156, 156);
    {
        QPainter canvas(&Canvas);
        if (MoonTurned(south, OpticsView == 1)) {
            QImage turned = imgMoon.toImage().mirrored(true, true);
            turned.setDevicePixelRatio(imgMoon.devicePixelRatio());
            canvas.drawImage(target.topLeft(), turned);
        } else {
            canvas.drawPixmap(target.topLeft(), imgMoon);
        }
    }
    RefreshArea(target);
}

void TMain::imgOpticsClick() {
    OpticsView = OpticsView == 0 ? 1 : 0;
    imgOptics->setPixmap(OpticsView == 1 ? imgTelescope : imgBinoculars);
    DrawMoon();
}
