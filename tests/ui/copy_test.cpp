// SPDX-License-Identifier: GPL-3.0-or-later
// Ctrl+C: the main window copies its panel as "label value" lines, the times list, the
// eclipse search list and the features list copy their tables as tab-separated text.
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
    static QString Copied(QWidget* window) {
        QGuiApplication::clipboard()->clear();
        QTest::keyClick(window, Qt::Key_C, Qt::ControlModifier);
        return QGuiApplication::clipboard()->text();
    }
    static QStringList Lines(const QString& text) {
        QStringList lines = text.split(u'\n');
        if (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();
        return lines;
    }
    static QString LineStarting(const QStringList& lines, const QString& start) {
        for (const QString& line : lines)
            if (line.startsWith(start)) return line;
        return {};
    }
};

TEST_F(Copy, MainWindowCopiesThePanelLabelAndValuePerLine) {
    SelectDay(15, 3, 2024);
    main->Timer1Timer();
    const QStringList lines = Lines(Copied(main));
    ASSERT_FALSE(lines.isEmpty());
    // What the panel shows, as it shows it.
    EXPECT_EQ(LineStarting(lines, "Sunrise:"), "Sunrise: " + main->lblSunRise->text());
    EXPECT_EQ(LineStarting(lines, "Sunset:"), "Sunset: " + main->lblSunSet->text());
    EXPECT_EQ(LineStarting(lines, "Visible:"),
              QStringLiteral("Visible: %1%").arg(main->LastPosition.Moon.IlluminatedPercent));
    EXPECT_EQ(LineStarting(lines, "Phase:"), "Phase: " + main->PhaseName);
    const QString moonrise = LineStarting(lines, "Moonrise:");
    EXPECT_FALSE(moonrise.isEmpty());
    EXPECT_EQ(moonrise.size(), QStringLiteral("Moonrise: 00:00").size()) << moonrise.toStdString();
    EXPECT_TRUE(LineStarting(lines, "Time:").contains("15 March 2024"));
    EXPECT_TRUE(LineStarting(lines, "Full Moon:").contains("March 2024"));
    EXPECT_TRUE(LineStarting(lines, "R.A.:")
                    .contains(QRegularExpression("^R\\.A\\.: \\d\\dh \\d\\dm \\d\\ds$")))
        << LineStarting(lines, "R.A.:").toStdString();
    EXPECT_TRUE(lines.back().startsWith("LST: "));
    for (const QString& line : lines)
        EXPECT_TRUE(line.contains(u' ') && !line.endsWith(u' ')) << line.toStdString();
}

TEST_F(Copy, TimesListCopiesItsTableTabSeparated) {
    TTimesList* list = Windows().TimesList;
    astro::DateTimeRec date = main->SelectedDate;
    date.Day = 1;
    date.Month = 2;
    date.Year = 2024;
    const astro::Observer london{astro::DegToRad(51.5), astro::DegToRad(0.12), 0};
    list->SetupDataBitmap(date, london);
    const QStringList lines = Lines(Copied(list));
    ASSERT_EQ(lines.size(), 1 + 29); // heading and every day of a leap February
    EXPECT_TRUE(lines[0].startsWith("Date\tMoonrise\t"));
    for (const QString& line : lines)
        EXPECT_EQ(line.count(u'\t'), 13) << line.toStdString();
    date.Day = 17;
    const TimesOfDay t = ComputeTimesOfDay(date, london);
    const QStringList cells = lines[17].split(u'\t');
    EXPECT_EQ(cells[3], QString::fromStdString(t.Moon.Set));
    EXPECT_EQ(cells[8], QString::fromStdString(t.Sun.Rise));
    EXPECT_EQ(cells[13], QString::fromStdString(t.Astronomical.Set));
}

TEST_F(Copy, EclipseAndFeatureListsCopyTheirRows) {
    TEclipseReport* report = Windows().EclipseReport;
    EclipseEntry entry;
    entry.Kind = 3;
    entry.Text = QStringLiteral("03:12  14 March 2025");
    entry.Visibility = QStringLiteral("Visible");
    report->SetEntries({entry, entry});
    QStringList lines = Lines(Copied(report));
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0], "Eclipse\tMaximum\tVisibility");
    EXPECT_TRUE(lines[1].endsWith("\t03:12  14 March 2025\tVisible")) << lines[1].toStdString();

    QString error;
    ASSERT_TRUE(WriteFeatureFile(
        {{QStringLiteral("Plato"), QStringLiteral("-009.3"), QStringLiteral("51.6")},
         {QStringLiteral("Copernicus"), QStringLiteral("-020.0"), QStringLiteral("09.7")}},
        error))
        << error.toStdString();
    TFeatures* features = Windows().Features;
    astro::DateTimeRec date = main->SelectedDate;
    date.Day = 17;
    date.Month = 3;
    date.Year = 2025;
    features->DisplaySunRiseSetTimes(date, astro::Observer{astro::DegToRad(51.5), 0, 0});
    features->WaitForTimes();
    lines = Lines(Copied(features));
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[0].startsWith("Feature\t"));
    // The shown order: by name as a reader expects.
    EXPECT_TRUE(lines[1].startsWith("Copernicus\t"));
    EXPECT_TRUE(lines[2].startsWith("Plato\t"));
    EXPECT_EQ(lines[1].count(u'\t'), 3);
    EXPECT_FALSE(lines[1].section(u'\t', 2, 2).isEmpty());
}

} // namespace
