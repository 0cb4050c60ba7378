// SPDX-License-Identifier: GPL-3.0-or-later
// The printed times table and observing chart, read back from the PDF page.
#include "astro/fRiseSet.h"
#include "astro/fSidereal.h"
#include "print/PdfHelpers.h"
#include "print/fPrint.h"
#include "settings/ObserverSettings.h"
#include "support/ReportDates.h"
#include "ui/reports/fObservingAid.h"
#include "ui/reports/fTimesList.h"
#include "zone/Zone.h"

#include <QMap>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>

namespace {

using reporttest::Date;
using reporttest::London;

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

// The line of the page text that starts with `start` (after blanks).
QString LineStarting(const QString& text, const QString& start) {
    for (const QString& line : text.split(QLatin1Char('\n')))
        if (line.trimmed().startsWith(start)) return line;
    return {};
}

// True when the texts appear in the line in this order.
bool InOrder(const QString& line, const QStringList& texts) {
    qsizetype from = 0;
    for (const QString& t : texts) {
        const qsizetype at = line.indexOf(t, from);
        if (at < 0) return false;
        from = at + t.size();
    }
    return true;
}

class ReportPrintoutTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        saved_ = ObserverSettings;
        ObserverSettings.DateFormat = QStringLiteral("dd/mm/yyyy");
        ObserverSettings.Location = QStringLiteral("Hailsham");
        ObserverSettings.PrinterType = QStringLiteral("Laser");
        platform::Services().message = [this](QWidget*, const QString&, const QString& text) {
            messages_ << text;
        };
    }
    void TearDown() override {
        ObserverSettings = saved_;
        platform::ResetServices();
    }
    QString Pdf(const QString& name) const { return dir_.filePath(name + QStringLiteral(".pdf")); }

    QTemporaryDir dir_;
    TObserverSettings saved_;
    QStringList messages_;
};

TEST_F(ReportPrintoutTest, TimesTableReadsBackWithTheEnginesTimes) {
    const QString pdf = Pdf(QStringLiteral("times"));
    QString offered;
    pdftest::PrintTo(pdf, &offered);
    TTimesList list;
    list.PrintTimes(Date(20, 3, 2026), London());
    EXPECT_EQ(offered, QStringLiteral("Cresselle Times March 2026.pdf"));
    EXPECT_TRUE(messages_.isEmpty());

    const QString text = pdftest::Text(pdf);
    ASSERT_FALSE(text.isEmpty());
    EXPECT_TRUE(text.contains(QStringLiteral("March 2026")));
    EXPECT_TRUE(text.contains(QStringLiteral("Hailsham")));
    EXPECT_TRUE(text.contains(QStringLiteral("LST at")));
    EXPECT_TRUE(text.contains(QStringLiteral("Midnight")));
    EXPECT_TRUE(text.contains(QStringLiteral("Cresselle V2.50")));

    const QString sep = SystemDateSeparator();
    const astro::DateTimeRec day = Date(15, 3, 2026);
    const TimesOfDay t = ComputeTimesOfDay(day, London());
    const QString line = LineStarting(text, FormatListDate(day, QStringLiteral("dd/mm/yyyy"), sep));
    ASSERT_FALSE(line.isEmpty()) << text.toStdString();
    const QString lst = Q(astro::LocalSiderealTimeText(day, London())).left(10);
    EXPECT_TRUE(InOrder(line, {lst, Q(t.Moon.Rise), Q(t.Moon.Transit), Q(t.Moon.Set),
                               QString::number(t.Moon.IlluminatedPercent) + QStringLiteral("%"),
                               Q(t.Astronomical.Rise), Q(t.Nautical.Rise), Q(t.Civil.Rise),
                               Q(t.Sun.Rise), Q(t.Sun.Transit), Q(t.Sun.Set), Q(t.Civil.Set),
                               Q(t.Nautical.Set), Q(t.Astronomical.Set)}))
        << line.toStdString();

    // The day without a moonrise prints "*****" in its row too.
    for (int d = 1; d <= 31; ++d) {
        const astro::DateTimeRec date = Date(d, 3, 2026);
        if (astro::MoonRiseSet(date, London()).Rise != "*****") continue;
        const QString row =
            LineStarting(text, FormatListDate(date, QStringLiteral("dd/mm/yyyy"), sep));
        EXPECT_TRUE(row.contains(QStringLiteral("*****"))) << row.toStdString();
    }

    // Landscape.
    const QImage page = pdftest::Page(pdf, 30, dir_.filePath(QStringLiteral("times")));
    EXPECT_GT(page.width(), page.height());
}

// Samoa's clocks jumped over 30 December 2011: its row says so on paper as in the window, and
// the day after has its times.
TEST_F(ReportPrintoutTest, TimesTableMarksADayTheZoneSkipped) {
    SetCurrentZone(*TZone::Named("Pacific/Apia"));
    const QString pdf = Pdf(QStringLiteral("apia"));
    pdftest::PrintTo(pdf);
    TTimesList list;
    list.PrintTimes(Date(1, 12, 2011), {astro::DegToRad(-13.83), astro::DegToRad(171.76), 840});
    SetCurrentZone(TZone::Fixed(0));
    const QString text = pdftest::Text(pdf);
    const QString sep = SystemDateSeparator();
    auto row = [&](int day) {
        return LineStarting(text, FormatListDate(Date(day, 12, 2011), QStringLiteral("dd/mm/yyyy"), sep));
    };
    EXPECT_TRUE(row(30).contains(QStringLiteral("No such day here"))) << text.toStdString();
    EXPECT_FALSE(row(31).contains(QStringLiteral("No such day here")));
    EXPECT_TRUE(row(31).contains(QLatin1Char(':')));
}

// Bands of the tint down the left edge of the rows: {top, bottom} in picture rows.
QList<QPair<int, int>> TintBands(const QImage& page, QColor tint, int x) {
    QList<QPair<int, int>> bands;
    int start = -1;
    for (int y = 0; y < page.height(); ++y) {
        const QColor c = page.pixelColor(x, y);
        const bool in = std::abs(c.red() - tint.red()) <= 3 &&
                        std::abs(c.green() - tint.green()) <= 3 &&
                        std::abs(c.blue() - tint.blue()) <= 3;
        if (in && start < 0) start = y;
        if (!in && start >= 0) {
            bands.append({start, y});
            start = -1;
        }
    }
    return bands;
}

TEST_F(ReportPrintoutTest, TimesTableKeepsThirtyOneSlotsAndTintsByPrinterType) {
    const struct {
        const char* type;
        QColor tint;
    } types[] = {{"Laser", {220, 220, 220}},
                 {"BW Inkjet", {160, 160, 255}},
                 {"Colour Inkjet", {220, 220, 255}}};
    for (const auto& type : types) {
        ObserverSettings.PrinterType = QString::fromLatin1(type.type);
        const QString pdf = Pdf(QString::fromLatin1(type.type).remove(QLatin1Char(' ')));
        pdftest::PrintTo(pdf);
        TTimesList list;
        list.PrintTimes(Date(1, 4, 2026), London()); // 30 days
        // A strip at the printer's resolution just inside the page frame's left edge.
        const QImage page = pdftest::Strip(pdf, 1200, 200, 2, pdf);
        ASSERT_FALSE(page.isNull());
        const auto bands = TintBands(page, type.tint, 0);
        ASSERT_EQ(bands.size(), 15) << type.type; // even days 2 .. 30
        const int slot = (bands[14].first - bands[0].first) / 28;
        // Below day 30 one slot stays empty before the frame's bottom line.
        int frame = bands[14].second;
        while (frame < page.height() && page.pixelColor(0, frame).lightness() > 100)
            ++frame;
        const int gap = frame - bands[14].second;
        EXPECT_GE(gap, slot * 8 / 10) << type.type;
        EXPECT_LE(gap, slot * 16 / 10) << type.type;
    }
}

TEST_F(ReportPrintoutTest, ObservingChartPrintsWithThePaletteOfThePrinterType) {
    const ChartStyle screen = ScreenChartStyle();

    for (const char* type : {"Colour Inkjet", "BW Inkjet"}) {
        ObserverSettings.PrinterType = QString::fromLatin1(type);
        const QString pdf = Pdf(QString::fromLatin1(type).remove(QLatin1Char(' ')) + "Chart");
        QString offered;
        pdftest::PrintTo(pdf, &offered);
        TObservingAid aid;
        aid.imgLinesGridClick(); // with the hour labels
        aid.PrintChart(Date(1, 3, 2026), London());
        EXPECT_EQ(offered, QStringLiteral("Cresselle Observing Aid March 2026.pdf"));
        const QImage page = pdftest::Page(pdf, 40, pdf);
        ASSERT_FALSE(page.isNull());
        EXPECT_LT(page.width(), page.height()); // portrait
        const ChartStyle s = PrintedChartStyle(4000, 6000, 500, 100, type);
        const int area = page.width() * page.height();
        EXPECT_GT(pdftest::CountColour(page, s.BackgroundColour), area / 10) << type;
        EXPECT_GT(pdftest::CountColour(page, s.DayColour), area / 50) << type;
        if (QString::fromLatin1(type) == QStringLiteral("BW Inkjet")) {
            EXPECT_EQ(pdftest::CountColour(page, screen.DayColour), 0);
        }

        const QString text = pdftest::Text(pdf);
        EXPECT_TRUE(text.contains(QStringLiteral("March 2026")));
        EXPECT_TRUE(text.contains(QStringLiteral("Cresselle V2.50")));
        EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("12\\s+11\\s+10"))))
            << text.toStdString();
    }
}

// Centres of the thin white lines crossing row y of the picture from x = `from`, in points.
QList<double> WhiteLines(const QImage& page, int y, int from, double pointsPerPixel) {
    QList<double> lines;
    int x = from;
    while (x < page.width()) {
        if (qGray(page.pixel(x, y)) < 245) {
            ++x;
            continue;
        }
        const int start = x;
        while (x < page.width() && qGray(page.pixel(x, y)) >= 245)
            ++x;
        if (x - start > 6) break; // the paper beyond the printable area
        const double centre = (start + x - 1) / 2.0 * pointsPerPixel;
        if (lines.isEmpty() || centre - lines.last() > 3) lines.append(centre);
    }
    return lines;
}

TEST_F(ReportPrintoutTest, ObservingChartKeepsItsLayoutAtAnyPrinterResolution) {
    for (const int dpi : {300, 1200}) {
        const QString pdf = Pdf(QStringLiteral("Chart%1").arg(dpi));
        pdftest::PrintTo(pdf, nullptr, dpi);
        TObservingAid aid;
        aid.imgLinesGridClick(); // hour lines and labels
        aid.PrintChart(Date(1, 3, 2026), London());

        // The hour labels are the one line of 25 numbers; the day numbers stand alone.
        QMap<int, QList<pdftest::Word>> numbersByLine;
        for (const pdftest::Word& w : pdftest::Words(pdf)) {
            bool number = false;
            const int n = w.text.toInt(&number);
            if (number && n <= 31) numbersByLine[qRound(w.yMin)].append(w);
        }
        QList<pdftest::Word> hours;
        QList<pdftest::Word> days;
        for (const auto& line : numbersByLine)
            (line.size() == 25 ? hours : days) += line;
        ASSERT_EQ(hours.size(), 25) << dpi; // the last label used to fall off the page
        ASSERT_EQ(days.size(), 31) << dpi;
        std::sort(hours.begin(), hours.end(),
                  [](const auto& a, const auto& b) { return a.xMin < b.xMin; });
        EXPECT_LE(hours.last().xMax, 595.0) << dpi; // A4 width

        const double pointsPerPixel = 0.5;
        const QImage page = pdftest::Page(pdf, 144, pdf);
        ASSERT_FALSE(page.isNull());
        // A row through the middle of a day, away from the lines between days.
        const int mid = page.height() / 2;
        int y = mid;
        for (int dy = 0; dy < 40; ++dy)
            if (qGray(page.pixel(page.width() / 2 + 7, mid + dy)) < 245) {
                y = mid + dy + 3;
                break;
            }
        const QList<double> lines = WhiteLines(
            page, y, static_cast<int>(hours.first().xMin / pointsPerPixel), pointsPerPixel);
        ASSERT_EQ(lines.size(), 25) << dpi;
        // The last label stands on the chart's dark ground, not on the white page.
        const QPoint besideLast(qRound((hours.last().xMax - 1) / pointsPerPixel),
                                qRound((hours.last().yMin - 1) / pointsPerPixel));
        EXPECT_LT(qGray(page.pixel(besideLast)), 128) << dpi;
        for (int i = 0; i < 25; ++i)
            EXPECT_NEAR(hours[i].centre(), lines[i], 2.0) << dpi << " dpi, hour line " << i;
        for (const pdftest::Word& day : days)
            EXPECT_LT(day.xMax, lines.first() - 2.0)
                << dpi << " dpi, day " << day.text.toStdString();
    }
}

} // namespace
