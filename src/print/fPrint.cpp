// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/fPrint.h"

#include "astro/fGlobals.h"
#include "print/Canvas.h"
#include "settings/ObserverSettings.h"
#include "zone/Zone.h"

#include <QCoreApplication>
#include <QDate>
#include <QPaintDevice>
#include <QPainter>

#include <QStringList>

#include <algorithm>
#include <cmath>

std::uint16_t HeaderBottom = 0;
std::uint16_t FooterHeight = 0;
QString FooterText;

namespace {

constexpr int FooterCapacity = 100;
constexpr int TitleCapacity = 20;
// The place line shrinks from its 14 points down to this before it is wrapped.
constexpr int SmallestPlacePoints = 8;
const QString PageFont = QStringLiteral("Times New Roman");

int PageWidth(const QPainter& canvas) {
    return canvas.device() ? canvas.device()->width() : 0;
}

int PageHeight(const QPainter& canvas) {
    return canvas.device() ? canvas.device()->height() : 0;
}

std::uint16_t ToUint16(long v) {
    if (v < 0) return 0;
    return static_cast<std::uint16_t>(v > 65535 ? 65535 : v);
}

QString LatitudeCaption() {
    return QCoreApplication::translate("Print", "Latitude:");
}

QString ZoneCaption() {
    return QCoreApplication::translate("Print", "Zone:");
}

} // namespace

QString PageTitle(int month, int year) {

    const QString name = QString::fromStdString(astro::LongMonthName(month));
    return QStringLiteral("%1 %2").arg(name).arg(year).left(TitleCapacity);
}

QString PlaceLine(const TObserverSettings& s) {
    const QString degree(QChar(0x00B0));
    const QString latDir = s.LatDir == QLatin1String("South")
                               ? QCoreApplication::translate("Print", "South")
                               : QCoreApplication::translate("Print", "North");
    const QString longDir = s.LongDir == QLatin1String("West")
                                ? QCoreApplication::translate("Print", "West")
                                : QCoreApplication::translate("Print", "East");
    const QString line = s.Location + QStringLiteral("     ") + LatitudeCaption() +
                         QStringLiteral(" ") + s.LatDeg + degree + QStringLiteral(" ") + s.LatMin +
                         QStringLiteral("' ") + s.LatSec + QStringLiteral("\" ") + latDir +
                         QStringLiteral(",   ") +
                         QCoreApplication::translate("Print", "Longitude:") + QStringLiteral(" ") +
                         s.LongDeg + degree + QStringLiteral(" ") + s.LongMin +
                         QStringLiteral("' ") + s.LongSec + QStringLiteral("\" ") + longDir;
    // A named zone is named with its abbreviations: "Zone: Europe/London, GMT/BST".
    const TZone zone = ZoneOfSettings(s);
    if (zone.IsNamed()) {
        const QDate today = QDate::currentDate();
        const astro::JulianDay jd = static_cast<double>(today.toJulianDay()) - 0.5;
        return (line + QStringLiteral(",   ") + ZoneCaption() + QStringLiteral(" ") +
                zone.Description(jd))
            .trimmed();
    }
    return line.trimmed();
}

QString FooterLine() {
    return QCoreApplication::translate("Print", "Printed by %1, lunar almanac")
        .arg(QLatin1String(ProgramAndVersion))
        .left(FooterCapacity);
}

void PrintPageHeader(QPainter& canvas, int month, int year, int sideClear) {
    const int pw = PageWidth(canvas);
    const int ph = PageHeight(canvas);

    canvas::SetFont(canvas, PageFont, 7);
    FooterText = FooterLine();
    FooterHeight = ToUint16(2L * canvas::TextHeight(canvas, FooterText));

    canvas.setPen(Qt::black);
    canvas.setBrush(Qt::white);
    canvas::Rectangle(canvas, 0, 0, 7 * (pw / 7), ph - FooterHeight);

    const QString title = PageTitle(month, year);
    canvas::SetFont(canvas, PageFont, 24, true);
    canvas::TextOut(canvas, (pw - canvas::TextWidth(canvas, title)) / 2, 40, title, Qt::black);
    HeaderBottom = ToUint16(3L * canvas::TextHeight(canvas, title));

    PrintPlaceLine(canvas, pw, static_cast<int>(std::trunc(4.0 * HeaderBottom / 7.0)), sideClear);
}

namespace {

// Sets the largest bold size from 14 points down to the smallest at which every line fits
// `width`; false when even the smallest is too wide.
bool FitFont(QPainter& canvas, const QStringList& lines, int width) {
    for (int points = 14; points >= SmallestPlacePoints; --points) {
        canvas::SetFont(canvas, PageFont, points, true);
        if (std::all_of(lines.begin(), lines.end(), [&](const QString& line) {
                return canvas::TextWidth(canvas, line) <= width;
            }))
            return true;
    }
    return false;
}

} // namespace

// The place line is never cut: it shrinks to fit the frame, and a line still too wide goes
// on two lines, the place above its coordinates.
void PrintPlaceLine(QPainter& canvas, int pw, int y, int sideClear) {
    const QString place = PlaceLine(ObserverSettings);
    const int margin = std::max(canvas::TextWidth(canvas, QStringLiteral("M")), sideClear);
    const int room = 7 * (pw / 7) - 2 * margin;
    QStringList lines{place};
    if (!FitFont(canvas, lines, room)) {
        const qsizetype split = std::max<qsizetype>(place.indexOf(LatitudeCaption()), 0);
        lines = {place.left(split).trimmed(), place.mid(split)};
        if (lines.first().isEmpty()) lines.removeFirst();
        if (!FitFont(canvas, lines, room)) {
            const qsizetype zone = lines.last().indexOf(ZoneCaption());
            if (zone > 0) {
                const QString coordinates = lines.last().left(zone).trimmed();
                lines.last() = lines.last().mid(zone);
                lines.insert(lines.size() - 1, coordinates.endsWith(QLatin1Char(','))
                                                   ? coordinates.chopped(1)
                                                   : coordinates);
            }
            FitFont(canvas, lines, room);
        }
    }
    for (const QString& line : lines) {
        canvas::TextOut(canvas, (pw - canvas::TextWidth(canvas, line)) / 2, y, line, Qt::black);
        y += canvas::TextHeight(canvas, line);
    }
}

void PrintPageFooter(QPainter& canvas) {
    const int pw = PageWidth(canvas);
    const int ph = PageHeight(canvas);
    canvas::SetFont(canvas, PageFont, 7, false, true);
    canvas::TextOut(canvas, (pw - canvas::TextWidth(canvas, FooterText)) / 2,
                    ph - static_cast<int>(std::trunc(FooterHeight * 0.75)), FooterText, Qt::black);
    canvas::SetFont(canvas, PageFont, 7);
}
