// SPDX-License-Identifier: GPL-3.0-or-later
// Shared parts of the artwork tool: the palette, the resource record, the drawing helpers,
// the Moon renderer and the painter of the window pictures.
#pragma once

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
#include <QStringList>
#include <QTextStream>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

namespace artwork {

// ---- palette ---------------------------------------------------------------------------------

inline const QColor kAqua(0, 255, 255);
inline const QColor kValue(255, 255, 176); // colour of computed values
inline const QColor kBand(70, 70, 70);     // odd rows of lists and tables
inline const QColor kNavy(0, 0, 128);
inline const QColor kChromeTop(36, 46, 88); // window frame gradient
inline const QColor kChromeBottom(7, 9, 24);
inline const QColor kGlyph(228, 236, 255); // button symbols
inline const QColor kPanelEdge(78, 92, 142);
inline const QColor kMuted(140, 152, 205); // painted section captions
inline const QColor kCellTile(16, 20, 42);

inline constexpr double kPi = 3.14159265358979323846;

// ---- the pixel ratio -------------------------------------------------------------------------

// Pictures are drawn in window pixels (points); the ratio gives the device pixels per point of
// the pictures being painted: 1 for the plain set, 2 for the "@2x" set of scaled displays.
int pixelRatio();
void setPixelRatio(int ratio);
// The size in points of a picture painted at any ratio.
QSize pointSize(const QImage& image);
// The part `points` (in points) of a picture, at the picture's ratio.
QImage part(const QImage& image, const QRect& points);

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

    // "main.jpg" of a picture at ratio 2 -> "main@2x.jpg"; the name itself at ratio 1.
    static QString fileAtRatio(const QString& file, int ratio) {
        if (ratio == 1) return file;
        const int dot = file.lastIndexOf('.');
        return file.left(dot) + QString("@%1x").arg(ratio) + file.mid(dot);
    }

    // Writes one picture; JPEG for the backgrounds and photographs, PNG for the rest. A
    // picture painted at ratio 2 goes to its "@2x" name; the list keeps the plain name.
    void save(const QImage& image, const QString& file, const QString& window,
              const QString& control, const QString& notes = QString()) {
        const int ratio = static_cast<int>(std::lround(image.devicePixelRatio()));
        const QString path = dir_ + "/" + fileAtRatio(file, ratio);
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
        if (ratio == 1)
            entries_.push_back({file, image.size(), window, control, notes});
        else
            scaled_.push_back(fileAtRatio(file, ratio));
    }

    const std::vector<Entry>& entries() const { return entries_; }
    // The files of the pictures at ratios above 1.
    const QStringList& scaledFiles() const { return scaled_; }
    const QString& dir() const { return dir_; }
    bool failed() const { return failed_; }
    void fail() { failed_ = true; }

  private:
    QString dir_;
    std::vector<Entry> entries_;
    QStringList scaled_;
    bool failed_ = false;
};

QString rectText(const QRect& r);

// ---- fonts and text --------------------------------------------------------------------------
QFont arial(int pixels, bool bold = false);
QFont fittingFont(const QString& text, int pixels, bool bold, int width);
void drawText(QPainter& p, const QRect& r, int flags, const QString& text, const QFont& font,
              const QColor& ink, const QColor& shadow = QColor());

// ---- surfaces --------------------------------------------------------------------------------
QImage newImage(int w, int h, bool transparent = false);
void starField(QPainter& p, const QRect& r, quint32 seed, int density = 700);
void chrome(QPainter& p, const QRect& r, quint32 seed);
void bevel(QPainter& p, const QRect& r, const QColor& light, const QColor& dark);
void windowEdge(QPainter& p, const QSize& size);
void panel(QPainter& p, const QRect& r);
void silverPlate(QPainter& p, const QRectF& r, double radius = 4);
void titlePlate(QPainter& p, const QRect& r, const QString& text);
void tile(QPainter& p, const QRectF& r, double radius = 3);
void textButton(QPainter& p, const QRect& r, const QString& caption, int pixels = 12);
void entryBox(QPainter& p, const QRect& r);

using Glyph = std::function<void(QPainter&, const QRectF&)>;

// ---- button symbols (each in a box of about 16 x 16) ------------------------------------------
QPen glyphPen(double width = 1.4, const QColor& c = kGlyph);
void glyphPrinter(QPainter& p, const QRectF& b);
void glyphBinoculars(QPainter& p, const QRectF& b);
void glyphTelescope(QPainter& p, const QRectF& b);
void glyphTable(QPainter& p, const QRectF& b);
void glyphLinks(QPainter& p, const QRectF& b);
void glyphClock(QPainter& p, const QRectF& b);
void glyphReports(QPainter& p, const QRectF& b);
void glyphEclipse(QPainter& p, const QRectF& b);
void glyphGlobe(QPainter& p, const QRectF& b);
void glyphGear(QPainter& p, const QRectF& b);
void glyphLetterInCircle(QPainter& p, const QRectF& b, const QString& letter, const QColor& fill);
void glyphMinimise(QPainter& p, const QRectF& b);
void glyphClose(QPainter& p, const QRectF& b);
void glyphSave(QPainter& p, const QRectF& b);
void glyphDatabase(QPainter& p, const QRectF& b);
void glyphArrow(QPainter& p, const QRectF& b, bool up);
void glyphSun(QPainter& p, const QRectF& b);
void glyphCrescent(QPainter& p, const QRectF& b);
void glyphGrid(QPainter& p, const QRectF& b, bool withHourLines);
void glyphUpDown(QPainter& p, const QRectF& b);
void iconButton(QPainter& p, const QRect& r, const Glyph& glyph, double box = 16);
void closeButton(QPainter& p, const QRect& r);
void minimiseButton(QPainter& p, const QRect& r);

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

QImage onBlack(const QImage& picture);
double smoothStep(double e0, double e1, double x);
QImage renderMoon(const MoonMap& map, QSize size, QPointF centre, double radius,
                  const MoonLook& look);

// ---- the application icon -------------------------------------------------------------------
QImage appIcon(const MoonMap& map, int size);
QByteArray pngBytes(const QImage& image);
QByteArray dibBytes(const QImage& source);
bool writeIco(const QString& path, const std::vector<QImage>& images);

// ---- resource list and README ---------------------------------------------------------------
bool writeText(const QString& path, const QString& text);
QString qrcText(const std::vector<Entry>& entries, const QStringList& scaledFiles);
QString readmeText(const std::vector<Entry>& entries);

// ---- the windows ------------------------------------------------------------------------------

// Paints every window picture and saves it in the catalogue. The main window is painted in
// MainWindow.cpp, the settings windows in SettingsWindows.cpp, the popups and menus in
// Popups.cpp, the report windows in ReportWindows.cpp.
class Painter {
  public:
    Painter(Catalogue& out, const MoonMap& map) : out_(out), map_(map) {}

    void all();

    // Saves the whole window and, where the window is put together from pieces, each piece.
    void saveWithPieces(const QImage& whole, const QString& stem, const QString& window,
                        const QString& notes, const std::vector<std::pair<QString, QRect>>& pieces);

  private:
    // -- main window --
    struct ToolButton {
        QString control;
        QRect face;
        Glyph glyph;
        QString what;
    };

    std::vector<ToolButton> toolbar() const;

    static constexpr QRect kMainTitle{264, 13, 113, 23};
    static constexpr QRect kMainMinimise{592, 14, 20, 20};
    static constexpr QRect kMainExit{614, 14, 20, 20};
    static constexpr QRect kOptics{44, 12, 28, 25};
    static constexpr QRect kEclipse{182, 12, 28, 25};
    static constexpr QRect kLibration{380, 264, 13, 17};

    void clockStrip(QPainter& p, int top);
    void bands(QPainter& p, int left, int right, int top, int rows, int height = 16);
    void caption(QPainter& p, int x, int y, const QString& text);
    QImage mainBackground();
    QImage toolbarPicture(const QImage& background, const QRect& place, const Glyph& glyph);
    void mainWindow();
    void timeEditor();
    void mainSmallPictures();

    // -- Moon photographs and phase icons --
    void moonPictures();

    // -- frames of the other windows --
    struct Frame {
        QSize size;
        QString title;
        QRect titleRect;
        QRect exit;     // painted close button; empty when none
        QRect minimise; // painted minimise button; empty when none
        quint32 seed;
    };

    QImage frame(const Frame& f);
    QString frameNotes(const Frame& f, const QString& titleControl = "lblTitle");
    void timesList();

    // Headings over the times table; x are the table's columns + 20 (the band's left).
    void columnHeadings(QPainter& p);
    void groupFrame(QPainter& p, const QRect& r);
    QImage radio(bool set);
    void configuration();
    void printOptions();
    void monthList();
    void dateInfo();
    void about();
    void eclipse();
    void eclipseReport();
    void equinox();
    void easter();
    void monthlyPhases();
    QImage menuRow(const QString& caption, bool heading);
    void menus();

    // "imgLunarVisibility" -> "report_lunar_visibility.png"
    static QString rowFile(const QString& prefix, const QString& control);
    void observingAid();
    void features();
    void featuresDatabase();

    Catalogue& out_;
    const MoonMap& map_;
};

} // namespace artwork
