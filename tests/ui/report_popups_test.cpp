// SPDX-License-Identifier: GPL-3.0-or-later
// The reports menu and the links menu, the equinox window and the Easter window.
#include "ReportFixture.h"

#include "astro/fSeasons.h"
#include "ui/reports/fEaster.h"
#include "ui/reports/fEclipseReport.h"
#include "ui/reports/fEquinox.h"
#include "ui/reports/fFeatures.h"
#include "ui/reports/fMonthlyPhases.h"
#include "ui/reports/fObservingAid.h"
#include "ui/reports/fReportMenu.h"
#include "ui/reports/fWebMenu.h"

#include <QFile>
#include <QRegularExpression>
#include <QScreen>
#include <set>

namespace {

using ReportPopups = ReportFixture;

TEST_F(ReportPopups, EveryReportRowOpensItsWindow) {
    SelectDay(15, 6, 2000);
    TReportMenu* menu = Windows().ReportMenu;
    const std::pair<TClickLabel*, QWidget*> rows[] = {
        {menu->imgLunarVisibility, Windows().ObservingAid},
        {menu->imgFindEclipses, Windows().EclipseReport},
        {menu->imgDisplayPhases, Windows().MonthlyPhases},
        {menu->imgLunarFeatures, Windows().Features},
        {menu->imgEquinoxInfo, Windows().Equinox},
        {menu->imgEaster, Windows().Easter},
    };
    int top = 0;
    for (const auto& [row, window] : rows) {
        EXPECT_EQ(row->geometry(), QRect(0, top, 265, 20));
        top += 20;
        menu->show();
        EXPECT_EQ(menu->pos(), main->pos() + QPoint(158, 40));
        ASSERT_FALSE(window->isVisible()) << row->objectName().toStdString();
        QTest::mouseClick(row, Qt::LeftButton, {}, QPoint(40, 10));
        EXPECT_TRUE(window->isVisible()) << row->objectName().toStdString();
        window->hide();
    }
}

// With the main window near the screen's lower right corner, the menus open whole on the
// screen rather than under their buttons, off it.
TEST_F(ReportPopups, MenusOpenWholeOnTheScreen) {
    const QRect screen = main->screen()->geometry();
    const QPoint saved = main->pos();
    main->move(screen.right() - 250, screen.bottom() - 120);
    for (QWidget* menu :
         {static_cast<QWidget*>(Windows().ReportMenu), static_cast<QWidget*>(Windows().WebMenu)}) {
        menu->show();
        EXPECT_TRUE(screen.contains(menu->geometry()))
            << menu->geometry().x() << "," << menu->geometry().y();
        menu->hide();
    }
    main->move(saved);
}

TEST_F(ReportPopups, CalendarRowSavesTheSelectedYearAsIcs) {
    SelectDay(15, 6, 2000);
    TReportMenu* menu = Windows().ReportMenu;
    menu->show();
    saveAnswer = dir_.filePath(QStringLiteral("moon")); // typed without the extension
    QTest::mouseClick(menu->imgSaveCalendar, Qt::LeftButton, {}, QPoint(40, 10));
    EXPECT_FALSE(menu->isVisible());
    ASSERT_EQ(suggestedNames.size(), 1);
    EXPECT_TRUE(suggestedNames[0].endsWith(QStringLiteral("2000.ics")));
    QFile file(saveAnswer + QStringLiteral(".ics"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray ics = file.readAll();
    EXPECT_TRUE(ics.startsWith("BEGIN:VCALENDAR\r\n"));
    EXPECT_TRUE(ics.contains("\r\nX-WR-CALNAME:Moon 2000 (Cresselle)\r\n"));
    EXPECT_TRUE(ics.contains("DTSTART:20000121T04")); // the full moon of 21 January 2000, 04:40 UT
    EXPECT_TRUE(messages.isEmpty()) << messages.join(' ').toStdString();
}

TEST_F(ReportPopups, ArrowFollowsLinkRowsAndHidesOverHeadings) {
    TWebMenu* menu = Windows().WebMenu;
    menu->show();
    EXPECT_EQ(menu->pos(), main->pos() + QPoint(100, 40));
    EXPECT_FALSE(menu->imgArrow->isVisible());
    MoveMouseOver(menu->imgMoonNSSDC);
    EXPECT_TRUE(menu->imgArrow->isVisible());
    EXPECT_EQ(menu->imgArrow->geometry(), QRect(7, 40, 15, 20));
    MoveMouseOver(menu->imgLunarResources);
    EXPECT_FALSE(menu->imgArrow->isVisible());
    MoveMouseOver(menu->imgApolloLunarSurfaceJournal);
    EXPECT_EQ(menu->imgArrow->y(), 340);
    MoveMouseOver(menu->Image1); // the second heading
    EXPECT_FALSE(menu->imgArrow->isVisible());

    TReportMenu* reports = Windows().ReportMenu;
    reports->show();
    MoveMouseOver(reports->imgEaster);
    EXPECT_EQ(reports->imgArrow->geometry(), QRect(7, 100, 15, 20));
    EXPECT_TRUE(reports->imgArrow->isVisible());
}

TEST_F(ReportPopups, LinksOpenTheirAddressesAndHeadingsNothing) {
    TWebMenu* menu = Windows().WebMenu;
    menu->show();
    QTest::mouseClick(menu->imgLunarResources, Qt::LeftButton);
    QTest::mouseClick(menu->Image1, Qt::LeftButton);
    EXPECT_TRUE(urls.empty());

    QTest::mouseClick(menu->imgMoonNSSDC, Qt::LeftButton);
    ASSERT_EQ(urls.size(), 1u);
    EXPECT_EQ(urls[0].host(), QStringLiteral("nssdc.gsfc.nasa.gov"));

    ASSERT_EQ(menu->links().size(), 16u);
    std::set<QString> addresses;
    for (const TWebMenu::Link& link : menu->links()) {
        EXPECT_TRUE(link.address.isValid());
        EXPECT_EQ(link.address.scheme(), QStringLiteral("https"));
        addresses.insert(link.address.toString());
    }
    EXPECT_EQ(addresses.size(), 16u);
    EXPECT_EQ(menu->imgApolloLunarSurfaceJournal->geometry(), QRect(0, 340, 265, 20));
}

TEST_F(ReportPopups, SeasonTimesRoundToTheNearestMinute) {
    // 2024 June solstice: 20:50:5x UT, published as 20:51 (and so by the calendar export).
    SelectDay(15, 6, 2024);
    ObserverSettings.LatDir = QStringLiteral("North");
    QTest::mouseClick(Windows().ReportMenu->imgEquinoxInfo, Qt::LeftButton);
    EXPECT_EQ(Windows().Equinox->lblSummer->text(), QStringLiteral("20:51   20 Jun"));
}

TEST_F(ReportPopups, SouthernObserverSeesTheSeptemberEquinoxAsSpring) {
    SelectDay(15, 6, 2000);
    ObserverSettings.LatDir = QStringLiteral("South");
    QTest::mouseClick(Windows().ReportMenu->imgEquinoxInfo, Qt::LeftButton);
    TEquinox* equinox = Windows().Equinox;
    ASSERT_TRUE(equinox->isVisible());
    EXPECT_EQ(equinox->Label8->text(), QStringLiteral("Spring Equinox:"));
    const QRegularExpression shape(QStringLiteral("^\\d\\d:\\d\\d   \\d\\d [A-Z][a-z][a-z]$"));
    EXPECT_TRUE(shape.match(equinox->lblSpring->text()).hasMatch())
        << equinox->lblSpring->text().toStdString();
    EXPECT_TRUE(equinox->lblSpring->text().endsWith(QStringLiteral("22 Sep")));
    EXPECT_TRUE(equinox->lblSummer->text().endsWith(QStringLiteral("21 Dec")));
    EXPECT_TRUE(equinox->lblAutumn->text().endsWith(QStringLiteral("20 Mar")));
    EXPECT_TRUE(equinox->lblWinter->text().endsWith(QStringLiteral("21 Jun")));
    // 2000 March equinox: 20 March, 07:35 UT.
    EXPECT_EQ(equinox->lblAutumn->text(), QStringLiteral("07:35   20 Mar"));

    // The lengths follow their events.
    const astro::SeasonsRec seasons = astro::EquinoxesAndSolstices(2000, main->observer());
    EXPECT_EQ(equinox->lblSpringDur->text(), SeasonLengthText(seasons.Lengths[2]));
    EXPECT_EQ(equinox->lblAutumnDur->text(), SeasonLengthText(seasons.Lengths[0]));
    EXPECT_TRUE(equinox->lblSummerDur->text().endsWith(QStringLiteral(" days")));
    EXPECT_EQ(SeasonLengthText(92.75), QStringLiteral("92.75 days"));
    EXPECT_EQ(SeasonLengthText(93.0), QStringLiteral("93 days"));
    // Centred on the main window.
    EXPECT_EQ(equinox->pos(), TFrame::CentredOn(*main, equinox->size()));
}

TEST_F(ReportPopups, EasterOfTheSelectedYear) {
    SelectDay(3, 9, 2000);
    QTest::mouseClick(Windows().ReportMenu->imgEaster, Qt::LeftButton);
    TEaster* easter = Windows().Easter;
    ASSERT_TRUE(easter->isVisible());
    EXPECT_EQ(easter->lblEaster->text(), QStringLiteral("23 April 2000"));
    easter->hide();
    SelectDay(3, 9, 2038);
    easter->show();
    EXPECT_EQ(easter->lblEaster->text(), QStringLiteral("25 April 2038"));
}

TEST_F(ReportPopups, PopupsCloseWhenAnotherWindowIsActivated) {
    main->show();
    for (QWidget* popup : std::initializer_list<QWidget*>{
             Windows().Equinox, Windows().Easter, Windows().ReportMenu, Windows().WebMenu}) {
        popup->show();
        QApplication::setActiveWindow(popup);
        ASSERT_TRUE(popup->isVisible());
        QApplication::setActiveWindow(main);
        EXPECT_FALSE(popup->isVisible()) << popup->metaObject()->className();
    }
}

} // namespace
