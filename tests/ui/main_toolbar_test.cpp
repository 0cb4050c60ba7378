// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's toolbar: controls at their places with their hints, and what their
// clicks open.
#include "main_window_fixture.h"
#include "ui/main/fAbout.h"

#include <QTimer>
#include <QUrl>

namespace {

using ToolbarTest = MainWindowTest;

TEST_F(ToolbarTest, ControlsSitOverTheirPaintedButtonsWithTheirHints) {
    struct Control {
        QWidget* widget;
        int x;
        const char* hint;
    };
    const Control controls[] = {
        {main->lblPrint, 18, "Print Calendar for Month"},
        {main->imgOptics, 44, "Switch between view as seen through Binoculars or a Telescope"},
        {main->lblTimesList, 76, "Display Moon/Sun Rise/Set times and Twilight times for month"},
        {main->lblLinks, 100, "Display links to Lunar Internet Sites"},
        {main->lblClock, 128, "Change the time within Cresselle"},
        {main->lblReports, 158, "Display menu showing Report options"},
        {main->imgEclipse, 182, "Display circumstances of Lunar Eclipse occurring this month"},
        {main->lblConfig, 478, "Change configuration parameters"},
        {main->lblHelp, 510, "Display online help"},
        {main->lblAbout, 544, "Display version information"},
        {main->lblMinimise, 592, "Minimize Cresselle"},
        {main->lblExit, 614, "Exit Cresselle"},
    };
    for (const Control& c : controls) {
        EXPECT_EQ(c.widget->x(), c.x) << c.hint;
        EXPECT_EQ(c.widget->toolTip(), c.hint);
    }
    EXPECT_EQ(main->lblTitle->geometry(), QRect(264, 12, 113, 25));
    EXPECT_EQ(main->Label1->x(), 446);
    EXPECT_FALSE(main->Label1->toolTip().isEmpty());
    EXPECT_EQ(main->size(), QSize(640, 480));
}

TEST_F(ToolbarTest, HelpAndTheObservingSiteOpenThroughTheShell) {
    QList<QUrl> opened;
    platform::Services().openUrl = [&opened](const QUrl& url) {
        opened << url;
        return true;
    };
    Click(main->lblHelp);
    Click(main->Label1);
    ASSERT_EQ(opened.size(), 2);
    EXPECT_TRUE(opened[0].isLocalFile());
    EXPECT_EQ(opened[0].toLocalFile(), QDir::current().absoluteFilePath("docs/cresselle.htm"));
    EXPECT_EQ(opened[1].scheme(), "https");
}

TEST_F(ToolbarTest, AboutShowsTheVersionWindowAndExitClosesTheMainWindow) {
    auto* about = new TAbout();
    Windows().About = about;
    main->show();
    Click(main->lblAbout);
    EXPECT_TRUE(about->isVisible());
    about->hide();
    Click(main->lblExit);
    EXPECT_FALSE(main->isVisible());
    Windows().About = nullptr;
    delete about;
}

TEST_F(ToolbarTest, FirstShowCentresTheWindowAndStartsTheClock) {
    main->show();
    const QSize screen = main->screenSize();
    EXPECT_EQ(main->pos(), QPoint((screen.width() - 640) / 2, (screen.height() - 480) / 2));
    EXPECT_TRUE(main->Timer1->isActive());
    EXPECT_TRUE(main->ClockText.startsWith("21:30:00  15 March 2024 - "));
    main->hide();
}

} // namespace
