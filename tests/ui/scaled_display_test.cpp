// SPDX-License-Identifier: GPL-3.0-or-later
// The windows on a display scaled to 200 %: what they draw is drawn at the display's resolution,
// not drawn at 100 % and doubled, and their skin and button pictures are the ones painted at
// twice the resolution, not enlarged copies.
#include "ReportFixture.h"
#include "data/FeatureFile.h"
#include "main_window_fixture.h"
#include "ui/reports/fAltitudeGraph.h"
#include "ui/reports/fEclipseReport.h"
#include "ui/reports/fFeatures.h"
#include "ui/reports/fMonthlyPhases.h"
#include "ui/reports/fObservingAid.h"
#include "ui/reports/fTimesList.h"
#include "ui/style/Style.h"

#include <QImage>
#include <QLabel>

#include <cstdlib>

namespace {

// Set before the application starts (static objects are built before main).
const bool scaled = [] {
    qputenv("QT_SCALE_FACTOR", "2");
    return true;
}();

using ScaledDisplay = MainWindowTest;

// Pixels of the rows y0 .. y1 - 1 that differ from their left neighbour inside a 2 x 2 block;
// a picture drawn at half the resolution and doubled has none.
int SplitBlocks(const QImage& image, int y0, int y1, int x0 = 0, int x1 = -1) {
    if (x1 < 0) x1 = image.width();
    int count = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x + 1 < x1; x += 2)
            if (image.pixel(x, y) != image.pixel(x + 1, y)) ++count;
    return count;
}

// The same for an area given in points of a window grabbed at scale 2.
int SplitBlocksIn(QWidget& window, const QRect& points) {
    const QImage image = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRect px(points.topLeft() * 2, points.size() * 2);
    return SplitBlocks(image, px.top(), px.bottom(), px.left(), px.right());
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

TEST_F(ScaledDisplay, MoonDrawingIsSharp) {
    main->show();
    SelectDate(2024, 3, 15); // a waxing Moon: terminator across the disc
    main->update();
    QCoreApplication::processEvents();
    EXPECT_DOUBLE_EQ(main->moonPicture().devicePixelRatio(), 2.0);
    EXPECT_GT(SplitBlocksIn(*main, QRect(26, 80, 156, 156)), 1000);
}

using ScaledReports = ReportFixture;

// Each list and chart is drawn at the display's resolution.
TEST_F(ScaledReports, ListsChartsAndPagesAreSharp) {
    SelectDay(15, 3, 2024);
    auto shown = [](QWidget* w) {
        w->show();
        QCoreApplication::processEvents();
        return w;
    };
    TTimesList* times = Windows().TimesList;
    times->SetupDataBitmap(main->SelectedDate);
    EXPECT_GT(SplitBlocksIn(*shown(times), QRect(20, 80, 600, 380)), 2000);

    TObservingAid* aid = Windows().ObservingAid;
    aid->doa();
    EXPECT_GT(SplitBlocksIn(*shown(aid), QRect(20, 75, 500, 384)), 500);

    TMonthlyPhases* phases = Windows().MonthlyPhases;
    EXPECT_GT(SplitBlocksIn(*shown(phases), QRect(18, 55, 440, 400)), 1000);

    TEclipseReport* report = Windows().EclipseReport;
    EclipseEntry entry;
    entry.Kind = 2;
    entry.Text = QStringLiteral("18:44  28 August 2026");
    entry.Visibility = QStringLiteral("Visible");
    shown(report);
    report->SetEntries({entry, entry, entry});
    QCoreApplication::processEvents();
    EXPECT_GT(SplitBlocksIn(*report, QRect(TEclipseReport::ListLeft, report->ScrollBar1->y(),
                                           TEclipseReport::ListWidth, 48)),
              300);

    QString error;
    ASSERT_TRUE(WriteFeatureFile(
        {{QStringLiteral("Plato"), QStringLiteral("-009.3"), QStringLiteral("51.6")}}, error));
    TFeatures* features = Windows().Features;
    features->DisplaySunRiseSetTimes(main->SelectedDate, main->observer());
    features->WaitForTimes();
    EXPECT_GT(SplitBlocksIn(*shown(features), QRect(20, features->ScrollBar1->y(), 500, 16)), 200);
}

// Mean difference per colour channel of the area `points` of two pictures at ratio 2.
double MeanDifference(const QImage& a, const QImage& b, const QRect& points) {
    const QRect px(points.topLeft() * 2, points.size() * 2);
    long long sum = 0;
    long long count = 0;
    for (int y = px.top(); y <= px.bottom(); ++y)
        for (int x = px.left(); x <= px.right(); ++x) {
            if (!a.valid(x, y) || !b.valid(x, y)) continue;
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q));
            count += 3;
        }
    return count ? double(sum) / double(count) : 255.0;
}

// Every window's skin and every picture on its labels come at the display's ratio; the title
// plate on the screen is the picture painted at 2x itself (sharp: its text splits the 2 x 2
// blocks), not the 1x picture enlarged.
TEST_F(ScaledReports, EveryWindowsSkinAndButtonPicturesArePaintedAtTwiceTheResolution) {
    SelectDay(15, 3, 2024);
    int count = 0;
    QWidget* const* created = CreatedWindowsInOrder(count);
    std::vector<QWidget*> windows(created, created + count);
    windows.push_back(Windows().AltitudeGraph);
    int compared = 0;
    int skins = 0;
    for (QWidget* w : windows) {
        ASSERT_TRUE(w);
        const std::string name = w->metaObject()->className();
        w->show();
        QCoreApplication::processEvents();
        auto* frame = qobject_cast<TFrame*>(w);
        ASSERT_TRUE(frame) << name;
        // The menus are their rows' pictures alone.
        if (!frame->background().isNull()) {
            EXPECT_DOUBLE_EQ(frame->background().devicePixelRatio(), 2.0) << name;
            EXPECT_EQ(mainstyle::PointSize(frame->background()).width(), w->width()) << name;
            ++skins;
        }
        for (const QLabel* label : w->findChildren<QLabel*>()) {
            const QPixmap picture = label->pixmap();
            if (picture.isNull()) continue;
            EXPECT_DOUBLE_EQ(picture.devicePixelRatio(), 2.0)
                << name << "::" << label->objectName().toStdString();
        }
        if (frame->lblTitle && w != main) {
            const QRect title = frame->lblTitle->geometry();
            const QImage shot = w->grab().toImage().convertToFormat(QImage::Format_RGB32);
            const QImage skin = frame->background().toImage().convertToFormat(QImage::Format_RGB32);
            EXPECT_LT(MeanDifference(shot, skin, title), 2.0) << name;
            EXPECT_GT(SplitBlocks(shot, title.top() * 2, title.bottom() * 2, title.left() * 2,
                                  title.right() * 2),
                      40)
                << name;
            ++compared;
        }
        w->hide();
    }
    EXPECT_GE(skins, 15);
    EXPECT_GE(compared, 8);
}

// The pictures painted at 2x hold more than the 1x ones enlarged: the main window's skin
// differs from its 1x picture doubled, most of all at its texts and edges.
TEST(ScaledPictures, TwiceTheResolutionPicturesAreNotEnlargedCopies) {
    const QImage sharp = mainstyle::SkinPicture(QStringLiteral("main.jpg")).toImage();
    ASSERT_DOUBLE_EQ(sharp.devicePixelRatio(), 2.0);
    const QImage plain(QStringLiteral(":/main.jpg"));
    ASSERT_EQ(sharp.size(), plain.size() * 2);
    const QImage enlarged =
        plain.scaled(sharp.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QRect title(264, 12, 113, 25);
    EXPECT_GT(MeanDifference(sharp.convertToFormat(QImage::Format_RGB32),
                             enlarged.convertToFormat(QImage::Format_RGB32), title),
              4.0);
}

} // namespace
