// SPDX-License-Identifier: GPL-3.0-or-later
// The main window on a display scaled to 200 %: the clock strip is drawn at the display's
// resolution, not drawn at 100 % and doubled.
#include "main_window_fixture.h"

#include <QImage>

namespace {

// Set before the application starts (static objects are built before main).
const bool scaled = [] {
    qputenv("QT_SCALE_FACTOR", "2");
    return true;
}();

using ScaledDisplay = MainWindowTest;

// Pixels of the rows y0 .. y1 - 1 that differ from their left neighbour inside a 2 x 2 block;
// a picture drawn at half the resolution and doubled has none.
int SplitBlocks(const QImage& image, int y0, int y1) {
    int count = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = 0; x + 1 < image.width(); x += 2)
            if (image.pixel(x, y) != image.pixel(x + 1, y)) ++count;
    return count;
}

TEST_F(ScaledDisplay, ClockStripIsSharp) {
    ASSERT_TRUE(scaled);
    ASSERT_DOUBLE_EQ(qGuiApp->devicePixelRatio(), 2.0);
    main->show();
    SelectDate(2024, 3, 15);
    main->update();
    QCoreApplication::processEvents();
    const QPixmap shot = main->grab();
    ASSERT_DOUBLE_EQ(shot.devicePixelRatio(), 2.0);
    const QImage image = shot.toImage().convertToFormat(QImage::Format_RGB32);
    // The clock strip: 25 rows from y = 40, in device pixels.
    EXPECT_GT(SplitBlocks(image, 80, 130), 200);
}

} // namespace
