// SPDX-License-Identifier: GPL-3.0-or-later
// Night mode: every window, popup, menu, message box and hint grabbed with it on holds no
// pixel with more green or blue than a tenth of its red, nor a red above the limit; the key N
// toggles it from any window but not in a text field; the choice is kept; printouts and saved
// pictures keep their colours.
#include "print/PdfHelpers.h"
#include "settings/fConfiguration.h"
#include "settings/fPrintOptions.h"
#include "support/ReportDates.h"
#include "ui/ReportFixture.h"
#include "ui/main/fAbout.h"
#include "ui/main/fDateInfo.h"
#include "ui/main/fMonthList.h"
#include "ui/reports/fAltitudeGraph.h"
#include "ui/reports/fEaster.h"
#include "ui/reports/fEclipse.h"
#include "ui/reports/fEclipseReport.h"
#include "ui/reports/fEquinox.h"
#include "ui/reports/fFeatures.h"
#include "ui/reports/fFeaturesDB.h"
#include "ui/reports/fMonthlyPhases.h"
#include "ui/reports/fObservingAid.h"
#include "ui/reports/fReportMenu.h"
#include "ui/reports/fTimesList.h"
#include "ui/reports/fWebMenu.h"
#include "ui/style/NightMode.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QToolTip>

namespace {

struct Excess {
    int count = 0;
    QPoint first;
    QColor colour;
};

Excess OverTheLimit(const QImage& image) {
    Excess e;
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb p = rgb.pixel(x, y);
            const int r = qRed(p);
            if (qGreen(p) * 10 <= r && qBlue(p) * 10 <= r && r <= nightmode::MaxRed) continue;
            if (e.count++ == 0) {
                e.first = {x, y};
                e.colour = QColor(p);
            }
        }
    return e;
}

class NightModeTest : public ReportFixture {
  protected:
    void TearDown() override {
        nightmode::Set(false, false);
        ReportFixture::TearDown();
    }

    void ExpectRed(QWidget* w, const char* name) {
        ASSERT_TRUE(w) << name;
        w->show();
        QCoreApplication::processEvents();
        const QImage picture = w->grab().toImage();
        ASSERT_FALSE(picture.isNull()) << name;
        const Excess e = OverTheLimit(picture);
        EXPECT_EQ(e.count, 0) << name << ": first at (" << e.first.x() << ", " << e.first.y()
                              << ") " << e.colour.name().toStdString();
    }
};

TEST_F(NightModeTest, EveryWindowPopupMenuAndMessageIsDimRed) {
    main->show();
    SelectDay(1, 3, 2026);
    // Daytime colours first: the test would catch nothing on a red program.
    EXPECT_GT(OverTheLimit(main->grab().toImage()).count, 1000);
    nightmode::Set(true);
    ASSERT_TRUE(nightmode::On());

    AppWindows& w = Windows();
    ExpectRed(main, "main window");
    ExpectRed(w.TimesList, "times list");
    ExpectRed(w.Configuration, "configuration");
    ExpectRed(w.PrintOptions, "print options");
    ExpectRed(w.WebMenu, "links menu");
    ExpectRed(w.ReportMenu, "reports menu");
    ExpectRed(w.MonthList, "month picker");
    w.DateInfo->ShowDateInfo(reporttest::Date(5, 3, 2026));
    ExpectRed(w.DateInfo, "date information");
    ExpectRed(w.Eclipse, "eclipse");
    ExpectRed(w.About, "about");
    ExpectRed(w.Equinox, "equinox");
    ExpectRed(w.EclipseReport, "eclipse search");
    ExpectRed(w.MonthlyPhases, "monthly phases");
    ExpectRed(w.ObservingAid, "observing aid");
    ExpectRed(w.Easter, "easter");
    ExpectRed(w.Features, "features");
    ExpectRed(w.FeaturesDB, "features database");
    w.AltitudeGraph->ShowNight(reporttest::Date(1, 3, 2026));
    ExpectRed(w.AltitudeGraph, "altitude graph");

    QMessageBox box(QMessageBox::Information, QStringLiteral("Cresselle"),
                    QStringLiteral("Latitude degrees must be between 0 and 90"), QMessageBox::Ok,
                    main);
    ExpectRed(&box, "message box");

    QToolTip::showText(main->mapToGlobal(QPoint(600, 20)), QStringLiteral("Exit Cresselle"), main);
    QWidget* tip = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->inherits("QTipLabel") && top->isVisible()) tip = top;
    ExpectRed(tip, "hint");
    QToolTip::hideText();
}

TEST_F(NightModeTest, KeyNTogglesInEveryWindowButNotInATextField) {
    main->show();
    QTest::keyClick(main, Qt::Key_N);
    EXPECT_TRUE(nightmode::On());
    TAltitudeGraph* graph = Windows().AltitudeGraph;
    graph->show();
    QTest::keyClick(graph, Qt::Key_N);
    EXPECT_FALSE(nightmode::On());

    // Typed into a field, N is a letter.
    QLineEdit field(graph);
    field.show();
    field.setFocus();
    QApplication::setActiveWindow(graph);
    QTest::keyClick(&field, Qt::Key_N);
    EXPECT_FALSE(nightmode::On());

    // Kept across starts.
    nightmode::Set(true);
    TObserverSettings stored;
    ASSERT_TRUE(settingsstore::Peek(stored));
    EXPECT_TRUE(stored.NightMode);
    nightmode::Set(false);
    ASSERT_TRUE(settingsstore::Peek(stored));
    EXPECT_FALSE(stored.NightMode);
}

TEST_F(NightModeTest, PrintoutsAndSavedPicturesKeepTheirColours) {
    nightmode::Set(true);
    TAltitudeGraph* graph = Windows().AltitudeGraph;
    graph->ShowNight(reporttest::Date(1, 3, 2026));
    graph->show();
    // The saved picture has the screen's blues.
    EXPECT_GT(OverTheLimit(graph->Picture()).count, 10000);
    const QString pdf = dir_.filePath(QStringLiteral("night.pdf"));
    pdftest::PrintTo(pdf);
    ASSERT_TRUE(graph->PrintGraph());
    const QImage page = pdftest::Page(pdf, 40, pdf);
    ASSERT_FALSE(page.isNull());
    EXPECT_GT(pdftest::CountColour(page, Qt::white), page.width() * page.height() / 4);
}

} // namespace
