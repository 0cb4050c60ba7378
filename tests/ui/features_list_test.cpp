// SPDX-License-Identifier: GPL-3.0-or-later
// The Sun rise/set list of the lunar features: rows, marked rows, scrolling, the list picture,
// and recomputing when the database editor closes.
#include "data/FeatureFile.h"
#include "main_window_fixture.h"
#include "platform/Platform.h"
#include "print/PdfHelpers.h"
#include "ui/Windows.h"
#include "ui/reports/fFeatures.h"
#include "ui/reports/fFeaturesDB.h"
#include "ui/reports/fGoodNights.h"
#include "ui/style/FeatureStyle.h"
#include "zone/Zone.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr double kSynodicMonth = 29.530589;

astro::DateTimeRec Date(int day, int month, int year, int hour = 0) {
    astro::DateTimeRec d;
    d.Day = static_cast<std::uint16_t>(day);
    d.Month = static_cast<std::uint16_t>(month);
    d.Year = static_cast<std::uint16_t>(year);
    d.Hour = static_cast<std::uint16_t>(hour);
    return d;
}

void WriteFeatures(const std::vector<FeatureTexts>& features) {
    QString error;
    ASSERT_TRUE(WriteFeatureFile(features, error)) << error.toStdString();
}

std::vector<FeatureTexts> Numbered(int count) {
    std::vector<FeatureTexts> features;
    for (int i = 0; i < count; ++i)
        features.push_back({QString("Crater %1").arg(i, 2, 10, QLatin1Char('0')), "010.0", "10.0"});
    return features;
}

// "HH:MM:SS  DD Month YYYY" read back as a Julian Day.
double JulianOf(const QString& text) {
    const QStringList parts = text.simplified().split(' ');
    const QStringList hms = parts[0].split(':');
    astro::DateTimeRec d = Date(parts[1].toInt(), 1, parts[3].toInt());
    for (int m = 1; m <= 12; ++m)
        if (QString::fromStdString(astro::LongMonthName(m)) == parts[2])
            d.Month = static_cast<std::uint16_t>(m);
    d.Hour = static_cast<std::uint16_t>(hms[0].toInt());
    d.Minute = static_cast<std::uint16_t>(hms[1].toInt());
    d.Second = static_cast<std::uint16_t>(hms[2].toInt());
    return astro::DateToJulian(d);
}

// "HH:MM  DD Month YYYY" of a cell's "HH:MM:SS  DD Month YYYY".
QString WithoutSecondsOf(const QString& text) {
    return text.left(5) + text.mid(8);
}

class FeaturesListTest : public ::testing::Test {
  protected:
    void SetUp() override {
        oldFolder_ = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(dir_.path()));
        platform::Services().message = [this](QWidget*, const QString&, const QString& text) {
            messages_ << text;
        };
    }
    void TearDown() override {
        Windows() = AppWindows{};
        platform::ResetServices();
        QDir::setCurrent(oldFolder_);
    }
    void Compute() {
        list_.DisplaySunRiseSetTimes(Date(17, 3, 2025, 21), observer_);
        list_.WaitForTimes();
    }

    QTemporaryDir dir_;
    QString oldFolder_;
    QStringList messages_;
    astro::Observer observer_{astro::DegToRad(51.5), 0, 60};
    TFeatures list_;
};

TEST_F(FeaturesListTest, ScrollMaximumFollowsTheNumberOfFeatures) {
    Compute(); // no file: an empty list, and the window still opens
    EXPECT_TRUE(list_.isVisible());
    EXPECT_EQ(list_.StringGrid1.RowCount(), 1);
    EXPECT_EQ(list_.ScrollBar1->maximum(), 0);
    WriteFeatures(Numbered(25));
    Compute();
    EXPECT_EQ(list_.ScrollBar1->maximum(), 0);
    WriteFeatures(Numbered(26));
    Compute();
    EXPECT_EQ(list_.ScrollBar1->maximum(), 1);
    EXPECT_EQ(list_.ScrollBar1->geometry(), QRect(603, 60, 16, 399));
    EXPECT_EQ(list_.imgData.size(), QSize(584, 400));
}

TEST_F(FeaturesListTest, RowsAreTimedMarkedOrLeftWithoutATime) {
    WriteFeatures({{"Bad", "abc", "01.0"},
                   {"East", "030.0", "00.0"},
                   {"Equator", "000.0", "00.0"},
                   {"Pole", "000.0", "90.0"},
                   {"Wide", "999.0", "00.0"}});
    Compute();
    const TStringGrid& grid = list_.StringGrid1;
    ASSERT_EQ(grid.RowCount(), 6);
    EXPECT_EQ(grid.Cell(3, 0), TFeatures::InvalidCoordinatesText());
    EXPECT_EQ(grid.Cell(4, 0), TFeatures::InvalidCoordinatesText());
    EXPECT_EQ(grid.Cell(3, 4), TFeatures::InvalidCoordinatesText());
    EXPECT_EQ(grid.Cell(3, 3), TFeatures::NoSunriseText());
    EXPECT_EQ(grid.Cell(4, 3), TFeatures::NoSunsetText());
    EXPECT_TRUE(messages_.isEmpty());

    // The rows after a bad one are computed: a lunar day lasts half a synodic month, and the
    // Sun rises over 30 degrees east about 30 / 12.19 days before it rises over 0 degrees.
    const double eastRise = JulianOf(grid.Cell(3, 1));
    const double equatorRise = JulianOf(grid.Cell(3, 2));
    const double equatorSet = JulianOf(grid.Cell(4, 2));
    EXPECT_NEAR(equatorSet - equatorRise, kSynodicMonth / 2, 0.6);
    const double lead = std::fmod(equatorRise - eastRise + 2 * kSynodicMonth, kSynodicMonth);
    EXPECT_NEAR(lead, 30 / 12.19075, 0.3);
    // March holds a sunrise and a sunset of every feature: the month's own.
    for (const double shown : {eastRise, equatorRise, equatorSet})
        EXPECT_EQ(astro::JulianToDate(shown).Month, 3);
}

TEST_F(FeaturesListTest, ListPictureShowsTimesWithoutSeconds) {
    WriteFeatures({{"Abel", "085.78", "-34.63"}, {"Zeno", "-005.0", "05.0"}});
    Compute();
    const QString rise = list_.StringGrid1.Cell(3, 1);
    ASSERT_EQ(rise.mid(2, 1), ":");
    auto cell = [&](const QString& text, const QColor& band) {
        QPixmap expected(170, 16);
        expected.fill(band);
        QPainter p(&expected);
        p.setFont(featurestyle::ScaledFont("Arial", 8));
        p.setPen(featurestyle::Aqua);
        p.drawText(QRect(0, 1, 170, 16), Qt::AlignLeft | Qt::AlignTop, text);
        return expected.toImage();
    };
    const QImage drawn = list_.imgData.copy(250, 16, 170, 16).toImage();
    EXPECT_EQ(drawn, cell(rise.left(5) + rise.mid(8), featurestyle::StripeGrey));
    EXPECT_NE(drawn, cell(rise, featurestyle::StripeGrey));
    // Scrolled by one, the second feature comes first, still on its grey band.
    WriteFeatures(Numbered(30));
    Compute();
    list_.ScrollBar1->setValue(1);
    EXPECT_EQ(list_.imgData.toImage().pixelColor(3, 8), featurestyle::StripeGrey);
    EXPECT_EQ(list_.imgData.toImage().pixelColor(3, 24), QColor(Qt::black));
}

TEST_F(FeaturesListTest, ClosingTheEditorRecomputesTheList) {
    WriteFeatures({{"Apollo", "-151.0", "-36.0"}});
    TFeaturesDB editor;
    Windows().Features = &list_;
    Windows().FeaturesDB = &editor;
    list_.DisplaySunRiseSetTimes();
    list_.WaitForTimes();
    ASSERT_EQ(list_.StringGrid1.RowCount(), 2);

    QTest::mouseClick(list_.lblDatabase, Qt::LeftButton);
    ASSERT_TRUE(editor.isVisible());
    editor.txtFeatureName->setText("Test Crater");
    QTest::keyClicks(editor.txtLongitude, "5");
    QTest::keyClicks(editor.txtLatitude, "-5");
    QTest::mouseClick(editor.imgEdit, Qt::LeftButton);
    list_.hide();
    QTest::mouseClick(editor.lblExit, Qt::LeftButton);
    list_.WaitForTimes();
    EXPECT_FALSE(editor.isVisible());
    EXPECT_TRUE(list_.isVisible());
    ASSERT_EQ(list_.StringGrid1.RowCount(), 3);
    EXPECT_EQ(list_.StringGrid1.Cell(0, 1), "Test Crater");
    EXPECT_EQ(list_.StringGrid1.Cell(1, 1), "005.0");
    EXPECT_EQ(list_.StringGrid1.Cell(2, 1), "-05.0");
    EXPECT_EQ(list_.StringGrid1.Cell(3, 1).mid(2, 1), ":");
}

// Twelve features 30 degrees apart on the equator: the Sun rises over one of them every
// 2.5 days, so ordered by the next sunrise the first is the one the terminator reaches now.
TEST_F(FeaturesListTest, NextSunriseOrderAndCsvFollowTheShownInstant) {
    std::vector<FeatureTexts> ring;
    for (int k = 0; k < 12; ++k) {
        const int longitude = k * 30 - 150;
        ring.push_back(
            {QString("Ring %1").arg(longitude),
             VerifyCoordinate(QString::number(longitude), CoordinateAxis::Longitude).Text, "00.0"});
    }
    ring.push_back({"Comma, Crater", "010.0", "10.0"});
    WriteFeatures(ring);
    list_.SetOrder(TFeatures::Order::NextSunrise);
    Compute();
    // Shown 17 March 2025 21:00 local, an hour ahead of UT; times are local too.
    const double shown = astro::DateToJulian(Date(17, 3, 2025, 21));
    const std::vector<int>& order = list_.ShownOrder();
    ASSERT_EQ(order.size(), 13u);
    double previous = 0;
    for (const int row : order) {
        const double rise = JulianOf(list_.StringGrid1.Cell(5, row));
        EXPECT_GE(rise, previous);
        EXPECT_GT(rise, shown - 0.6);
        EXPECT_NEAR(JulianOf(list_.StringGrid1.Cell(6, row)) - rise, kSynodicMonth / 2, 0.6);
        previous = rise;
    }
    EXPECT_LT(JulianOf(list_.StringGrid1.Cell(5, order[0])), shown + 2.0);

    const QString csvPath = dir_.filePath("list");
    platform::Services().saveFileName = [&](QWidget*, const QString&, const QString&,
                                            const QString&) { return csvPath; };
    ASSERT_TRUE(list_.ExportCsv());
    QFile csv(csvPath + ".csv");
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(csv.readAll()).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 14);
    EXPECT_TRUE(lines[1].startsWith(list_.StringGrid1.Cell(0, order[0]) + ","));
    // Plain decimals, ISO times with the zone (local an hour ahead) and in UT.
    const QStringList comma = lines.filter("\"Comma, Crater\",10,10,");
    ASSERT_EQ(comma.size(), 1);
    EXPECT_TRUE(
        comma[0].contains(QRegularExpression(",\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d\\+01:00,"
                                             "\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\dZ,")))
        << comma[0].toStdString();
    EXPECT_TRUE(lines[0].startsWith("name,longitude_deg,latitude_deg,next_sunrise_local,"));
}

// The shipped database runs over many pages: every feature is printed once, under the page
// frame, and no row runs into the footer.
TEST_F(FeaturesListTest, PrintedListKeepsEveryFeatureOnItsPages) {
    ASSERT_TRUE(QFile::copy(qEnvironmentVariable("CRESSELLE_SOURCE_DIR") + "/runtime/data.dat",
                            "data.dat"));
    Compute();
    const QString pdf = dir_.filePath("features.pdf");
    pdftest::PrintTo(pdf);
    ASSERT_TRUE(list_.PrintList());
    const QString text = pdftest::Text(pdf);
    const QStringList pages = text.split('\f', Qt::SkipEmptyParts);
    ASSERT_GT(pages.size(), 5);
    int rows = 0;
    for (const QString& page : pages) {
        if (page.trimmed().isEmpty()) continue;
        EXPECT_TRUE(page.contains("March 2025")) << page.left(200).toStdString();
        const QStringList lines = page.split('\n', Qt::SkipEmptyParts);
        // The footer is the page's last line; the rows stand above it.
        ASSERT_FALSE(lines.isEmpty());
        EXPECT_TRUE(lines.last().contains("Cresselle")) << lines.last().toStdString();
        for (const QString& line : lines)
            if (line.contains(QRegularExpression("\\d\\d:\\d\\d\\s+\\d\\d \\w+ \\d{4}"))) ++rows;
        EXPECT_TRUE(
            page.contains(QRegularExpression("page \\d+ of " + QString::number(pages.size()))))
            << page.right(200).toStdString();
    }
    EXPECT_EQ(rows, list_.StringGrid1.RowCount() - 1);
}

// An open list follows the month the main window shows; a closed one waits until it opens.
TEST_F(MainWindowTest, FeaturesListFollowsTheMainWindowsMonth) {
    WriteFeatures({{"Copernicus", "-020.08", "09.62"}});
    SelectDate(2024, 3, 15);
    TFeatures list;
    list.DisplaySunRiseSetTimes();
    list.WaitForTimes();
    EXPECT_TRUE(list.lblComputedFor->text().startsWith("March 2024"))
        << list.lblComputedFor->text().toStdString();
    const QString march = list.StringGrid1.Cell(3, 0);
    main->SelectMonth(7);
    list.WaitForTimes();
    EXPECT_TRUE(list.lblComputedFor->text().startsWith("July 2024"));
    EXPECT_NE(list.StringGrid1.Cell(3, 0), march);
    EXPECT_TRUE(list.StringGrid1.Cell(3, 0).contains("2024"));
    list.hide();
    main->SelectMonth(9);
    EXPECT_FALSE(list.Computing());
    EXPECT_TRUE(list.lblComputedFor->text().startsWith("July 2024"));
}

// In London each time is in the offset of its own instant: an hour later from the clock change
// of 29 March 2026 (01:00 UT) on, though the month began in winter time.
TEST_F(FeaturesListTest, LondonTimesTakeTheOffsetOfTheirInstant) {
    std::vector<FeatureTexts> features;
    for (int i = 0; i < 12; ++i)
        features.push_back(
            {QString("Crater %1").arg(i), QString("%1.0").arg(i * 30 - 165), "00.0"});
    WriteFeatures(features);
    const astro::Observer greenwich{astro::DegToRad(51.5), 0, 0};
    SetCurrentZone(TZone::Fixed(0));
    list_.DisplaySunRiseSetTimes(Date(17, 3, 2026, 21), greenwich);
    list_.WaitForTimes();
    const TStringGrid inUt = list_.StringGrid1;
    SetCurrentZone(*TZone::Named("Europe/London"));
    list_.DisplaySunRiseSetTimes(Date(17, 3, 2026, 21), greenwich);
    list_.WaitForTimes();
    SetCurrentZone(TZone::Fixed(0));
    const double change = astro::DateToJulian(Date(29, 3, 2026, 1));
    int summer = 0;
    for (int row = 0; row < 12; ++row)
        for (int column : {3, 4}) {
            const double ut = JulianOf(inUt.Cell(column, row));
            const double ahead = ut >= change ? 1 / 24.0 : 0;
            summer += ahead > 0;
            EXPECT_NEAR(JulianOf(list_.StringGrid1.Cell(column, row)) - ut, ahead, 1e-6)
                << row << " " << inUt.Cell(column, row).toStdString();
        }
    EXPECT_GT(summer, 0);
}

} // namespace

// October 2026 is longer than a lunation: with a feature every 15 degrees (1.2 days of
// sunrises apart) some see the Sun rise twice in it. Every shown time is dated in October, a
// second one a lunation after the first, and cresselle-cli lists the same for the same month.
TEST_F(FeaturesListTest, MonthShowsItsOwnSunrisesBothWhenTwoAndTheCliAgrees) {
    std::vector<FeatureTexts> features;
    for (int i = 0; i < 24; ++i)
        features.push_back(
            {QString("Crater %1").arg(i), QString("%1.5").arg(i * 15 - 172), "05.0"});
    WriteFeatures(features);
    SetCurrentZone(*TZone::Named("Europe/London"));
    const astro::Observer greenwich{astro::DegToRad(51.5), 0, 60};
    list_.DisplaySunRiseSetTimes(Date(17, 10, 2026, 21), greenwich);
    list_.WaitForTimes();
    SetCurrentZone(TZone::Fixed(0));

    QProcess cli;
    cli.start(qEnvironmentVariable("CRESSELLE_BUILD_DIR") + QStringLiteral("/cresselle-cli"),
              {"--json", "--lat", "51.5", "--lon", "0", "--tz", "Europe/London", "features",
               "2026-10", "--file", QDir(dir_.path()).filePath(FeatureFileName)});
    ASSERT_TRUE(cli.waitForFinished(60000));
    ASSERT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
    const QJsonArray listed = QJsonDocument::fromJson(cli.readAllStandardOutput())
                                  .object()[QStringLiteral("features")]
                                  .toArray();
    ASSERT_EQ(listed.size(), 24);

    int twice = 0;
    for (int row = 0; row < 24; ++row) {
        SCOPED_TRACE(row);
        const QJsonObject o = listed[row].toObject();
        auto same = [&](const QString& shown, const char* key) {
            const QString iso = o[QLatin1String(key)].toString();
            if (shown.isEmpty()) {
                EXPECT_TRUE(o[QLatin1String(key)].isNull()) << key;
                return;
            }
            const astro::DateTimeRec d = astro::JulianToDate(JulianOf(shown));
            EXPECT_EQ(iso, QString::asprintf("%04d-%02d-%02dT%02d:%02d:%02d", d.Year, d.Month,
                                             d.Day, d.Hour, d.Minute, d.Second))
                << key;
            EXPECT_EQ(d.Month, 10) << key;
        };
        same(list_.StringGrid1.Cell(3, row), "sunrise");
        same(list_.StringGrid1.Cell(4, row), "sunset");
        const QString second = list_.SecondInMonth(3, row);
        same(second, "sunrise2");
        same(list_.SecondInMonth(4, row), "sunset2");
        if (second.isEmpty()) continue;
        ++twice;
        EXPECT_NEAR(JulianOf(second) - JulianOf(list_.StringGrid1.Cell(3, row)), kSynodicMonth,
                    0.7);
        EXPECT_TRUE(list_.TimeCellText(3, row).endsWith(" +"));
        EXPECT_TRUE(list_.TimeCellText(3, row, true).contains(WithoutSecondsOf(second)));
    }
    EXPECT_GT(twice, 0);
}

// The Sun column at the instant of a listed sunrise: the altitude changes sign there (within
// two minutes), the filter keeps only the band, and the limb order only the limb features.
TEST_F(FeaturesListTest, SunColumnCrossesZeroAtTheListedSunriseAndFilters) {
    WriteFeatures({{"Copernicus", "-020.08", "09.62"},
                   {"Far East", "085.0", "10.0"},
                   {"Plato", "-009.38", "51.62"},
                   {"South Pole Rim", "010.0", "-88.0"}});
    Compute();
    for (int row = 0; row < 3; ++row) {
        SCOPED_TRACE(row);
        // Local, an hour ahead of UT; shown to the minute.
        const double rise = JulianOf(list_.StringGrid1.Cell(3, row)) - 1.0 / 24;
        list_.UpdateSunNow(rise - 2.0 / 1440);
        EXPECT_LT(list_.SunNow(row), 0);
        list_.UpdateSunNow(rise + 2.0 / 1440);
        EXPECT_GT(list_.SunNow(row), 0);
        EXPECT_TRUE(list_.SunNowMorning(row));
    }
    list_.UpdateSunNow(JulianOf(list_.StringGrid1.Cell(3, 0)) - 1.0 / 24 + 0.25);
    list_.SetTerminatorBand(0, 8);
    list_.SetNearTerminator(true);
    ASSERT_FALSE(list_.ShownOrder().empty());
    for (const int row : list_.ShownOrder()) {
        EXPECT_GE(list_.SunNow(row), 0);
        EXPECT_LE(list_.SunNow(row), 8);
    }
    EXPECT_EQ(list_.ShownOrder()[0], 0); // Copernicus, 3 degrees after its sunrise
    list_.SetNearTerminator(false);

    // The polar rim's times graze: marked, and never ahead of a well-timed sunrise.
    EXPECT_GT(list_.TimeUncertainty(3, 3), TFeatures::GrazingMinutes);
    EXPECT_LT(list_.TimeUncertainty(3, 0), TFeatures::GrazingMinutes);
    list_.SetOrder(TFeatures::Order::Libration);
    std::vector<int> limb = list_.ShownOrder();
    ASSERT_EQ(limb.size(), 2u);
    EXPECT_GE(list_.LibrationToward(limb[0]), list_.LibrationToward(limb[1]));
    std::sort(limb.begin(), limb.end());
    EXPECT_EQ(limb, (std::vector<int>{1, 3}));
    EXPECT_GT(list_.LibrationToward(1), -10);
    EXPECT_LT(list_.LibrationToward(1), 10);
}

// The good nights of the selected feature: the window lists them, prints them and saves them
// as a calendar with the feature's name.
TEST_F(FeaturesListTest, GoodNightsOfTheSelectedFeature) {
    WriteFeatures({{"Copernicus", "-020.08", "09.62"},
                   {"Plato", "-009.38", "51.62"},
                   {"Rupes Recta", "-007.73", "-21.75"}});
    Compute();
    EXPECT_FALSE(list_.OpenGoodNights()); // nothing selected yet: told
    EXPECT_EQ(messages_.size(), 1);
    // The search selects; a popular name finds its feature, nothing says so.
    list_.show();
    QTest::keyClicks(list_.txtFind, "zzqx");
    EXPECT_EQ(list_.SelectedRow(), -1);
    EXPECT_TRUE(list_.lblNotFound->isVisible());
    list_.txtFind->clear();
    QTest::keyClicks(list_.txtFind, "straight wall");
    EXPECT_EQ(list_.SelectedRow(), 2);
    EXPECT_FALSE(list_.lblNotFound->isVisible());
    list_.SelectShown(1);
    ASSERT_TRUE(list_.OpenGoodNights());
    TGoodNights& nights = *list_.GoodNightsWindow();
    ASSERT_GE(nights.Nights().size(), 2u);
    EXPECT_EQ(nights.RowTexts(0).size(), 6);
    const std::string calendar = nights.CalendarText();
    EXPECT_NE(calendar.find("SUMMARY:Plato in low sunlight"), std::string::npos);
    EXPECT_NE(calendar.find("X-WR-CALNAME:Good nights for Plato (Cresselle)\r\n"),
              std::string::npos);
    const QString pdf = dir_.filePath("nights.pdf");
    pdftest::PrintTo(pdf);
    ASSERT_TRUE(nights.PrintList());
    const QString text = pdftest::Text(pdf);
    EXPECT_TRUE(text.contains("Plato"));
    EXPECT_TRUE(text.contains(nights.RowTexts(0)[1])) << text.toStdString();
    nights.hide();
}
