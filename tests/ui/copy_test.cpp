// SPDX-License-Identifier: GPL-3.0-or-later
// Ctrl+C: the panel as "label value" lines, the times, eclipse and features lists as
// tab-separated tables.
#include "ReportFixture.h"
#include "data/FeatureFile.h"
#include "ui/reports/fEclipseReport.h"
#include "ui/reports/fFeatures.h"
#include "ui/reports/fTimesList.h"

#include <QClipboard>
#include <QGuiApplication>

namespace {

class Copy : public ReportFixture {
  protected:
    static QStringList Copied(QWidget* window) {
        QGuiApplication::clipboard()->clear();
        QTest::keyClick(window, Qt::Key_C, Qt::ControlModifier);
        return QGuiApplication::clipboard()->text().split(u'\n', Qt::SkipEmptyParts);
    }
};

TEST_F(Copy, PanelAndTimesList) {
    SelectDay(15, 3, 2024);
    main->Timer1Timer();
    const QStringList panel = Copied(main);
    EXPECT_TRUE(panel.contains("Sunrise: " + main->lblSunRise->text()));
    EXPECT_TRUE(panel.contains(
        QStringLiteral("Visible: %1%").arg(main->LastPosition.Moon.IlluminatedPercent)));
    EXPECT_TRUE(panel.contains("Phase: " + main->PhaseName));
    EXPECT_TRUE(panel.back().startsWith("LST: "));

    astro::DateTimeRec date = main->SelectedDate;
    date.Month = 2;
    const astro::Observer london{astro::DegToRad(51.5), astro::DegToRad(0.12), 0};
    Windows().TimesList->SetupDataBitmap(date, london);
    const QStringList rows = Copied(Windows().TimesList);
    ASSERT_EQ(rows.size(), 1 + 29); // a heading and every day of a leap February
    date.Day = 17;
    const TimesOfDay t = ComputeTimesOfDay(date, london);
    const QStringList cells = rows[17].split(u'\t');
    ASSERT_EQ(cells.size(), 14);
    EXPECT_EQ(cells[3], QString::fromStdString(t.Moon.Set));
    EXPECT_EQ(cells[13], QString::fromStdString(t.Astronomical.Set));
}

TEST_F(Copy, EclipseAndFeatureLists) {
    EclipseEntry entry;
    entry.Kind = 3;
    entry.Text = QStringLiteral("03:12  14 March 2025");
    entry.Visibility = QStringLiteral("Visible");
    Windows().EclipseReport->SetEntries({entry});
    const QStringList eclipses = Copied(Windows().EclipseReport);
    ASSERT_EQ(eclipses.size(), 2);
    EXPECT_TRUE(eclipses[1].endsWith("\t03:12  14 March 2025\tVisible"));

    QString error;
    ASSERT_TRUE(
        WriteFeatureFile({{"Plato", "-009.3", "51.6"}, {"Copernicus", "-020.0", "09.7"}}, error));
    TFeatures* features = Windows().Features;
    features->DisplaySunRiseSetTimes(main->SelectedDate, astro::Observer{0.9, 0, 0});
    features->WaitForTimes();
    const QStringList rows = Copied(features);
    ASSERT_EQ(rows.size(), 3);
    EXPECT_TRUE(rows[1].startsWith("Copernicus\t")); // in the shown order
    EXPECT_EQ(rows[2].count(u'\t'), 3);
}

} // namespace
