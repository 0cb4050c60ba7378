// SPDX-License-Identifier: GPL-3.0-or-later
// The application icon and the Windows icon file.
#include "Artwork.h"

namespace artwork {

// ---- the application icon -------------------------------------------------------------------

QImage appIcon(const MoonMap& map, int size) {
    QImage image = newImage(size, size, true);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    const double s = size;
    QLinearGradient g(0, 0, 0, s);
    g.setColorAt(0, QColor(40, 54, 110));
    g.setColorAt(1, QColor(6, 8, 26));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(QRectF(0, 0, s, s), s * 0.18, s * 0.18);
    if (size >= 32) starField(p, QRect(0, 0, size, size), 7, size >= 128 ? 260 : 120);
    MoonLook look;
    look.sunX = 0.92;
    look.sunY = 0.1;
    look.sunZ = -0.38; // a waxing crescent lit from the right
    look.earthshine = 0.10;
    look.samples = size >= 128 ? 3 : 6;
    const double radius = s * 0.36;
    p.drawImage(0, 0, renderMoon(map, QSize(size, size), QPointF(s * 0.5, s * 0.5), radius, look));
    p.end();
    return image;
}

QByteArray pngBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// A 32-bit DIB as an icon directory stores it: BITMAPINFOHEADER with doubled height, BGRA rows
// from the bottom up, then the 1-bit AND mask (also from the bottom up, rows padded to 32 bits).
QByteArray dibBytes(const QImage& source) {
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    const int w = image.width(), h = image.height();
    const int maskStride = ((w + 31) / 32) * 4;
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint32(40) << qint32(w) << qint32(2 * h) << quint16(1) << quint16(32) << quint32(0)
        << quint32(w * h * 4 + maskStride * h) << qint32(0) << qint32(0) << quint32(0)
        << quint32(0);
    for (int y = h - 1; y >= 0; --y) {
        for (int x = 0; x < w; ++x) {
            const QRgb c = image.pixel(x, y);
            out << quint8(qBlue(c)) << quint8(qGreen(c)) << quint8(qRed(c)) << quint8(qAlpha(c));
        }
    }
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(maskStride, '\0');
        for (int x = 0; x < w; ++x)
            if (qAlpha(image.pixel(x, y)) == 0) row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        out.writeRawData(row.constData(), row.size());
    }
    return bytes;
}

// Windows icon file: the small sizes as DIBs, 256 as PNG (as Windows itself stores them).
bool writeIco(const QString& path, const std::vector<QImage>& images) {
    std::vector<QByteArray> payloads;
    for (const QImage& image : images)
        payloads.push_back(image.width() >= 256 ? pngBytes(image) : dibBytes(image));
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << quint16(1) << quint16(images.size());
    quint32 offset = 6 + 16 * quint32(images.size());
    for (size_t i = 0; i < images.size(); ++i) {
        const int w = images[i].width(), h = images[i].height();
        out << quint8(w >= 256 ? 0 : w) << quint8(h >= 256 ? 0 : h) << quint8(0) << quint8(0)
            << quint16(1) << quint16(32) << quint32(payloads[i].size()) << offset;
        offset += quint32(payloads[i].size());
    }
    for (const QByteArray& payload : payloads)
        out.writeRawData(payload.constData(), payload.size());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    file.write(bytes);
    return file.commit();
}

} // namespace artwork
