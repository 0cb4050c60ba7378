// SPDX-License-Identifier: GPL-3.0-or-later
// The window frame: creation of the seventeen windows, title drag, placement rules, popups
// closing when they lose activation, minimising.
#include "platform/Platform.h"
#include "settings/ObserverSettings.h"
#include "ui/Windows.h"
#include "ui/frame/TFrame.h"
#include "ui/main/fMain.h"

#include <QApplication>
#include <QDir>
#include <QMouseEvent>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// Settings and the working folder in a temporary folder for the whole program.
class TemporaryHome : public ::testing::Environment {
  public:
    void SetUp() override {
        ASSERT_TRUE(home_.isValid());
        previous_ = QDir::currentPath();
        QDir::setCurrent(home_.path());
        settingsstore::SetLocationForTests(home_.filePath(QStringLiteral("Cresselle.ini")));
    }
    void TearDown() override {
        settingsstore::SetLocationForTests(QString());
        QDir::setCurrent(previous_);
    }

  private:
    QTemporaryDir home_;
    QString previous_;
};
const auto* const home = ::testing::AddGlobalTestEnvironment(new TemporaryHome);

TEST(Windows, SeventeenCreatedInStartupOrderMainFirst) {
    CreateWindows();
    int count = 0;
    QWidget* const* created = CreatedWindowsInOrder(count);
    const char* const order[] = {
        "TMain",          "TTimesList",  "TConfiguration", "TWebMenu",      "TMonthList",
        "TEclipse",       "TAbout",      "TPrintOptions",  "TDateInfo",     "TEquinox",
        "TEclipseReport", "TReportMenu", "TMonthlyPhases", "TObservingAid", "TEaster",
        "TFeatures",      "TFeaturesDB"};
    ASSERT_EQ(count, 17);
    for (int i = 0; i < count; ++i) {
        EXPECT_STREQ(created[i]->metaObject()->className(), order[i]) << "window " << i + 1;
        EXPECT_FALSE(created[i]->isVisible()) << order[i] << " is shown before the main window";
        EXPECT_TRUE(created[i]->windowFlags() & Qt::FramelessWindowHint) << order[i];
    }
    EXPECT_EQ(static_cast<QWidget*>(Windows().Main), created[0]);

    // Exactly the popups close when they lose activation.
    const QStringList popups{"TWebMenu", "TMonthList", "TDateInfo",
                             "TEquinox", "TEaster",    "TReportMenu"};
    for (int i = 0; i < count; ++i) {
        const auto* frame = qobject_cast<const TFrame*>(created[i]);
        ASSERT_NE(frame, nullptr) << order[i];
        EXPECT_EQ(frame->closesOnDeactivate(), popups.contains(QString::fromLatin1(order[i])))
            << order[i];
    }
    DestroyWindows();
    CreatedWindowsInOrder(count);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(Windows().Main, nullptr);
}

class FrameDrag : public ::testing::Test {
  protected:
    void SetUp() override {
        frame.setFixedSize(300, 200);
        frame.addTitleLabel(QRect(40, 10, 200, 23));
        frame.move(100, 100);
        frame.show();
    }
    void SendMove(QPoint labelPos, Qt::MouseButtons buttons) {
        QMouseEvent move(QEvent::MouseMove, labelPos, frame.lblTitle->mapToGlobal(labelPos),
                         Qt::NoButton, buttons, Qt::NoModifier);
        QApplication::sendEvent(frame.lblTitle, &move);
    }
    TFrame frame;
};

TEST_F(FrameDrag, WindowFollowsThePointerFromTheGrabPoint) {
    QTest::mousePress(frame.lblTitle, Qt::LeftButton, {}, QPoint(10, 5));
    EXPECT_TRUE(frame.isDragging());
    QTest::mouseMove(frame.lblTitle, QPoint(30, 12));
    EXPECT_EQ(frame.pos(), QPoint(120, 107));
    // The label moved with the window: the same label point is the new grab point.
    QTest::mouseMove(frame.lblTitle, QPoint(5, 5));
    EXPECT_EQ(frame.pos(), QPoint(115, 107));
    QTest::mouseRelease(frame.lblTitle, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(frame.isDragging());

    SendMove(QPoint(60, 40), Qt::LeftButton);
    EXPECT_EQ(frame.pos(), QPoint(115, 107)) << "a move after the release drags nothing";
}

TEST_F(FrameDrag, MoveWithoutPressMovesNothing) {
    SendMove(QPoint(30, 12), Qt::NoButton);
    SendMove(QPoint(50, 20), Qt::LeftButton);
    EXPECT_EQ(frame.pos(), QPoint(100, 100));
}

TEST_F(FrameDrag, AnyButtonGrabsAndTheTitleStaysOnTheScreen) {
    const QRect screen = frame.screen()->geometry();
    QTest::mousePress(frame.lblTitle, Qt::RightButton, {}, QPoint(10, 5));
    QTest::mouseMove(frame.lblTitle, QPoint(-400, -300));
    // The title's top on the screen's top edge, 40 pixels of it still to grab at the left.
    EXPECT_EQ(frame.pos(), screen.topLeft() + QPoint(40 - 40 - 200, -10));
    QTest::mouseMove(frame.lblTitle, QPoint(5000, 5000));
    const QRect title = frame.lblTitle->geometry().translated(frame.pos());
    EXPECT_EQ(title.bottom(), screen.bottom());
    EXPECT_EQ(title.left(), screen.right() + 1 - 40);
    QTest::mouseRelease(frame.lblTitle, Qt::RightButton, {}, QPoint(10, 5));
}

// Escape closes a window as its close button does; Enter reaches a window's default action
// only through its own handler (a plain frame has none and stays open).
TEST(FrameKeys, EscapeClosesTheWindow) {
    TFrame report;
    report.setFixedSize(200, 100);
    report.addExitLabel(QRect(180, 2, 16, 16));
    report.show();
    QTest::keyClick(&report, Qt::Key_Return);
    EXPECT_TRUE(report.isVisible());
    QTest::keyClick(&report, Qt::Key_Escape);
    EXPECT_FALSE(report.isVisible());
}

TEST(Placement, RulesRelativeToTheMainWindow) {
    QWidget main;
    main.setGeometry(100, 50, 640, 480);
    EXPECT_EQ(TFrame::CentredOn(main, QSize(300, 200)), QPoint(100 + 170, 50 + 140));
    // Odd differences divide toward zero, also when the window is larger than the main one.
    EXPECT_EQ(TFrame::CentredOn(main, QSize(301, 201)), QPoint(100 + 169, 50 + 139));
    EXPECT_EQ(TFrame::CentredOn(main, QSize(645, 485)), QPoint(100 - 2, 50 - 2));
    EXPECT_EQ(TFrame::BelowButton(main, 158), QPoint(258, 90));
    EXPECT_EQ(TFrame::BesideCalendarHeading(main), QPoint(680, 100));
}

TEST(Placement, ClampingKeepsTheWindowOnTheScreen) {
    using Order = TFrame::ClampOrder;
    const QSize screen(1024, 768);
    for (Order order : {Order::LeftFirst, Order::RightFirst}) {
        EXPECT_EQ(TFrame::Clamp({-20, -5}, {100, 348}, screen, order), QPoint(0, 0));
        EXPECT_EQ(TFrame::Clamp({980, 500}, {100, 348}, screen, order), QPoint(924, 420));
        EXPECT_EQ(TFrame::Clamp({300, 200}, {100, 348}, screen, order), QPoint(300, 200));
    }
    EXPECT_EQ(TFrame::Clamp({-20, 900}, {100, 100}, screen, Order::None), QPoint(-20, 900));
}

TEST(Placement, WindowLargerThanTheScreenKeepsTheEdgeTestedLast) {
    using Order = TFrame::ClampOrder;
    const QSize screen(1024, 768);
    const QSize wide(1200, 900);
    // Left before right: the right edge wins; top before bottom on both.
    EXPECT_EQ(TFrame::Clamp({50, 40}, wide, screen, Order::LeftFirst), QPoint(-176, -132));
    EXPECT_EQ(TFrame::Clamp({-50, -40}, wide, screen, Order::LeftFirst), QPoint(-176, -132));
    // Right before left: the left edge wins.
    EXPECT_EQ(TFrame::Clamp({50, 40}, wide, screen, Order::RightFirst), QPoint(0, -132));
    EXPECT_EQ(TFrame::Clamp({-50, -40}, wide, screen, Order::RightFirst), QPoint(0, -132));
}

// Activates `w` the way a click on it does.
bool Activate(QWidget& w) {
    w.activateWindow();
    return QTest::qWaitForWindowActive(&w, 2000);
}

TEST(Popup, ClosesWhenAnotherWindowIsActivated) {
    TFrame main;
    TFrame popup;
    TFrame report;
    popup.setClosesOnDeactivate(true);
    for (TFrame* w : {&main, &report, &popup}) {
        w->setFixedSize(200, 100);
        w->show();
    }
    ASSERT_TRUE(Activate(popup));
    ASSERT_TRUE(popup.isVisible());

    ASSERT_TRUE(Activate(report));
    EXPECT_FALSE(popup.isVisible()) << "a popup hides as soon as it loses activation";

    popup.show();
    ASSERT_TRUE(Activate(popup));
    ASSERT_TRUE(Activate(main));
    EXPECT_FALSE(popup.isVisible()) << "also when the main window is activated";
    EXPECT_TRUE(report.isVisible()) << "other windows stay when they lose activation";
}

TEST(Minimise, WindowOrWholeApplication) {
    TFrame main;
    TFrame report;
    main.addMinimiseLabel(QRect(10, 10, 20, 20), TFrame::MinimiseScope::Application,
                          QStringLiteral("Minimize Cresselle"));
    report.addMinimiseLabel(QRect(10, 10, 20, 20), TFrame::MinimiseScope::Window, {});
    main.show();
    report.show();

    QTest::mouseClick(report.lblMinimise, Qt::LeftButton);
    EXPECT_TRUE(report.isMinimized());
    EXPECT_FALSE(main.isMinimized());

    report.showNormal();
    QTest::mouseClick(main.lblMinimise, Qt::LeftButton);
    EXPECT_TRUE(main.isMinimized());
    EXPECT_TRUE(report.isMinimized());
}

} // namespace

// A message opens over the window it speaks for, not at the screen's corner: its place is set
// by the program (so that a window manager keeps it), centred on its window.
TEST(Messages, OpenCentredOnTheirWindow) {
    platform::ResetServices();
    QWidget owner(nullptr, Qt::FramelessWindowHint);
    owner.setGeometry(300, 200, 640, 480);
    owner.show();
    QRect shown;
    bool placed = false;
    QTimer::singleShot(50, [&shown, &placed] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            shown = box->frameGeometry();
            placed = box->testAttribute(Qt::WA_Moved);
            box->close();
        }
    });
    platform::ShowMessage(&owner, QStringLiteral("Please type a year from 1 to 9999."));
    ASSERT_TRUE(shown.isValid());
    EXPECT_TRUE(placed);
    EXPECT_LE((shown.center() - owner.frameGeometry().center()).manhattanLength(), 4)
        << shown.x() << "," << shown.y();
}
