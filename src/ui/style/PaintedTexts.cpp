// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/style/PaintedTexts.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QPixmap>

#include <cstring>
#include <iterator>

namespace paintedtexts {
namespace {

const QColor Navy(0, 0, 128);
const QColor PlateShine(255, 255, 255, 150);
const QColor Muted(140, 152, 205);
const QColor Glyph(228, 236, 255);
const QColor ButtonShadow(0, 0, 0, 200);
const QColor AquaInk(0, 255, 255);
const QColor ValueInk(255, 255, 176);
const QColor SunInk(255, 255, 0);
const QColor NoteInk(150, 160, 200);
constexpr int Centre = Qt::AlignCenter;
constexpr int Left = Qt::AlignLeft | Qt::AlignVCenter;
constexpr int Right = Qt::AlignRight | Qt::AlignVCenter;

// A title plate of `rect`: navy bold 15-pixel text with a light shine, 6 points of margin.
PaintedText Title(const char* context, const char* english, QRect rect) {
    return {context,    english, rect.adjusted(6, 1, -6, -1), rect.left() + 5, 15, true, Navy,
            PlateShine, Centre};
}

// A raised button face of `rect`.
PaintedText Button(const char* context, const char* english, QRect rect, int pixels) {
    return {context,         english,      rect.adjusted(3, 3, -3, -3),
            rect.left() + 3, pixels,       true,
            Glyph,           ButtonShadow, Centre};
}

// A muted section caption of the main window, its text starting at (x, y).
PaintedText Caption(const char* english, int x, int y, int width) {
    return {"TMain", english, QRect(x, y, width, 16), x - 3, 11, true, Muted, {}, Left};
}

// A heading of the times list centred on x (table coordinates + 20) at y.
PaintedText Heading(const char* english, int x, int y, bool group, const QColor& ink) {
    // A group's heading spans its columns; a column's stays within its 40 points, the ground
    // column taken in the gap before it.
    const int half = group ? 38 : 19;
    return {"TTimesList",
            english,
            QRect(20 + x - half, y, 2 * half, 14),
            20 + x - half - 1,
            group ? 11 : 10,
            group,
            ink,
            {},
            Qt::AlignHCenter | Qt::AlignVCenter};
}

} // namespace

const PaintedText* AllPaintedTexts(std::size_t& count) {
    static const int cell = 27;
    static const PaintedText texts[] = {
        Caption(QT_TRANSLATE_NOOP("TMain", "Sun"), 32, 278, 112),
        Caption(QT_TRANSLATE_NOOP("TMain", "Moon"), 150, 278, 116),
        Caption(QT_TRANSLATE_NOOP("TMain", "Twilight"), 32, 388, 232),
        Caption(QT_TRANSLATE_NOOP("TMain", "Moon"), 284, 264, 122),
        Caption(QT_TRANSLATE_NOOP("TMain", "Sun"), 284, 370, 122),

        Title("TTimesList", QT_TRANSLATE_NOOP("TTimesList", "Rise / Set Times"),
              {202, 10, 236, 23}),
        {"TTimesList",
         QT_TRANSLATE_NOOP("TTimesList", "Date"),
         QRect(30, 61, 56, 14),
         27,
         10,
         false,
         Qt::white,
         {},
         Left},
        Heading(QT_TRANSLATE_NOOP("TTimesList", "Moon"), (84 + 214) / 2, 44, true, AquaInk),
        Heading(QT_TRANSLATE_NOOP("TTimesList", "Rise"), 84 + cell / 2, 61, false, AquaInk),
        Heading(QT_TRANSLATE_NOOP("TTimesList", "Transit"), 124 + cell / 2, 61, false, AquaInk),
        // The Moon's set: from its column's left to the percentages' box.
        {"TTimesList",
         QT_TRANSLATE_NOOP("TTimesList", "Set"),
         QRect(20 + 160, 61, 31, 14),
         20 + 161,
         10,
         false,
         AquaInk,
         {},
         Qt::AlignHCenter | Qt::AlignVCenter},
        {"TTimesList",
         QT_TRANSLATE_NOOP("TTimesList", "Illum"),
         QRect(20 + 190, 61, 24, 14),
         20 + 189,
         10,
         false,
         AquaInk,
         {},
         Right},
        Heading(QT_TRANSLATE_NOOP("TTimesList", "Twilight"), (245 + 323 + cell) / 2, 44, true,
                ValueInk),
        Heading(QT_TRANSLATE_NOOP("TTimesList", "Ast."), 245 + cell / 2, 61, false, ValueInk),
        Heading(QT_TRANSLATE_NOOP("TTimesList", "Naut."), 284 + cell / 2, 61, false, ValueInk),
        Heading(QT_TRANSLATE_NOOP("TTimesList", "Civil"), 323 + cell / 2, 61, false, ValueInk),
        Heading(QT_TRANSLATE_NOOP("TTimesList", "Sun"), (369 + 447 + cell) / 2, 44, true, SunInk),
        Heading(QT_TRANSLATE_NOOP("TTimesList", "Rise"), 369 + cell / 2, 61, false, SunInk),
        Heading(QT_TRANSLATE_NOOP("TTimesList", "Transit"), 409 + cell / 2, 61, false, SunInk),
        Heading(QT_TRANSLATE_NOOP("TTimesList", "Set"), 447 + cell / 2, 61, false, SunInk),
        Heading(QT_TRANSLATE_NOOP("TTimesList", "Twilight"), (491 + 567 + cell) / 2, 44, true,
                ValueInk),
        Heading(QT_TRANSLATE_NOOP("TTimesList", "Civil"), 491 + cell / 2, 61, false, ValueInk),
        Heading(QT_TRANSLATE_NOOP("TTimesList", "Naut."), 529 + cell / 2, 61, false, ValueInk),
        Heading(QT_TRANSLATE_NOOP("TTimesList", "Ast."), 567 + cell / 2, 61, false, ValueInk),

        Title("TEclipse", QT_TRANSLATE_NOOP("TEclipse", "Lunar Eclipse"), {40, 10, 172, 23}),
        Title("TEclipseReport", QT_TRANSLATE_NOOP("TEclipseReport", "Lunar Eclipse Search"),
              {90, 10, 210, 23}),
        Button("TEclipseReport", QT_TRANSLATE_NOOP("TEclipseReport", "Calculate"),
               {236, 42, 96, 24}, 12),
        Title("TEquinox", QT_TRANSLATE_NOOP("TEquinox", "Equinoxes and Solstices"),
              {62, 12, 226, 23}),
        Title("TEaster", QT_TRANSLATE_NOOP("TEaster", "Easter Sunday"), {30, 12, 136, 23}),
        Title("TMonthlyPhases", QT_TRANSLATE_NOOP("TMonthlyPhases", "Monthly Phases"),
              {164, 10, 165, 23}),
        Title("TObservingAid", QT_TRANSLATE_NOOP("TObservingAid", "Observing Aid"),
              {152, 10, 236, 23}),
        Title("TFeatures", QT_TRANSLATE_NOOP("TFeatures", "Rise/Set of Lunar Features"),
              {146, 10, 349, 23}),
        Title("TFeaturesDB", QT_TRANSLATE_NOOP("TFeaturesDB", "Lunar Features Database"),
              {120, 10, 265, 23}),
        Button("TFeaturesDB", QT_TRANSLATE_NOOP("TFeaturesDB", "Cancel"), {390, 318, 79, 23}, 12),
        Button("TFeaturesDB", QT_TRANSLATE_NOOP("TFeaturesDB", "Delete"), {392, 344, 79, 23}, 12),
        Title("TConfiguration", QT_TRANSLATE_NOOP("TConfiguration", "Configuration"),
              {40, 10, 204, 23}),
        Title("TDateInfo", QT_TRANSLATE_NOOP("TDateInfo", "Date Information"), {40, 10, 170, 23}),
        Title("TAbout", QT_TRANSLATE_NOOP("TAbout", "About Cresselle"), {50, 10, 200, 23}),
        {"TAbout",
         QT_TRANSLATE_NOOP("TAbout", "Version 2.50"),
         QRect(106, 88, 178, 18),
         104,
         13,
         true,
         ValueInk,
         {},
         Left},
        {"TAbout",
         QT_TRANSLATE_NOOP("TAbout", "Moon phases and lunar ephemeris"),
         QRect(106, 108, 178, 16),
         104,
         11,
         false,
         AquaInk,
         {},
         Left},
        {"TAbout",
         QT_TRANSLATE_NOOP("TAbout", "Moon map: USGS Astrogeology and Clementine data"),
         QRect(16, 150, 268, 14),
         15,
         10,
         false,
         NoteInk,
         {},
         Qt::AlignHCenter | Qt::AlignVCenter},
        {"TAbout",
         QT_TRANSLATE_NOOP("TAbout", "(public domain)"),
         QRect(16, 164, 268, 14),
         15,
         10,
         false,
         NoteInk,
         {},
         Qt::AlignHCenter | Qt::AlignVCenter},
        Title("TPrintOptions", QT_TRANSLATE_NOOP("TPrintOptions", "Print Options"),
              {30, 12, 160, 26}),
        {"TPrintOptions",
         QT_TRANSLATE_NOOP("TPrintOptions", "Daily Phases"),
         QRect(50, 68, 154, 17),
         47,
         12,
         false,
         AquaInk,
         {},
         Left},
        {"TPrintOptions",
         QT_TRANSLATE_NOOP("TPrintOptions", "Major Phases"),
         QRect(50, 88, 154, 17),
         47,
         12,
         false,
         AquaInk,
         {},
         Left},
        {"TPrintOptions",
         QT_TRANSLATE_NOOP("TPrintOptions", "Moon's Rise/Transit/Set Times"),
         QRect(50, 108, 154, 17),
         47,
         12,
         false,
         AquaInk,
         {},
         Left},
        {"TPrintOptions",
         QT_TRANSLATE_NOOP("TPrintOptions", "Sun's Rise/Transit/Set Times"),
         QRect(50, 128, 154, 17),
         47,
         12,
         false,
         AquaInk,
         {},
         Left},
        {"TPrintOptions",
         QT_TRANSLATE_NOOP("TPrintOptions", "Daily Phase Density:"),
         QRect(17, 170, 121, 21),
         16,
         12,
         false,
         AquaInk,
         {},
         Right},
        Button("TPrintOptions", QT_TRANSLATE_NOOP("TPrintOptions", "OK"), {62, 210, 99, 29}, 14),
    };
    count = std::size(texts);
    return texts;
}

namespace {

// The size each window's picture was painted at; another size is a stand-in picture.
QSize PaintedSize(const char* context) {
    static const std::pair<const char*, QSize> sizes[] = {
        {"TMain", {640, 480}},          {"TTimesList", {640, 481}},     {"TEclipse", {252, 252}},
        {"TEclipseReport", {390, 285}}, {"TEquinox", {350, 155}},       {"TEaster", {200, 104}},
        {"TMonthlyPhases", {490, 480}}, {"TObservingAid", {540, 480}},  {"TFeatures", {640, 480}},
        {"TFeaturesDB", {505, 393}},    {"TConfiguration", {284, 400}}, {"TDateInfo", {250, 165}},
        {"TAbout", {300, 200}},         {"TPrintOptions", {220, 260}}};
    for (const auto& [name, size] : sizes)
        if (std::strcmp(name, context) == 0) return size;
    return {};
}

} // namespace

QFont FittingFont(const QString& text, int pixels, bool bold, int width) {
    QFont font(QStringLiteral("Arial"));
    font.setBold(bold);
    font.setPixelSize(pixels);
    while (pixels > 7 && QFontMetrics(font).horizontalAdvance(text) > width)
        font.setPixelSize(--pixels);
    return font;
}

namespace {

// RepaintCaption with the ground column taken from `unpainted`, the picture before any caption
// was painted again (a caption repainted earlier may reach into another's ground column).
void RepaintCaptionOver(QPixmap& picture, const QPixmap& unpainted, const PaintedText& text,
                        const QString& translated) {
    const QRect place =
        text.Place.intersected(QRect(QPoint(0, 0), picture.deviceIndependentSize().toSize()));
    if (place.isEmpty()) return;
    const qreal ratio = picture.devicePixelRatio();
    // The ground column, in device pixels, stretched over the caption's place.
    const QPixmap ground = unpainted.copy(
        QRectF(text.GroundX * ratio, place.top() * ratio, ratio, place.height() * ratio).toRect());
    QPainter p(&picture);
    p.drawPixmap(QRectF(place), ground, QRectF(ground.rect()));
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(FittingFont(translated, text.Pixels, text.Bold, place.width()));
    if (text.Shadow.isValid()) {
        p.setPen(text.Shadow);
        p.drawText(place.translated(1, 1), text.Align, translated);
    }
    p.setPen(text.Ink);
    p.drawText(place, text.Align, translated);
}

} // namespace

void RepaintCaption(QPixmap& picture, const PaintedText& text, const QString& translated) {
    // The ground is copied out before anything is painted.
    RepaintCaptionOver(picture, picture, text, translated);
}

bool HasPaintedCaptions(const QPixmap& picture, const char* context) {
    const QSize painted = PaintedSize(context);
    const QSize size = picture.deviceIndependentSize().toSize();
    return !picture.isNull() && painted.isValid() && size.width() == painted.width() &&
           size.height() >= painted.height();
}

void TranslatePicture(QPixmap& picture, const char* context) {
    if (!HasPaintedCaptions(picture, context)) return;
    const QPixmap unpainted = picture.copy();
    std::size_t count = 0;
    const PaintedText* texts = AllPaintedTexts(count);
    for (std::size_t i = 0; i < count; ++i) {
        const PaintedText& t = texts[i];
        if (std::strcmp(t.Context, context) != 0) continue;
        const QString translated = QCoreApplication::translate(t.Context, t.English);
        if (translated != QLatin1String(t.English))
            RepaintCaptionOver(picture, unpainted, t, translated);
    }
}

} // namespace paintedtexts
