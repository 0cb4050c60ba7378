// SPDX-License-Identifier: GPL-3.0-or-later
// The windows under a real X server and window manager (Xvfb and openbox, started here): the
// report windows and popups belong to the main window, stay above it when it is clicked, have
// no taskbar entry of their own, and messages and menus open over or beside their owner, on the
// screen. Skipped, with a message, where either is not installed.
#include "ReportFixture.h"
#include "ui/reports/fObservingAid.h"
#include "ui/reports/fReportMenu.h"
#include "ui/reports/fTimesList.h"
#include "ui/reports/fWebMenu.h"

#include "platform/Platform.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <QProcess>
#include <QRegularExpression>

#include <csignal>
#include <cstdlib>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

bool Installed(const char* program) {
    return std::system((std::string("command -v ") + program + " >/dev/null 2>&1").c_str()) == 0;
}

// Xvfb and openbox for this program alone; stopped when it ends.
struct XSession {
    pid_t server = 0;
    pid_t manager = 0;
    QString missing; // empty when the session runs

    XSession() {
        for (const char* program : {"Xvfb", "openbox", "xprop", "wmctrl", "xwininfo"})
            if (!Installed(program)) missing += QString::fromLatin1(program) + u' ';
        if (!missing.isEmpty()) return;
        int fds[2];
        if (pipe(fds) != 0) {
            missing = QStringLiteral("(no pipe)");
            return;
        }
        server = fork();
        if (server == 0) {
            close(fds[0]);
            const std::string fd = std::to_string(fds[1]);
            execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1280x1024x24",
                   "-nolisten", "tcp", static_cast<char*>(nullptr));
            _exit(127);
        }
        close(fds[1]);
        // The server writes the number and then a newline, in two writes: read up to the
        // newline, keeping the pipe open until then.
        char number[16] = {};
        std::size_t got = 0;
        while (server > 0 && got + 1 < sizeof number) {
            const ssize_t n = read(fds[0], number + got, 1);
            if (n <= 0 || number[got] == '\n') break;
            got += static_cast<std::size_t>(n);
        }
        close(fds[0]);
        if (server < 0 || got == 0) {
            missing = QStringLiteral("(Xvfb did not start)");
            return;
        }
        const QByteArray display = ':' + QByteArray(number).trimmed();
        qputenv("DISPLAY", display);
        manager = fork();
        if (manager == 0) {
            execlp("openbox", "openbox", static_cast<char*>(nullptr));
            _exit(127);
        }
        // The manager is ready once it has named itself on the root window (5 s at most).
        for (int i = 0;
             i < 50 && !Run({"xprop", "-root", "_NET_SUPPORTING_WM_CHECK"}).contains("window id");
             ++i)
            usleep(100000);
        qputenv("QT_QPA_PLATFORM", "xcb");
    }
    ~XSession() {
        for (pid_t pid : {manager, server})
            if (pid > 0) {
                kill(pid, SIGTERM);
                waitpid(pid, nullptr, 0);
            }
    }
    static QString Run(const QStringList& command) {
        QProcess p;
        p.start(command.front(), command.mid(1));
        if (!p.waitForFinished(5000)) p.kill();
        return QString::fromLocal8Bit(p.readAllStandardOutput());
    }
};

// Started before the application, which then opens the X display.
XSession session;

class WindowManager : public ReportFixture {
  protected:
    void SetUp() override {
        if (!session.missing.isEmpty())
            GTEST_SKIP() << "needs Xvfb, openbox, xprop, wmctrl and xwininfo; missing: "
                         << session.missing.toStdString();
        ReportFixture::SetUp();
    }

    static QString Hex(const QWidget* w) {
        return QStringLiteral("0x%1").arg(static_cast<qulonglong>(w->winId()), 0, 16);
    }
    static QString Property(const QWidget* w, const char* name) {
        return XSession::Run({"xprop", "-id", Hex(w), QString::fromLatin1(name)});
    }
    // The managed windows, bottom first.
    static QStringList Stacking() {
        const QString line = XSession::Run({"xprop", "-root", "_NET_CLIENT_LIST_STACKING"});
        QStringList ids;
        static const QRegularExpression id(QStringLiteral("0x[0-9a-f]+"));
        for (auto it = id.globalMatch(line.section(u'#', 1)); it.hasNext();)
            ids << it.next().captured();
        return ids;
    }
    static void Settle() {
        for (int i = 0; i < 10; ++i)
            QTest::qWait(50);
    }
    void ShowMain() {
        main->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(main));
        Settle();
    }
    // Where the X server has the window, in screen coordinates.
    static QRect Placed(const QWidget* w) {
        const QString info = XSession::Run({"xwininfo", "-id", Hex(w)});
        auto number = [&info](const char* label) {
            static const QRegularExpression digits(QStringLiteral("(-?\\d+)"));
            const int at = info.indexOf(QLatin1String(label));
            return at < 0 ? -100000 : digits.match(info, at).captured(1).toInt();
        };
        return {number("Absolute upper-left X:"), number("Absolute upper-left Y:"),
                number("Width:"), number("Height:")};
    }
    // The main window moved by the manager to `at` (and read back from the server).
    void MoveMain(QPoint at) {
        main->move(at);
        for (int i = 0; i < 50 && Placed(main).topLeft() != at; ++i)
            QTest::qWait(100);
        ASSERT_EQ(Placed(main).topLeft(), at);
    }
    // Runs `open` (which shows a modal message box and waits for it) and returns where the
    // box stood on the screen; the box is then closed.
    static QRect MessageBoxPlacement(const std::function<void()>& open) {
        QRect placed;
        QTimer::singleShot(0, [&placed] {
            QWidget* box = nullptr;
            for (int i = 0; i < 100 && !(box = QApplication::activeModalWidget()); ++i)
                QTest::qWait(50);
            if (!box) return;
            if (QTest::qWaitForWindowExposed(box)) {
                Settle();
                placed = Placed(box);
            }
            box->close();
        });
        open();
        return placed;
    }
};

const QRect ScreenArea(0, 0, 1280, 1024);
// How far a box's centre may lie from its owner's: the manager's title bar above the box.
constexpr int Centring = 40;

TEST_F(WindowManager, SecondaryWindowsBelongToTheMainWindowAndStayAboveIt) {
    ShowMain();
    EXPECT_FALSE(Property(main, "WM_TRANSIENT_FOR").contains("window id"));
    QWidget* aid = Windows().ObservingAid;
    for (QWidget* w :
         std::initializer_list<QWidget*>{Windows().TimesList, Windows().ReportMenu, aid}) {
        w->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
        Settle();
        // Owned by the main window: no taskbar entry of its own.
        EXPECT_TRUE(Property(w, "WM_TRANSIENT_FOR").contains(Hex(main)))
            << w->metaObject()->className();
        EXPECT_TRUE(Property(w, "_NET_WM_WINDOW_TYPE").contains("DIALOG"));
    }
    // The main window activated as a click or the taskbar does: the aid stays above it.
    XSession::Run({"wmctrl", "-i", "-a", Hex(main)});
    // Until the manager has the main window active (5 s at most on a loaded machine).
    for (int i = 0;
         i < 50 && !XSession::Run({"xprop", "-root", "_NET_ACTIVE_WINDOW"}).contains(Hex(main));
         ++i)
        QTest::qWait(100);
    Settle();
    const QStringList order = Stacking();
    ASSERT_TRUE(order.contains(Hex(main)) && order.contains(Hex(aid)));
    EXPECT_GT(order.indexOf(Hex(aid)), order.indexOf(Hex(main)));
}

// An owned window carries the skip-taskbar state, also when shown again; the main window keeps
// its entry.
TEST_F(WindowManager, OwnedWindowsHaveNoTaskbarEntryOfTheirOwn) {
    ShowMain();
    EXPECT_FALSE(Property(main, "_NET_WM_STATE").contains("SKIP_TASKBAR"));
    for (QWidget* w : std::initializer_list<QWidget*>{Windows().TimesList, Windows().ReportMenu,
                                                      Windows().ObservingAid}) {
        for (int showing = 0; showing < 2; ++showing) {
            w->show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
            Settle();
            const QString state = Property(w, "_NET_WM_STATE");
            EXPECT_TRUE(state.contains("_NET_WM_STATE_SKIP_TASKBAR"))
                << w->metaObject()->className() << " showing " << showing << ": "
                << state.toStdString();
            EXPECT_TRUE(state.contains("_NET_WM_STATE_SKIP_PAGER")) << state.toStdString();
            w->hide();
            Settle();
        }
    }
}

// Notices, errors and confirmations open centred over the window they speak for (the
// manager's title bar aside), on the screen, wherever that window stands.
TEST_F(WindowManager, MessagesOpenOverTheirOwnerOnTheScreen) {
    platform::ResetServices(); // the real message boxes
    ShowMain();
    for (const QPoint at : {QPoint(600, 520), QPoint(20, 30)}) {
        MoveMain(at);
        const QRect owner = Placed(main);
        const QRect notice = MessageBoxPlacement([this] {
            platform::ShowMessage(main, QStringLiteral("Please type a year from 1 to 9999."));
        });
        ASSERT_FALSE(notice.isEmpty()) << "no notice appeared";
        EXPECT_TRUE(ScreenArea.contains(notice)) << notice.x() << "," << notice.y();
        EXPECT_LE((notice.center() - owner.center()).manhattanLength(), Centring)
            << "notice at " << notice.x() << "," << notice.y() << ", main at " << at.x() << ","
            << at.y();
        const QRect question = MessageBoxPlacement(
            [this] { platform::Ask(main, QStringLiteral("Replace the file?")); });
        ASSERT_FALSE(question.isEmpty()) << "no question appeared";
        EXPECT_TRUE(ScreenArea.contains(question));
        EXPECT_LE((question.center() - owner.center()).manhattanLength(), Centring)
            << "question at " << question.x() << "," << question.y();
    }
    // An error of a report window opens over that window, not over the main window.
    QWidget* report = Windows().TimesList;
    report->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(report));
    report->move(500, 400);
    for (int i = 0; i < 50 && Placed(report).topLeft() != QPoint(500, 400); ++i)
        QTest::qWait(100);
    const QRect error = MessageBoxPlacement([report] {
        platform::ShowMessage(report, QStringLiteral("The list could not be saved."));
    });
    ASSERT_FALSE(error.isEmpty());
    EXPECT_TRUE(ScreenArea.contains(error));
    EXPECT_LE((error.center() - Placed(report).center()).manhattanLength(), Centring);
}

// The reports and links menus open under their toolbar button, whole on the screen when the
// main window stands partly off its right edge.
TEST_F(WindowManager, MenusOpenUnderTheirButtonOnTheScreen) {
    ShowMain();
    for (const QPoint at : {QPoint(100, 80), QPoint(ScreenArea.width() - 200, 500)}) {
        MoveMain(at);
        for (const auto& [menu, button] : {std::pair<QWidget*, int>{Windows().ReportMenu, 158},
                                           std::pair<QWidget*, int>{Windows().WebMenu, 100}}) {
            menu->show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
            Settle();
            const QRect placed = Placed(menu);
            EXPECT_TRUE(ScreenArea.contains(placed))
                << menu->metaObject()->className() << " at " << placed.x() << "," << placed.y();
            // Just below the toolbar, and under the button where the screen leaves room.
            EXPECT_EQ(placed.y(), std::min(at.y() + 40, ScreenArea.height() - placed.height()));
            EXPECT_EQ(placed.x(), std::min(at.x() + button, ScreenArea.width() - placed.width()));
            menu->hide();
            Settle();
        }
    }
}

} // namespace
