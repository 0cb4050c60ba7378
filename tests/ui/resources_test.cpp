// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures of the resource list load through the resource system at their sizes, and the
// ones whose geometry the windows rely on have it.
#include "ui/style/Style.h"

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QRegularExpression>
#include <gtest/gtest.h>

#include <map>
#include <set>

static void initResources() {
    Q_INIT_RESOURCE(resources);
}

namespace {

const std::map<QString, QSize> kExpectedSizes = {
    {"main.jpg", {640, 480}},
    {"optics_binoculars.png", {28, 25}},
    {"optics_telescope.png", {28, 25}},
    {"eclipse_button.png", {28, 25}},
    {"clock_strip.jpg", {640, 24}},
    {"time_editor.png", {146, 31}},
    {"date_marker.png", {25, 23}},
    {"year_entry.png", {64, 28}},
    {"moon_table.png", {96, 68}},
    {"sun_table.png", {96, 68}},
    {"moon_full_156.jpg", {156, 156}},
    {"phase_new.png", {30, 30}},
    {"phase_first_quarter.png", {30, 30}},
    {"phase_full.png", {30, 30}},
    {"phase_last_quarter.png", {30, 30}},
    {"phase_blue.png", {30, 30}},
    {"moon_full_50x49.jpg", {50, 49}},
    {"phases.jpg", {490, 480}},
    {"phases_top.jpg", {490, 52}},
    {"phases_bottom.jpg", {490, 14}},
    {"phases_left.jpg", {15, 414}},
    {"phases_right.jpg", {13, 414}},
    {"timeslist.jpg", {640, 481}},
    {"timeslist_top.jpg", {640, 80}},
    {"timeslist_bottom.jpg", {640, 21}},
    {"timeslist_right.jpg", {20, 380}},
    {"timeslist_left.jpg", {20, 380}},
    {"config.jpg", {284, 400}},
    {"radio_set.png", {13, 13}},
    {"radio_unset.png", {13, 13}},
    {"printoptions.jpg", {220, 260}},
    {"month_list.jpg", {100, 348}},
    {"month_arrow.png", {12, 29}},
    {"dateinfo.jpg", {250, 165}},
    {"about.jpg", {300, 200}},
    {"eclipse.jpg", {252, 252}},
    {"eclipse_top.jpg", {252, 72}},
    {"eclipse_bottom.jpg", {252, 10}},
    {"eclipse_left.jpg", {10, 170}},
    {"eclipse_right.jpg", {10, 170}},
    {"eclipsereport.jpg", {390, 285}},
    {"eclipsereport_top.jpg", {390, 72}},
    {"eclipsereport_bottom.jpg", {390, 21}},
    {"eclipsereport_left.jpg", {20, 192}},
    {"eclipsereport_right.jpg", {21, 192}},
    {"equinox.jpg", {350, 155}},
    {"easter.jpg", {200, 104}},
    {"report_lunar_visibility.png", {265, 20}},
    {"report_find_eclipses.png", {265, 20}},
    {"report_display_phases.png", {265, 20}},
    {"report_lunar_features.png", {265, 20}},
    {"report_equinox_info.png", {265, 20}},
    {"report_easter.png", {265, 20}},
    {"report_save_calendar.png", {265, 20}},
    {"web_lunar_resources.png", {265, 20}},
    {"web_moon_views.png", {265, 20}},
    {"web_moon_nssdc.png", {265, 20}},
    {"web_exploring_the_moon.png", {265, 20}},
    {"web_american_lunar_society.png", {265, 20}},
    {"web_alpo_lunar_section.png", {265, 20}},
    {"web_international_occultation_timing_assoc.png", {265, 20}},
    {"web_inconstant_moon.png", {265, 20}},
    {"web_lunar_orbiter_photographic_atlas.png", {265, 20}},
    {"web_lunascan.png", {265, 20}},
    {"web_clementine_lunar_image_browser.png", {265, 20}},
    {"web_lunar_eclipse_observer.png", {265, 20}},
    {"web_lunar_eclipse_photography.png", {265, 20}},
    {"web_lunar_missions.png", {265, 20}},
    {"web_americas_greatest_adventure.png", {265, 20}},
    {"web_lunar_prospector_mission.png", {265, 20}},
    {"web_clementine_mission.png", {265, 20}},
    {"web_apollo_lunar_surface_journal.png", {265, 20}},
    {"menu_arrow.png", {15, 20}},
    {"obsaid.jpg", {540, 480}},
    {"obsaid_top.jpg", {540, 60}},
    {"obsaid_left.jpg", {20, 400}},
    {"obsaid_right.jpg", {20, 400}},
    {"obsaid_bottom.jpg", {540, 20}},
    {"obsaid_night.png", {24, 22}},
    {"obsaid_day.png", {24, 22}},
    {"obsaid_grid.png", {24, 22}},
    {"obsaid_lines.png", {24, 22}},
    {"features.jpg", {640, 480}},
    {"features_top.jpg", {640, 62}},
    {"features_bottom.jpg", {640, 20}},
    {"features_left.jpg", {20, 398}},
    {"features_right.jpg", {20, 398}},
    {"featuresdb.jpg", {505, 393}},
    {"feature_add.png", {80, 23}},
    {"feature_update.png", {80, 23}},
    {"icons/cresselle-48.png", {48, 48}},
    {"icons/cresselle-128.png", {128, 128}},
    {"icons/cresselle-256.png", {256, 256}},
};

QString sourceDir() {
    return qEnvironmentVariable("CRESSELLE_SOURCE_DIR");
}

QStringList listedFiles() {
    QFile qrc(sourceDir() + "/resources/resources.qrc");
    if (!qrc.open(QIODevice::ReadOnly | QIODevice::Text)) return {};
    const QString text = QString::fromUtf8(qrc.readAll());
    QStringList files;
    const QRegularExpression entry("<file>([^<]+)</file>");
    for (auto it = entry.globalMatch(text); it.hasNext();)
        files << it.next().captured(1);
    return files;
}

QImage picture(const QString& file) {
    initResources();
    return QImage(":/" + file).convertToFormat(QImage::Format_RGB32);
}

double meanLuminance(const QImage& image, const QRect& area) {
    double sum = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            sum += qGray(image.pixel(x, y));
    return sum / (area.width() * area.height());
}

int brightest(const QImage& image, const QRect& area) {
    int most = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb c = image.pixel(x, y);
            most = std::max({most, qRed(c), qGreen(c), qBlue(c)});
        }
    return most;
}

} // namespace

TEST(Resources, EveryListedPictureLoadsAtItsSize) {
    ASSERT_FALSE(sourceDir().isEmpty()) << "CRESSELLE_SOURCE_DIR is not set";
    const QStringList files = listedFiles();
    ASSERT_FALSE(files.isEmpty());
    initResources();
    for (const QString& file : files) {
        SCOPED_TRACE(file.toStdString());
        const QImage image(":/" + file);
        ASSERT_FALSE(image.isNull());
        // "<name>@2x.<ext>": the picture at twice the resolution, read with a ratio of 2.
        QString plain = file;
        const bool doubled = plain.contains(QLatin1String("@2x."));
        plain.replace(QLatin1String("@2x."), QLatin1String("."));
        const auto expected = kExpectedSizes.find(plain);
        ASSERT_NE(expected, kExpectedSizes.end()) << "picture without an expected size";
        EXPECT_EQ(image.size(), doubled ? expected->second * 2 : expected->second);
        EXPECT_DOUBLE_EQ(image.devicePixelRatio(), doubled ? 2.0 : 1.0);
        // Every window picture comes at twice the resolution too; the icons only as they are.
        if (!doubled && !plain.startsWith(QLatin1String("icons/"))) {
            EXPECT_TRUE(files.contains(mainstyle::DoubleResolutionName(plain)))
                << "no picture at twice the resolution";
        }
    }
    const std::set<QString> listed(files.begin(), files.end());
    EXPECT_EQ(listed.size(), size_t(files.size())) << "a file is listed twice";
    for (const auto& [file, size] : kExpectedSizes)
        EXPECT_TRUE(listed.count(file)) << file.toStdString() << " is not in resources.qrc";
}

// The shading arcs of the Moon drawing run over x 3 .. 153 and y 3 .. 154, and the phase page
// shades a disc of radius 25 around (25, 24): the photographs' limbs must lie there.
TEST(Resources, MoonPhotographsFillTheShadingDiscs) {
    const QImage moon = picture("moon_full_156.jpg");
    for (const QPoint outside : {QPoint(0, 0), QPoint(155, 155), QPoint(1, 79), QPoint(155, 79),
                                 QPoint(78, 1), QPoint(12, 12)})
        EXPECT_LT(brightest(moon, QRect(outside, QSize(1, 1))), 12)
            << outside.x() << "," << outside.y();
    for (const QPoint inside : {QPoint(6, 79), QPoint(150, 79), QPoint(78, 6), QPoint(78, 151)})
        EXPECT_GT(qGray(moon.pixel(inside)), 25) << inside.x() << "," << inside.y();
    EXPECT_GT(meanLuminance(moon, QRect(48, 48, 60, 60)), 70);

    const QImage small = picture("moon_full_50x49.jpg");
    EXPECT_LT(brightest(small, QRect(0, 0, 3, 3)), 12);
    EXPECT_LT(brightest(small, QRect(47, 46, 3, 3)), 12);
    EXPECT_GT(qGray(small.pixel(3, 24)), 20);
    EXPECT_GT(qGray(small.pixel(47, 24)), 20);
}

TEST(Resources, PhaseIconsShowTheirPhases) {
    const QRect left(0, 0, 15, 30), right(15, 0, 15, 30), whole(0, 0, 30, 30);
    const QImage first = picture("phase_first_quarter.png");
    EXPECT_GT(meanLuminance(first, right), 3 * meanLuminance(first, left)) << "lit on the right";
    const QImage last = picture("phase_last_quarter.png");
    EXPECT_GT(meanLuminance(last, left), 3 * meanLuminance(last, right)) << "lit on the left";
    const QImage full = picture("phase_full.png");
    EXPECT_NEAR(meanLuminance(full, left), meanLuminance(full, right), 15);
    EXPECT_LT(meanLuminance(picture("phase_new.png"), whole), meanLuminance(full, whole) / 3);
    const QImage blue = picture("phase_blue.png");
    int redSum = 0, blueSum = 0;
    for (int y = 5; y < 25; ++y)
        for (int x = 5; x < 25; ++x) {
            redSum += qRed(blue.pixel(x, y));
            blueSum += qBlue(blue.pixel(x, y));
        }
    EXPECT_GT(blueSum, redSum + redSum / 4);
}

// The data panel writes its values on an opaque black brush, and the clock strip writes navy
// text: the background must be black under the values and light behind the clock.
TEST(Resources, MainBackgroundSuitsTheTextsDrawnOnIt) {
    const QImage main = picture("main.jpg");
    EXPECT_LT(brightest(main, QRect(186, 76, 230, 162)), 24) << "lunar values";
    EXPECT_LT(brightest(main, QRect(424, 76, 200, 162)), 24) << "principal phases";
    EXPECT_LT(brightest(main, QRect(26, 80, 155, 155)), 24) << "Moon drawing";
    const QImage strip = picture("clock_strip.jpg");
    EXPECT_GT(meanLuminance(strip, QRect(20, 4, 380, 16)), 190);
    EXPECT_GT(meanLuminance(strip, QRect(420, 4, 200, 16)), 190);
    EXPECT_GT(meanLuminance(main, QRect(20, 44, 380, 16)), 190) << "strip before the first tick";
    EXPECT_GT(meanLuminance(main, QRect(422, 255, 200, 22)), 150) << "calendar heading plate";
}

TEST(Resources, IconFileHoldsTheUsualSizes) {
    QImageReader reader(sourceDir() + "/runtime/Cresselle.ico");
    ASSERT_TRUE(reader.canRead()) << reader.errorString().toStdString();
    std::set<int> sizes;
    for (int i = 0; i < reader.imageCount(); ++i) {
        ASSERT_TRUE(reader.jumpToImage(i));
        const QImage image = reader.read();
        ASSERT_FALSE(image.isNull()) << "entry " << i;
        EXPECT_EQ(image.width(), image.height());
        EXPECT_GT(qAlpha(image.pixel(image.width() / 2, image.height() / 2)), 200);
        sizes.insert(image.width());
    }
    EXPECT_EQ(sizes, (std::set<int>{16, 32, 48, 256}));
}
