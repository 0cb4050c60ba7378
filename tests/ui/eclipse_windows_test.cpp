// SPDX-License-Identifier: GPL-3.0-or-later
// The eclipse of the month and the eclipse search: the list, its scrolling, the year boxes,
// the double-click that jumps the main window, and the contact lines by kind.
#include "ReportFixture.h"

#include "astro/fEclipse.h"
#include "astro/fPhases.h"
#include "ui/reports/fEclipse.h"
#include "ui/reports/fEclipseReport.h"

#include <QLineEdit>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>

namespace {

class EclipseWindows : public ReportFixture {
  protected:
    void SetUp() override {
        ReportFixture::SetUp();
        report = Windows().EclipseReport;
        eclipse = Windows().Eclipse;
        ASSERT_TRUE(report && eclipse);
    }

    // Clicks Calculate, as a user does, and waits for the search to end.
    void Search(const QString& from, const QString& to) {
        StartSearch(from, to);
        ASSERT_TRUE(QTest::qWaitFor([this] { return !report->searching(); }, 120000));
    }
    void StartSearch(const QString& from, const QString& to) {
        report->txtFromYear->setText(from);
        report->txtToYear->setText(to);
        QTest::mouseClick(report->lblCalculate, Qt::LeftButton);
    }

    void DoubleClickList(QPoint at) { QTest::mouseDClick(report, Qt::LeftButton, {}, at); }

    QPoint RowCentre(int row) const { return {150, report->ScrollBar1->y() + 16 * row + 8}; }

    static std::vector<EclipseEntry> Dummies(int n) {
        std::vector<EclipseEntry> entries(static_cast<std::size_t>(n));
        for (EclipseEntry& e : entries) {
            e.Kind = 1;
            e.Text = QStringLiteral("12:00  01 January 2000");
            e.Visibility = QStringLiteral("Visible");
        }
        return entries;
    }

    static astro::EclipseCircumstances EclipseOfMonth(int month, int year) {
        astro::DateTimeRec first;
        first.Month = static_cast<std::uint16_t>(month);
        first.Year = static_cast<std::uint16_t>(year);
        astro::MonthPhaseList phases;
        const int count = astro::MonthPhases(first, {}, phases);
        return astro::CheckForEclipse(phases, count, static_cast<std::uint16_t>(year), {});
    }

    TEclipseReport* report = nullptr;
    TEclipse* eclipse = nullptr;
};

TEST_F(EclipseWindows, SearchListsTheYearsEclipsesAndADoubleClickJumpsThere) {
    report->show();
    Search(QStringLiteral("1999"), QStringLiteral("2001"));
    ASSERT_TRUE(messages.isEmpty()) << messages.join(u'\n').toStdString();
    const std::vector<EclipseEntry>& found = report->entries();
    // 1999 Jan 31 (penumbral), Jul 28 (partial); 2000 Jan 21, Jul 16 (total);
    // 2001 Jan 9 (total), Jul 5 (partial), Dec 30 (penumbral).
    ASSERT_EQ(found.size(), 7u);
    const std::uint8_t kinds[] = {1, 2, 3, 3, 3, 2, 1};
    const char* dates[] = {"31 January 1999", "28 July 1999", "21 January 2000", "16 July 2000",
                           "09 January 2001", "05 July 2001", "30 December 2001"};
    for (std::size_t i = 0; i < found.size(); ++i) {
        EXPECT_EQ(found[i].Kind, kinds[i]) << i;
        EXPECT_TRUE(found[i].Text.endsWith(QString::fromLatin1(dates[i])))
            << found[i].Text.toStdString();
        EXPECT_LE(found[i].Text.size(), 27);
        EXPECT_EQ(found[i].Text.mid(2, 1), QStringLiteral(":"));
    }
    EXPECT_EQ(report->ScrollBar1->maximum(), 0);

    // Rows alternate black and grey, from the first entry.
    const QImage rows = report->dataPicture().toImage();
    EXPECT_EQ(rows.pixelColor(2, 8), QColor(Qt::black));
    EXPECT_EQ(rows.pixelColor(2, 16 + 8), QColor(70, 70, 70));
    EXPECT_EQ(rows.pixelColor(2, 16 * 7 + 8), QColor(Qt::black)); // below the last row

    // The total eclipse of 21 January 2000, third row.
    DoubleClickList(RowCentre(2));
    EXPECT_EQ(main->SelectedDate.Day, 21);
    EXPECT_EQ(main->SelectedDate.Month, 1);
    EXPECT_EQ(main->SelectedDate.Year, 2000);
    EXPECT_EQ(main->EclipseRecord.Kind, astro::TotalEclipse);
    EXPECT_EQ(report->lblSelectedDate->text(), found[2].Text);
    ASSERT_TRUE(eclipse->isVisible());
    EXPECT_TRUE(eclipse->lblEclipseType->text().startsWith(QStringLiteral("Total Eclipse (")));
    EXPECT_TRUE(eclipse->lblEclipseType->text().endsWith(QStringLiteral(")")));
    EXPECT_EQ(eclipse->lblDate->text(), QStringLiteral("21 January 2000"));
    // Side by side, centred under the main window.
    EXPECT_EQ(report->x(), eclipse->x() + eclipse->width());
    EXPECT_EQ(eclipse->x(), main->x() + (main->width() - eclipse->width() - report->width()) / 2);
}

TEST_F(EclipseWindows, ScrollMaximumAndDoubleClicksOutsideTheRows) {
    report->show();
    report->SetEntries(Dummies(12));
    EXPECT_EQ(report->ScrollBar1->maximum(), 0);
    report->SetEntries(Dummies(13));
    EXPECT_EQ(report->ScrollBar1->maximum(), 1);

    SelectDay(10, 3, 2026);
    report->SetEntries(Dummies(3));
    DoubleClickList({150, report->ScrollBar1->y() + 16 * 3 + 4}); // below the last row
    DoubleClickList({10, report->ScrollBar1->y() + 4});           // left of the list
    QTest::mouseDClick(report->ScrollBar1, Qt::LeftButton, {}, QPoint(5, 100));
    EXPECT_EQ(main->SelectedDate.Day, 10);
    EXPECT_EQ(main->SelectedDate.Month, 3);
    EXPECT_EQ(main->SelectedDate.Year, 2026);
    EXPECT_FALSE(eclipse->isVisible());
    EXPECT_TRUE(report->lblSelectedDate->text().isEmpty());
}

TEST_F(EclipseWindows, YearBoxesTakeDigitsOnly) {
    report->show();
    QLineEdit* box = report->txtFromYear;
    box->clear();
    box->setFocus();
    QTest::keyClicks(box, QStringLiteral("2a0-0 .x1"));
    EXPECT_EQ(box->text(), QStringLiteral("2001"));
    QTest::keyClicks(box, QStringLiteral("7")); // a fifth digit does not fit
    EXPECT_EQ(box->text(), QStringLiteral("2001"));
    QTest::keyClick(box, Qt::Key_Backspace);
    EXPECT_EQ(box->text(), QStringLiteral("200"));
    box->clear();
    box->insert(QStringLiteral("19x9")); // pasted text obeys the same rule
    EXPECT_TRUE(box->text().isEmpty() || box->text() == QStringLiteral("19"))
        << box->text().toStdString();
}

TEST_F(EclipseWindows, BadRangesShowAMessageAndSearchNothing) {
    report->show();
    Search(QStringLiteral("2001"), QStringLiteral("1999"));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0], QStringLiteral("The \"From\" date must be less than the \"To\" date."));
    EXPECT_FALSE(report->searched());
    EXPECT_TRUE(report->entries().empty());

    Search(QString(), QStringLiteral("1999"));
    ASSERT_EQ(messages.size(), 2);
    EXPECT_EQ(messages[1], QStringLiteral("Please enter a year"));
    Search(QStringLiteral("0"), QStringLiteral("1999"));
    EXPECT_EQ(messages.size(), 3);
    EXPECT_FALSE(report->searched());

    // Equal years search that one year: 2000 had two total eclipses.
    Search(QStringLiteral("2000"), QStringLiteral("2000"));
    EXPECT_EQ(messages.size(), 3);
    EXPECT_EQ(report->entries().size(), 2u);
}

TEST_F(EclipseWindows, AFullMoonFarFromANodeHidesTheEclipseWindow) {
    SelectDay(21, 1, 2000);
    eclipse->show();
    report->show();
    Search(QStringLiteral("2000"), QStringLiteral("2000"));
    EXPECT_FALSE(eclipse->isVisible());
}

// The search over the whole range runs beside the window: it keeps handling events, shows how
// far it got, ignores another Calculate and stops on Cancel, saying so under what it found.
TEST_F(EclipseWindows, LongSearchRunsBesideTheWindowAndCanBeCancelled) {
    report->show();
    Search(QStringLiteral("2000"), QStringLiteral("2000"));
    const std::size_t before = report->entries().size();
    ASSERT_GT(before, 0u);

    StartSearch(QStringLiteral("1"), QStringLiteral("9999"));
    ASSERT_TRUE(report->searching());
    EXPECT_TRUE(report->SearchProgress->isVisible());
    EXPECT_TRUE(report->btnCancel->isVisible());
    bool handled = false;
    QTimer::singleShot(0, report, [&handled] { handled = true; });
    EXPECT_TRUE(QTest::qWaitFor([&] { return report->SearchProgress->value() > 1; }, 10000));
    EXPECT_TRUE(handled);
    ASSERT_TRUE(report->searching());

    StartSearch(QStringLiteral("1999"), QStringLiteral("1999")); // ignored
    QTest::mouseClick(report->btnCancel, Qt::LeftButton);
    EXPECT_FALSE(report->searching());
    EXPECT_FALSE(report->SearchProgress->isVisible());
    QTest::qWait(200);
    EXPECT_FALSE(report->searching()) << "the ignored click started nothing afterwards";
    EXPECT_TRUE(report->lblSearchNote->isVisible());
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(EclipseWindows, ContactLinesByKind) {
    const astro::EclipseCircumstances penumbral = EclipseOfMonth(1, 1999);
    ASSERT_EQ(penumbral.Kind, astro::PenumbralEclipse);
    const std::vector<EclipseLine> three = EclipseLines(penumbral, 14);
    ASSERT_EQ(three.size(), 4u); // maximum, the two penumbral contacts, the magnitude
    EXPECT_EQ(three[0].Label, QStringLiteral("Eclipse Maximum:"));
    EXPECT_EQ(three[0].Top, 142);
    EXPECT_EQ(three[1].Label, QStringLiteral("Moon enters Penumbra:"));
    EXPECT_EQ(three[1].Top, 142 - 14);
    EXPECT_EQ(three[2].Label, QStringLiteral("Moon exits Penumbra:"));
    EXPECT_EQ(three[2].Top, 142 + 14);
    EXPECT_EQ(three[3].Top, 210);
    EXPECT_EQ(three[3].Value, MagnitudeText(penumbral.PenumbralMagnitude));

    const astro::EclipseCircumstances total = EclipseOfMonth(1, 2000);
    ASSERT_EQ(total.Kind, astro::TotalEclipse);
    std::vector<EclipseLine> lines = EclipseLines(total, 14);
    ASSERT_EQ(lines.size(), 8u);
    std::sort(lines.begin(), lines.end(),
              [](const EclipseLine& a, const EclipseLine& b) { return a.Top < b.Top; });
    const char* order[] = {"Moon enters Penumbra:", "Moon enters Umbra:", "Start of Totality:",
                           "Eclipse Maximum:",      "End of Totality:",   "Moon exits Umbra:",
                           "Moon exits Penumbra:",  "Eclipse Magnitude:"};
    for (std::size_t i = 0; i < lines.size(); ++i)
        EXPECT_EQ(lines[i].Label, QString::fromLatin1(order[i])) << i;
    EXPECT_EQ(lines[0].Top, 142 - 3 * 14);
    EXPECT_EQ(lines[7].Value, QStringLiteral("1.326")); // umbral magnitude

    // 20 February 2027 at Greenwich: the maximum before midnight, the Moon leaves the
    // penumbra on the 21st, and says so; the contacts before midnight carry no date.
    const astro::EclipseCircumstances late = EclipseOfMonth(2, 2027);
    ASSERT_EQ(late.Kind, astro::PenumbralEclipse);
    ASSERT_EQ(late.Date, "20 February 2027");
    const std::vector<EclipseLine> lateLines = EclipseLines(late, 14);
    EXPECT_EQ(lateLines[0].Value, QString::fromStdString(late.Maximum));
    EXPECT_EQ(lateLines[1].Value, QString::fromStdString(late.PenumbraEntered));
    EXPECT_TRUE(lateLines[2].Value.startsWith(QStringLiteral("01:")) &&
                lateLines[2].Value.endsWith(QStringLiteral(" (21st)")))
        << lateLines[2].Value.toStdString();
    // 31 December 2009 in India's offset (UT + 5:30): the maximum falls on 1 January after
    // midnight, the Moon entered the penumbra on the 31st.
    astro::DateTimeRec first;
    first.Month = 1;
    first.Year = 2010;
    astro::MonthPhaseList phases;
    const astro::Observer india{0, 0, 330};
    const int count = astro::MonthPhases(first, india, phases);
    const astro::EclipseCircumstances newYear = astro::CheckForEclipse(phases, count, 2010, india);
    ASSERT_EQ(newYear.Kind, astro::PartialEclipse);
    ASSERT_EQ(newYear.Date, "01 January 2010");
    EXPECT_TRUE(EclipseLines(newYear, 14)[1].Value.endsWith(QStringLiteral(" (31st)")))
        << EclipseLines(newYear, 14)[1].Value.toStdString();

    EXPECT_TRUE(EclipseLines(astro::EclipseCircumstances{}, 14).empty());
    EXPECT_EQ(MagnitudeText(0.5), QStringLiteral("0.5"));
    EXPECT_EQ(MagnitudeText(1.0), QStringLiteral("1"));
    EXPECT_EQ(MagnitudeText(0.39649), QStringLiteral("0.396"));
}

TEST_F(EclipseWindows, EclipseWindowPaintsTheMonthsEclipseUnderItsButton) {
    main->show();
    SelectDay(10, 1, 2000);
    ASSERT_EQ(main->EclipseRecord.Kind, astro::TotalEclipse);
    eclipse->show();
    EXPECT_EQ(eclipse->pos(), main->pos() + QPoint(main->imgEclipse->x(), 40));
    const QImage shown = eclipse->grab().toImage();
    // Value texts, light yellow, on the right of the maximum's line (anti-aliased).
    int valuePixels = 0;
    for (int y = 142; y < 156; ++y)
        for (int x = 185; x < 240; ++x) {
            const QColor c = shown.pixelColor(x, y);
            if (c.red() > 150 && c.green() > 150 && c.blue() < c.red() - 30) ++valuePixels;
        }
    EXPECT_GT(valuePixels, 5);

    // Double-clicking the date jumps the main window to the maximum.
    eclipse->lblDateDblClick();
    EXPECT_EQ(main->SelectedDate.Day, 21);
    EXPECT_EQ(main->SelectedDate.Month, 1);
}

// March 1904 holds two eclipses: the window offers the other one and switches to it.
TEST_F(EclipseWindows, AMonthWithTwoEclipsesShowsBoth) {
    main->show();
    SelectDay(1, 3, 1904);
    ASSERT_EQ(main->MonthEclipseRecords.Count, 2);
    EXPECT_EQ(main->EclipseRecord.Date, "02 March 1904");
    eclipse->show();
    eclipse->repaint();
    ASSERT_TRUE(eclipse->lblOtherEclipse->isVisible());
    EXPECT_EQ(eclipse->lblOtherEclipse->text(), QStringLiteral("Also: 31 March 1904"));
    QTest::mouseClick(eclipse->lblOtherEclipse, Qt::LeftButton);
    eclipse->repaint();
    EXPECT_EQ(main->EclipseRecord.Date, "31 March 1904");
    EXPECT_EQ(eclipse->lblDate->text(), QStringLiteral("31 March 1904"));
    EXPECT_EQ(eclipse->lblOtherEclipse->text(), QStringLiteral("Also: 02 March 1904"));
}

// The longest heading fits the 252-pixel window, and no list cell runs into the next column
// (the columns start at x 100 and 250 of the list; the list stands at x 20 of the window).
TEST_F(EclipseWindows, HeadingAndListCellsFitTheirPlaces) {
    main->show();
    SelectDay(10, 1, 2000);
    main->EclipseRecord.Kind = astro::PenumbralEclipse;
    main->EclipseRecord.Visibility = "Partially Visible";
    eclipse->show();
    eclipse->repaint();
    const QRect heading = eclipse->lblEclipseType->geometry();
    EXPECT_GE(heading.left(), 0);
    EXPECT_LE(heading.right(), eclipse->width() - 1);
    EXPECT_EQ(eclipse->lblEclipseType->text(), "Penumbral Eclipse (Partially Visible)");

    std::vector<EclipseEntry> entries = Dummies(2);
    for (EclipseEntry& e : entries) {
        e.Text = QStringLiteral("16:18  28 September 2015");
        e.Visibility = QStringLiteral("Partially Visible");
    }
    report->show();
    report->SetEntries(entries);
    const QImage list = report->grab().toImage();
    const int top = report->ScrollBar1->y();
    for (int column : {20 + 100, 20 + 250})
        for (int y = top; y < top + 32; ++y)
            for (int x = column - 3; x < column; ++x) {
                const QColor c = list.pixelColor(x, y);
                ASSERT_TRUE(c == Qt::black || c == QColor(70, 70, 70)) << x << "," << y;
            }
}

// In a named zone each eclipse of the search is in the offset of its own maximum.
TEST(EclipseSearch, EachEclipseInTheLondonOffsetOfItsMaximum) {
    astro::Observer greenwich;
    greenwich.Latitude = astro::DegToRad(51.48);
    const EclipseSearchResult found =
        SearchEclipses(2026, 2026, greenwich, {}, QByteArrayLiteral("Europe/London"));
    ASSERT_EQ(found.Entries.size(), 2u);
    EXPECT_TRUE(found.Entries[0].Text.startsWith(QStringLiteral("11:34  03 March")))
        << found.Entries[0].Text.toStdString();
    EXPECT_TRUE(found.Entries[1].Text.startsWith(QStringLiteral("05:13  28 August")))
        << found.Entries[1].Text.toStdString();
}

} // namespace
