// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's skin pictures. Each loads by name from the embedded artwork; a plain
// picture of the same size stands in while a file is missing.
#include "ui/main/fMain.h"
#include "ui/style/PaintedTexts.h"
#include "ui/style/Style.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>

using namespace mainstyle;

namespace {

// Toolbar buttons of the plain background: left edge, width and a short caption.
struct PlainButton {
    int x;
    int w;
    const char* caption;
};

constexpr PlainButton PlainToolbar[] = {
    {18, 24, "P"},  {44, 28, ""},   {76, 22, "T"},  {100, 24, "L"}, {128, 26, "C"}, {158, 22, "R"},
    {446, 28, "W"}, {478, 28, "S"}, {510, 28, "?"}, {544, 28, "i"}, {592, 20, "_"}, {614, 20, "x"},
};

void PaintPlainBackground(QPainter& p, QSize size) {
    p.fillRect(QRect(QPoint(0, 0), size), Qt::black);
    p.fillRect(QRect(0, 0, size.width(), 40), QColor(25, 25, 45));
    p.setPen(QColor(90, 90, 130));
    for (const PlainButton& b : PlainToolbar) {
        p.drawRect(QRect(b.x, 12, b.w - 1, 24));
        p.drawText(QRect(b.x, 12, b.w, 25), Qt::AlignCenter, QString::fromLatin1(b.caption));
    }
    p.setPen(Aqua);
    p.setFont(ArialPixels(14, true));
    p.drawText(QRect(264, 12, 113, 25), Qt::AlignCenter, QStringLiteral("Cresselle"));
    p.setPen(QColor(60, 60, 90));
    p.drawRect(QRect(380, 264, 12, 16)); // table mode button
    p.drawLine(300, 250, 300, 470);
}

void PaintPlainStrip(QPainter& p, QSize size) {
    QLinearGradient shade(0, 0, 0, size.height());
    shade.setColorAt(0, QColor(225, 225, 235));
    shade.setColorAt(1, QColor(170, 170, 190));
    p.fillRect(QRect(QPoint(0, 0), size), shade);
}

void PaintPlainTimeEditor(QPainter& p, QSize size) {
    p.fillRect(QRect(QPoint(0, 0), size), QColor(190, 190, 200));
    p.setPen(Qt::black);
    for (int x : {8, 33, 58})
        p.fillRect(QRect(x, 4, 22, 23), Qt::white);
    p.fillRect(QRect(87, 4, 40, 16), QColor(120, 120, 150));
    p.setPen(Qt::white);
    p.setFont(ArialPixels(10, true));
    p.drawText(QRect(87, 4, 40, 16), Qt::AlignCenter, TMain::tr("Reset"));
}

void PaintPlainMoon(QPainter& p, QSize) {
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient light(QPointF(78, 78), 76);
    light.setColorAt(0, QColor(215, 215, 205));
    light.setColorAt(1, QColor(150, 150, 140));
    p.setBrush(light);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRectF(2.5, 2.5, 152, 152));
}

// A phase icon lit on `litSide` (-1 left, 0 none, 1 right, 2 whole disc).
QPixmap PlainPhaseIcon(const QString& name, int litSide, const QColor& lit) {
    return LoadPicture(name, QSize(30, 30), [litSide, lit](QPainter& p, QSize) {
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF disc(2.5, 2.5, 25, 25);
        p.setPen(QColor(90, 90, 90));
        p.setBrush(QColor(40, 40, 40));
        p.drawEllipse(disc);
        p.setPen(Qt::NoPen);
        p.setBrush(lit);
        if (litSide == 2)
            p.drawEllipse(disc);
        else if (litSide != 0)
            p.drawPie(disc, (litSide > 0 ? -90 : 90) * 16, 180 * 16);
    });
}

QPixmap PlainOpticsIcon(const QString& name, bool telescope) {
    return LoadPicture(name, QSize(28, 25), [telescope](QPainter& p, QSize) {
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(Aqua, 2));
        p.setBrush(Qt::NoBrush);
        if (telescope) {
            p.drawLine(5, 18, 22, 7);
            p.drawLine(12, 16, 9, 22);
            p.drawLine(12, 16, 16, 22);
        } else {
            p.drawEllipse(QRectF(4, 9, 8, 10));
            p.drawEllipse(QRectF(16, 9, 8, 10));
            p.drawLine(12, 12, 16, 12);
        }
    });
}

QPixmap PlainTable(const QString& name) {
    return LoadPicture(name, QSize(100, 68), [](QPainter& p, QSize size) {
        p.setPen(QColor(70, 70, 70));
        p.drawRect(QRect(QPoint(0, 0), size - QSize(1, 1)));
    });
}

} // namespace

void TMain::LoadPictures() {
    imgBgnd = LoadPicture(QStringLiteral("main.jpg"), QSize(640, 480), PaintPlainBackground);
    setBackground(imgBgnd, false);
    imgBgnd = background(); // with its captions in the program's language
    // The surface and the clock strip are painted at the display's pixel ratio (sharp texts
    // and lines under display scaling); the skin pictures are scaled into them.
    const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    Canvas = QPixmap(QSize(640, 480) * ratio);
    Canvas.setDevicePixelRatio(ratio);
    Canvas.fill(Qt::black);
    {
        QPainter painter(&Canvas);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(QRect(0, 0, 640, 480), imgBgnd);
    }
    imgClockBgnd = LoadPicture(QStringLiteral("clock_strip.jpg"), QSize(640, 24), PaintPlainStrip);
    imgClockBuf = QPixmap(QSize(640, 24) * ratio);
    imgClockBuf.setDevicePixelRatio(ratio);
    imgClockBuf.fill(Qt::black);
    imgTimeButtonPicture =
        LoadPicture(QStringLiteral("time_editor.png"), QSize(146, 31), PaintPlainTimeEditor);
    if (imgTimeButtonPicture.deviceIndependentSize().toSize() == QSize(146, 31) &&
        tr("Reset") != QLatin1String("Reset")) {
        const paintedtexts::PaintedText reset{"TMain",
                                              "Reset",
                                              QRect(90, 7, 34, 10),
                                              90,
                                              11,
                                              true,
                                              QColor(228, 236, 255),
                                              QColor(0, 0, 0, 200),
                                              Qt::AlignCenter};
        paintedtexts::RepaintCaption(imgTimeButtonPicture, reset, tr("Reset"));
    }

    imgMoonOriginal =
        LoadPicture(QStringLiteral("moon_full_156.jpg"), QSize(156, 156), PaintPlainMoon);
    imgMoon = imgMoonOriginal.copy();

    // The two quarter pictures carry each other's names: imgLastQuarter shows the Moon lit on
    // its right half (a first quarter), imgFirstQuarter lit on its left half.
    const QColor lit(225, 225, 210);
    imgNewMoon = PlainPhaseIcon(QStringLiteral("phase_new.png"), 0, lit);
    imgLastQuarter = PlainPhaseIcon(QStringLiteral("phase_first_quarter.png"), 1, lit);
    imgFullMoon = PlainPhaseIcon(QStringLiteral("phase_full.png"), 2, lit);
    imgFirstQuarter = PlainPhaseIcon(QStringLiteral("phase_last_quarter.png"), -1, lit);
    imgBlueMoon = PlainPhaseIcon(QStringLiteral("phase_blue.png"), 2, QColor(150, 190, 255));

    imgBinoculars = PlainOpticsIcon(QStringLiteral("optics_binoculars.png"), false);
    imgTelescope = PlainOpticsIcon(QStringLiteral("optics_telescope.png"), true);
    imgMoonParamsOrig = PlainTable(QStringLiteral("moon_table.png"));
    imgSunParamsOrig = PlainTable(QStringLiteral("sun_table.png"));
    imgMoonParams = imgMoonParamsOrig.copy();
    imgSunParams = imgSunParamsOrig.copy();
}
