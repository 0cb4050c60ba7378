// Paints Cresselle's skins, Moon photographs and icons, and writes them with the resource list
// (resources.qrc), its README and the application icon file.
//
// Usage: tool_paint_artwork <resources dir> <runtime dir> <moon albedo map>
// The map is an equirectangular albedo picture: longitude -180 at the left edge, latitude +90 at
// the top. Every picture is painted from code, so running the tool again gives the same files.
#include <QBuffer>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QTextStream>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// ---- palette ---------------------------------------------------------------------------------

const QColor kAqua(0, 255, 255);
const QColor kValue(255, 255, 176); // colour of computed values
const QColor kBand(70, 70, 70);     // odd rows of lists and tables
const QColor kNavy(0, 0, 128);
const QColor kChromeTop(36, 46, 88); // window frame gradient
const QColor kChromeBottom(7, 9, 24);
const QColor kGlyph(228, 236, 255); // button symbols
const QColor kPanelEdge(78, 92, 142);
const QColor kMuted(140, 152, 205); // painted section captions
const QColor kCellTile(16, 20, 42);

constexpr double kPi = 3.14159265358979323846;

// ---- the resource record ---------------------------------------------------------------------

struct Entry {
    QString file;
    QSize size;
    QString window;
    QString control;
    QString notes; // painted buttons and where the picture goes
};

class Catalogue {
  public:
    explicit Catalogue(QString resourceDir) : dir_(std::move(resourceDir)) {}

    // Writes one picture; JPEG for the backgrounds and photographs, PNG for the rest.
    void save(const QImage& image, const QString& file, const QString& window,
              const QString& control, const QString& notes = QString()) {
        const QString path = dir_ + "/" + file;
        QDir().mkpath(QFileInfo(path).absolutePath());
        QImageWriter writer(path);
        if (file.endsWith(".jpg")) {
            writer.setFormat("jpeg");
            writer.setQuality(95);
            writer.setOptimizedWrite(true);
        } else {
            writer.setFormat("png");
            writer.setCompression(9);
        }
        const QImage out =
            file.endsWith(".jpg") ? image.convertToFormat(QImage::Format_RGB32) : image;
        if (!writer.write(out)) {
            std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(path),
                         qPrintable(writer.errorString()));
            failed_ = true;
        }
        entries_.push_back({file, image.size(), window, control, notes});
    }

    const std::vector<Entry>& entries() const { return entries_; }
    const QString& dir() const { return dir_; }
    bool failed() const { return failed_; }
    void fail() { failed_ = true; }

  private:
    QString dir_;
    std::vector<Entry> entries_;
    bool failed_ = false;
};

QString rectText(const QRect& r) {
    return QString("(%1, %2, %3, %4)").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// ---- fonts and text --------------------------------------------------------------------------

QFont arial(int pixels, bool bold = false) {
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
              const QColor& ink, const QColor& shadow = QColor()) {
    p.setFont(font);
    if (shadow.isValid()) {
        p.setPen(shadow);
        p.drawText(r.translated(1, 1), flags, text);
    }
    p.setPen(ink);
    p.drawText(r, flags, text);
}

// ---- surfaces --------------------------------------------------------------------------------

QImage newImage(int w, int h, bool transparent = false) {
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(transparent ? Qt::transparent : Qt::black);
    return image;
}

void starField(QPainter& p, const QRect& r, quint32 seed, int density = 700) {
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
void silverPlate(QPainter& p, const QRectF& r, double radius = 4) {
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
void tile(QPainter& p, const QRectF& r, double radius = 3) {
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

void textButton(QPainter& p, const QRect& r, const QString& caption, int pixels = 12) {
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

// ---- button symbols (each in a box of about 16 x 16) ------------------------------------------

QPen glyphPen(double width = 1.4, const QColor& c = kGlyph) {
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

using Glyph = std::function<void(QPainter&, const QRectF&)>;

// A button face filling `r` with a 16 x 16 symbol in its middle.
void iconButton(QPainter& p, const QRect& r, const Glyph& glyph, double box = 16) {
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

// ---- the Moon -------------------------------------------------------------------------------

struct MoonLook {
    double sunX = 0, sunY = 0, sunZ = 1; // direction of the Sun: x right, y up, z toward us
    double earthshine = 0.0;             // light on the night side
    double limbDarkening = 0.22;         // brightness lost toward the limb
    QColor tint = QColor(255, 252, 244);
    int samples = 4; // per pixel and axis
};

class MoonMap {
  public:
    explicit MoonMap(const QImage& map) : map_(map.convertToFormat(QImage::Format_RGB32)) {}
    bool isNull() const { return map_.isNull(); }

    // Surface brightness 0..1 at a selenographic position, contrast stretched like a photograph.
    double albedo(double latRad, double lonRad) const {
        const double u = (lonRad / kPi + 1.0) * 0.5 * map_.width() - 0.5;
        const double v = (0.5 - latRad / kPi) * map_.height() - 0.5;
        const double raw = bilinear(u, v);
        const double stretched = std::clamp((raw - 0.10) / (0.62 - 0.10), 0.0, 1.0);
        return std::pow(stretched, 0.85);
    }

  private:
    double grey(int x, int y) const {
        x = ((x % map_.width()) + map_.width()) % map_.width();
        y = std::clamp(y, 0, map_.height() - 1);
        return qGray(map_.pixel(x, y)) / 255.0;
    }
    double bilinear(double u, double v) const {
        const int x0 = static_cast<int>(std::floor(u)), y0 = static_cast<int>(std::floor(v));
        const double fx = u - x0, fy = v - y0;
        return (1 - fy) * ((1 - fx) * grey(x0, y0) + fx * grey(x0 + 1, y0)) +
               fy * ((1 - fx) * grey(x0, y0 + 1) + fx * grey(x0 + 1, y0 + 1));
    }
    QImage map_;
};

QImage onBlack(const QImage& picture) {
    QImage image = newImage(picture.width(), picture.height());
    QPainter p(&image);
    p.drawImage(0, 0, picture);
    return image;
}

double smoothStep(double e0, double e1, double x) {
    const double t = std::clamp((x - e0) / (e1 - e0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

// Orthographic view of the near side (longitude 0, latitude 0 in the middle), north up, on a
// transparent ground. `centre` and `radius` are in pixel-edge coordinates (pixel i spans i .. i +
// 1).
QImage renderMoon(const MoonMap& map, QSize size, QPointF centre, double radius,
                  const MoonLook& look) {
    QImage image = newImage(size.width(), size.height(), true);
    const int n = look.samples;
    const double sunLen =
        std::sqrt(look.sunX * look.sunX + look.sunY * look.sunY + look.sunZ * look.sunZ);
    for (int py = 0; py < size.height(); ++py) {
        for (int px = 0; px < size.width(); ++px) {
            double r = 0, g = 0, b = 0;
            int covered = 0;
            for (int sy = 0; sy < n; ++sy) {
                for (int sx = 0; sx < n; ++sx) {
                    const double dx = (px + (sx + 0.5) / n - centre.x()) / radius;
                    const double dy = (centre.y() - (py + (sy + 0.5) / n)) / radius;
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

// ---- the windows ------------------------------------------------------------------------------

class Painter {
  public:
    Painter(Catalogue& out, const MoonMap& map) : out_(out), map_(map) {}

    void all() {
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
    void saveWithPieces(const QImage& whole, const QString& stem, const QString& window,
                        const QString& notes,
                        const std::vector<std::pair<QString, QRect>>& pieces) {
        out_.save(whole, stem + ".jpg", window, "whole window", notes);
        for (const auto& [control, rect] : pieces) {
            const QString suffix = control.section(':', 1).trimmed();
            out_.save(whole.copy(rect), stem + "_" + suffix + ".jpg", window,
                      control.section(':', 0, 0), "at " + rectText(rect));
        }
    }

  private:
    // -- main window --
    struct ToolButton {
        QString control;
        QRect face;
        Glyph glyph;
        QString what;
    };

    std::vector<ToolButton> toolbar() const {
        return {
            {"lblPrint", {18, 13, 24, 23}, glyphPrinter, "printer"},
            {"lblTimesList", {76, 13, 22, 23}, glyphTable, "table"},
            {"lblLinks", {100, 13, 24, 23}, glyphLinks, "links"},
            {"lblClock", {128, 13, 26, 23}, glyphClock, "clock"},
            {"lblReports", {158, 13, 22, 23}, glyphReports, "reports"},
            {"Label1", {446, 13, 28, 23}, glyphGlobe, "observing web site"},
            {"lblConfig", {478, 13, 28, 23}, glyphGear, "configuration"},
            {"lblHelp",
             {510, 13, 28, 23},
             [](QPainter& p, const QRectF& b) {
                 glyphLetterInCircle(p, b, "?", QColor(20, 120, 60));
             },
             "help"},
            {"lblAbout",
             {544, 13, 28, 23},
             [](QPainter& p, const QRectF& b) {
                 glyphLetterInCircle(p, b, "i", QColor(30, 80, 180));
             },
             "about"},
        };
    }

    static constexpr QRect kMainTitle{264, 13, 113, 23};
    static constexpr QRect kMainMinimise{592, 14, 20, 20};
    static constexpr QRect kMainExit{614, 14, 20, 20};
    static constexpr QRect kOptics{44, 12, 28, 25};
    static constexpr QRect kEclipse{182, 12, 28, 25};
    static constexpr QRect kLibration{380, 264, 13, 17};

    void clockStrip(QPainter& p, int top) {
        const QRect strip(0, top, 640, 24);
        QLinearGradient g(strip.topLeft(), strip.bottomLeft());
        g.setColorAt(0, QColor(150, 158, 190));
        g.setColorAt(1, QColor(96, 104, 140));
        p.fillRect(strip, g);
        for (const QRect& well : {QRect(14, top + 2, 394, 20), QRect(414, top + 2, 212, 20)}) {
            QLinearGradient w(well.topLeft(), well.bottomLeft());
            w.setColorAt(0, QColor(214, 222, 240));
            w.setColorAt(1, QColor(236, 240, 250));
            p.fillRect(well, w);
            bevel(p, well, QColor(60, 66, 100), QColor(250, 252, 255));
        }
        p.setPen(QColor(40, 44, 72));
        p.drawLine(0, top, 639, top);
        p.setPen(QColor(30, 34, 60));
        p.drawLine(0, top + 23, 639, top + 23);
    }

    void bands(QPainter& p, int left, int right, int top, int rows, int height = 16) {
        for (int i = 0; i < rows; ++i)
            p.fillRect(QRect(left, top + i * height, right - left, height),
                       i % 2 ? kBand : Qt::black);
    }

    void caption(QPainter& p, int x, int y, const QString& text) {
        drawText(p, QRect(x, y, 200, 16), Qt::AlignLeft | Qt::AlignVCenter, text, arial(11, true),
                 kMuted);
    }

    QImage mainBackground() {
        QImage image = newImage(640, 480);
        QPainter p(&image);
        chrome(p, image.rect(), 11);
        // toolbar ridge
        p.setPen(QColor(96, 110, 168));
        p.drawLine(4, 38, 635, 38);
        p.setPen(QColor(4, 5, 14));
        p.drawLine(4, 39, 635, 39);
        clockStrip(p, 40);

        // upper panel: Moon drawing, values, principal phases
        panel(p, QRect(12, 68, 616, 176));
        p.setPen(QColor(50, 60, 100));
        p.drawRect(QRect(24, 78, 159, 159)); // frame of the Moon drawing (26, 80) .. (181, 235)
        p.setPen(QColor(40, 48, 84));
        p.drawLine(419, 74, 419, 238);

        // lower panels: rise/set and twilight; the two small tables; the calendar
        panel(p, QRect(12, 248, 260, 222));
        panel(p, QRect(276, 248, 136, 222));
        panel(p, QRect(416, 248, 212, 222));

        caption(p, 32, 278, "Sun");
        caption(p, 150, 278, "Moon");
        bands(p, 16, 268, 298, 3);
        p.setPen(QColor(40, 48, 84));
        p.drawLine(20, 365, 264, 365);
        bands(p, 16, 268, 402, 3);
        caption(p, 32, 388, "Twilight"); // over the band so that its descender shows

        caption(p, 284, 264, "Moon");
        bands(p, 280, 408, 282, 4);
        caption(p, 284, 370, "Sun");
        bands(p, 280, 408, 388, 4);
        iconButton(p, kLibration, glyphUpDown, 13);

        silverPlate(p, QRectF(419, 251, 206, 30));
        p.fillRect(QRect(419, 288, 206, 20), QColor(18, 26, 60));
        p.setPen(QColor(50, 64, 120));
        p.drawLine(419, 307, 624, 307);
        for (int r = 0; r < 6; ++r)
            for (int c = 0; c < 7; ++c) {
                const QRect cell(420 + 29 * c - 1, 316 + 25 * r - 3, 25, 23);
                p.fillRect(cell, kCellTile);
            }

        // toolbar
        for (const ToolButton& b : toolbar())
            iconButton(p, b.face, b.glyph);
        titlePlate(p, kMainTitle, "Cresselle");
        minimiseButton(p, kMainMinimise);
        closeButton(p, kMainExit);
        windowEdge(p, image.size());
        return image;
    }

    QImage toolbarPicture(const QImage& background, const QRect& place, const Glyph& glyph) {
        QImage image = background.copy(place);
        QPainter p(&image);
        iconButton(p, QRect(0, 1, place.width(), place.height() - 2), glyph);
        return image;
    }

    void mainWindow() {
        const QImage bg = mainBackground();
        QString notes = "toolbar faces (label at x, y 12, height 25, width as the face):";
        for (const ToolButton& b : toolbar())
            notes += QString(" %1 %2 %3;").arg(b.control, b.what, rectText(b.face));
        notes += QString(" lblTitle title %1; lblMinimise %2; lblExit %3; lblLibration %4."
                         " Under imgOptics %5 and imgEclipse %6 the bar is plain."
                         " Black panels: (12, 68, 616, 176), (12, 248, 260, 222),"
                         " (276, 248, 136, 222), (416, 248, 212, 222); calendar heading plate"
                         " (419, 251, 206, 30); weekday band (419, 288, 206, 20); day tiles"
                         " (419 + 29c, 313 + 25r, 25, 23); row bands 16 high at y 298 and 402"
                         " (x 16-268), 282 and 388 (x 280-408); clock strip as clock_strip.jpg at"
                         " y 40.")
                     .arg(rectText(QRect(264, 12, 113, 25)), rectText(kMainMinimise),
                          rectText(kMainExit), rectText(kLibration), rectText(kOptics),
                          rectText(kEclipse));
        out_.save(bg, "main.jpg", "TMain", "imgBgnd", notes);

        // The optics and eclipse controls are pictures of their own, cut from the plain bar.
        out_.save(toolbarPicture(bg, kOptics, glyphBinoculars), "optics_binoculars.png", "TMain",
                  "imgBinoculars (shown in imgOptics)",
                  "imgOptics at " + rectText(kOptics) + "; face at (0, 1, 28, 23) of the picture");
        out_.save(toolbarPicture(bg, kOptics, glyphTelescope), "optics_telescope.png", "TMain",
                  "imgTelescope (shown in imgOptics)", "as optics_binoculars.png");
        out_.save(toolbarPicture(bg, kEclipse, glyphEclipse), "eclipse_button.png", "TMain",
                  "imgEclipse", "at " + rectText(kEclipse) + "; face at (0, 1, 28, 23)");

        QImage strip = newImage(640, 24);
        {
            QPainter p(&strip);
            clockStrip(p, 0);
        }
        out_.save(strip, "clock_strip.jpg", "TMain", "imgClockBgnd",
                  "light wells for navy text: clock (14, 2, 394, 20), LST (414, 2, 212, 20)");

        timeEditor();
        mainSmallPictures();
    }

    void timeEditor() {
        QImage image = newImage(146, 31, true); // round corners over the clock strip
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing, true);
        QLinearGradient g(0, 0, 0, 31);
        g.setColorAt(0, QColor(70, 84, 140));
        g.setColorAt(1, QColor(22, 28, 60));
        p.setPen(QPen(QColor(150, 166, 220), 1));
        p.setBrush(g);
        p.drawRoundedRect(QRectF(0.5, 0.5, 145, 30), 4, 4);
        p.setRenderHint(QPainter::Antialiasing, false);
        for (int x : {8, 33, 58})
            entryBox(p, QRect(x, 3, 21, 24));
        textButton(p, QRect(87, 4, 40, 16), "Reset", 11);
        p.end();
        out_.save(image, "time_editor.png", "TMain", "imgTimeButton",
                  "entry boxes (8, 3, 21, 24), (33, 3, 21, 24), (58, 3, 21, 24); Reset button"
                  " (87, 4, 40, 16), i.e. x 87-126, y 4-19; shown at (130, 41)");
    }

    void mainSmallPictures() {
        QImage marker = newImage(25, 23);
        {
            QPainter p(&marker);
            p.fillRect(marker.rect(), kCellTile);
            p.setRenderHint(QPainter::Antialiasing, true);
            QLinearGradient g(0, 0, 0, 23);
            g.setColorAt(0, QColor(40, 80, 160));
            g.setColorAt(1, QColor(14, 34, 90));
            p.setPen(QPen(kAqua, 1.2));
            p.setBrush(g);
            p.drawRoundedRect(QRectF(0.6, 0.6, 23.8, 21.8), 3, 3);
        }
        out_.save(marker, "date_marker.png", "TMain", "imgCurrDate",
                  "placed at (day label left - 1, top - 3) over the day tile");

        QImage entry = newImage(64, 28);
        {
            QPainter p(&entry);
            p.fillRect(entry.rect(), QColor(200, 208, 228));
            QRect box(1, 1, 62, 26);
            p.fillRect(box, QColor(255, 255, 255));
            bevel(p, box, QColor(60, 66, 100), QColor(250, 252, 255));
            bevel(p, box.adjusted(1, 1, -1, -1), QColor(140, 146, 170), QColor(226, 230, 240));
        }
        out_.save(entry, "year_entry.png", "TMain", "imgYearButton",
                  "white entry box; placed at (year left - 8, year top - 3) on the heading plate");

        for (auto [file, control, top] : {std::tuple{"moon_table.png", "imgMoonParamsOrig", 2},
                                          std::tuple{"sun_table.png", "imgSunParamsOrig", 1}}) {
            QImage table = newImage(96, 68);
            QPainter p(&table);
            bands(p, 0, 96, top, 4);
            p.end();
            out_.save(table, file, "TMain", control,
                      QString("four bands of 16 from y %1 (black, grey, black, grey); shown at"
                              " (315, %2)")
                          .arg(top)
                          .arg(top == 2 ? 280 : 387));
        }
    }

    // -- Moon photographs and phase icons --
    void moonPictures() {
        MoonLook full;
        out_.save(onBlack(renderMoon(map_, {156, 156}, {78.5, 79.0}, 75.6, full)),
                  "moon_full_156.jpg", "TMain", "imgMoonOriginal",
                  "disc centre (78.5, 79) radius 75.6 in pixel-edge coordinates: the limb lies on"
                  " the shading arcs (x 3-153, y 3-154)");
        out_.save(onBlack(renderMoon(map_, {50, 49}, {25.5, 24.5}, 24.5, full)),
                  "moon_full_50x49.jpg", "TMonthlyPhases", "imgOriginal",
                  "disc centre (25.5, 24.5) radius 24.5");

        struct Phase {
            const char* file;
            const char* control;
            double sx, sy, sz;
            QColor tint;
            const char* notes;
        };
        const Phase phases[] = {
            {"phase_new.png", "imgNewMoon", 0, 0, -1, QColor(255, 252, 244),
             "dark disc in earthshine with a faint rim"},
            {"phase_first_quarter.png", "imgLastQuarter", 1, 0, 0, QColor(255, 252, 244),
             "first quarter, lit on the RIGHT; held by imgLastQuarter, shown for kind 3"},
            {"phase_full.png", "imgFullMoon", 0, 0, 1, QColor(255, 252, 244), "full Moon"},
            {"phase_last_quarter.png", "imgFirstQuarter", -1, 0, 0, QColor(255, 252, 244),
             "last quarter, lit on the LEFT; held by imgFirstQuarter, shown for kind 1"},
            {"phase_blue.png", "imgBlueMoon", 0, 0, 1, QColor(150, 196, 255),
             "full Moon in blue with a blue halo, for a second full Moon in slot 5"},
        };
        for (const Phase& ph : phases) {
            MoonLook look;
            look.sunX = ph.sx;
            look.sunY = ph.sy;
            look.sunZ = ph.sz;
            look.tint = ph.tint;
            look.earthshine = 0.10;
            look.samples = 6;
            QImage icon = onBlack(renderMoon(map_, {30, 30}, {15, 15}, 13.6, look));
            QPainter p(&icon);
            p.setRenderHint(QPainter::Antialiasing, true);
            if (QString(ph.file) == "phase_new.png") {
                p.setPen(QPen(QColor(90, 100, 140), 1));
                p.drawEllipse(QPointF(15, 15), 13.6, 13.6);
            }
            if (QString(ph.file) == "phase_blue.png") {
                p.setCompositionMode(QPainter::CompositionMode_Plus);
                QRadialGradient halo(QPointF(15, 15), 15);
                halo.setColorAt(0.86, QColor(0, 0, 0, 0));
                halo.setColorAt(0.92, QColor(40, 90, 255, 200));
                halo.setColorAt(1, QColor(0, 0, 0, 0));
                p.setPen(Qt::NoPen);
                p.setBrush(halo);
                p.drawEllipse(QPointF(15, 15), 15, 15);
            }
            p.end();
            out_.save(icon, ph.file, "TMain", ph.control, ph.notes);
        }
    }

    // -- frames of the other windows --
    struct Frame {
        QSize size;
        QString title;
        QRect titleRect;
        QRect exit;     // painted close button; empty when none
        QRect minimise; // painted minimise button; empty when none
        quint32 seed;
    };

    QImage frame(const Frame& f) {
        QImage image = newImage(f.size.width(), f.size.height());
        QPainter p(&image);
        chrome(p, image.rect(), f.seed);
        if (!f.titleRect.isEmpty()) titlePlate(p, f.titleRect, f.title);
        if (!f.exit.isEmpty()) closeButton(p, f.exit);
        if (!f.minimise.isEmpty()) minimiseButton(p, f.minimise);
        windowEdge(p, f.size);
        return image;
    }

    QString frameNotes(const Frame& f, const QString& titleControl = "lblTitle") {
        QString s;
        if (!f.titleRect.isEmpty())
            s += QString("%1 over the title plate %2").arg(titleControl, rectText(f.titleRect));
        if (!f.exit.isEmpty()) s += QString("; close button %1").arg(rectText(f.exit));
        if (!f.minimise.isEmpty()) s += QString("; minimise button %1").arg(rectText(f.minimise));
        return s;
    }

    void timesList() {
        const Frame f{{640, 481},        "Rise / Set Times", {202, 10, 236, 23},
                      {613, 14, 15, 15}, {592, 14, 15, 15},  21};
        QImage image = frame(f);
        QPainter p(&image);
        iconButton(p, {20, 16, 24, 19}, glyphPrinter);
        iconButton(p, {54, 14, 18, 22},
                   [](QPainter& q, const QRectF& b) { glyphArrow(q, b, true); });
        iconButton(p, {74, 14, 18, 22},
                   [](QPainter& q, const QRectF& b) { glyphArrow(q, b, false); });
        panel(p, QRect(16, 40, 608, 424));
        p.fillRect(QRect(20, 42, 600, 37), QColor(14, 20, 48));
        columnHeadings(p);
        p.end();
        saveWithPieces(image, "timeslist", "TTimesList",
                       frameNotes(f) +
                           "; lblPrint (20, 16, 24, 19); lblScrollUp (54, 14, 18, 22);"
                           " lblScrollDown (74, 14, 18, 22); column headings painted in y 42-78"
                           " over the table columns; table band (20, 80, 600, 380) black",
                       {{"Image1: top", {0, 0, 640, 80}},
                        {"Image2: bottom", {0, 460, 640, 21}},
                        {"Image3: right", {620, 80, 20, 380}},
                        {"Image4: left", {0, 80, 20, 380}}});
    }

    // Headings over the times table; x are the table's columns + 20 (the band's left).
    void columnHeadings(QPainter& p) {
        const int left = 20, upper = 44, lower = 61;
        const QFont group = arial(11, true), column = arial(10);
        auto centred = [&](int x, int y, const QString& t, const QFont& f, const QColor& c) {
            drawText(p, QRect(left + x - 40, y, 80, 14), Qt::AlignHCenter | Qt::AlignVCenter, t, f,
                     c);
        };
        auto groupOver = [&](int x0, int x1, const QString& t, const QColor& c) {
            centred((x0 + x1) / 2, upper, t, group, c);
            p.setPen(QColor(c.red() / 2, c.green() / 2, c.blue() / 2));
            p.drawLine(left + x0 - 2, upper + 15, left + x1 + 2, upper + 15);
        };
        const int cell = 27; // width of a time text
        drawText(p, QRect(left + 10, lower, 60, 14), Qt::AlignLeft | Qt::AlignVCenter, "Date",
                 column, QColor(255, 255, 255));
        groupOver(84, 214, "Moon", kAqua);
        for (auto [x, t] : {std::pair{84, "Rise"}, {124, "Transit"}, {162, "Set"}})
            centred(x + cell / 2, lower, t, column, kAqua);
        drawText(p, QRect(left + 190, lower, 24, 14), Qt::AlignRight | Qt::AlignVCenter, "Illum",
                 column, kAqua);
        groupOver(245, 323 + cell, "Twilight", kValue);
        for (auto [x, t] : {std::pair{245, "Ast."}, {284, "Naut."}, {323, "Civil"}})
            centred(x + cell / 2, lower, t, column, kValue);
        groupOver(369, 447 + cell, "Sun", QColor(255, 255, 0));
        for (auto [x, t] : {std::pair{369, "Rise"}, {409, "Transit"}, {447, "Set"}})
            centred(x + cell / 2, lower, t, column, QColor(255, 255, 0));
        groupOver(491, 567 + cell, "Twilight", kValue);
        for (auto [x, t] : {std::pair{491, "Civil"}, {529, "Naut."}, {567, "Ast."}})
            centred(x + cell / 2, lower, t, column, kValue);
    }

    void groupFrame(QPainter& p, const QRect& r) {
        p.save();
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(QPen(kPanelEdge, 1));
        p.setBrush(QColor(0, 0, 0, 215));
        p.drawRoundedRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);
        p.restore();
    }

    QImage radio(bool set) {
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

    void configuration() {
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

    void printOptions() {
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
            drawText(p, QRect(50, 68 + 20 * i, 154, 17), Qt::AlignLeft | Qt::AlignVCenter,
                     captions[i], font, kAqua);
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

    void monthList() {
        QImage image = newImage(100, 348);
        QPainter p(&image);
        static const char* months[] = {"January",   "February", "March",    "April",
                                       "May",       "June",     "July",     "August",
                                       "September", "October",  "November", "December"};
        for (int i = 0; i < 12; ++i) {
            const QRect row(0, 29 * i, 100, 29);
            QLinearGradient g(row.topLeft(), row.bottomLeft());
            g.setColorAt(0, i % 2 ? QColor(44, 54, 96) : QColor(26, 32, 64));
            g.setColorAt(1, i % 2 ? QColor(24, 30, 60) : QColor(10, 12, 30));
            p.fillRect(row, g);
            p.setPen(QColor(70, 84, 136));
            p.drawLine(row.left(), row.top(), row.right(), row.top());
            drawText(p, row.adjusted(26, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, months[i],
                     arial(13, true), kAqua, QColor(0, 0, 0));
        }
        bevel(p, image.rect(), QColor(132, 148, 205), QColor(0, 0, 0));
        p.end();
        out_.save(image, "month_list.jpg", "TMonthList", "imgMonths",
                  "row i (January = 0) at y 29 i, 29 high; names from x 26");

        QImage arrow = newImage(12, 29, true);
        QPainter a(&arrow);
        a.setRenderHint(QPainter::Antialiasing, true);
        a.setPen(QPen(QColor(60, 50, 0), 1));
        a.setBrush(kValue);
        a.drawPolygon(QPolygonF{QPointF(1.5, 8.5), QPointF(10.5, 14.5), QPointF(1.5, 20.5)});
        a.end();
        out_.save(arrow, "month_arrow.png", "TMonthList", "imgMonthArrow",
                  "transparent; at x 10 over a row");
    }

    void dateInfo() {
        const Frame f{{250, 165}, "Date Information", {40, 10, 170, 23}, {223, 14, 15, 15}, {}, 51};
        QImage image = frame(f);
        QPainter p(&image);
        silverPlate(p, QRectF(10, 40, 230, 26));
        panel(p, QRect(10, 72, 230, 84));
        p.end();
        out_.save(image, "dateinfo.jpg", "TDateInfo", "Image1",
                  frameNotes(f) +
                      "; lblExit (224, 14, 13, 15); heading plate (10, 40, 230, 26) for"
                      " lblSelectedDate (navy, top 44); black panel (10, 72, 230, 84) for the four"
                      " rows (suggested tops 78, 96, 114, 132; titles x 20, values x 130)");
    }

    void about() {
        const Frame f{{300, 200}, "About Cresselle", {50, 10, 200, 23}, {273, 14, 15, 15}, {}, 61};
        QImage image = frame(f);
        QPainter p(&image);
        panel(p, QRect(12, 44, 276, 144));
        MoonLook look;
        p.drawImage(26, 62, renderMoon(map_, {64, 64}, {32, 32}, 31, look));
        drawText(p, QRect(104, 58, 180, 30), Qt::AlignLeft | Qt::AlignVCenter, "Cresselle",
                 arial(26, true), QColor(220, 228, 255));
        drawText(p, QRect(106, 88, 180, 18), Qt::AlignLeft | Qt::AlignVCenter, "Version 2.50",
                 arial(13, true), kValue);
        drawText(p, QRect(106, 108, 180, 16), Qt::AlignLeft | Qt::AlignVCenter,
                 "Moon phases and lunar ephemeris", arial(11), kAqua);
        drawText(p, QRect(20, 150, 260, 14), Qt::AlignHCenter | Qt::AlignVCenter,
                 "Moon map: USGS Astrogeology and Clementine data", arial(10),
                 QColor(150, 160, 200));
        drawText(p, QRect(20, 164, 260, 14), Qt::AlignHCenter | Qt::AlignVCenter, "(public domain)",
                 arial(10), QColor(150, 160, 200));
        p.end();
        out_.save(image, "about.jpg", "TAbout", "Image1",
                  frameNotes(f) + "; lblExit (274, 14, 13, 15); the plate is not a drag area;"
                                  " name and version painted");
    }

    void eclipse() {
        const Frame f{{252, 252}, "Lunar Eclipse", {40, 10, 172, 23}, {225, 14, 15, 15}, {}, 71};
        QImage image = frame(f);
        QPainter p(&image);
        silverPlate(p, QRectF(4, 40, 244, 28)); // wide: the eclipse kind and visibility are long
        panel(p, QRect(10, 72, 232, 170));
        p.end();
        saveWithPieces(image, "eclipse", "TEclipse",
                       frameNotes(f) +
                           "; lblExit (226, 14, 13, 15); plate (4, 40, 244, 28) for"
                           " lblEclipseType (navy, top 44); black panel (10, 72, 232, 170)",
                       {{"Image1: top", {0, 0, 252, 72}},
                        {"Image2: bottom", {0, 242, 252, 10}},
                        {"Image3: left", {0, 72, 10, 170}},
                        {"Image4: right", {242, 72, 10, 170}}});
    }

    void eclipseReport() {
        const Frame f{{390, 285}, "Lunar Eclipse Search", {90, 10, 210, 23}, {363, 14, 15, 15}, {},
                      81};
        QImage image = frame(f);
        QPainter p(&image);
        silverPlate(p, QRectF(10, 38, 370, 32));
        textButton(p, QRect(236, 42, 96, 24), "Calculate", 12);
        panel(p, QRect(16, 72, 358, 195));
        p.end();
        saveWithPieces(image, "eclipsereport", "TEclipseReport",
                       frameNotes(f) +
                           "; lblExit (364, 14, 13, 15); plate (10, 38, 370, 32): Label1 (20, 46),"
                           " txtFromYear (58, 43, 44, 22), Label2 (118, 46), txtToYear (144, 43,"
                           " 44, 22), lblCalculate button (236, 42, 96, 24); black panel"
                           " (16, 72, 358, 195) for the list (20, 73) and the scroll bar",
                       {{"Image1: top", {0, 0, 390, 72}},
                        {"Image2: bottom", {0, 264, 390, 21}},
                        {"Image3: left", {0, 72, 20, 192}},
                        {"Image4: right", {369, 72, 21, 192}}});
    }

    void equinox() {
        const Frame f{
            {350, 155}, "Equinoxes and Solstices", {62, 12, 226, 23}, {322, 13, 15, 15}, {}, 91};
        QImage image = frame(f);
        QPainter p(&image);
        panel(p, QRect(16, 56, 318, 84));
        p.end();
        out_.save(image, "equinox.jpg", "TEquinox", "Image1",
                  frameNotes(f) + "; lblExit (323, 13, 13, 15); black panel (16, 56, 318, 84)"
                                  " for the rows at y 66-114");
    }

    void easter() {
        const Frame f{{200, 104}, "Easter Sunday", {30, 12, 136, 23}, {174, 14, 15, 15}, {}, 101};
        QImage image = frame(f);
        QPainter p(&image);
        panel(p, QRect(14, 52, 172, 40));
        p.end();
        out_.save(image, "easter.jpg", "TEaster", "Image1",
                  frameNotes(f, "Label1") +
                      "; lblExit (175, 14, 13, 15); black panel (14, 52, 172, 40) for lblEaster"
                      " (24, 65, 153 wide)");
    }

    void monthlyPhases() {
        const Frame f{{490, 480}, "Monthly Phases", {164, 10, 165, 23}, {460, 12, 15, 15}, {}, 111};
        QImage image = frame(f);
        QPainter p(&image);
        iconButton(p, {19, 13, 15, 15}, glyphSave, 11);
        panel(p, QRect(17, 54, 458, 409));
        p.end();
        saveWithPieces(image, "phases", "TMonthlyPhases",
                       frameNotes(f) + "; lblExit (461, 12, 13, 15); lblSave (20, 14, 13, 13) over"
                                       " the save button (19, 13, 15, 15); page area"
                                       " (18, 55, 456, 407) black",
                       {{"Image1: top", {0, 0, 490, 52}},
                        {"Image2: bottom", {0, 466, 490, 14}},
                        {"Image3: left", {0, 52, 15, 414}},
                        {"Image5: right", {477, 52, 13, 414}}});
    }

    QImage menuRow(const QString& caption, bool heading) {
        QImage image = newImage(265, 20);
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
        p.fillRect(image.rect(), g);
        bevel(p, image.rect(), heading ? QColor(40, 48, 84) : QColor(120, 136, 196),
              QColor(4, 5, 14));
        if (heading) {
            drawText(p, image.rect(), Qt::AlignCenter, caption, arial(12, true), kValue);
            p.setPen(QColor(0, 140, 160));
            p.drawLine(20, 18, 244, 18);
        } else {
            drawText(p, image.rect().adjusted(26, 0, -4, 0), Qt::AlignLeft | Qt::AlignVCenter,
                     caption, fittingFont(caption, 12, false, 233), QColor(236, 240, 255),
                     QColor(0, 0, 0));
        }
        return image;
    }

    void menus() {
        const std::pair<const char*, const char*> reports[] = {
            {"imgLunarVisibility", "Lunar Visibility"},
            {"imgFindEclipses", "Find Lunar Eclipses"},
            {"imgDisplayPhases", "Display Phases for Month"},
            {"imgLunarFeatures", "Lunar Features Sunrise/Sunset Times"},
            {"imgEquinoxInfo", "Equinox and Solstice Information"},
            {"imgEaster", "Easter Sunday"},
            {"imgSaveCalendar", "Save the Year's Events to a Calendar"},
        };
        int row = 0;
        for (const auto& [control, caption] : reports) {
            out_.save(menuRow(caption, false), rowFile("report", control), "TReportMenu", control,
                      QString("row %1 at y %2; caption from x 26").arg(row + 1).arg(20 * row));
            ++row;
        }
        const std::pair<const char*, const char*> links[] = {
            {"imgLunarResources", "Lunar Resources"},
            {"imgMoonViews", "The Moon (Views of the Solar System)"},
            {"imgMoonNSSDC", "The Moon (NSSDC)"},
            {"imgExploringTheMoon", "Exploring The Moon"},
            {"imgAmericanLunarSociety", "The American Lunar Society"},
            {"imgALPOLunarSection", "A.L.P.O. Lunar Section"},
            {"imgInternationalOccultationTimingAssoc", "International Occultation Timing Assoc."},
            {"imgInconstantMoon", "Inconstant Moon"},
            {"imgLunarOrbiterPhotographicAtlas", "Lunar Orbiter Photographic Atlas"},
            {"imgLunascan", "Lunascan"},
            {"imgClementineLunarImageBrowser", "Clementine Lunar Image Browser"},
            {"imgLunarEclipseObserver", "Lunar Eclipse Observer"},
            {"imgLunarEclipsePhotography", "Lunar Eclipse Photography"},
            {"Image1", "Lunar Missions"},
            {"imgAmericasGreatestAdventure", "America's Greatest Adventure"},
            {"imgLunarProspectorMission", "Lunar Prospector Mission"},
            {"imgClementineMission", "Clementine Mission"},
            {"imgApolloLunarSurfaceJournal", "The Apollo Lunar Surface Journal"},
        };
        row = 0;
        for (const auto& [control, caption] : links) {
            const bool heading =
                QString(control) == "imgLunarResources" || QString(control) == "Image1";
            const QString file =
                QString(control) == "Image1" ? "web_lunar_missions.png" : rowFile("web", control);
            ++row;
            out_.save(menuRow(caption, heading), file, "TWebMenu", control,
                      QString("row %1 at y %2%3")
                          .arg(row)
                          .arg(20 * (row - 1))
                          .arg(heading ? "; heading" : "; caption from x 26"));
        }
        QImage arrow = newImage(15, 20, true);
        QPainter a(&arrow);
        a.setRenderHint(QPainter::Antialiasing, true);
        a.setPen(QPen(QColor(60, 50, 0), 1));
        a.setBrush(kValue);
        a.drawPolygon(QPolygonF{QPointF(3.5, 4.5), QPointF(12.5, 10), QPointF(3.5, 15.5)});
        a.end();
        out_.save(arrow, "menu_arrow.png", "TReportMenu, TWebMenu", "imgArrow",
                  "transparent; at x 7, top of the row under the mouse");
    }

    // "imgLunarVisibility" -> "report_lunar_visibility.png"
    static QString rowFile(const QString& prefix, const QString& control) {
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

    void observingAid() {
        const Frame f{{540, 480},        "Observing Aid",   {152, 10, 236, 23},
                      {513, 14, 15, 15}, {492, 14, 15, 15}, 121};
        QImage image = frame(f);
        QPainter p(&image);
        iconButton(p, {20, 16, 24, 19}, glyphPrinter);
        panel(p, QRect(18, 58, 504, 403));
        p.end();
        saveWithPieces(image, "obsaid", "TObservingAid",
                       frameNotes(f) +
                           "; lblExit (514, 14, 13, 15); lblMinimise (492, 14, 15, 15); lblPrint"
                           " (20, 16, 24, 19); imgDayNight at (52, 14) and imgLinesGrid at"
                           " (80, 14), 24 x 22 each (their pictures below); chart (20, 75, 500,"
                           " 384) and hour strip (21, 60)-(519, 75) black",
                       {{"Image3: top", {0, 0, 540, 60}},
                        {"Image4: left", {0, 60, 20, 400}},
                        {"Image5: right", {520, 60, 20, 400}},
                        {"Image6: bottom", {0, 460, 540, 20}}});
        const QRect dayNight(52, 14, 24, 22), linesGrid(80, 14, 24, 22);
        auto toggle = [&](const QRect& place, const Glyph& glyph, const QString& file,
                          const QString& control, const QString& what) {
            QImage pic = image.copy(place);
            QPainter q(&pic);
            iconButton(q, QRect(0, 0, place.width(), place.height()), glyph);
            q.end();
            out_.save(pic, file, "TObservingAid", control, what);
        };
        toggle(dayNight, glyphCrescent, "obsaid_night.png", "imgNight",
               "nighttime view; shown in imgDayNight at (52, 14)");
        toggle(dayNight, glyphSun, "obsaid_day.png", "imgDay",
               "daytime view; shown in imgDayNight at (52, 14)");
        toggle(
            linesGrid, [](QPainter& q, const QRectF& b) { glyphGrid(q, b, true); },
            "obsaid_grid.png", "imgGrid", "grid on; shown in imgLinesGrid at (80, 14)");
        toggle(
            linesGrid, [](QPainter& q, const QRectF& b) { glyphGrid(q, b, false); },
            "obsaid_lines.png", "imgLines", "grid off; shown in imgLinesGrid at (80, 14)");
    }

    void features() {
        const Frame f{{640, 480},         "Rise/Set of Lunar Features",
                      {146, 10, 349, 23}, {613, 14, 15, 15},
                      {592, 12, 15, 15},  131};
        QImage image = frame(f);
        QPainter p(&image);
        iconButton(p, {20, 14, 21, 19}, glyphDatabase, 14);
        panel(p, QRect(18, 38, 604, 423));
        p.fillRect(QRect(20, 40, 600, 19), QColor(14, 20, 48));
        p.end();
        saveWithPieces(image, "features", "TFeatures",
                       frameNotes(f) + "; lblExit (614, 14, 13, 15); lblDatabase (20, 14, 21, 19)"
                                       " over the database button; heading band (20, 40, 600, 19)"
                                       " for Label1-3 at y 42; list from (20, 60)",
                       {{"Image1: top", {0, 0, 640, 62}},
                        {"Image2: bottom", {0, 460, 640, 20}},
                        {"Image3: left", {0, 62, 20, 398}},
                        {"Image4: right", {620, 62, 20, 398}}});
    }

    void featuresDatabase() {
        const Frame f{
            {505, 393}, "Lunar Features Database", {120, 10, 265, 23}, {478, 14, 15, 15}, {}, 141};
        QImage image = frame(f);
        QPainter p(&image);
        panel(p, QRect(16, 38, 473, 236));
        p.fillRect(QRect(18, 40, 469, 20), QColor(14, 20, 48));
        groupFrame(p, QRect(16, 284, 473, 94));
        textButton(p, QRect(390, 318, 79, 23), "Cancel", 12);
        textButton(p, QRect(392, 344, 79, 23), "Delete", 12);
        p.end();
        out_.save(image, "featuresdb.jpg", "TFeaturesDB", "Image1",
                  frameNotes(f) + "; lblExit (479, 14, 13, 15); heading band (18, 40, 469, 20) for"
                                  " Label2/3/7 at y 42; list panel (16, 38, 473, 236); edit group"
                                  " (16, 284, 473, 94); Cancel button (390, 318, 79, 23) under"
                                  " lblCancel; Delete button (392, 344, 79, 23) under lblDelete;"
                                  " imgEdit at (390, 295) is plain");
        for (auto [file, control, caption] :
             {std::tuple{"feature_add.png", "imgAdd", "Add"},
              std::tuple{"feature_update.png", "imgUpdate", "Update"}}) {
            QImage button = image.copy(390, 295, 80, 23);
            QPainter q(&button);
            textButton(q, button.rect(), caption, 12);
            q.end();
            out_.save(button, file, "TFeaturesDB", control, "face of imgEdit at (390, 295)");
        }
    }

    Catalogue& out_;
    const MoonMap& map_;
};

// ---- resource list and README ---------------------------------------------------------------

bool writeText(const QString& path, const QString& text) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) return false;
    file.write(text.toUtf8());
    return file.commit();
}

QString qrcText(const std::vector<Entry>& entries) {
    QString s = "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/\">\n";
    for (const Entry& e : entries)
        s += "    <file>" + e.file + "</file>\n";
    s += "</qresource>\n</RCC>\n";
    return s;
}

QString readmeText(const std::vector<Entry>& entries) {
    QString s;
    QTextStream t(&s);
    t << "# Cresselle artwork\n\n"
      << "Every picture here is painted by `tools/paint_artwork.cpp` (configure with\n"
      << "`-DCRESSELLE_TOOLS=ON`, build `tool_paint_artwork`, then run\n"
      << "`tool_paint_artwork resources runtime ../shared/assets/moon-albedo-1024x512.png` from "
         "the\n"
      << "repository root). The tool also writes this README, `resources.qrc` and\n"
      << "`runtime/Cresselle.ico`; edit the tool, not the pictures.\n\n"
      << "`resources.qrc` embeds every file with prefix \"/\": `QPixmap(\":/main.jpg\")` loads\n"
      << "`resources/main.jpg`. The resources live in the static library `cresselle_ui`, so a\n"
      << "program calls `Q_INIT_RESOURCE(resources)` once before loading them.\n\n"
      << "Window backgrounds and Moon photographs are JPEG; buttons, icons, rows and markers PNG\n"
      << "(the arrows and radio buttons with transparent corners). Rectangles are (x, y, w, h) in\n"
      << "window pixels; a transparent label laid over a painted button's rectangle covers it.\n"
      << "Where a control has no position in the design, the rectangle given here is the one to\n"
      << "use. Windows that the design builds from pieces (`Image1` … `Image6`) get both the\n"
      << "pieces and the whole window (`<name>.jpg`); the pieces are cut from the whole.\n\n"
      << "Look: midnight-blue frame with a faint star field, black panels, silver plates for\n"
      << "titles and headings in dark text (navy title texts, the calendar heading, the clock\n"
      << "strip), midnight-blue button faces with light symbols; aqua labels, RGB(255, 255, 176)\n"
      << "values, rows banded black and RGB(70, 70, 70).\n\n"
      << "Note on the two quarter icons: the design's `imgFirstQuarter` holds the picture lit on\n"
      << "its LEFT (shown for a last quarter) and `imgLastQuarter` the one lit on its RIGHT "
         "(shown\n"
      << "for a first quarter). The files are named by what they show: `phase_first_quarter.png`\n"
      << "is lit on the right, `phase_last_quarter.png` on the left.\n\n";
    QStringList windows; // in the order they first appear
    for (const Entry& e : entries)
        if (!windows.contains(e.window)) windows << e.window;
    for (const QString& window : windows) {
        t << "\n## " << window << "\n\n"
          << "| file | size | control | painted parts, placement |\n"
          << "| --- | --- | --- | --- |\n";
        for (const Entry& e : entries) {
            if (e.window != window) continue;
            QString notes = e.notes;
            notes.replace("|", "\\|");
            t << "| " << e.file << " | " << e.size.width() << " × " << e.size.height() << " | "
              << e.control << " | " << notes << " |\n";
        }
    }
    t << "\n## Icon file\n\n"
      << "`runtime/Cresselle.ico` (16, 32 and 48 as 32-bit bitmaps, 256 as PNG) is the icon the\n"
      << "program reads from its working folder; `icons/cresselle-*.png` are the same picture for\n"
      << "the built-in fallback and for desktop files.\n";
    return s;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s <resources dir> <runtime dir> <moon albedo map>\n",
                     argv[0]);
        return 2;
    }
    const QString resources = QString::fromLocal8Bit(argv[1]);
    const QString runtime = QString::fromLocal8Bit(argv[2]);
    const MoonMap map{QImage(QString::fromLocal8Bit(argv[3]))};
    if (map.isNull()) {
        std::fprintf(stderr, "cannot read the Moon map %s\n", argv[3]);
        return 1;
    }
    QDir().mkpath(resources);
    QDir().mkpath(runtime);

    Catalogue out(resources);
    Painter(out, map).all();

    std::vector<QImage> iconSizes;
    for (int size : {16, 32, 48, 128, 256}) {
        const QImage icon = appIcon(map, size);
        if (size == 48 || size == 128 || size == 256)
            out.save(icon, QString("icons/cresselle-%1.png").arg(size), "Application icon",
                     "built-in icon", "crescent Moon on a midnight tile");
        if (size != 128) iconSizes.push_back(icon);
    }
    if (!writeIco(runtime + "/Cresselle.ico", iconSizes)) out.fail();
    if (!writeText(resources + "/resources.qrc", qrcText(out.entries()))) out.fail();
    if (!writeText(resources + "/README.md", readmeText(out.entries()))) out.fail();
    std::printf("%zu pictures written to %s\n", out.entries().size(), qPrintable(resources));
    return out.failed() ? 1 : 0;
}
