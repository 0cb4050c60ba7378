// SPDX-License-Identifier: GPL-3.0-or-later
// The monthly phases page: its frame, the grid matching the main calendar, the Moon pictures
// and their shading, the southern turn, and saving the page as a bitmap.
#include "ReportFixture.h"

#include "ui/reports/fMonthlyPhases.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>

#include <cmath>

namespace {

constexpr int kW = TMonthlyPhases::PageWidth;
constexpr int kH = TMonthlyPhases::PageHeight;
constexpr int kCw = (kW - 6) / 7;

class MonthlyPhases : public ReportFixture {
  protected:
    void SetUp() override {
        ReportFixture::SetUp();
        phases = Windows().MonthlyPhases;
        ASSERT_TRUE(phases);
    }

    QImage Page() const { return phases->page().toImage().convertToFormat(QImage::Format_RGB32); }
    int CellHeight() const { return (kH - phases->pageTop() - 2) / 6; }
    // Centre of the Moon drawing of grid cell n.
    QPoint MoonCentre(int n) const {
        return {kCw * (n % 7) + kCw / 2 + 5,
                phases->pageTop() + CellHeight() * (n / 7) + CellHeight() / 2 + 2};
    }
    static int Brightness(const QImage& page, QPoint p) { return qGray(page.pixel(p)); }

    TMonthlyPhases* phases = nullptr;
};

TEST_F(MonthlyPhases, FebruaryStartingOnTheFirstWeekdayFillsFourRows) {
    // 1 February 2026 is a Sunday: with Sunday first, 28 days fill rows one to four exactly.
    SelectDay(10, 2, 2026);
    phases->show();
    const QImage page = Page();
    EXPECT_EQ(page.size(), QSize(kW, kH));

    // The sunken bevel.
    EXPECT_EQ(page.pixelColor(0, 0), QColor(0, 0, 255));
    EXPECT_EQ(page.pixelColor(1, 1), QColor(100, 100, 255));
    EXPECT_EQ(page.pixelColor(2, 200), QColor(0, 0, 128));
    EXPECT_EQ(page.pixelColor(kW - 2, 200), QColor(172, 172, 255));
    EXPECT_EQ(page.pixelColor(200, kH - 2), QColor(172, 172, 255));
    // The weekday row: light yellow cells under the title band.
    EXPECT_EQ(page.pixelColor(5, 33), QColor(255, 255, 176));
    EXPECT_GT(phases->pageTop(), 32);

    // Full moon on 1 February (22h UT): a bright Moon; new moon on 17 February: dark.
    EXPECT_GT(Brightness(page, MoonCentre(0)), 100);
    // Not a pixel of the photograph shows on the new Moon's disc, its rim included.
    const QPoint photo(kCw * (16 % 7) + 12, phases->pageTop() + CellHeight() * (16 / 7) + 8);
    for (int py = 0; py < 49; ++py)
        for (int px = 0; px < 50; ++px)
            if (std::hypot(px - 24.5, py - 24) <= 26.5) {
                EXPECT_LT(Brightness(page, photo + QPoint(px, py)), 40) << px << "," << py;
            }
    // Day 28 is drawn (cell 27); rows five and six stay black.
    EXPECT_GT(Brightness(page, MoonCentre(27) + QPoint(-10, 0)), 30);
    const int rowFive = phases->pageTop() + 4 * CellHeight();
    for (int y = rowFive + 2; y < kH - 3; y += 3) // below row four's outline
        for (int x = 3; x < kW - 3; x += 3)
            ASSERT_EQ(page.pixelColor(x, y), QColor(Qt::black)) << x << "," << y;
}

TEST_F(MonthlyPhases, GridFollowsTheFirstWeekdayAndTheMonthChange) {
    ObserverSettings.DayOrder = 6; // Saturday first: 1 February 2026 in the second column
    SelectDay(10, 2, 2026);
    phases->show();
    QImage page = Page();
    EXPECT_EQ(page.pixelColor(MoonCentre(0)), QColor(Qt::black)); // empty cell
    EXPECT_GT(Brightness(page, MoonCentre(1)), 100);

    // A month picked in the main window redraws the open page: March 2026 starts on a Sunday,
    // column two with Saturday first; its full moon falls on 3 March (cell 3).
    main->SelectedDate.Month = 3;
    main->ShowSelectedMonth();
    emit main->selectedMonthChanged();
    page = Page();
    EXPECT_GT(Brightness(page, MoonCentre(3)), 100);
    EXPECT_EQ(page.pixelColor(MoonCentre(0)), QColor(Qt::black));
}

TEST_F(MonthlyPhases, SouthernObserverSeesTheMoonTurnedAndRaisedOnePixel) {
    SelectDay(10, 2, 2026);
    phases->show();
    const QImage north = Page();
    ObserverSettings.LatDir = QStringLiteral("South");
    phases->DrawMoonPhases();
    const QImage south = Page();
    // Cell 0 (1 February): the picture's inner part, away from the shaded limb.
    const int x = 12, y = phases->pageTop();
    for (int py = 10; py < 39; ++py)
        for (int px = 10; px < 40; ++px)
            ASSERT_EQ(south.pixel(x + px, y + 7 + py), north.pixel(x + 49 - px, y + 8 + 48 - py))
                << px << "," << py;
}

TEST_F(MonthlyPhases, SavesThePageAsABitmap) {
    SelectDay(10, 2, 2026);
    phases->show();
    saveAnswer = dir_.filePath(QStringLiteral("phases.BMP"));
    phases->lblSaveClick();
    ASSERT_EQ(suggestedNames.size(), 1);
    EXPECT_EQ(QFileInfo(suggestedNames[0]).fileName(), QStringLiteral("MoonPhases.BMP"));
    EXPECT_EQ(filters[0], QStringLiteral("*.BMP"));
    EXPECT_TRUE(messages.isEmpty());

    QFile file(saveAnswer);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.read(2), QByteArray("BM"));
    file.close();
    const QImage saved = QImage(saveAnswer).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(saved.size(), QSize(kW, kH));
    EXPECT_EQ(saved.pixelColor(0, 0), QColor(0, 0, 255));
    EXPECT_EQ(saved.pixelColor(5, 33), QColor(255, 255, 176));
    EXPECT_EQ(saved.pixelColor(MoonCentre(16)), QColor(Qt::black));
    EXPECT_EQ(saved, Page());

    // A name typed without the extension gets ".bmp", as a PDF gets ".pdf".
    saveAnswer = dir_.filePath(QStringLiteral("phases"));
    phases->lblSaveClick();
    EXPECT_FALSE(QFile::exists(saveAnswer));
    EXPECT_EQ(QImage(saveAnswer + QStringLiteral(".bmp")).size(), QSize(kW, kH));
}

TEST_F(MonthlyPhases, CancelWritesNothingAndAFailureIsReported) {
    SelectDay(10, 2, 2026);
    phases->show();
    const QString existing = dir_.filePath(QStringLiteral("MoonPhases.BMP"));
    {
        QFile old(existing);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old");
    }
    saveAnswer.clear(); // cancelled
    phases->lblSaveClick();
    QFile kept(existing);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray("old"));
    EXPECT_TRUE(messages.isEmpty());

    saveAnswer = dir_.filePath(QStringLiteral("no such folder/MoonPhases.BMP"));
    phases->lblSaveClick();
    EXPECT_EQ(messages.size(), 1);
    EXPECT_FALSE(QFileInfo::exists(saveAnswer));
}

TEST(MonthGrid, LaysOutMonthsAsTheMainCalendar) {
    // Monday first, a 31-day month starting on Sunday (March 2026): offset 6, six rows.
    const QStringList grid = MonthGridTexts(3, 2026, 1);
    ASSERT_EQ(grid.size(), 42);
    EXPECT_EQ(grid[5], QStringLiteral(" "));
    EXPECT_EQ(grid[6], QStringLiteral("1"));
    EXPECT_EQ(grid[36], QStringLiteral("31"));
    EXPECT_EQ(grid[37], QStringLiteral(" "));
    EXPECT_EQ(MonthGridTexts(2, 2000, 0).filter(QStringLiteral("29")).size(), 1);
    EXPECT_EQ(MonthGridTexts(2, 1900, 0).filter(QStringLiteral("29")).size(), 0);
}

} // namespace
