// SPDX-License-Identifier: GPL-3.0-or-later
// The Moon photographs: the albedo map seen from the Earth, lit from the Sun.
#include "Artwork.h"

namespace artwork {

QImage onBlack(const QImage& picture) {
    const QSize size = pointSize(picture);
    QImage image = newImage(size.width(), size.height());
    QPainter p(&image);
    p.drawImage(0, 0, picture);
    return image;
}

double smoothStep(double e0, double e1, double x) {
    const double t = std::clamp((x - e0) / (e1 - e0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

// Orthographic view of the near side (longitude 0, latitude 0 in the middle), north up, on a
// transparent ground. `size`, `centre` and `radius` are in points, in pixel-edge coordinates
// (point i spans i .. i + 1); the picture has the current pixel ratio.
QImage renderMoon(const MoonMap& map, QSize size, QPointF centre, double radius,
                  const MoonLook& look) {
    QImage image = newImage(size.width(), size.height(), true);
    const double perPixel = 1.0 / pixelRatio(); // points per device pixel
    const int n = look.samples;
    const double sunLen =
        std::sqrt(look.sunX * look.sunX + look.sunY * look.sunY + look.sunZ * look.sunZ);
    for (int py = 0; py < image.height(); ++py) {
        for (int px = 0; px < image.width(); ++px) {
            double r = 0, g = 0, b = 0;
            int covered = 0;
            for (int sy = 0; sy < n; ++sy) {
                for (int sx = 0; sx < n; ++sx) {
                    const double dx = ((px + (sx + 0.5) / n) * perPixel - centre.x()) / radius;
                    const double dy = (centre.y() - (py + (sy + 0.5) / n) * perPixel) / radius;
                    const double rr = dx * dx + dy * dy;
                    if (rr > 1.0) continue;
                    ++covered;
                    const double dz = std::sqrt(1.0 - rr);
                    const double a = map.albedo(std::asin(dy), std::atan2(dx, dz));
                    const double cosi = (dx * look.sunX + dy * look.sunY + dz * look.sunZ) / sunLen;
                    const double lit = smoothStep(-0.04, 0.10, cosi);
                    const double limb = 1.0 - look.limbDarkening * (1.0 - std::sqrt(dz));
                    const double light = lit * limb + look.earthshine * (1.0 - lit);
                    const double v = std::clamp(a * light, 0.0, 1.0);
                    r += v * look.tint.red();
                    g += v * look.tint.green();
                    b += v * look.tint.blue();
                }
            }
            // Samples off the disc add nothing: the sums are already premultiplied by coverage.
            const double k = 1.0 / (n * n);
            image.setPixel(px, py,
                           qRgba(std::lround(r * k), std::lround(g * k), std::lround(b * k),
                                 std::lround(255.0 * covered * k)));
        }
    }
    return image;
}

} // namespace artwork
