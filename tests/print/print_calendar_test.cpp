// SPDX-License-Identifier: GPL-3.0-or-later
// The printed month calendar read back from a real PDF page: texts with pdftotext, the phase
// drawings and the quarter pictures from the page rendered by pdftoppm.
#include "astro/fMoonCalcs.h"
#include "print/PdfHelpers.h"
#include "print/fPrint.h"
#include "print/fPrintCalendar.h"
#include "settings/ObserverSettings.h"

#include <QLocale>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cmath>

namespace {

// The page's text in the order in which it was drawn, split into words.
QStringList DrawnWords(const QString& pdf) {
    const QString text = pdftest::Run(QStringLiteral("pdftotext"),
                                      {QStringLiteral("-raw"), pdf, QStringLiteral("-")});
    return text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
}

// Index of `run` as consecutive words of `words`, or -1.
qsizetype Find(const QStringList& words, const QStringList& run) {
    for (qsizetype i = 0; i + run.size() <= words.size(); ++i)
        if (words.mid(i, run.size()) == run) return i;
    return -1;
}

QString LongDayName(int weekday) {
    return QLocale::system().dayName(weekday == 0 ? 7 : weekday, QLocale::LongFormat);
}

astro::DateTimeRec Day(int day, int month, int year) {
    astro::DateTimeRec d;
    d.Day = static_cast<std::uint16_t>(day);
    d.Month = static_cast<std::uint16_t>(month);
    d.Year = static_cast<std::uint16_t>(year);
    d.Julian = astro::DateToJulian(d);
    return d;
}

// The page of a month for the observer of the settings, on the system clock.
CalendarPage PageOf(int month, int year) {
    const astro::Observer observer = ObserverOfSettings(ObserverSettings);
    return CalendarPageFor(month, year, observer, ShadingFrameOf(observer.ZoneOffsetMinutes, 0));
}

class PrintCalendarTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        saved_ = ObserverSettings;
        TObserverSettings& s = ObserverSettings;
        s.Location = QStringLiteral("London");
        s.LatDeg = QStringLiteral("51");
        s.LatMin = QStringLiteral("30");
        s.LatSec = QStringLiteral("00");
        s.LatDir = QStringLiteral("North");
        s.LongDeg = QStringLiteral("000");
        s.LongMin = QStringLiteral("07");
        s.LongSec = QStringLiteral("00");
        s.LongDir = QStringLiteral("West");
        s.DayOrder = 1;
        s.TimeZoneIndex = 24;
        s.DaylightSavings = false;
        s.PhaseDensity = 75;
        SetOptions(true, true, true, true);
        platform::Services().message = [this](QWidget*, const QString&, const QString& text) {
            messages_ << text;
        };
    }
    void TearDown() override {
        ObserverSettings = saved_;
        platform::ResetServices();
    }

    static void SetOptions(bool daily, bool major, bool moon, bool sun) {
        ObserverSettings.PrintDailyPhases = daily;
        ObserverSettings.PrintMajorPhases = major;
        ObserverSettings.PrintLunarTimes = moon;
        ObserverSettings.PrintSunTimes = sun;
    }

    QString Print(int month, int year, const QString& name) {
        const QString pdf = dir_.filePath(name + QStringLiteral(".pdf"));
        pdftest::PrintTo(pdf);
        const astro::Observer observer = ObserverOfSettings(ObserverSettings);
        EXPECT_TRUE(
            PrintCalendar(month, year, observer, ShadingFrameOf(observer.ZoneOffsetMinutes, 0)));
        EXPECT_TRUE(messages_.isEmpty());
        return pdf;
    }

    // The page rendered without smoothing, so that every colour is one the page drew.
    QImage Render(const QString& pdf, int dpi) {
        const QString base = pdf + QStringLiteral("-page");
        pdftest::Run(QStringLiteral("pdftoppm"),
                     {QStringLiteral("-png"), QStringLiteral("-aa"), QStringLiteral("no"),
                      QStringLiteral("-aaVector"), QStringLiteral("no"), QStringLiteral("-r"),
                      QString::number(dpi), QStringLiteral("-singlefile"), pdf, base});
        return QImage(base + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
    }

    // The printable page (device pixels, landscape A4) and where its device pixel lands on the
    // page rendered at `dpi`.
    static QPrinter& Printer() {
        static QPrinter printer(QPrinter::HighResolution);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setPageOrientation(QPageLayout::Landscape);
        return printer;
    }
    static QSize PageSize() { return {Printer().width(), Printer().height()}; }
    static QPoint OnRendering(QPointF device, int dpi) {
        const QPoint origin = Printer().pageLayout().paintRectPixels(1200).topLeft();
        return ((QPointF(origin) + device) * dpi / 1200).toPoint();
    }

    QTemporaryDir dir_;
    TObserverSettings saved_;
    QStringList messages_;
};

// A month with five principal phases: the page carries the title, the place, the weekdays from
// Monday, the engine's times for the days that need sorting, the legend and five markers.
TEST_F(PrintCalendarTest, PageReadsBackWithTheEnginesTimesAndPhases) {
    int month = 1;
    while (month < 12 && PageOf(month, 2024).PhaseCount < 5)
        ++month;
    const CalendarPage page = PageOf(month, 2024);
    ASSERT_EQ(page.PhaseCount, 5);
    const QString pdf = Print(month, 2024, QStringLiteral("all"));
    const QString layout = pdftest::Text(pdf);
    EXPECT_TRUE(layout.contains(PageTitle(month, 2024)));
    // pdftotext spaces the words by their places on the page.
    EXPECT_TRUE(layout.simplified().contains(QStringLiteral(
        "London Latitude: 51\u00B0 30' 00\" North, Longitude: 000\u00B0 07' 00\" West")))
        << layout.toStdString();

    const QStringList words = DrawnWords(pdf);
    QStringList weekdays;
    for (int i = 0; i < 7; ++i)
        weekdays << LongDayName((1 + i) % 7);
    EXPECT_GE(Find(words, weekdays), 0) << words.join(' ').toStdString();

    // A day whose moonset comes before the rise, and a day without one of the Moon's events.
    int setFirst = 0, missing = 0;
    for (int d = 1; d <= astro::DaysInMonth(month, 2024); ++d) {
        const astro::RiseSetTimes moon = astro::MoonRiseSet(Day(d, month, 2024), page.Observer);
        if (!setFirst && moon.Set < moon.Rise && moon.Set != "*****") setFirst = d;
        if (!missing && (moon.Rise == "*****" || moon.Set == "*****")) missing = d;
    }
    ASSERT_GT(setFirst, 0);
    ASSERT_GT(missing, 0);
    for (int d : {setFirst, missing}) {
        const astro::DateTimeRec date = Day(d, month, 2024);
        const auto moon = MoonLines(astro::MoonRiseSet(date, page.Observer));
        const auto sun = SunLines(astro::SunRiseSet(date, astro::SunriseAltitude, page.Observer));
        QStringList cell{QString::number(d)};
        for (const TimeLine& line : moon)
            cell << line.Label << line.Time;
        for (const TimeLine& line : sun)
            cell << line.Label << line.Time;
        EXPECT_GE(Find(words, cell), 0) << cell.join(' ').toStdString();
    }
    const auto setFirstLines =
        MoonLines(astro::MoonRiseSet(Day(setFirst, month, 2024), page.Observer));
    EXPECT_EQ(setFirstLines[0].Label, QStringLiteral("MS"));
    const auto missingLines =
        MoonLines(astro::MoonRiseSet(Day(missing, month, 2024), page.Observer));
    EXPECT_EQ(missingLines[0].Time, QStringLiteral("****"));

    const qsizetype legend =
        Find(words, {"New", "Moon", "First", "Quarter", "Full", "Moon", "Last", "Quarter"});
    ASSERT_GE(legend, 0);
    QStringList markers;
    for (int i = 0; i < page.PhaseCount; ++i)
        markers << QString::fromStdString(page.Phases[i].Text).left(5);
    EXPECT_EQ(words.mid(legend + 8, 5), markers);
}

TEST_F(PrintCalendarTest, MoonLinesComeInTheOrderOfTheDay) {
    astro::RiseSetTimes moon;
    moon.Rise = "None";
    moon.RiseState = astro::EventState::AlwaysDown;
    moon.Transit = "12:04";
    moon.Set = "*****";
    moon.SetState = astro::EventState::OutsideDay;
    const auto lines = MoonLines(moon);
    EXPECT_EQ(lines[0].Label + lines[0].Time, QStringLiteral("MS****"));
    EXPECT_EQ(lines[1].Label + lines[1].Time, QStringLiteral("TR:12:04"));
    EXPECT_EQ(lines[2].Label + lines[2].Time, QStringLiteral("MR:Down"));
    moon.RiseState = astro::EventState::AlwaysUp;
    EXPECT_EQ(MoonLines(moon)[2].Time, QStringLiteral("Up"));
}

// 78 N, December 2026, read back from the PDF: the days the Moon stays up read "Up" for its rise
// and set, the days it stays down "Down", and the Sun of the polar night "Down"; never "None".
TEST_F(PrintCalendarTest, UpAllDayAndDownAllDayPrintedApart) {
    TObserverSettings& s = ObserverSettings;
    s.LatDeg = QStringLiteral("78");
    s.LatMin = QStringLiteral("00");
    s.LongDeg = QStringLiteral("015");
    s.LongMin = QStringLiteral("36");
    s.LongDir = QStringLiteral("East");
    s.TimeZoneIndex = 26; // one hour ahead of UT
    SetOptions(false, false, true, true);
    const astro::Observer observer = ObserverOfSettings(ObserverSettings);
    int up = 0, down = 0;
    for (int d = 1; d <= 31; ++d) {
        const astro::RiseSetTimes moon = astro::MoonRiseSet(Day(d, 12, 2026), observer);
        if (!up && moon.RiseState == astro::EventState::AlwaysUp) up = d;
        if (!down && moon.RiseState == astro::EventState::AlwaysDown) down = d;
    }
    ASSERT_GT(up, 0);
    ASSERT_GT(down, 0);
    const QStringList words = DrawnWords(Print(12, 2026, QStringLiteral("polar")));
    EXPECT_FALSE(words.contains(QStringLiteral("None")));
    for (int d : {up, down}) {
        const astro::DateTimeRec date = Day(d, 12, 2026);
        const QString moonWord = d == up ? QStringLiteral("Up") : QStringLiteral("Down");
        const QString moonTransit =
            QString::fromStdString(astro::MoonRiseSet(date, observer).Transit);
        const QString sunTransit = QString::fromStdString(
            astro::SunRiseSet(date, astro::SunriseAltitude, observer).Transit);
        const QStringList cell{QString::number(d),
                               QStringLiteral("TR:"),
                               moonTransit,
                               QStringLiteral("MR:"),
                               moonWord,
                               QStringLiteral("MS"),
                               moonWord,
                               QStringLiteral("SR:"),
                               QStringLiteral("Down"),
                               QStringLiteral("TR:"),
                               sunTransit,
                               QStringLiteral("SS:"),
                               QStringLiteral("Down")};
        EXPECT_GE(Find(words, cell), 0) << cell.join(' ').toStdString() << "\n"
                                        << words.join(' ').toStdString();
    }
}

// With every option off only the frame, the title, the place line, the weekday row and the day
// numbers remain: no times, no legend, and nothing grey or coloured but the yellow row.
TEST_F(PrintCalendarTest, AllOptionsOffLeavesTheBarePage) {
    SetOptions(false, false, false, false);
    const QString pdf = Print(2, 2025, QStringLiteral("bare"));
    const QStringList words = DrawnWords(pdf);
    for (const char* absent : {"TR:", "MR:", "MS", "SR:", "SS:", "Moon", "Quarter"})
        EXPECT_FALSE(words.contains(QLatin1String(absent))) << absent;
    QStringList days;
    for (int d = 1; d <= 28; ++d)
        days << QString::number(d);
    EXPECT_GE(Find(words, days), 0) << words.join(' ').toStdString();

    const QImage page = Render(pdf, 60);
    ASSERT_FALSE(page.isNull());
    const int all = page.width() * page.height();
    const int plain = pdftest::CountColour(page, Qt::white, 0) +
                      pdftest::CountColour(page, Qt::black, 0) +
                      pdftest::CountColour(page, QColor(255, 255, 0), 0);
    EXPECT_EQ(plain, all);
}

// The drawing of the day after new moon is dark all over: black at density 100, grey 63 at 75,
// and white (invisible on the white cell) at 0.
TEST_F(PrintCalendarTest, PhaseDensityChoosesTheGreyOfTheDrawings) {
    SetOptions(true, false, false, false);
    const CalendarPage layout = PageOf(3, 2024);
    const int n = 10 + layout.FirstColumnOffset - 1; // 10 March 2024, new moon at 09:00 UT
    ASSERT_LE(astro::MoonPosition(Day(10, 3, 2024).Julian, layout.Observer).Moon.IlluminatedPercent,
              1);
    const int dpi = 150;
    for (const auto& [density, grey] : {std::pair{100, 0}, std::pair{75, 63}, std::pair{0, 255}}) {
        ObserverSettings.PhaseDensity = static_cast<std::uint8_t>(density);
        const QString pdf = Print(3, 2024, QStringLiteral("density%1").arg(density));
        const QImage page = Render(pdf, dpi);
        ASSERT_FALSE(page.isNull());
        const int cw = PageSize().width() / 7;
        const int ch = (PageSize().height() - HeaderBottom - FooterHeight) / 6;
        const QPointF centre(cw * (n % 7) + cw / 2, HeaderBottom + ch * (n / 7) + ch / 2);
        const int radius = static_cast<int>(PageSize().width() * 28.94 / 1000);
        for (const QPointF offset :
             {QPointF(0, 0), QPointF(-radius / 2, 0), QPointF(radius / 2, radius / 3)}) {
            const QPoint at = OnRendering(centre + offset, dpi);
            EXPECT_EQ(page.pixelColor(at), QColor(grey, grey, grey)) << "density " << density;
        }
    }
}

// The legend's first-quarter picture is dark on the left in the north and on the right in the
// south.
TEST_F(PrintCalendarTest, QuarterPicturesMirrorInTheSouth) {
    SetOptions(false, true, false, false);
    const int dpi = 300;
    const int pw = PageSize().width();
    const auto u = [pw](double k) { return static_cast<int>(pw * k / 1000); };
    const int s = u(9.65);
    const double top = u(24.12) + s + u(6.43); // the second entry
    const QPointF left(pw - u(80.39) + s / 4.0, top + s / 2.0);
    const QPointF right(pw - u(80.39) + 3 * s / 4.0, top + s / 2.0);
    for (const char* dir : {"North", "South"}) {
        ObserverSettings.LatDir = QLatin1String(dir);
        const QImage page = Render(Print(3, 2024, QLatin1String(dir)), dpi);
        const bool north = ObserverSettings.LatDir == QStringLiteral("North");
        EXPECT_EQ(page.pixelColor(OnRendering(left, dpi)), north ? Qt::black : Qt::white) << dir;
        EXPECT_EQ(page.pixelColor(OnRendering(right, dpi)), north ? Qt::white : Qt::black) << dir;
    }
}

} // namespace
