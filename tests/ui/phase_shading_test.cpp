// SPDX-License-Identifier: GPL-3.0-or-later
// The dark part of the Moon: solid at new moon, one limb arc at full, the dark half and the
// centre line at half, and mirrored for the southern hemisphere.
#include "print/fPhaseShading.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QPicture>
#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr int kCx = 50, kCy = 50, kR = 25;
const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kWhite = qRgb(255, 255, 255);

QImage Shaded(int percent, DarkSide side, int grey = 0) {
    QImage image(100, 100, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    DrawPhaseShadingOnSide(painter, kCx, kCy, kR, percent, grey, side);
    return image;
}

// Pixels well inside the disc (columns cx - r .. cx + r - 1, rows cy - r .. cy + r - 1).
bool InsideDisc(int x, int y) {
    const double dx = (x - (kCx - 0.5)) / (kR - 0.5);
    const double dy = (y - (kCy - 0.5)) / (kR - 0.5);
    return dx * dx + dy * dy <= 0.9;
}

int CountDark(const QImage& image, int fromX, int toX) {
    int dark = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = fromX; x <= toX; ++x)
            if (image.pixel(x, y) != kWhite) ++dark;
    return dark;
}

astro::DateTimeRec Day(int day, int month, int year) {
    astro::DateTimeRec d;
    d.Day = static_cast<std::uint16_t>(day);
    d.Month = static_cast<std::uint16_t>(month);
    d.Year = static_cast<std::uint16_t>(year);
    d.Julian = astro::DateToJulian(d);
    return d;
}

TEST(PhaseShading, NewMoonPaintsTheWholeDiscSolidly) {
    for (DarkSide side : {DarkSide::Left, DarkSide::Right}) {
        const QImage image = Shaded(0, side);
        for (int y = 0; y < 100; ++y)
            for (int x = 0; x < 100; ++x) {
                if (InsideDisc(x, y)) {
                    ASSERT_EQ(image.pixel(x, y), kBlack) << x << "," << y;
                }
            }
        // The limb on both sides, and nothing outside the disc's box.
        EXPECT_EQ(image.pixel(kCx - kR, kCy), kBlack);
        EXPECT_EQ(image.pixel(kCx + kR - 1, kCy), kBlack);
        EXPECT_EQ(image.pixel(kCx - kR - 1, kCy), kWhite);
        EXPECT_EQ(image.pixel(kCx + kR, kCy), kWhite);
        EXPECT_EQ(image.pixel(kCx, kCy - kR - 1), kWhite);
        EXPECT_EQ(image.pixel(kCx, kCy + kR), kWhite);
    }
}

TEST(PhaseShading, FullMoonOutlinesOnlyTheDarkLimb) {
    const QImage left = Shaded(100, DarkSide::Left);
    EXPECT_EQ(left.pixel(kCx - kR, kCy), kBlack);
    EXPECT_EQ(left.pixel(kCx - kR + 3, kCy), kWhite);
    EXPECT_EQ(left.pixel(kCx - 1, kCy), kWhite);
    EXPECT_EQ(CountDark(left, kCx, 99), 0); // the lit half untouched
    // One arc: about one pixel per row plus the steps near the poles.
    EXPECT_LT(CountDark(left, 0, kCx - 1), 4 * kR);

    const QImage right = Shaded(100, DarkSide::Right);
    EXPECT_EQ(right.pixel(kCx + kR - 1, kCy), kBlack);
    EXPECT_EQ(CountDark(right, 0, kCx - 1), 0);
}

TEST(PhaseShading, HalfLitDarkensOneHalfUpToTheCentreLine) {
    const QImage left = Shaded(50, DarkSide::Left);
    for (int y = kCy - kR; y < kCy + kR; ++y) {
        ASSERT_EQ(left.pixel(kCx - 1, y), kBlack) << y; // the centre line, cx - 1 on the left
        ASSERT_EQ(left.pixel(kCx, y), kWhite) << y;
    }
    for (int x = kCx - kR; x < kCx; ++x)
        EXPECT_EQ(left.pixel(x, kCy), kBlack) << x;
    EXPECT_EQ(CountDark(left, kCx, 99), 0);

    const QImage right = Shaded(50, DarkSide::Right);
    for (int y = kCy - kR; y < kCy + kR; ++y) {
        ASSERT_EQ(right.pixel(kCx, y), kBlack) << y;
        ASSERT_EQ(right.pixel(kCx - 1, y), kWhite) << y;
    }
}

TEST(PhaseShading, SidesMirrorExactlyAtEveryPercentage) {
    for (int p = 0; p <= 100; p += 7) {
        const QImage left = Shaded(p, DarkSide::Left);
        const QImage right = Shaded(p, DarkSide::Right);
        // Column cx - 1 - k on the left is column cx + k on the right.
        for (int y = 0; y < 100; ++y)
            for (int k = 0; k < 50; ++k)
                ASSERT_EQ(left.pixel(kCx - 1 - k, y), right.pixel(kCx + k, y))
                    << "p=" << p << " k=" << k << " y=" << y;
    }
}

TEST(PhaseShading, CrescentDarkensMoreThanHalfAndGibbousLess) {
    const int crescent = CountDark(Shaded(20, DarkSide::Left), 0, 99);
    const int half = CountDark(Shaded(50, DarkSide::Left), 0, 99);
    const int gibbous = CountDark(Shaded(80, DarkSide::Left), 0, 99);
    EXPECT_GT(crescent, half);
    EXPECT_GT(half, gibbous);
    // At 20 % lit the terminator lies on the lit side: columns right of centre are dark.
    EXPECT_EQ(Shaded(20, DarkSide::Left).pixel(kCx + 5, kCy), kBlack);
    EXPECT_EQ(Shaded(80, DarkSide::Left).pixel(kCx - 5, kCy), kWhite);
}

TEST(PhaseShading, GreyLevelAndOutOfRangeInput) {
    EXPECT_EQ(Shaded(0, DarkSide::Left, 63).pixel(kCx, kCy), qRgb(63, 63, 63));
    // Percentages outside 0..100 are held to the range rather than painting outside the disc.
    EXPECT_EQ(Shaded(150, DarkSide::Left), Shaded(100, DarkSide::Left));
    EXPECT_EQ(Shaded(-20, DarkSide::Left), Shaded(0, DarkSide::Left));
}

TEST(PhaseShading, WaxingAndWaningChooseTheSideByHemisphere) {
    PhaseShadingFrame frame;
    // New moon 6 January 2000, full moon 21 January, new moon 5 February.
    EXPECT_FALSE(IsWaning(Day(10, 1, 2000), frame));
    EXPECT_TRUE(IsWaning(Day(25, 1, 2000), frame));
    EXPECT_EQ(DarkSideOf(false, true), DarkSide::Left);
    EXPECT_EQ(DarkSideOf(true, true), DarkSide::Right);
    EXPECT_EQ(DarkSideOf(false, false), DarkSide::Right);
    EXPECT_EQ(DarkSideOf(true, false), DarkSide::Left);

    // A waxing half Moon: dark on the left in the north, on the right in the south.
    QImage north(100, 100, QImage::Format_RGB32), south(100, 100, QImage::Format_RGB32);
    north.fill(Qt::white);
    south.fill(Qt::white);
    {
        QPainter p(&north);
        DrawPhaseShading(p, kCx, kCy, kR, 50, 0, Day(13, 1, 2000), frame);
    }
    frame.North = false;
    {
        QPainter p(&south);
        DrawPhaseShading(p, kCx, kCy, kR, 50, 0, Day(13, 1, 2000), frame);
    }
    EXPECT_EQ(north.pixel(kCx - 10, kCy), kBlack);
    EXPECT_EQ(north.pixel(kCx + 10, kCy), kWhite);
    EXPECT_EQ(south.pixel(kCx - 10, kCy), kWhite);
    EXPECT_EQ(south.pixel(kCx + 10, kCy), kBlack);
}

TEST(PhaseShading, ZoneAndClockOffsetsMoveTheWaningInstant) {
    // Half the lunation of 6 January to 5 February 2000 falls on 21 January near 15h UT:
    // 21 January 0h is still waxing, a clock a day ahead is past it.
    PhaseShadingFrame frame;
    const astro::DateTimeRec day = Day(21, 1, 2000);
    EXPECT_FALSE(IsWaning(day, frame));
    frame.ClockOffsetDays = 1.0;
    EXPECT_TRUE(IsWaning(day, frame));
}

// The same drawing recorded on a vector canvas (as a printer gets it) and played back.
QImage ShadedThroughVectorCanvas(int percent, DarkSide side) {
    QPicture picture;
    {
        QPainter recorder(&picture);
        DrawPhaseShadingOnSide(recorder, kCx, kCy, kR, percent, 0, side);
    }
    QImage image(100, 100, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    picture.play(&painter);
    return image;
}

TEST(PhaseShading, VectorCanvasFillsTheSameRegion) {
    const auto dark = [](const QImage& image, int x, int y) {
        return qGray(image.pixel(x, y)) < 128;
    };
    for (DarkSide side : {DarkSide::Left, DarkSide::Right}) {
        const int toDark = side == DarkSide::Left ? -1 : 1; // direction of the dark side
        for (int p : {0, 20, 50, 80, 100}) {
            const QImage vector = ShadedThroughVectorCanvas(p, side);
            const QImage raster = Shaded(p, side);
            // Away from the terminator and the limb the two agree.
            int disagreements = 0;
            for (int dx = -20; dx <= 20; dx += 4) {
                const int x = kCx + dx;
                const double terminator = toDark * (kR - 2.0 * kR * (100 - p) / 100.0);
                if (std::abs(dx - terminator) < 3) continue;
                if (dark(vector, x, kCy) != dark(raster, x, kCy)) ++disagreements;
            }
            EXPECT_EQ(disagreements, 0) << "p=" << p;
        }
    }
}

TEST(PhaseShading, APrintedMonthStaysSmall) {
    // Thirty-one drawings of radius 350 device pixels on a 1200 dpi page.
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setResolution(1200);
        QPainter painter(&writer);
        for (int n = 0; n < 31; ++n)
            DrawPhaseShadingOnSide(painter, 400 + 800 * (n % 7), 400 + 800 * (n / 7), 350, 3 * n,
                                   63, n % 2 ? DarkSide::Left : DarkSide::Right);
    }
    EXPECT_LT(pdf.size(), 200 * 1024);
}

} // namespace
