// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/reports/fMonthlyPhases.h"

#include "astro/fMoonCalcs.h"
#include "platform/Platform.h"
#include "print/fPhaseShading.h"
#include "settings/ObserverSettings.h"
#include "ui/Windows.h"
#include "ui/reports/ReportContext.h"
#include "ui/style/Style.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QImageWriter>
#include <QLocale>
#include <QPainter>
#include <QPrinter>
#include <QSaveFile>
#include <QStandardPaths>

#include <cmath>

using namespace mainstyle;

namespace {

constexpr int kMoonWidth = 50;
constexpr int kMoonHeight = 49;
// One pixel more than the photograph's disc (50 x 49), so that the dark side covers its rim.
constexpr int kShadingRadius = 26;

// The system's long name of weekday w (0 Sunday .. 6 Saturday).
QString LongWeekdayName(int w) {
    return QLocale().dayName(w == 0 ? 7 : w, QLocale::LongFormat);
}

// The full Moon as designed; a plain grey disc when the picture is missing.
QImage LoadMoonPicture() {
    // At the display's pixel ratio where the artwork has it (twice the pixels, the same size).
    QImage moon = SkinPicture(QStringLiteral("moon_full_50x49.jpg")).toImage();
    if (moon.isNull()) {
        const QImage big(QStringLiteral(":/moon_full_156.jpg"));
        if (!big.isNull())
            moon = big.scaled(kMoonWidth, kMoonHeight, Qt::IgnoreAspectRatio,
                              Qt::SmoothTransformation);
    }
    if (moon.isNull() || moon.deviceIndependentSize() != QSizeF(kMoonWidth, kMoonHeight)) {
        moon = QImage(kMoonWidth, kMoonHeight, QImage::Format_RGB32);
        moon.fill(Qt::black);
        QPainter p(&moon);
        p.setRenderHint(QPainter::Antialiasing);
        QRadialGradient shade(QPointF(22, 20), 30);
        shade.setColorAt(0, QColor(235, 235, 225));
        shade.setColorAt(1, QColor(150, 150, 140));
        p.setPen(Qt::NoPen);
        p.setBrush(shade);
        p.drawEllipse(QRectF(0, 0, 50, 49));
        p.setBrush(QColor(120, 120, 115, 110));
        p.drawEllipse(QRectF(12, 10, 12, 9));
        p.drawEllipse(QRectF(27, 14, 10, 12));
        p.drawEllipse(QRectF(20, 27, 9, 7));
    }
    QImage plain = moon.convertToFormat(QImage::Format_RGB32);
    plain.setDevicePixelRatio(moon.devicePixelRatio());
    return plain;
}

} // namespace

QStringList MonthGridTexts(int month, int year, int dayOrder) {
    QStringList texts;
    texts.reserve(42);
    for (int day : astro::MonthGrid(month, year, dayOrder))
        texts.append(day == 0 ? QStringLiteral(" ") : QString::number(day));
    return texts;
}

TMonthlyPhases::TMonthlyPhases(QWidget* parent) : TFrame(parent) {
    setWindowTitle(TMonthlyPhases::tr("Monthly Phases"));
    const QPixmap skin = SkinPicture(QStringLiteral("phases.jpg"));
    if (!skin.isNull() && skin.deviceIndependentSize() == QSizeF(490, 480)) setBackground(skin);
    setFixedSize(490, 480);
    addTitleLabel(QRect(164, 10, 165, 23));
    addExitLabel(QRect(461, 12, 13, 15));
    lblSave =
        new TClickLabel(this, QRect(20, 14, 13, 13), TMonthlyPhases::tr("Save image to disk"));
    lblSave->setCursor(Qt::PointingHandCursor);
    lblSave->setKeyboardButton(Qt::Horizontal);
    connect(lblSave, &TClickLabel::clicked, this, &TMonthlyPhases::lblSaveClick);

    imgPhases = DisplayPixmap(QSize(PageWidth, PageHeight));
    imgOriginal = LoadMoonPicture();
    imgMiniMoon = imgOriginal;

    reportcontext::FollowSharedState(this, [this] { DrawMoonPhases(); });
}

void TMonthlyPhases::FormShow() {
    PageTop = 32;
    // The first showing opens over the main window below its toolbar; later ones keep where
    // the user left it.
    if (!placed_) {
        if (const QWidget* main = MainWidget())
            move(main->x() + (main->width() - width()) / 2, main->y() + 40);
        placed_ = true;
    }
    DrawMoonPhases();
}

void TMonthlyPhases::changeEvent(QEvent* event) {
    TFrame::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isVisible() && isActiveWindow())
        DrawMoonPhases();
}

void TMonthlyPhases::DrawMoonPhases() {
    const bool north = ObserverSettings.LatDir == QStringLiteral("North");
    imgMiniMoon = north ? imgOriginal : imgOriginal.mirrored(true, true);
    imgMiniMoon.setDevicePixelRatio(imgOriginal.devicePixelRatio());
    PageTop = 32;

    const astro::DateTimeRec selected = reportcontext::SelectedDate();

    QPainter canvas(&imgPhases);
    // The small photographs are enlarged smoothly on a scaled display.
    canvas.setRenderHint(QPainter::SmoothPixmapTransform);
    DrawBevel(canvas);
    PrintTitle(canvas, selected);
    PrintDayNames(canvas, ObserverSettings.DayOrder % 7);
    PrintDayCells(canvas, selected, north);
    canvas.end();
    update();
}

// Black page with a sunken bevel.
void TMonthlyPhases::DrawBevel(QPainter& canvas) {
    const int w = PageWidth, h = PageHeight;
    canvas.fillRect(0, 0, w, h, Qt::black);
    canvas.setBrush(Qt::NoBrush);
    canvas.setPen(QColor(0, 0, 255));
    canvas.drawRect(0, 0, w - 1, h - 1);
    canvas.setPen(QColor(100, 100, 255));
    canvas.drawRect(1, 1, w - 3, h - 3);
    // Lines exclude their end points; each polyline's corner is drawn once.
    canvas.setPen(QColor(0, 0, 128));
    canvas.drawLine(2, h - 2, 2, 3);
    canvas.drawLine(2, 2, w - 3, 2);
    canvas.setPen(QColor(172, 172, 255));
    canvas.drawLine(w - 2, 2, w - 2, h - 3);
    canvas.drawLine(w - 2, h - 2, 3, h - 2);
}

void TMonthlyPhases::PrintTitle(QPainter& canvas, const astro::DateTimeRec& selected) {
    const QString text = QStringLiteral("%1 %2")
                             .arg(QString::fromStdString(astro::LongMonthName(selected.Month)))
                             .arg(selected.Year)
                             .left(20);
    canvas.setFont(ArialPoints(12, true));
    canvas.setPen(QColor(220, 220, 255));
    const QFontMetrics fm = canvas.fontMetrics();
    const int x = (PageWidth - fm.horizontalAdvance(text)) / 2;
    const int y = (PageTop - fm.height()) / 2 + 1;
    canvas.drawText(x, y + fm.ascent(), text);
}

void TMonthlyPhases::PrintDayNames(QPainter& canvas, int dayOrder) {
    canvas.setFont(ArialPoints(8));
    const QFontMetrics fm = canvas.fontMetrics();
    const int cw = (PageWidth - 6) / 7;
    const int rh = fm.height() + 4;
    for (int i = 0; i < 7; ++i) {
        const int left = 3 + i * cw;
        canvas.setPen(QColor(172, 172, 255));
        canvas.setBrush(ValueTextColour);
        canvas.drawRect(left, PageTop, cw - 1, rh - 1);
        const QString name = LongWeekdayName((dayOrder + i) % 7).left(10);
        canvas.setPen(Qt::black);
        canvas.drawText(left + (cw - fm.horizontalAdvance(name)) / 2, PageTop + 2 + fm.ascent(),
                        name);
    }
    PageTop += rh;
    canvas.setBrush(Qt::white);
}

void TMonthlyPhases::PrintDayCells(QPainter& canvas, const astro::DateTimeRec& selected,
                                   bool north) {
    canvas.setFont(ArialPoints(7));
    const QFontMetrics fm = canvas.fontMetrics();
    const int cw = (PageWidth - 6) / 7;
    const int ch = (PageHeight - PageTop - 2) / 6;
    const QStringList grid =
        MonthGridTexts(selected.Month, selected.Year, ObserverSettings.DayOrder % 7);
    const astro::Observer observer = reportcontext::MainObserver();
    PhaseShadingFrame frame = reportcontext::CurrentPhaseShadingFrame();
    frame.North = north;

    for (int n = 0; n < grid.size(); ++n) {
        const QString& label = grid[n];
        if (label.left(3) == QStringLiteral(" ")) continue;
        const int x = cw * (n % 7);
        const int y = PageTop + ch * (n / 7);

        canvas.setPen(QColor(80, 80, 80));
        canvas.setBrush(Qt::black);
        canvas.drawRect(x + 3, y + 1, cw, ch);
        canvas.drawImage(x + 12, north ? y + 8 : y + 7, imgMiniMoon);

        // Day number, white on black.
        const QRect numberBox(x + 7, y + 4, fm.horizontalAdvance(label), fm.height());
        canvas.fillRect(numberBox, Qt::black);
        canvas.setPen(Qt::white);
        canvas.drawText(numberBox.left(), numberBox.top() + fm.ascent(), label);

        astro::DateTimeRec date;
        date.Day = static_cast<std::uint16_t>(label.toInt());
        date.Month = selected.Month;
        date.Year = selected.Year;
        date.Julian = astro::DateToJulian(date);
        const int lit = astro::MoonPosition(date.Julian, observer).Moon.IlluminatedPercent;
        DrawPhaseShading(canvas, x + cw / 2 + 5, y + ch / 2 + 2, kShadingRadius, lit, 0, date,
                         frame);
    }
}

void TMonthlyPhases::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (background().isNull())
        PaintFallbackFrame(painter);
    else
        painter.drawPixmap(0, 0, background());
    // The page without its outer bevel pixels, at (18, 55).
    DrawPicturePart(painter, QPoint(18, 55), imgPhases, QRect(3, 3, PageWidth - 5, PageHeight - 5));
}

// Frame drawn in code while the skin picture is missing.
void TMonthlyPhases::PaintFallbackFrame(QPainter& painter) {
    painter.fillRect(rect(), Qt::black);
    painter.fillRect(QRect(0, 0, 490, 52), QColor(20, 30, 90));
    painter.fillRect(QRect(0, 52, 15, 414), QColor(20, 30, 90));
    painter.fillRect(QRect(477, 52, 13, 414), QColor(20, 30, 90));
    painter.fillRect(QRect(0, 466, 490, 14), QColor(20, 30, 90));
    painter.setPen(QColor(220, 220, 255));
    painter.setFont(ArialPixels(14, true));
    painter.drawText(QRect(164, 10, 165, 23), Qt::AlignCenter, windowTitle());
    painter.drawRect(20, 14, 12, 12);
    painter.drawRect(461, 12, 12, 14);
    painter.drawText(QRect(461, 12, 13, 15), Qt::AlignCenter, QStringLiteral("x"));
    painter.drawText(QRect(20, 14, 13, 13), Qt::AlignCenter, QStringLiteral("S"));
}

void TMonthlyPhases::lblSaveClick() {
    // A name typed without the extension still gives a file that opens as a bitmap.
    const QString path = platform::ChooseSaveFile(
        this, QStringLiteral("picture"), TMonthlyPhases::tr("Save image to disk"),
        platform::PicturesFolder(), QStringLiteral("MoonPhases.BMP"), QStringLiteral("*.BMP"),
        QStringLiteral(".bmp"));
    if (path.isEmpty()) return;

    // Written whole or not at all: the old file stays until the new one is complete.
    QSaveFile file(path);
    QString error;
    if (!file.open(QIODevice::WriteOnly)) {
        error = file.errorString();
    } else {
        QImageWriter writer(&file, "BMP");
        // The bitmap keeps the page's size in pixels, whatever the display's scaling.
        QImage page = imgPhases.toImage().convertToFormat(QImage::Format_RGB32);
        if (page.size() != QSize(PageWidth, PageHeight))
            page =
                page.scaled(PageWidth, PageHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        page.setDevicePixelRatio(1);
        if (!writer.write(page)) {
            error = writer.errorString();
            file.cancelWriting();
        } else if (!file.commit()) {
            error = file.errorString();
        }
    }
    if (!error.isEmpty())
        platform::ShowMessage(this,
                              TMonthlyPhases::tr("The picture could not be saved as \"%1\": %2")
                                  .arg(QDir::toNativeSeparators(path), error));
}
