// SPDX-License-Identifier: GPL-3.0-or-later
// The windows under a real X server and window manager (Xvfb and openbox, started here): the
// report windows and popups belong to the main window, stay above it when it is clicked, and
// have no taskbar entry of their own. Skipped, with a message, where either is not installed.
#include "ReportFixture.h"
#include "ui/reports/fObservingAid.h"
#include "ui/reports/fReportMenu.h"
#include "ui/reports/fTimesList.h"

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
        for (const char* program : {"Xvfb", "openbox", "xprop", "wmctrl"})
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
            GTEST_SKIP() << "needs Xvfb, openbox, xprop and wmctrl; missing: "
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
};

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

} // namespace
